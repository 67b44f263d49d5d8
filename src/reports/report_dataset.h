// The records a report fills its template's band row with: named columns, each holding texts or numbers
// (amounts, counts, and dates as day numbers), and one value per column in every row.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

namespace velmar {

struct QueryResult;

struct ReportColumn {
    QString name;
    bool isText = false;
};

struct ReportDataset {
    std::vector<ReportColumn> columns;
    std::vector<QVariantList> rows;
};

// A selection as a dataset: its columns in their order, those named in textColumns as texts.
ReportDataset datasetOf(QueryResult selection, const QStringList& textColumns);

// The records as CSV lines under a header line of the column names, the day numbers of `dateColumn` as
// dd.MM.yyyy: what velmar-cli prints for a report.
QString datasetCsv(const ReportDataset& dataset, const QString& dateColumn);

}  // namespace velmar
