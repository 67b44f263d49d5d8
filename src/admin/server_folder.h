// Network work from the administration: connecting to a server folder and disconnecting from it. Both take
// effect at the next start, so a successful one ends the program.
#pragma once

#include <QString>

namespace velmar {

class AppContext;
class Interaction;
class Settings;

inline const QString kNoServer = QStringLiteral("-");  // what the window shows while the program works locally

// The folder picked as server folder: refused when it is the folder in use or the local data folder, or
// when it lacks a table of the contract table set; otherwise stored in SERVER. True when stored (the
// program must end). Every outcome is told through `ui`.
bool ConnectServer(AppContext& app, Interaction& ui, const QString& picked);

enum class Disconnection {
    NothingToDelete,  // no server folder shown: the notice kNoServerToDelete goes next to it
    Declined,
    Disconnected,  // SERVER emptied; the program must end
};

// `shown` is the server folder the window shows. Asks before emptying SERVER.
Disconnection DisconnectServer(Settings& settings, Interaction& ui, const QString& shown);

// A picked folder without its one trailing separator, in the system's spelling.
QString pickedFolder(const QString& picked);

}  // namespace velmar
