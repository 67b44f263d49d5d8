// The "dbf" module: schema declaration, scans, lookups and row changes for SQLite.
#include "store/sql/dbf_vtab.h"

#include "store/sql/table_cache.h"
#include "store/store_error.h"
#include "store/table_schema.h"

#include <sqlite3.h>

#include <cmath>
#include <vector>

namespace velmar {

namespace {

struct DbfVtab {
    sqlite3_vtab base{};
    VtabHost* host = nullptr;
    TableCache* cache = nullptr;
};

struct DbfCursor {
    sqlite3_vtab_cursor base{};
    std::vector<std::uint32_t> rows;  // the candidate rows, or empty for a scan of [0, scanEnd)
    bool scanAll = true;
    size_t position = 0;
    size_t scanEnd = 0;
};

DbfVtab* vtabOf(sqlite3_vtab* v) { return reinterpret_cast<DbfVtab*>(v); }
DbfCursor* cursorOf(sqlite3_vtab_cursor* c) { return reinterpret_cast<DbfCursor*>(c); }
DbfVtab* vtabOf(sqlite3_vtab_cursor* c) { return vtabOf(c->pVtab); }

int fail(sqlite3_vtab* v, const QString& message)
{
    sqlite3_free(v->zErrMsg);
    v->zErrMsg = sqlite3_mprintf("%s", message.toUtf8().constData());
    return SQLITE_ERROR;
}

// Runs an operation that may throw a StoreError and turns it into an SQLite error with our message.
template <typename F>
int guarded(sqlite3_vtab* v, F&& operation)
{
    try {
        return operation();
    } catch (const StoreError& e) {
        return fail(v, e.message());
    } catch (const std::bad_alloc&) {
        return SQLITE_NOMEM;
    } catch (const std::exception& e) {
        return fail(v, QString::fromLocal8Bit(e.what()));
    }
}

constexpr int kRowidLookup = -1;

bool isWholeNumberField(const DbfField& f) { return f.type == 'N' && f.decimals == 0; }

QByteArray schemaOf(const std::vector<DbfField>& fields)
{
    QStringList columns;
    for (const DbfField& f : fields) {
        const QString type = f.type == 'N' ? (f.decimals == 0 ? QStringLiteral("INTEGER") : QStringLiteral("REAL"))
                                           : QStringLiteral("TEXT");
        columns << QStringLiteral("\"%1\" %2").arg(f.name, type);
    }
    return QStringLiteral("CREATE TABLE x(%1)").arg(columns.join(QStringLiteral(", "))).toUtf8();
}

int connect(sqlite3* db, void* aux, int argc, const char* const* argv, sqlite3_vtab** out, char** error)
{
    auto* host = static_cast<VtabHost*>(aux);
    TableCache* cache = argc > 3 ? host->cacheFor(QString::fromUtf8(argv[3])) : nullptr;
    if (!cache) {
        *error = sqlite3_mprintf("tabela %s nu este inregistrata", argc > 3 ? argv[3] : "?");
        return SQLITE_ERROR;
    }
    const int rc = sqlite3_declare_vtab(db, schemaOf(cache->declaredFields()).constData());
    if (rc != SQLITE_OK)
        return rc;
    auto* vtab = new DbfVtab;
    vtab->host = host;
    vtab->cache = cache;
    *out = &vtab->base;
    return SQLITE_OK;
}

int disconnect(sqlite3_vtab* v)
{
    delete vtabOf(v);
    return SQLITE_OK;
}

int bestIndex(sqlite3_vtab* v, sqlite3_index_info* info)
{
    const auto& fields = vtabOf(v)->cache->declaredFields();
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& c = info->aConstraint[i];
        if (c.usable && c.op == SQLITE_INDEX_CONSTRAINT_EQ && c.iColumn == -1) {
            info->idxNum = kRowidLookup;  // a row's position in the file, valid while the folder is locked
            info->aConstraintUsage[i].argvIndex = 1;
            info->estimatedCost = 1;
            info->estimatedRows = 1;
            info->idxFlags = SQLITE_INDEX_SCAN_UNIQUE;
            return SQLITE_OK;
        }
        if (c.usable && c.op == SQLITE_INDEX_CONSTRAINT_EQ && c.iColumn >= 0 &&
            isWholeNumberField(fields[size_t(c.iColumn)])) {
            info->idxNum = c.iColumn + 1;
            info->aConstraintUsage[i].argvIndex = 1;  // SQLite still checks the value itself (omit = 0)
            info->estimatedCost = 10;
            info->estimatedRows = 10;
            return SQLITE_OK;
        }
    }
    const bool loaded = vtabOf(v)->cache->isLoaded();
    const double rows = loaded ? double(vtabOf(v)->cache->table().rowCount()) : 100000.0;
    info->idxNum = 0;
    info->estimatedCost = rows + 1;
    info->estimatedRows = sqlite3_int64(rows) + 1;
    return SQLITE_OK;
}

int open(sqlite3_vtab* v, sqlite3_vtab_cursor** out)
{
    return guarded(v, [&] {
        vtabOf(v)->cache->table();  // a damaged file fails here, naming itself
        auto* cursor = new DbfCursor;
        *out = &cursor->base;
        return SQLITE_OK;
    });
}

int close(sqlite3_vtab_cursor* c)
{
    delete cursorOf(c);
    return SQLITE_OK;
}

std::optional<std::int64_t> wholeNumberOf(sqlite3_value* value)
{
    switch (sqlite3_value_numeric_type(value)) {
    case SQLITE_INTEGER:
        return sqlite3_value_int64(value);
    case SQLITE_FLOAT: {
        const double d = sqlite3_value_double(value);
        if (std::floor(d) == d && std::fabs(d) < 9e18)
            return std::int64_t(d);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

void skipDeleted(DbfCursor* cursor, const DbfTable& table)
{
    if (cursor->scanAll) {
        while (cursor->position < cursor->scanEnd && table.isDeleted(cursor->position))
            ++cursor->position;
    } else {
        while (cursor->position < cursor->rows.size() && table.isDeleted(cursor->rows[cursor->position]))
            ++cursor->position;
    }
}

int filter(sqlite3_vtab_cursor* c, int idxNum, const char*, int argc, sqlite3_value** argv)
{
    return guarded(c->pVtab, [&] {
        DbfCursor* cursor = cursorOf(c);
        TableCache* cache = vtabOf(c)->cache;
        DbfTable& table = cache->table();
        cursor->position = 0;
        cursor->scanEnd = table.rowCount();
        cursor->scanAll = true;
        cursor->rows.clear();
        if (idxNum == kRowidLookup && argc == 1) {
            const auto row = wholeNumberOf(argv[0]);
            cursor->scanAll = false;
            if (row && *row >= 0 && size_t(*row) < table.rowCount())
                cursor->rows.push_back(std::uint32_t(*row));
        } else if (idxNum > 0 && argc == 1) {
            if (const auto key = wholeNumberOf(argv[0])) {
                cursor->rows = cache->rowsWith(idxNum - 1, *key);
                cursor->scanAll = false;
            } else if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
                cursor->scanAll = false;  // = NULL matches nothing
            }
        }
        skipDeleted(cursor, table);
        return SQLITE_OK;
    });
}

size_t currentRow(DbfCursor* cursor) { return cursor->scanAll ? cursor->position : cursor->rows[cursor->position]; }

int next(sqlite3_vtab_cursor* c)
{
    DbfCursor* cursor = cursorOf(c);
    ++cursor->position;
    skipDeleted(cursor, vtabOf(c)->cache->table());
    return SQLITE_OK;
}

int eof(sqlite3_vtab_cursor* c)
{
    DbfCursor* cursor = cursorOf(c);
    return cursor->scanAll ? cursor->position >= cursor->scanEnd : cursor->position >= cursor->rows.size();
}

int column(sqlite3_vtab_cursor* c, sqlite3_context* ctx, int col)
{
    const DbfTable& table = vtabOf(c)->cache->table();
    const Cell cell = table.cell(currentRow(cursorOf(c)), col);
    if (const auto* whole = std::get_if<std::int64_t>(&cell))
        sqlite3_result_int64(ctx, *whole);
    else if (const auto* real = std::get_if<double>(&cell))
        sqlite3_result_double(ctx, *real);
    else if (const auto* text = std::get_if<std::string>(&cell))
        sqlite3_result_text(ctx, text->data(), int(text->size()), SQLITE_TRANSIENT);
    else
        sqlite3_result_null(ctx);
    return SQLITE_OK;
}

int rowid(sqlite3_vtab_cursor* c, sqlite3_int64* out)
{
    *out = sqlite3_int64(currentRow(cursorOf(c)));
    return SQLITE_OK;
}

Cell cellOf(sqlite3_value* value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return std::int64_t(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return sqlite3_value_double(value);
    case SQLITE_NULL:
        return {};
    default:
        return std::string(reinterpret_cast<const char*>(sqlite3_value_text(value)),
                           size_t(sqlite3_value_bytes(value)));
    }
}

// Normalises every new value first, so a refused value leaves the row as it was. A value equal to what
// the row already holds (SQLite passes every column of an updated row) is taken as it is.
std::vector<Cell> normalizedRow(const DbfTable& table, sqlite3_value** values, std::optional<size_t> current)
{
    std::vector<Cell> row;
    row.reserve(table.fields().size());
    for (size_t i = 0; i < table.fields().size(); ++i) {
        Cell value = cellOf(values[i]);
        if (current && value == table.cell(*current, int(i)))
            row.push_back(std::move(value));
        else
            row.push_back(table.normalized(int(i), value));
    }
    return row;
}

int update(sqlite3_vtab* v, int argc, sqlite3_value** argv, sqlite3_int64* newRowid)
{
    return guarded(v, [&] {
        DbfVtab* vtab = vtabOf(v);
        if (!vtab->host->writesAllowed())
            throw StoreError(
                QStringLiteral("Modificarea tabelei %1 se face doar intr-o tranzactie").arg(vtab->cache->sqlName()));
        TableCache* cache = vtab->cache;
        DbfTable& table = cache->table();
        if (argc == 1) {
            table.markDeleted(size_t(sqlite3_value_int64(argv[0])));
            return SQLITE_OK;
        }
        const bool inserting = sqlite3_value_type(argv[0]) == SQLITE_NULL;
        size_t target = inserting ? table.rowCount() : size_t(sqlite3_value_int64(argv[0]));
        if (!inserting &&
            (sqlite3_value_type(argv[1]) != SQLITE_INTEGER || sqlite3_value_int64(argv[1]) != sqlite3_int64(target)))
            throw StoreError(QStringLiteral("Numarul randului nu poate fi schimbat"));
        const std::vector<Cell> row = normalizedRow(table, argv + 2, inserting ? std::nullopt : std::optional(target));
        if (inserting) {
            target = table.appendRow();
            *newRowid = sqlite3_int64(target);
        }
        for (size_t col = 0; col < row.size(); ++col) {
            const Cell old = table.cell(target, int(col));
            if (old == row[col] && !inserting)
                continue;
            table.set(target, int(col), row[col]);
            cache->noteStored(target, int(col), old, row[col]);
        }
        return SQLITE_OK;
    });
}

int rollback(sqlite3_vtab* v)
{
    DbfVtab* vtab = vtabOf(v);
    if (vtab->cache->isLoaded() && vtab->cache->table().hasChanges())
        vtab->cache->invalidate();  // read back what is on disk
    return SQLITE_OK;
}

int noop(sqlite3_vtab*) { return SQLITE_OK; }

int rename(sqlite3_vtab* v, const char*) { return fail(v, QStringLiteral("Tabelele nu pot fi redenumite")); }

const sqlite3_module kModule = {
    /* iVersion */ 1,
    /* xCreate */ connect,
    /* xConnect */ connect,
    /* xBestIndex */ bestIndex,
    /* xDisconnect */ disconnect,
    /* xDestroy */ disconnect,
    /* xOpen */ open,
    /* xClose */ close,
    /* xFilter */ filter,
    /* xNext */ next,
    /* xEof */ eof,
    /* xColumn */ column,
    /* xRowid */ rowid,
    /* xUpdate */ update,
    /* xBegin */ noop,
    /* xSync */ noop,
    /* xCommit */ noop,
    /* xRollback */ rollback,
    /* xFindFunction */ nullptr,
    /* xRename */ rename,
    /* xSavepoint */ nullptr,
    /* xRelease */ nullptr,
    /* xRollbackTo */ nullptr,
    /* xShadowName */ nullptr,
};

}  // namespace

void registerDbfModule(sqlite3* db, VtabHost* host)
{
    if (sqlite3_create_module_v2(db, "dbf", &kModule, host, nullptr) != SQLITE_OK)
        throw StoreError(QString::fromUtf8(sqlite3_errmsg(db)));
}

}  // namespace velmar
