// The calculation sheet's first stage: a contract's events - rate changes, installments imposed and
// falling due, payments - collected into the event work table and read back one row per event, the rows
// of one receipt (one per installment it paid) summed into one.
#pragma once

#include "store/dbf/dbf_field.h"

#include <QString>
#include <vector>

namespace velmar {

class Database;
class RateTables;
class WorkTable;
struct SheetTerms;

// The TIP column; on one date the events are walked in this order.
enum class SheetEventType { PenaltyRate = 1, InflationRate = 2, Imposed = 3, Due = 4, Payment = 5 };

struct SheetEvent {
    SheetEventType type;
    qint64 day;                // DATASTAB
    QString text;              // EXPLIC
    qint64 added = 0;          // ADDCUR: the installment's indexed amount (imposed and due rows)
    qint64 paidPrincipal = 0;  // PLATACUR
    qint64 paidPenalty = 0;    // PLATAPEN
};

// The columns of both work tables, the event table and the ledger: TIP, DATASTAB, EXPLIC, ADDCUR,
// PLATACUR, SOLDCUR, ADDPEN, PLATAPEN, SOLDPEN, NRZILE, NRLUNI.
const std::vector<DbfField>& sheetTableFields();

// Collects into `table` (made with sheetTableFields()) the inflation and later penalty rates dated strictly
// between DATAPEN1 and the last installment's first penalty day, the penalty rate in force before DATAPEN1
// (the heading; "0%" dated DATAPEN1 when none), the installments imposed by `today` with their due dates
// (DATAPEN - 1), and every payment row. `rates` must be loaded. Returns the grouped events ordered by
// date, then type, then the order they were collected in (installments by number, payments by IDCHIT).
std::vector<SheetEvent> CollectSheetEvents(Database& db, const RateTables& rates, const SheetTerms& terms, qint64 today,
                                           WorkTable& table);

// The heading row: the rate in force at DATAPEN1, collected dated on or before it (every later rate is dated
// after it).
bool isSheetHeading(const SheetEvent& event, const SheetTerms& terms);

}  // namespace velmar
