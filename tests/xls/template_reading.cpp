// The reading script for carried templates.
#include "template_reading.h"

#include "support/python_check.h"

#include <gtest/gtest.h>

namespace velmar::test {

QString templateReading(const QString& path)
{
    static const QString script = QStringLiteral(R"(
import struct, sys, olefile, xlrd
path = sys.argv[1]
book = xlrd.open_workbook(path, formatting_info=True)
sheet = book.sheet_by_index(0)
out = ['sheet %s' % sheet.name]
for c in sorted(sheet.colinfo_map):
    out.append('width %s %d' % (xlrd.colname(c), sheet.colinfo_map[c].width))
for n in book.name_obj_list:
    _, _, r1, r2, c1, c2 = n.result.value[0].coords
    out.append('name %s rows %d-%d columns %s-%s' % (n.name, r1 + 1, r2, xlrd.colname(c1), xlrd.colname(c2 - 1)))

stream = olefile.OleFileIO(path).openstream('Workbook').read()
pos, in_sheet = 0, False
while pos + 4 <= len(stream):  # zeros may follow the last EOF record
    kind, size = struct.unpack_from('<HH', stream, pos)
    if kind == 0:
        break
    data = stream[pos + 4:pos + 4 + size]
    pos += 4 + size
    if kind == 0x0809:
        in_sheet = struct.unpack_from('<H', data, 2)[0] == 0x10
    elif in_sheet and kind == 0x0015:
        count, flags = struct.unpack_from('<HB', data)
        text = data[3:3 + count * 2].decode('utf-16-le') if flags & 1 else data[3:3 + count].decode('latin-1')
        out.append('footer %s' % text)
    elif in_sheet and kind == 0x00A1:
        paper, scale, first, fit_w, fit_h, flags = struct.unpack_from('<6H', data)
        out.append('page paper %d %s fit %dx%d' % (paper, 'portrait' if flags & 2 else 'landscape', fit_w, fit_h))
    elif in_sheet and kind == 0x0081:
        out.append('fit to pages %s' % ('yes' if struct.unpack_from('<H', data)[0] & 0x100 else 'no'))

aligns = {0: 'general', 1: 'left', 2: 'centre', 3: 'right'}
kinds = {1: 'text', 2: 'number', 3: 'date', 5: 'error', 6: 'blank'}
for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        cell = sheet.cell(r, c)
        if cell.ctype not in kinds:
            continue
        xf = book.xf_list[cell.xf_index]
        font = book.font_list[xf.font_index]
        fmt = book.format_map[xf.format_key]
        b = xf.border
        sides = [s for s, style in (('left', b.left_line_style), ('right', b.right_line_style),
                                    ('top', b.top_line_style), ('bottom', b.bottom_line_style)) if style]
        value = cell.value
        if cell.ctype in (2, 3) and value == int(value):
            value = int(value)
        elif cell.ctype == 5:
            value = xlrd.error_text_from_code[value]
        out.append('%s %s %r | %s %g%s | %s | %s%s | %s' % (
            xlrd.cellname(r, c), kinds[cell.ctype], value, font.name, font.height / 20.0,
            ' bold' if font.weight >= 700 else '', aligns.get(xf.alignment.hor_align, '?'), fmt.format_str,
            ' (date)' if fmt.type == xlrd.formatting.FDT else '', ' '.join(sides) or '-'))
print('\n'.join(out))
)");
    const PythonRun run = runPython(script, {path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return run.out;
}

}  // namespace velmar::test
