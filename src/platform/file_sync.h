// Forcing written file data to the disk, so a journal is durable before the files it protects change.
#pragma once

class QByteArray;
class QFile;
class QSaveFile;
class QString;

namespace velmar {

void syncFile(QFile& file);            // data of an open file
void syncFolder(const QString& path);  // the folder's entries (a created or deleted file)

// Writes the whole of `bytes` into a save file opened for writing and puts it in place; false when any
// step failed (the target is then left as it was). The bytes are flushed before the commit, which on its
// own would not notice that writing buffered bytes failed (a full disk) and would put an empty or cut
// file in place of the old one.
bool commitWhole(QSaveFile& file, const QByteArray& bytes);

}  // namespace velmar
