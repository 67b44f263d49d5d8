// The start-up sequence in folders of the test's own: the working mode and its status text, the
// maintenance of local data, the version record, the update hand-off, the update program and the
// command-line archive.
#include "app/app_context.h"
#include "session/startup.h"
#include "startup_fixture.h"
#include "store/file_lookup.h"
#include "store/maintenance.h"
#include "store/settings.h"
#include "store/sql/database.h"
#include "store/table_schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::StartupHome;

const QString kLocal = QStringLiteral("Lucru local.");

void expectPermanentTablesIn(const QString& folder)
{
    for (const TableDef& table : permanentTables())
        EXPECT_FALSE(findFileAnyCase(folder, table.fileName()).isEmpty()) << table.name.toStdString();
}

bool archiveTypeRegistered(const StartupHome& home)
{
    return QFile::exists(home.desktopData() + "/applications/velmar.desktop");
}

TEST(Startup, AFreshProgramFolderWorksLocallyOnNewTables)
{
    StartupHome home;
    const StartupResult started = home.start();

    ASSERT_TRUE(started.app);
    EXPECT_EQ(started.app->mode(), WorkingMode::Local);
    EXPECT_EQ(started.app->dataFolder(), home.data());
    EXPECT_EQ(started.statusText, kLocal);
    expectPermanentTablesIn(home.data());
    EXPECT_GT(started.app->db().rowCount("PenalIst"), 0);  // seeded
    EXPECT_TRUE(home.ui.shown().empty());
    EXPECT_EQ(home.progress.events,
              (QStringList{"bar 0/100", "status Verific baza de date ...", "bar 0/24", "step", "step", "step",
                           "step"}));  // a first start compacts

    EXPECT_EQ(home.machineSetting("CALE"), home.program());
    EXPECT_EQ(home.machineSetting("VER"), "1.0006");
    EXPECT_EQ(Settings(home.data(), home.system()).ReadSetting("56", "VER"), "1.0006");
    EXPECT_EQ(qgetenv("SQLITE_TMPDIR"), QFile::encodeName(home.system() + "/TEMP/GMT0"));

    const QString updater = home.program() + "/velmar-update";
    ASSERT_EQ(home.launcher.started.size(), 1u);
    EXPECT_EQ(home.launcher.started[0].program, updater);
    EXPECT_EQ(home.launcher.started[0].arguments, QStringList{"56 1.0006  \"nespecificata\""});
    EXPECT_EQ(home.launcher.started[0].workingFolder, home.program());
    EXPECT_EQ(test::readBytes(updater), StartupHome::carriedBytes());
    EXPECT_TRUE(QFileInfo(updater).isExecutable());

    EXPECT_TRUE(archiveTypeRegistered(home));
}

