// velmar-cli penalty, months, factor, reindex and rates on a new data folder with the seed rates.
#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(CliDebt, ComputesFromTheFolderTablesAndEditsThem)
{
    test::TempFolder home;
    const test::CliRunner cli(home.path());
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);

    struct Case {
        QStringList args;
        const char* out;
    };
    const std::vector<Case> cases{
        {{"penalty", "14.03.2012", "20.06.2013"}, "0.29999999999999999\n"},
        {{"penalty", "31.01.2014", "01.01.2020", "--stop", "01.03.2014"}, "0.040000000000000001\n"},
        {{"months", "15.03.2014", "20.06.2014"}, "-3\n"},
        {{"factor", "15.03.2014", "15.03.2017"}, "0.98985999000000002\n"},
        {{"sql",
          "INSERT INTO Rate (IDCON, IDRATA, DATARATA, RATAINI, RATACALC) VALUES (1, 1, 38426, 1000, 1000), "
          "(1, 2, 38791, 1000, 1000), (2, 3, 38791, 500, 500)"},
         "3\n"},
        {{"reindex", "1"}, "Rate actualizate: 1\n"},
        {{"sql", "SELECT IDRATA, RATACALC FROM Rate ORDER BY IDRATA"}, "IDRATA,RATACALC\n1,1000\n2,1090\n3,500\n"},
        {{"rates", "inflation", "add", "--date", "16.03.2005", "--valoare", "-10"}, "34\n"},
        {{"sql", "SELECT RATACALC FROM Rate WHERE IDRATA = 2"}, "RATACALC\n981\n"},
        {{"rates", "penalty", "add", "--date", "01.01.2026", "--pezi", "0.02"}, "10\n"},
        {{"rates", "penalty", "change", "10", "--peluna", "1.5"}, ""},
    };
    for (const Case& c : cases) {
        const auto run = cli.run(c.args);
        EXPECT_EQ(run.exitCode, 0) << c.args.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_EQ(run.out, QString::fromUtf8(c.out)) << c.args.join(' ').toStdString();
    }
    const auto list = cli.run({"rates", "penalty", "list"});
    EXPECT_TRUE(list.out.startsWith("IDP,DATASTAB,PEZI,PELUNA\n1,07.05.1999,0.3,0\n")) << list.out.toStdString();
    EXPECT_TRUE(list.out.endsWith("9,01.01.2015,0,1\n10,01.01.2026,0.02,1.5\n")) << list.out.toStdString();
    EXPECT_TRUE(cli.run({"rates", "inflation", "list"}).out.contains("34,16.03.2005,-10\n"));

    const std::vector<std::pair<QStringList, const char*>> refusals{
        {{"penalty", "31.02.2012", "20.06.2013"}, "Data incorecta: \"31.02.2012\" (zz.ll.aaaa)"},
        {{"months", "15.03.2014"}, "Folosire: velmar-cli months A B"},
        {{"rates", "penalty", "delete", "55"}, "Nu exista penalitatea cu IDP 55"},
        {{"rates", "inflation", "change", "x"}, "IDINF trebuie sa fie un numar intreg: \"x\""},
        {{"rates", "penalty", "add", "--date", "01.01.2026", "--peluna", "-1"}, "Penalitatile nu pot fi negative: -1"},
        {{"reindex", "--fast"}, "Optiune necunoscuta: --fast"},
    };
    for (const auto& [args, message] : refusals) {
        const auto run = cli.run(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err.trimmed(), QString::fromUtf8(message)) << args.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace velmar
