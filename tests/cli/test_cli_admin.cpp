// velmar-cli admin: the administration's settings through the same operations as the window.
#include "admin/password_code.h"
#include "store/settings.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

class CliAdmin : public ::testing::Test {
protected:
    CliAdmin() : cli(home.path()) { EXPECT_EQ(cli.run({"init"}).exitCode, 0); }
    Settings settings() const { return Settings(home.file("Data"), home.file("system")); }

    test::TempFolder home;
    test::CliRunner cli;
};

TEST_F(CliAdmin, SetAndShowTheIdentityWithoutThePassword)
{
    const QString backups = home.file("copii");
    QDir().mkpath(backups);
    ASSERT_EQ(cli.run({"admin", "backup-folder", backups}).exitCode, 0);
    auto run = cli.run({"admin", "set", "--tiploc", "orasul", "--judet", "Cluj", "--comuna", "Turda\n[INIT]"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    settings().WriteSetting("INIT", "WIN", CodeazaStr("secret"));
    run = cli.run({"admin", "show"});
    EXPECT_EQ(run.out,
              "TIPLOC,JUDET,COMUNA,SERVER,CALESALVARI,PAROLA\nORASUL,CLUJ,TURDA [INIT],-," + backups + ",DA\n");
    EXPECT_FALSE(run.out.contains("secret"));

    // Options left out keep what is stored; an unknown county changes nothing.
    ASSERT_EQ(cli.run({"admin", "set", "--judet", "BUCURESTI"}).exitCode, 0);
    run = cli.run({"admin", "set", "--judet", "Atlantida", "--comuna", "X"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("Judet necunoscut: Atlantida")) << run.err.toStdString();
    EXPECT_EQ(cli.run({"admin", "show"}).out.split('\n').at(1), "ORASUL,BUCURESTI,TURDA [INIT],-," + backups + ",DA");
}

TEST_F(CliAdmin, PasswordReadTwiceFromInput)
{
    auto run = cli.run({"admin", "password"}, "noua\nalta\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Nu ati scris parola noua la fel in cele doua casute !\n");
    EXPECT_EQ(settings().ReadSetting("INIT", "WIN"), "");

    run = cli.run({"admin", "password"}, " noua \n noua \n");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "Parola a fost schimbata cu succes!\n");
    EXPECT_EQ(settings().ReadSetting("INIT", "WIN"), CodeazaStr(" noua "));

    EXPECT_EQ(cli.run({"admin", "password"}, QByteArray(33, 'x') + "\n" + QByteArray(33, 'x') + "\n").exitCode, 1);
    run = cli.run({"admin", "password"}, "\n\n");
    EXPECT_EQ(run.exitCode, 1);  // removing it needs --yes
    EXPECT_EQ(settings().ReadSetting("INIT", "WIN"), CodeazaStr(" noua "));
    EXPECT_EQ(cli.run({"admin", "password", "--yes"}, "\n\n").exitCode, 0);
    EXPECT_EQ(settings().ReadSetting("INIT", "WIN"), "");
}

TEST_F(CliAdmin, ServerAndBackupFolderRefusalsExitWithOne)
{
    auto run = cli.run({"admin", "server", home.file("Data")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Nu puteti salva aici!\n");
    QDir().mkpath(home.file("srv"));
    run = cli.run({"admin", "server", home.file("srv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("NU este corecta!")) << run.err.toStdString();
    for (const char* table : {"Contract.dbf", "Rate.dbf", "Chitante.dbf", "UndoRate.dbf"})
        test::writeBytes(home.file(QString("srv/") + table), "x");
    run = cli.run({"admin", "server", home.file("srv")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(settings().ReadMachineSetting("SERVER"), home.file("srv"));
    EXPECT_EQ(cli.run({"admin", "server", "--disconnect"}).exitCode, 0);
    EXPECT_EQ(settings().ReadMachineSetting("SERVER"), "");
    run = cli.run({"admin", "server", "--disconnect"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Nu aveti ce sterge.\n");

    test::writeBytes(home.file("file"), "x");
    EXPECT_EQ(cli.run({"admin", "backup-folder", home.file("file")}).exitCode, 1);
    QDir().mkpath(home.file("copii"));
    ASSERT_EQ(cli.run({"admin", "backup-folder", home.file("copii")}).exitCode, 0);
    EXPECT_EQ(cli.run({"admin", "backup-folder", "--disable"}).exitCode, 0);
    EXPECT_EQ(settings().ReadMachineSetting("CALESALVARI"), "-");
    run = cli.run({"admin", "backup-folder", "--disable"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Salvarea automata este deja dezactivata.\n");
}

TEST_F(CliAdmin, TemplateRestorePutsTheCarriedFormBack)
{
    const QString receipt = home.file("Data/ModelChitanta.rtf");
    const QByteArray carried = test::readBytes(receipt);
    test::writeBytes(receipt, "edited");
    const auto run = cli.run({"admin", "template", "restore", "receipt"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "\nModelul de listare a fost refacut.\n");
    EXPECT_EQ(test::readBytes(receipt), carried);
    EXPECT_EQ(settings().ReadSetting("CONST", "EDITAT_CHITANTA"), "NU");
    EXPECT_EQ(cli.run({"admin", "template", "restore", "invoice"}).exitCode, 1);
}

}  // namespace
}  // namespace velmar
