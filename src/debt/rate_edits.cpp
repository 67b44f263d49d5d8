// Rate-table edits.
#include "debt/rate_edits.h"

#include "app/rate_tables.h"
#include "debt/debt_texts.h"
#include "debt/indexation.h"
#include "debt/rate_rows.h"
#include "store/dates.h"
#include "store/id_counters.h"
#include "store/numeric_limits.h"
#include "store/rounding.h"
#include "store/sql/database.h"
#include "store/sql/transaction.h"
#include "store/store_error.h"
#include "store/table_schema.h"

#include <QRegularExpression>

namespace velmar {

namespace {

void requireDate(QDate date)
{
    if (!date.isValid())
        throw StoreError(debt_texts::badDate(date.toString()));
}

void requireRow(Database& db, const QString& table, const QString& idColumn, qint64 id, const QString& missing)
{
    const QueryResult found =
        db.select(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(table, idColumn), {id});
    if (found.rows.front().front().toLongLong() == 0)
        throw StoreError(missing);
}

PenaltyRate penaltyRate(const PenaltyRateEdit& edit)
{
    requireDate(edit.date);
    return {double(dayNumber(edit.date)), RateText(edit.perDay, false).toDouble(),
            RateText(edit.perMonth, false).toDouble()};
}

InflationRate inflationRate(const InflationRateEdit& edit)
{
    requireDate(edit.date);
    return {dayNumber(edit.date), RateText(edit.value, true).toDouble()};
}

}  // namespace

QString RateText(const QString& typed, bool negativeAllowed)
{
    static const QRegularExpression rate(QStringLiteral(R"(^(-?)(\d{0,3})(?:\.(\d{0,2}))?$)"));
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return QStringLiteral("0");
    const auto m = rate.match(text);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        throw StoreError(debt_texts::badRate(typed));
    if (!m.captured(1).isEmpty() && !negativeAllowed)
        throw StoreError(debt_texts::negativePenalty(typed));
    // The columns are N(6,2): the minus sign takes the place of a digit, so -99.99 is the lowest they hold.
    const double value = text.toDouble();
    if (!fitsColumn(value, permanentTable(u"Inflatie").field(u"VALOARE")))
        throw StoreError(debt_texts::badRate(typed));
    return formatNumber(value);
}

qint64 AddPenaltyRate(Database& db, IdCounters& ids, const PenaltyRateEdit& edit)
{
    const PenaltyRate rate = penaltyRate(edit);
    const qint64 id = ids.NextId(QStringLiteral("IDP"));
    InsertPenaltyRow(db, id, rate);
    return id;
}

void ChangePenaltyRate(Database& db, qint64 idp, const PenaltyRateEdit& edit)
{
    const PenaltyRate rate = penaltyRate(edit);
    requireRow(db, QStringLiteral("PenalIst"), QStringLiteral("IDP"), idp, debt_texts::noPenaltyRow(idp));
    db.execute(QStringLiteral("UPDATE PenalIst SET DATASTAB = ?, PEZI = ?, PELUNA = ? WHERE IDP = ?"),
               {qint64(rate.day), rate.perDay, rate.perMonth, idp});
}

void DeletePenaltyRate(Database& db, qint64 idp)
{
    requireRow(db, QStringLiteral("PenalIst"), QStringLiteral("IDP"), idp, debt_texts::noPenaltyRow(idp));
    db.execute(QStringLiteral("DELETE FROM PenalIst WHERE IDP = ?"), {idp});
}

template <typename Edit>
void InflationRateEditor::editAndReindex(Edit&& edit)
{
    Transaction transaction(db_);
    edit();
    ReindexInstallments(db_, rates_, kAllContracts, counter_);
    transaction.commit();
}

qint64 InflationRateEditor::add(const InflationRateEdit& edit)
{
    const InflationRate rate = inflationRate(edit);
    const qint64 id = ids_.NextId(QStringLiteral("IDINF"));
    editAndReindex([&] { InsertInflationRow(db_, id, rate); });
    return id;
}

void InflationRateEditor::change(qint64 idinf, const InflationRateEdit& edit)
{
    const InflationRate rate = inflationRate(edit);
    requireRow(db_, QStringLiteral("Inflatie"), QStringLiteral("IDINF"), idinf, debt_texts::noInflationRow(idinf));
    editAndReindex([&] {
        db_.execute(QStringLiteral("UPDATE Inflatie SET DATASTAB = ?, VALOARE = ? WHERE IDINF = ?"),
                    {rate.day, rate.value, idinf});
    });
}

void InflationRateEditor::remove(qint64 idinf)
{
    requireRow(db_, QStringLiteral("Inflatie"), QStringLiteral("IDINF"), idinf, debt_texts::noInflationRow(idinf));
    editAndReindex([&] { db_.execute(QStringLiteral("DELETE FROM Inflatie WHERE IDINF = ?"), {idinf}); });
}

}  // namespace velmar
