// velmar-cli check on a sound folder and on folders broken in each way it looks for; --repair mends the
// counters and nothing else.
#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace velmar {
namespace {

// One contract of four installments of 1000 (indexed to 1026 from the second), paid twice on 01.06.2022:
// installment 1 whole and 787 of installment 2, penalties first.
class CliCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(cli.run({"init"}).exitCode, 0);
        const auto added = cli.run({"contract", "add", "--nrcon", "12", "--datacon", "15.03.2020", "--nrrate", "4",
                                    "--datarata1", "15.03.2020", "--datapen1", "15.04.2020", "--nume", "Popescu Ion",
                                    "--cnp", "1800101221144", "--rata", "1000"});
        ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
        for (const char* amount : {"1500", "700"})
            ASSERT_EQ(cli.run({"pay", "1", "--amount", amount, "--date", "01.06.2022"}).exitCode, 0);
    }
    void sql(const QString& statement)
    {
        const auto run = cli.run({"sql", statement});
        ASSERT_EQ(run.exitCode, 0) << statement.toStdString() << ": " << run.err.toStdString();
    }

    test::TempFolder home;
    test::CliRunner cli{home.path()};
};

TEST_F(CliCheck, ASoundFolderHasNoProblem)
{
    const auto run = cli.run({"check"});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(run.out, "Nicio problema gasita.\n");
}

TEST_F(CliCheck, EachKindOfDamageIsNamed)
{
    const struct {
        const char* damage;
        QStringList statements;
        QStringList expected;  // lines the report must hold
    } cases[] = {
        {"ACHITAT above the payments",
         {"UPDATE Rate SET ACHITAT = ACHITAT + 5 WHERE IDRATA = 2"},
         {"Rata 2: ACHITAT = 792, dar incasarile ei insumeaza 787."}},
        {"an identifier twice",
         {"INSERT INTO Contract (IDCON, NRCON) VALUES (1, 99)"},
         {"Tabela Contract: IDCON = 1 apare de 2 ori."}},
        {"a counter behind its table",
         {"INSERT INTO Contract (IDCON, NRCON) VALUES (50, 99)"},
         {"Contorul IDCON (2) nu este mai mare decat cel mai mare IDCON din Contract (50)."}},
        {"a contract deleted under its rows",
         {"DELETE FROM Contract WHERE IDCON = 1"},
         {"Rata 1 apartine contractului 1, care nu exista.", "Incasarea 1 apartine contractului 1, care nu exista."}},
        {"an installment deleted under its payment",
         {"DELETE FROM Rate WHERE IDRATA = 1"},
         {"Incasarea 1 este pe rata 1, care nu exista la contractul ei."}},
        {"a payment deleted without its snapshot",
         {"DELETE FROM Chitante WHERE IDCHIT = 2"},
         {"Rata 2: ACHITAT = 787, dar incasarile ei insumeaza 96.",
          "UndoRate pastreaza ratele de dinaintea incasarii 2, care nu exista."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        test::TempFolder copy;
        ASSERT_TRUE(test::copyFolder(home.path(), copy.path()));
        test::CliRunner broken{copy.path()};
        for (const QString& statement : c.statements)
            ASSERT_EQ(broken.run({"sql", statement}).exitCode, 0) << statement.toStdString();
        const auto run = broken.run({"check"});
        EXPECT_EQ(run.exitCode, 1);
        for (const QString& line : c.expected)
            EXPECT_TRUE(run.out.split(u'\n').contains(line)) << run.out.toStdString();
    }
}

TEST_F(CliCheck, AMissingTableIsNamed)
{
    ASSERT_TRUE(QFile::remove(home.file("Data/UndoRate.dbf")));
    const auto run = cli.run({"check"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("Tabela UndoRate lipseste.")) << run.out.toStdString();
}

TEST_F(CliCheck, RepairRaisesTheCountersAndLeavesTheRestReported)
{
    sql("INSERT INTO Contract (IDCON, NRCON) VALUES (50, 99)");
    sql("UPDATE Rate SET ACHITAT = ACHITAT + 5 WHERE IDRATA = 2");
    const auto repaired = cli.run({"check", "--repair"});
    EXPECT_EQ(repaired.exitCode, 1);
    EXPECT_TRUE(repaired.out.startsWith("Contorul IDCON a fost adus la 51.\n")) << repaired.out.toStdString();
    EXPECT_FALSE(repaired.out.contains("Contorul IDCON (")) << repaired.out.toStdString();
    EXPECT_TRUE(repaired.out.contains("Rata 2: ACHITAT = 792")) << repaired.out.toStdString();
    const auto added = cli.run({"contract", "add", "--nrcon", "13", "--datacon", "15.03.2020", "--nrrate", "1",
                                "--datarata1", "15.03.2020", "--datapen1", "15.04.2020", "--nume", "Ionescu Ana",
                                "--cnp", "1800101221144", "--rata", "100"});
    EXPECT_EQ(added.out, "51\n") << added.err.toStdString();
}

}  // namespace
}  // namespace velmar

namespace velmar {
namespace {

// A data folder others may change is reported, by the check and (through the same words) at start-up.
TEST_F(CliCheck, AFolderOthersMayChangeIsReported)
{
    const QString data = home.file("Data");
    ASSERT_TRUE(QFile::setPermissions(data, QFile::permissions(data) | QFileDevice::WriteOther));
    auto run = cli.run({"check"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(
        QStringLiteral("Folderul de date %1 poate fi modificat de orice utilizator al calculatorului.").arg(data)))
        << run.out.toStdString();

    if (geteuid() != 0)
        GTEST_SKIP() << "giving the folder to another user needs the administrator";
    ASSERT_TRUE(QFile::setPermissions(data, QFile::permissions(data) & ~QFileDevice::WriteOther));
    ASSERT_EQ(chown(data.toLocal8Bit().constData(), 65534, 65534), 0);
    run = cli.run({"check"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(QStringLiteral("Folderul de date %1 apartine altui utilizator (").arg(data)))
        << run.out.toStdString();
}

}  // namespace
}  // namespace velmar
