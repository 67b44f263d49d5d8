// Starting another program without waiting for it, behind an interface so that tests can record the
// starts instead of making them; and the name an executable file has on this system.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar {

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts `program` with `arguments` in `workingFolder` and lets it run on its own; false when it
    // could not be started.
    virtual bool startDetached(const QString& program, const QStringList& arguments, const QString& workingFolder) = 0;
};

class SystemLauncher final : public Launcher {
public:
    bool startDetached(const QString& program, const QStringList& arguments, const QString& workingFolder) override;
};

// "UpVelmar" -> "UpVelmar" here, "UpVelmar.exe" on Windows.
QString executableName(const QString& baseName);

}  // namespace velmar
