// How the settings files hold numbers: written as their shortest decimal text, read back with
// four decimals (the value times 10000 as a whole number).
#pragma once

#include <QString>

namespace velmar {

QString numberText(double value);  // 5 -> "5", 1.0006 -> "1.0006"; "." separator, no exponent

// The stored number times 10000, rounded to the nearest whole with halves to the even neighbour,
// judged on the decimal text itself. Blanks around it are allowed; a text that is not a
// number (missing, empty, "12abc", "1,5") or one too large for the result reads as 0.
qint64 numberValue(const QString& text);

}  // namespace velmar
