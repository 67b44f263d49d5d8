// The automatic-backup folder (CALESALVARI in the machine settings): where closing the program offers to
// put a copy of the day's data; "-" means the automatic backup is off.
#pragma once

#include <QString>

namespace velmar {

class Settings;

inline const QString kBackupOff = QStringLiteral("-");

// The stored folder; when none is stored, ~/Salvari_Velmar if it exists or can be created (then stored),
// else "-" (nothing stored).
QString AutomaticBackupFolder(Settings& settings);

}  // namespace velmar
