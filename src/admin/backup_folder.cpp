// The automatic-backup folder and its default.
#include "admin/backup_folder.h"

#include "platform/backup_volumes.h"
#include "store/settings.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace velmar {

namespace {

const QString kKey = QStringLiteral("CALESALVARI");
const QString kFolderName = QStringLiteral("Salvari_Velmar");

bool usable(const QString& folder) { return QDir().mkpath(folder) && QFileInfo(folder).isWritable(); }

}  // namespace

QString AutomaticBackupFolder(Settings& settings)
{
    const QString stored = settings.ReadMachineSetting(kKey);
    if (!stored.isEmpty())
        return stored;
    return AutomaticBackupFolder(settings, BackupFolderCandidates(QFileInfo(settings.settingsFile()).absolutePath()));
}

QString AutomaticBackupFolder(Settings& settings, const QStringList& candidates)
{
    const QString stored = settings.ReadMachineSetting(kKey);
    if (!stored.isEmpty())
        return stored;
    const auto found = std::find_if(candidates.begin(), candidates.end(), usable);
    if (found == candidates.end())
        return kBackupOff;
    const QString shown = QDir::toNativeSeparators(*found);
    settings.WriteMachineSetting(kKey, shown);
    return shown;
}

QStringList BackupFolderCandidates(const QString& dataFolder)
{
    QStringList candidates;
    for (const QString& volume : OtherWritableVolumes(dataFolder))
        candidates << QDir(volume).filePath(kFolderName);
    candidates << QDir::home().filePath(kFolderName);
    return candidates;
}

}  // namespace velmar
