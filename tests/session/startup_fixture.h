// Start-up tests run in folders of their own: program folder, system folder and the desktop's data folder
// all inside one temporary folder. Programs are "started" by a launcher that only records the starts, and
// the splash's reports are recorded in order.
#pragma once

#include "app/interaction.h"
#include "platform/launcher.h"
#include "session/startup.h"
#include "support/temp_folder.h"

#include <QByteArray>
#include <map>
#include <vector>

namespace velmar::test {

struct Started {
    QString program;
    QStringList arguments;
    QString workingFolder;
};

class RecordingLauncher : public Launcher {
public:
    bool startDetached(const QString& program, const QStringList& arguments, const QString& workingFolder) override;

    std::vector<Started> started;
    bool succeeds = true;
};

// "bar 0/100", "status Verific baza de date ...", "step", in the order start-up reported them.
class RecordedProgress : public StartupProgress {
public:
    void showStatus(const QString& text) override { events << QStringLiteral("status ") + text; }
    void resetBar(int maximum) override { events << QStringLiteral("bar 0/%1").arg(maximum); }
    void stepBar() override { events << QStringLiteral("step"); }

    QStringList events;
};

class StartupHome {
public:
    StartupHome();  // points VELMAR_HOME, VELMAR_SYSTEM_DIR, XDG_DATA_HOME here until destroyed
    ~StartupHome();
    StartupHome(const StartupHome&) = delete;
    StartupHome& operator=(const StartupHome&) = delete;

    QString program() const { return root_.file("prog"); }
    QString data() const { return root_.file("prog/Data"); }
    QString system() const { return root_.file("sys"); }
    QString desktopData() const { return root_.file("desktop"); }
    QString file(const QString& name) const { return root_.file(name); }
    // The program file as start-up is told it, and the update program it carries (a small executable).
    QString programPath() const { return root_.file("prog/velmar"); }
    QString carried() const { return root_.file("build/velmar-update"); }
    static QByteArray carriedBytes() { return QByteArrayLiteral("#!/bin/sh\n# update program\n"); }

    StartupOptions options(const QStringList& arguments = {}) const;
    StartupResult start(const QStringList& arguments = {});
    StartupResult start(const StartupOptions& options);

    void setMachineSetting(const QString& key, const QString& value) const;
    QString machineSetting(const QString& key) const;

    ScriptedInteraction ui;
    RecordedProgress progress;
    RecordingLauncher launcher;

private:
    TempFolder root_;
    std::map<QByteArray, QByteArray> savedEnvironment_;
};

}  // namespace velmar::test
