// A dBase table from any bytes: the header and every record read, every value stored back into its field
// and the whole file planned anew. A damaged file may only be refused with a StoreError.
#include "store/dbf/dbf_table.h"
#include "store/store_error.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar;
    try {
        DbfTable table = DbfTable::fromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                                             QStringLiteral("/nonexistent/Fuzz.dbf"));
        const int columns = int(table.fields().size());
        for (size_t row = 0; row < table.rowCount(); ++row) {
            for (int column = 0; column < columns; ++column) {
                try {
                    table.set(row, column, table.normalized(column, table.cell(row, column)));
                } catch (const StoreError&) {
                    // a value the file holds but a field of that shape could not be given
                }
            }
        }
        (void)table.pendingChange(QDate(2024, 2, 29));
        (void)table.packChange(QDate(2024, 2, 29));
    } catch (const StoreError&) {
    }
    return 0;
}
