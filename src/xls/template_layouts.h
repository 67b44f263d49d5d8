// What each carried template holds: its sheet, column widths, the heading rows printed on every page and
// its cells with the look each one has. The reports rely only on the tags among these cells.
#pragma once

#include "xls/template_builder.h"

#include <vector>

namespace velmar::xls {

// One cell format of the templates. Everything is Arial; table cells are 9 pt, titles 12 pt.
enum class CellLook {
    Title,         // 12 pt bold
    CentredTitle,  // 12 pt bold, centred
    CentredTag,    // 12 pt, centred
    Plain,         // 9 pt
    Bold,          // 9 pt bold
    HeadingUpper,  // 9 pt bold, centred, boxed with the row below it
    HeadingLower,
    BandText,         // the repeated row and the totals: 9 pt, boxed
    BandAmount,       // number format "0", right-aligned
    BandDate,         // dd.mm.yyyy
    BandExplanation,  // text format "@": an explanation that looks like a number stays as typed
    TotalLabel,       // 9 pt bold, boxed
    TotalAmount,      // 9 pt bold, "0", right-aligned, boxed
    // The looks of an exported grid; its text cells left-aligned are BandExplanation, its dates BandDate.
    GridHeading,      // 9 pt bold, centred, boxed: band and column titles
    GridTextCentred,  // "@", centred, boxed
    GridTextRight,    // "@", right-aligned, boxed
    GridNumber,       // General, right-aligned, boxed: a number as it is, decimals included
    GridNumberRed,    // GridNumber in bold red
};
constexpr int kCellLookCount = int(CellLook::GridNumberRed) + 1;

struct LayoutCell {
    int row;      // from 1
    char column;  // 'A'..'Z'
    CellLook look;
    const char* content;  // a text, or a formula after "="
};

struct TemplateLayout {
    const char* sheetName;
    std::vector<double> columnWidths;  // in characters, from column A; the table's columns
    int headingFirstRow;               // two heading rows, repeated on every printed page
    std::vector<LayoutCell> cells;
    int headingLastRow() const { return headingFirstRow + 1; }
};

const TemplateLayout& carriedLayout(CarriedTemplate which);

}  // namespace velmar::xls
