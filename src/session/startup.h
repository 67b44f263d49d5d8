// The start-up sequence without windows: from the folders to a context in its working mode (local,
// network or, later, archive), with the update hand-off, the file-type registration and the maintenance
// of local data on the way. The splash shows its progress; the program then runs the main window.
#pragma once

#include "admin/administration_settings.h"
#include "app/app_context.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace velmar {

class Interaction;
class Launcher;

// Where start-up reports how far it got: the splash window's status line and bar.
class StartupProgress {
public:
    virtual ~StartupProgress() = default;
    virtual void showStatus(const QString& text) = 0;
    virtual void resetBar(int maximum) = 0;  // bar at 0
    virtual void stepBar() = 0;
};

// Opens the backup archive named on the command line and returns a context in archive mode on its
// unpacked copy, or null to go on with the usual data.
using ArchiveOpener = std::function<std::unique_ptr<AppContext>(const QString& archivePath, Interaction& ui)>;

// Archive mode belongs to the backup work, which replaces this opener with one that unpacks the archive
// into a free TEMP/DIRn folder. Until then an archive is reported as not yet supported and the program
// starts on its usual data.
std::unique_ptr<AppContext> OpenArchiveNotYetSupported(const QString& archivePath, Interaction& ui);

struct StartupOptions {
    QString programPath;           // the program's own file, handed to a staged update and to the file type
    QStringList arguments;         // the command line without the program
    QString carriedUpdateProgram;  // the update program this build carries
    ArchiveOpener openArchive = OpenArchiveNotYetSupported;

    // The running program's: its file, its arguments, the update program built beside it.
    static StartupOptions fromApplication();
};

struct StartupResult {
    std::unique_ptr<AppContext> app;        // null: a staged update took over and the program ends at once
    QString statusText;                     // for the main window's status bar: the working mode
    AdministrationSettings administration;  // what the administration window shows
};

// Runs the sequence. Messages go through `ui`, programs are started through `launcher`. Throws
// StoreError when the data cannot be opened or maintained.
StartupResult RunStartup(const StartupOptions& options, Interaction& ui, StartupProgress& progress, Launcher& launcher);

}  // namespace velmar
