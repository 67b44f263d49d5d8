// The suggestion dialog driven as a user drives it, against a server on 127.0.0.1: what it starts with,
// the checks in their order with their balloons, the progress window while the request runs, the outcome
// messages, the values remembered after a success and the text kept until one.
#include "loopback_http_server.h"

#include "app/interaction.h"
#include "online/suggestion_dialog.h"
#include "store/ini_file.h"
#include "store/settings.h"
#include "support/balloon.h"
#include "support/program_folder.h"
#include "support/screenshots.h"
#include "widgets/progress_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace velmar {

namespace {

using namespace std::chrono_literals;

// Scripted messages, and the program's own progress window.
class WindowedInteraction : public Interaction {
public:
    int Mesaj(const QString& caption, const QString& text, int buttons, MessageKind kind) override
    {
        return script.Mesaj(caption, text, buttons, kind);
    }
    ProgressCounter& counter() override { return progress; }

    ScriptedInteraction script;
    ProgressWindow progress;
};

}  // namespace

class SuggestionDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::ProgramFolder> folder_;
    std::unique_ptr<WindowedInteraction> ui_;
    std::unique_ptr<SuggestionDialog> dialog_;

    QLineEdit* field(const char* name) { return dialog_->findChild<QLineEdit*>(QLatin1String(name)); }
    QPlainTextEdit* produs() { return dialog_->findChild<QPlainTextEdit*>(QStringLiteral("produs")); }
    QPushButton* button(const char* name) { return dialog_->findChild<QPushButton*>(QLatin1String(name)); }
    Settings& settings() { return folder_->app().settings(); }
    const std::vector<ScriptedInteraction::Shown>& shown() { return ui_->script.shown(); }

    void sendTo(const test::LoopbackHttpServer& server) { settings().WriteMachineSetting("SUGESTII", server.host()); }

    // Runs `act` once the dialog is up; whatever happens in it, the dialog ends. Returns Execute's result.
    bool whileOpen(const std::function<void()>& act)
    {
        QTimer::singleShot(0, dialog_.get(), [this, act] {
            QVERIFY(QApplication::activeModalWidget() == dialog_.get());
            act();
            if (dialog_->isVisible())
                dialog_->reject();
        });
        return dialog_->Execute();
    }

    void fillAccepted()
    {
        field("nume")->setText("Ion Popescu");
        field("telefon_fax")->setText("0722222777");
        field("mail")->setText("ion@primaria.ro");
        produs()->setPlainText("Pret {nou}\nlinia doi");
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<test::ProgramFolder>("10.12.2026");
        settings().WriteSetting("CONST", "COMUNA", "VELMAR");
        settings().WriteSetting("CONST", "JUDET", "12");
        ui_ = std::make_unique<WindowedInteraction>();
        dialog_ = std::make_unique<SuggestionDialog>(folder_->app(), *ui_);
    }

    void cleanup()
    {
        dialog_.reset();
        ui_.reset();
        folder_.reset();
    }

    void startsWithTheUnitAsLocalityAndEnterWalksTheFields()
    {
        QVERIFY(!whileOpen([this] {
            QCOMPARE(dialog_->windowTitle(), QString("Trimitere sugestie"));
            QCOMPARE(dialog_->findChild<QLabel*>("ExempluL")->text(), QString("exemplu. 0722222777"));
            QCOMPARE(button("TrimiteBut")->text(), QString("&Trimite sugestia"));
            QCOMPARE(button("RenuntBut")->text(), QString("&Renunt"));
            for (const auto& [name, caption] : {std::pair{"numeL", "Numele dvs."},
                                                {"telefon_faxL", "Telefon"},
                                                {"mailL", "Email"},
                                                {"comunaL", "Localitate / Judet"},
                                                {"produsL", "Sugestia dvs."}})
                QCOMPARE(dialog_->findChild<QLabel*>(name)->text(), QString(caption));
            QCOMPARE(field("comuna")->text(), QString("VELMAR / CLUJ"));
            QCOMPARE(field("nume")->text(), QString());
            QCOMPARE(produs()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(dialog_->focusWidget(), field("nume"));

            // Lengths, and capitals where the form makes them.
            QTest::keyClicks(field("nume"), QString(70, 'a'));
            QCOMPARE(field("nume")->text().size(), 60);
            QTest::keyClick(field("nume"), Qt::Key_Return);
            QCOMPARE(dialog_->focusWidget(), field("telefon_fax"));
            QTest::keyClicks(field("telefon_fax"), "07a2222277712");
            QCOMPARE(field("telefon_fax")->text(), QString("07A2222277"));
            QTest::keyClick(field("telefon_fax"), Qt::Key_Return);
            QCOMPARE(dialog_->focusWidget(), field("mail"));
            QTest::keyClicks(field("mail"), "Ion@Primaria.ro");
            QCOMPARE(field("mail")->text(), QString("Ion@Primaria.ro"));
            QTest::keyClick(field("mail"), Qt::Key_Return);
            QCOMPARE(dialog_->focusWidget(), field("comuna"));
            field("comuna")->clear();
            QTest::keyClicks(field("comuna"), "velmar / cluj");
            QCOMPARE(field("comuna")->text(), QString("VELMAR / CLUJ"));
            QTest::keyClick(field("comuna"), Qt::Key_Return);
            QCOMPARE(dialog_->focusWidget(), produs());
            // In the suggestion Enter starts a new line.
            QTest::keyClicks(produs(), "unu");
            QTest::keyClick(produs(), Qt::Key_Return);
            QTest::keyClicks(produs(), "doi");
            QCOMPARE(produs()->toPlainText(), QString("unu\ndoi"));
            test::saveScreenshot(dialog_.get(), "suggestion_dialog");
            QTest::keyClick(produs(), Qt::Key_Escape);
            QVERIFY(!dialog_->isVisible());
        }));
        QVERIFY(!dialog_->sendAttempted());
        QVERIFY(shown().empty());
    }

    void theChecksRunInOrderWithTheirBalloonsAndKeepWhatWasTyped()
    {
        test::LoopbackHttpServer server;
        sendTo(server);
        QVERIFY(!whileOpen([this] {
            field("nume")->setText("  Io  ");
            field("telefon_fax")->setText("0822222777");
            field("mail")->setText("io@primaria.ro");
            produs()->setPlainText("abcde\nfghi");
            const struct {
                const char* message;
                const char* control;
                std::function<void()> mend;
            } steps[] = {
                {"Nume incorect!", "nume", [this] { field("nume")->setText(" Ion   Popescu "); }},
                {"Telefon incorect!", "telefon_fax", [this] { field("telefon_fax")->setText("0722222777"); }},
                {"Email incorect!", "mail", [this] { field("mail")->setText("ion@primaria.ro"); }},
                {"Sugestia dvs e prea scurta!", "produs", [] {}},
            };
            for (const auto& step : steps) {
                QTest::mouseClick(button("TrimiteBut"), Qt::LeftButton);
                QVERIFY(dialog_->isVisible());
                QCOMPARE(test::balloonText(dialog_.get()), QString(step.message));
                QVERIFY(test::pointsAt(test::shownBalloon(dialog_.get()), dialog_->findChild<QWidget*>(step.control)));
                step.mend();
            }
            QCOMPARE(field("nume")->text(), QString("Ion Popescu"));  // shown cleaned
            QCOMPARE(produs()->toPlainText(), QString("abcde\nfghi"));
            test::saveScreenshot(dialog_.get(), "suggestion_refused");
        }));
        QVERIFY(!dialog_->sendAttempted());
        QVERIFY(server.requests().isEmpty());
        QVERIFY(shown().empty());
    }

    void aSuccessIsToldRemembersTheContactAndClearsTheText()
    {
        test::LoopbackHttpServer server("<p>SUC\r\nCES</p>");
        sendTo(server);
        QVERIFY(whileOpen([this] {
            fillAccepted();
            QTest::mouseClick(button("TrimiteBut"), Qt::LeftButton);
            QVERIFY(!dialog_->isVisible());
        }));
        QVERIFY(dialog_->sendAttempted() && dialog_->sendSucceeded());
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(test::requestTarget(server.requests().front()),
                 QByteArray("/sugestii.php?nume=DORVAN+%3A+Ion+Popescu&comuna=VELMAR+%2F+CLUJ&telefon_fax=0722222777"
                            "&mail=ion%40primaria.ro&produs=Pret+%7Bnou%7D%0D%0Alinia+doi"));
        QCOMPARE(int(shown().size()), 1);
        QCOMPARE(shown()[0].caption, QString("Transmitere Sugestie"));
        QCOMPARE(shown()[0].text,
                 QString("Mesajul a fost transmis!\rRaspunsul il veti primi in curand in emailul "
                         "dvs. sau la telefon.\rVa multumim!"));
        QCOMPARE(shown()[0].kind, MessageKind::Information);
        const IniFile machine(settings().machineFile());
        QCOMPARE(machine.read("56", "SugestieNume"), QString("Ion Popescu"));
        QCOMPARE(machine.read("56", "telefon_fax"), QString("0722222777"));
        QCOMPARE(machine.read("56", "mail"), QString("ion@primaria.ro"));
        QCOMPARE(machine.read("56", "SugestieComuna"), QString("VELMAR / CLUJ"));
        QVERIFY(!QFile::exists(folder_->app().programFolder() + "/rezultat.txt"));

        // Typed but cancelled: the next opening starts again from what was sent.
        QVERIFY(!whileOpen([this] {
            QCOMPARE(field("nume")->text(), QString("Ion Popescu"));
            QCOMPARE(field("telefon_fax")->text(), QString("0722222777"));
            QCOMPARE(field("mail")->text(), QString("ion@primaria.ro"));
            QCOMPARE(field("comuna")->text(), QString("VELMAR / CLUJ"));
            QCOMPARE(produs()->toPlainText(), QString());
            field("nume")->setText("Altcineva");
            QTest::mouseClick(button("RenuntBut"), Qt::LeftButton);
        }));
        QVERIFY(!dialog_->sendAttempted());
        QVERIFY(!whileOpen([this] { QCOMPARE(field("nume")->text(), QString("Ion Popescu")); }));
        QCOMPARE(int(shown().size()), 1);
    }

    void aFailureIsToldAndEverythingTypedStaysForAnotherAttempt()
    {
        test::LoopbackHttpServer server("EROARE");
        sendTo(server);
        QVERIFY(!whileOpen([this] {
            fillAccepted();
            QTest::mouseClick(button("TrimiteBut"), Qt::LeftButton);
        }));
        QVERIFY(dialog_->sendAttempted() && !dialog_->sendSucceeded());
        QCOMPARE(int(shown().size()), 1);
        QCOMPARE(shown()[0].caption, QString("Transmitere Sugestie"));
        QCOMPARE(shown()[0].text,
                 QString("Mesajul nu poate fi transmis!\rVerificati daca aveti internet sau daca nu "
                         "ati restrictionat accesul la internet al programului!"));
        QCOMPARE(shown()[0].kind, MessageKind::Error);
        QCOMPARE(IniFile(settings().machineFile()).read("56", "SugestieNume"), QString());

        QVERIFY(!whileOpen([this] {
            QCOMPARE(field("nume")->text(), QString("Ion Popescu"));
            QCOMPARE(field("telefon_fax")->text(), QString("0722222777"));
            QCOMPARE(field("mail")->text(), QString("ion@primaria.ro"));
            QCOMPARE(produs()->toPlainText(), QString("Pret {nou}\nlinia doi"));
        }));
    }

    void whileTheRequestRunsTheProgressWindowShowsOverADisabledDialogUntilTheTimeOut()
    {
        test::LoopbackHttpServer server("SUCCES", test::LoopbackHttpServer::Mode::Silent);
        sendTo(server);
        dialog_->setTimeout(600ms);
        bool seen = false;
        QVERIFY(!whileOpen([&] {
            fillAccepted();
            QTimer::singleShot(200, dialog_.get(), [&] {
                seen = true;
                QVERIFY(ui_->progress.isVisible());
                QCOMPARE(ui_->progress.caption(), QString("Transmit mesajul..."));
                QVERIFY(!dialog_->isEnabled());
                test::saveScreenshot(&ui_->progress, "suggestion_sending");
            });
            QTest::mouseClick(button("TrimiteBut"), Qt::LeftButton);
        }));
        QVERIFY(seen);  // the event loop ran while the request waited
        QVERIFY(!ui_->progress.isVisible());
        QVERIFY(dialog_->isEnabled());
        QCOMPARE(int(shown().size()), 1);
        QCOMPARE(shown()[0].kind, MessageKind::Error);
        QCOMPARE(server.requests().size(), 1);
    }
};

}  // namespace velmar

QTEST_MAIN(velmar::SuggestionDialogTest)
#include "test_suggestion_dialog.moc"
