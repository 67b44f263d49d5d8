// The details window (TDetaliiF): one contract's installments and payments as of a chosen date, and the
// commands that record a payment and undo the last one.
#pragma once

#include "contracts/contract_list.h"
#include "payments/installment_status.h"
#include "payments/payment_list.h"
#include "payments/payment_recording.h"
#include "widgets/refresh_coalescer.h"
#include "widgets/rows_model.h"

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class DetailsWindow;
}

namespace velmar {

class AppContext;
class Interaction;
class PaymentDialog;

class DetailsWindow : public QDialog {
    Q_OBJECT
public:
    // Made once with the program; the calculation date starts at today and keeps the one chosen last.
    DetailsWindow(AppContext& app, Interaction& ui, PaymentDialog& dialog, QWidget* parent = nullptr);
    ~DetailsWindow() override;

    // Shows the contract as of the calculation date and returns once the window has closed. Both lists are
    // held only while the window is shown.
    void ShowContractDetails(const ContractRow& contract);

    // "Listeaza Chitanta", provided by the receipt; its button stays disabled until then. It is also run on
    // every payment just recorded.
    void setReceiptPrinter(ReceiptPrinter print);

private:
    void DataCalcChange();
    qint64 calcDay() const;
    void loadInstallments();
    void loadPayments(std::optional<qint64> current);
    std::optional<qint64> selectedPayment() const;
    void showProblem(const PaymentProblem& problem, const QString& caption);

    void addPayment();
    void undoPayment();
    void printReceipt();

    std::unique_ptr<::Ui::DetailsWindow> ui_;
    AppContext& app_;
    Interaction& interaction_;
    PaymentDialog& dialog_;
    RowsModel<InstallmentStatus>* installments_;
    RowsModel<PaymentLine>* payments_;
    std::optional<ContractRow> contract_;  // while the window is shown
    RefreshCoalescer dateRefresh_;
    ReceiptPrinter printReceipt_;
};

}  // namespace velmar
