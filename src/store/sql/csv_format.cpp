// CSV output of selections.
#include "store/sql/csv_format.h"

#include "store/rounding.h"

namespace velmar {

QString csvField(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::Double)
        return formatNumber(value.toDouble());
    if (value.typeId() == QMetaType::LongLong)
        return QString::number(value.toLongLong());
    QString text = value.toString();
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        text = QLatin1Char('"') + text.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
    return text;
}

QString toCsv(const QueryResult& result)
{
    QString out;
    auto line = [&out](const QVariantList& values) {
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (i > 0)
                out += QLatin1Char(',');
            out += csvField(values[i]);
        }
        out += QLatin1Char('\n');
    };
    line(QVariantList(result.columns.begin(), result.columns.end()));
    for (const QVariantList& row : result.rows)
        line(row);
    return out;
}

}  // namespace velmar
