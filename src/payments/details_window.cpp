// The details window.
#include "payments/details_window.h"

#include "app/rate_tables.h"
#include "payments/installment_status.h"
#include "payments/payment_dialog.h"
#include "payments/payment_list.h"
#include "payments/payment_texts.h"
#include "payments/payment_window_texts.h"
#include "app/app_context.h"
#include "widgets/grid_band_row.h"
#include "app/interaction.h"
#include "widgets/problem_balloon.h"
#include "store/clock.h"
#include "store/dates.h"
#include "ui_details_window.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QFont>
#include <QHeaderView>
#include <QScreen>
#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

namespace velmar {

namespace {

namespace texts = payment_texts;
namespace window_texts = payment_window_texts;

constexpr Qt::Alignment kNumber = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kText = Qt::AlignLeft | Qt::AlignVCenter;

QString number(qint64 value) { return QString::number(value); }
QString day(qint64 dayNumber) { return DayToText(double(dayNumber)); }

template <class Row>
struct Column {
    QString band;  // empty: under no band
    QString title;
    int widthChars;  // what the values usually need, for the starting width
    Qt::Alignment alignment;
    QString (*text)(const Row&);
    bool bold = false;  // what the clerk reads first
};

using InstallmentColumn = Column<InstallmentStatus>;
using PaymentColumn = Column<PaymentLine>;

const std::vector<InstallmentColumn>& installmentColumns()
{
    namespace t = window_texts;
    using R = const InstallmentStatus&;
    static const std::vector<InstallmentColumn> list{
        {{}, t::kNrRataTitle, 3, kNumber, [](R r) { return number(r.nrrata); }},
        {{}, t::kDataRataTitle, 10, kCentred, [](R r) { return day(r.datarata); }},
        {{}, t::kDataPenTitle, 10, kCentred, [](R r) { return day(r.datapen); }},
        {{}, t::kRataIniTitle, 8, kNumber, [](R r) { return number(r.rataini); }},
        {{}, t::kRataCalcTitle, 8, kNumber, [](R r) { return number(r.ratacalc); }},
        {{}, t::kAchitatTitle, 8, kNumber, [](R r) { return number(r.achitat); }},
        {{}, t::kRestantaTitle, 8, kNumber, [](R r) { return number(r.restanta); }, true},
        {t::kPenaltyBand, t::kPenalRestTitle, 8, kNumber, [](R r) { return number(r.penalrest); }},
        {t::kPenaltyBand, t::kPenalCurTitle, 8, kNumber, [](R r) { return number(r.penalcur); }},
        {t::kPenaltyBand, t::kPenalTotTitle, 8, kNumber, [](R r) { return number(r.penaltot); }, true},
        {{}, t::kDeAchitatTitle, 8, kNumber, [](R r) { return number(r.deachitat); }, true},
    };
    return list;
}

const std::vector<PaymentColumn>& paymentColumns()
{
    namespace t = window_texts;
    using R = const PaymentLine&;
    static const std::vector<PaymentColumn> list{
        {t::kDocumentBand, t::kDocJusTitle, 14, kText, [](R r) { return r.docjus; }},
        {t::kDocumentBand, t::kNrChitTitle, 8, kNumber, [](R r) { return number(r.nrchit); }},
        {t::kDocumentBand, t::kDataChitTitle, 10, kCentred, [](R r) { return day(r.datachit); }},
        {{}, t::kSumaTitle, 8, kNumber, [](R r) { return number(r.suma); }},
        {{}, t::kPenalTitle, 8, kNumber, [](R r) { return number(r.penal); }},
        {{}, t::kTotalTitle, 8, kNumber, [](R r) { return number(r.total()); }, true},
    };
    return list;
}

// The runs of adjacent columns that share a band title.
template <class Row>
std::vector<GridBand> bandsOf(const std::vector<Column<Row>>& columns)
{
    std::vector<QString> bandOfColumn;
    for (const Column<Row>& column : columns)
        bandOfColumn.push_back(column.band);
    return bandRuns(bandOfColumn);
}

// A read-only grid over rows the core loaded, one column per entry of `columns`.
template <class Row>
class RowsModel : public QAbstractTableModel {
public:
    RowsModel(const std::vector<Column<Row>>& columns, QObject* parent)
        : QAbstractTableModel(parent), columns_(columns)
    {
    }

