// Finding the balloon notice a window shows, for the window tests.
#pragma once

#include <QString>

class QWidget;

namespace velmar::test {

// The balloon shown over `window`, nullptr when none is.
QWidget* shownBalloon(QWidget* window);
// Its message, empty when none is shown.
QString balloonText(QWidget* window);
// The balloon's tail touches the middle of the control's lower edge, or of its upper edge when there is
// no room below it.
bool pointsAt(const QWidget* balloon, const QWidget* control);

}  // namespace velmar::test
