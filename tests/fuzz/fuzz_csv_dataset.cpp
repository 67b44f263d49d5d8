// A report dataset from any bytes. Text that is not proper CSV may only be refused with a StoreError; a
// dataset read has one value per column in every row.
#include "reports/csv_dataset.h"
#include "store/store_error.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar;
    try {
        const ReportDataset dataset = ReadCsvDataset(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                                                     QStringLiteral("fuzz.csv"));
        for (const QVariantList& row : dataset.rows)
            if (size_t(row.size()) != dataset.columns.size())
                std::abort();
    } catch (const StoreError&) {
    }
    return 0;
}