    void setRows(std::vector<Row> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    const Row& row(int r) const { return rows_[size_t(r)]; }
    const std::vector<Row>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(rows_.size()); }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(columns_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const Column<Row>& column = columns_[size_t(index.column())];
        switch (role) {
        case Qt::DisplayRole: return column.text(row(index.row()));
        case Qt::TextAlignmentRole: return int(column.alignment);
        case Qt::FontRole:
            if (column.bold) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default: return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return columns_[size_t(section)].title;
    }

private:
    const std::vector<Column<Row>>& columns_;
    std::vector<Row> rows_;
};

// Whole-row selection, read-only, columns wide enough for their usual values and their titles, and the
// band titles over their runs.
template <class Row>
void setUpGrid(QTableView* grid, QWidget* bandRow, RowsModel<Row>* model, const std::vector<Column<Row>>& columns)
{
    grid->setModel(model);
    grid->verticalHeader()->hide();
    QHeaderView* header = grid->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    const QFontMetrics values(grid->font());
    const QFontMetrics titles(header->font());
    const int character = values.horizontalAdvance(QLatin1Char('0'));
    constexpr int kPadding = 16;
    for (int c = 0; c < int(columns.size()); ++c) {
        const Column<Row>& column = columns[size_t(c)];
        header->resizeSection(c, std::max(character * column.widthChars, titles.horizontalAdvance(column.title)) +
                                     kPadding);
    }
    grid->verticalHeader()->setDefaultSectionSize(values.height() + 8);
    new GridBandRow(bandRow, grid, bandsOf(columns));
}

void makeCurrent(QTableView* grid, int row)
{
    if (row < 0 || row >= grid->model()->rowCount())
        return;
    const QModelIndex index = grid->model()->index(row, 0);
    grid->setCurrentIndex(index);
    grid->scrollTo(index);
}

}  // namespace

struct DetailsWindow::Models {
    RowsModel<InstallmentStatus>* installments;
    RowsModel<PaymentLine>* payments;
};

DetailsWindow::DetailsWindow(AppContext& app, Interaction& ui, PaymentDialog& dialog, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<::Ui::DetailsWindow>()),
      models_(std::make_unique<Models>()),
      app_(app),
      interaction_(ui),
      dialog_(dialog)
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    models_->installments = new RowsModel<InstallmentStatus>(installmentColumns(), this);
    models_->payments = new RowsModel<PaymentLine>(paymentColumns(), this);
    setUpGrid(ui_->RateGrid, ui_->RateBand, models_->installments, installmentColumns());
    setUpGrid(ui_->ChitGrid, ui_->ChitBand, models_->payments, paymentColumns());

    ui_->DataCalc->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    ui_->DataCalc->setCalendarPopup(true);
    ui_->DataCalc->setDate(today());
    connect(ui_->DataCalc, &QDateEdit::dateChanged, this, &DetailsWindow::DataCalcChange);

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
    ui_->NRCON->setText(number(contract.nrcon));
    ui_->DataCon->setText(day(contract.datacon));
    ui_->NrRate->setText(number(contract.nrrate));
    ui_->Nume->setText(contract.nume);
    ui_->CNP->setText(contract.cnp);
    ui_->ROL->setText(contract.rol);
    ui_->Adresa->setText(contract.adresa);
    ui_->Loc->setText(contract.loc);
    ui_->Jud->setText(contract.jud);
    ui_->Obs->setPlainText(contract.obs.trimmed().isEmpty() ? QString() : contract.obs);
    ui_->StopPenL->setText(contract.stopPen == kNoStopDay ? window_texts::kNeverStopped : day(contract.stopPen));

