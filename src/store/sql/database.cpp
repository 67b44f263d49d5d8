// Database: SQLite over the folder's table files, with locking, refreshing and journaled commits.
#include "store/sql/database.h"

#include "store/clock.h"
#include "store/file_change.h"
#include "store/file_lookup.h"
#include "store/sql/ddl_statement.h"
#include "store/sql/journal.h"
#include "store/sql/table_cache.h"
#include "store/sql/transaction.h"
#include "store/store_error.h"
#include "store/table_schema.h"

#include <QDate>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

namespace velmar {

namespace {

constexpr std::uint8_t kWindows1250Driver = 0xC8;

QString key(const QString& sqlName) { return sqlName.toLower(); }

QString quoted(const QString& name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

QVariant valueOf(sqlite3_stmt* stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_NULL:
        return QVariant();
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                                 sqlite3_column_bytes(stmt, column));
    }
}

int bind(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    if (value.isNull())
        return sqlite3_bind_null(stmt, index);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::Bool:
        return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    case QMetaType::QDate:
        return sqlite3_bind_text(stmt, index, value.toDate().toString(Qt::ISODate).toUtf8().constData(), -1,
                                 SQLITE_TRANSIENT);
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}

}  // namespace

int QueryResult::column(QStringView name) const
{
    for (qsizetype i = 0; i < columns.size(); ++i)
        if (name.compare(columns[i], Qt::CaseInsensitive) == 0)
            return int(i);
    throw StoreError(
        QStringLiteral("Selectia nu are coloana %1 (are %2)").arg(name, columns.join(QStringLiteral(", "))));
}

Database::Database(const QString& dataFolder)
    : folder_(QFileInfo(dataFolder).absoluteFilePath()), lock_(DataFolderLock::forFolder(dataFolder))
{
    if (sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw StoreError(QStringLiteral("Nu pot porni motorul SQL"));
    registerDbfModule(db_, this);
    DataFolderLock::Guard guard(*lock_, FileLock::Mode::Shared);
    seen_ = lock_->generations();
    registerPermanentTables();
}

Database::~Database()
{
    if (transactionDepth_ > 0)
        exec("ROLLBACK");
    transactionGuard_.reset();
    sqlite3_close_v2(db_);
}

void Database::exec(const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(db_));
        sqlite3_free(error);
        throw StoreError(message);
    }
}

TableCache* Database::cacheFor(const QString& sqlName)
{
    const auto it = tables_.find(key(sqlName));
    return it == tables_.end() ? nullptr : it->second.get();
}

TableCache& Database::cache(const QString& sqlName)
{
    if (TableCache* c = cacheFor(sqlName))
        return *c;
    throw StoreError(QStringLiteral("Tabela %1 nu exista in %2").arg(sqlName, folder_));
}

bool Database::hasTable(const QString& sqlName) const { return tables_.count(key(sqlName)) > 0; }

QString Database::tablePath(const QString& sqlName) const
{
    const auto it = tables_.find(key(sqlName));
    return it == tables_.end() ? QString() : it->second->path();
}

void Database::registerTable(const QString& sqlName, const QString& path, std::vector<DbfField> fallback)
{
    tables_[key(sqlName)] = std::make_unique<TableCache>(sqlName, path, std::move(fallback));
    try {
        declare(sqlName);
    } catch (...) {
        tables_.erase(key(sqlName));
        throw;
    }
}

void Database::declare(const QString& sqlName)
{
    const QByteArray sql =
        QStringLiteral("CREATE VIRTUAL TABLE %1 USING dbf(%2)").arg(quoted(sqlName), sqlName).toUtf8();
    exec(sql.constData());
}

void Database::undeclare(const QString& sqlName)
{
    exec(QStringLiteral("DROP TABLE %1").arg(quoted(sqlName)).toUtf8().constData());
}

void Database::registerPermanentTables()
{
    for (const TableDef& def : permanentTables()) {
        if (hasTable(def.name))
            continue;
        const QString path = findFileAnyCase(folder_, def.fileName());
        if (!path.isEmpty())
            registerTable(def.name, path, def.fields);
    }
}

