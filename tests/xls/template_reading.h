// A carried template as independent readers see it: python3-xlrd for the cells, their fonts, formats,
// borders, the column widths and the defined names; the raw records (read with olefile) for the footer
// and page setup, which xlrd does not decode.
#pragma once

#include <QString>

namespace velmar::test {

// One line per fact: "sheet Datorii", "width A 1562", "name Print_Titles rows 5-6 columns A-IV",
// "footer &Rpag.&P / &N", "page paper 9 portrait fit 1x0", then one line per cell that holds a value or a
// format: "D2 text 'BORDEROU DATORII' | Arial 12 bold | centre | General | -".
QString templateReading(const QString& path);

}  // namespace velmar::test