    command(windowTitle(), [this] {
        app_.rates().LoadPenaltyRates(app_.db());  // rate changes made since the last opening count
        loadInstallments();
        makeCurrent(ui_->RateGrid, 0);
        loadPayments(std::nullopt);
    });
    dateChanges_ = 0;
    if (!testAttribute(Qt::WA_Moved)) {  // first opening: centred on the screen, at most as large
        const QRect area = screen()->availableGeometry();
        resize(size().boundedTo(area.size()));
        move(area.center() - rect().center());
    }
    ui_->RateGrid->setFocus();
    exec();
    models_->installments->setRows({});
    models_->payments->setRows({});
    contract_.reset();
}

qint64 DetailsWindow::calcDay() const { return dayNumber(ui_->DataCalc->date()); }

// The installments imposed by the calculation date and the totals under the lists.
void DetailsWindow::loadInstallments()
{
    if (!contract_)
        return;
    ContractStatus status = LoadContractStatus(app_.db(), app_.rates(), contract_->idcon, contract_->stopPen, calcDay());
    models_->installments->setRows(std::move(status.installments));
    ui_->TotalRestantaL->setText(number(status.totals.restanta));
    ui_->TotalPenalitatiL->setText(number(status.totals.penalitati));
    ui_->TotalDePlataL->setText(number(status.totals.dePlata()));
}

// The payment list, with the line of `current` current, or the last line.
void DetailsWindow::loadPayments(std::optional<qint64> current)
{
    if (!contract_)
        return;
    models_->payments->setRows(LoadPaymentList(app_.db(), contract_->idcon));
    const std::vector<PaymentLine>& lines = models_->payments->rows();
    const auto found = std::find_if(lines.begin(), lines.end(),
                                    [&](const PaymentLine& line) { return current && line.idchit == *current; });
    makeCurrent(ui_->ChitGrid, found != lines.end() ? int(found - lines.begin()) : int(lines.size()) - 1);
}

std::optional<qint64> DetailsWindow::selectedPayment() const
{
    const QModelIndex current = ui_->ChitGrid->currentIndex();
    if (models_->payments->rowCount() == 0 || !current.isValid())
        return std::nullopt;
    return models_->payments->row(current.row()).idchit;
}

// Lets the screen follow while the installments are loaded again. A date change that arrives meanwhile only
// counts; the pass under way then runs once more with the picker's date, so the last date always wins.
void DetailsWindow::DataCalcChange()
{
    if (dateChanges_++ > 0)
        return;
    for (;;) {
        command(windowTitle(), [this] {
            ui_->RateGrid->setUpdatesEnabled(false);
            loadInstallments();
            ui_->RateGrid->setUpdatesEnabled(true);
            makeCurrent(ui_->RateGrid, models_->installments->rowCount() - 1);
        });
        QCoreApplication::processEvents();
        if (std::exchange(dateChanges_, 0) <= 1)
            return;
        dateChanges_ = 1;
    }
}

void DetailsWindow::command(const QString& caption, const std::function<void()>& run)
{
    try {
        run();
    } catch (const std::exception& e) {
        interaction_.Mesaj(caption, QString::fromStdString(e.what()), MessageButton::Ok, MessageKind::Error);
    }
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
    command(caption, [&] {
        const qint64 maximum =
            MaximumCollectable(app_.db(), app_.rates(), contract_->idcon, contract_->stopPen, calcDay());
        if (const auto problem = CheckCollectable(maximum)) {
            showProblem(*problem, caption);
            return;
        }
        dialog_.move(geometry().center() - dialog_.rect().center());
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
    command(caption, [this] {
        loadInstallments();
        makeCurrent(ui_->RateGrid, models_->installments->rowCount() - 1);
    });
}

void DetailsWindow::undoPayment()
{
    if (!contract_)
        return;
    const QString& caption = texts::kUndoCaption;
    const std::optional<qint64> selected = selectedPayment();
    command(caption, [&] {
        if (const auto problem = CheckUndo(app_.db(), contract_->idcon, selected)) {
            showProblem(*problem, caption);
            return;
        }
        const PaymentLine& line = models_->payments->row(ui_->ChitGrid->currentIndex().row());
        if (interaction_.Mesaj(caption, texts::undoQuestion(line.docjus, number(line.nrchit)),
                               MessageButton::Yes | MessageButton::No, MessageKind::Confirmation) != MessageResult::Yes)
            return;
        if (const auto problem = UndoPayment(app_, contract_->idcon, selected, interaction_.counter())) {
            showProblem(*problem, caption);
            return;
        }
        loadPayments(std::nullopt);
        loadInstallments();
        makeCurrent(ui_->RateGrid, models_->installments->rowCount() - 1);
    });
}

void DetailsWindow::printReceipt()
{
    const std::optional<qint64> selected = selectedPayment();
    if (!selected) {
        ShowProblem(window_texts::kNothingToPrint, ui_->ChitantaBut);
        return;
    }
    command(windowTitle(), [&] { printReceipt_(*selected); });
}

}  // namespace velmar
