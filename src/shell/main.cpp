// velmar: the desktop program. Wiring only: one copy per user, the program-wide conventions, the splash,
// the start-up sequence and the main window.
#include "admin/administration_window.h"
#include "app/app_context.h"
#include "contracts/contract_dialog.h"
#include "contracts/contract_list_window.h"
#include "online/suggestion_dialog.h"
#include "export/grid_export_dialog.h"
#include "payments/details_window.h"
#include "payments/payment_dialog.h"
#include "payments/receipt.h"
#include "payments/rtf_replace.h"
#include "platform/document_opener.h"
#include "platform/launcher.h"
#include "platform/single_instance.h"
#include "reports/debts_list.h"
#include "reports/period_dialog.h"
#include "reports/report_texts.h"
#include "reports/template_exporter.h"
#include "session/startup.h"
#include "session/template_restore.h"
#include "session/update_handoff.h"
#include "shell/gui_interaction.h"
#include "shell/main_window.h"
#include "shell/splash_window.h"
#include "store/clock.h"
#include "store/folders.h"
#include "widgets/run_command.h"

#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QTimer>
#include <exception>

namespace {

const QString kProgramTitle = QStringLiteral("Velmar");

// Tooltips stay five seconds on screen unless a widget asks for another time.
class ToolTipDuration : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip)
            if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->toolTipDuration() < 0)
                widget->setToolTipDuration(5000);
        return false;
    }
};

void applyProgramConventions(QApplication& app)
{
    // Numbers read and written by widgets and QLocale use "." for decimals and no digit grouping, whatever
    // the system's regional settings: the C locale. Dates are not left to the locale at all: the program
    // formats and parses them itself as dd.MM.yyyy.
    QLocale::setDefault(QLocale::c());
    app.setStyleSheet(QStringLiteral("QToolTip { color: black; background-color: white; border: 1px solid gray; }"));
    app.installEventFilter(new ToolTipDuration(&app));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProgramTitle);
    velmar::SystemLauncher launcher;

    // Started as a staged update with the old program's path: put the new build in its place and end.
    const QString self = QApplication::applicationFilePath();
    if (const QString old = velmar::handOffTarget(self, QApplication::arguments().mid(1)); !old.isEmpty()) {
        velmar::SingleInstance::waitForRunningCopyToEnd();
        velmar::CompleteUpdateHandOff(self, old, launcher);
        return 0;
    }

    velmar::SingleInstance instance;
    if (instance.handOverToRunningCopy())
        return 0;
    applyProgramConventions(app);

    velmar::SplashWindow splash;
    velmar::GuiInteraction interaction;
    QPointer<QWidget> front = &splash;  // the window a later copy brings forward
    QObject::connect(&instance, &velmar::SingleInstance::comeForwardRequested, [&front] {
        if (front)
            velmar::BringForward(*front);
    });

    splash.showPainted();
    QTimer::singleShot(0, &splash, [&] {
        try {
            const velmar::StartupResult started =
                velmar::RunStartup(velmar::StartupOptions::fromApplication(), interaction, splash, launcher);
            if (started.app) {
                velmar::AppContext& app = *started.app;
                velmar::MainWindow window(app, interaction);
                window.setStatusText(started.statusText);
                velmar::SystemDocumentOpener desktop;
                velmar::ContractDialog contractDialog(app, interaction, &window);
                velmar::ContractListWindow contractList(app, interaction, contractDialog, &window);
                velmar::PaymentDialog paymentDialog(app, &window);
                velmar::DetailsWindow details(app, interaction, paymentDialog, &window);
                velmar::TemplateExporter exporter(desktop);
                contractList.setReportExporter(exporter);
                velmar::TRTFReplace receipts(desktop);
                details.setReceiptPrinter(
                    [&](qint64 idchit) { velmar::PrintReceipt(app, interaction, receipts, idchit); });
                velmar::GridExportDialog gridExport(interaction, desktop, velmar::tempFolder(), &window);
                contractList.setGridExport(
                    [&gridExport](const velmar::ShownTable& table) { gridExport.Execute(table); });
                contractList.setDetailsOpener(
                    [&details](const velmar::ContractRow& contract) { details.ShowContractDetails(contract); });
                window.setContractListOpener([&contractList] { contractList.open(); });
                velmar::PeriodDialog periodDialog(app, interaction, exporter, &window);
                window.setPaymentsSlipOpener([&periodDialog] { periodDialog.PaymentsSlip(); });
                window.setDebtsListOpener([&] {
                    velmar::runCommand(interaction, velmar::report_texts::kDebtsListCaption, [&] {
                        velmar::DebtsList(app.db(), app.rates(), interaction.counter(), exporter, app.dataFolder(),
                                          velmar::today());
                    });
                });
                velmar::SuggestionDialog suggestions(app, interaction, &window);
                window.setSuggestionsOpener([&suggestions] { suggestions.Execute(); });
                velmar::AdministrationWindow administration(app, interaction, desktop, &window);
                administration.LoadAdministrationSettings(started.administration);
                administration.setModelRestorer(
                    [&](velmar::PrintTemplate model) { velmar::RestoreInitialModel(app, interaction, model); });
                window.setAdministrationOpener([&administration] {
                    // A new server folder, or none, takes effect at the next start.
                    if (administration.ShowAdministration() == velmar::AdministrationWindow::Outcome::EndProgram)
                        QApplication::quit();
                });
                front = &window;
                splash.hide();
                window.run();
            }
        } catch (const std::exception& e) {
            interaction.Mesaj(kProgramTitle, QString::fromStdString(e.what()), velmar::MessageButton::Ok,
                              velmar::MessageKind::Error);
        }
        QApplication::quit();
    });
    return QApplication::exec();
}
