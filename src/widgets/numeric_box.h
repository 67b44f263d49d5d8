// The numeric box: a line edit that takes only digits within its limits, so that a typed value always fits
// the dBase column it is stored in.
#pragma once

#include <QStringView>

class QLineEdit;

namespace velmar {

struct DbfField;

struct NumericLimits {
    int integerDigits;  // before the point
    int decimals;       // after it; 0: no point
    bool signAllowed = false;
};

enum class Sign { Refused, Allowed };

// What an N(width, decimals) column holds: the width counts the point when there are decimals, and a minus
// sign when one is allowed.
NumericLimits numericLimitsOf(const DbfField& column, Sign sign = Sign::Refused);
// The same for a column of a permanent table, by name.
NumericLimits numericLimitsOf(QStringView table, QStringView column, Sign sign = Sign::Refused);

// Digits, a "." and decimals when the limits have any, a leading "-" when they allow it; "", "." and ".5"
// are taken while typing.
void limitNumericBox(QLineEdit* box, NumericLimits limits);

}  // namespace velmar
