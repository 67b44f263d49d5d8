// The administration window.
#include "admin/administration_window.h"

#include "admin/admin_texts.h"
#include "admin/backup_folder.h"
#include "admin/backup_folder_choice.h"
#include "admin/password_change.h"
#include "admin/server_folder.h"
#include "app/app_context.h"
#include "app/interaction.h"
#include "debt/debt_texts.h"
#include "debt/inflation_rate_dialog.h"
#include "debt/penalty_rate_dialog.h"
#include "debt/rate_edits.h"
#include "store/counties.h"
#include "store/rounding.h"
#include "store/settings.h"
#include "ui_administration_window.h"
#include "widgets/problem_balloon.h"
#include "widgets/run_command.h"
#include "widgets/window_placement.h"

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QStyle>

namespace velmar {

namespace {

using namespace admin_texts;

const QString kCaption = QStringLiteral("Administrare program");

QString rateText(double value) { return formatNumber(value); }

const RowsModel<PenaltyRateRow>::Columns& penaltyColumns()
{
    static const RowsModel<PenaltyRateRow>::Columns columns{
        {{},
         QStringLiteral("Data stabilirii"),
         10,
         kCentredAlignment,
         [](const PenaltyRateRow& r) { return dayText(r.datastab); }},
        {{}, QStringLiteral("% pe zi"), 6, kNumberAlignment, [](const PenaltyRateRow& r) { return rateText(r.pezi); }},
        {{},
         QStringLiteral("% pe luna"),
         6,
         kNumberAlignment,
         [](const PenaltyRateRow& r) { return rateText(r.peluna); }},
    };
    return columns;
}

const RowsModel<InflationRateRow>::Columns& inflationColumns()
{
    static const RowsModel<InflationRateRow>::Columns columns{
        {{},
         QStringLiteral("Data stabilirii"),
         10,
         kCentredAlignment,
         [](const InflationRateRow& r) { return dayText(r.datastab); }},
        {{},
         QStringLiteral("Valoare Rata"),
         7,
         kNumberAlignment,
         [](const InflationRateRow& r) { return rateText(r.valoare); }},
    };
    return columns;
}

std::optional<QString> systemFolderPicker(QWidget* owner, const QString& title)
{
    const QString folder = QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
    return folder.isEmpty() ? std::nullopt : std::optional<QString>(folder);
}

}  // namespace

AdministrationWindow::AdministrationWindow(AppContext& app, Interaction& ui, DocumentOpener& opener, QWidget* parent)
    : FieldsDialog(parent),
      ui_(std::make_unique<::Ui::AdministrationWindow>()),
      app_(app),
      interaction_(ui),
      opener_(opener),
      penaltyDialog_(std::make_unique<PenaltyRateDialog>(this)),
      inflationDialog_(std::make_unique<InflationRateDialog>(this)),
      pickFolder_([this](const QString& title) { return systemFolderPicker(this, title); })
{
    ui_->setupUi(this);
    penalties_.emplace(ui_->PenalGrid, new RowsModel<PenaltyRateRow>(penaltyColumns(), this), interaction_, kCaption,
                       penaltyEditing());
    inflation_.emplace(ui_->InflGrid, new RowsModel<InflationRateRow>(inflationColumns(), this), interaction_, kCaption,
                       inflationEditing());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ui_->TipLocC->addItems(localityTypes());
    ui_->JudetC->addItems(counties());
    ui_->JudetC->setMaxVisibleItems(20);
    const QIcon pick = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon remove = style()->standardIcon(QStyle::SP_DialogDiscardButton);
    ui_->ModiCaleB->setIcon(pick);
    ui_->ModiSaveB->setIcon(pick);
    ui_->DelCaleB->setIcon(remove);
    ui_->DelSaveB->setIcon(remove);
    buildModelsMenu();
    enterPresses(ui_->Edit2, ui_->PassBut);

    connect(ui_->TipLocC, &QComboBox::currentIndexChanged, this, &AdministrationWindow::identityEdited);
    connect(ui_->JudetC, &QComboBox::currentIndexChanged, this, &AdministrationWindow::identityEdited);
    connect(ui_->ComunaE, &QLineEdit::textEdited, this, [this](const QString& typed) {
        // The name is shown, and stored, in capitals.
        const int cursor = ui_->ComunaE->cursorPosition();
        ui_->ComunaE->setText(typed.toUpper());
        ui_->ComunaE->setCursorPosition(cursor);
        identityEdited();
    });
    connect(ui_->MemoBut, &QPushButton::clicked, this, &AdministrationWindow::MemoButClick);
    connect(ui_->RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->PassBut, &QPushButton::clicked, this, &AdministrationWindow::MemoPass);
    connect(ui_->ModiCaleB, &QToolButton::clicked, this, &AdministrationWindow::ModiCaleBClick);
    connect(ui_->DelCaleB, &QToolButton::clicked, this, &AdministrationWindow::DelCaleBClick);
    connect(ui_->ModiSaveB, &QToolButton::clicked, this, &AdministrationWindow::ModiSaveBClick);
    connect(ui_->DelSaveB, &QToolButton::clicked, this, &AdministrationWindow::DelSaveBClick);
    connect(ui_->AddPenalB, &QPushButton::clicked, this, [this] { penalties_->add(); });
    connect(ui_->ModiPenalB, &QPushButton::clicked, this, [this] { penalties_->change(); });
    connect(ui_->DelPenalB, &QPushButton::clicked, this, [this] { penalties_->remove(); });
    connect(ui_->PenalGrid, &QTableView::doubleClicked, this, [this] { penalties_->change(); });
    connect(ui_->AddInflB, &QPushButton::clicked, this, [this] { inflation_->add(); });
    connect(ui_->ModiInflB, &QPushButton::clicked, this, [this] { inflation_->change(); });
    connect(ui_->DelInflB, &QPushButton::clicked, this, [this] { inflation_->remove(); });
    connect(ui_->InflGrid, &QTableView::doubleClicked, this, [this] { inflation_->change(); });
}

AdministrationWindow::~AdministrationWindow() = default;

void AdministrationWindow::buildModelsMenu()
{
    auto* models = new QMenu(this);
    models->setObjectName(QStringLiteral("ModeleMenu"));
    const auto addModel = [&](const QString& title, PrintTemplate model) {
        QMenu* menu = models->addMenu(title);
        connect(menu->addAction(QStringLiteral("Editare Model")), &QAction::triggered, this,
                [this, model] { command([&] { EditModel(app_, opener_, model); }); });
        connect(menu->addAction(QStringLiteral("Refa Modelul initial")), &QAction::triggered, this, [this, model] {
            if (restoreModel_)
                command([&] { restoreModel_(model); });
        });
    };
    addModel(QStringLiteral("Model Chitanta"), PrintTemplate::Receipt);
    addModel(QStringLiteral("Model Fisa de calcul"), PrintTemplate::CalculationSheet);
    ui_->ModeleBut->setMenu(models);
}

void AdministrationWindow::LoadAdministrationSettings(const AdministrationSettings& settings)
{
    ui_->CaleSalvari->setText(settings.backupFolder);
    ui_->CaleServer->setText(settings.serverFolder);
    ui_->TipLocC->setCurrentIndex(settings.identity.tipLoc);
    ui_->JudetC->setCurrentIndex(settings.identity.judet);
    ui_->ComunaE->setText(settings.identity.comuna);
    app_.showUnitIdentity(settings.identity);
}

UnitIdentity AdministrationWindow::shownIdentity() const
{
    return {ui_->TipLocC->currentIndex(), ui_->JudetC->currentIndex(), ui_->ComunaE->text()};
}

void AdministrationWindow::identityEdited() { app_.showUnitIdentity(shownIdentity()); }

AdministrationWindow::Outcome AdministrationWindow::ShowAdministration()
{
    outcome_ = Outcome::Closed;
    ui_->Edit1->clear();
    ui_->Edit2->clear();
    penalties_->open();
    inflation_->open();
    centreOnFirstShow(this);
    ui_->TipLocC->setFocus();
    exec();
    penalties_->close();
    inflation_->close();
    return outcome_;
}

bool AdministrationWindow::command(const std::function<void()>& run) { return runCommand(interaction_, kCaption, run); }

void AdministrationWindow::MemoButClick()
{
    if (command([this] { SaveUnitIdentity(app_.settings(), shownIdentity()); }))
        accept();
}

void AdministrationWindow::MemoPass()
{
    command([this] {
        switch (velmar::MemoPass(app_.settings(), interaction_, ui_->Edit1->text(), ui_->Edit2->text())) {
        case PasswordChange::Different:
            QApplication::beep();
            break;
        case PasswordChange::Changed:
            ui_->Edit1->clear();
            ui_->Edit2->clear();
            break;
        case PasswordChange::Removed:
        case PasswordChange::Kept:
            break;
        }
    });
}

void AdministrationWindow::endProgram()
{
    outcome_ = Outcome::EndProgram;
    reject();
}

void AdministrationWindow::ModiCaleBClick()
{
    const std::optional<QString> folder = pickFolder_(kServerPickerTitle);
    if (!folder)
        return;
    command([&] {
        if (!ConnectServer(app_, interaction_, *folder))
            return;
        ui_->CaleServer->setText(pickedFolder(*folder));
        endProgram();
    });
}

void AdministrationWindow::DelCaleBClick()
{
    command([this] {
        switch (DisconnectServer(app_.settings(), interaction_, ui_->CaleServer->text())) {
        case Disconnection::NothingToDelete:
            ShowProblem(kNoServerToDelete, ui_->CaleServer);
            break;
        case Disconnection::Declined:
            break;
        case Disconnection::Disconnected:
            ui_->CaleServer->setText(kDisconnectedShown);
            endProgram();
            break;
        }
    });
}

void AdministrationWindow::ModiSaveBClick()
{
    if (!MayChooseBackupFolder(app_, interaction_))
        return;
    const std::optional<QString> folder = pickFolder_(kBackupPickerTitle);
    if (!folder)
        return;
    command([&] {
        if (const std::optional<QString> stored = ChooseBackupFolder(app_.settings(), interaction_, *folder))
            ui_->CaleSalvari->setText(*stored);
    });
}

void AdministrationWindow::DelSaveBClick()
{
    command([this] {
        switch (DisableAutomaticBackup(app_.settings(), interaction_, ui_->CaleSalvari->text())) {
        case BackupSwitchOff::AlreadyOff:
            ShowProblem(kBackupAlreadyOff, ui_->CaleSalvari);
            break;
        case BackupSwitchOff::Declined:
            break;
        case BackupSwitchOff::SwitchedOff:
            ui_->CaleSalvari->setText(kBackupOff);
            break;
        }
    });
}

RateGrid<PenaltyRateRow>::Editing AdministrationWindow::penaltyEditing()
{
    return {[this] { return PenaltyRateRows(app_.db()); },
            [this](const PenaltyRateRow* changed) -> std::optional<qint64> {
                if (changed)
                    penaltyDialog_->fill(*changed);
                if (!penaltyDialog_->Execute(!changed))
                    return std::nullopt;
                if (!changed)
                    return AddPenaltyRate(app_.db(), app_.ids(), penaltyDialog_->edit());
                ChangePenaltyRate(app_.db(), changed->idp, penaltyDialog_->edit());
                return changed->idp;
            },
            [this](qint64 idp) { DeletePenaltyRate(app_.db(), idp); },
            &PenaltyRateRow::idp,
            debt_texts::kDeletePenaltyCaption,
            debt_texts::kDeletePenaltyQuestion};
}

// Every inflation edit re-indexes all contracts, under the progress counter, in the edit's transaction.
RateGrid<InflationRateRow>::Editing AdministrationWindow::inflationEditing()
{
    const auto editor = [this] {
        return InflationRateEditor(app_.db(), app_.ids(), app_.rates(), interaction_.counter());
    };
    return {[this] { return InflationRateRows(app_.db()); },
            [this, editor](const InflationRateRow* changed) -> std::optional<qint64> {
                if (changed)
                    inflationDialog_->fill(*changed);
                if (!inflationDialog_->Execute(!changed))
                    return std::nullopt;
                if (!changed)
                    return editor().add(inflationDialog_->edit());
                editor().change(changed->idinf, inflationDialog_->edit());
                return changed->idinf;
            },
            [editor](qint64 idinf) { editor().remove(idinf); },
            &InflationRateRow::idinf,
            debt_texts::kDeleteInflationCaption,
            debt_texts::kDeleteInflationQuestion};
}

}  // namespace velmar
