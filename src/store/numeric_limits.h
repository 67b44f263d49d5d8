// What a numeric column can hold, as limits a typed value must keep: digits before the point, decimals, sign.
// The boxes of the dialogs take their limits from here, and the command-line tool refuses what they refuse.
#pragma once

#include <QString>
#include <QStringView>

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
// The same for a column of a permanent table, by name; StoreError for a column no table has.
NumericLimits numericLimitsOf(QStringView table, QStringView column, Sign sign = Sign::Refused);

// Typed text within the limits: digits, a "." and decimals when the limits have any, a leading "-" when
// they allow it ("", "." and ".5" included).
bool fitsNumericLimits(const QString& text, NumericLimits limits);

// Whether `value`, rounded half away from zero to the column's decimals as the store rounds it, still fits
// the column: a value typed with decimals into a whole-number column can round up by one digit.
bool fitsColumn(double value, const DbfField& column);

}  // namespace velmar
