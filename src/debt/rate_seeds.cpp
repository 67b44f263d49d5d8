// Seed rows of PenalIst and Inflatie.
#include "debt/rate_seeds.h"

#include "debt/indexation.h"
#include "debt/rate_rows.h"
#include "store/dates.h"
#include "store/id_counters.h"
#include "store/sql/database.h"
#include "store/sql/transaction.h"

#include <QDate>
#include <set>

namespace velmar {

namespace {

std::vector<InflationRate> buildInflationSeeds()
{
    const double rates[] = {2.2,  1.1,  5.1,  170.2, 210.4, 256.1, 136.7, 32.3, 38.8, 154.8, 59.1,
                            45.8, 45.7, 34.5, 22.5,  15.3,  11.9,  9,     6.56, 4.84, 7.85,  5.59,
                            6.09, 5.79, 3.33, 4,     1.1,   -0.6,  -1.5,  1.3,  4.6,  3.8,   2.6};
    std::vector<InflationRate> rows;
    int year = 1988;
    for (double rate : rates)
        rows.push_back({dayNumber(QDate(++year, 1, 1)), rate});
    return rows;
}

void insertPenaltyRow(Database& db, IdCounters& ids, const PenaltyRate& row)
{
    InsertPenaltyRow(db, ids.NextId(QStringLiteral("IDP")), row);
}

void insertInflationRow(Database& db, IdCounters& ids, const InflationRate& row)
{
    InsertInflationRow(db, ids.NextId(QStringLiteral("IDINF")), row);
}

// A penalty seed is the same row as one of the table's when it has its date; an inflation seed when it
// is of the same calendar year.
qint64 penaltyKey(qint64 day) { return day; }
qint64 inflationKey(qint64 day) { return dateFromDayNumber(day).year(); }

// The keys of a rate table's rows, and its highest identifier.
std::pair<std::set<qint64>, qint64> keysAndLastId(Database& db, const QString& table, const QString& idColumn,
                                                  qint64 (*keyOf)(qint64 day))
{
    const QueryResult rows = db.select(QStringLiteral("SELECT DATASTAB, %1 FROM %2").arg(idColumn, table));
    const int datastab = rows.column(u"DATASTAB");
    const int id = rows.column(idColumn);
    std::set<qint64> keys;
    qint64 lastId = 0;
    for (const QVariantList& row : rows.rows) {
        keys.insert(keyOf(row[datastab].toLongLong()));
        lastId = std::max(lastId, row[id].toLongLong());
    }
    return {keys, lastId};
}

template <typename Row, typename Insert>
qint64 addMissing(Database& db, IdCounters& ids, const QString& table, const QString& idColumn,
                  qint64 (*keyOf)(qint64 day), const std::vector<Row>& seeds, Insert insert)
{
    const auto [keys, lastId] = keysAndLastId(db, table, idColumn, keyOf);
    ids.EnsureAbove(idColumn, lastId);  // an old folder's counter may lag behind its rows
    qint64 added = 0;
    for (const Row& row : seeds) {
        if (keys.count(keyOf(qint64(row.day))))
            continue;
        insert(db, ids, row);
        ++added;
    }
    return added;
}

}  // namespace

const std::vector<PenaltyRate>& penaltyRateSeeds()
{
    static const std::vector<PenaltyRate> rows{
        {36287, 0.3, 0},  {36739, 0.15, 0}, {37193, 0.1, 0}, {37500, 0.07, 0}, {37622, 0.06, 0},
        {38596, 0.05, 0}, {38718, 0.1, 2},  {40360, 0, 2},   {42005, 0, 1},
    };
    return rows;
}

const std::vector<InflationRate>& inflationRateSeeds()
{
    static const std::vector<InflationRate> rows = buildInflationSeeds();
    return rows;
}

void SeedPenaltyRates(Database& db, IdCounters& ids)
{
    Transaction t(db);
    for (const PenaltyRate& row : penaltyRateSeeds())
        insertPenaltyRow(db, ids, row);
    t.commit();
}

void SeedInflationRates(Database& db, IdCounters& ids)
{
    Transaction t(db);
    for (const InflationRate& row : inflationRateSeeds())
        insertInflationRow(db, ids, row);
    t.commit();
}

qint64 TopUpRateTables(Database& db, IdCounters& ids, RateTables& rates, ProgressCounter& counter)
{
    Transaction t(db);
    const qint64 penalties = addMissing(db, ids, QStringLiteral("PenalIst"), QStringLiteral("IDP"), penaltyKey,
                                        penaltyRateSeeds(), insertPenaltyRow);
    const qint64 inflation = addMissing(db, ids, QStringLiteral("Inflatie"), QStringLiteral("IDINF"), inflationKey,
                                        inflationRateSeeds(), insertInflationRow);
    // The installments were indexed with the rates as they were: with new ones they owe other amounts.
    if (inflation > 0)
        ReindexInstallments(db, rates, kAllContracts, counter);
    t.commit();
    return penalties + inflation;
}

}  // namespace velmar
