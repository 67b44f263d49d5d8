// The installment status query and its computed columns.
#include "payments/installment_status.h"

#include "app/rate_tables.h"
#include "store/rounding.h"
#include "store/sql/database.h"

namespace velmar {

namespace {

InstallmentStatus statusOf(const QVariantList& v, const RateTables& rates, qint64 stopPen, qint64 calcDay)
{
    const auto whole = [&v](int i) { return v[i].toLongLong(); };  // a blank number is null, read as 0
    InstallmentStatus s{.idrata = whole(0),   .nrrata = whole(1),   .datarata = whole(2),
                        .datapen = whole(3),  .ultima = whole(4),   .rataini = whole(5),
                        .ratacalc = whole(6), .achitat = whole(7),  .penalrest = whole(8)};
    s.restanta = s.ratacalc - s.achitat;
    // The start is the day before ULTIMA, so ULTIMA itself is the first day charged: an installment settled
    // on the calculation date still shows a day of penalty.
    s.penalcur = RoundHalfUp(rates.ComputePenalty(double(calcDay), double(s.ultima - 1), double(stopPen)) *
                             double(s.restanta));
    s.penaltot = s.penalrest + s.penalcur;
    s.deachitat = s.penaltot + s.restanta;
    return s;
}

}  // namespace

ContractStatus LoadContractStatus(Database& db, const RateTables& rates, qint64 idcon, qint64 stopPen,
                                  qint64 calcDay, InstallmentScope scope)
{
    const bool dueOnly = scope == InstallmentScope::DueByDate;
    const QueryResult rows = db.select(
        QStringLiteral("SELECT IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, RATAINI, RATACALC, ACHITAT, PENALREST "
                       "FROM Rate WHERE IDCON = ? %1 ORDER BY NRRATA")
            .arg(dueOnly ? QStringLiteral("AND DATARATA <= ?") : QString()),
        dueOnly ? QVariantList{idcon, calcDay} : QVariantList{idcon});
    ContractStatus status;
    status.installments.reserve(rows.rows.size());
    for (const QVariantList& row : rows.rows) {
        const InstallmentStatus& s = status.installments.emplace_back(statusOf(row, rates, stopPen, calcDay));
        status.totals.restanta += s.restanta;
        status.totals.penalitati += s.penaltot;
    }
    return status;
}

qint64 MaximumCollectable(Database& db, const RateTables& rates, qint64 idcon, qint64 stopPen, qint64 calcDay)
{
    return LoadContractStatus(db, rates, idcon, stopPen, calcDay, InstallmentScope::All).totals.dePlata();
}

}  // namespace velmar
