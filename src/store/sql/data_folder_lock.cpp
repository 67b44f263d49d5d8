// Lock file "Velmar.lck": u64 global generation, then kSlots u64 slot generations.
#include "store/sql/data_folder_lock.h"

#include "store/sql/journal.h"
#include "store/store_error.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <map>

namespace velmar {

namespace {
constexpr qint64 kGenerationBytes = 8 * (1 + DataFolderLock::kSlots);
}

std::shared_ptr<DataFolderLock> DataFolderLock::forFolder(const QString& folder)
{
    static std::map<QString, std::weak_ptr<DataFolderLock>> locks;
    const QString key = QFileInfo(folder).canonicalFilePath();
    if (key.isEmpty())
        throw StoreError(QStringLiteral("Folderul de date %1 nu exista").arg(folder));
    if (auto existing = locks[key].lock())
        return existing;
    auto lock = std::make_shared<DataFolderLock>(key);
    locks[key] = lock;
    return lock;
}

int DataFolderLock::slotOf(const QString& filePath)
{
    std::uint32_t hash = 2166136261u;  // FNV-1a over the lower-case file name
    for (QChar c : QFileInfo(filePath).fileName().toLower())
        hash = (hash ^ c.unicode()) * 16777619u;
    return int(hash % kSlots);
}

namespace {
std::unique_ptr<FileLock> openLockFile(const QString& folder)
{
    try {
        return std::make_unique<FileLock>(QDir(folder).filePath(QStringLiteral("Velmar.lck")));
    } catch (const std::runtime_error& e) {
        throw StoreError(QStringLiteral("Folderul de date %1 nu poate fi folosit: nu se poate scrie in el (%2)")
                             .arg(QDir::toNativeSeparators(folder), QString::fromLocal8Bit(e.what())));
    }
}
}  // namespace

DataFolderLock::DataFolderLock(QString folder) : folder_(std::move(folder)), file_(openLockFile(folder_)) {}

DataFolderLock::Guard::Guard(DataFolderLock& lock, FileLock::Mode mode) : lock_(lock) { lock_.enter(mode); }

DataFolderLock::Guard::~Guard() { lock_.leave(); }

void DataFolderLock::enter(FileLock::Mode mode)
{
    if (depth_ > 0) {
        if (mode == FileLock::Mode::Exclusive && mode_ != FileLock::Mode::Exclusive)
            throw StoreError(QStringLiteral("Blocarea folderului de date nu poate trece din citire in scriere"));
        ++depth_;
        return;
    }
    if (Journal::existsIn(folder_)) {
        file_->lock(FileLock::Mode::Exclusive);
        try {
            recoverJournal();
        } catch (...) {
            file_->unlock();
            throw;
        }
        if (mode == FileLock::Mode::Shared) {
            file_->unlock();
            file_->lock(mode);
        }
    } else {
        file_->lock(mode);
    }
    mode_ = mode;
    depth_ = 1;
}

void DataFolderLock::leave()
{
    if (--depth_ == 0)
        file_->unlock();
}

void DataFolderLock::recoverJournal()
{
    if (!Journal::existsIn(folder_))
        return;  // another workstation got there first
    bump(Journal::recover(folder_));
}

DataFolderLock::Generations DataFolderLock::generations() const
{
    Generations g;
    const QByteArray bytes = file_->read(0, kGenerationBytes);
    if (bytes.size() < kGenerationBytes)
        return g;  // a new lock file: nothing was ever committed through it
    g.global = qFromLittleEndian<std::uint64_t>(bytes.constData());
    for (int i = 0; i < kSlots; ++i)
        g.perTable[size_t(i)] = qFromLittleEndian<std::uint64_t>(bytes.constData() + 8 * (i + 1));
    return g;
}

DataFolderLock::Generations DataFolderLock::bump(const QStringList& filePaths)
{
    Generations g = generations();
    ++g.global;
    for (const QString& path : filePaths)
        g.perTable[size_t(slotOf(path))] = g.global;
    QByteArray bytes(kGenerationBytes, '\0');
    qToLittleEndian<std::uint64_t>(g.global, bytes.data());
    for (int i = 0; i < kSlots; ++i)
        qToLittleEndian<std::uint64_t>(g.perTable[size_t(i)], bytes.data() + 8 * (i + 1));
    file_->write(0, bytes);
    return g;
}

}  // namespace velmar
