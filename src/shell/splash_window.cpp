// The splash window.
#include "shell/splash_window.h"

#include "app/version.h"
#include "ui_splash_window.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QScreen>
#include <QThread>
#include <QWindow>

namespace velmar {

SplashWindow::SplashWindow(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::SplashWindow>())
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("SplashWindow"));
    // A caption without buttons: start-up cannot be closed or put aside half-way.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setCursor(Qt::WaitCursor);
    ui->VersionL->setText(QStringLiteral("ver. ") + versionText().leftJustified(6, u'0'));
    move(screen()->availableGeometry().center() - rect().center());
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::showPainted()
{
    show();
    const QDeadlineTimer deadline(1000);
    while (!windowHandle()->isExposed() && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    repaint();
}

// Start-up runs without returning to the event loop: each change is painted at once.
void SplashWindow::showStatus(const QString& text)
{
    ui->StatusL->setText(text);
    ui->StatusL->repaint();
}

void SplashWindow::resetBar(int maximum)
{
    ui->Bar->setRange(0, maximum);
    ui->Bar->setValue(0);
    ui->Bar->repaint();
}

void SplashWindow::stepBar()
{
    if (ui->Bar->value() < ui->Bar->maximum())
        ui->Bar->setValue(ui->Bar->value() + 1);
    ui->Bar->repaint();
}

}  // namespace velmar
