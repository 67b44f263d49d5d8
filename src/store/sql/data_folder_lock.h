// The lock of a data folder, shared by every workstation that works on it: readers hold it shared for
// the length of a statement, writers exclusively for the length of a transaction. The lock file also
// carries the generation numbers that tell a workstation which tables others have changed since it last
// looked. One object per folder and process, re-entrant, used from the program's single thread.
#pragma once

#include "platform/file_lock.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace velmar {

class DataFolderLock {
public:
    static constexpr int kSlots = 64;
    struct Generations {
        std::uint64_t global = 0;                      // bumped by every commit
        std::array<std::uint64_t, kSlots> perTable{};  // per table file, by slotOf(file name)
    };

    static std::shared_ptr<DataFolderLock> forFolder(const QString& folder);
    static int slotOf(const QString& filePath);

    // Held while alive. Taking it at depth 0 first rolls back a journal left by a writer that died.
    class Guard {
    public:
        explicit Guard(DataFolderLock& lock, FileLock::Mode mode);
        ~Guard();
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        DataFolderLock& lock_;
    };

    const QString& folder() const { return folder_; }
    bool isHeld() const { return depth_ > 0; }
    bool isHeldExclusively() const { return depth_ > 0 && mode_ == FileLock::Mode::Exclusive; }
    Generations generations() const;                 // while held
    Generations bump(const QStringList& filePaths);  // while held exclusively; returns the new numbers

    explicit DataFolderLock(QString folder);

private:
    void enter(FileLock::Mode mode);
    void leave();
    void recoverJournal();

    QString folder_;
    std::unique_ptr<FileLock> file_;
    int depth_ = 0;
    FileLock::Mode mode_ = FileLock::Mode::Shared;
};

}  // namespace velmar
