// The records a report fills its template's band row with: named columns, each holding texts or numbers
// (amounts, counts, and dates as day numbers), and one value per column in every row.
#pragma once

#include <QString>
#include <QVariantList>
#include <vector>

namespace velmar {

struct ReportColumn {
    QString name;
    bool isText = false;
};

struct ReportDataset {
    std::vector<ReportColumn> columns;
    std::vector<QVariantList> rows;
};

}  // namespace velmar
