// Identifier counters under the data folder's lock.
#include "store/id_counters.h"

#include "store/settings.h"
#include "store/sql/data_folder_lock.h"

namespace velmar {

namespace {
const QString kSection = QStringLiteral("INDEX");
constexpr qint64 kScale = 10000;  // number settings read back with four decimals
}  // namespace

qint64 IdCounters::current(const QString& key) const
{
    const qint64 value = settings_.ReadNumberSetting(kSection, key) / kScale;
    return value < 1 ? 1 : value;
}

QString IdCounters::NextId(const QString& key)
{
    DataFolderLock::Guard guard(lock_, FileLock::Mode::Exclusive);
    const qint64 value = current(key);
    settings_.WriteNumberSetting(kSection, key, double(value + 1));
    return QString::number(value);
}

QString IdCounters::PeekId(const QString& key) const
{
    DataFolderLock::Guard guard(lock_, FileLock::Mode::Shared);
    return QString::number(current(key));
}

void IdCounters::SetId(const QString& key, const QString& value)
{
    DataFolderLock::Guard guard(lock_, FileLock::Mode::Exclusive);
    settings_.WriteSetting(kSection, key, value);
}

void IdCounters::EnsureAbove(const QString& key, qint64 used)
{
    DataFolderLock::Guard guard(lock_, FileLock::Mode::Exclusive);
    if (current(key) <= used)
        settings_.WriteNumberSetting(kSection, key, double(used + 1));
}

}  // namespace velmar
