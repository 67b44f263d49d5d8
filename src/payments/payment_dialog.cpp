// The payment dialog.
#include "payments/payment_dialog.h"

#include "payments/payment_texts.h"
#include "app/app_context.h"
#include "widgets/problem_balloon.h"
#include "store/dates.h"
#include "store/id_counters.h"
#include "ui_payment_dialog.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace velmar {

namespace {

// Digits only, as many as the box allows, so the value always fits its column.
void limitTo(QLineEdit* box, NumericBox limits)
{
    const QRegularExpression digits(QStringLiteral("\\d{0,%1}").arg(limits.integerDigits));
    box->setValidator(new QRegularExpressionValidator(digits, box));
}

}  // namespace

PaymentDialog::PaymentDialog(AppContext& app, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<::Ui::PaymentDialog>()), app_(app)
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ui_->DocJus->addItems(payment_texts::kDocumentKinds);
    limitTo(ui_->NrChit, kNrChitBox);
    limitTo(ui_->Total, kTotalBox);
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
    ui_->NrChit->setText(app_.ids().PeekId(QStringLiteral("NRCHIT")));
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

// Enter walks the fields in tab order; the buttons take it themselves. Without this the dialog would take
// Enter in a box for its default button and store.
void PaymentDialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter)
        focusNextChild();
    else
        QDialog::keyPressEvent(event);
}

}  // namespace velmar
