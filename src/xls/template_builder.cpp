// A carried template: its formatted empty workbook, then its cells written through the engine, which
// also computes the cached results of the formulas.
#include "xls/template_builder.h"

#include "xls/template_stream.h"
#include "xls/workbook.h"

#include <set>
#include <utility>

namespace velmar::xls {

namespace {

int columnNumber(char letter) { return letter - 'A' + 1; }

void putCell(Workbook& book, const LayoutCell& cell)
{
    const QString content = QString::fromLatin1(cell.content);
    const int column = columnNumber(cell.column);
    if (content.startsWith(u'='))
        book.setFormula(cell.row, column, content.mid(1), xfIndex(cell.look));
    else
        book.setText(cell.row, column, content, xfIndex(cell.look));
}

// The heading rows are boxed across the whole table, also where a heading has no second line.
void boxEmptyHeadings(Workbook& book, const TemplateLayout& layout)
{
    std::set<std::pair<int, int>> filled;
    for (const LayoutCell& cell : layout.cells)
        filled.emplace(cell.row, columnNumber(cell.column));
    const int tableColumns = int(layout.columnWidths.size());
    for (const auto& [row, look] : {std::pair{layout.headingFirstRow, CellLook::HeadingUpper},
                                    std::pair{layout.headingLastRow(), CellLook::HeadingLower}})
        for (int column = 1; column <= tableColumns; ++column)
            if (!filled.contains({row, column}))
                book.setText(row, column, QString(), xfIndex(look));
}

}  // namespace

QByteArray BuildCarriedTemplate(CarriedTemplate which)
{
    const TemplateLayout& layout = carriedLayout(which);
    Workbook book =
        Workbook::fromStream(TemplateStream(layout), QString::fromLatin1(layout.sheetName) + QStringLiteral(".xls"));
    for (const LayoutCell& cell : layout.cells)
        putCell(book, cell);
    boxEmptyHeadings(book, layout);
    return book.toFileBytes();
}

}  // namespace velmar::xls
