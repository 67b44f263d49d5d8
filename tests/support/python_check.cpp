// Running Debian's /usr/bin/python3.
#include "support/python_check.h"

#include <QProcess>

namespace velmar::test {

PythonRun runPython(const QString& script, const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), script} + args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace velmar::test
