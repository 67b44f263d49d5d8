// The period dialog of the payments slip.
#include "reports/period_dialog.h"

#include "app/app_context.h"
#include "payments/payment_texts.h"
#include "reports/report_texts.h"
#include "store/clock.h"
#include "store/dates.h"
#include "ui_period_dialog.h"
#include "widgets/problem_balloon.h"
#include "widgets/run_command.h"
#include "widgets/window_placement.h"

namespace velmar {

PeriodDialog::PeriodDialog(AppContext& app, Interaction& ui, TemplateExporter& exporter, QWidget* parent)
    : FieldsDialog(parent),
      ui_(std::make_unique<::Ui::PeriodDialog>()),
      app_(app),
      interaction_(ui),
      exporter_(exporter)
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const QDate now = today();
    for (QDateEdit* box : {ui_->Data0, ui_->Data1}) {
        box->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        box->setCalendarPopup(true);
    }
    ui_->Data0->setDate(AddMonths(now, -1));
    ui_->Data1->setDate(now);
    ui_->DocJus->addItem(report_texts::kAnyDocument);
    ui_->DocJus->addItems(payment_texts::kDocumentKinds);
    connect(ui_->AmAlesBut, &QPushButton::clicked, this, &PeriodDialog::AmAles);
    connect(ui_->RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
}

PeriodDialog::~PeriodDialog() = default;

bool PeriodDialog::PaymentsSlip()
{
    centreOnFirstShow(this);
    ui_->Data0->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    runCommand(interaction_, report_texts::kPaymentsSlipCaption,
               [this] { velmar::PaymentsSlip(app_.db(), exporter_, app_.dataFolder(), period()); });
    return true;
}

SlipPeriod PeriodDialog::period() const
{
    const bool anyType = ui_->DocJus->currentIndex() <= 0;
    return {ui_->Data0->date(), ui_->Data1->date(), anyType ? QString() : ui_->DocJus->currentText()};
}

void PeriodDialog::AmAles()
{
    if (const auto problem = CheckSlipPeriod(period())) {
        ShowProblem(*problem, ui_->Data1);
        return;
    }
    accept();
}

}  // namespace velmar
