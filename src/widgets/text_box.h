// A single-line text box that takes at most so many characters and, where the form asks for it, turns
// letters to capitals as they are typed.
#pragma once

class QLineEdit;

namespace velmar {

void limitTextBox(QLineEdit* box, int maxLength, bool upperCase);

}  // namespace velmar
