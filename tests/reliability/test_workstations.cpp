// Five workstations on one data folder at once, each a stream of commands in processes of their own: no
// identifier handed out twice, every installment's ACHITAT the sum of its payment rows, no snapshot
// without its payment, every table sound (velmar-cli check), and one log row per logged operation.
#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <future>
#include <gtest/gtest.h>
#include <random>

namespace velmar {
namespace {

constexpr int kWorkstations = 5;
constexpr int kOperationsEach = 200;
const QString kToday = QStringLiteral("10.12.2026");

QStringList newContract(int number)
{
    return {"contract",      "add",        "--nrcon", QString::number(number), "--datacon",
            "15.03.2020",    "--nrrate",   "3",       "--datarata1",           "15.03.2020",
            "--datapen1",    "15.04.2020", "--nume",  "Popescu Ion",           "--cnp",
            "1800101221144", "--rata",     "1000"};
}

qint64 logRows(const test::CliRunner& cli)
{
    return cli.run({"sql", "SELECT COUNT(*) FROM Log"}).out.split(u'\n').value(1).toLongLong();
}

struct Tally {
    int logged = 0;  // operations that write a log row and succeeded
    int done = 0;
    int refused = 0;
    QStringList unexpected;  // failures that are not a refusal the operation may meet
};

// One workstation's stream: mostly payments and their undoing on shared contracts, new contracts, name
// changes, re-indexing, an inflation rate edit now and then, and the debts list.
Tally workstation(const QString& home, int station)
{
    const test::CliRunner cli(home, kToday);
    std::mt19937 random(unsigned(station) * 7919u + 1u);
    Tally tally;
    for (int i = 0; i < kOperationsEach; ++i) {
        const int contract = 1 + int(random() % 10);
        const int kind = int(random() % 100);
        QStringList args;
        bool logs = false;
        bool mayBeRefused = false;
        if (kind < 35) {
            args = {"pay",       QString::number(contract), "--amount", QString::number(100 + random() % 900), "--date",
                    "01.06.2023"};
            logs = true;
            mayBeRefused = true;  // more than the contract still owes
        } else if (kind < 55) {
            args = {"undo", QString::number(contract)};
            logs = true;
            mayBeRefused = true;  // nothing left to undo, or another station's payment came later
        } else if (kind < 70) {
            args = newContract(1000 * station + i);
            logs = true;
        } else if (kind < 82) {
            args = {"contract", "modify", QString::number(contract), "--nume", QStringLiteral("Titular %1").arg(i),
                    "--yes"};
        } else if (kind < 92) {
            args = {"reindex", QString::number(contract)};
        } else if (kind < 96) {
            args = {"rates", "inflation", "change", "33", "--valoare", QString::number(2 + random() % 3)};
        } else {
            args = {"debts"};
        }
        const test::CliRun run = cli.run(args);
        if (run.exitCode == 0) {
            ++tally.done;
            tally.logged += logs ? 1 : 0;
        } else if (mayBeRefused && run.exitCode == 1 && !run.err.trimmed().isEmpty()) {
            ++tally.refused;
        } else {
            tally.unexpected << args.join(' ') + " -> " + QString::number(run.exitCode) + ": " + run.err.trimmed();
        }
    }
    return tally;
}

TEST(Workstations, FiveAtOnceLoseNothingAndRepeatNothing)
{
    test::TempFolder home;
    const test::CliRunner cli(home.path(), kToday);
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    for (int n = 1; n <= 10; ++n)
        ASSERT_EQ(cli.run(newContract(n)).exitCode, 0);
    const qint64 logBefore = logRows(cli);

    std::vector<std::future<Tally>> stations;
    for (int s = 1; s <= kWorkstations; ++s)
        stations.push_back(std::async(std::launch::async, workstation, home.path(), s));
    Tally all;
    for (auto& station : stations) {
        const Tally t = station.get();
        all.logged += t.logged;
        all.done += t.done;
        all.refused += t.refused;
        all.unexpected << t.unexpected;
    }
    EXPECT_TRUE(all.unexpected.isEmpty()) << all.unexpected.join('\n').toStdString();
    EXPECT_EQ(all.done + all.refused + all.unexpected.size(), kWorkstations * kOperationsEach);

    const test::CliRun check = cli.run({"check"});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    EXPECT_EQ(logRows(cli), logBefore + all.logged);
    std::cout << kWorkstations * kOperationsEach << " operations: " << all.done << " done, " << all.refused
              << " refused, " << all.logged << " logged\n";
}

}  // namespace
}  // namespace velmar
