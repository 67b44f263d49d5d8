// The contract list window.
#include "contracts/contract_list_window.h"

#include "app/app_context.h"
#include "app/interaction.h"
#include "contracts/contract_dialog.h"
#include "contracts/contract_operations.h"
#include "contracts/contract_texts.h"
#include "contracts/contract_window_texts.h"
#include "debt/calculation_sheet.h"
#include "export/shown_grid.h"
#include "store/clock.h"
#include "ui_contract_list_window.h"
#include "widgets/grid_view.h"
#include "widgets/problem_balloon.h"
#include "widgets/run_command.h"
#include "widgets/window_placement.h"

#include <QAbstractItemView>
#include <QEventLoop>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>
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

}  // namespace

ContractListWindow::ContractListWindow(AppContext& app, Interaction& ui, ContractDialog& dialog, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<::Ui::ContractListWindow>()),
      app_(app),
      interaction_(ui),
      dialog_(dialog),
      model_(new RowsModel<ContractRow>(contractListColumns(), this)),
      filtering_([this] { Filtru(); })
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    showInGrid(ui_->Grid, ui_->Band, model_);
    QHeaderView* header = ui_->Grid->horizontalHeader();
    header->setSectionsClickable(true);

    connect(header, &QHeaderView::sectionClicked, this, &ContractListWindow::sortBy);
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { ui_->TotalC->setText(QString::number(model_->rowCount())); });
    const auto refilter = [this] { filtering_.request(); };
    connect(ui_->Nume1F, &QComboBox::currentIndexChanged, this, refilter);
    connect(ui_->ROLF, &QComboBox::currentIndexChanged, this, refilter);
    connect(ui_->DoarActive, &QCheckBox::clicked, this, refilter);

    connect(ui_->AdaugaBut, &QPushButton::clicked, this, &ContractListWindow::addContract);
    connect(ui_->ModificaBut, &QPushButton::clicked, this, &ContractListWindow::modifyContract);
    connect(ui_->StergeBut, &QPushButton::clicked, this, &ContractListWindow::deleteContract);
    connect(ui_->FisaBut, &QPushButton::clicked, this, &ContractListWindow::calculationSheet);
    connect(ui_->DetaliiBut, &QPushButton::clicked, this, &ContractListWindow::details);
    connect(ui_->ExportBut, &QPushButton::clicked, this, [this] {
        runCommand(interaction_, windowTitle(),
                   [this] { exportGrid_(shownGrid(ui_->Grid, *model_, contractListHeading(), today())); });
    });
    connect(ui_->Grid, &QTableView::doubleClicked, this, [this] {
        if (showDetails_)
            details();
    });
    connect(ui_->InchideBut, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* waiting : {ui_->FisaBut, ui_->DetaliiBut, ui_->ExportBut})
        waiting->setEnabled(false);
}

ContractListWindow::~ContractListWindow() = default;

void ContractListWindow::setReportExporter(TemplateExporter& exporter)
{
    exporter_ = &exporter;
    ui_->FisaBut->setEnabled(true);
}

void ContractListWindow::setDetailsOpener(std::function<void(const ContractRow&)> show)
{
    showDetails_ = std::move(show);
    ui_->DetaliiBut->setEnabled(bool(showDetails_));
}

void ContractListWindow::setGridExport(std::function<void(const ShownTable&)> exportGrid)
{
    exportGrid_ = std::move(exportGrid);
    ui_->ExportBut->setEnabled(bool(exportGrid_));
}

void ContractListWindow::open()
{
    sortColumn_.clear();
    runCommand(interaction_, windowTitle(), [this] {
        model_->setRows(LoadContractList(app_.db()));
        RefillFilterLists();
    });
    if (model_->rowCount() > 0)
        makeCurrent(model_->row(model_->rowCount() - 1).idcon);
    centreOnFirstShow(this);
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

// Narrows the loaded rows to the search panel, keeping the current contract current when it stays shown.
void ContractListWindow::Filtru()
{
    const int row = currentRow();
    const qint64 current = row < 0 ? 0 : model_->row(row).idcon;
    model_->setFilter([filter = filter()](const ContractRow& r) { return filter.accepts(r); });
    makeCurrent(current);
}

void ContractListWindow::RefillFilterLists()
{
    const QStringList names = DistinctContractValues(app_.db(), SearchColumn::Nume);
    const QStringList rols = DistinctContractValues(app_.db(), SearchColumn::Rol);
    filtering_.ignoreDuring([&] {
        fillSearchList(ui_->Nume1F, names);
        fillSearchList(ui_->ROLF, rols);
    });
    filtering_.request();
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
    const int row = model_->rowWhere([idcon](const ContractRow& r) { return r.idcon == idcon; });
    makeRowCurrent(ui_->Grid, std::max(row, 0));
}

int ContractListWindow::currentRow() const { return model_->rowCount() == 0 ? -1 : ui_->Grid->currentIndex().row(); }

void ContractListWindow::sortBy(int column)
{
    const QString sortColumn = QString::fromLatin1(contractListColumns()[size_t(column)].sortKey);
    if (model_->rowCount() < 2 || sortColumn.isEmpty())
        return;
    sortColumn_ = sortColumn;
    const qint64 current = model_->row(std::max(currentRow(), 0)).idcon;
    runCommand(interaction_, windowTitle(), [&] { reload(current); });
}

bool ContractListWindow::executeDialog(EditedContract edited)
{
    centreOver(&dialog_, this);
    return dialog_.Execute(edited);
}

// A contract the store refuses after the dialog closed brings the dialog back with what the clerk typed.
void ContractListWindow::addContract()
{
    for (bool open = executeDialog(kNewContract); open; open = dialog_.ExecuteAgain()) {
        qint64 added = 0;
        if (runCommand(interaction_, window_texts::kAddCaption,
                       [&] { added = AddContract(app_, dialog_.input(), interaction_.counter()); })) {
            runCommand(interaction_, window_texts::kAddCaption, [&] { reloadRefilled(added); });
            return;
        }
    }
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
    for (bool open = executeDialog(idcon); open; open = dialog_.ExecuteAgain()) {
        bool modified = false;
        if (runCommand(interaction_, texts::kModifyCaption, [&] {
                modified = ModifyContract(app_, idcon, dialog_.input(), interaction_, interaction_.counter());
            })) {
            if (modified)
                runCommand(interaction_, texts::kModifyCaption, [&] { reloadRefilled(idcon); });
            return;
        }
    }
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
    runCommand(interaction_, texts::kDeleteCaption, [&] {
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
    runCommand(interaction_, windowTitle(),
               [&] { ShowCalculationSheet(app_, interaction_.counter(), *exporter_, contract.idcon); });
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
    runCommand(interaction_, window_texts::kDetailsCaption, [&] { showDetails_(contract); });
    show();
    runCommand(interaction_, window_texts::kDetailsCaption, [&] { reload(contract.idcon); });
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

}  // namespace velmar
