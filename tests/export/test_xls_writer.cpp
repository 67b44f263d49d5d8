// The workbook export as python3-xlrd reads it: the bands merged over their columns, numbers, dates and codes
// each with its format, the grid's widths; and a table a sheet cannot hold refused before anything is written.
#include "print_qstring.h"
#include "sample_table.h"

#include "export/xls_writer.h"
#include "store/store_error.h"
#include "support/python_check.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

// One line per merged range, column width and cell: "B6 date 45352 | dd.mm.yyyy | bold=0 red=0".
const QString kReading = QStringLiteral(R"(
import sys, xlrd
book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
sheet = book.sheet_by_index(0)
print('sheet', sheet.name)
for r1, r2, c1, c2 in sheet.merged_cells:
    print('merged rows %d-%d columns %d-%d' % (r1, r2 - 1, c1, c2 - 1))
for c in range(sheet.ncols):
    print('width', c, sheet.colinfo_map[c].width)
kinds = {xlrd.XL_CELL_TEXT: 'text', xlrd.XL_CELL_NUMBER: 'number', xlrd.XL_CELL_DATE: 'date',
         xlrd.XL_CELL_BLANK: 'blank'}
for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        cell = sheet.cell(r, c)
        if cell.ctype == xlrd.XL_CELL_EMPTY:
            continue
        xf = book.xf_list[cell.xf_index]
        font = book.font_list[xf.font_index]
        value = cell.value if cell.ctype == xlrd.XL_CELL_TEXT else repr(cell.value).replace('.0', '')
        print('%s%d %s %s | %s | bold=%d red=%d' % (chr(65 + c), r + 1, kinds[cell.ctype], value,
              book.format_map[xf.format_key].format_str, font.weight >= 700, font.colour_index == 10))
)");

TEST(XlsExport, XlrdReadsBandsTypesFormatsAndWidths)
{
    TempFolder folder;
    const QString path = folder.file("list.xls");
    writeBytes(path, xlsWorkbook(sampleTable()));
    const PythonRun read = runPython(kReading, {path});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    const QStringList lines = read.out.split('\n', Qt::SkipEmptyParts);
    const auto has = [&](const char* line) {
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line << "\n" << read.out.toStdString();
    };
    has("sheet Lista Contractelor");
    has("merged rows 3-3 columns 0-1");
    has("merged rows 3-3 columns 2-3");
    has("width 0 2048");  // 8 characters of 256
    has("width 2 5376");
    has("A1 text Lista Contractelor | General | bold=1 red=0");
    has("A2 text Creat la 11.12.2026 | General | bold=0 red=0");
    has("A4 text Contract de Concesiune | General | bold=1 red=0");
    has("C4 text Titular | General | bold=1 red=0");
    has("E4 blank '' | General | bold=1 red=0");
    has("E5 text Suprafata | General | bold=1 red=0");
    has("A6 number 7 | General | bold=1 red=1");
    has("B6 date 45352 | dd.mm.yyyy | bold=0 red=0");
    has("C6 text Ştefănescu, \"Ţuţu\" | @ | bold=0 red=0");
    has("D6 text 1800101221144 | @ | bold=0 red=0");
    has("E6 number 12.5 | General | bold=0 red=0");
    has("B7 text - | @ | bold=0 red=0");
    has("D7 text 0012 | @ | bold=0 red=0");
    has("D8 blank '' | @ | bold=0 red=0");
    has("E8 number -0.25 | General | bold=0 red=0");
}

TEST(XlsExport, RowsBeyondASheetAreRefusedWithTheirCount)
{
    ShownTable table;
    table.columns.push_back({{}, "Nr", 4, kNumberAlignment});
    table.rows.assign(65536 - kXlsHeadingRows, {shownCell(ValueKind::Number, "1")});
    EXPECT_NO_THROW(xlsWorkbook(table));
    table.rows.push_back({shownCell(ValueKind::Number, "1")});
    try {
        xlsWorkbook(table);
        ADD_FAILURE() << "a table longer than a sheet was written";
    } catch (const StoreError& e) {
        EXPECT_TRUE(QString::fromStdString(e.what()).contains("65532")) << e.what();
    }
}

}  // namespace
}  // namespace velmar::test