TEST(Startup, AServerThatCannotBeUsedIsNamedAndTheLocalDataAreUsedAndMaintained)
{
    struct Case {
        const char* name;
        QStringList serverFiles;  // empty: the folder does not exist
    };
    const std::vector<Case> cases{
        {"unreachable", {}},
        {"without UndoRate", {"Contract.dbf", "Rate.dbf", "Chitante.dbf", "Log.dbf"}},
        {"without Contract", {"RATE.DBF", "CHITANTE.DBF", "UNDORATE.DBF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartupHome home;
        const QString server = home.file("server");
        for (const QString& name : c.serverFiles) {
            QDir().mkpath(server);
            test::writeBytes(server + "/" + name, "");
        }
        home.setMachineSetting("SERVER", server);

        const StartupResult started = home.start();

        ASSERT_TRUE(started.app);
        EXPECT_EQ(started.app->mode(), WorkingMode::Local);
        EXPECT_EQ(started.statusText, kLocal);
        ASSERT_EQ(home.ui.shown().size(), 1u);
        EXPECT_EQ(home.ui.shown()[0].caption, "Conectare server");
        EXPECT_EQ(home.ui.shown()[0].text,
                  "Baza de date " + server +
                      "\rNU este accesibila sau este incompleta!\r"
                      "Verificati conexiunea si baza si reporniti programul!");
        EXPECT_EQ(home.ui.shown()[0].buttons, MessageButton::Ok);
        EXPECT_EQ(home.ui.shown()[0].kind, MessageKind::Error);
        expectPermanentTablesIn(home.data());
    }
}

TEST(Startup, AnEmptyServerSettingMeansLocalWorkWithoutAMessage)
{
    StartupHome home;
    home.setMachineSetting("SERVER", "");
    const StartupResult started = home.start();
    ASSERT_TRUE(started.app);
    EXPECT_EQ(started.app->mode(), WorkingMode::Local);
    EXPECT_TRUE(home.ui.shown().empty());
}

TEST(Startup, AServerHoldingTheContractTablesIsWorkedOnAndLeftAsItIs)
{
    StartupHome home;
    const QString server = home.file("server");
    ASSERT_TRUE(QDir().mkpath(server));
    {
        Database db(server);
        CreateMissingTables(db);
    }
    QFile::rename(server + "/Contract.dbf", server + "/CONTRACT.DBF");  // copied from an old Windows folder
    home.setMachineSetting("SERVER", server);
    home.setMachineSetting("CALESALVARI", "-");
    Settings(server, home.system()).WriteSetting("CONST", "JUDET", "12");

    const StartupResult started = home.start();

    ASSERT_TRUE(started.app);
    EXPECT_EQ(started.app->mode(), WorkingMode::Network);
    // The administration shows the server and the identity stored with the shared data.
    EXPECT_EQ(started.administration.serverFolder, server);
    EXPECT_EQ(started.administration.backupFolder, "-");
    EXPECT_EQ(started.administration.identity.county(), "CLUJ");
    EXPECT_EQ(started.app->unitIdentity().county(), "CLUJ");
    EXPECT_EQ(started.app->dataFolder(), server);
    EXPECT_EQ(started.statusText, "Lucru in retea: " + server);
    EXPECT_TRUE(started.app->db().hasTable("Contract"));
    EXPECT_TRUE(home.ui.shown().empty());
    // Nothing is maintained on a shared folder: no weekly compaction mark there, no bar.
    EXPECT_EQ(Settings(server, home.system()).ReadSetting("CONST", "LASTPACK"), "");
    EXPECT_EQ(home.progress.events, QStringList{"bar 0/100"});
    // The local folder only receives the version.
    EXPECT_EQ(QDir(home.data()).entryList(QDir::Files), QStringList{"VLMR.set"});
    EXPECT_EQ(Settings(home.data(), home.system()).ReadSetting("56", "VER"), "1.0006");
    EXPECT_EQ(home.launcher.started.size(), 1u);  // the update program still runs
}

TEST(Startup, APendingUpdateTakesOverWhenItStarts)
{
    struct Case {
        const char* name;
        QString staged;  // file in the program folder
        bool stagedIsFolder;
        bool startSucceeds;
        bool endsAtOnce;
    };
    const std::vector<Case> cases{
        {"staged build", "UpVelmar", false, true, true},
        {"any letter case", "upvelmar", false, true, true},
        {"the staged build does not start", "UpVelmar", false, false, false},
        {"a folder of that name", "UpVelmar", true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartupHome home;
        const QString staged = home.program() + "/" + c.staged;
        if (c.stagedIsFolder)
            QDir().mkpath(staged);
        else
            test::writeBytes(staged, "new build");
        home.launcher.succeeds = c.startSucceeds;
        home.setMachineSetting("SERVER", home.file("no-server"));

        const StartupResult started = home.start();

        EXPECT_EQ(!started.app, c.endsAtOnce);
        EXPECT_EQ(home.ui.shown().empty(), c.endsAtOnce);  // ending at once, it says nothing about the server
        EXPECT_EQ(home.machineSetting("VER"), "1.0006");   // recorded before the hand-off
        ASSERT_FALSE(home.launcher.started.empty());
        const test::Started& first = home.launcher.started.front();
        if (c.stagedIsFolder) {
            EXPECT_EQ(first.program, home.program() + "/velmar-update");
            continue;
        }
        EXPECT_EQ(first.program, staged);
        EXPECT_EQ(first.arguments, QStringList{home.programPath()});
        EXPECT_EQ(first.workingFolder, home.program());
        EXPECT_EQ(home.launcher.started.size(), c.endsAtOnce ? 1u : 2u);
        EXPECT_EQ(QFile::exists(home.program() + "/velmar-update"), !c.endsAtOnce);
    }
}

TEST(Startup, AnUpdateProgramThatCannotBeReplacedIsNotStarted)
{
    struct Case {
        const char* name;
        std::function<void(const StartupHome&)> arrange;
    };
    const std::vector<Case> cases{
        {"a folder of that name",
         [](const StartupHome& home) {
             QDir().mkpath(home.program() + "/velmar-update");
             test::writeBytes(home.program() + "/velmar-update/inside", "x");
         }},
        {"nothing carried", [](const StartupHome& home) { QFile::remove(home.carried()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartupHome home;
        c.arrange(home);
        const StartupResult started = home.start();
        ASSERT_TRUE(started.app);
        EXPECT_EQ(started.statusText, kLocal);
        EXPECT_TRUE(home.launcher.started.empty());
    }
}

TEST(Startup, TheCommandLineNamesAnArchiveOnlyWhenItIsAnExistingVlrFile)
{
    struct Case {
        const char* argument;
        enum { File, Folder, Nothing } kind;
        bool reportedAsArchive;
        bool registersType;
    };
    const std::vector<Case> cases{
        {nullptr, Case::Nothing, false, true},     {"arhiva.vlr", Case::File, true, false},
        {"ARHIVA.VLR", Case::File, true, false},   {"notite.txt", Case::File, false, false},
        {"lipsa.vlr", Case::Nothing, false, true}, {"dosar.vlr", Case::Folder, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument ? c.argument : "no argument");
        StartupHome home;
        QStringList arguments;
        if (c.argument) {
            const QString path = home.file(c.argument);
            if (c.kind == Case::File)
                test::writeBytes(path, "archive");
            else if (c.kind == Case::Folder)
                QDir().mkpath(path);
            arguments << path;
        }

        const StartupResult started = home.start(arguments);

        ASSERT_TRUE(started.app);
        EXPECT_EQ(started.app->mode(), WorkingMode::Local);
        EXPECT_EQ(started.statusText, kLocal);
        EXPECT_EQ(archiveTypeRegistered(home), c.registersType);
        ASSERT_EQ(home.ui.shown().size(), c.reportedAsArchive ? 1u : 0u);
        if (c.reportedAsArchive) {
            EXPECT_EQ(home.ui.shown()[0].caption, "Deschidere salvare");
            EXPECT_TRUE(home.ui.shown()[0].text.contains(arguments.first()));
            EXPECT_EQ(home.ui.shown()[0].kind, MessageKind::Information);
        }
    }
}

TEST(Startup, AnOpenedArchiveIsMaintainedAndNamedOnTheStatusBar)
{
    StartupHome home;
    home.setMachineSetting("SERVER", home.file("no-server"));  // archive mode never looks at the server
    const QString archive = home.file("salvare_1.vlr");
    test::writeBytes(archive, "archive");
    const QString unpacked = home.file("sys/TEMP/DIR1");
    QString opened;
    StartupOptions options = home.options({archive});
    options.openArchive = [&](const QString& path, Interaction&) {
        opened = path;
        QDir().mkpath(unpacked + "/Data");
        return std::make_unique<AppContext>(unpacked, home.system(), unpacked + "/Data", WorkingMode::Archive);
    };

    const StartupResult started = home.start(options);

    EXPECT_EQ(opened, archive);
    ASSERT_TRUE(started.app);
    EXPECT_EQ(started.app->mode(), WorkingMode::Archive);
    EXPECT_EQ(started.statusText, "Lucru in salvarea: SALVARE_1.VLR.");
    expectPermanentTablesIn(unpacked + "/Data");
    EXPECT_TRUE(home.ui.shown().empty());
    EXPECT_EQ(home.machineSetting("CALE"), home.program());  // the program folder, not the archive's copy
}

}  // namespace
}  // namespace velmar
