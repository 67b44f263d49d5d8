// Where the program keeps its files on this system: the program folder (holding Data/), the system
// folder (holding the machine settings and TEMP). VELMAR_HOME and VELMAR_SYSTEM_DIR override both.
#pragma once

#include <QString>

namespace velmar {

QString programFolder();    // $VELMAR_HOME, else the executable's folder when writable, else ~/.local/share/velmar
QString systemFolder();     // $VELMAR_SYSTEM_DIR, else ~/.local/state/velmar
QString localDataFolder();  // programFolder()/Data

}  // namespace velmar
