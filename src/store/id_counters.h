// The identifier counters of section INDEX of VLMR.set (IDCON, IDRATA, IDCHIT, IDP, IDINF, IDLOG, and the
// proposed receipt number NRCHIT). Each read-and-advance holds the data folder's lock, so two
// workstations sharing a folder never receive the same identifier.
#pragma once

#include <QString>

namespace velmar {

class DataFolderLock;
class Settings;

class IdCounters {
public:
    IdCounters(Settings& settings, DataFolderLock& lock) : settings_(settings), lock_(lock) {}

    QString NextId(const QString& key);        // the counter's value (1 when missing or below 1); stores it + 1
    QString PeekId(const QString& key) const;  // what NextId would return; writes nothing
    void SetId(const QString& key, const QString& value);
    // Makes sure the counter will hand out nothing at or below `used` (identifiers already in a table).
    void EnsureAbove(const QString& key, qint64 used);

private:
    qint64 current(const QString& key) const;

    Settings& settings_;
    DataFolderLock& lock_;
};

}  // namespace velmar
