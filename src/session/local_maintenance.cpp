// Start-up maintenance of local data.
#include "session/local_maintenance.h"

#include "app/app_context.h"
#include "app/progress_counter.h"
#include "debt/rate_seeds.h"
#include "session/carried_files.h"
#include "store/action_log.h"
#include "store/clock.h"
#include "store/id_counters.h"
#include "store/sql/database.h"

namespace velmar {

MaintenanceReport RunLocalMaintenance(AppContext& app, const std::function<void()>& compactionStep)
{
    Database& db = app.db();
    IdCounters& ids = app.ids();
    MaintenanceReport report;
    report.created = CreateMissingTables(db);
    // An empty rate table gets the legal rates: one just created, or one a start cut short left empty
    // (penalties and indexation computed over no rates would all be nil).
    if (db.rowCount(QStringLiteral("PenalIst")) == 0)
        SeedPenaltyRates(db, ids);
    if (db.rowCount(QStringLiteral("Inflatie")) == 0)
        SeedInflationRates(db, ids);
    ids.CatchUpWithTables();  // a settings file copied without its INDEX section must not repeat identifiers
    report.logEntriesRemoved = TrimLog(db);
    report.carriedFilesWritten = WriteCarriedFiles(app.dataFolder());
    SilentProgressCounter reindexing;  // the splash window shows the start-up's progress
    report.upgrade = UpgradeTables(db, [&] { return TopUpRateTables(db, ids, app.rates(), reindexing); });
    report.compacted = CompactTables(db, app.settings(), today(), compactionStep);
    return report;
}

}  // namespace velmar
