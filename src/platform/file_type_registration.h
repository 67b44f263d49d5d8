// Binding the backup-archive extension (.vlr, in any letter case) to this program in the user's desktop,
// so that opening an archive in the file browser starts the program with the archive's path.
#pragma once

#include <QString>

namespace velmar {

enum class ArchiveTypeRegistration { AlreadyOurs, Written, Failed };

// Registers `programPath` as the opener of archives, with the icon the program keeps in `programFolder`.
// Leaves a registration that is already exactly ours alone. Never throws: start-up ignores failures.
ArchiveTypeRegistration RegisterArchiveType(const QString& programPath, const QString& programFolder);

}  // namespace velmar
