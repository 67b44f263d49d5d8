// Every command that writes, stopped at each of its file operations in turn: killed there, that one
// operation failing for a full disk, or the data folder vanishing there as a dropped server share. After
// each run a fresh process opens the folder (rolling back what a dead writer left), the integrity check
// finds nothing wrong, and python3-dbfread reads every table exactly as before the command or as after
// it, never anything between. A refused command says why and leaves the folder as it was.
#include "folder_state.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace velmar {
namespace {

const QString kToday = QStringLiteral("10.12.2026");

QStringList contractArgs(const char* nrcon, const char* installments, const char* rata)
{
    return {"contract", "add",         "--nrcon",     nrcon,           "--datacon",  "15.03.2020",
            "--nrrate", installments,  "--datarata1", "15.03.2020",    "--datapen1", "15.04.2020",
            "--nume",   "Popescu Ion", "--cnp",       "1800101221144", "--rata",     rata};
}

void run(const test::CliRunner& cli, const QStringList& args)
{
    const test::CliRun done = cli.run(args);
    ASSERT_EQ(done.exitCode, 0) << args.join(' ').toStdString() << ": " << done.err.toStdString();
}

// The folders the commands start from, made once: a register with a paid and an unpaid contract, and a
// folder of an older version (a Contract table without StopPen and nothing else) for the start-up
// maintenance to create, upgrade and compact.
struct StartingFolders {
    test::TempFolder working;
    test::TempFolder old;

    StartingFolders()
    {
        const test::CliRunner cli(working.path(), kToday);
        run(cli, {"init"});
        run(cli, contractArgs("12", "4", "1000"));
        run(cli, contractArgs("13", "3", "800"));
        run(cli, {"pay", "1", "--amount", "1500", "--date", "01.06.2022"});
        run(cli, {"pay", "1", "--amount", "700", "--date", "01.07.2022"});

        QDir().mkpath(old.file("Data"));
        const test::CliRunner upgrade(old.path(), kToday);
        run(upgrade,
            {"sql",
             "CREATE TABLE Contract (IDCON DECIMAL(10,0), NRCON DECIMAL(12,0), DATACON DECIMAL(6,0), "
             "NRRATE DECIMAL(6,0), ACTIV CHAR(2), NUME CHAR(50), ROL CHAR(9), CNP CHAR(13), "
             "ADRESA CHAR(80), LOC CHAR(24), JUD CHAR(24), SUPRAFT DECIMAL(10,4), RATA DECIMAL(10,0), "
             "MONEDA CHAR(6), TIPRATA CHAR(12), DATARATA1 DECIMAL(6,0), DATAPEN1 DECIMAL(6,0), "
             "TIPPENAL DECIMAL(6,0), OBS CHAR(240))"});
        run(upgrade, {"sql", "INSERT INTO Contract (IDCON, NRCON, NUME, NRRATE) VALUES (1, 5, 'Vechi Ion', 0)"});
    }
};

StartingFolders& startingFolders()
{
    static auto folders = std::make_unique<StartingFolders>();
    return *folders;
}

struct WriteCommand {
    const char* name;
    QStringList args;
    // The start-up maintenance is a row of steps, each whole on its own, that the next start finishes:
    // after a fault every table must still read, and the next run must end exactly where a whole run does.
    bool maintenance = false;
};

void PrintTo(const WriteCommand& c, std::ostream* os) { *os << c.name; }

enum class Fault { Crash, NoSpace, Vanish };

const char* modeName(Fault fault)
{
    switch (fault) {
    case Fault::Crash:
        return "crash";
    case Fault::NoSpace:
        return "enospc";
    case Fault::Vanish:
        return "vanish";
    }
    return "";
}

class WriteFaults : public ::testing::TestWithParam<WriteCommand> {
protected:
    QString start() const
    {
        const StartingFolders& f = startingFolders();
        return GetParam().maintenance ? f.old.path() : f.working.path();
    }
    // A copy of the starting folder under `root`, named n.
    QString copyOfStart(int n) const
    {
        const QString home = root.file(QString::number(n));
        EXPECT_TRUE(test::copyFolder(start(), home));
        return home;
    }
    test::CliRunner faulty(const QString& home, Fault fault, long at) const
    {
        test::CliRunner cli(home, kToday);
        cli.setEnvironment("LD_PRELOAD", QStringLiteral(VELMAR_FAULT_SHIM));
        cli.setEnvironment("VELMAR_FAULT_MODE", modeName(fault));
        cli.setEnvironment("VELMAR_FAULT_AT", QString::number(at));
        cli.setEnvironment("VELMAR_FAULT_FOLDER", QDir(home).filePath("Data"));
        return cli;
    }

    static void shareBack(const QString& home)
    {
        const QDir dir(home);
        if (!dir.exists("Data.gone"))
            return;
        if (dir.exists("Data"))
            EXPECT_TRUE(QDir().rename(dir.filePath("Data"), dir.filePath("Data.made")));
        EXPECT_TRUE(QDir().rename(dir.filePath("Data.gone"), dir.filePath("Data")));
    }

