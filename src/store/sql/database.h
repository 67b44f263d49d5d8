// The tables of one data folder as an SQL database. Each table file is an SQLite virtual table named
// after the table (Contract, Rate, ...); values go in as bound parameters. Reads hold the folder's lock
// shared for one statement; writes run in a Transaction, which holds it exclusively. Every statement
// first looks at the folder's generation numbers, so it sees what other workstations committed.
#pragma once

#include "store/dbf/dbf_field.h"
#include "store/sql/data_folder_lock.h"
#include "store/sql/dbf_vtab.h"
#include "store/store_error.h"

#include <QStringList>
#include <QVariant>
#include <map>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace velmar {

class TableCache;
class DbfTable;
struct DdlStatement;

struct QueryResult {
    QStringList columns;
    std::vector<QVariantList> rows;  // qint64, double, QString or a null QVariant

    // Where a column of the select list sits in every row, without regard to case; throws StoreError when
    // the selection has no such column. Look it up once per selection, not once per row.
    int column(QStringView name) const;
};

class Database final : private VtabHost {
public:
    // Opens the folder: rolls back a journal a dead writer left, makes every permanent table whose file
    // exists (in any letter case) an SQL table.
    explicit Database(const QString& dataFolder);
    ~Database() override;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& folder() const { return folder_; }

    QueryResult select(const QString& sql, const QVariantList& params = {});
    // A change (INSERT, UPDATE, DELETE, CREATE TABLE, ALTER TABLE ... ADD); returns the rows changed.
    // Outside a Transaction it runs in one of its own.
    qint64 execute(const QString& sql, const QVariantList& params = {});
    // The same change once per parameter row, prepared once; returns the rows changed in all.
    qint64 executeBatch(const QString& sql, const std::vector<QVariantList>& paramRows);

    // Makes another table file (a work table) an SQL table under `sqlName`.
    void attach(const QString& sqlName, const QString& filePath);
    void detach(const QString& sqlName);
    bool hasTable(const QString& sqlName) const;
    QString tablePath(const QString& sqlName) const;

    void createTable(const QString& name, const std::vector<DbfField>& fields);
    void addColumn(const QString& table, const DbfField& field);
    bool hasColumn(const QString& table, const QString& column);
    qint64 rowCount(const QString& table);  // rows not marked deleted
    // Removes the rows marked deleted for good, holding the folder exclusively meanwhile.
    void pack(const QString& table);

    DataFolderLock& lock() { return *lock_; }
    bool inTransaction() const { return transactionDepth_ > 0; }

private:
    friend class Transaction;

    TableCache* cacheFor(const QString& sqlName) override;
    bool writesAllowed() const override { return inTransaction() && lock_->isHeldExclusively(); }

    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();

    void refresh();  // with the lock held: forget what other workstations changed, find new tables
    void registerTable(const QString& sqlName, const QString& path, std::vector<DbfField> fallback);
    void declare(const QString& sqlName);
    void undeclare(const QString& sqlName);
    void registerPermanentTables();
    TableCache& cache(const QString& sqlName);
    void commitFiles(const std::vector<struct FileChange>& changes);
    void runDdl(const DdlStatement& ddl);
    qint64 run(const QString& sql, const std::vector<QVariantList>& paramRows, QueryResult* result);
    StoreError engineError();
    void exec(const char* sql);

    QString folder_;
    std::shared_ptr<DataFolderLock> lock_;
    sqlite3* db_ = nullptr;
    std::map<QString, std::unique_ptr<TableCache>> tables_;  // by lower-case SQL name
    DataFolderLock::Generations seen_;
    std::optional<DataFolderLock::Guard> transactionGuard_;
    int transactionDepth_ = 0;
    bool transactionFailed_ = false;
};

}  // namespace velmar
