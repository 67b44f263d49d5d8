// velmar-cli slip and debts on a hand-made register: the band rows printed, the workbooks written with
// --out, their TOTAL rows as LibreOffice recomputes them, and the refusals.
#include "report_cells.h"
#include "report_register.h"

#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace velmar {
namespace {

class CliReports : public ::testing::Test {
protected:
    CliReports()
    {
        r.contract({1, "POPESCU ION", "1800101221144", "R12"});
        r.contract({2, "IONESCU ANA", "2750315120016", "R7"});
        r.installment({1, "15.03.2026", "15.04.2026", "20.11.2026", 1000, 0, 5});
        r.installment({1, "01.12.2026", "15.12.2026", "15.12.2026", 800});
        r.installment({2, "15.03.2025", "15.04.2025", "01.06.2026", 2500, 1000, 12});
        r.payment({1, "Chitanta", 101, "01.03.2024", 1000, 35});
        r.payment({2, "Ordin de plata", 102, "09.03.2024", 820, 0});
        r.payment({2, "Ordin de plata", 102, "09.03.2024", 180, 4, 1002, 2});
    }

    test::ReportRegister r;
    test::CliRunner cli{r.home()};
};

TEST_F(CliReports, PrintTheBandRowsAndWriteTheWorkbooks)
{
    const QString slipOut = r.home() + "/slip.xls";
    const auto slip = cli.run({"slip", "--from", "01.03.2024", "--to", "31.03.2024", "--out", slipOut});
    ASSERT_EQ(slip.exitCode, 0) << slip.err.toStdString();
    EXPECT_EQ(slip.out.toStdString(),
              "NUME,CNP,ROL,DOCJUS,NRCHIT,DATACHIT,SUMA,PENAL\n"
              "POPESCU ION,1800101221144,R12,Chitanta,101,01.03.2024,1000,35\n"
              "IONESCU ANA,2750315120016,R7,Ordin de plata,102,09.03.2024,820,0\n"
              "IONESCU ANA,2750315120016,R7,Ordin de plata,102,09.03.2024,180,4\n");
    EXPECT_TRUE(test::reportCells(slipOut).contains("1:in perioada 01.03.2024 - 31.03.2024"));

    const auto ordin = cli.run({"slip", "--from", "01.03.2024", "--to", "31.03.2024", "--doc", "Ordin de plata"});
    ASSERT_EQ(ordin.exitCode, 0) << ordin.err.toStdString();
    EXPECT_EQ(ordin.out.count('\n'), 3) << ordin.out.toStdString();

    const QString debtsOut = r.home() + "/debts.xls";
    const auto debts = cli.run({"debts", "--out", debtsOut});
    ASSERT_EQ(debts.exitCode, 0) << debts.err.toStdString();
    EXPECT_EQ(debts.out.toStdString(),
              "NUME,CNP,ROL,DATAPEN,CURENT,RESTANTA,PENTOTAL\n"
              "IONESCU ANA,2750315120016,R7,15.04.2025,0,1500,300\n"
              "POPESCU ION,1800101221144,R12,15.04.2026,0,1000,25\n"
              "POPESCU ION,1800101221144,R12,15.12.2026,800,0,0\n");
    EXPECT_TRUE(test::reportCells(debtsOut).contains("1:La data de 10.12.2026"));
    EXPECT_TRUE(QDir(cli.home() + "/system/TEMP").entryList({"Datorii*.dbf"}, QDir::Files).isEmpty());
}

TEST_F(CliReports, RefuseWithTheMessageAndWriteNothing)
{
    const QString out = r.home() + "/out.xls";
    const std::pair<QStringList, QString> cases[] = {
        {{"slip", "--from", "02.03.2024", "--to", "01.03.2024", "--out", out}, "Perioada incorecta!"},
        {{"slip", "--from", "01.03.2024", "--to", "31.03.2024", "--doc", "Cec", "--out", out},
         "Tip document necunoscut: \"Cec\" (Chitanta, Ordin de plata, Nota contabila)"},
        {{"slip", "--from", "01.03.2024", "--out", out},
         "Folosire: velmar-cli slip --from D --to D [--doc \"Chitanta\"|\"Ordin de plata\"|\"Nota contabila\"] "
         "[--out FILE.xls]"},
        {{"debts", "extra"}, "Folosire: velmar-cli debts [--out FILE.xls]"},
    };
    for (const auto& [args, message] : cases) {
        const auto run = cli.run(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err.trimmed().toStdString(), message.toStdString()) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(QFileInfo::exists(out)) << args.join(' ').toStdString();
    }

    QFile::remove(r.app().dataFolder() + "/Datorii.xls");
    const auto missing = cli.run({"debts", "--out", out});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.startsWith("Sablonul ")) << missing.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
}

