// What each box of the contract dialog lets the user type. The dialog sets its boxes from these limits;
// the command-line tool, which has no boxes, refuses what they would not take.
#pragma once

#include "store/numeric_limits.h"

namespace velmar {

// Each number box takes what its Contract column holds, so that nothing typed is lost to the store.
NumericLimits nrConBox();
NumericLimits nrRateBox();
NumericLimits suprafTBox();
// RATA holds whole lei, but the installment has always been typed with up to four decimals: the store rounds
// it, and the checks refuse a value that rounds past the column.
NumericLimits rataBox();

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
