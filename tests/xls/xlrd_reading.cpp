#include "xls/xlrd_reading.h"

#include "support/python_check.h"

#include <gtest/gtest.h>

namespace velmar::test {

QStringList xlrdReading(const QString& path)
{
    static const QString script = QStringLiteral(R"(
import sys, xlrd
book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
kinds = {1: 'text', 2: 'number', 3: 'date', 4: 'bool', 5: 'error'}
for sheet in book.sheets():
    for r in range(sheet.nrows):
        for c, cell in enumerate(sheet.row(r)):
            if cell.ctype in kinds:
                value = cell.value
                if cell.ctype in (2, 3) and value == int(value):
                    value = int(value)
                print('%s!%s %s %s' % (sheet.name, xlrd.cellname(r, c), kinds[cell.ctype], value))
    for r1, r2, c1, c2 in sheet.merged_cells:
        print('merged %s rows %d-%d columns %d-%d' % (sheet.name, r1, r2, c1, c2))
for name in book.name_obj_list:
    print('name %s %s' % (name.name, name.result.text if name.result is not None else '?'))
)");
    const PythonRun run = runPython(script, {path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return run.out.split('\n', Qt::SkipEmptyParts);
}

}  // namespace velmar::test
