// Starting programs through QProcess.
#include "platform/launcher.h"

#include <QProcess>

namespace velmar {

bool SystemLauncher::startDetached(const QString& program, const QStringList& arguments, const QString& workingFolder)
{
    return QProcess::startDetached(program, arguments, workingFolder);
}

QString executableName(const QString& baseName)
{
#ifdef Q_OS_WIN
    return baseName + QStringLiteral(".exe");
#else
    return baseName;
#endif
}

}  // namespace velmar
