// Keeping the tables of a local data folder in shape: creating the missing ones, upgrading tables made
// by older versions, and the weekly compaction of the contract tables.
#pragma once

#include <QDate>
#include <QStringList>
#include <functional>

namespace velmar {

class Database;
class Settings;

// Creates, in the fixed order Log, Contract, Rate, Chitante, PenalIst, Inflatie, UndoRate, every permanent
// table whose file is missing.
// Returns the tables created.
QStringList CreateMissingTables(Database& db);

struct UpgradeResult {
    bool stopPenAdded = false;  // Contract had no StopPen column
    qint64 stopPenFilled = 0;   // contracts whose empty StopPen became 99999
    qint64 rateRowsAdded = 0;   // rows the rate tables received from the current seed lists
};

// Adds StopPen (99999 in every contract) to an old Contract table and, when Inflatie holds 32 rows or
// fewer, lets `topUpRateTables` bring both rate tables up to the current seed lists (returning the rows
// it added).
UpgradeResult UpgradeTables(Database& db, const std::function<qint64()>& topUpRateTables);

// At most once per week (weeks counted from day 0, starting on Saturdays; LASTPACK in section CONST
// remembers the last): removes the deleted rows of Contract, Rate, Chitante and UndoRate for good.
// `tableDone` runs after each table. Returns whether it compacted.
bool CompactTables(Database& db, Settings& settings, QDate today, const std::function<void()>& tableDone);

}  // namespace velmar
