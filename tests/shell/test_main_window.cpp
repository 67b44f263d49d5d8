// The main window: locked and unlocked, the keys, the name check before the contract list, the log
// entries of a working period, and the history viewer.
#include "admin/password_code.h"
#include "app/app_context.h"
#include "app/interaction.h"
#include "shell/log_view_window.h"
#include "shell/main_window.h"
#include "store/action_log.h"
#include "store/settings.h"
#include "store/sql/database.h"
#include "support/screenshots.h"
#include "support/temp_folder.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace velmar {

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempFolder> home_;
    std::unique_ptr<AppContext> app_;

    QToolButton* button(MainWindow& w, const char* name)
    {
        return w.findChild<QToolButton*>(QString::fromLatin1(name));
    }

private slots:
    void init()
    {
        home_ = std::make_unique<test::TempFolder>();
        qputenv("VELMAR_HOME", home_->path().toUtf8());
        qputenv("VELMAR_SYSTEM_DIR", home_->file("sys").toUtf8());
        app_ = AppContext::openLocal();
        Database& db = app_->db();
        db.createTable("Log",
                       {{"IDLOG", 'N', 10, 0},
                        {"DATAL", 'D', 8, 0},
                        {"ORA", 'C', 12, 0},
                        {"ACTIUNE", 'C', 120, 0},
                        {"UTILIZATOR", 'C', 16, 0}});
    }

    void cleanup()
    {
        app_.reset();
        home_.reset();
    }

    void startsLockedWithTheTwoButtonsAndTheStatusTexts()
    {
        ScriptedInteraction ui;
        MainWindow w(*app_, ui);
        w.setStatusText("Lucru local.");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const char* hidden : {"MBut1", "MBut2", "MBut3"})
            QVERIFY2(!button(w, hidden)->isVisible(), hidden);
        QCOMPARE(w.windowTitle(), QString("Velmar  ver.1.0006"));
        QCOMPARE(button(w, "MButAdm")->text(), QString("Administrare"));
        QCOMPARE(button(w, "MButAdm")->toolTip(), QString("Administrare program."));
        QCOMPARE(button(w, "ModelF")->text(), QString("Iesire"));
        QCOMPARE(w.findChild<QLabel*>("StatusEsc")->text(), QString("ESC - Iesire din program"));
        QCOMPARE(w.findChild<QLabel*>("StatusMode")->text(), QString("Lucru local."));
        test::saveScreenshot(&w, "main_window_locked");
    }

    void loginWithoutPasswordUnlocksAndTheNextClickOpensAdministration()
    {
        ScriptedInteraction ui;
        MainWindow w(*app_, ui);
        int administrationOpened = 0;
        w.setAdministrationOpener([&] { ++administrationOpened; });
        w.setContractListOpener([] {});
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        button(w, "MButAdm")->click();
        QCOMPARE(ui.shown().size(), size_t(1));
        QCOMPARE(ui.shown()[0].text, QString("        ATENTIE!\r\nNu aveti nici o parola!"));
        QVERIFY(app_->administrator);
        QCOMPARE(administrationOpened, 0);
        for (const char* shown : {"MBut1", "MBut2", "MBut3"})
            QVERIFY2(button(w, shown)->isVisible(), shown);
        QCOMPARE(button(w, "MBut1")->text(), QString("Contracte / Incasari"));
        QCOMPARE(button(w, "MBut3")->toolTip(), QString("Operatii cu datele. Sugestii. Explicatii. Legislatie."));
        button(w, "MButAdm")->click();
        QCOMPARE(administrationOpened, 1);
        test::saveScreenshot(&w, "main_window_unlocked");

        // The menus: what has its window is enabled, the rest waits for it.
        QStringList entries;
        for (QAction* a : button(w, "MBut3")->menu()->actions())
            entries << a->text() + (a->isEnabled() ? "" : " (inactiv)");
        QCOMPARE(entries,
                 QStringList({"Salvare / Incarcare baza de date (inactiv)", "Condica de sugestii (inactiv)",
                              "Istoricul modificarii datelor"}));
        QCOMPARE(button(w, "MBut2")->menu()->actions().size(), 2);
    }

    void aStoredPasswordIsAskedForAndAWrongOneRefused()
    {
        app_->settings().WriteSetting("INIT", "WIN", CodeazaStr("secret"));
        ScriptedInteraction ui;
        MainWindow w(*app_, ui);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto answerPrompt = [](const QString& typed) {
            QTimer::singleShot(0, [typed] {
                QWidget* prompt = QApplication::activeModalWidget();
                QVERIFY(prompt);
                QCOMPARE(prompt->windowTitle(), QString("Autentificare"));
                auto* field = prompt->findChild<QLineEdit*>("Parola");
                QVERIFY(field->text().isEmpty());
                QTest::keyClicks(field, typed);
                test::saveScreenshot(prompt, "password_prompt");
                prompt->findChild<QPushButton*>("VerificaBut")->click();
            });
        };
        answerPrompt("gresit");
        button(w, "MButAdm")->click();
        QCOMPARE(ui.shown().back().text, QString("PAROLA INCORECTA !"));
        QVERIFY(!button(w, "MBut1")->isVisible());
        answerPrompt("secret");
        button(w, "MButAdm")->click();
        QVERIFY(button(w, "MBut1")->isVisible());
        QVERIFY(app_->administrator);
    }

    void f1OpensTheContractListAfterTheNameCheck()
    {
        ScriptedInteraction ui({MessageResult::No});
        MainWindow w(*app_, ui);
        int listOpened = 0;
        w.setContractListOpener([&] { ++listOpened; });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_F1);  // before any login, as always
        QCOMPARE(listOpened, 1);
        QCOMPARE(ui.shown().size(), size_t(1));
        QCOMPARE(ui.shown()[0].caption, QString("Atentionare"));
        QCOMPARE(ui.shown()[0].text,
                 QString("Nu ati completat denumirea primariei la Administrare!\rDoriti sa o completati acum?"));
        app_->settings().WriteSetting("CONST", "COMUNA", "Ciurea");
        QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(listOpened, 2);
        QCOMPARE(ui.shown().size(), size_t(1));
    }

    void aWorkingPeriodIsLoggedAndEscapeEndsIt()
    {
        ScriptedInteraction ui;
        MainWindow w(*app_, ui);
        // Escape once the window is up and active (its keys are window shortcuts), however long the start of
        // work takes on a busy machine.
        std::function<void()> pressEscape = [&] {
            if (w.isVisible() && w.isActiveWindow()) {
                QTest::keyClick(&w, Qt::Key_Escape);
                return;
            }
            if (w.isVisible())
                w.activateWindow();
            QTimer::singleShot(10, pressEscape);
        };
        QTimer::singleShot(10, pressEscape);
        w.run();
        QVERIFY(!w.isVisible());
        const auto log = ReadLog(app_->db());
        QCOMPARE(log.size(), size_t(2));
        QCOMPARE(log[0].action, QString("Pornire Contracte Dorvan"));
        QCOMPARE(log[0].id, 1);
        QCOMPARE(log[1].action, QString("Inchidere Contracte Dorvan"));
        QCOMPARE(log[1].id, 2);
        QVERIFY(ui.shown().empty());  // locked, no backup writer: no question
    }

    void theHistoryViewerShowsTheLogOldestFirst()
    {
        LogViewWindow viewer({{1, QDate(2026, 12, 9), "09:00:00", "Pornire Contracte Dorvan", "STATIA1 - maria"},
                              {2, QDate(2026, 12, 9), "09:30:12", "Adaugare Contract Nr.12 / 01.12.2026, Ionescu Ion.",
                               "STATIA1 - maria"},
                              {3, QDate(2026, 12, 9), "10:02:45", "Inchidere Contracte Dorvan", "STATIA1 - maria"}});
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QCOMPARE(viewer.windowTitle(), QString("Istoric modificari date"));
        auto* grid = viewer.findChild<QTableView*>("Grid");
        QCOMPARE(grid->model()->rowCount(), 3);
        QStringList titles;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            titles << grid->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, QStringList({"Data", "Ora", "Actiunea", "Operator"}));
        QCOMPARE(grid->model()->index(1, 0).data().toString(), QString("09.12.2026"));
        const auto bands = viewer.findChild<QWidget*>("Band")->findChildren<QLabel*>();
        QCOMPARE(bands.size(), 1);
        QCOMPARE(bands[0]->text(), QString("Data si ora"));
        const QHeaderView* header = grid->horizontalHeader();
        QCOMPARE(bands[0]->width(), header->sectionSize(0) + header->sectionSize(1));
        QCOMPARE(viewer.findChild<QLabel*>("HeaderL")->text(), QString("Ultimele actiuni facute in program"));
        test::saveScreenshot(&viewer, "log_viewer");
        QTest::keyClick(&viewer, Qt::Key_Escape);
        QVERIFY(!viewer.isVisible());
    }
};

}  // namespace velmar

QTEST_MAIN(velmar::MainWindowTest)
#include "test_main_window.moc"
