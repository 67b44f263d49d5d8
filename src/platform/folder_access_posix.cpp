// folderAccess on POSIX systems.
#include "platform/folder_access.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmar {

FolderAccess folderAccess(const QString& path)
{
    FolderAccess access;
    struct stat st {};
    if (::stat(path.toLocal8Bit().constData(), &st) != 0)
        return access;
    access.exists = true;
    // The sticky bit (as on /tmp) keeps others from replacing files they do not own, not from writing.
    access.writableByAnyone = (st.st_mode & S_IWOTH) != 0;
    access.ownedByAnother = st.st_uid != ::geteuid() && st.st_uid != 0;
    const struct passwd* user = ::getpwuid(st.st_uid);
    access.owner = user ? QString::fromLocal8Bit(user->pw_name) : QString::number(st.st_uid);
    return access;
}

}  // namespace velmar
