// A selection's answer boiled down, to compare the two engines and to read every cell.
#pragma once

#include "store/sql/database.h"

#include <QtGlobal>

struct sqlite3_stmt;

namespace velmar::bench {

// Summing what was read also keeps the compiler from skipping the reads.
struct ResultDigest {
    qint64 rows = 0;
    qint64 numberSum = 0;  // whole numbers, and the whole parts of the others
    qint64 textBytes = 0;  // as UTF-8

    void add(sqlite3_stmt* row);  // one native row, every column read
    static ResultDigest of(const QueryResult& result);
    bool operator==(const ResultDigest&) const = default;
};

}  // namespace velmar::bench
