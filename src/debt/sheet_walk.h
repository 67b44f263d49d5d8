// The calculation sheet's second stage: the contract's events walked in order into ledger rows, with the
// running principal and penalty balances, the penalty added over each period and the days and months
// since the previous event; a last row gives the balance at today's date.
#pragma once

#include "debt/sheet_events.h"

#include <optional>

namespace velmar {

class ProgressScope;
class RateTables;
struct SheetTerms;

// One ledger row; an empty value is a cell the sheet leaves empty.
struct LedgerRow {
    qint64 day = 0;
    QString text;
    std::optional<qint64> addcur, platacur, soldcur, addpen, platapen, soldpen, nrzile, nrluni;
};

// The heading (the rate in force at DATAPEN1) first with only its date and text, then every other event
// in order, then "Sold la zi". A penalty added at an event is ComputePenalty over the days since the
// previous event times what was overdue meanwhile: the installments already fallen due less the principal
// paid, never below 0. Rate rows of inflation change no balance and leave the day count to the next row;
// the due row of installment 1 has no day count. `rates` must hold the penalty rates; one progress step
// per walked event.
std::vector<LedgerRow> WalkSheet(const std::vector<SheetEvent>& events, const RateTables& rates,
                                 const SheetTerms& terms, qint64 today, ProgressScope& progress);

}  // namespace velmar
