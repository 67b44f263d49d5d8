// Limits of numeric columns.
#include "store/numeric_limits.h"

#include "store/dbf/dbf_value.h"
#include "store/store_error.h"
#include "store/table_schema.h"

#include <algorithm>

namespace velmar {

NumericLimits numericLimitsOf(const DbfField& column, Sign sign)
{
    const bool signAllowed = sign == Sign::Allowed;
    const int point = column.decimals > 0 ? 1 : 0;
    return {column.length - column.decimals - point - (signAllowed ? 1 : 0), column.decimals, signAllowed};
}

NumericLimits numericLimitsOf(QStringView table, QStringView column, Sign sign)
{
    for (const DbfField& field : permanentTable(table).fields)
        if (column.compare(field.name, Qt::CaseInsensitive) == 0)
            return numericLimitsOf(field, sign);
    throw StoreError(QStringLiteral("Coloana necunoscuta: %1.%2").arg(table, column));
}

bool fitsNumericLimits(const QString& text, NumericLimits limits)
{
    QStringView rest(text);
    if (limits.signAllowed && rest.startsWith(u'-'))
        rest = rest.mid(1);
    const qsizetype point = rest.indexOf(u'.');
    const QStringView whole = point < 0 ? rest : rest.left(point);
    const QStringView decimals = point < 0 ? QStringView() : rest.mid(point + 1);
    const auto allDigits = [](QStringView part) {
        return std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (point >= 0 && limits.decimals == 0)
        return false;
    return whole.size() <= limits.integerDigits && decimals.size() <= limits.decimals && allDigits(whole) &&
        allDigits(decimals);
}

bool fitsColumn(double value, const DbfField& column)
{
    try {
        normalizeForField(column, Cell(value), CodePage::Windows1250, {});
        return true;
    } catch (const StoreError&) {
        return false;
    }
}

}  // namespace velmar
