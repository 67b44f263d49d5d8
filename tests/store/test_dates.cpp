// Day numbers, their display, month arithmetic and the dd.MM.yyyy text.
#include "store/dates.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>

namespace velmar {
namespace {

TEST(DayNumber, KnownDays)
{
    const struct {
        QDate date;
        int day;
    } cases[] = {
        {QDate(1899, 12, 30), 0}, {QDate(1900, 1, 1), 2},     {QDate(1900, 2, 28), 60},
        {QDate(1900, 3, 1), 61},  {QDate(2000, 1, 1), 36526}, {QDate(2099, 12, 31), 73050},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dayNumber(c.date), c.day) << c.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(dateFromDayNumber(c.day), c.date);
    }
}

TEST(DayNumber, RoundTripsEveryDayFrom1900To2099)
{
    const QDate first(1900, 1, 1);
    const QDate last(2099, 12, 31);
    int expected = dayNumber(first);
    for (QDate d = first; d <= last; d = d.addDays(1), ++expected) {
        ASSERT_EQ(dayNumber(d), expected) << d.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(dateFromDayNumber(expected), d);
        ASSERT_EQ(parseDate(formatDate(d)), d);
    }
}

TEST(DayNumber, NullDateIsDayZero) { EXPECT_EQ(dayNumber(QDate()), 0); }

TEST(DayToText, ShowsDatesFromDay100AndDashBelow)
{
    const struct {
        double day;
        const char* text;
    } cases[] = {
        {99, "-"},
        {99.9, "-"},
        {0, "-"},
        {-36526, "-"},
        {100, "09.04.1900"},
        {36526, "01.01.2000"},
        {36526.75, "01.01.2000"},
        {kNoStopDay, "13.10.2173"},
        {std::nan(""), "-"},
        {HUGE_VAL, "-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DayToText(c.day), QString::fromLatin1(c.text)) << c.day;
}

TEST(AddMonths, KeepsDayOrFallsBackToMonthEnd)
{
    const struct {
        QDate from;
        int months;
        QDate expected;
    } cases[] = {
        {QDate(2012, 2, 29), 12, QDate(2013, 2, 28)},
        {QDate(2012, 2, 29), 48, QDate(2016, 2, 29)},
        {QDate(2023, 1, 31), 1, QDate(2023, 2, 28)},
        {QDate(2024, 1, 31), 1, QDate(2024, 2, 29)},
        {QDate(2024, 5, 31), 1, QDate(2024, 6, 30)},
        {QDate(2024, 3, 31), -1, QDate(2024, 2, 29)},
        {QDate(2023, 12, 15), 1, QDate(2024, 1, 15)},
        {QDate(2024, 1, 15), -13, QDate(2022, 12, 15)},
        {QDate(2020, 6, 30), 0, QDate(2020, 6, 30)},
        // Moving month by month is not the same as moving at once: the day is not carried.
        {QDate(2013, 2, 28), 12, QDate(2014, 2, 28)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddMonths(c.from, c.months), c.expected)
            << c.from.toString(Qt::ISODate).toStdString() << " + " << c.months;
}

TEST(ParseDate, AcceptsDayMonthYearWithDots)
{
    const struct {
        const char* text;
        QDate date;
    } cases[] = {
        {"01.01.2000", QDate(2000, 1, 1)},  {"1.1.2000", QDate(2000, 1, 1)},     {"9.12.1999", QDate(1999, 12, 9)},
        {"29.02.2024", QDate(2024, 2, 29)}, {"31.12.2099", QDate(2099, 12, 31)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseDate(QString::fromLatin1(c.text)), c.date) << c.text;
}

TEST(ParseDate, RejectsMalformedTextAndImpossibleDates)
{
    const char* const cases[] = {
        "29.02.2023", "31.04.2024", "00.01.2000",  "01.00.2000",  "01.13.2000", "1.1.00", "01.01.20000", "001.01.2000",
        "01/01/2000", "2000-01-01", " 01.01.2000", "01.01.2000 ", "",           "01.01.", "+1.01.2000",  "01.01.0000",
    };
    for (const char* text : cases)
        EXPECT_EQ(parseDate(QString::fromLatin1(text)), std::nullopt) << text;
    // Digits of other scripts are not date digits here.
    EXPECT_EQ(parseDate(QString::fromUtf8("٠١.٠١.٢٠٠٠")), std::nullopt);
}

TEST(FormatDate, IgnoresTheDefaultLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QString text = formatDate(QDate(2000, 1, 1));
    const QString dayText = DayToText(36526);
    QLocale::setDefault(saved);
    EXPECT_EQ(text, QStringLiteral("01.01.2000"));
    EXPECT_EQ(dayText, QStringLiteral("01.01.2000"));
    EXPECT_EQ(formatDate(QDate(1900, 3, 1)), QStringLiteral("01.03.1900"));
    EXPECT_TRUE(formatDate(QDate()).isEmpty());
}

}  // namespace
}  // namespace velmar
