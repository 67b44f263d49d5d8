// Tests of the message dialog, the balloon notice and the progress window, driven as a user would.
#include "app/message_layout.h"
#include "widgets/message_dialog.h"
#include "widgets/problem_balloon.h"
#include "widgets/progress_window.h"

#include <QApplication>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace velmar;

namespace {

const QStringList kButtonNames{"DaBut", "NuBut", "RenuntBut", "OkBut"};

// What a running Mesaj showed, read while the dialog was up.
struct Seen {
    QString title;
    QString heading;
    QString body;
    QStringList shown;  // object names of the visible buttons, left to right
    QList<int> lefts;
    QList<int> widths;
    int bandWidth = 0;
};

Seen look(MessageDialog& dialog)
{
    Seen seen;
    seen.title = dialog.windowTitle();
    seen.heading = dialog.findChild<QLabel*>("Heading")->text();
    seen.body = dialog.findChild<QLabel*>("Body")->text();
    seen.bandWidth = dialog.findChild<QWidget*>("BottomBand")->width();
    for (const QString& name : kButtonNames) {
        auto* button = dialog.findChild<QPushButton*>(name);
        if (!button->isVisible())
            continue;
        seen.shown << name;
        seen.lefts << button->x();
        seen.widths << button->width();
    }
    return seen;
}

// Runs Mesaj and, once the dialog is up, hands it to `act`, which must end it.
int runMesaj(MessageDialog& dialog, const QString& caption, const QString& text, int buttons, MessageKind kind,
             const std::function<void()>& act)
{
    QTimer::singleShot(0, &dialog, act);
    return dialog.Mesaj(caption, text, buttons, kind);
}

QWidget* shownBalloon()
{
    QWidget* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("ProblemBalloon") && widget->isVisible()) {
            if (found)
                return nullptr;  // two at once is as wrong as none
            found = widget;
        }
    }
    return found;
}

bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

}  // namespace

class TestMessages : public QObject {
    Q_OBJECT
private slots:
    void buttonLayout_data();
    void buttonLayout();
    void kindLook_data();
    void kindLook();
    void bodyBreaksLinesOnEveryLineEnd();

    void answer_data();
    void answer();
    void noButtonsAnswersCancelWithoutShowing();

    void progressBlocksTheActiveWindowUntilStop();
    void progressRestartKeepsTheFirstWindow();
    void progressBarShowsPercentOfMaximum_data();
    void progressBarShowsPercentOfMaximum();

    void balloonPointsAtTheControl_data();
    void balloonPointsAtTheControl();
    void balloonIsReplacedAndClosesItself();

    void screenshots();

private:
    // One dialog for every case, as the program reuses one: each answer must undo what the previous set up.
    MessageDialog dialog_;
};

void TestMessages::buttonLayout_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("lefts");
    QTest::newRow("one") << 1 << QList<int>{134};
    QTest::newRow("two") << 2 << QList<int>{65, 203};
    QTest::newRow("three") << 3 << QList<int>{30, 133, 236};
    QTest::newRow("four") << 4 << QList<int>{10, 93, 176, 259};
}

void TestMessages::buttonLayout()
{
    QFETCH(int, count);
    QFETCH(QList<int>, lefts);
    QList<int> got;
    for (int rank = 1; rank <= count; ++rank)
        got << messageButtonLeft(count, rank);
    QCOMPARE(got, lefts);
    QVERIFY(got.last() + kMessageButtonWidth <= kMessageBandWidth);
}

void TestMessages::kindLook_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<uint>("left");
    QTest::addColumn<uint>("right");
    QTest::addColumn<bool>("beeps");
    QTest::newRow("warning") << 0 << "Atentie !" << 0xB7B18Au << 0x383623u << false;
    QTest::newRow("error") << 1 << "Eroare" << 0xFFD5D5u << 0xFF0000u << true;
    QTest::newRow("information") << 2 << "Informatie" << 0xE1DEFAu << 0x0000BBu << false;
    QTest::newRow("confirmation") << 3 << "Confirmare" << 0x81A2D3u << 0x365F9Cu << false;
    QTest::newRow("unknown value is an error") << 9 << "Eroare" << 0xFFD5D5u << 0xFF0000u << true;
}

