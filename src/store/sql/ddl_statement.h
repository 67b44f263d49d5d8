// The two structure statements the engine runs itself rather than through SQLite: CREATE TABLE with
// CHAR(n), DECIMAL(p,s) and DATE columns, and ALTER TABLE ... ADD of one column.
#pragma once

#include "store/dbf/dbf_field.h"

#include <optional>
#include <vector>

namespace velmar {

struct DdlStatement {
    enum class Kind { CreateTable, AddColumn };
    Kind kind;
    QString table;
    std::vector<DbfField> fields;  // every column of a new table, or the one column added
};

// nullopt when the text is not one of the two; StoreError when it is one but malformed.
std::optional<DdlStatement> parseDdl(const QString& sql);

}  // namespace velmar
