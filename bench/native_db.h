// A plain SQLite database file, the yardstick the dBase engine is measured against.
#pragma once

#include <QString>
#include <QVariantList>
#include <functional>

struct sqlite3;
struct sqlite3_stmt;

namespace velmar::bench {

// Same statements and bound parameters as Database; SQLite's default journal and synchronous settings.
class NativeDb {
public:
    explicit NativeDb(const QString& path);  // creates the file when missing
    ~NativeDb();
    NativeDb(const NativeDb&) = delete;
    NativeDb& operator=(const NativeDb&) = delete;

    sqlite3* handle() { return db_; }
    // One statement's whole life, as Database::select and execute run it: prepare, bind, step through
    // every row (each handed to onRow), finalize. Outside BEGIN ... COMMIT each statement commits itself.
    void run(const QString& sql, const QVariantList& params = {}, const std::function<void(sqlite3_stmt*)>& onRow = {});

private:
    sqlite3* db_ = nullptr;
};

// A prepared statement kept for many executions (loading rows in bulk).
class NativeStatement {
public:
    NativeStatement(NativeDb& db, const QString& sql);
    ~NativeStatement();
    NativeStatement(const NativeStatement&) = delete;
    NativeStatement& operator=(const NativeStatement&) = delete;

    void bind(const QVariantList& params);  // resets the statement first
    bool step();                            // true while a row is ready; throws std::runtime_error on failure
    sqlite3_stmt* handle() { return stmt_; }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace velmar::bench
