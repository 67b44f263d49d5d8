// The xlrd script behind reportCells.
#include "report_cells.h"

#include "support/python_check.h"

#include <gtest/gtest.h>

namespace velmar::test {

QString reportCells(const QString& path)
{
    static const QString script = QStringLiteral(R"(
import csv, sys, xlrd
book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
sheet = book.sheet_by_index(0)
out = csv.writer(sys.stdout, lineterminator='\n')
def field(cell):
    if cell.ctype == xlrd.XL_CELL_EMPTY:
        return ''
    value = cell.value
    if cell.ctype in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE) and value == int(value):
        value = int(value)
    if cell.ctype == xlrd.XL_CELL_DATE:
        value = '%s=%04d-%02d-%02d' % ((value,) + xlrd.xldate_as_tuple(cell.value, book.datemode)[:3])
    if cell.ctype == xlrd.XL_CELL_ERROR:
        value = xlrd.error_text_from_code[value]
    return '%d:%s' % (cell.ctype, value)
for r in range(sheet.nrows):
    out.writerow([r + 1] + [field(c) for c in sheet.row(r)])
)");
    const PythonRun run = runPython(script, {path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return run.out;
}

}  // namespace velmar::test
