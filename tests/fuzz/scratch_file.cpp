#include "scratch_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace velmar::fuzz {

QString scratchPath(const QString& name)
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/velmar-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/velmar-fuzz-XXXXXX"));
    if (!folder.isValid())
        std::abort();
    return folder.filePath(name);
}

QString writeScratch(const QString& name, const QByteArray& bytes)
{
    const QString path = scratchPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    return path;
}

}  // namespace velmar::fuzz
