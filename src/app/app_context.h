// Everything a running program shares, built once at start-up and handed to whoever needs it: the
// folders, the working mode, the database, the settings and counters, the user text and whether the
// administrator has logged in.
#pragma once

#include "app/unit_identity.h"

#include <QString>
#include <memory>
#include <optional>

namespace velmar {

class Database;
class IdCounters;
class RateTables;
class Settings;

enum class WorkingMode { Local, Network, Archive };

class AppContext {
public:
    // Local mode on the program's own Data folder (created when missing).
    static std::unique_ptr<AppContext> openLocal();
    // Network mode on a server folder. The local Data folder is still created: the version is recorded there.
    static std::unique_ptr<AppContext> openNetwork(const QString& serverFolder);
    AppContext(QString programFolder, QString systemFolder, QString dataFolder, WorkingMode mode);
    ~AppContext();

    const QString& programFolder() const { return programFolder_; }
    const QString& systemFolder() const { return systemFolder_; }
    const QString& dataFolder() const { return dataFolder_; }
    WorkingMode mode() const { return mode_; }

    Database& db() { return *db_; }
    Settings& settings() { return *settings_; }
    IdCounters& ids() { return *ids_; }
    RateTables& rates() { return *rates_; }
    const QString& userText() const { return userText_; }
    bool administrator = false;

    // The unit's identity as the administration window currently shows it: receipts and new contracts use
    // it until the next start, saved or not. Without that window (the command-line tool) the stored one.
    UnitIdentity unitIdentity() const;
    void showUnitIdentity(const UnitIdentity& identity) { shownIdentity_ = identity; }

private:
    QString programFolder_;
    QString systemFolder_;
    QString dataFolder_;
    WorkingMode mode_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<IdCounters> ids_;
    std::unique_ptr<RateTables> rates_;
    QString userText_;
    std::optional<UnitIdentity> shownIdentity_;
};

}  // namespace velmar
