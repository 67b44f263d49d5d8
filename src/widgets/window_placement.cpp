// Placing windows.
#include "widgets/window_placement.h"

#include <QScreen>
#include <QWidget>

namespace velmar {

void centreOnScreen(QWidget* window)
{
    window->move(window->screen()->availableGeometry().center() - window->rect().center());
}

void centreOnFirstShow(QWidget* window)
{
    if (window->testAttribute(Qt::WA_Moved))
        return;
    window->resize(window->size().boundedTo(window->screen()->availableGeometry().size()));
    centreOnScreen(window);
}

void centreOver(QWidget* dialog, const QWidget* owner)
{
    dialog->move(owner->geometry().center() - dialog->rect().center());
}

}  // namespace velmar
