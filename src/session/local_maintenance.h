// The start-up maintenance of a local data folder (or an opened archive), in its order: create the
// missing tables (seeding new rate tables), raise identifier counters that lag behind their tables, trim the
// action log, write the carried templates that are
// missing, upgrade old tables, compact weekly.
#pragma once

#include "store/maintenance.h"

#include <QStringList>
#include <functional>

namespace velmar {

class AppContext;

struct MaintenanceReport {
    QStringList created;
    qint64 logEntriesRemoved = 0;
    QStringList carriedFilesWritten;
    UpgradeResult upgrade;
    bool compacted = false;
};

// `compactionStep` runs after each table the weekly compaction looks at (the splash's progress bar).
MaintenanceReport RunLocalMaintenance(AppContext& app, const std::function<void()>& compactionStep);

}  // namespace velmar
