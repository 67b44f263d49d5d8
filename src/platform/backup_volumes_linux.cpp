// Mounted file systems on Linux, through QStorageInfo (/proc/self/mounts).
#include "platform/backup_volumes.h"

#include <QStorageInfo>
#include <algorithm>

namespace velmar {

namespace {

bool isPseudoFileSystem(const QByteArray& type)
{
    static const QByteArrayList pseudo{"tmpfs",    "devtmpfs",    "proc",   "sysfs",   "overlay", "squashfs",
                                       "ramfs",    "autofs",      "cgroup", "cgroup2", "devpts",  "mqueue",
                                       "efivarfs", "fuse.portal", "nsfs",   "tracefs", "debugfs", "securityfs"};
    return pseudo.contains(type);
}

bool isSystemPlace(const QString& root)
{
    static const QStringList places{QStringLiteral("/boot"), QStringLiteral("/efi"),  QStringLiteral("/snap"),
                                    QStringLiteral("/var"),  QStringLiteral("/usr"),  QStringLiteral("/opt"),
                                    QStringLiteral("/tmp"),  QStringLiteral("/proc"), QStringLiteral("/sys"),
                                    QStringLiteral("/dev"),  QStringLiteral("/run")};
    return std::any_of(places.begin(), places.end(),
                       [&](const QString& place) { return root == place || root.startsWith(place + u'/'); });
}

bool isRemovablePlace(const QString& root)
{
    return root.startsWith(QStringLiteral("/media/")) || root.startsWith(QStringLiteral("/run/media/"));
}

int rank(const QString& root)
{
    if (isRemovablePlace(root))
        return 0;
    return root.startsWith(QStringLiteral("/mnt/")) ? 1 : 2;
}

}  // namespace

QStringList OtherWritableVolumes(const QString& dataFolder)
{
    const QString dataRoot = QStorageInfo(dataFolder).rootPath();
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || volume.isReadOnly() || root == dataRoot || root == u"/" ||
            isPseudoFileSystem(volume.fileSystemType()) || (isSystemPlace(root) && !isRemovablePlace(root)))
            continue;
        roots << root;
    }
    std::sort(roots.begin(), roots.end(),
              [](const QString& a, const QString& b) { return std::pair(rank(a), a) < std::pair(rank(b), b); });
    return roots;
}

}  // namespace velmar
