// The table as an Excel workbook (BIFF8 .xls) through our workbook engine: the heading and the "Creat la" line,
// the band titles as merged cells over their columns, the column titles (both rows printed on every page),
// then one row per displayed row with numbers and dates as such and every column as wide as in the grid; printed
// on A4 landscape, one page wide.
#pragma once

#include "export/shown_table.h"

#include <QByteArray>

namespace velmar {

// The rows of the table come after this many rows of headings.
constexpr int kXlsHeadingRows = 5;

// Throws StoreError when the rows do not fit in a sheet.
QByteArray xlsWorkbook(const ShownTable& table);

}  // namespace velmar
