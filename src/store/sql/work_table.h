// A command's short-lived dBase table in TEMP (the calculation sheet's events and ledger, the debts list's
// rows): written once by the command itself, then read through SQL, and gone when the command ends.
#pragma once

#include "store/dbf/dbf_field.h"
#include "store/dbf/dbf_value.h"
#include "store/temp_file_name.h"

#include <vector>

namespace velmar {

class Database;

class WorkTable {
public:
    // Takes the first free name prefix<n>.dbf in TEMP (held until the object ends); StoreError when none is free.
    WorkTable(Database& db, const QString& prefix, std::vector<DbfField> fields);
    // Forgets the SQL table and deletes the file, however the command ends.
    ~WorkTable();
    WorkTable(const WorkTable&) = delete;
    WorkTable& operator=(const WorkTable&) = delete;

    const QString& path() const { return file_.path(); }
    // The name statements use once the rows are stored: the file's base name ("FisCal0").
    const QString& sqlName() const { return sqlName_; }
    const std::vector<DbfField>& fields() const { return fields_; }

    // Writes the rows (one Cell per field, in field order) as the table's file and makes it an SQL table.
    // Only once: a private table is written whole. A value its field cannot hold throws StoreError.
    void store(const std::vector<std::vector<Cell>>& rows);

private:
    Database& db_;
    TempFile file_;
    QString sqlName_;
    std::vector<DbfField> fields_;
};

}  // namespace velmar