// LibreOffice's own reading of a report: its cells as CSV after it recomputed every formula.
std::vector<QStringList> recomputedRows(const QString& csvPath)
{
    QFile file(csvPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << csvPath.toStdString();
    std::vector<QStringList> rows;
    for (const QByteArray& line : file.readAll().split('\n'))
        rows.push_back(QString::fromUtf8(line).trimmed().split(u','));
    return rows;
}

// Each amount column of the TOTAL row equals the sum of that column over the data rows (7 up to TOTAL's),
// and the Total column of each data row is the sum of its amounts.
void expectTotalsOverTheRows(const QString& csvPath, int firstAmount, int totalColumn, int records)
{
    const std::vector<QStringList> rows = recomputedRows(csvPath);
    const int totalRow = 6 + records;  // 0-based: the headings fill rows 0-5
    ASSERT_GT(int(rows.size()), totalRow) << csvPath.toStdString();
    EXPECT_TRUE(rows[size_t(totalRow)].contains("TOTAL")) << rows[size_t(totalRow)].join(',').toStdString();
    for (int column = firstAmount; column <= totalColumn; ++column) {
        qint64 sum = 0;
        for (int row = 6; row < totalRow; ++row)
            sum += rows[size_t(row)].value(column).toLongLong();
        EXPECT_EQ(rows[size_t(totalRow)].value(column).toLongLong(), sum) << "column " << column;
    }
    for (int row = 6; row < totalRow; ++row) {
        qint64 amounts = 0;
        for (int column = firstAmount; column < totalColumn; ++column)
            amounts += rows[size_t(row)].value(column).toLongLong();
        EXPECT_EQ(rows[size_t(row)].value(totalColumn).toLongLong(), amounts) << "row " << row + 1;
    }
}

TEST_F(CliReports, TotalsRecomputedByLibreOfficeAreTheSumsOfTheRows)
{
    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    const QString slipOut = r.home() + "/slip.xls";
    const QString debtsOut = r.home() + "/debts.xls";
    ASSERT_EQ(cli.run({"slip", "--from", "01.03.2024", "--to", "31.03.2024", "--out", slipOut}).exitCode, 0);
    ASSERT_EQ(cli.run({"debts", "--out", debtsOut}).exitCode, 0);

    // Both in one start of LibreOffice, on a profile of the test's own.
    QProcess convert;
    convert.start(office,
                  {"-env:UserInstallation=file://" + r.home() + "/lo-profile", "--headless", "--convert-to", "csv",
                   "--outdir", r.home() + "/csv", slipOut, debtsOut});
    ASSERT_TRUE(convert.waitForFinished(180000));
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();

    // Slip: Rata, Penalitati, Total in columns H..J (7..9 from 0); debts: Curent..Total in F..I (5..8).
    expectTotalsOverTheRows(r.home() + "/csv/slip.csv", 7, 9, 3);
    expectTotalsOverTheRows(r.home() + "/csv/debts.csv", 5, 8, 3);
}

}  // namespace
}  // namespace velmar
