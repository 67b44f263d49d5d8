// Rounding of amounts and number fields, and the number text written into statements.
#include "store/rounding.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace velmar {
namespace {

constexpr auto kInt64Max = std::numeric_limits<std::int64_t>::max();
constexpr auto kInt64Min = std::numeric_limits<std::int64_t>::min();

TEST(RoundHalfUp, WholePartOfValuePlusHalf)
{
    const struct {
        double value;
        std::int64_t expected;
    } cases[] = {
        {2.5, 3},
        {2.49, 2},
        {-2.5, -2},
        {-2.6, -2},
        {-0.5, 0},
        {-1.5, -1},
        {0, 0},
        {0.4999, 0},
        {1234.5, 1235},
        {10000000000.5, 10000000001},
        {1e300, kInt64Max},
        {-1e300, kInt64Min},
        {std::nan(""), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfUp(c.value), c.expected) << c.value;
}

TEST(ScaleRoundHalfAway, RoundsTiesOnTheDecimalText)
{
    const struct {
        double value;
        int decimals;
        std::int64_t expected;
    } cases[] = {
        // Below the tie in binary, a tie in decimal text.
        {2.675, 2, 268},
        {1.005, 2, 101},
        {-2.675, 2, -268},
        {0.125, 2, 13},
        {-0.125, 2, -13},
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {0.5, 0, 1},
        {2.4999, 0, 2},
        {0.04999, 1, 0},
        {9.995, 2, 1000},
        {123.456, 0, 123},
        {1234.5678, 4, 12345678},
        {5, 3, 5000},
        {0.1, 15, 100000000000000},
        {5e-16, 15, 1},
        {4e-16, 15, 0},
        {1e-20, 2, 0},
        {-0.0, 2, 0},
        {-9223372036854775808.0, 0, kInt64Min},
        // The largest double below 2^63 is a whole number and passes unchanged.
        {9223372036854774784.0, 0, 9223372036854774784},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaleRoundHalfAway(c.value, c.decimals), c.expected) << c.value << " at " << c.decimals;
}

TEST(ScaleRoundHalfAway, RefusesWhatHasNoInt64Result)
{
    const struct {
        double value;
        int decimals;
    } cases[] = {
        {std::nan(""), 0}, {HUGE_VAL, 0}, {-HUGE_VAL, 2}, {9223372036854775808.0, 0}, {1e19, 0}, {1e5, 15},
        {-1e5, 15},        {1.0, -1},     {1.0, 16},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaleRoundHalfAway(c.value, c.decimals), std::nullopt) << c.value << " at " << c.decimals;
}

TEST(FormatNumber, ShortestPlainText)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {5, "5"},
        {-3, "-3"},
        {0.1, "0.1"},
        {1234567.25, "1234567.25"},
        {0, "0"},
        {-0.0, "0"},
        {-0.5, "-0.5"},
        {100, "100"},
        {2.675, "2.675"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1e21, "1000000000000000000000"},
        {1e-7, "0.0000001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(FormatNumber, ReadsBackExactlyWithoutExponent)
{
    std::mt19937_64 bits(20240229);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t pattern = bits();
        double value;
        std::memcpy(&value, &pattern, sizeof value);
        if (!std::isfinite(value))
            continue;
        const QByteArray text = formatNumber(value).toLatin1();
        ASSERT_EQ(text.indexOf('e'), -1) << text.constData();
        double back = 0;
        const auto result = std::from_chars(text.constData(), text.constData() + text.size(), back);
        ASSERT_EQ(result.ptr, text.constData() + text.size()) << text.constData();
        ASSERT_EQ(back, value) << text.constData();
    }
}

TEST(FormatNumber, IgnoresTheDefaultLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = formatNumber(1234567.25);
    QLocale::setDefault(saved);
    EXPECT_EQ(text, QStringLiteral("1234567.25"));
}

}  // namespace
}  // namespace velmar
