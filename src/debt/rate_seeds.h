// The rows the two rate tables start with: the legal penalty rates since 1999 and the yearly inflation
// rates 1988-2020.
#pragma once

#include <QtGlobal>
#include <vector>

namespace velmar {

class Database;
class IdCounters;

struct PenaltyRateRow {
    qint64 day;  // first day the rates apply
    double perDay;
    double perMonth;
};

struct InflationRateRow {
    qint64 day;  // 1 January of the year after the one the rate is for
    double value;
};

const std::vector<PenaltyRateRow>& penaltyRateSeeds();
const std::vector<InflationRateRow>& inflationRateSeeds();

// Insert every seed row, in order, each with an identifier from NextId("IDP") / NextId("IDINF").
void SeedPenaltyRates(Database& db, IdCounters& ids);
void SeedInflationRates(Database& db, IdCounters& ids);

// Adds to both tables the seed rows whose date they lack, keeping every row already there (the user's
// own included). Returns the rows added.
qint64 TopUpRateTables(Database& db, IdCounters& ids);

}  // namespace velmar
