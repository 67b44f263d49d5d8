// Rounding of computed amounts and the number text that goes into statements and settings.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace velmar {

// The whole part, towards zero, of value + 0.5: 2.5 -> 3, -2.5 -> -2. This is how every computed
// amount (penalties, indexed installments) becomes whole lei. Saturates outside int64; NaN gives 0.
std::int64_t RoundHalfUp(double value);

// value * 10^decimals rounded half away from zero, as a number field with that many decimals
// stores it. Ties are judged on the shortest decimal text of the value, so 2.675 (a little below
// 2.675 in binary) still gives 268 at two decimals. nullopt for NaN, infinity, a result beyond
// int64 or decimals outside 0..15.
std::optional<std::int64_t> scaleRoundHalfAway(double value, int decimals);

// Shortest text that reads back as the same double: "." separator, no exponent, no grouping,
// no trailing ".0" ("5", "-3", "0.1", "1234567.25"). Zero, negative zero included, is "0".
QString formatNumber(double value);

}  // namespace velmar
