// Writing the ledger as CSV.
#include "debt/sheet_csv.h"

#include "store/dates.h"
#include "store/sql/csv_format.h"

#include <QStringList>

namespace velmar {

namespace {

QString sheetField(const ReportColumn& column, const QVariant& value)
{
    if (column.isText)
        return csvField(value);
    if (column.name == u"DATASTAB")
        return DayToText(value.toDouble());
    return value.toLongLong() == 0 ? QString() : QString::number(value.toLongLong());
}

}  // namespace

QString SheetCsv(const ReportDataset& ledger)
{
    QStringList header;
    for (const ReportColumn& column : ledger.columns)
        header << column.name;
    QString text = header.join(u',') + u'\n';
    for (const QVariantList& row : ledger.rows) {
        QStringList fields;
        for (size_t c = 0; c < ledger.columns.size(); ++c)
            fields << sheetField(ledger.columns[c], row.value(qsizetype(c)));
        text += fields.join(u',') + u'\n';
    }
    return text;
}

}  // namespace velmar
