// Digests of native rows and of Database results.
#include "bench/result_digest.h"

#include <sqlite3.h>

namespace velmar::bench {

void ResultDigest::add(sqlite3_stmt* row)
{
    ++rows;
    for (int c = 0, n = sqlite3_column_count(row); c < n; ++c) {
        switch (sqlite3_column_type(row, c)) {
        case SQLITE_INTEGER:
            numberSum += sqlite3_column_int64(row, c);
            break;
        case SQLITE_FLOAT:
            numberSum += qint64(sqlite3_column_double(row, c));
            break;
        case SQLITE_NULL:
            break;
        default:
            sqlite3_column_text(row, c);
            textBytes += sqlite3_column_bytes(row, c);
        }
    }
}

ResultDigest ResultDigest::of(const QueryResult& result)
{
    ResultDigest digest;
    for (const QVariantList& row : result.rows) {
        ++digest.rows;
        for (const QVariant& value : row) {
            if (value.typeId() == QMetaType::QString)
                digest.textBytes += value.toString().toUtf8().size();
            else if (value.typeId() == QMetaType::Double)
                digest.numberSum += qint64(value.toDouble());
            else
                digest.numberSum += value.toLongLong();
        }
    }
    return digest;
}

}  // namespace velmar::bench
