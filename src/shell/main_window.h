// The main window: the command band across the top of the screen. Locked at start (only "Administrare"
// and "Iesire"), unlocked by the administrator login; logs the start and end of work and offers to save
// the day's data when it closes.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

class QMenu;
class QAction;
class QLabel;

namespace Ui {
class MainWindow;
}

namespace velmar {

class AppContext;
class Interaction;
class PasswordDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppContext& app, Interaction& ui, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The second status panel: the working mode.
    void setStatusText(const QString& text);
    // Logs the start, shows the window as wide as the screen and returns once it has closed, after
    // logging the end and saving the data when the user asked for it.
    void run();

    // The windows and operations other parts of the program provide. A button or menu entry whose
    // window is not there is shown disabled.
    void setContractListOpener(std::function<void()> open);
    void setAdministrationOpener(std::function<void()> open);
    void setPaymentsSlipOpener(std::function<void()> open);
    void setDebtsListOpener(std::function<void()> open);
    void setBackupWindowOpener(std::function<bool()> openReportsRestored);
    void setSuggestionsOpener(std::function<void()> open);
    // Writes a backup archive of the data folder to the given file; without it no save is offered.
    void setBackupWriter(std::function<void(const QString& target)> write);

    bool isWorkUnlocked() const { return workUnlocked_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void administrationClicked();
    void contractsClicked();
    void showWorkButtons(bool shown);
    void saveOnExit();
    void openLogViewer();
    static void enableFor(QAction* action, bool enabled);

    std::unique_ptr<::Ui::MainWindow> ui_;
    AppContext& app_;
    Interaction& interaction_;
    std::unique_ptr<PasswordDialog> passwordDialog_;
    QLabel* statusMode_ = nullptr;
    QMenu* reportsMenu_ = nullptr;
    QMenu* utilitiesMenu_ = nullptr;
    QAction* paymentsSlip_ = nullptr;
    QAction* debtsList_ = nullptr;
    QAction* backupWindow_ = nullptr;
    QAction* suggestions_ = nullptr;
    QAction* logViewer_ = nullptr;

    std::function<void()> openContractList_;
    std::function<void()> openAdministration_;
    std::function<void(const QString&)> writeBackup_;
    bool workUnlocked_ = false;
    bool saveOnExit_ = false;
};

}  // namespace velmar
