// A report's work table: a dBase file under a numbered name in TEMP, written in one go, queried as an SQL
// table, and deleted when the report ends, finished or stopped by an error.
#pragma once

#include "store/dbf/dbf_field.h"
#include "store/temp_file_name.h"

#include <vector>

namespace velmar {

class Database;
class DbfTable;

class WorkTable {
public:
    // Takes the first free prefix<n>.dbf (TempFileName); StoreError when all names are in use.
    WorkTable(Database& db, const QString& prefix);
    // Detaches the table and deletes its file; the name stays held until the object is gone.
    ~WorkTable();
    WorkTable(const WorkTable&) = delete;
    WorkTable& operator=(const WorkTable&) = delete;

    const QString& path() const { return file_.path(); }
    // The name statements use for it once attached: the file's base name ("Datorii0").
    const QString& sqlName() const { return sqlName_; }

    // An empty table in memory at path(), to be filled and handed to attach().
    DbfTable create(const std::vector<DbfField>& fields) const;
    // Writes the whole file once and makes it an SQL table of `db`.
    void attach(DbfTable& rows);

private:
    Database& db_;
    TempFile file_;
    QString sqlName_;
    bool attached_ = false;
};

}  // namespace velmar
