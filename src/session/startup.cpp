// The start-up sequence.
#include "session/startup.h"

#include "app/app_context.h"
#include "app/interaction.h"
#include "app/version.h"
#include "integrity/folder_check.h"
#include "integrity/integrity_texts.h"
#include "platform/file_type_registration.h"
#include "platform/launcher.h"
#include "session/local_maintenance.h"
#include "session/update_handoff.h"
#include "store/file_lookup.h"
#include "store/folders.h"
#include "store/settings.h"
#include "store/table_schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace velmar {
namespace {

// What start-up shows.
const QString kCheckingData = QStringLiteral("Verific baza de date ...");
const QString kLocalWork = QStringLiteral("Lucru local.");
const QString kNetworkWork = QStringLiteral("Lucru in retea: ");
const QString kArchiveWork = QStringLiteral("Lucru in salvarea: ");
const QString kServerCaption = QStringLiteral("Conectare server");
const QString kArchiveCaption = QStringLiteral("Deschidere salvare");

QString serverUnusable(const QString& server)
{
    return QStringLiteral("Baza de date ") + server + u'\r' +
        QStringLiteral("NU este accesibila sau este incompleta!") + u'\r' +
        QStringLiteral("Verificati conexiunea si baza si reporniti programul!");
}

QString archiveNotYetSupported(const QString& archivePath)
{
    return QStringLiteral("Aceasta versiune nu poate deschide salvarea ") + QDir::toNativeSeparators(archivePath) +
        u'\r' + QStringLiteral("Programul porneste cu baza de date obisnuita.");
}

// SQLite writes the temporary files of large sorts to the folder SQLITE_TMPDIR names: the private working
// folder keeps them apart from other programs' files. Without one it uses the system's.
void handToEngine(const QString& privateFolder)
{
    if (!privateFolder.isEmpty())
        qputenv("SQLITE_TMPDIR", QFile::encodeName(privateFolder));
}

struct ServerCheck {
    QString folder;       // SERVER from GMT.dII; empty: work locally
    bool usable = false;  // it holds every table of the contract table set
};

ServerCheck checkServer(const Settings& machine)
{
    ServerCheck check{machine.ReadMachineSetting(QStringLiteral("SERVER"))};
    const QStringList& tables = contractTableSet();
    check.usable = !check.folder.isEmpty() && std::all_of(tables.begin(), tables.end(), [&](const QString& table) {
        return !findFileAnyCase(check.folder, table + QStringLiteral(".dbf")).isEmpty();
    });
    return check;
}

// Network mode means working on another folder than the local one: a SERVER naming the local Data folder
// itself is local work.
bool isLocalDataFolder(const QString& folder)
{
    return QFileInfo(folder).canonicalFilePath() == QFileInfo(localDataFolder()).canonicalFilePath();
}

// The first argument when it names an existing file: a backup archive to open, or a file to ignore.
QString fileArgument(const QStringList& arguments)
{
    return !arguments.isEmpty() && QFileInfo(arguments.first()).isFile() ? arguments.first() : QString();
}

bool isArchive(const QString& path)
{
    return QFileInfo(path).suffix().compare(QStringLiteral("vlr"), Qt::CaseInsensitive) == 0;
}

void maintainLocalData(AppContext& app, StartupProgress& progress)
{
    progress.showStatus(kCheckingData);
    // Only the weekly compaction moves the bar, one step per table it looks at.
    progress.resetBar(24);
    RunLocalMaintenance(app, [&] { progress.stepBar(); });
}

}  // namespace

std::unique_ptr<AppContext> OpenArchiveNotYetSupported(const QString& archivePath, Interaction& ui)
{
    ui.Mesaj(kArchiveCaption, archiveNotYetSupported(archivePath), MessageButton::Ok, MessageKind::Information);
    return nullptr;
}

StartupOptions StartupOptions::fromApplication()
{
    StartupOptions options;
    options.programPath = QCoreApplication::applicationFilePath();
    options.arguments = QCoreApplication::arguments().mid(1);
    options.carriedUpdateProgram = QDir(QCoreApplication::applicationDirPath()).filePath(updateProgramName());
    return options;
}

StartupResult RunStartup(const StartupOptions& options, Interaction& ui, StartupProgress& progress, Launcher& launcher)
{
    progress.resetBar(100);
    const QString program = programFolder();
    const Settings localSettings(localDataFolder(), systemFolder());
    handToEngine(PrivateTempDir());

    // The working mode is known before anything is recorded, so that a server never gets a database
    // opened on the local folder beside it; the server's message still comes only after the update steps.
    const ServerCheck server = checkServer(localSettings);
    const bool network = server.usable && !isLocalDataFolder(server.folder);
    std::unique_ptr<AppContext> app = network ? AppContext::openNetwork(server.folder) : AppContext::openLocal();
    RecordVersion(*app);

    if (HandOffToPendingUpdate(program, options.programPath, launcher))
        return {};
    StartUpdateProgram(program, options.carriedUpdateProgram, localSettings, launcher);

    const QString file = fileArgument(options.arguments);
    if (file.isEmpty())
        RegisterArchiveType(options.programPath, program);  // a desktop that refuses it changes nothing here
    else if (isArchive(file)) {
        if (std::unique_ptr<AppContext> archive = options.openArchive(file, ui)) {
            const AdministrationSettings administration = LoadAdministrationSettings(*archive);
            maintainLocalData(*archive, progress);
            return {std::move(archive), kArchiveWork + QFileInfo(file).fileName().toUpper() + u'.', administration};
        }
    }

    if (!server.folder.isEmpty() && !server.usable)
        ui.Mesaj(kServerCaption, serverUnusable(server.folder), MessageButton::Ok, MessageKind::Error);
    if (const QStringList exposure = FolderExposure(app->dataFolder()); !exposure.isEmpty())
        ui.Mesaj(integrity_texts::kExposedFolderCaption, exposure.join(u'\n'), MessageButton::Ok, MessageKind::Warning);
    const AdministrationSettings administration = LoadAdministrationSettings(*app);
    if (network)
        return {std::move(app), kNetworkWork + QDir::toNativeSeparators(server.folder), administration};
    maintainLocalData(*app, progress);
    return {std::move(app), kLocalWork, administration};
}

}  // namespace velmar
