// The main window.
#include "shell/main_window.h"

#include "admin/admin_login.h"
#include "admin/backup_folder.h"
#include "app/app_context.h"
#include "app/interaction.h"
#include "app/version.h"
#include "session/exit_save.h"
#include "shell/button_pictures.h"
#include "shell/log_view_window.h"
#include "shell/password_dialog.h"
#include "shell/shell_texts.h"
#include "store/action_log.h"
#include "store/clock.h"
#include "store/settings.h"
#include "ui_main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>

namespace velmar {

MainWindow::MainWindow(AppContext& app, Interaction& ui, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<::Ui::MainWindow>()),
      app_(app),
      interaction_(ui),
      passwordDialog_(std::make_unique<PasswordDialog>(this))
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(mainWindowTitle());
    ui_->MBut1->setIcon(buttonPicture(ButtonPicture::Contracts));
    ui_->MBut2->setIcon(buttonPicture(ButtonPicture::Reports));
    ui_->MBut3->setIcon(buttonPicture(ButtonPicture::Utilities));
    ui_->MButAdm->setIcon(buttonPicture(ButtonPicture::AdministrationLocked));
    ui_->ModelF->setIcon(buttonPicture(ButtonPicture::Exit));
    buildMenus();
    auto* escape = new QLabel(QStringLiteral("ESC - Iesire din program"), this);
    escape->setObjectName(QStringLiteral("StatusEsc"));
    statusMode_ = new QLabel(this);
    statusMode_->setObjectName(QStringLiteral("StatusMode"));
    statusBar()->addWidget(escape);
    statusBar()->addWidget(statusMode_, 1);
    showWorkButtons(false);
    ui_->MBut1->setEnabled(false);

    connect(ui_->MBut1, &QToolButton::clicked, this, &MainWindow::contractsClicked);
    connect(ui_->MButAdm, &QToolButton::clicked, this, &MainWindow::administrationClicked);
    connect(ui_->ModelF, &QToolButton::clicked, this, &QWidget::close);
    // The window takes these keys before its buttons; F1 and F2 work before the login too.
    for (const QKeySequence key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_F12)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &MainWindow::contractsClicked);
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, ui_->MBut2, &QToolButton::showMenu);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    reportsMenu_ = new QMenu(this);
    paymentsSlip_ = reportsMenu_->addAction(QStringLiteral("Borderou incasari"));
    debtsList_ = reportsMenu_->addAction(QStringLiteral("Lista Datorii"));
    ui_->MBut2->setMenu(reportsMenu_);

    utilitiesMenu_ = new QMenu(this);
    backupWindow_ = utilitiesMenu_->addAction(QStringLiteral("Salvare / Incarcare baza de date"));
    suggestions_ = utilitiesMenu_->addAction(QStringLiteral("Condica de sugestii"));
    logViewer_ = utilitiesMenu_->addAction(QStringLiteral("Istoricul modificarii datelor"));
    ui_->MBut3->setMenu(utilitiesMenu_);
    for (QAction* waiting : {paymentsSlip_, debtsList_, backupWindow_, suggestions_})
        waiting->setEnabled(false);
    connect(logViewer_, &QAction::triggered, this, &MainWindow::openLogViewer);
}

void MainWindow::setStatusText(const QString& text) { statusMode_->setText(text); }

void MainWindow::enableFor(QAction* action, bool enabled) { action->setEnabled(enabled); }

void MainWindow::setContractListOpener(std::function<void()> open)
{
    openContractList_ = std::move(open);
    ui_->MBut1->setEnabled(bool(openContractList_));
}

void MainWindow::setAdministrationOpener(std::function<void()> open) { openAdministration_ = std::move(open); }

void MainWindow::setPaymentsSlipOpener(std::function<void()> open)
{
    enableFor(paymentsSlip_, bool(open));
    connect(paymentsSlip_, &QAction::triggered, this, std::move(open));
}