    test::TempFolder root;
};

TEST_P(WriteFaults, EveryWritePointLeavesTheFolderBeforeOrAfterTheCommand)
{
    // The command run whole once: how many file operations it makes, and the folder it leaves.
    const QString whole = copyOfStart(0);
    test::CliRunner counting(whole, kToday);
    counting.setEnvironment("LD_PRELOAD", QStringLiteral(VELMAR_FAULT_SHIM));
    counting.setEnvironment("VELMAR_FAULT_COUNT", root.file("count"));
    const test::CliRun done = counting.run(GetParam().args);
    ASSERT_EQ(done.exitCode, 0) << done.err.toStdString();
    const int points = QString::fromLatin1(test::readBytes(root.file("count"))).trimmed().toInt();
    ASSERT_GT(points, 0);

    struct Tried {
        Fault fault;
        int at;
        QString home;
        test::CliRun result;
    };
    std::vector<Tried> tried;
    int n = 1;
    for (const Fault fault : {Fault::Crash, Fault::NoSpace, Fault::Vanish})
        for (int at = 1; at <= points; ++at) {
            const QString home = copyOfStart(n++);
            const test::CliRun result = faulty(home, fault, at).run(GetParam().args);
            if (fault == Fault::Vanish)  // the share comes back, over whatever was made in its place
                shareBack(home);
            tried.push_back({fault, at, home, result});
        }

    QStringList dataFolders{QDir(start()).filePath("Data"), QDir(whole).filePath("Data")};
    for (const Tried& t : tried)
        dataFolders << QDir(t.home).filePath("Data");
    if (GetParam().maintenance) {
        for (const Tried& t : tried)  // a fresh process rolls back what the cut-short step left
            test::CliRunner(t.home, kToday).run({"check"});
        const QMap<QString, QString> left = test::tableStates(dataFolders);
        for (const Tried& t : tried) {
            EXPECT_FALSE(left.value(QDir(t.home).filePath("Data")).startsWith("unreadable"))
                << modeName(t.fault) << " at " << t.at;
            const test::CliRun again = test::CliRunner(t.home, kToday).run(GetParam().args);
            EXPECT_EQ(again.exitCode, 0) << modeName(t.fault) << " at " << t.at << ": " << again.err.toStdString();
        }
    }
    // The fresh process that opens each folder first: it rolls back a journal a dead writer left.
    for (const Tried& t : tried) {
        const test::CliRun check = test::CliRunner(t.home, kToday).run({"check"});
        EXPECT_EQ(check.exitCode, 0) << modeName(t.fault) << " at " << t.at << ": " << check.out.toStdString()
                                     << check.err.toStdString();
    }
    // A start cut short may have handed out identifiers of rate rows it did not store: the next one numbers
    // them on.
    const QMap<QString, QString> states =
        test::tableStates(dataFolders, GetParam().maintenance ? QStringList{"IDP", "IDINF", "IDLOG"} : QStringList{});
    const QString before = states.value(dataFolders[0]);
    const QString after = states.value(dataFolders[1]);
    ASSERT_FALSE(before.startsWith("unreadable")) << before.toStdString();
    ASSERT_FALSE(after.startsWith("unreadable")) << after.toStdString();

    int partial = 0;
    for (size_t i = 0; i < tried.size(); ++i) {
        const Tried& t = tried[i];
        const QString state = states.value(dataFolders[int(i) + 2]);
        const bool whole = state == after || (state == before && !GetParam().maintenance);
        partial += whole ? 0 : 1;
        EXPECT_TRUE(whole) << modeName(t.fault) << " at " << t.at << " of " << points << ": " << state.toStdString();
        if (t.fault == Fault::Crash)
            continue;
        // A command that failed says so; one that reported success did its whole work.
        if (t.result.exitCode == 0)
            EXPECT_TRUE(state == after) << modeName(t.fault) << " at " << t.at << " reported success";
        else if (t.fault == Fault::NoSpace)
            EXPECT_FALSE(t.result.err.trimmed().isEmpty()) << modeName(t.fault) << " at " << t.at;
        else
            EXPECT_TRUE(t.result.err.contains(QDir(t.home).filePath("Data")))
                << modeName(t.fault) << " at " << t.at << ": " << t.result.err.toStdString();
    }
    RecordProperty("write_points", points);
    RecordProperty("partial_states", partial);
    std::cout << GetParam().name << ": " << points << " write points x 3 faults, " << partial << " partial states\n";
}

INSTANTIATE_TEST_SUITE_P(
    Commands, WriteFaults,
    ::testing::Values(
        WriteCommand{"ContractAdd", contractArgs("14", "3", "500")},
        WriteCommand{"ContractModifyTerms", {"contract", "modify", "2", "--rata", "900", "--yes"}},
        WriteCommand{"ContractModifyPaid", {"contract", "modify", "1", "--nume", "Popescu Ioan", "--yes"}},
        WriteCommand{"ContractDelete", {"contract", "delete", "2"}},
        WriteCommand{"ContractDeletePaid", {"contract", "delete", "1"}},
        WriteCommand{"Pay", {"pay", "2", "--amount", "500", "--date", "01.06.2023"}},
        WriteCommand{"Undo", {"undo", "1"}}, WriteCommand{"ReindexAll", {"reindex", "-1"}},
        WriteCommand{"PenaltyRateAdd",
                     {"rates", "penalty", "add", "--date", "01.01.2026", "--pezi", "0.03", "--peluna", "1"}},
        WriteCommand{"PenaltyRateDelete", {"rates", "penalty", "delete", "9"}},
        WriteCommand{"InflationAdd", {"rates", "inflation", "add", "--date", "01.01.2022", "--valoare", "5.1"}},
        WriteCommand{"InflationChange", {"rates", "inflation", "change", "33", "--valoare", "3"}},
        WriteCommand{"InflationDelete", {"rates", "inflation", "delete", "33"}}, WriteCommand{"DebtsList", {"debts"}},
        WriteCommand{"Sheet", {"sheet", "1"}}, WriteCommand{"StartupMaintenance", {"init"}, true}),
    [](const ::testing::TestParamInfo<WriteCommand>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmar
