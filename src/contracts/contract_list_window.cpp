// The contract list window.
#include "contracts/contract_list_window.h"

#include "contracts/contract_dialog.h"
#include "contracts/contract_list_model.h"
#include "contracts/contract_operations.h"
#include "contracts/contract_texts.h"
#include "contracts/contract_window_texts.h"
#include "app/app_context.h"
#include "widgets/grid_band_row.h"
#include "app/interaction.h"
#include "widgets/problem_balloon.h"
#include "ui_contract_list_window.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <exception>
#include <utility>

namespace velmar {

namespace {

namespace texts = contract_texts;
namespace window_texts = contract_window_texts;

bool isEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

void fillSearchList(QComboBox* list, const QStringList& values)
{
    list->clear();
    list->addItem(window_texts::kAnyValue);
    list->addItems(values);
    list->setCurrentIndex(0);
    // The box is as narrow as the side panel; opened, it shows the longest name whole.
    const QFontMetrics metrics(list->view()->font());
    int widest = 0;
    for (const QString& value : values)
        widest = std::max(widest, metrics.horizontalAdvance(value));
    list->view()->setMinimumWidth(widest + 2 * metrics.averageCharWidth() +
                                  list->view()->verticalScrollBar()->sizeHint().width());
}

// A row of titles above a grid's header, each over a run of adjacent columns, following the columns as they
// are resized or scrolled and the grid as it is resized.
}  // namespace

ContractListWindow::ContractListWindow(AppContext& app, Interaction& ui, ContractDialog& dialog, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<::Ui::ContractListWindow>()),
      app_(app),
      interaction_(ui),
      dialog_(dialog),
      model_(new ContractListModel(this))
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    ui_->Grid->setModel(model_);
    ui_->Grid->verticalHeader()->hide();
    QHeaderView* header = ui_->Grid->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    sizeColumns();

    new GridBandRow(ui_->Band, ui_->Grid, ContractListModel::bands());

    connect(header, &QHeaderView::sectionClicked, this, &ContractListWindow::sortBy);
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { ui_->TotalC->setText(QString::number(model_->rowCount())); });
    connect(ui_->Nume1F, &QComboBox::currentIndexChanged, this, &ContractListWindow::Filtru);
    connect(ui_->ROLF, &QComboBox::currentIndexChanged, this, &ContractListWindow::Filtru);
    connect(ui_->DoarActive, &QCheckBox::clicked, this, &ContractListWindow::Filtru);

    connect(ui_->AdaugaBut, &QPushButton::clicked, this, &ContractListWindow::addContract);
    connect(ui_->ModificaBut, &QPushButton::clicked, this, &ContractListWindow::modifyContract);
    connect(ui_->StergeBut, &QPushButton::clicked, this, &ContractListWindow::deleteContract);
    connect(ui_->FisaBut, &QPushButton::clicked, this, &ContractListWindow::calculationSheet);
    connect(ui_->DetaliiBut, &QPushButton::clicked, this, &ContractListWindow::details);
    connect(ui_->ExportBut, &QPushButton::clicked, this,
            [this] { command(windowTitle(), [this] { exportGrid_(*model_); }); });
    connect(ui_->Grid, &QTableView::doubleClicked, this, [this] {
        if (showDetails_)
            details();
    });
    connect(ui_->InchideBut, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* waiting : {ui_->FisaBut, ui_->DetaliiBut, ui_->ExportBut})
        waiting->setEnabled(false);
}

ContractListWindow::~ContractListWindow() = default;

void ContractListWindow::setCalculationSheet(std::function<void(const ContractRow&)> show)
{
    showCalculationSheet_ = std::move(show);
    ui_->FisaBut->setEnabled(bool(showCalculationSheet_));
}

void ContractListWindow::setDetailsOpener(std::function<void(const ContractRow&)> show)
{
    showDetails_ = std::move(show);
    ui_->DetaliiBut->setEnabled(bool(showDetails_));
}

void ContractListWindow::setGridExport(std::function<void(const ContractListModel&)> exportGrid)
{
    exportGrid_ = std::move(exportGrid);
    ui_->ExportBut->setEnabled(bool(exportGrid_));
}

void ContractListWindow::open()
{
    sortColumn_.clear();
    command(windowTitle(), [this] {
        model_->setRows(LoadContractList(app_.db()));
        RefillFilterLists();
    });
    if (model_->rowCount() > 0)
        makeCurrent(model_->row(model_->rowCount() - 1).idcon);
    if (!testAttribute(Qt::WA_Moved)) {  // first opening: centred on the screen, at most as large
        const QRect area = screen()->availableGeometry();
        resize(size().boundedTo(area.size()));
        move(area.center() - rect().center());
    }
    // Not exec(): the details command hides the window for a while, which would end exec()'s loop.
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    loop.exec();
    model_->setRows({});
}

ContractFilter ContractListWindow::filter() const
{
    const auto chosen = [](const QComboBox* list) {
        return list->currentIndex() > 0 ? list->currentText() : QString();  // the first item is any value
    };
    return {chosen(ui_->Nume1F), chosen(ui_->ROLF), ui_->DoarActive->isChecked()};
}

// Lets the screen follow while the rows are narrowed. A change of the search panel that arrives meanwhile
// only counts; the pass under way then runs once more, so the last change is always applied.
void ContractListWindow::Filtru()
{
    if (filterRuns_++ > 0)
        return;
    for (;;) {
        const int row = currentRow();
        const qint64 current = row < 0 ? 0 : model_->row(row).idcon;
        model_->setFilter(filter());
        makeCurrent(current);
        QCoreApplication::processEvents();
        if (std::exchange(filterRuns_, 0) <= 1)
            return;
        filterRuns_ = 1;
    }
}

void ContractListWindow::RefillFilterLists()
{
    const QStringList names = DistinctContractValues(app_.db(), SearchColumn::Nume);
    const QStringList rols = DistinctContractValues(app_.db(), SearchColumn::Rol);
    filterRuns_ = 1;  // the lists' own changes must not filter
    fillSearchList(ui_->Nume1F, names);
    fillSearchList(ui_->ROLF, rols);
    filterRuns_ = 0;
    Filtru();
}

// The list again in the same order and with the same filter. Nothing is painted between the reset and the
// new current row, so the grid needs no freezing.
void ContractListWindow::reload(qint64 currentIdcon)
{
    model_->setRows(LoadContractList(app_.db(), sortColumn_));
    makeCurrent(currentIdcon);
}

// After a change of the register: its names and ROLs may have changed, so the search starts over.
void ContractListWindow::reloadRefilled(qint64 currentIdcon)
{
    model_->setRows(LoadContractList(app_.db(), sortColumn_));
    RefillFilterLists();
    makeCurrent(currentIdcon);
}

// The contract's row, or the first row when it is not displayed.
void ContractListWindow::makeCurrent(qint64 idcon)
{
    if (model_->rowCount() == 0)
        return;
    const QModelIndex index = model_->index(std::max(model_->rowOf(idcon), 0), 0);
    ui_->Grid->setCurrentIndex(index);
    ui_->Grid->scrollTo(index);
}

int ContractListWindow::currentRow() const { return model_->rowCount() == 0 ? -1 : ui_->Grid->currentIndex().row(); }

void ContractListWindow::sortBy(int column)
{
    const QString sortColumn = ContractListModel::sortColumn(column);
    if (model_->rowCount() < 2 || sortColumn.isEmpty())
        return;
    sortColumn_ = sortColumn;
    const qint64 current = model_->row(std::max(currentRow(), 0)).idcon;
    command(windowTitle(), [&] { reload(current); });
}

void ContractListWindow::command(const QString& caption, const std::function<void()>& run)
{
    try {
        run();
    } catch (const std::exception& e) {
        interaction_.Mesaj(caption, QString::fromStdString(e.what()), MessageButton::Ok, MessageKind::Error);
    }
}

