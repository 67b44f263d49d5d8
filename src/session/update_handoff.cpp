// The update hand-off at start-up and its completion by the staged build.
#include "session/update_handoff.h"

#include "app/version.h"
#include "platform/launcher.h"
#include "store/file_lookup.h"
#include "store/folders.h"
#include "store/settings.h"
#include "store/store_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmar {
namespace {

QString updateProgramArgument(const Settings& settings)
{
    const QString section = QStringLiteral("CONST");
    // The county goes as stored (its index in the county list, empty when never chosen): mapping it to a
    // name is the update program's business.
    const QString county = settings.ReadSetting(section, QStringLiteral("JUDET"));
    QString commune = settings.ReadSetting(section, QStringLiteral("COMUNA"));
    if (commune.isEmpty())
        commune = QStringLiteral("nespecificata");
    return QStringLiteral("%1 %2 %3 \"%4\"").arg(QString::number(kProductCode), versionText(), county, commune);
}

}  // namespace

QString stagedBuildName() { return executableName(QStringLiteral("UpVelmar")); }

QString updateProgramName() { return executableName(QStringLiteral("velmar-update")); }

bool HandOffToPendingUpdate(const QString& programFolder, const QString& programPath, Launcher& launcher)
{
    const QFileInfo staged(findFileAnyCase(programFolder, stagedBuildName()));
    if (!staged.isFile() || !staged.isReadable())
        return false;
    // Should the staged build not start, the program goes on rather than ending at every start.
    return launcher.startDetached(staged.filePath(), {QDir::toNativeSeparators(programPath)}, programFolder);
}

void StartUpdateProgram(const QString& programFolder, const QString& carried, const Settings& settings,
                        Launcher& launcher)
{
    const QString target = pathAnyCase(programFolder, updateProgramName());
    if (ReplaceProgramFile(carried, target))
        launcher.startDetached(target, {updateProgramArgument(settings)}, programFolder);
}

bool ReplaceProgramFile(const QString& source, const QString& target)
{
    try {
        ResourceToFile(source, target);
    } catch (const StoreError&) {
        return false;
    }
    return QFile::setPermissions(target, QFileInfo(source).permissions());
}

QString handOffTarget(const QString& selfPath, const QStringList& arguments)
{
    const bool staged = QFileInfo(selfPath).fileName().compare(stagedBuildName(), Qt::CaseInsensitive) == 0;
    if (!staged || arguments.size() != 1 || !QFileInfo(arguments.first()).isFile())
        return {};
    return arguments.first();
}

void CompleteUpdateHandOff(const QString& selfPath, const QString& oldProgram, Launcher& launcher)
{
    // Should the copy fail, the old build starts as it is: the program keeps working without the update.
    ReplaceProgramFile(selfPath, oldProgram);
    if (!QFile::remove(selfPath))
        return;
    launcher.startDetached(oldProgram, {}, QFileInfo(oldProgram).absolutePath());
}

}  // namespace velmar
