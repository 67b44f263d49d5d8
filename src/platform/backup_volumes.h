// The places where an automatic backup is worth most: file systems other than the one that holds the data
// (a second disk, a USB stick), which the Windows program found as the drives D: to G:.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar {

// The root folders of the mounted, writable disk file systems other than the one holding `dataFolder`:
// removable media under /media and /run/media first, then /mnt, then the rest, each group by name.
// The system's own places (/boot, /efi, /snap, /var ...) and memory or network pseudo file systems are left out.
QStringList OtherWritableVolumes(const QString& dataFolder);

}  // namespace velmar
