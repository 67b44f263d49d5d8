// A dBase table held in memory: its header, its rows column by column and the rows changed since it
// was read. Changes are planned as a FileChange (records in place, appended records, header), so they
// can be saved directly or under the data folder's journal.
#pragma once

#include "store/dbf/dbf_header.h"
#include "store/dbf/dbf_value.h"
#include "store/file_change.h"

#include <QDate>
#include <vector>

namespace velmar {

class DbfTable {
public:
    // Reads and checks the whole file; a damaged file throws StoreError naming it and is never written.
    static DbfTable load(const QString& path);
    // The same checks over a file's bytes already read; `path` names it in messages and is where it saves.
    static DbfTable fromBytes(const QByteArray& bytes, const QString& path);
    // A new, empty table that does not exist on disk yet (saving writes the whole file).
    static DbfTable create(const QString& path, const std::vector<DbfField>& fields, std::uint8_t languageDriver);

    const QString& path() const { return path_; }
    const QString& name() const { return name_; }  // the file's base name, as it is spelled on disk
    const DbfHeader& header() const { return header_; }
    const std::vector<DbfField>& fields() const { return header_.fields(); }
    bool hasColumn(QStringView name) const { return header_.fieldIndex(name) >= 0; }

    size_t rowCount() const { return deleted_.size(); }  // deleted rows included, as in the file
    size_t liveRowCount() const;
    bool isDeleted(size_t row) const { return deleted_[row] != 0; }

    Cell cell(size_t row, int column) const;
    bool isNull(size_t row, int column) const;
    std::int64_t integer(size_t row, int column) const { return columns_[size_t(column)].ints[row]; }
    // The value a field will hold, or a StoreError naming the column (see normalizeForField).
    Cell normalized(int column, const Cell& value) const;
    void set(size_t row, int column, const Cell& normalizedValue);
    size_t appendRow();  // every field empty
    void markDeleted(size_t row);

    bool hasChanges() const { return !dirtyRows_.empty() || rowCount() != rowsOnDisk_ || !existsOnDisk_; }
    // The writes that bring the file in line with memory (records, header date and count, end marker).
    FileChange pendingChange(QDate today) const;
    void markSaved();  // after pendingChange has been applied
    // Applies pendingChange directly: for private work tables only.
    void save(QDate today, Durability durability = Durability::Forced);

    // Whole-file rewrites: the deleted rows dropped, or one more column (empty in every row).
    FileChange packChange(QDate today) const;
    FileChange addColumnChange(const DbfField& field, QDate today) const;

private:
    struct Column {
        std::vector<std::int64_t> ints;   // N without decimals
        std::vector<std::uint8_t> nulls;  // ... and which of them are empty
        std::vector<double> reals;        // N with decimals, NaN when empty
        std::vector<std::string> texts;   // C and D; an empty D is null
    };

    void store(size_t row, int column, const Cell& value);
    std::vector<size_t> allRows() const;
    QByteArray encodeRecord(size_t row) const;
    QByteArray wholeFile(const DbfHeader& header, const std::vector<size_t>& rows, bool addEmptyField,
                         QDate today) const;
    void resizeColumns(size_t rows);

    QString path_;
    QString name_;
    DbfHeader header_;
    std::vector<Column> columns_;
    std::vector<std::uint8_t> deleted_;
    std::vector<std::uint8_t> dirty_;
    std::vector<size_t> dirtyRows_;
    size_t rowsOnDisk_ = 0;
    bool existsOnDisk_ = true;
};

}  // namespace velmar
