// Folder resolution.
#include "store/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmar {

QString programFolder()
{
    const QString home = qEnvironmentVariable("VELMAR_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    if (QCoreApplication::instance()) {
        const QString exeFolder = QCoreApplication::applicationDirPath();
        if (QFileInfo(exeFolder).isWritable())
            return exeFolder;
    }
    return QDir::home().filePath(QStringLiteral(".local/share/velmar"));
}

QString systemFolder()
{
    const QString dir = qEnvironmentVariable("VELMAR_SYSTEM_DIR");
    if (!dir.isEmpty())
        return QDir(dir).absolutePath();
    return QDir::home().filePath(QStringLiteral(".local/state/velmar"));
}

QString localDataFolder() { return QDir(programFolder()).filePath(QStringLiteral("Data")); }

}  // namespace velmar