void TestMessages::kindLook()
{
    QFETCH(int, kind);
    const MessageKindLook got = messageKindLook(static_cast<MessageKind>(kind));
    QTEST(got.title, "title");
    QTEST(uint(got.bandLeft), "left");
    QTEST(uint(got.bandRight), "right");
    QTEST(got.beeps, "beeps");
}

void TestMessages::bodyBreaksLinesOnEveryLineEnd()
{
    QCOMPARE(messageBodyText("        ATENTIE!\r\nNu aveti nici o parola!"),
             "        ATENTIE!\nNu aveti nici o parola!");
    QCOMPARE(messageBodyText("a\rb\r\n\r\nc\n"), "a\nb\n\nc\n");
}

void TestMessages::answer_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("action");  // a button's object name, "Esc" or "Close"
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<int>>("lefts");

    const QStringList yesNo{"DaBut", "NuBut"};
    QTest::newRow("Nu among all four, unknown kind")
        << 15 << 9 << "NuBut" << 7 << "Eroare" << kButtonNames << QList<int>{10, 93, 176, 259};
    QTest::newRow("Da on yes+no confirmation")
        << 3 << 3 << "DaBut" << 6 << "Confirmare" << yesNo << QList<int>{65, 203};
    QTest::newRow("Esc on yes+no warning") << 3 << 0 << "Esc" << 2 << "Atentie !" << yesNo << QList<int>{65, 203};
    QTest::newRow("OK on error") << 4 << 1 << "OkBut" << 1 << "Eroare" << QStringList{"OkBut"} << QList<int>{134};
    QTest::newRow("title-bar close on information")
        << 4 << 2 << "Close" << 2 << "Informatie" << QStringList{"OkBut"} << QList<int>{134};
    QTest::newRow("Renunt before OK, whatever the bit order")
        << 12 << 0 << "RenuntBut" << 2 << "Atentie !" << QStringList{"RenuntBut", "OkBut"} << QList<int>{65, 203};
}

void TestMessages::answer()
{
    QFETCH(int, buttons);
    QFETCH(int, kind);
    QFETCH(QString, action);
    QFETCH(int, result);

    Seen seen;
    const int got = runMesaj(dialog_, "Stergere Penalitate", "Prima linie\r\na doua\ra treia", buttons,
                             static_cast<MessageKind>(kind), [&] {
                                 seen = look(dialog_);
                                 if (action == QLatin1String("Esc"))
                                     QTest::keyClick(&dialog_, Qt::Key_Escape);
                                 else if (action == QLatin1String("Close"))
                                     dialog_.close();
                                 else
                                     QTest::mouseClick(dialog_.findChild<QPushButton*>(action), Qt::LeftButton);
                             });

    QCOMPARE(got, result);
    QVERIFY(!dialog_.isVisible());
    QTEST(seen.title, "title");
    QCOMPARE(seen.heading, "Stergere Penalitate");
    QCOMPARE(seen.body, "Prima linie\na doua\na treia");
    QTEST(seen.shown, "shown");
    QTEST(seen.lefts, "lefts");
    QCOMPARE(seen.widths, QList<int>(seen.shown.size(), kMessageButtonWidth));
    QVERIFY(seen.bandWidth >= kMessageBandWidth);
}

void TestMessages::noButtonsAnswersCancelWithoutShowing()
{
    bool shown = false;
    for (int buttons : {0, 16}) {
        const int got = runMesaj(dialog_, "Greseala!", "PAROLA INCORECTA !", buttons, MessageKind::Error, [&] {
            shown = shown || dialog_.isVisible();
            dialog_.reject();
        });
        QCOMPARE(got, MessageResult::Cancel);
    }
    QCoreApplication::processEvents();
    QVERIFY(!shown);
}