void Database::refresh()
{
    const DataFolderLock::Generations now = lock_->generations();
    if (now.global == seen_.global)
        return;
    for (auto it = tables_.begin(); it != tables_.end();) {
        TableCache& table = *it->second;
        const size_t slot = size_t(DataFolderLock::slotOf(table.path()));
        if (now.perTable[slot] == seen_.perTable[slot]) {
            ++it;
            continue;
        }
        table.invalidate();
        if (!QFileInfo::exists(table.path())) {
            undeclare(table.sqlName());
            it = tables_.erase(it);
            continue;
        }
        if (table.columnsChangedOnDisk()) {
            undeclare(table.sqlName());
            declare(table.sqlName());
        }
        ++it;
    }
    registerPermanentTables();
    seen_ = now;
}

QueryResult Database::select(const QString& sql, const QVariantList& params)
{
    DataFolderLock::Guard guard(*lock_, FileLock::Mode::Shared);
    refresh();
    QueryResult result;
    run(sql, {params}, &result);
    return result;
}

qint64 Database::execute(const QString& sql, const QVariantList& params)
{
    if (const auto ddl = parseDdl(sql)) {
        runDdl(*ddl);
        return 0;
    }
    return executeBatch(sql, {params});
}

qint64 Database::executeBatch(const QString& sql, const std::vector<QVariantList>& paramRows)
{
    if (inTransaction())
        return run(sql, paramRows, nullptr);
    Transaction transaction(*this);
    const qint64 changed = run(sql, paramRows, nullptr);
    transaction.commit();
    return changed;
}

StoreError Database::engineError()
{
    QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    static const QRegularExpression missing(QStringLiteral("^no such table: (?:main\\.)?(.+)$"));
    if (const auto m = missing.match(message); m.hasMatch())
        message = QStringLiteral("Tabela %1 nu exista in folderul de date %2").arg(m.captured(1), folder_);
    if (inTransaction())
        transactionFailed_ = true;  // the statement may have changed rows before it failed
    return StoreError(message);
}

qint64 Database::run(const QString& sql, const std::vector<QVariantList>& paramRows, QueryResult* result)
{
    using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &raw, nullptr) != SQLITE_OK)
        throw engineError();
    const Statement stmt(raw, sqlite3_finalize);
    if (!stmt)
        return 0;  // only blanks or a comment
    if (result && !sqlite3_stmt_readonly(stmt.get()))
        throw StoreError(QStringLiteral("O interogare nu poate modifica date: %1").arg(sql));
    const int expected = sqlite3_bind_parameter_count(stmt.get());
    const int columns = sqlite3_column_count(stmt.get());
    if (result)
        for (int c = 0; c < columns; ++c)
            result->columns << QString::fromUtf8(sqlite3_column_name(stmt.get(), c));

    qint64 changed = 0;
    for (const QVariantList& params : paramRows) {
        if (params.size() != expected)
            throw StoreError(
                QStringLiteral("Instructiunea asteapta %1 parametri, a primit %2").arg(expected).arg(params.size()));
        sqlite3_reset(stmt.get());
        for (int i = 0; i < params.size(); ++i)
            if (bind(stmt.get(), i + 1, params[i]) != SQLITE_OK)
                throw engineError();
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            if (!result)
                continue;
            QVariantList row;
            row.reserve(columns);
            for (int c = 0; c < columns; ++c)
                row << valueOf(stmt.get(), c);
            result->rows.push_back(std::move(row));
        }
        if (rc != SQLITE_DONE)
            throw engineError();
        changed += sqlite3_changes64(db_);
    }
    return changed;
}

void Database::beginTransaction()
{
    if (transactionDepth_++ > 0)
        return;
    try {
        transactionGuard_.emplace(*lock_, FileLock::Mode::Exclusive);
        refresh();
        exec("BEGIN");
    } catch (...) {
        transactionGuard_.reset();
        transactionDepth_ = 0;
        throw;
    }
    transactionFailed_ = false;
}

void Database::commitTransaction()
{
    if (transactionDepth_ > 1) {
        --transactionDepth_;
        return;
    }
    if (transactionFailed_) {
        rollbackTransaction();
        throw StoreError(QStringLiteral("Modificarile au fost anulate din cauza unei erori anterioare"));
    }
    std::vector<FileChange> changes;
    std::vector<DbfTable*> changed;
    const QDate stamped = today();
    for (auto& [name, table] : tables_) {
        if (table->isLoaded() && table->table().hasChanges()) {
            changes.push_back(table->table().pendingChange(stamped));
            changed.push_back(&table->table());
        }
    }
    try {
        commitFiles(changes);
    } catch (...) {
        rollbackTransaction();
        throw;
    }
    for (DbfTable* table : changed)
        table->markSaved();
    exec("COMMIT");
    transactionDepth_ = 0;
    transactionGuard_.reset();
}

