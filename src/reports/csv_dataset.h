// A report dataset from CSV text (UTF-8, comma-separated, fields quoted the RFC 4180 way): the header
// line names the columns. A column is a number column when it holds a value and each of its values is
// empty or an unquoted number such as 12, -3 or 1500.25 (an empty value is then 0); any other column,
// e.g. one holding "1800101221144" in quotes, is a text column.
#pragma once

#include "reports/report_dataset.h"

#include <QByteArray>

namespace velmar {

// Throws StoreError naming the file and line for text that is not UTF-8, misplaced quotes, a missing
// header or a line with another number of values than the header.
ReportDataset ReadCsvDataset(const QByteArray& bytes, const QString& fileName);

}  // namespace velmar
