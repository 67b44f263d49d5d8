// velmar-cli template fill on the templates that init writes into the data folder.
#include "report_cells.h"
#include "support/cli_runner.h"
#include "support/golden.h"
#include "support/temp_folder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace velmar {
namespace {

QString data(const char* name) { return QStringLiteral(VELMAR_REPORTS_TEST_DATA "/") + QString::fromLatin1(name); }

TEST(CliTemplate, FillsACarriedTemplateFromCsvRows)
{
    test::TempFolder home;
    const test::CliRunner cli(home.path());
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    const QString out = home.file("debts.xls");
    const auto run = cli.run({"template", "fill", home.file("Data/Datorii.xls"), "--tag",
                              "#LADATA=la data de 10.12.2026", "--rows", data("datorii_rows.csv"), "--out", out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // The same cells as the exporter's own report from the same records.
    test::expectGolden(test::reportCells(out), data("datorii_filled.csv"));
}

TEST(CliTemplate, RefusesBadInputWithTheMessageAndWritesNothing)
{
    test::TempFolder home;
    const test::CliRunner cli(home.path());
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    const QString templ = home.file("Data/Datorii.xls");
    const QString missing = home.file("Data/Lipsa.xls");
    const QString notWorkbook = home.file("rows.xls");
    test::writeBytes(notWorkbook, "NUME,CNP\n");
    const QString badCsv = home.file("bad.csv");
    test::writeBytes(badCsv, "NUME,CURENT\n\"Popescu,10\n");
    const QString out = home.file("out.xls");

    const std::pair<QStringList, QString> cases[] = {
        {{"template", "fill", missing, "--out", out},
         QStringLiteral("Sablonul %1 nu exista; raportul nu poate fi facut.").arg(missing)},
        {{"template", "fill", notWorkbook, "--out", out},
         QStringLiteral("Fisierul %1 nu este un registru de calcul Excel (.xls).").arg(notWorkbook)},
        {{"template", "fill", templ, "--rows", badCsv, "--out", out},
         QStringLiteral("Fisierul %1, linia 2: ghilimele puse gresit.").arg(badCsv)},
        {{"template", "fill", templ, "--rows", home.file("none.csv"), "--out", out},
         QStringLiteral("Fisierul %1 nu poate fi citit.").arg(home.file("none.csv"))},
        {{"template", "fill", templ, "--tag", "LADATA", "--out", out},
         QStringLiteral("Eticheta se da ca #ETICHETA=text: \"LADATA\"")},
        {{"template", "fill", templ},
         QStringLiteral("Folosire: velmar-cli template fill TEMPLATE.xls [--tag '#TAG=text']... [--rows ROWS.csv] "
                        "[--blank-zeros] --out OUT.xls")},
    };
    for (const auto& [args, message] : cases) {
        const auto run = cli.run(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err.trimmed(), message) << args.join(' ').toStdString();
        EXPECT_FALSE(QFileInfo::exists(out)) << args.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace velmar
