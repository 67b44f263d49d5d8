// Table creation, upgrade and compaction.
#include "store/maintenance.h"

#include "store/dates.h"
#include "store/settings.h"
#include "store/sql/database.h"
#include "store/table_schema.h"

namespace velmar {

namespace {
constexpr qint64 kShortInflationTable = 32;  // the seed list of older versions; the current one has 33 rows
constexpr qint64 kNumberScale = 10000;
}  // namespace

QStringList CreateMissingTables(Database& db)
{
    QStringList created;
    for (const TableDef& def : permanentTables()) {
        if (db.hasTable(def.name))
            continue;
        db.createTable(def.name, def.fields);
        created << def.name;
    }
    return created;
}

UpgradeResult UpgradeTables(Database& db, const std::function<qint64()>& topUpRateTables)
{
    UpgradeResult result;
    const QString contract = QStringLiteral("Contract");
    const DbfField& stopPen = permanentTable(contract).field(u"StopPen");
    if (db.hasTable(contract) && !db.hasColumn(contract, stopPen.name)) {
        db.addColumn(contract, stopPen);
        result.stopPenAdded = true;
    }
    if (db.hasTable(QStringLiteral("Inflatie")) && db.rowCount(QStringLiteral("Inflatie")) <= kShortInflationTable)
        result.rateRowsAdded = topUpRateTables();
    // Also mends a folder where an earlier upgrade added the column and stopped before filling it.
    if (db.hasTable(contract))
        result.stopPenFilled =
            db.execute(QStringLiteral("UPDATE Contract SET StopPen = ? WHERE StopPen IS NULL"), {kNoStopDay});
    return result;
}

bool CompactTables(Database& db, Settings& settings, QDate today, const std::function<void()>& tableDone)
{
    const QString section = QStringLiteral("CONST");
    const QString key = QStringLiteral("LASTPACK");
    const qint64 lastWeek = settings.ReadNumberSetting(section, key) / kNumberScale;
    const qint64 week = dayNumber(today) / 7;
    if (week == lastWeek)
        return false;
    settings.WriteNumberSetting(section, key, double(week));
    for (const QString& table : contractTableSet()) {
        if (db.hasTable(table))
            db.pack(table);
        tableDone();
    }
    return true;
}

}  // namespace velmar
