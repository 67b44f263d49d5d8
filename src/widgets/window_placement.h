// Where windows and dialogs appear: centred on their screen, or over the window that opens them.
#pragma once

class QWidget;

namespace velmar {

void centreOnScreen(QWidget* window);

// Called before each showing: the first time the window is centred on its screen and made at most as large;
// once it has been placed, by this or by the user, it stays where it is.
void centreOnFirstShow(QWidget* window);

// A dialog opens over the window that opens it, wherever that window has been moved.
void centreOver(QWidget* dialog, const QWidget* owner);

}  // namespace velmar
