// Day-number arithmetic and the locale-free date text.
#include "store/dates.h"

#include <cmath>
#include <limits>

namespace velmar {
namespace {

// Julian day of 30 December 1899, day 0 of the tables.
constexpr qint64 kDayZeroJulian = 2415019;
// 31.12.9999, the last day with a four-digit year.
constexpr double kLastShownDay = 2958465;

// Reads one to maxDigits ASCII digits from text at pos; other digit scripts are not dates here.
std::optional<int> readNumber(QStringView text, qsizetype& pos, int minDigits, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (pos < text.size() && digits < maxDigits && text[pos] >= u'0' && text[pos] <= u'9') {
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
        ++digits;
    }
    if (digits < minDigits)
        return std::nullopt;
    return value;
}

bool skipDot(QStringView text, qsizetype& pos)
{
    if (pos >= text.size() || text[pos] != u'.')
        return false;
    ++pos;
    return true;
}

}  // namespace

int dayNumber(QDate date)
{
    if (!date.isValid())
        return 0;
    return static_cast<int>(date.toJulianDay() - kDayZeroJulian);
}

QDate dateFromDayNumber(qint64 day)
{
    if (day > std::numeric_limits<qint64>::max() - kDayZeroJulian)
        return {};
    return QDate::fromJulianDay(day + kDayZeroJulian);
}

QString DayToText(double day)
{
    const double whole = std::trunc(day);
    if (!(whole >= 100 && whole <= kLastShownDay))
        return QStringLiteral("-");
    return formatDate(dateFromDayNumber(static_cast<qint64>(whole)));
}

QDate AddMonths(QDate date, int months)
{
    // QDate::addMonths keeps the day of the month and clamps it to the target month's length.
    return date.addMonths(months);
}

std::optional<QDate> parseDate(QStringView text)
{
    qsizetype pos = 0;
    const auto day = readNumber(text, pos, 1, 2);
    if (!day || !skipDot(text, pos))
        return std::nullopt;
    const auto month = readNumber(text, pos, 1, 2);
    if (!month || !skipDot(text, pos))
        return std::nullopt;
    const auto year = readNumber(text, pos, 4, 4);
    if (!year || pos != text.size() || !QDate::isValid(*year, *month, *day))
        return std::nullopt;
    return QDate(*year, *month, *day);
}

QString formatDate(QDate date)
{
    if (!date.isValid())
        return {};
    // By hand: lists format tens of thousands of dates, and getDate converts the day once where day(), month()
    // and year() would convert it three times.
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (year < 0 || year > 9999)
        return QString::asprintf("%02d.%02d.%04d", day, month, year);
    const char16_t text[] = {
        char16_t(u'0' + day / 10),    char16_t(u'0' + day % 10),        u'.',
        char16_t(u'0' + month / 10),  char16_t(u'0' + month % 10),      u'.',
        char16_t(u'0' + year / 1000), char16_t(u'0' + year / 100 % 10), char16_t(u'0' + year / 10 % 10),
        char16_t(u'0' + year % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

int MonthsBetween(qint64 dayA, qint64 dayB)
{
    // getDate converts each day number once; year() and month() would each convert again.
    int yearA = 0, monthA = 0, yearB = 0, monthB = 0;
    dateFromDayNumber(dayA).getDate(&yearA, &monthA, nullptr);
    dateFromDayNumber(dayB).getDate(&yearB, &monthB, nullptr);
    return (yearA * 12 + monthA) - (yearB * 12 + monthB);
}

}  // namespace velmar
