// Choosing and switching off the automatic-backup folder from the administration.
#pragma once

#include <QString>
#include <optional>

namespace velmar {

class AppContext;
class Interaction;
class Settings;

// Only the computer that holds the data backs them up at closing: false (and the message) in network work,
// before any folder is picked.
bool MayChooseBackupFolder(const AppContext& app, Interaction& ui);

// The folder picked: refused unless a file can be written in it; otherwise stored in CALESALVARI. Returns
// the folder stored. Every outcome is told through `ui`.
std::optional<QString> ChooseBackupFolder(Settings& settings, Interaction& ui, const QString& picked);

enum class BackupSwitchOff {
    AlreadyOff,  // the notice kBackupAlreadyOff goes next to the folder shown
    Declined,
    SwitchedOff,  // CALESALVARI holds "-", so no later start picks a default again
};

// `shown` is the folder the window shows. Asks first.
BackupSwitchOff DisableAutomaticBackup(Settings& settings, Interaction& ui, const QString& shown);

}  // namespace velmar
