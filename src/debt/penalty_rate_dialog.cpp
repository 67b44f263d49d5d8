// The penalty rate dialog.
#include "debt/penalty_rate_dialog.h"

#include "debt/debt_texts.h"
#include "debt/rate_box.h"
#include "debt/rate_list.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/rounding.h"
#include "ui_penalty_rate_dialog.h"
#include "widgets/window_placement.h"

namespace velmar {

PenaltyRateDialog::PenaltyRateDialog(QWidget* parent)
    : FieldsDialog(parent), ui_(std::make_unique<::Ui::PenaltyRateDialog>())
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    limitRateBox(ui_->PeLuna, false);
    limitRateBox(ui_->PeZi, false);
    connect(ui_->MemoreazaBut, &QPushButton::clicked, this, &PenaltyRateDialog::Memoreaza);
    connect(ui_->RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
}

PenaltyRateDialog::~PenaltyRateDialog() = default;

void PenaltyRateDialog::fill(const PenaltyRateRow& row)
{
    ui_->DataStab->setDate(dateFromDayNumber(row.datastab));
    ui_->PeLuna->setText(formatNumber(row.peluna));
    ui_->PeZi->setText(formatNumber(row.pezi));
}

bool PenaltyRateDialog::Execute(bool adding)
{
    ui_->HeaderL->setText(adding ? debt_texts::kNewPenalty : debt_texts::kChangePenalty);
    if (adding) {
        ui_->DataStab->setDate(today());
        ui_->PeLuna->setText(QStringLiteral("0"));
        ui_->PeZi->setText(QStringLiteral("0"));
    }
    centreOnScreen(this);
    ui_->DataStab->setFocus();
    return exec() == QDialog::Accepted;
}

PenaltyRateEdit PenaltyRateDialog::edit() const
{
    return {ui_->DataStab->date(), ui_->PeZi->text(), ui_->PeLuna->text()};
}

void PenaltyRateDialog::Memoreaza()
{
    if (settleRateBox(ui_->PeLuna, false) && settleRateBox(ui_->PeZi, false))
        accept();
}

}  // namespace velmar
