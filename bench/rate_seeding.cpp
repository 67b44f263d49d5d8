// Seeding the rate tables the way a new data folder gets them, identifiers from VLMR.set included.
#include "bench/rate_seeding.h"

#include "debt/rate_seeds.h"
#include "store/id_counters.h"
#include "store/settings.h"

#include <QFileInfo>

namespace velmar::bench {

void seedRateTables(BenchRegister& reg)
{
    Database& db = reg.velmar();
    // The counters live in the data folder's VLMR.set; no machine setting is read or written here, so the
    // register's temporary folder stands in for the system folder.
    Settings settings(reg.dataFolder(), QFileInfo(reg.dataFolder()).absolutePath());
    IdCounters ids(settings, db);
    if (db.rowCount(QStringLiteral("PenalIst")) == 0)
        SeedPenaltyRates(db, ids);
    if (db.rowCount(QStringLiteral("Inflatie")) == 0)
        SeedInflationRates(db, ids);
}

}  // namespace velmar::bench
