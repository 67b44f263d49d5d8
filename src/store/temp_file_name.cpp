// Taking numbered names in TEMP.
#include "store/temp_file_name.h"

#include "platform/file_lock.h"
#include "store/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <exception>

namespace velmar {

TempFile::TempFile(QString path, std::unique_ptr<FileLock> hold) : path_(std::move(path)), hold_(std::move(hold)) {}
TempFile::TempFile() = default;
TempFile::TempFile(TempFile&&) noexcept = default;
TempFile& TempFile::operator=(TempFile&&) noexcept = default;
// The lock file stays: deleting it while another process waits on it would let two holders share one name.
TempFile::~TempFile() = default;

TempFile TempFileName(const QString& prefix, const QString& extension)
{
    QDir dir(tempFolder());
    if (!dir.mkpath(QStringLiteral(".")))
        return {};
    for (int n = 0; n < 1000; ++n) {
        const QString candidate = dir.filePath(prefix + QString::number(n) + extension);
        if (QFileInfo(candidate).isDir())
            continue;
        std::unique_ptr<FileLock> hold;
        try {
            hold = std::make_unique<FileLock>(candidate + QStringLiteral(".lck"));
            if (!hold->tryLock(FileLock::Mode::Exclusive))
                continue;  // another process is using the file right now, even though it could be deleted
        } catch (const std::exception&) {
            continue;  // no lock can be had for this name
        }
        if (!QFileInfo::exists(candidate) || QFile::remove(candidate))
            return TempFile(candidate, std::move(hold));
    }
    return {};
}

}  // namespace velmar
