// The inflation rate dialog.
#include "debt/inflation_rate_dialog.h"

#include "debt/debt_texts.h"
#include "debt/rate_box.h"
#include "debt/rate_list.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/rounding.h"
#include "ui_inflation_rate_dialog.h"
#include "widgets/window_placement.h"

namespace velmar {

InflationRateDialog::InflationRateDialog(QWidget* parent)
    : FieldsDialog(parent), ui_(std::make_unique<::Ui::InflationRateDialog>())
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    limitRateBox(ui_->Valoare, true);
    connect(ui_->MemoreazaBut, &QPushButton::clicked, this, &InflationRateDialog::Memoreaza);
    connect(ui_->RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
}

InflationRateDialog::~InflationRateDialog() = default;

void InflationRateDialog::fill(const InflationRateRow& row)
{
    ui_->DataStab->setDate(dateFromDayNumber(row.datastab));
    ui_->Valoare->setText(formatNumber(row.valoare));
}

bool InflationRateDialog::Execute(bool adding)
{
    ui_->HeaderL->setText(adding ? debt_texts::kNewInflation : debt_texts::kChangeInflation);
    if (adding) {
        ui_->DataStab->setDate(today());
        ui_->Valoare->setText(QStringLiteral("0"));
    }
    centreOnScreen(this);
    ui_->DataStab->setFocus();
    return exec() == QDialog::Accepted;
}

InflationRateEdit InflationRateDialog::edit() const { return {ui_->DataStab->date(), ui_->Valoare->text()}; }

void InflationRateDialog::Memoreaza()
{
    if (settleRateBox(ui_->Valoare, true))
        accept();
}

}  // namespace velmar
