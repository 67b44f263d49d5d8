// velmar-cli in a child process, with VELMAR_HOME, VELMAR_SYSTEM_DIR and VELMAR_TODAY set.
#include "support/cli_runner.h"

#include "support/temp_folder.h"

#include <QDir>
#include <QProcess>

namespace velmar::test {

CliRunner::CliRunner(QString programFolder, QString today) : home_(std::move(programFolder)), today_(std::move(today))
{}

CliRun CliRunner::run(const QStringList& args) const { return run(args, {}); }

CliRun CliRunner::run(const QStringList& args, const QByteArray& input) const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VELMAR_HOME"), home_);
    env.insert(QStringLiteral("VELMAR_SYSTEM_DIR"), QDir(home_).filePath(QStringLiteral("system")));
    env.insert(QStringLiteral("VELMAR_TODAY"), today_);
    for (auto it = extra_.cbegin(); it != extra_.cend(); ++it)
        env.insert(it.key(), it.value());
    p.setProcessEnvironment(env);
    p.start(testBinary(QStringLiteral("velmar-cli")), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace velmar::test
