// Installment schedule generation.
#include "contracts/schedule.h"

#include "contracts/contract_input.h"
#include "contracts/contract_validation.h"
#include "store/dates.h"
#include "store/id_counters.h"
#include "store/sql/database.h"

#include <vector>

namespace velmar {

void GenerateSchedule(Database& db, IdCounters& ids, qint64 idcon, const ContractInput& input)
{
    const auto years = qint64(NumericValue(input.nrRate));
    const double amount = NumericValue(input.rata);  // the Rate columns' rounding makes it whole lei
    std::vector<QVariantList> rows;
    for (int k = 0; k < years; ++k) {
        // Always from the first dates: stepping from the previous installment would let 29 February,
        // once clamped to the 28th, stay there in leap years.
        const qint64 due = dayNumber(AddMonths(input.dataRata1, 12 * k));
        const qint64 penaltyFrom = dayNumber(AddMonths(input.dataPen1, 12 * k));
        rows.push_back({idcon, ids.NextId(QStringLiteral("IDRATA")).toLongLong(), qint64(k + 1), due, penaltyFrom,
                        penaltyFrom, amount, amount});
    }
    db.executeBatch(QStringLiteral("INSERT INTO Rate (IDCON, IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, RATAINI, "
                                   "RATACALC, ACHITAT, PENALREST) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, 0)"),
                    rows);
}

}  // namespace velmar
