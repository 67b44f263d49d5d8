// Number text of the settings files. Reading works on the decimal digits, because a tie such as
// 0.00005 is not a tie any more once the text has become a binary double.
#include "store/settings_number.h"

#include "store/rounding.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace velmar {
namespace {

constexpr int kDecimals = 4;
// Beyond this an exponent only decides between zero and too large; capping it keeps sums small.
constexpr qint64 kExponentCap = 100000;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A number as digits × 10^exponent: [+-]digits[.digits][(e|E)[+-]digits], at least one digit
// before the exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    qint64 exponent = 0;
};

std::optional<Decimal> parseDecimal(const QString& text)
{
    Decimal number;
    qsizetype i = 0;
    const qsizetype size = text.size();
    if (i < size && (text[i] == u'+' || text[i] == u'-'))
        number.negative = text[i++] == u'-';
    for (; i < size && isDigit(text[i]); ++i)
        number.digits += static_cast<char>(text[i].unicode());
    if (i < size && text[i] == u'.') {
        for (++i; i < size && isDigit(text[i]); ++i) {
            number.digits += static_cast<char>(text[i].unicode());
            --number.exponent;
        }
    }
    if (number.digits.empty())
        return std::nullopt;
    if (i < size && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < size && (text[i] == u'+' || text[i] == u'-'))
            negativeExponent = text[i++] == u'-';
        const qsizetype start = i;
        qint64 exponent = 0;
        for (; i < size && isDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + text[i].digitValue(), kExponentCap);
        if (i == start)
            return std::nullopt;
        number.exponent += negativeExponent ? -exponent : exponent;
    }
    if (i != size)
        return std::nullopt;
    return number;
}

// digits × 10^shift rounded half to even, or nullopt beyond int64.
std::optional<qint64> roundHalfEven(const std::string& digits, qint64 shift)
{
    constexpr auto kLimit = static_cast<quint64>(std::numeric_limits<qint64>::max());
    quint64 magnitude = 0;
    auto append = [&](char digit) {
        const auto d = static_cast<quint64>(digit - '0');
        if (magnitude > (kLimit - d) / 10)
            return false;
        magnitude = magnitude * 10 + d;
        return true;
    };
    const auto kept = static_cast<qint64>(digits.size()) + std::min<qint64>(shift, 0);
    for (qint64 i = 0; i < kept; ++i) {
        if (!append(digits[static_cast<std::size_t>(i)]))
            return std::nullopt;
    }
    for (qint64 i = 0; i < shift; ++i) {
        if (!append('0'))
            return std::nullopt;
    }
    // Dropped digits: the first says below, at or above half; the rest only break a tie. When
    // more are dropped than there are digits, the first dropped one is a leading zero.
    if (kept >= 0 && kept < static_cast<qint64>(digits.size())) {
        const std::string_view dropped = std::string_view(digits).substr(static_cast<std::size_t>(kept));
        const bool pastTie = dropped.find_first_not_of('0', 1) != std::string_view::npos;
        if (dropped[0] > '5' || (dropped[0] == '5' && (pastTie || magnitude % 2 == 1))) {
            if (magnitude == kLimit)
                return std::nullopt;
            ++magnitude;
        }
    }
    return static_cast<qint64>(magnitude);
}

}  // namespace

QString numberText(double value) { return formatNumber(value); }

qint64 numberValue(const QString& text)
{
    const std::optional<Decimal> number = parseDecimal(text.trimmed());
    if (!number)
        return 0;
    const std::optional<qint64> magnitude = roundHalfEven(number->digits, number->exponent + kDecimals);
    if (!magnitude)
        return 0;
    return number->negative ? -*magnitude : *magnitude;
}

}  // namespace velmar
