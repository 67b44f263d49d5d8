// syncFile/syncFolder on Linux.
#include "platform/file_sync.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace velmar {

void syncFile(QFile& file)
{
    if (!file.flush() || ::fdatasync(file.handle()) != 0)
        throw std::runtime_error(QStringLiteral("Nu pot scrie pe disc fisierul %1").arg(file.fileName()).toStdString());
}

void syncFolder(const QString& path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;  // best effort: some network file systems do not open folders
    ::fsync(fd);
    ::close(fd);
}

bool commitWhole(QSaveFile& file, const QByteArray& bytes)
{
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();  // drops the temporary file
        return false;
    }
    return file.commit();
}

}  // namespace velmar
