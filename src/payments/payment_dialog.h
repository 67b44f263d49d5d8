// The payment dialog (TAddChitanta): the document and the amount of a payment, checked before the details window
// records it.
#pragma once

#include "payments/payment_recording.h"
#include "widgets/fields_dialog.h"

#include <memory>

namespace Ui {
class PaymentDialog;
}

namespace velmar {

class AppContext;

class PaymentDialog : public FieldsDialog {
    Q_OBJECT
public:
    explicit PaymentDialog(AppContext& app, QWidget* parent = nullptr);
    ~PaymentDialog() override;

    // Starts over (first document kind, amount 0, the proposed document number), shows the payment date and
    // the most that may be collected, and waits; true once "&Memoreaza" has accepted the values.
    bool Execute(QDate date, qint64 maximum);

    const PaymentInput& input() const { return accepted_; }

private:
    PaymentInput typed() const;
    void Memoreaza();

    std::unique_ptr<::Ui::PaymentDialog> ui_;
    AppContext& app_;
    QDate date_;
    qint64 maximum_ = 0;
    PaymentInput accepted_;
};

}  // namespace velmar
