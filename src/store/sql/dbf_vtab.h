// The SQLite virtual-table module "dbf": each table file is an SQL table whose rows live in its
// TableCache. Equality on a whole-number column is answered through a lookup, so joins on
// identifiers cost one pass over each table.
#pragma once

#include <QString>

struct sqlite3;

namespace velmar {

class TableCache;

class VtabHost {
public:
    virtual ~VtabHost() = default;
    virtual TableCache* cacheFor(const QString& sqlName) = 0;
    virtual bool writesAllowed() const = 0;  // only inside a transaction, with the folder locked
};

// "CREATE VIRTUAL TABLE x USING dbf(sqlName)" then reaches host->cacheFor(sqlName).
void registerDbfModule(sqlite3* db, VtabHost* host);

}  // namespace velmar
