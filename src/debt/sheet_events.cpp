// Collecting and grouping the events of a calculation sheet.
#include "debt/sheet_events.h"

#include "app/rate_tables.h"
#include "debt/debt_texts.h"
#include "debt/sheet_terms.h"
#include "store/rounding.h"
#include "store/sql/database.h"
#include "store/sql/work_table.h"

#include <algorithm>

namespace velmar {

namespace {

DbfField dec(const char* name, int precision) { return {QString::fromLatin1(name), 'N', precision, 0}; }

Cell textCell(const QString& text) { return text.toStdString(); }

// One event table row. The rate rows leave the amounts empty; the others carry them, 0 when not theirs.
std::vector<Cell> eventRow(SheetEventType type, qint64 day, const QString& text, bool amounts, qint64 added = 0,
                           qint64 paidPrincipal = 0, qint64 paidPenalty = 0)
{
    const Cell none;
    const auto amount = [&](qint64 value) { return amounts ? Cell{std::int64_t(value)} : none; };
    return {std::int64_t(type), std::int64_t(day), textCell(text),      amount(added), amount(paidPrincipal),
            amount(0),          amount(0),         amount(paidPenalty), amount(0),     amount(0),
            amount(0)};
}

QString penaltyText(const PenaltyRate& rate)
{
    return debt_texts::penaltyRateEvent(formatNumber(rate.perDay), formatNumber(rate.perMonth));
}

void collectRates(const RateTables& rates, const SheetTerms& terms, std::vector<std::vector<Cell>>& rows)
{
    const qint64 first = terms.datapen1;
    const qint64 last = terms.lastPenaltyDay();
    const auto inside = [&](double day) { return first < day && day < last; };
    for (const InflationRate& rate : rates.inflationRates())
        if (inside(double(rate.day)))
            rows.push_back(eventRow(SheetEventType::InflationRate, rate.day,
                                    debt_texts::inflationRateEvent(formatNumber(rate.value)), false));

    // Of rows sharing a date, the one loaded last is the one in force, as in the penalty computation.
    const std::vector<PenaltyRate>& penalty = rates.penaltyRates();
    const auto inForce = std::find_if(penalty.rbegin(), penalty.rend(),
                                      [&](const PenaltyRate& r) { return r.day > 0 && r.day < double(first); });
    if (inForce == penalty.rend())
        rows.push_back(eventRow(SheetEventType::PenaltyRate, first, penaltyText({0, 0, 0}), true));
    else
        rows.push_back(eventRow(SheetEventType::PenaltyRate, qint64(inForce->day), penaltyText(*inForce), true));
    for (const PenaltyRate& rate : penalty)
        if (inside(rate.day))
            rows.push_back(eventRow(SheetEventType::PenaltyRate, qint64(rate.day), penaltyText(rate), true));
}

void collectInstallments(Database& db, const SheetTerms& terms, qint64 today, std::vector<std::vector<Cell>>& rows)
{
    const QueryResult rate = db.select(
        QStringLiteral("SELECT NRRATA, DATARATA, DATAPEN, RATACALC FROM Rate WHERE IDCON = ? AND DATARATA <= ? "
                       "ORDER BY NRRATA"),
        {terms.idcon, today});
    const int nrrata = rate.column(u"NRRATA");
    const int datarata = rate.column(u"DATARATA");
    const int datapen = rate.column(u"DATAPEN");
    const int ratacalc = rate.column(u"RATACALC");
    for (const QVariantList& r : rate.rows) {
        const qint64 number = r[nrrata].toLongLong();
        const qint64 amount = r[ratacalc].toLongLong();
        rows.push_back(eventRow(SheetEventType::Imposed, r[datarata].toLongLong(), debt_texts::imposedEvent(number),
                                true, amount));
        rows.push_back(
            eventRow(SheetEventType::Due, r[datapen].toLongLong() - 1, debt_texts::dueEvent(number), true, amount));
    }
}

void collectPayments(Database& db, const SheetTerms& terms, std::vector<std::vector<Cell>>& rows)
{
    const QueryResult paid = db.select(
        QStringLiteral(
            "SELECT DOCJUS, NRCHIT, DATACHIT, SUMA, PENAL FROM Chitante WHERE IDCON = ? ORDER BY IDCHIT, IDRATA"),
        {terms.idcon});
    const int docjus = paid.column(u"DOCJUS");
    const int nrchit = paid.column(u"NRCHIT");
    const int datachit = paid.column(u"DATACHIT");
    const int suma = paid.column(u"SUMA");
    const int penal = paid.column(u"PENAL");
    for (const QVariantList& r : paid.rows)
        rows.push_back(eventRow(SheetEventType::Payment, r[datachit].toLongLong(),
                                debt_texts::paymentEvent(r[docjus].toString(), r[nrchit].toLongLong()), true, 0,
                                r[suma].toLongLong(), r[penal].toLongLong()));
}

}  // namespace

const std::vector<DbfField>& sheetTableFields()
{
    static const std::vector<DbfField> fields{
        dec("TIP", 6),     dec("DATASTAB", 6),  {QStringLiteral("EXPLIC"), 'C', 120, 0},
        dec("ADDCUR", 10), dec("PLATACUR", 10), dec("SOLDCUR", 10),
        dec("ADDPEN", 10), dec("PLATAPEN", 10), dec("SOLDPEN", 10),
        dec("NRZILE", 6),  dec("NRLUNI", 6)};
    return fields;
}

bool isSheetHeading(const SheetEvent& event, const SheetTerms& terms)
{
    return event.type == SheetEventType::PenaltyRate && event.day <= terms.datapen1;
}

std::vector<SheetEvent> CollectSheetEvents(Database& db, const RateTables& rates, const SheetTerms& terms, qint64 today,
                                           WorkTable& table)
{
    std::vector<std::vector<Cell>> rows;
    collectRates(rates, terms, rows);
    collectInstallments(db, terms, today, rows);
    collectPayments(db, terms, rows);
    table.store(rows);

    const QueryResult grouped =
        db.select(QStringLiteral("SELECT TIP, DATASTAB, EXPLIC, SUM(ADDCUR) AS ADDCUR, SUM(PLATACUR) AS PLATACUR, "
                                 "SUM(PLATAPEN) AS PLATAPEN FROM %1 GROUP BY TIP, DATASTAB, EXPLIC "
                                 "ORDER BY DATASTAB, TIP, MIN(rowid)")
                      .arg(table.sqlName()));
    const int tip = grouped.column(u"TIP");
    const int datastab = grouped.column(u"DATASTAB");
    const int explic = grouped.column(u"EXPLIC");
    const int addcur = grouped.column(u"ADDCUR");
    const int platacur = grouped.column(u"PLATACUR");
    const int platapen = grouped.column(u"PLATAPEN");
    std::vector<SheetEvent> events;
    events.reserve(grouped.rows.size());
    for (const QVariantList& r : grouped.rows)
        events.push_back({SheetEventType(r[tip].toInt()), r[datastab].toLongLong(), r[explic].toString(),
                          r[addcur].toLongLong(), r[platacur].toLongLong(), r[platapen].toLongLong()});
    return events;
}

}  // namespace velmar
