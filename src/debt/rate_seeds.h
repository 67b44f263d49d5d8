// The rows the two rate tables start with: the legal penalty rates since 1999 and the yearly inflation
// rates 1988-2020.
#pragma once

#include "app/rate_tables.h"

#include <QtGlobal>
#include <vector>

namespace velmar {

class Database;
class IdCounters;
class ProgressCounter;

const std::vector<PenaltyRate>& penaltyRateSeeds();
const std::vector<InflationRate>& inflationRateSeeds();  // each dated 1 January of the year after its own

// Insert every seed row, in order, each with an identifier from NextId("IDP") / NextId("IDINF").
void SeedPenaltyRates(Database& db, IdCounters& ids);
void SeedInflationRates(Database& db, IdCounters& ids);

// Adds to PenalIst the seed rows whose date it lacks, and to Inflatie those of a calendar year it holds no
// row of (a year's rate the office keyed under another date counts as that year's), keeping every row
// already there. New inflation rows re-index every contract (under the progress counter), all in one
// transaction. Returns the rows added.
qint64 TopUpRateTables(Database& db, IdCounters& ids, RateTables& rates, ProgressCounter& counter);

}  // namespace velmar
