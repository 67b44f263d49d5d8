// Re-indexing installments by inflation: every installment of a contract is its contracted amount
// (RATAINI) carried forward by the inflation published between consecutive due dates, each step stored
// as whole lei before the next one is applied.
#pragma once

#include <QtGlobal>
#include <optional>
#include <vector>

namespace velmar {

class Database;
class ProgressCounter;
class RateTables;

// Which installments ReindexInstallments takes: one contract's IDCON, or every contract's.
using ContractChoice = std::optional<qint64>;
inline constexpr ContractChoice kAllContracts = std::nullopt;

// The indexed amounts of one contract's installments, given their due dates in ascending order and their
// contracted amounts. Installment j receives, in turn, every factor InflationFactor(d[k-1], d[k]) with
// d[k-1] < d[j]; each factor is taken as its 15-significant-digit decimal text and each product is stored
// as whole lei (rounded half away from zero).
std::vector<qint64> IndexedAmounts(const RateTables& rates, const std::vector<qint64>& dueDates,
                                   const std::vector<qint64>& initialAmounts);

// Recomputes RATACALC from RATAINI for the contract `contract`, or for every contract with kAllContracts,
// under the progress counter ("Actualizez ratele..."). Loads the inflation rates first.
// One pass over the installments; the changed amounts are written in one transaction (the caller's, when
// there is one).
// Returns the number of installments whose stored amount changed.
qint64 ReindexInstallments(Database& db, RateTables& rates, ContractChoice contract, ProgressCounter& counter);

}  // namespace velmar
