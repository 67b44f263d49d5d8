// Folder resolution and the shared file and folder operations.
#include "store/folders.h"

#include "platform/file_sync.h"
#include "store/store_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

QString tempFolder() { return QDir(systemFolder()).filePath(QStringLiteral("TEMP")); }

QString PrivateTempDir()
{
    QDir temp(tempFolder());
    if (!temp.mkpath(QStringLiteral(".")))
        return {};
    for (int n = 0; n < 100; ++n) {
        const QString candidate = temp.filePath(QStringLiteral("GMT%1").arg(n));
        if (QFileInfo::exists(candidate) && !DelDir(candidate))
            continue;
        return temp.mkpath(candidate) ? candidate : QString();
    }
    return {};
}

bool DelDir(const QString& path)
{
    QDir dir(path);
    return !dir.exists() || dir.removeRecursively();
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || !commitWhole(target, bytes))
        throw StoreError(QStringLiteral("Nu pot scrie fisierul %1: %2").arg(path, target.errorString()));
}

void ResourceToFile(const QString& resource, const QString& path)
{
    QFile source(resource);
    if (!source.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("Programul nu contine fisierul %1").arg(resource));
    WriteFileAtomically(path, source.readAll());
}

}  // namespace velmar
