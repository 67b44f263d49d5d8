// The automatic-backup folder (CALESALVARI in the machine settings): where closing the program offers to
// put a copy of the day's data; "-" means the automatic backup is off.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar {

class Settings;

inline const QString kBackupOff = QStringLiteral("-");

// The stored folder; when none is stored, the first of BackupFolderCandidates that exists or can be
// created and is writable (then stored), else "-" (nothing stored).
QString AutomaticBackupFolder(Settings& settings);
// The same over the given candidates.
QString AutomaticBackupFolder(Settings& settings, const QStringList& candidates);

// Salvari_Velmar on every other writable file system than the data folder's (a second disk, a USB stick),
// then in the user's home folder. A backup on the disk that holds the data is lost with that disk.
QStringList BackupFolderCandidates(const QString& dataFolder);

}  // namespace velmar
