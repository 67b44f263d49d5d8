// Day numbers (whole days since 30.12.1899, as stored in the tables) and the program's fixed
// "dd.MM.yyyy" date text, both independent of the system's regional settings.
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace velmar {

// Stored in StopPen: penalties are never stopped for the contract.
constexpr int kNoStopDay = 99999;

// 1 January 2000 is 36526. A null or invalid date gives 0, the tables' "date not set".
int dayNumber(QDate date);
// Out-of-range day numbers give an invalid QDate.
QDate dateFromDayNumber(qint64 day);

// The whole part of a day number of 100 or more as "dd.MM.yyyy"; anything smaller (0 is "not
// set") as "-", and so is anything past 31.12.9999, NaN and infinity.
QString DayToText(double day);

// Same day of the month, or the target month's last day when it is shorter:
// 31.01 + 1 -> end of February, 29.02.2012 + 12 -> 28.02.2013.
QDate AddMonths(QDate date, int months);

// Calendar-month steps from b to a: (year(a) * 12 + month(a)) - (year(b) * 12 + month(b)), days ignored.
// (01.02.2015, 31.01.2015) -> 1; (15.03.2014, 20.06.2014) -> -3.
int MonthsBetween(qint64 dayA, qint64 dayB);

// "dd.MM.yyyy", single-digit day and month allowed, year always four digits; no blanks.
std::optional<QDate> parseDate(QStringView text);
// "dd.MM.yyyy"; empty for an invalid date.
QString formatDate(QDate date);

}  // namespace velmar
