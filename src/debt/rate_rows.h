// Storing one new row of either rate table, its values named after the table's columns; the seed lists
// and the clerk's edits both add rows through here.
#pragma once

#include <QtGlobal>

namespace velmar {

class Database;
struct InflationRate;
struct PenaltyRate;

void InsertPenaltyRow(Database& db, qint64 idp, const PenaltyRate& rate);
void InsertInflationRow(Database& db, qint64 idinf, const InflationRate& rate);

}  // namespace velmar
