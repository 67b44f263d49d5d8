// What each box of the contract dialog lets the user type. The dialog sets its boxes from these limits;
// the command-line tool, which has no boxes, refuses what they would not take.
#pragma once

#include <QString>

namespace velmar {

struct NumericBox {
    int integerDigits;
    int decimals;
};
inline constexpr NumericBox kNrConBox{12, 0};
inline constexpr NumericBox kNrRateBox{12, 0};
inline constexpr NumericBox kSuprafTBox{10, 4};
inline constexpr NumericBox kRataBox{10, 4};

// Digits within the box's limits, with a "." and decimals when it has any ("", "." and ".5" included).
bool fitsNumericBox(const QString& text, NumericBox box);

struct TextBox {
    int maxLength;
    bool upperCase;  // typed letters become capitals as they are typed
};
inline constexpr TextBox kNumeBox{50, true};
inline constexpr TextBox kCnpBox{13, true};
inline constexpr TextBox kRolBox{9, true};
inline constexpr TextBox kAdresaBox{80, true};
inline constexpr TextBox kLocBox{24, true};
inline constexpr TextBox kObsBox{240, false};

}  // namespace velmar
