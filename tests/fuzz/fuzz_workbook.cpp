// A workbook from any bytes: the compound file and the BIFF8 stream read, every sheet's first cells and
// formulas looked at, and the workbook written again. A damaged file may only be refused with a StoreError.
#include "store/store_error.h"
#include "xls/workbook.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar;
    try {
        xls::Workbook book = xls::Workbook::fromFileBytes(
            QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), QStringLiteral("Fuzz.xls"));
        for (int sheet = 1; sheet <= std::min(book.sheetCount(), 4); ++sheet) {
            (void)book.sheetName(sheet);
            book.selectSheet(sheet);
            for (int row = 1; row <= std::min(book.rowCount(), 40); ++row) {
                for (int column = 1; column <= std::min(book.columnCount(), 16); ++column) {
                    (void)book.cellText(row, column);
                    (void)book.formulaText(row, column);
                    (void)book.cellFormat(row, column);
                }
            }
        }
        (void)book.toFileBytes();
    } catch (const StoreError&) {
    }
    return 0;
}
