// An advisory lock on a whole file, shared or exclusive, held by one open file description.
// Two FileLock objects conflict even inside one process, so each lock has a single owner.
#pragma once

#include <QString>

namespace velmar {

class FileLock {
public:
    enum class Mode { Shared, Exclusive };

    explicit FileLock(QString path);  // creates the file when missing
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    void lock(Mode mode);     // waits until granted
    bool tryLock(Mode mode);  // false at once when another holder stands in the way
    void unlock();
    // Reads and writes at an offset of the lock file itself, through the locked descriptor.
    QByteArray read(qint64 offset, qint64 size) const;
    void write(qint64 offset, const QByteArray& bytes);

private:
    QString path_;
    int fd_ = -1;
};

}  // namespace velmar
