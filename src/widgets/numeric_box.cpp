// Numeric boxes and the limits of their columns.
#include "widgets/numeric_box.h"

#include "store/store_error.h"
#include "store/table_schema.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

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

void limitNumericBox(QLineEdit* box, NumericLimits limits)
{
    QString pattern = QStringLiteral("[0-9]{0,%1}").arg(limits.integerDigits);
    if (limits.decimals > 0)
        pattern += QStringLiteral("(\\.[0-9]{0,%1})?").arg(limits.decimals);
    if (limits.signAllowed)
        pattern.prepend(QStringLiteral("-?"));
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), box));
}

}  // namespace velmar
