// The payment dialog.
#include "payments/payment_dialog.h"

#include "app/app_context.h"
#include "payments/payment_texts.h"
#include "store/dates.h"
#include "store/id_counters.h"
#include "ui_payment_dialog.h"
#include "widgets/numeric_box.h"
#include "widgets/problem_balloon.h"

namespace velmar {

PaymentDialog::PaymentDialog(AppContext& app, QWidget* parent)
    : FieldsDialog(parent), ui_(std::make_unique<::Ui::PaymentDialog>()), app_(app)
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ui_->DocJus->addItems(payment_texts::kDocumentKinds);
    // Each part of the amount lands in a SUMA or PENAL column: the box takes no more than one of them holds.
    limitNumericBox(ui_->NrChit, nrChitBox());
    limitNumericBox(ui_->Total, totalBox());
    connect(ui_->MemoreazaBut, &QPushButton::clicked, this, &PaymentDialog::Memoreaza);
    connect(ui_->RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
}

PaymentDialog::~PaymentDialog() = default;

bool PaymentDialog::Execute(QDate date, qint64 maximum)
{
    date_ = date;
    maximum_ = maximum;
    ui_->DataChit->setText(formatDate(date));
    ui_->SumaMax->setText(QString::number(maximum));
    ui_->DocJus->setCurrentIndex(0);
    ui_->NrChit->setText(QString::number(app_.ids().PeekId(QStringLiteral("NRCHIT"))));
    ui_->Total->setText(QStringLiteral("0"));
    ui_->DocJus->setFocus();
    return exec() == QDialog::Accepted;
}

PaymentInput PaymentDialog::typed() const
{
    // An emptied box holds 0.
    return {ui_->DocJus->currentText(), ui_->NrChit->text(), ui_->Total->text().toLongLong(), date_};
}

void PaymentDialog::Memoreaza()
{
    const PaymentInput in = typed();
    if (const auto problem = CheckPaymentInput(in, maximum_)) {
        QWidget* at = problem->field == PaymentProblem::Field::DocJus ? static_cast<QWidget*>(ui_->DocJus)
                                                                      : static_cast<QWidget*>(ui_->Total);
        ShowProblem(problem->text, at);
        return;
    }
    accepted_ = in;
    accept();
}

}  // namespace velmar
