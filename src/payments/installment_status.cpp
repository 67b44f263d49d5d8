// The installment status query and its computed columns.
#include "payments/installment_status.h"

#include "app/rate_tables.h"
#include "store/rounding.h"
#include "store/sql/database.h"
#include "store/sql/row_reader.h"
#include "store/table_schema.h"

namespace velmar {

namespace {

// Made once per selection of Rate rows.
RowReader<InstallmentStatus> installmentReader(const QueryResult& selection)
{
    return {selection,
            {{u"IDRATA", &InstallmentStatus::idrata},
             {u"NRRATA", &InstallmentStatus::nrrata},
             {u"DATARATA", &InstallmentStatus::datarata},
             {u"DATAPEN", &InstallmentStatus::datapen},
             {u"ULTIMA", &InstallmentStatus::ultima},
             {u"RATAINI", &InstallmentStatus::rataini},
             {u"RATACALC", &InstallmentStatus::ratacalc},
             {u"ACHITAT", &InstallmentStatus::achitat},
             {u"PENALREST", &InstallmentStatus::penalrest}}};
}

InstallmentStatus statusOf(InstallmentStatus s, const RateTables& rates, qint64 stopPen, qint64 calcDay)
{
    s.restanta = s.ratacalc - s.achitat;
    // The start is the day before ULTIMA, so ULTIMA itself is the first day charged: an installment settled
    // on the calculation date still shows a day of penalty.
    s.penalcur =
        RoundHalfUp(rates.ComputePenalty(double(calcDay), double(s.ultima - 1), double(stopPen)) * double(s.restanta));
    s.penaltot = s.penalrest + s.penalcur;
    s.deachitat = s.penaltot + s.restanta;
    return s;
}

}  // namespace

ContractStatus LoadContractStatus(Database& db, const RateTables& rates, qint64 idcon, qint64 stopPen, qint64 calcDay,
                                  InstallmentScope scope)
{
    const bool dueOnly = scope == InstallmentScope::DueByDate;
    const QueryResult rows = db.select(
        QStringLiteral("SELECT %1 FROM Rate WHERE IDCON = ? %2 ORDER BY NRRATA")
            .arg(permanentTable(u"Rate").columnList(), dueOnly ? QStringLiteral("AND DATARATA <= ?") : QString()),
        dueOnly ? QVariantList{idcon, calcDay} : QVariantList{idcon});
    const RowReader<InstallmentStatus> reader = installmentReader(rows);
    ContractStatus status;
    status.installments.reserve(rows.rows.size());
    for (const QVariantList& row : rows.rows) {
        const InstallmentStatus& s =
            status.installments.emplace_back(statusOf(reader.read(row), rates, stopPen, calcDay));
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
