// computerName/userName on Linux.
#include "platform/system_info.h"

#include <QSysInfo>
#include <pwd.h>
#include <unistd.h>

namespace velmar {

QString computerName() { return QSysInfo::machineHostName(); }

QString userName()
{
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

}  // namespace velmar
