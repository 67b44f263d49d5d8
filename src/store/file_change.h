// A planned change of one file: byte ranges to write and the size it ends with. Planned first and
// applied afterwards, so the same change can be applied directly or under a rollback journal.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace velmar {

struct FileChange {
    struct Write {
        qint64 offset;
        QByteArray bytes;
    };
    QString path;
    std::vector<Write> writes;  // in ascending offset order
    qint64 newSize = -1;        // -1: as large as the writes make it, never smaller than before
};

// Whether a write waits until the disk holds it. Only a command's private work table, deleted when the
// command ends and never read after a crash, is left to the system's cache.
enum class Durability { Forced, Cached };

// Writes the change straight into the file (created when missing), by default forced to the disk.
void applyFileChange(const FileChange& change, Durability durability = Durability::Forced);

}  // namespace velmar
