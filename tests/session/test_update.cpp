// Keeping the program up to date: what the update program is told, the update program itself run as
// start-up runs it, and the staged build taking the old program's place.
#include "session/update_handoff.h"
#include "startup_fixture.h"
#include "store/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::StartupHome;

TEST(UpdateProgram, IsToldTheVersionCountyAndCommune)
{
    struct Case {
        const char* judet;   // nullptr: never set
        const char* comuna;  // nullptr: never set
        const char* argument;
    };
    const std::vector<Case> cases{
        {nullptr, nullptr, "56 1.0006  \"nespecificata\""},  // nothing stored: an empty county text
        {"25", "Baia Mare", "56 1.0006 25 \"Baia Mare\""},
        {"41", "", "56 1.0006 41 \"nespecificata\""},
        {"5", "Bistrita", "56 1.0006 5 \"Bistrita\""},
        {"42", "X", "56 1.0006 42 \"X\""},  // no county has that index: what is stored goes as it is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        StartupHome home;
        QDir().mkpath(home.data());
        Settings settings(home.data(), home.system());
        if (c.judet)
            settings.WriteSetting("CONST", "JUDET", c.judet);
        if (c.comuna)
            settings.WriteSetting("CONST", "COMUNA", c.comuna);

        StartUpdateProgram(home.program(), home.carried(), settings, home.launcher);

        ASSERT_EQ(home.launcher.started.size(), 1u);
        EXPECT_EQ(home.launcher.started[0].arguments, QStringList{c.argument});
    }
}

TEST(UpdateProgram, AnOldCopyIsReplacedWhole)
{
    StartupHome home;
    const QString target = home.program() + "/velmar-update";
    test::writeBytes(target, QByteArray(4096, 'o'));  // longer than the carried one
    StartUpdateProgram(home.program(), home.carried(), Settings(home.data(), home.system()), home.launcher);
    EXPECT_EQ(test::readBytes(target), StartupHome::carriedBytes());
    EXPECT_TRUE(QFileInfo(target).isExecutable());
    EXPECT_EQ(home.launcher.started.size(), 1u);
}

// The real update program, run as start-up runs it, against a folder where builds are published.
class PublishedBuilds : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(published()));
        test::writeBytes(published() + "/velmar", "newer build");
        QFile::setPermissions(published() + "/velmar", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString published() const { return home.file("published"); }
    QString staged() const { return home.program() + "/UpVelmar"; }

    int runUpdateProgram(const QStringList& arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());  // the home's folders
        process.start(test::testBinary("velmar-update"), arguments);
        EXPECT_TRUE(process.waitForFinished());
        return process.exitCode();
    }

    StartupHome home;
};

TEST_F(PublishedBuilds, ANewerBuildIsStagedAndNothingElse)
{
    struct Case {
        const char* published;  // VERSION; nullptr: no VERSION file
        bool staged;
    };
    const std::vector<Case> cases{
        {"1.0007\n", true}, {"1.0006", false}, {"1.0005", false}, {"1.1", true}, {"nou", false}, {nullptr, false},
    };
    home.setMachineSetting("UPDATESRC", published());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.published ? c.published : "no VERSION");
        QFile::remove(staged());
        QFile::remove(published() + "/VERSION");
        if (c.published)
            test::writeBytes(published() + "/VERSION", c.published);

        EXPECT_EQ(runUpdateProgram({"56 1.0006 25 \"nespecificata\""}), 0);

        ASSERT_EQ(QFile::exists(staged()), c.staged);
        if (c.staged) {
            EXPECT_EQ(test::readBytes(staged()), "newer build");
            EXPECT_TRUE(QFileInfo(staged()).isExecutable());
        }
    }
}

TEST_F(PublishedBuilds, WithoutAnUpdateFolderOrWithWordsItDoesNotKnowNothingIsStaged)
{
    test::writeBytes(published() + "/VERSION", "2");
    EXPECT_EQ(runUpdateProgram({"56 1.0006 ALBA \"nespecificata\""}), 0);  // no UPDATESRC yet
    home.setMachineSetting("UPDATESRC", published());
    EXPECT_EQ(runUpdateProgram({"57 1.0006 ALBA \"nespecificata\""}), 2);
    EXPECT_EQ(runUpdateProgram({}), 2);
    EXPECT_FALSE(QFile::exists(staged()));
    // Typed at a prompt, the words arrive one by one.
    EXPECT_EQ(runUpdateProgram({"56", "1.0006", "CLUJ", "Cluj Napoca"}), 0);
    EXPECT_TRUE(QFile::exists(staged()));
}

TEST(StagedBuild, RecognisesTheHandOff)
{
    StartupHome home;
    const QString old = home.programPath();
    test::writeBytes(old, "old build");
    const QString staged = home.program() + "/UpVelmar";
    struct Case {
        QString self;
        QStringList arguments;
        QString target;
    };
    const std::vector<Case> cases{
        {staged, {old}, old},
        {home.program() + "/upvelmar", {old}, old},
        {home.programPath(), {old}, {}},  // the program itself, given a file
        {staged, {}, {}},                 // started by hand
        {staged, {old, old}, {}},
        {staged, {home.program() + "/gone"}, {}},
        {staged, {home.program()}, {}},  // a folder
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.self + " " + c.arguments.join(' ')).toStdString());
        EXPECT_EQ(handOffTarget(c.self, c.arguments), c.target);
    }
}

TEST(StagedBuild, TakesTheOldProgramsPlaceAndStartsIt)
{
    StartupHome home;
    const QString old = home.programPath();
    const QString staged = home.program() + "/UpVelmar";
    test::writeBytes(old, "old build");
    test::writeBytes(staged, "new build");
    QFile::setPermissions(staged, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    CompleteUpdateHandOff(staged, old, home.launcher);

    EXPECT_EQ(test::readBytes(old), "new build");
    EXPECT_TRUE(QFileInfo(old).isExecutable());
    EXPECT_FALSE(QFile::exists(staged));  // else the next start would hand off again
    ASSERT_EQ(home.launcher.started.size(), 1u);
    EXPECT_EQ(home.launcher.started[0].program, old);
    EXPECT_TRUE(home.launcher.started[0].arguments.isEmpty());
    EXPECT_EQ(home.launcher.started[0].workingFolder, home.program());
}

}  // namespace
}  // namespace velmar
