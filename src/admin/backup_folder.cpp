// The automatic-backup folder and its default.
#include "admin/backup_folder.h"

#include "store/settings.h"

#include <QDir>

namespace velmar {

QString AutomaticBackupFolder(Settings& settings)
{
    const QString key = QStringLiteral("CALESALVARI");
    const QString stored = settings.ReadMachineSetting(key);
    if (!stored.isEmpty())
        return stored;
    // The Windows program tried D:\ to G:\; here the user's home stands for all of them.
    const QString folder = QDir::home().filePath(QStringLiteral("Salvari_Velmar"));
    if (!QDir().mkpath(folder))
        return kBackupOff;
    const QString shown = QDir::toNativeSeparators(folder);
    settings.WriteMachineSetting(key, shown);
    return shown;
}

}  // namespace velmar