void TestMessages::progressBlocksTheActiveWindowUntilStop()
{
    QWidget beneath;
    QVERIFY(showActive(beneath));
    ProgressWindow counter;
    counter.setCaption("Calculez restantele...");
    counter.setMaximum(3);

    counter.CounterStart();
    QVERIFY(counter.isShown());
    QVERIFY(!beneath.isEnabled());
    QCOMPARE(beneath.cursor().shape(), Qt::WaitCursor);
    QCOMPARE(counter.findChild<QLabel*>("Descr")->text(), "Calculez restantele...");

    for (int i = 0; i < 5; ++i)
        counter.CounterStep();
    QCOMPARE(counter.position(), 3);
    QCOMPARE(counter.findChild<QProgressBar*>("Bar")->value(), 100);

    counter.CounterStop();
    QVERIFY(!counter.isShown());
    QVERIFY(beneath.isEnabled());
    QCOMPARE(beneath.cursor().shape(), Qt::ArrowCursor);
    QTRY_COMPARE(QApplication::activeWindow(), &beneath);

    // Stopping a hidden counter leaves everything as it is.
    beneath.setEnabled(false);
    counter.CounterStop();
    QVERIFY(!beneath.isEnabled());
}

void TestMessages::progressRestartKeepsTheFirstWindow()
{
    QWidget first;
    QVERIFY(showActive(first));
    ProgressWindow counter;
    counter.CounterStart();
    counter.CounterStep();
    counter.CounterStep();

    QWidget second;
    QVERIFY(showActive(second));
    counter.CounterStart();
    QCOMPARE(counter.position(), 0);
    QCOMPARE(counter.findChild<QProgressBar*>("Bar")->value(), 0);
    QVERIFY(second.isEnabled());

    counter.CounterStop();
    QVERIFY(first.isEnabled());
    QCOMPARE(first.cursor().shape(), Qt::ArrowCursor);
}

void TestMessages::progressBarShowsPercentOfMaximum_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("percent");
    QTest::newRow("default maximum") << 100 << 40 << 40;
    QTest::newRow("larger maximum") << 250 << 100 << 40;
    QTest::newRow("whole percents only") << 3 << 2 << 66;
    QTest::newRow("full") << 7 << 7 << 100;
    QTest::newRow("no work at all") << 0 << 0 << 0;
}

void TestMessages::progressBarShowsPercentOfMaximum()
{
    QFETCH(int, maximum);
    QFETCH(int, position);
    QFETCH(int, percent);
    ProgressWindow counter;
    counter.setMaximum(maximum);
    counter.setPosition(position);
    auto* bar = counter.findChild<QProgressBar*>("Bar");
    QCOMPARE(bar->value(), percent);
    QCOMPARE(bar->text(), QStringLiteral("%1%").arg(percent));
}

void TestMessages::balloonPointsAtTheControl_data()
{
    QTest::addColumn<bool>("nearBottom");
    QTest::addColumn<bool>("nearRight");
    QTest::newRow("room below") << false << false;
    QTest::newRow("screen bottom: above the control") << true << false;
    QTest::newRow("screen right edge: kept on screen") << false << true;
}

void TestMessages::balloonPointsAtTheControl()
{
    QFETCH(bool, nearBottom);
    QFETCH(bool, nearRight);
    const QRect area = QApplication::primaryScreen()->availableGeometry();
    QWidget form(nullptr, Qt::FramelessWindowHint);
    form.resize(200, 60);
    auto* edit = new QLineEdit(&form);
    edit->setGeometry(10, 20, 180, 24);
    form.move(nearRight ? area.right() - form.width() : area.left() + 100,
              nearBottom ? area.bottom() - form.height() : area.top() + 100);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    ShowProblem("Nume incorect!", edit);
    QWidget* balloon = shownBalloon();
    QVERIFY(balloon);
    QCOMPARE(balloon->findChild<QLabel*>("ProblemTitle")->text(), "Problema !");
    QCOMPARE(balloon->findChild<QLabel*>("ProblemText")->text(), "Nume incorect!");
    QCOMPARE(balloon->width(), 300);

    const QRect at = balloon->geometry();
    QVERIFY(area.contains(at));
    const QPoint below = edit->mapToGlobal(QPoint(edit->width() / 2, edit->height()));
    if (nearBottom)
        QCOMPARE(at.bottom() + 1, edit->mapToGlobal(QPoint(0, 0)).y());
    else
        QCOMPARE(at.top(), below.y());
    QVERIFY(at.left() < below.x() && below.x() < at.right());
    delete balloon;
}

