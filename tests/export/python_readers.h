// What Python's own readers make of our text exports: the csv module for separated values, html.parser for
// the web page. Each gives the rows of cells; a reader failure fails the calling test.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace velmar::test {

using Cells = std::vector<QStringList>;

// Rows of a UTF-8 file (byte-order mark allowed) of values separated by `separator`.
Cells pythonCsvRows(const QString& path, QChar separator);
// Rows of the page's table cells (th and td), a cell spanning n columns given as its text and n-1 empty ones.
Cells pythonHtmlRows(const QString& path);

}  // namespace velmar::test
