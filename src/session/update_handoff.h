// Keeping the program up to date. At each start a staged new build (UpVelmar, left in the program folder
// by the update program) takes over; otherwise the update program the program carries is written beside
// it and started, to look for a newer build. UpVelmar, once started, replaces the old program with
// itself. How the three fit together is described at the top of src/update/velmar_update_main.cpp.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar {

class Launcher;
class Settings;

QString stagedBuildName();    // "UpVelmar" (with the system's executable suffix)
QString updateProgramName();  // "velmar-update" (likewise)

// When the program folder holds a staged build (any letter case) and it starts with the program's full
// path as its one argument, in the program folder: true, and the program must end at once.
bool HandOffToPendingUpdate(const QString& programFolder, const QString& programPath, Launcher& launcher);

// Writes `carried` (the update program this build carries) as the program folder's update program, in
// place of an old one, and starts it in the program folder with one argument:
// 56 <version> <JUDET as stored> "<COMUNA, or nespecificata when empty>", read from `settings`.
// When the old one cannot be replaced (a folder of that name, a folder without write rights) or there is
// nothing carried, nothing is written or started.
void StartUpdateProgram(const QString& programFolder, const QString& carried, const Settings& settings,
                        Launcher& launcher);

// Writes a copy of the program file `source` over `target` in one step, with the source's permissions;
// false when it cannot.
bool ReplaceProgramFile(const QString& source, const QString& target);

// The staged build's side of the hand-off. `selfPath` is this process's program file. When it is the
// staged build, started with the path of an existing file (the old program): that path; else empty.
QString handOffTarget(const QString& selfPath, const QStringList& arguments);
// Copies this build over the old program, deletes its own file and starts the program from its folder.
// When its own file cannot be deleted nothing is started, since the program would hand off to it again.
void CompleteUpdateHandOff(const QString& selfPath, const QString& oldProgram, Launcher& launcher);

}  // namespace velmar