// The dialog opens over the list, wherever the list has been moved.
bool ContractListWindow::executeDialog(EditedContract edited)
{
    dialog_.move(geometry().center() - dialog_.rect().center());
    return dialog_.Execute(edited);
}

void ContractListWindow::addContract()
{
    if (!executeDialog(kNewContract))
        return;
    command(window_texts::kAddCaption,
            [this] { reloadRefilled(AddContract(app_, dialog_.input(), interaction_.counter())); });
}

void ContractListWindow::modifyContract()
{
    if (model_->rowCount() == 0) {
        ShowProblem(texts::kNothingToModify, ui_->ModificaBut);
        return;
    }
    const ContractRow& current = model_->row(std::max(currentRow(), 0));
    const qint64 idcon = current.idcon;
    dialog_.fill(ContractInputOf(current));
    if (!executeDialog(idcon))
        return;
    command(texts::kModifyCaption, [&] {
        if (ModifyContract(app_, idcon, dialog_.input(), interaction_, interaction_.counter()))
            reloadRefilled(idcon);
    });
}

void ContractListWindow::deleteContract()
{
    const int count = model_->rowCount();
    if (count == 0) {
        ShowProblem(texts::kNothingToDelete, ui_->TotalC);
        return;
    }
    if (interaction_.Mesaj(texts::kDeleteCaption, texts::kDeleteQuestion, MessageButton::Yes | MessageButton::No,
                           MessageKind::Confirmation) != MessageResult::Yes)
        return;
    const int row = std::max(currentRow(), 0);
    const qint64 idcon = model_->row(row).idcon;
    // The row after it becomes current, or the one before when it was the last; none left: the first.
    const qint64 next = count == 1 ? 0 : model_->row(row + 1 < count ? row + 1 : row - 1).idcon;
    command(texts::kDeleteCaption, [&] {
        DeleteContract(app_, idcon);
        reloadRefilled(next);
    });
}

void ContractListWindow::calculationSheet()
{
    if (model_->rowCount() == 0) {
        ShowProblem(window_texts::kChooseContractFirst, ui_->FisaBut);
        return;
    }
    const ContractRow contract = model_->row(std::max(currentRow(), 0));
    command(windowTitle(), [&] { showCalculationSheet_(contract); });
}

// The details window takes the screen while it is open; payments change what remains to be paid, so the
// list is loaded again when it closes.
void ContractListWindow::details()
{
    if (model_->rowCount() == 0) {
        interaction_.Mesaj(window_texts::kDetailsCaption, window_texts::kNoContractChosen, MessageButton::Ok,
                           MessageKind::Error);
        return;
    }
    const ContractRow contract = model_->row(std::max(currentRow(), 0));
    hide();
    command(window_texts::kDetailsCaption, [&] { showDetails_(contract); });
    show();
    command(window_texts::kDetailsCaption, [&] { reload(contract.idcon); });
}

// Enter on the grid opens the details; elsewhere it never presses a default button. Buttons take it themselves.
void ContractListWindow::keyPressEvent(QKeyEvent* event)
{
    if (!isEnter(event)) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (focusWidget() == ui_->Grid && showDetails_)
        details();
}

// Columns start wide enough for their usual values and for their titles.
void ContractListWindow::sizeColumns()
{
    QHeaderView* header = ui_->Grid->horizontalHeader();
    const QFontMetrics values(ui_->Grid->font());
    const QFontMetrics titles(header->font());
    const int character = values.horizontalAdvance(QLatin1Char('0'));  // as wide as a capital, on average
    constexpr int kPadding = 16;
    for (int c = 0; c < model_->columnCount(); ++c) {
        const int title = titles.horizontalAdvance(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        header->resizeSection(c, std::max(character * ContractListModel::widthChars(c), title) + kPadding);
    }
    ui_->Grid->verticalHeader()->setDefaultSectionSize(values.height() + 8);
}

}  // namespace velmar
