// The integrity check of a data folder: every permanent table opens and has the columns of its
// description; identifiers are unique; every identifier counter is above its table's highest identifier;
// each installment's ACHITAT equals the principal of its payment rows; no installment or payment row
// without its contract (and installment); no UndoRate snapshot of a payment that does not exist.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar {

class Database;
class IdCounters;

// What makes the data folder open to other users of the machine: written by anyone, or another user's.
QStringList FolderExposure(const QString& dataFolder);

// The problems found, one sentence each (the folder's exposure included); empty for a sound folder.
QStringList CheckDataFolder(Database& db, const IdCounters& ids);

// What can be proved right without a person: counters behind their tables are raised past them. Returns
// what it changed.
QStringList RepairCounters(IdCounters& ids);

}  // namespace velmar
