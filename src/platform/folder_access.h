// Who may change a folder: a data folder any user of the machine may write to, or one that belongs to
// another user, lets others change the register behind the clerk's back.
#pragma once

#include <QString>

namespace velmar {

struct FolderAccess {
    bool exists = false;
    bool writableByAnyone = false;
    bool ownedByAnother = false;  // neither the user running the program nor the administrator (root)
    QString owner;                // the owner's name, or its number when it has none
};

FolderAccess folderAccess(const QString& path);

}  // namespace velmar
