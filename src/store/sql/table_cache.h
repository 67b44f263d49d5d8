// One table file as the SQL engine sees it: the parsed table, kept while no other workstation changes
// the file, and hash lookups on whole-number columns built when a statement first asks for them.
#pragma once

#include "store/dbf/dbf_table.h"

#include <QString>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace velmar {

class TableCache {
public:
    TableCache(QString sqlName, QString path, std::vector<DbfField> fallbackFields);

    const QString& sqlName() const { return sqlName_; }
    const QString& path() const { return path_; }
    // The columns the SQL engine is told about: the file's own, or, while the file cannot be read,
    // the table's description so that statements reach the table and report what is wrong with it.
    const std::vector<DbfField>& declaredFields() const { return declared_; }
    // Re-reads the header; true when the file's columns differ from the declared ones.
    bool columnsChangedOnDisk();

    DbfTable& table();  // parses the file on first use; StoreError when it cannot
    bool isLoaded() const { return table_.has_value(); }
    void invalidate();  // forgets the parsed rows (another writer changed the file, or a rollback)

    // Rows whose whole-number column equals key (deleted ones included: the caller skips them).
    const std::vector<std::uint32_t>& rowsWith(int column, std::int64_t key);
    // Keeps the built lookups in step with a change made through the SQL engine.
    void noteStored(size_t row, int column, const Cell& oldValue, const Cell& newValue);

private:
    using Lookup = std::unordered_map<std::int64_t, std::vector<std::uint32_t>>;

    void readDeclaredFields();

    QString sqlName_;
    QString path_;
    std::vector<DbfField> fallback_;
    std::vector<DbfField> declared_;
    std::optional<DbfTable> table_;
    std::unordered_map<int, Lookup> lookups_;
};

}  // namespace velmar
