// The identifier counters of section INDEX of VLMR.set (IDCON, IDRATA, IDCHIT, IDP, IDINF, IDLOG, and the
// proposed receipt number NRCHIT). Each read-and-advance holds the data folder's lock, so two
// workstations sharing a folder never receive the same identifier, and an identifier counter is checked
// against its table, so a settings file that lost or lags behind its counters never repeats one.
#pragma once

#include <QString>
#include <span>

namespace velmar {

class Database;
class DataFolderLock;
class Settings;

// The table each identifier counter numbers the rows of; the column has the counter's name.
struct CounterTable {
    const char* key;
    const char* table;
};
std::span<const CounterTable> identifierCounterTables();

class IdCounters {
public:
    IdCounters(Settings& settings, Database& db);

    // The counter's value (1 when missing or below 1), raised past its table's highest identifier when
    // that value is already taken; stores it + 1.
    qint64 NextId(const QString& key);
    qint64 PeekId(const QString& key) const;  // what the counter holds; writes nothing
    void SetId(const QString& key, qint64 value);
    // Makes sure the counter will hand out nothing at or below `used` (identifiers already in a table).
    void EnsureAbove(const QString& key, qint64 used);
    // Raises every identifier counter that is at or below its table's highest identifier.
    void CatchUpWithTables();

private:
    qint64 current(const QString& key) const;
    bool usedInTable(const QString& key, qint64 value);
    qint64 highestInTable(const QString& key);

    Settings& settings_;
    Database& db_;
    DataFolderLock& lock_;
};

}  // namespace velmar
