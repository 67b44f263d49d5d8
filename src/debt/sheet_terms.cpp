// Reading a contract's sheet terms.
#include "debt/sheet_terms.h"

#include "debt/debt_texts.h"
#include "store/dates.h"
#include "store/sql/database.h"
#include "store/store_error.h"

namespace velmar {

qint64 SheetTerms::lastPenaltyDay() const
{
    return dayNumber(AddMonths(dateFromDayNumber(datapen1), int(12 * (nrrate - 1))));
}

SheetTerms LoadSheetTerms(Database& db, qint64 idcon)
{
    const QueryResult found = db.select(
        QStringLiteral(
            "SELECT DATAPEN1, NRRATE, StopPen, RATA, MONEDA, NUME, NRCON, DATACON FROM Contract WHERE IDCON = ?"),
        {idcon});
    if (found.rows.empty())
        throw StoreError(debt_texts::noSheetContract(idcon));
    const QVariantList& row = found.rows.front();
    const auto number = [&](const char* column) { return row[found.column(QString::fromLatin1(column))].toLongLong(); };
    const QVariant stop = row[found.column(u"StopPen")];
    return {idcon,
            number("DATAPEN1"),
            number("NRRATE"),
            stop.isNull() ? qint64(kNoStopDay) : stop.toLongLong(),
            number("RATA"),
            row[found.column(u"MONEDA")].toString(),
            row[found.column(u"NUME")].toString(),
            number("NRCON"),
            number("DATACON")};
}

}  // namespace velmar
