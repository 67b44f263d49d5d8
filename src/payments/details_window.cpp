// The details window.
#include "payments/details_window.h"

#include "app/app_context.h"
#include "app/interaction.h"
#include "app/rate_tables.h"
#include "payments/payment_dialog.h"
#include "payments/payment_texts.h"
#include "payments/payment_window_texts.h"
#include "store/clock.h"
#include "store/dates.h"
#include "ui_details_window.h"
#include "widgets/grid_view.h"
#include "widgets/problem_balloon.h"
#include "widgets/run_command.h"
#include "widgets/window_placement.h"

#include <utility>

namespace velmar {

namespace {

namespace texts = payment_texts;
namespace window_texts = payment_window_texts;

const RowsModel<InstallmentStatus>::Columns& installmentColumns()
{
    namespace t = window_texts;
    using R = const InstallmentStatus&;
    constexpr Emphasis bold = Emphasis::Bold;
    static const RowsModel<InstallmentStatus>::Columns list{
        {{}, t::kNrRataTitle, 3, kNumberAlignment, [](R r) { return numberText(r.nrrata); }},
        {{}, t::kDataRataTitle, 10, kCentredAlignment, [](R r) { return dayText(r.datarata); }},
        {{}, t::kDataPenTitle, 10, kCentredAlignment, [](R r) { return dayText(r.datapen); }},
        {{}, t::kRataIniTitle, 8, kNumberAlignment, [](R r) { return numberText(r.rataini); }},
        {{}, t::kRataCalcTitle, 8, kNumberAlignment, [](R r) { return numberText(r.ratacalc); }},
        {{}, t::kAchitatTitle, 8, kNumberAlignment, [](R r) { return numberText(r.achitat); }},
        {{}, t::kRestantaTitle, 8, kNumberAlignment, [](R r) { return numberText(r.restanta); }, bold},
        {t::kPenaltyBand, t::kPenalRestTitle, 8, kNumberAlignment, [](R r) { return numberText(r.penalrest); }},
        {t::kPenaltyBand, t::kPenalCurTitle, 8, kNumberAlignment, [](R r) { return numberText(r.penalcur); }},
        {t::kPenaltyBand, t::kPenalTotTitle, 8, kNumberAlignment, [](R r) { return numberText(r.penaltot); }, bold},
        {{}, t::kDeAchitatTitle, 8, kNumberAlignment, [](R r) { return numberText(r.deachitat); }, bold},
    };
    return list;
}

const RowsModel<PaymentLine>::Columns& paymentColumns()
{
    namespace t = window_texts;
    using R = const PaymentLine&;
    static const RowsModel<PaymentLine>::Columns list{
        {t::kDocumentBand, t::kDocJusTitle, 14, kTextAlignment, [](R r) { return r.docjus; }},
        {t::kDocumentBand, t::kNrChitTitle, 8, kNumberAlignment, [](R r) { return numberText(r.nrchit); }},
        {t::kDocumentBand, t::kDataChitTitle, 10, kCentredAlignment, [](R r) { return dayText(r.datachit); }},
        {{}, t::kSumaTitle, 8, kNumberAlignment, [](R r) { return numberText(r.suma); }},
        {{}, t::kPenalTitle, 8, kNumberAlignment, [](R r) { return numberText(r.penal); }},
        {{}, t::kTotalTitle, 8, kNumberAlignment, [](R r) { return numberText(r.total()); }, Emphasis::Bold},
    };
    return list;
}

}  // namespace

DetailsWindow::DetailsWindow(AppContext& app, Interaction& ui, PaymentDialog& dialog, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<::Ui::DetailsWindow>()),
      app_(app),
      interaction_(ui),
      dialog_(dialog),
      installments_(new RowsModel<InstallmentStatus>(installmentColumns(), this)),
      payments_(new RowsModel<PaymentLine>(paymentColumns(), this)),
      dateRefresh_([this] { DataCalcChange(); })
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    showInGrid(ui_->RateGrid, ui_->RateBand, installments_);
    showInGrid(ui_->ChitGrid, ui_->ChitBand, payments_);

    ui_->DataCalc->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    ui_->DataCalc->setCalendarPopup(true);
    ui_->DataCalc->setDate(today());
    connect(ui_->DataCalc, &QDateEdit::dateChanged, this, [this] { dateRefresh_.request(); });

    connect(ui_->AdaugaBut, &QPushButton::clicked, this, &DetailsWindow::addPayment);
    connect(ui_->StergeBut, &QPushButton::clicked, this, &DetailsWindow::undoPayment);
    connect(ui_->ChitantaBut, &QPushButton::clicked, this, &DetailsWindow::printReceipt);
    connect(ui_->InchideBut, &QPushButton::clicked, this, &QDialog::reject);
    ui_->ChitantaBut->setEnabled(false);
}

DetailsWindow::~DetailsWindow() = default;

void DetailsWindow::setReceiptPrinter(ReceiptPrinter print)
{
    printReceipt_ = std::move(print);
    ui_->ChitantaBut->setEnabled(bool(printReceipt_));
}

