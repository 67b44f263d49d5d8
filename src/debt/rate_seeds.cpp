// Seed rows of PenalIst and Inflatie.
#include "debt/rate_seeds.h"

#include "store/dates.h"
#include "store/id_counters.h"
#include "store/sql/database.h"
#include "store/sql/transaction.h"

#include <QDate>
#include <set>

namespace velmar {

namespace {

std::vector<InflationRateRow> buildInflationSeeds()
{
    const double rates[] = {2.2,  1.1,  5.1,  170.2, 210.4, 256.1, 136.7, 32.3, 38.8, 154.8, 59.1,
                            45.8, 45.7, 34.5, 22.5,  15.3,  11.9,  9,     6.56, 4.84, 7.85,  5.59,
                            6.09, 5.79, 3.33, 4,     1.1,   -0.6,  -1.5,  1.3,  4.6,  3.8,   2.6};
    std::vector<InflationRateRow> rows;
    int year = 1988;
    for (double rate : rates)
        rows.push_back({dayNumber(QDate(++year, 1, 1)), rate});
    return rows;
}

void insertPenaltyRow(Database& db, IdCounters& ids, const PenaltyRateRow& row)
{
    db.execute(QStringLiteral("INSERT INTO PenalIst (IDP, DATASTAB, PEZI, PELUNA) VALUES (?, ?, ?, ?)"),
               {ids.NextId(QStringLiteral("IDP")).toLongLong(), row.day, row.perDay, row.perMonth});
}

void insertInflationRow(Database& db, IdCounters& ids, const InflationRateRow& row)
{
    db.execute(QStringLiteral("INSERT INTO Inflatie (IDINF, DATASTAB, VALOARE) VALUES (?, ?, ?)"),
               {ids.NextId(QStringLiteral("IDINF")).toLongLong(), row.day, row.value});
}

// Dates present in a rate table, and its highest identifier.
std::pair<std::set<qint64>, qint64> datesAndLastId(Database& db, const QString& table, const QString& idColumn)
{
    const QueryResult rows = db.select(QStringLiteral("SELECT DATASTAB, %1 FROM %2").arg(idColumn, table));
    std::set<qint64> dates;
    qint64 lastId = 0;
    for (const QVariantList& row : rows.rows) {
        dates.insert(row[0].toLongLong());
        lastId = std::max(lastId, row[1].toLongLong());
    }
    return {dates, lastId};
}

template <typename Row, typename Insert>
qint64 addMissing(Database& db, IdCounters& ids, const QString& table, const QString& idColumn,
                  const std::vector<Row>& seeds, Insert insert)
{
    const auto [dates, lastId] = datesAndLastId(db, table, idColumn);
    ids.EnsureAbove(idColumn, lastId);  // an old folder's counter may lag behind its rows
    qint64 added = 0;
    for (const Row& row : seeds) {
        if (dates.count(row.day))
            continue;
        insert(db, ids, row);
        ++added;
    }
    return added;
}

}  // namespace

const std::vector<PenaltyRateRow>& penaltyRateSeeds()
{
    static const std::vector<PenaltyRateRow> rows{
        {36287, 0.3, 0},  {36739, 0.15, 0}, {37193, 0.1, 0}, {37500, 0.07, 0}, {37622, 0.06, 0},
        {38596, 0.05, 0}, {38718, 0.1, 2},  {40360, 0, 2},   {42005, 0, 1},
    };
    return rows;
}

const std::vector<InflationRateRow>& inflationRateSeeds()
{
    static const std::vector<InflationRateRow> rows = buildInflationSeeds();
    return rows;
}

void SeedPenaltyRates(Database& db, IdCounters& ids)
{
    Transaction t(db);
    for (const PenaltyRateRow& row : penaltyRateSeeds())
        insertPenaltyRow(db, ids, row);
    t.commit();
}

void SeedInflationRates(Database& db, IdCounters& ids)
{
    Transaction t(db);
    for (const InflationRateRow& row : inflationRateSeeds())
        insertInflationRow(db, ids, row);
    t.commit();
}

qint64 TopUpRateTables(Database& db, IdCounters& ids)
{
    Transaction t(db);
    const qint64 added =
        addMissing(db, ids, QStringLiteral("PenalIst"), QStringLiteral("IDP"), penaltyRateSeeds(), insertPenaltyRow) +
        addMissing(db, ids, QStringLiteral("Inflatie"), QStringLiteral("IDINF"), inflationRateSeeds(), insertInflationRow);
    t.commit();
    return added;
}

}  // namespace velmar
