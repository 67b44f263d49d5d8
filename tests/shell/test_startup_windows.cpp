// The splash window and the single-copy channel, driven without a display.
#include "platform/single_instance.h"
#include "shell/splash_window.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QUuid>
#include <QtTest>

using namespace velmar;

class TestStartupWindows : public QObject {
    Q_OBJECT

private slots:
    void splashShowsTheProgramAndItsVersion();
    void splashFollowsStartup();
    void aLaterCopyBringsTheFirstForward();
    void aMinimisedWindowIsRestored();
    void screenshot();
};

void TestStartupWindows::splashShowsTheProgramAndItsVersion()
{
    SplashWindow splash;
    splash.showPainted();
    QCOMPARE(splash.windowTitle(), QString("Velmar"));
    QCOMPARE(splash.findChild<QLabel*>("TitleL")->text(), QString("Velmar"));
    QCOMPARE(splash.findChild<QLabel*>("VersionL")->text(), QString("ver. 1.0006"));
    QCOMPARE(splash.findChild<QLabel*>("StatusL")->text(), QString("Incarcare date"));
    QCOMPARE(splash.findChild<QProgressBar*>("Bar")->maximum(), 100);
    QCOMPARE(splash.cursor().shape(), Qt::WaitCursor);

    QCOMPARE(splash.minimumSize(), splash.maximumSize());
    const Qt::WindowFlags flags = splash.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    // Centred, give or take the window frame.
    QVERIFY((splash.geometry().center() - splash.screen()->availableGeometry().center()).manhattanLength() <= 8);
}

void TestStartupWindows::splashFollowsStartup()
{
    SplashWindow splash;
    StartupProgress& progress = splash;
    auto* bar = splash.findChild<QProgressBar*>("Bar");

    progress.showStatus("Verific baza de date ...");
    QCOMPARE(splash.findChild<QLabel*>("StatusL")->text(), QString("Verific baza de date ..."));
    bar->setValue(60);
    progress.resetBar(24);
    QCOMPARE(bar->maximum(), 24);
    QCOMPARE(bar->value(), 0);
    for (int i = 0; i < 30; ++i)
        progress.stepBar();
    QCOMPARE(bar->value(), 24);  // never past the end
}

void TestStartupWindows::aLaterCopyBringsTheFirstForward()
{
    const QString channel = "velmar-test-" + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(channel);
    QVERIFY(!first.handOverToRunningCopy());
    QSignalSpy comeForward(&first, &SingleInstance::comeForwardRequested);

    SingleInstance second(channel);
    QVERIFY(second.handOverToRunningCopy());
    QVERIFY(comeForward.wait(5000));

    // A channel left behind by a copy that died does not stop the next one.
    const QString stale = "velmar-test-" + QUuid::createUuid().toString(QUuid::Id128);
    QFile leftOver(QDir::temp().filePath(stale));
    QVERIFY(leftOver.open(QIODevice::WriteOnly));
    leftOver.close();
    SingleInstance next(stale);
    QVERIFY(!next.handOverToRunningCopy());
    SingleInstance after(stale);
    QVERIFY(after.handOverToRunningCopy());
}

void TestStartupWindows::aMinimisedWindowIsRestored()
{
    QWidget window;
    window.showMinimized();
    QVERIFY(window.isMinimized());
    BringForward(window);
    QVERIFY(!window.isMinimized());
    QVERIFY(window.isVisible());
}

// A picture of the splash for a person to look at; only when VELMAR_SCREENSHOTS names a folder.
void TestStartupWindows::screenshot()
{
    const QString folder = qEnvironmentVariable("VELMAR_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("VELMAR_SCREENSHOTS is not set");
    QVERIFY(QDir().mkpath(folder));
    SplashWindow splash;
    splash.showPainted();
    static_cast<StartupProgress&>(splash).showStatus("Verific baza de date ...");
    static_cast<StartupProgress&>(splash).resetBar(24);
    for (int i = 0; i < 9; ++i)
        static_cast<StartupProgress&>(splash).stepBar();
    QVERIFY(splash.grab().save(QDir(folder).filePath("splash_window.png")));
}

QTEST_MAIN(TestStartupWindows)
#include "test_startup_windows.moc"
