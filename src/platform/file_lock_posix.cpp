// FileLock on Linux: open-file-description locks, which also exclude each other inside one process
// and are released by the kernel when the holder dies.
#include "platform/file_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace velmar {

namespace {
std::runtime_error lockError(const char* what, const QString& path)
{
    return std::runtime_error(QStringLiteral("%1 %2: %3")
                                  .arg(QString::fromUtf8(what), path, QString::fromLocal8Bit(std::strerror(errno)))
                                  .toStdString());
}
}  // namespace

FileLock::FileLock(QString path) : path_(std::move(path))
{
    fd_ = ::open(path_.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0)
        throw lockError("Nu pot deschide fisierul de blocare", path_);
}

FileLock::~FileLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void FileLock::lock(Mode mode)
{
    struct flock fl {};
    fl.l_type = mode == Mode::Exclusive ? F_WRLCK : F_RDLCK;
    fl.l_whence = SEEK_SET;
    while (::fcntl(fd_, F_OFD_SETLKW, &fl) != 0) {
        if (errno != EINTR)
            throw lockError("Nu pot bloca", path_);
    }
}

bool FileLock::tryLock(Mode mode)
{
    struct flock fl {};
    fl.l_type = mode == Mode::Exclusive ? F_WRLCK : F_RDLCK;
    fl.l_whence = SEEK_SET;
    while (::fcntl(fd_, F_OFD_SETLK, &fl) != 0) {
        if (errno == EAGAIN || errno == EACCES)
            return false;
        if (errno != EINTR)
            throw lockError("Nu pot bloca", path_);
    }
    return true;
}

void FileLock::unlock()
{
    struct flock fl {};
    fl.l_type = F_UNLCK;
    fl.l_whence = SEEK_SET;
    if (::fcntl(fd_, F_OFD_SETLK, &fl) != 0)
        throw lockError("Nu pot debloca", path_);
}

QByteArray FileLock::read(qint64 offset, qint64 size) const
{
    QByteArray bytes(size, '\0');
    const ssize_t got = ::pread(fd_, bytes.data(), size_t(size), off_t(offset));
    if (got < 0)
        throw lockError("Nu pot citi", path_);
    bytes.truncate(got);
    return bytes;
}

void FileLock::write(qint64 offset, const QByteArray& bytes)
{
    if (::pwrite(fd_, bytes.constData(), size_t(bytes.size()), off_t(offset)) != bytes.size())
        throw lockError("Nu pot scrie", path_);
}

}  // namespace velmar
