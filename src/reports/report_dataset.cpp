// Report datasets made from selections.
#include "reports/report_dataset.h"

#include "store/dates.h"
#include "store/sql/csv_format.h"
#include "store/sql/database.h"

namespace velmar {

ReportDataset datasetOf(QueryResult selection, const QStringList& textColumns)
{
    ReportDataset dataset;
    for (const QString& name : selection.columns)
        dataset.columns.push_back({name, textColumns.contains(name, Qt::CaseInsensitive)});
    dataset.rows = std::move(selection.rows);
    return dataset;
}

QString datasetCsv(const ReportDataset& dataset, const QString& dateColumn)
{
    QStringList names;
    int date = -1;
    for (const ReportColumn& column : dataset.columns) {
        if (column.name.compare(dateColumn, Qt::CaseInsensitive) == 0)
            date = int(names.size());
        names << column.name;
    }
    QString text = names.join(u',') + u'\n';
    for (const QVariantList& row : dataset.rows) {
        QStringList fields;
        for (int c = 0; c < row.size(); ++c)
            fields << (c == date ? DayToText(row[c].toDouble()) : csvField(row[c]));
        text += fields.join(u',') + u'\n';
    }
    return text;
}

}  // namespace velmar
