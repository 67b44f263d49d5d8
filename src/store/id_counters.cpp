// Identifier counters under the data folder's lock.
#include "store/id_counters.h"

#include "store/settings.h"
#include "store/sql/data_folder_lock.h"
#include "store/sql/database.h"

#include <array>

namespace velmar {

namespace {

const QString kSection = QStringLiteral("INDEX");
constexpr qint64 kScale = 10000;  // number settings read back with four decimals

constexpr std::array<CounterTable, 6> kCounterTables{{
    {"IDCON", "Contract"},
    {"IDRATA", "Rate"},
    {"IDCHIT", "Chitante"},
    {"IDP", "PenalIst"},
    {"IDINF", "Inflatie"},
    {"IDLOG", "Log"},
}};

// Empty for a counter that numbers no table (NRCHIT, which the user may move).
QString tableOf(const QString& key)
{
    for (const CounterTable& c : kCounterTables)
        if (key.compare(QLatin1String(c.key), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(c.table);
    return {};
}

}  // namespace

std::span<const CounterTable> identifierCounterTables() { return kCounterTables; }

IdCounters::IdCounters(Settings& settings, Database& db) : settings_(settings), db_(db), lock_(db.lock()) {}

qint64 IdCounters::current(const QString& key) const
{
    const qint64 value = settings_.ReadNumberSetting(kSection, key) / kScale;
    return value < 1 ? 1 : value;
}

bool IdCounters::usedInTable(const QString& key, qint64 value)
{
    const QString table = tableOf(key);
    if (table.isEmpty() || !db_.hasTable(table))
        return false;
    // An equality on a whole-number column is one hash lookup in the engine.
    return !db_.select(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? LIMIT 1").arg(table, key), {value}).rows.empty();
}

qint64 IdCounters::highestInTable(const QString& key)
{
    const QString table = tableOf(key);
    if (table.isEmpty() || !db_.hasTable(table))
        return 0;
    const QueryResult result = db_.select(QStringLiteral("SELECT MAX(%2) FROM %1").arg(table, key));
    return result.rows.empty() ? 0 : result.rows.front().front().toLongLong();
}

qint64 IdCounters::NextId(const QString& key)
{
    DataFolderLock::Guard guard(lock_, FileLock::Mode::Exclusive);
    qint64 value = current(key);
    if (usedInTable(key, value))
        value = highestInTable(key) + 1;
    settings_.WriteNumberSetting(kSection, key, double(value + 1));
    return value;
}

qint64 IdCounters::PeekId(const QString& key) const
{
    DataFolderLock::Guard guard(lock_, FileLock::Mode::Shared);
    return current(key);
}

void IdCounters::SetId(const QString& key, qint64 value)
{
    DataFolderLock::Guard guard(lock_, FileLock::Mode::Exclusive);
    settings_.WriteNumberSetting(kSection, key, double(value));
}

void IdCounters::EnsureAbove(const QString& key, qint64 used)
{
    DataFolderLock::Guard guard(lock_, FileLock::Mode::Exclusive);
    if (current(key) <= used)
        settings_.WriteNumberSetting(kSection, key, double(used + 1));
}

void IdCounters::CatchUpWithTables()
{
    DataFolderLock::Guard guard(lock_, FileLock::Mode::Exclusive);
    for (const CounterTable& c : kCounterTables) {
        const QString key = QString::fromLatin1(c.key);
        EnsureAbove(key, highestInTable(key));
    }
}

}  // namespace velmar
