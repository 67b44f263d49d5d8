// Applying a planned file change.
#include "store/file_change.h"

#include "platform/file_sync.h"
#include "store/store_error.h"

#include <QFile>
#include <QFileInfo>

namespace velmar {

void applyFileChange(const FileChange& change, Durability durability)
{
    QFile file(change.path);
    if (!file.open(QIODevice::ReadWrite))
        throw StoreError(QStringLiteral("Nu pot scrie in fisierul %1: %2").arg(change.path, file.errorString()));
    for (const FileChange::Write& w : change.writes) {
        if (!file.seek(w.offset) || file.write(w.bytes) != w.bytes.size())
            throw StoreError(QStringLiteral("Nu pot scrie in fisierul %1: %2").arg(change.path, file.errorString()));
    }
    if (change.newSize >= 0 && file.size() != change.newSize && !file.resize(change.newSize))
        throw StoreError(QStringLiteral("Nu pot scrie in fisierul %1: %2").arg(change.path, file.errorString()));
    if (durability == Durability::Forced)
        syncFile(file);
    else if (!file.flush())  // the last bytes written are still in the buffer
        throw StoreError(QStringLiteral("Nu pot scrie in fisierul %1: %2").arg(change.path, file.errorString()));
}

}  // namespace velmar
