// The balloon notice as the window tests see it.
#include "support/balloon.h"

#include <QLabel>
#include <QWidget>

namespace velmar::test {

QWidget* shownBalloon(QWidget* window)
{
    for (QWidget* balloon : window->findChildren<QWidget*>(QStringLiteral("ProblemBalloon")))
        if (balloon->isVisible())
            return balloon;
    return nullptr;
}

QString balloonText(QWidget* window)
{
    const QWidget* balloon = shownBalloon(window);
    return balloon ? balloon->findChild<QLabel*>(QStringLiteral("ProblemText"))->text() : QString();
}

bool pointsAt(const QWidget* balloon, const QWidget* control)
{
    const QRect b = balloon->geometry();
    const QPoint top = control->mapToGlobal(QPoint(control->width() / 2, 0));
    const QPoint bottom = control->mapToGlobal(QPoint(control->width() / 2, control->height()));
    const bool below = b.top() == bottom.y();
    const bool above = b.top() + b.height() == top.y();
    return (below || above) && b.left() < top.x() && top.x() < b.right();
}

}  // namespace velmar::test
