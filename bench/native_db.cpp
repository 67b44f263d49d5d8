// SQLite without the dBase layer.
#include "bench/native_db.h"

#include <sqlite3.h>
#include <stdexcept>

namespace velmar::bench {

namespace {

[[noreturn]] void failed(sqlite3* db, const char* what)
{
    throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

int bindOne(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    if (value.isNull())
        return sqlite3_bind_null(stmt, index);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}

}  // namespace

NativeDb::NativeDb(const QString& path)
{
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close_v2(db_);
        throw std::runtime_error("cannot open " + path.toStdString() + ": " + message);
    }
}

NativeDb::~NativeDb() { sqlite3_close_v2(db_); }

void NativeDb::run(const QString& sql, const QVariantList& params, const std::function<void(sqlite3_stmt*)>& onRow)
{
    NativeStatement statement(*this, sql);
    statement.bind(params);
    while (statement.step())
        if (onRow)
            onRow(statement.handle());
}

NativeStatement::NativeStatement(NativeDb& db, const QString& sql) : db_(db.handle())
{
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &stmt_, nullptr) != SQLITE_OK)
        failed(db_, "prepare");
}

NativeStatement::~NativeStatement() { sqlite3_finalize(stmt_); }

void NativeStatement::bind(const QVariantList& params)
{
    sqlite3_reset(stmt_);
    for (int i = 0; i < int(params.size()); ++i)
        if (bindOne(stmt_, i + 1, params[i]) != SQLITE_OK)
            failed(db_, "bind");
}

bool NativeStatement::step()
{
    switch (sqlite3_step(stmt_)) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        return false;
    default:
        failed(db_, "step");
    }
}

}  // namespace velmar::bench