void DetailsWindow::ShowContractDetails(const ContractRow& contract)
{
    contract_ = contract;
    ui_->NRCON->setText(numberText(contract.nrcon));
    ui_->DataCon->setText(dayText(contract.datacon));
    ui_->NrRate->setText(numberText(contract.nrrate));
    ui_->Nume->setText(contract.nume);
    ui_->CNP->setText(contract.cnp);
    ui_->ROL->setText(contract.rol);
    ui_->Adresa->setText(contract.adresa);
    ui_->Loc->setText(contract.loc);
    ui_->Jud->setText(contract.jud);
    ui_->Obs->setPlainText(contract.obs.trimmed().isEmpty() ? QString() : contract.obs);
    ui_->StopPenL->setText(contract.stopPen == kNoStopDay ? window_texts::kNeverStopped : dayText(contract.stopPen));

    runCommand(interaction_, windowTitle(), [this] {
        app_.rates().LoadPenaltyRates(app_.db());  // rate changes made since the last opening count
        loadInstallments();
        makeRowCurrent(ui_->RateGrid, 0);
        loadPayments(std::nullopt);
    });
    dateRefresh_.reset();
    centreOnFirstShow(this);
    ui_->RateGrid->setFocus();
    exec();
    installments_->setRows({});
    payments_->setRows({});
    contract_.reset();
}

qint64 DetailsWindow::calcDay() const { return dayNumber(ui_->DataCalc->date()); }

// The installments imposed by the calculation date and the totals under the lists.
void DetailsWindow::loadInstallments()
{
    if (!contract_)
        return;
    ContractStatus status =
        LoadContractStatus(app_.db(), app_.rates(), contract_->idcon, contract_->stopPen, calcDay());
    installments_->setRows(std::move(status.installments));
    ui_->TotalRestantaL->setText(numberText(status.totals.restanta));
    ui_->TotalPenalitatiL->setText(numberText(status.totals.penalitati));
    ui_->TotalDePlataL->setText(numberText(status.totals.dePlata()));
}

// The payment list, with the line of `current` current, or the last line.
void DetailsWindow::loadPayments(std::optional<qint64> current)
{
    if (!contract_)
        return;
    payments_->setRows(LoadPaymentList(app_.db(), contract_->idcon));
    const int found = payments_->rowWhere([&](const PaymentLine& l) { return current && l.idchit == *current; });
    makeRowCurrent(ui_->ChitGrid, found >= 0 ? found : payments_->rowCount() - 1);
}

std::optional<qint64> DetailsWindow::selectedPayment() const
{
    const QModelIndex current = ui_->ChitGrid->currentIndex();
    if (payments_->rowCount() == 0 || !current.isValid())
        return std::nullopt;
    return payments_->row(current.row()).idchit;
}

// The installments again as of the picker's date; the grid is frozen meanwhile so that it does not flicker.
void DetailsWindow::DataCalcChange()
{
    runCommand(interaction_, windowTitle(), [this] {
        ui_->RateGrid->setUpdatesEnabled(false);
        loadInstallments();
        ui_->RateGrid->setUpdatesEnabled(true);
        makeRowCurrent(ui_->RateGrid, installments_->rowCount() - 1);
    });
}

// A refusal that names no control of this window (the dialog has closed by then) comes as a message.
void DetailsWindow::showProblem(const PaymentProblem& problem, const QString& caption)
{
    if (problem.field == PaymentProblem::Field::UndoButton) {
        ShowProblem(problem.text, ui_->StergeBut);
        return;
    }
    const QString& heading = problem.caption.isEmpty() ? caption : problem.caption;
    interaction_.Mesaj(heading, problem.text, MessageButton::Ok, MessageKind::Error);
}

// The payment date is the calculation date; the most it may collect counts the installments not yet imposed
// too, while the window goes on showing the totals at the calculation date.
void DetailsWindow::addPayment()
{
    if (!contract_)
        return;
    const QString& caption = texts::kPaymentCaption;
    runCommand(interaction_, caption, [&] {
        const qint64 maximum =
            MaximumCollectable(app_.db(), app_.rates(), contract_->idcon, contract_->stopPen, calcDay());
        if (const auto problem = CheckCollectable(maximum)) {
            showProblem(*problem, caption);
            return;
        }
        centreOver(&dialog_, this);
        if (!dialog_.Execute(ui_->DataCalc->date(), maximum))
            return;
        const PaymentOutcome outcome = RecordPayment(app_, contract_->idcon, dialog_.input());
        if (outcome.problem) {
            showProblem(*outcome.problem, caption);
            return;
        }
        loadPayments(outcome.idchit);
        if (printReceipt_)
            printReceipt_(outcome.idchit);
    });
    // However the command ended, the installments show the calculation date again.
    runCommand(interaction_, caption, [this] {
        loadInstallments();
        makeRowCurrent(ui_->RateGrid, installments_->rowCount() - 1);
    });
}

void DetailsWindow::undoPayment()
{
    if (!contract_)
        return;
    const QString& caption = texts::kUndoCaption;
    const std::optional<qint64> selected = selectedPayment();
    runCommand(interaction_, caption, [&] {
        if (const auto problem = CheckUndo(app_.db(), contract_->idcon, selected)) {
            showProblem(*problem, caption);
            return;
        }
        const PaymentLine& line = payments_->row(ui_->ChitGrid->currentIndex().row());
        if (interaction_.Mesaj(caption, texts::undoQuestion(line.docjus, numberText(line.nrchit)),
                               MessageButton::Yes | MessageButton::No, MessageKind::Confirmation) != MessageResult::Yes)
            return;
        if (const auto problem = UndoPayment(app_, contract_->idcon, selected, interaction_.counter())) {
            showProblem(*problem, caption);
            return;
        }
        loadPayments(std::nullopt);
        loadInstallments();
        makeRowCurrent(ui_->RateGrid, installments_->rowCount() - 1);
    });
}

void DetailsWindow::printReceipt()
{
    const std::optional<qint64> selected = selectedPayment();
    if (!selected) {
        ShowProblem(window_texts::kNothingToPrint, ui_->ChitantaBut);
        return;
    }
    runCommand(interaction_, windowTitle(), [&] { printReceipt_(*selected); });
}

}  // namespace velmar