void MainWindow::setDebtsListOpener(std::function<void()> open)
{
    enableFor(debtsList_, bool(open));
    connect(debtsList_, &QAction::triggered, this, std::move(open));
}

void MainWindow::setBackupWindowOpener(std::function<bool()> openReportsRestored)
{
    enableFor(backupWindow_, bool(openReportsRestored));
    connect(backupWindow_, &QAction::triggered, this, [this, open = std::move(openReportsRestored)] {
        if (!open())
            return;
        // The data were replaced by a restored backup: nothing of this session is left to save.
        showWorkButtons(false);
        close();
    });
}

void MainWindow::setSuggestionsOpener(std::function<void()> open)
{
    enableFor(suggestions_, bool(open));
    connect(suggestions_, &QAction::triggered, this, std::move(open));
}

void MainWindow::setBackupWriter(std::function<void(const QString&)> write) { writeBackup_ = std::move(write); }

void MainWindow::showWorkButtons(bool shown)
{
    workUnlocked_ = shown;
    ui_->MBut1->setVisible(shown);
    ui_->MBut2->setVisible(shown);
    ui_->MBut3->setVisible(shown);
}

void MainWindow::administrationClicked()
{
    switch (AdministratorLogin(app_.administrator, app_.settings(), interaction_, *passwordDialog_)) {
    case LoginOutcome::OpenAdministration:
        if (openAdministration_)
            openAdministration_();
        break;
    case LoginOutcome::Unlocked:
        ui_->MButAdm->setIcon(buttonPicture(ButtonPicture::AdministrationUnlocked));
        showWorkButtons(true);
        break;
    case LoginOutcome::UnlockedForWork:
        showWorkButtons(true);
        break;
    case LoginOutcome::Cancelled:
    case LoginOutcome::WrongPassword:
        break;
    }
}

void MainWindow::contractsClicked()
{
    if (!openContractList_)
        return;
    if (administrationNameMissing(app_.settings()) &&
        interaction_.Mesaj(shell_texts::kNameCheckCaption, shell_texts::nameCheckText(ui_->MButAdm->text()),
                           MessageButton::Yes | MessageButton::No, MessageKind::Warning) == MessageResult::Yes &&
        openAdministration_)
        openAdministration_();
    openContractList_();
}

void MainWindow::openLogViewer()
{
    LogViewWindow viewer(ReadLog(app_.db()), this);
    viewer.exec();
}

void MainWindow::run()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(screen.width(), height());
    move(screen.topLeft());
    WriteLog(app_.db(), app_.ids(), app_.userText(), shell_texts::kStartLog);
    QEventLoop loop;
    connect(this, &MainWindow::closed, &loop, &QEventLoop::quit);
    show();
    loop.exec();
    WriteLog(app_.db(), app_.ids(), app_.userText(), shell_texts::kEndLog);
    if (saveOnExit_)
        saveOnExit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const bool wantsSave = workUnlocked_ && writeBackup_;  // the folder is only looked up when it matters
    saveOnExit_ = AskSaveOnExit({app_.mode(), workUnlocked_, bool(writeBackup_),
                                 wantsSave ? AutomaticBackupFolder(app_.settings()) : kBackupOff},
                                interaction_);
    event->accept();
    emit closed();
}

void MainWindow::saveOnExit()
{
    const QString folder = AutomaticBackupFolder(app_.settings());
    QDir().mkpath(folder);
    const QString target = AutomaticBackupTarget(folder, today());
    QFile probe(target);
    if (!probe.open(QIODevice::WriteOnly)) {
        interaction_.Mesaj(shell_texts::kBackupTargetCaption,
                           shell_texts::cannotWrite(QDir::toNativeSeparators(target)), MessageButton::Ok,
                           MessageKind::Error);
        return;
    }
    probe.close();
    probe.remove();
    writeBackup_(target);
}

}  // namespace velmar
