// The table as plain text: comma- or tab-separated values (RFC 4180 quoting) and fixed-width columns. Each
// begins with the heading and the "Creat la" line, then the band row (when the table has bands) and the
// column titles.
#pragma once

#include "export/shown_table.h"

#include <QString>

namespace velmar {

// Lines end with CR LF, as RFC 4180 writes them. A value is quoted when it holds the separator, a quote or a
// line break; a quote inside is doubled.
QString separatedText(const ShownTable& table, QChar separator);

// Each column as wide as its longest text, aligned as in the grid, two blanks between columns, a band title
// centred over its columns and a dashed line under the titles.
QString fixedWidthText(const ShownTable& table);

}  // namespace velmar
