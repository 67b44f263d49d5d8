// Runs a script with Debian's Python (which carries python3-dbfread and python3-xlrd): the independent
// readers our files must open in.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar::test {

struct PythonRun {
    int exitCode = -1;
    QString out;
    QString err;
};

PythonRun runPython(const QString& script, const QStringList& args = {});

}  // namespace velmar::test
