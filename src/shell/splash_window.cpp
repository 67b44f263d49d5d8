// The splash window.
#include "shell/splash_window.h"

#include "app/version.h"
#include "ui_splash_window.h"
#include "widgets/window_placement.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QWindow>

namespace velmar {

SplashWindow::SplashWindow(QWidget* parent) : QDialog(parent), ui_(std::make_unique<::Ui::SplashWindow>())
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("SplashWindow"));
    // A caption without buttons: start-up cannot be closed or put aside half-way.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setCursor(Qt::WaitCursor);
    ui_->VersionL->setText(QStringLiteral("ver. ") + versionText().leftJustified(6, u'0'));
    centreOnScreen(this);
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
    ui_->StatusL->setText(text);
    ui_->StatusL->repaint();
}

void SplashWindow::resetBar(int maximum)
{
    ui_->Bar->setRange(0, maximum);
    ui_->Bar->setValue(0);
    ui_->Bar->repaint();
}

void SplashWindow::stepBar()
{
    if (ui_->Bar->value() < ui_->Bar->maximum())
        ui_->Bar->setValue(ui_->Bar->value() + 1);
    ui_->Bar->repaint();
}

}  // namespace velmar
