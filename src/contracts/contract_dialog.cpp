// The contract dialog.
#include "contracts/contract_dialog.h"

#include "app/app_context.h"
#include "app/interaction.h"
#include "contracts/contract_fields.h"
#include "contracts/contract_texts.h"
#include "contracts/contract_validation.h"
#include "contracts/contract_window_texts.h"
#include "store/clock.h"
#include "store/counties.h"
#include "ui_contract_dialog.h"
#include "widgets/numeric_box.h"
#include "widgets/problem_balloon.h"
#include "widgets/run_command.h"
#include "widgets/text_box.h"

namespace velmar {

namespace {

void setUpTextBox(QLineEdit* box, TextBox limits) { limitTextBox(box, limits.maxLength, limits.upperCase); }

// Selects the item equal to `text`, none when the list lacks it.
void selectItem(QComboBox* list, const QString& text) { list->setCurrentIndex(list->findText(text, Qt::MatchExactly)); }

void setDate(QDateEdit* box, QDate date)
{
    if (date.isValid())
        box->setDate(date);
}

}  // namespace

ContractDialog::ContractDialog(AppContext& app, Interaction& ui, QWidget* parent)
    : FieldsDialog(parent), ui_(std::make_unique<::Ui::ContractDialog>()), app_(app), interaction_(ui)
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    keepEnterOn(ui_->StopPenC);  // Enter on the check box must not store
    for (auto [box, limits] : {std::pair{ui_->NrCon, nrConBox()},
                               {ui_->NrRate, nrRateBox()},
                               {ui_->SuprafT, suprafTBox()},
                               {ui_->Rata, rataBox()}})
        limitNumericBox(box, limits);
    for (auto [box, limits] : {std::pair{ui_->Nume, kNumeBox},
                               {ui_->CNP, kCnpBox},
                               {ui_->ROL, kRolBox},
                               {ui_->Adresa, kAdresaBox},
                               {ui_->Loc, kLocBox},
                               {ui_->Obs, kObsBox}})
        setUpTextBox(box, limits);
    for (QDateEdit* date : {ui_->DataCon, ui_->DataRata1, ui_->DataPen1, ui_->StopPen}) {
        date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        date->setCalendarPopup(true);
        date->setDate(today());  // the stop date keeps its value between openings; it starts from today
    }
    ui_->Jud->addItems(counties());
    ui_->Moneda->addItem(contract_texts::kCurrency);
    ui_->TipRata->addItem(contract_texts::kPeriod);
    ui_->TipPenal->addItem(contract_texts::kPenaltyType);

    connect(ui_->StopPenC, &QCheckBox::toggled, this, &ContractDialog::StopPenCClick);
    connect(ui_->MemoreazaBut, &QPushButton::clicked, this, &ContractDialog::Memoreaza);
    connect(ui_->RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
}

ContractDialog::~ContractDialog() = default;

void ContractDialog::fill(const ContractInput& values)
{
    ui_->NrCon->setText(values.nrCon);
    setDate(ui_->DataCon, values.dataCon);
    ui_->NrRate->setText(values.nrRate);
    setDate(ui_->DataRata1, values.dataRata1);
    setDate(ui_->DataPen1, values.dataPen1);
    ui_->StopPenC->setChecked(values.stopPenChecked);
    setDate(ui_->StopPen, values.stopPen);
    ui_->Nume->setText(values.nume);
    ui_->CNP->setText(values.cnp);
    ui_->ROL->setText(values.rol);
    ui_->Adresa->setText(values.adresa);
    ui_->Loc->setText(values.loc);
    selectItem(ui_->Jud, values.jud);
    ui_->SuprafT->setText(values.suprafT);
    ui_->Rata->setText(values.rata);
    selectItem(ui_->Moneda, values.moneda);
    selectItem(ui_->TipRata, values.tipRata);
    ui_->TipPenal->setCurrentIndex(int(values.tipPenal));
    ui_->Obs->setText(values.obs);
    StopPenCClick();
}

ContractInput ContractDialog::typed() const
{
    ContractInput in;
    in.nrCon = ui_->NrCon->text();
    in.dataCon = ui_->DataCon->date();
    in.nrRate = ui_->NrRate->text();
    in.dataRata1 = ui_->DataRata1->date();
    in.dataPen1 = ui_->DataPen1->date();
    in.stopPenChecked = ui_->StopPenC->isChecked();
    in.stopPen = ui_->StopPen->date();
    in.nume = ui_->Nume->text();
    in.cnp = ui_->CNP->text();
    in.rol = ui_->ROL->text();
    in.adresa = ui_->Adresa->text();
    in.loc = ui_->Loc->text();
    in.jud = ui_->Jud->currentText();
    in.suprafT = ui_->SuprafT->text();
    in.rata = ui_->Rata->text();
    in.moneda = ui_->Moneda->currentText();
    in.tipRata = ui_->TipRata->currentText();
    in.tipPenal = ui_->TipPenal->currentIndex();
    in.obs = ui_->Obs->text();
    return in;
}

bool ContractDialog::Execute(EditedContract edited)
{
    edited_ = edited;
    const bool adding = edited == kNewContract;
    const QString heading = adding ? contract_window_texts::kAddCaption : contract_texts::kModifyCaption;
    setWindowTitle(heading);
    ui_->HeaderL->setText(heading);
    if (adding)
        fill(NewContractInput(app_.unitIdentity(), today()));
    return ExecuteAgain();
}

bool ContractDialog::ExecuteAgain()
{
    ui_->NrCon->setFocus();
    ui_->NrCon->selectAll();
    return exec() == QDialog::Accepted;
}

void ContractDialog::Memoreaza()
{
    runCommand(interaction_, windowTitle(), [this] {
        const ContractCheck check = ValidateContract(app_.db(), typed(), edited_);
        fill(check.input);  // the clerk sees the numbers and names as they will be stored
        if (!check.accepted()) {
            ShowProblem(check.message, findChild<QWidget*>(check.control));
            return;
        }
        accepted_ = check.input;
        accept();
    });
}

void ContractDialog::StopPenCClick() { ui_->StopPen->setEnabled(ui_->StopPenC->isChecked()); }

}  // namespace velmar
