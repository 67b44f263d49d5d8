// The progress counter window.
#include "widgets/progress_window.h"

#include "ui_progress_window.h"
#include "widgets/window_placement.h"

#include <QApplication>

namespace velmar {
namespace {

// Long work runs on the interface thread: let the screen catch up without taking the user's clicks.
void repaintNow() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent), ui_(std::make_unique<::Ui::ProgressWindow>())
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    ui_->Bar->setRange(0, 100);
}

ProgressWindow::~ProgressWindow() = default;

QString ProgressWindow::caption() const { return ui_->Descr->text(); }

void ProgressWindow::setCaption(const QString& caption)
{
    ui_->Descr->setText(caption);
    repaintNow();
}

void ProgressWindow::setPosition(int position)
{
    position_ = position;
    showPosition();
}

void ProgressWindow::setMaximum(int maximum)
{
    maximum_ = maximum;
    showPosition();
}

void ProgressWindow::CounterStart()
{
    setPosition(0);
    if (isVisible())
        return;
    blocked_ = QApplication::activeWindow();
    if (blocked_) {
        blocked_->setEnabled(false);
        blocked_->setCursor(Qt::WaitCursor);
    }
    show();
    repaintNow();
}

void ProgressWindow::CounterStep()
{
    if (position_ < maximum_)
        setPosition(position_ + 1);
}

void ProgressWindow::CounterStop()
{
    if (!isVisible())
        return;
    hide();
    if (blocked_) {
        blocked_->setEnabled(true);
        blocked_->unsetCursor();
        if (blocked_->isVisible())
            blocked_->activateWindow();
    }
    blocked_ = nullptr;
}

void ProgressWindow::showEvent(QShowEvent* event)
{
    // Also when a caller shows the window itself rather than through CounterStart.
    centreOnScreen(this);
    QWidget::showEvent(event);
}

// The bar shows whole percents of the maximum, whatever the maximum is.
void ProgressWindow::showPosition()
{
    const int percent = maximum_ > 0 ? static_cast<int>(qint64(position_) * 100 / maximum_) : 0;
    ui_->Bar->setValue(qBound(0, percent, 100));
    repaintNow();
}

}  // namespace velmar
