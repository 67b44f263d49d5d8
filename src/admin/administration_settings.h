// What the administration window shows and stores: the unit's identity, the server folder and the
// automatic-backup folder, read once at start-up.
#pragma once

#include "app/unit_identity.h"

#include <QString>

namespace velmar {

class AppContext;
class Settings;

struct AdministrationSettings {
    UnitIdentity identity;
    QString serverFolder;  // "-" when the program works locally
    QString backupFolder;  // "-" when the automatic backup is off
};

// The settings as start-up reads them; picks and stores the default automatic-backup folder when none is
// stored. The identity also becomes the one the program shows (AppContext::showUnitIdentity).
AdministrationSettings LoadAdministrationSettings(AppContext& app);

// The unit name as it is stored: control characters made blanks (a pasted line break must never reach the
// settings file, where it would start a key or a section), CleanText, capitals as the field shows it.
QString UnitNameText(const QString& typed);

// TIPLOC, JUDET and COMUNA of section CONST.
void SaveUnitIdentity(Settings& settings, const UnitIdentity& identity);

}  // namespace velmar
