// The balloon notice next to a field whose value is wrong or missing.
#pragma once

#include <QString>

class QWidget;

namespace velmar {

// Shows "Problema !" with `text` in a balloon pointing at `control`, replacing one still shown; returns at
// once and the balloon closes itself after five seconds.
void ShowProblem(const QString& text, QWidget* control);

}  // namespace velmar
