// The formatting of a carried template as a bare BIFF8 workbook stream without cells: fonts, number
// formats, one cell format per CellLook, and the one sheet with its page setup, footer, column widths
// and the heading rows printed on every page. The cells are put in afterwards through the engine.
#pragma once

#include "xls/template_layouts.h"

#include <QByteArray>

namespace velmar::xls {

QByteArray TemplateStream(const TemplateLayout& layout);

// The XF record of a look in that stream.
int xfIndex(CellLook look);

}  // namespace velmar::xls
