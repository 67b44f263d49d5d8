// Inflation indexation of installments.
#include "debt/indexation.h"

#include "app/progress_counter.h"
#include "app/rate_tables.h"
#include "debt/debt_texts.h"
#include "store/rounding.h"
#include "store/sql/database.h"
#include "store/sql/transaction.h"
#include "store/store_error.h"

#include <charconv>

namespace velmar {

namespace {

// Stored into a whole-lei column: the storage's rounding, half away from zero.
qint64 storedWhole(double value)
{
    const auto whole = scaleRoundHalfAway(value, 0);
    if (!whole)
        throw StoreError(QStringLiteral("Suma indexata %1 nu poate fi memorata").arg(formatNumber(value)));
    return *whole;
}

// A factor as it goes into a statement: its general text with 15 significant digits, read back.
double asStatementText(double factor)
{
    char text[32];
    const auto written = std::to_chars(std::begin(text), std::end(text), factor, std::chars_format::general, 15);
    double value = factor;
    std::from_chars(std::begin(text), written.ptr, value);
    return value;
}

struct Installment {
    qint64 rowid;
    qint64 due;
    QVariant initial;
    QVariant stored;
};

void indexContract(const RateTables& rates, const std::vector<Installment>& installments,
                   std::vector<QVariantList>& updates)
{
    std::vector<qint64> due;
    std::vector<qint64> initial;
    for (const Installment& i : installments) {
        due.push_back(i.due);
        initial.push_back(i.initial.toLongLong());
    }
    const std::vector<qint64> indexed = IndexedAmounts(rates, due, initial);
    for (size_t j = 0; j < installments.size(); ++j) {
        const QVariant target = installments[j].initial.isNull() ? QVariant() : QVariant(indexed[j]);
        if (target != installments[j].stored)
            updates.push_back({target, installments[j].rowid});
    }
}

}  // namespace

std::vector<qint64> IndexedAmounts(const RateTables& rates, const std::vector<qint64>& dueDates,
                                   const std::vector<qint64>& initialAmounts)
{
    std::vector<double> factors(dueDates.size(), 1.0);  // factors[k]: from dueDates[k-1] to dueDates[k]
    for (size_t k = 1; k < dueDates.size(); ++k)
        factors[k] = asStatementText(rates.InflationFactor(dueDates[k - 1], dueDates[k]));
    std::vector<qint64> amounts(initialAmounts);
    for (size_t j = 0; j < amounts.size(); ++j)
        for (size_t k = 1; k < dueDates.size() && dueDates[k - 1] < dueDates[j]; ++k)
            amounts[j] = storedWhole(double(amounts[j]) * factors[k]);
    return amounts;
}

qint64 ReindexInstallments(Database& db, RateTables& rates, ContractChoice contract, ProgressCounter& counter)
{
    ProgressScope progress(counter, debt_texts::kReindexCaption);
    rates.LoadInflationRates(db);
    Transaction transaction(db);  // also keeps row positions steady between the reading and the writing
    const QueryResult rows = db.select(
        QStringLiteral("SELECT rowid, IDCON, DATARATA, RATAINI, RATACALC FROM Rate %1 ORDER BY IDCON, DATARATA")
            .arg(contract ? QStringLiteral("WHERE IDCON = ?") : QString()),
        contract ? QVariantList{*contract} : QVariantList{});
    progress.setMaximum(int(rows.rows.size()));
    const int rowid = rows.column(u"rowid");
    const int idcon = rows.column(u"IDCON");
    const int datarata = rows.column(u"DATARATA");
    const int rataini = rows.column(u"RATAINI");
    const int ratacalc = rows.column(u"RATACALC");

    std::vector<QVariantList> updates;
    std::vector<Installment> installments;
    QVariant currentId;
    for (const QVariantList& row : rows.rows) {
        if (row[idcon] != currentId) {
            indexContract(rates, installments, updates);
            installments.clear();
            currentId = row[idcon];
        }
        installments.push_back({row[rowid].toLongLong(), row[datarata].toLongLong(), row[rataini], row[ratacalc]});
        progress.step();
    }
    indexContract(rates, installments, updates);
    const qint64 changed = db.executeBatch(QStringLiteral("UPDATE Rate SET RATACALC = ? WHERE rowid = ?"), updates);
    transaction.commit();
    return changed;
}

}  // namespace velmar