void Database::rollbackTransaction()
{
    if (transactionDepth_ > 1) {
        --transactionDepth_;
        transactionFailed_ = true;  // the outer scope cannot commit half of its work
        return;
    }
    // The "dbf" module forgets the changed rows on ROLLBACK; tables changed without reaching SQLite's
    // transaction (none today) are forgotten here as well.
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    for (auto& [name, table] : tables_)
        if (table->isLoaded() && table->table().hasChanges())
            table->invalidate();
    transactionDepth_ = 0;
    transactionGuard_.reset();
}

void Database::commitFiles(const std::vector<FileChange>& changes)
{
    QStringList paths;
    for (const FileChange& change : changes)
        paths << change.path;
    Journal::commit(folder_, changes, [&] { seen_ = lock_->bump(paths); });
}

void Database::runDdl(const DdlStatement& ddl)
{
    if (ddl.kind == DdlStatement::Kind::CreateTable)
        createTable(ddl.table, ddl.fields);
    else
        addColumn(ddl.table, ddl.fields.front());
}

void Database::createTable(const QString& name, const std::vector<DbfField>& fields)
{
    if (inTransaction())
        throw StoreError(QStringLiteral("Tabela %1 nu poate fi creata in timpul unei tranzactii").arg(name));
    DataFolderLock::Guard guard(*lock_, FileLock::Mode::Exclusive);
    refresh();
    if (hasTable(name) || !findFileAnyCase(folder_, name + QStringLiteral(".dbf")).isEmpty())
        throw StoreError(QStringLiteral("Tabela %1 exista deja in %2").arg(name, folder_));
    const QString path = pathAnyCase(folder_, name + QStringLiteral(".dbf"));
    commitFiles({DbfTable::create(path, fields, kWindows1250Driver).pendingChange(today())});
    registerTable(name, path, {});
}

void Database::addColumn(const QString& table, const DbfField& field)
{
    if (inTransaction())
        throw StoreError(QStringLiteral("Tabela %1 nu poate fi modificata in timpul unei tranzactii").arg(table));
    DataFolderLock::Guard guard(*lock_, FileLock::Mode::Exclusive);
    refresh();
    TableCache& target = cache(table);
    if (target.table().hasColumn(field.name))
        throw StoreError(QStringLiteral("Coloana %1 exista deja in tabela %2").arg(field.name, table));
    commitFiles({target.table().addColumnChange(field, today())});
    target.invalidate();
    target.columnsChangedOnDisk();
    undeclare(target.sqlName());
    declare(target.sqlName());
}

bool Database::hasColumn(const QString& table, const QString& column)
{
    DataFolderLock::Guard guard(*lock_, FileLock::Mode::Shared);
    refresh();
    for (const DbfField& f : cache(table).declaredFields())
        if (f.name.compare(column, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

qint64 Database::rowCount(const QString& table)
{
    DataFolderLock::Guard guard(*lock_, FileLock::Mode::Shared);
    refresh();
    return qint64(cache(table).table().liveRowCount());
}

void Database::pack(const QString& table)
{
    if (inTransaction())
        throw StoreError(QStringLiteral("Tabela %1 nu poate fi compactata in timpul unei tranzactii").arg(table));
    DataFolderLock::Guard guard(*lock_, FileLock::Mode::Exclusive);
    refresh();
    TableCache& target = cache(table);
    if (target.table().liveRowCount() == target.table().rowCount())
        return;  // nothing to remove: leave the file alone
    commitFiles({target.table().packChange(today())});
    target.invalidate();
}

void Database::attach(const QString& sqlName, const QString& filePath)
{
    if (hasTable(sqlName))
        throw StoreError(QStringLiteral("Numele %1 este deja folosit de o tabela").arg(sqlName));
    if (!QFileInfo::exists(filePath))
        throw StoreError(QStringLiteral("Fisierul %1 nu exista").arg(filePath));
    DataFolderLock::Guard guard(*lock_, FileLock::Mode::Shared);
    registerTable(sqlName, QFileInfo(filePath).absoluteFilePath(), {});
}

void Database::detach(const QString& sqlName)
{
    if (!hasTable(sqlName))
        return;
    undeclare(cache(sqlName).sqlName());
    tables_.erase(key(sqlName));
}

}  // namespace velmar
