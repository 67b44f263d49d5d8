// Forcing written file data to the disk, so a journal is durable before the files it protects change.
#pragma once

class QFile;
class QString;

namespace velmar {

void syncFile(QFile& file);            // data of an open file
void syncFolder(const QString& path);  // the folder's entries (a created or deleted file)

}  // namespace velmar
