// The numeric box: a line edit that takes only digits within its limits, so that a typed value always fits
// the dBase column it is stored in.
#pragma once

#include "store/numeric_limits.h"

class QLineEdit;

namespace velmar {

// Digits, a "." and decimals when the limits have any, a leading "-" when they allow it; "", "." and ".5"
// are taken while typing.
void limitNumericBox(QLineEdit* box, NumericLimits limits);

}  // namespace velmar
