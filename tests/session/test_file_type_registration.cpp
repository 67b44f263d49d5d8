// The archive file type in the user's desktop data folder (XDG_DATA_HOME pointed into the test's folder).
#include "platform/file_type_registration.h"
#include "startup_fixture.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::StartupHome;

QString desktopEntry(const StartupHome& home) { return home.desktopData() + "/applications/velmar.desktop"; }
QString mimePackage(const StartupHome& home) { return home.desktopData() + "/mime/packages/velmar-vlr.xml"; }

QStringList linesOf(const QString& path) { return QString::fromUtf8(test::readBytes(path)).split('\n'); }

TEST(ArchiveType, IsWrittenOnceAndLeftAloneWhileItIsOurs)
{
    StartupHome home;
    EXPECT_EQ(RegisterArchiveType(home.programPath(), home.program()), ArchiveTypeRegistration::Written);

    const QStringList entry = linesOf(desktopEntry(home));
    EXPECT_TRUE(entry.contains("Exec=" + home.programPath() + " %f"));
    EXPECT_TRUE(entry.contains("MimeType=application/x-velmar-archive;"));
    EXPECT_TRUE(entry.contains("Icon=" + home.program() + "/ico1.ico"));
    EXPECT_TRUE(QString::fromUtf8(test::readBytes(mimePackage(home)))
                    .contains(R"(<glob pattern="*.vlr" case-sensitive="false"/>)"));
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        // The desktop's own tool read our package: the type is in the user's MIME database.
        const QByteArray globs = test::readBytes(home.desktopData() + "/mime/globs2");
        EXPECT_TRUE(globs.contains("application/x-velmar-archive:*.vlr"));
    }

    EXPECT_EQ(RegisterArchiveType(home.programPath(), home.program()), ArchiveTypeRegistration::AlreadyOurs);

    // Moved elsewhere, or changed by someone else: written again.
    EXPECT_EQ(RegisterArchiveType(home.file("moved/velmar"), home.file("moved")), ArchiveTypeRegistration::Written);
    EXPECT_TRUE(linesOf(desktopEntry(home)).contains("Exec=" + home.file("moved/velmar") + " %f"));
    test::writeBytes(mimePackage(home), "<mime-info/>");
    EXPECT_EQ(RegisterArchiveType(home.file("moved/velmar"), home.file("moved")), ArchiveTypeRegistration::Written);
}

TEST(ArchiveType, TheProgramPathSurvivesTheDesktopEntrysQuoting)
{
    struct Case {
        const char* program;
        const char* exec;
    };
    const std::vector<Case> cases{
        {"/opt/velmar/velmar", R"(Exec=/opt/velmar/velmar %f)"},
        {"/home/ana maria/velmar", R"(Exec="/home/ana maria/velmar" %f)"},
        {"/srv/100%/velmar", R"(Exec=/srv/100%%/velmar %f)"},
        {"/srv/$x/velmar", R"(Exec="/srv/\\$x/velmar" %f)"},
        {"/srv/a\"b/velmar", R"(Exec="/srv/a\\"b/velmar" %f)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        StartupHome home;
        RegisterArchiveType(c.program, "/opt/velmar");
        const QStringList entry = linesOf(desktopEntry(home));
        EXPECT_TRUE(entry.contains(c.exec)) << entry.join('\n').toStdString();
    }
}

TEST(ArchiveType, AFolderThatCannotBeWrittenIsNoError)
{
    StartupHome home;
    test::writeBytes(home.desktopData(), "a file where the data folder should be");
    EXPECT_EQ(RegisterArchiveType(home.programPath(), home.program()), ArchiveTypeRegistration::Failed);
}

}  // namespace
}  // namespace velmar
