// Parsed tables and their lookups.
#include "store/sql/table_cache.h"

#include "store/store_error.h"

#include <QFile>

namespace velmar {

namespace {

std::vector<DbfField> fieldsOnDisk(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("Nu pot deschide fisierul %1: %2").arg(path, file.errorString()));
    // The longest dBase header: 32 + 255 descriptors of 32 + terminator, plus a writer's gap.
    const QByteArray start = file.read(9000);
    return DbfHeader::parse(start, file.size(), path).fields();
}

const std::vector<std::uint32_t> kNoRows;

}  // namespace

TableCache::TableCache(QString sqlName, QString path, std::vector<DbfField> fallbackFields)
    : sqlName_(std::move(sqlName)), path_(std::move(path)), fallback_(std::move(fallbackFields))
{
    readDeclaredFields();
}

void TableCache::readDeclaredFields()
{
    try {
        declared_ = fieldsOnDisk(path_);
    } catch (const StoreError&) {
        if (fallback_.empty())
            throw;
        declared_ = fallback_;
    }
}

bool TableCache::columnsChangedOnDisk()
{
    const std::vector<DbfField> before = declared_;
    readDeclaredFields();
    return declared_ != before;
}

DbfTable& TableCache::table()
{
    if (!table_)
        table_ = DbfTable::load(path_);
    return *table_;
}

void TableCache::invalidate()
{
    table_.reset();
    lookups_.clear();
}

const std::vector<std::uint32_t>& TableCache::rowsWith(int column, std::int64_t key)
{
    auto built = lookups_.find(column);
    if (built == lookups_.end()) {
        DbfTable& t = table();
        Lookup lookup;
        for (size_t row = 0; row < t.rowCount(); ++row)
            if (!t.isNull(row, column))
                lookup[t.integer(row, column)].push_back(std::uint32_t(row));
        built = lookups_.emplace(column, std::move(lookup)).first;
    }
    const auto found = built->second.find(key);
    return found == built->second.end() ? kNoRows : found->second;
}

void TableCache::noteStored(size_t row, int column, const Cell& oldValue, const Cell& newValue)
{
    const auto built = lookups_.find(column);
    if (built == lookups_.end() || oldValue == newValue)
        return;
    if (const auto* old = std::get_if<std::int64_t>(&oldValue)) {
        auto& rows = built->second[*old];
        std::erase(rows, std::uint32_t(row));
    }
    if (const auto* now = std::get_if<std::int64_t>(&newValue))
        built->second[*now].push_back(std::uint32_t(row));
}

}  // namespace velmar
