// The formatting of a carried template as a bare BIFF8 workbook stream without cells: fonts, number
// formats, one cell format per CellLook, and the one sheet with its page setup, footer, column widths
// and the heading rows printed on every page. The cells are put in afterwards through the engine. An exported
// grid is built on the same formatting.
#pragma once

#include "xls/template_layouts.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace velmar::xls {

QByteArray TemplateStream(const TemplateLayout& layout);

// The same formatting around one sheet named `sheetName` with columns of `columnWidths` characters from
// column A; rows titleFirstRow..titleLastRow (from 1) print on every page, on A4 paper turned as asked.
QByteArray FormattedSheetStream(const QString& sheetName, const std::vector<double>& columnWidths, int titleFirstRow,
                                int titleLastRow, bool landscape);

// The XF record of a look in that stream.
int xfIndex(CellLook look);

}  // namespace velmar::xls
