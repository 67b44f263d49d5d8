// The rollback journal of the data folder: before a commit changes any table file, the bytes it will
// overwrite are saved in Velmar.jnl; the journal is removed once every file is written. A journal
// found later means a writer died half-way, and the files are put back as they were before it started.
#pragma once

#include "store/file_change.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace velmar {

class Journal {
public:
    static QString pathIn(const QString& folder);
    static bool existsIn(const QString& folder);

    // Applies the changes all together or not at all. `beforeRelease` runs once the files are written
    // and before the journal goes (the caller publishes the change there). Call with the folder locked.
    static void commit(const QString& folder, const std::vector<FileChange>& changes,
                       const std::function<void()>& beforeRelease);
    // Puts the files named in a journal left behind back as they were; returns their paths. A journal
    // that was not completely written is simply removed: no file was touched after it.
    static QStringList recover(const QString& folder);

    // For tests that stop a writer half-way: called after each file of a commit has been written.
    static void setAfterFileWrittenHook(std::function<void(const QString& path)> hook);
};

}  // namespace velmar
