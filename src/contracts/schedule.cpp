// Installment schedule generation.
#include "contracts/schedule.h"

#include "contracts/contract_input.h"
#include "contracts/contract_validation.h"
#include "store/dates.h"
#include "store/id_counters.h"
#include "store/sql/database.h"
#include "store/table_schema.h"

#include <vector>

namespace velmar {

void GenerateSchedule(Database& db, IdCounters& ids, qint64 idcon, const ContractInput& input)
{
    const auto years = qint64(NumericValue(input.nrRate));
    const double amount = NumericValue(input.rata);  // the Rate columns' rounding makes it whole lei
    const TableDef& rate = permanentTable(u"Rate");
    RowValues row(rate);
    row.set(u"IDCON", idcon).set(u"RATAINI", amount).set(u"RATACALC", amount).set(u"ACHITAT", 0).set(u"PENALREST", 0);
    std::vector<QVariantList> rows;
    for (int k = 0; k < years; ++k) {
        // Always from the first dates: stepping from the previous installment would let 29 February,
        // once clamped to the 28th, stay there in leap years.
        const qint64 penaltyFrom = dayNumber(AddMonths(input.dataPen1, 12 * k));
        row.set(u"IDRATA", ids.NextId(QStringLiteral("IDRATA")))
            .set(u"NRRATA", qint64(k + 1))
            .set(u"DATARATA", qint64(dayNumber(AddMonths(input.dataRata1, 12 * k))))
            .set(u"DATAPEN", penaltyFrom)
            .set(u"ULTIMA", penaltyFrom);
        rows.push_back(row.values());
    }
    db.executeBatch(rate.insertStatement(), rows);
}

}  // namespace velmar
