// Rounding rules for amounts and number fields, and locale-free number text.
#include "store/rounding.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace velmar {
namespace {

// Room for the longest shortest-fixed text: a sign and 309 integer digits for DBL_MAX, or a sign,
// "0.", 323 zeros and up to 17 significant digits for the smallest subnormals.
constexpr std::size_t kFixedTextCapacity = 400;

// Shortest round-tripping text of a finite value in fixed notation, written into buffer.
std::string_view shortestFixed(double value, char (&buffer)[kFixedTextCapacity])
{
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed);
    return {std::begin(buffer), result.ptr};
}

}  // namespace

std::int64_t RoundHalfUp(double value)
{
    const double whole = std::trunc(value + 0.5);
    if (std::isnan(whole))
        return 0;
    // 2^63 is exact in a double; int64 covers [-2^63, 2^63).
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (whole >= kTwoTo63)
        return std::numeric_limits<std::int64_t>::max();
    if (whole < -kTwoTo63)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(whole);
}

std::optional<std::int64_t> scaleRoundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value) || decimals < 0 || decimals > 15)
        return std::nullopt;
    char buffer[kFixedTextCapacity];
    std::string_view text = shortestFixed(value, buffer);
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);

    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);

    // Magnitude limit: |INT64_MIN| for negatives, INT64_MAX otherwise.
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    std::uint64_t magnitude = 0;
    auto append = [&](char digit) {
        const auto d = static_cast<std::uint64_t>(digit - '0');
        if (magnitude > (limit - d) / 10)
            return false;
        magnitude = magnitude * 10 + d;
        return true;
    };
    for (const char digit : whole) {
        if (!append(digit))
            return std::nullopt;
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(decimals); ++i) {
        if (!append(i < fraction.size() ? fraction[i] : '0'))
            return std::nullopt;
    }
    // The first dropped digit alone says whether the rest is half or more. Digits are dropped
    // only when all kept ones came from the text, at most 17 significant: no overflow here.
    if (static_cast<std::size_t>(decimals) < fraction.size() && fraction[decimals] >= '5')
        ++magnitude;
    return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

QString formatNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    char buffer[kFixedTextCapacity];
    const std::string_view text = shortestFixed(value, buffer);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace velmar