void TestMessages::balloonIsReplacedAndClosesItself()
{
    QWidget form;
    auto* edit = new QLineEdit(&form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    ShowProblem("Nume incorect!", edit);
    QPointer<QWidget> first = shownBalloon();
    QVERIFY(first);
    QTimer* life = first->findChild<QTimer*>();
    QVERIFY(life && life->isActive() && life->isSingleShot());
    QCOMPARE(life->interval(), 5000);

    ShowProblem("Nu aveti ce sterge!", edit);
    QTRY_VERIFY(first.isNull());
    QPointer<QWidget> second = shownBalloon();
    QVERIFY(second);
    QCOMPARE(second->findChild<QLabel*>("ProblemText")->text(), "Nu aveti ce sterge!");

    // Let the five seconds pass at once.
    second->findChild<QTimer*>()->start(0);
    QTRY_VERIFY(second.isNull());
}

// Pictures of each window for a person to look at; only when VELMAR_SCREENSHOTS names a folder.
void TestMessages::screenshots()
{
    const QString folder = qEnvironmentVariable("VELMAR_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("VELMAR_SCREENSHOTS is not set");
    QVERIFY(QDir().mkpath(folder));
    const auto save = [&](const QPixmap& picture, const QString& name) {
        QVERIFY(picture.save(QDir(folder).filePath(name + ".png")));
    };

    struct Message {
        QString file, caption, text;
        int buttons;
        MessageKind kind;
    };
    const QList<Message> messages{
        {"message_confirmation", "Stergere Penalitate", "Doriti sa stergeti Penalitatea selectata?",
         MessageButton::Yes | MessageButton::No, MessageKind::Confirmation},
        {"message_error", "Greseala!", "PAROLA INCORECTA !", MessageButton::Ok, MessageKind::Error},
        {"message_warning", "Administrare", "        ATENTIE!\r\nNu aveti nici o parola!", MessageButton::Ok,
         MessageKind::Warning},
        {"message_information", "Transmitere Sugestie",
         "Mesajul a fost transmis!\r\nRaspunsul il veti primi in curand in emailul dvs. sau la telefon.\r\nVa "
         "multumim!",
         MessageButton::Ok, MessageKind::Information},
        {"message_longest", "Conectare server",
         "Baza de date /mnt/server/Primaria Comunei/Velmar/Date\rNU este accesibila sau este incompleta!\r"
         "Verificati conexiunea si baza si reporniti programul!",
         MessageButton::Ok, MessageKind::Error},
    };
    for (const Message& m : messages) {
        runMesaj(dialog_, m.caption, m.text, m.buttons, m.kind, [&] {
            save(dialog_.grab(), m.file);
            dialog_.reject();
        });
    }

    QWidget form;
    form.setWindowTitle("Contract");
    auto* fields = new QFormLayout(&form);
    auto* name = new QLineEdit("Popescu 3");
    fields->addRow("Nume:", name);
    fields->addRow("Adresa:", new QLineEdit("Str. Morii 12"));
    form.resize(360, 140);
    form.move(100, 100);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ShowProblem("Nume incorect!", name);
    QWidget* balloon = shownBalloon();
    QVERIFY(balloon);
    const QRect both = form.frameGeometry().united(balloon->geometry()).adjusted(-10, -10, 10, 10);
    QPixmap scene(both.size());
    scene.fill(Qt::white);
    {
        QPainter painter(&scene);
        painter.drawPixmap(form.geometry().topLeft() - both.topLeft(), form.grab());
        painter.drawPixmap(balloon->geometry().topLeft() - both.topLeft(), balloon->grab());
    }
    save(scene, "problem_balloon");
    delete balloon;

    ProgressWindow counter;
    counter.setCaption("Actualizez ratele...");
    counter.CounterStart();
    counter.setPosition(40);
    save(counter.grab(), "progress_window");
    counter.CounterStop();
}

QTEST_MAIN(TestMessages)
#include "test_messages.moc"
