// The start-up test folders, the recording launcher.
#include "startup_fixture.h"

#include "app/app_context.h"
#include "store/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace velmar::test {

bool RecordingLauncher::startDetached(const QString& program, const QStringList& arguments,
                                      const QString& workingFolder)
{
    started.push_back({program, arguments, workingFolder});
    return succeeds;
}

StartupHome::StartupHome()
{
    const std::map<QByteArray, QString> environment{
        {"VELMAR_HOME", program()},       {"VELMAR_SYSTEM_DIR", system()},
        {"XDG_DATA_HOME", desktopData()}, {"VELMAR_TODAY", QStringLiteral("10.12.2026")},
        {"SQLITE_TMPDIR", QString()},  // start-up points it at its private folder
    };
    for (const auto& [name, value] : environment) {
        savedEnvironment_[name] = qgetenv(name.constData());
        if (value.isEmpty())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value.toUtf8());
    }
    EXPECT_TRUE(QDir().mkpath(program()));
    EXPECT_TRUE(QDir().mkpath(QFileInfo(carried()).absolutePath()));
    writeBytes(carried(), carriedBytes());
    QFile::setPermissions(carried(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

StartupHome::~StartupHome()
{
    for (const auto& [name, value] : savedEnvironment_) {
        if (value.isEmpty())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value);
    }
}

StartupOptions StartupHome::options(const QStringList& arguments) const
{
    StartupOptions options;
    options.programPath = programPath();
    options.arguments = arguments;
    options.carriedUpdateProgram = carried();
    return options;
}

StartupResult StartupHome::start(const QStringList& arguments) { return start(options(arguments)); }

StartupResult StartupHome::start(const StartupOptions& options) { return RunStartup(options, ui, progress, launcher); }

void StartupHome::setMachineSetting(const QString& key, const QString& value) const
{
    Settings(data(), system()).WriteMachineSetting(key, value);
}

QString StartupHome::machineSetting(const QString& key) const
{
    return Settings(data(), system()).ReadMachineSetting(key);
}

}  // namespace velmar::test
