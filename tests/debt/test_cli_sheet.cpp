// velmar-cli sheet: the ledger it prints, the workbook it fills as an independent reader (python3-xlrd) sees
// it, and its refusals.
#include "../reports/report_cells.h"
#include "support/cli_runner.h"
#include "support/golden.h"
#include "support/python_check.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

const char* kHeader = "DATASTAB,EXPLIC,ADDCUR,PLATACUR,SOLDCUR,ADDPEN,PLATAPEN,SOLDPEN,NRZILE,NRLUNI\n";

QString data(const char* name)
{
    return QDir(QStringLiteral(VELMAR_DEBT_TEST_DATA)).filePath(QString::fromLatin1(name));
}

// The seed rates; contract 1 of 8 installments of 1500 from 15.03.2013, penalties from 15.04.2013, paid six
// times (the first before its due date); the sheet is taken on 10.12.2020.
class CliSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(cli.run({"init"}).exitCode, 0);
        const auto added = cli.run({"contract", "add", "--nrcon", "12", "--datacon", "15.03.2013", "--nrrate", "8",
                                    "--datarata1", "15.03.2013", "--datapen1", "15.04.2013", "--nume", "Popescu Ion",
                                    "--cnp", "1800101221144", "--rata", "1500"});
        ASSERT_EQ(added.out, "1\n") << added.err.toStdString();
        const std::pair<const char*, const char*> payments[] = {{"01.04.2013", "1500"}, {"20.06.2014", "2000"},
                                                                {"10.02.2015", "500"},  {"15.09.2016", "3000"},
                                                                {"01.03.2018", "2500"}, {"05.05.2019", "1800"}};
        int nr = 1;
        for (const auto& [date, amount] : payments) {
            const auto paid = cli.run({"pay", "1", "--amount", amount, "--nr", QString::number(nr++), "--date", date});
            ASSERT_EQ(paid.exitCode, 0) << paid.err.toStdString();
        }
    }

    test::TempFolder home;
    test::CliRunner cli{home.path(), QStringLiteral("10.12.2020")};
};

// The band rows (from row 9) as xlrd reads them, written as the command prints its ledger; a date cell that is not a
// date, or a 0 written as a number, is printed so that the comparison shows it.
QString bandRowsAsCsv(const QString& workbook)
{
    static const QString script = QStringLiteral(R"(
import csv, sys, xlrd
book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
sheet = book.sheet_by_index(0)
out = csv.writer(sys.stdout, lineterminator='\n')
def field(cell, column):
    if cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
        return ''
    if column == 1:
        if cell.ctype != xlrd.XL_CELL_DATE:
            return 'NOT A DATE %r' % cell.value
        y, m, d = xlrd.xldate_as_tuple(cell.value, book.datemode)[:3]
        return '%02d.%02d.%04d' % (d, m, y)
    if cell.ctype == xlrd.XL_CELL_NUMBER:
        return 'ZERO' if cell.value == 0 else '%d' % cell.value
    return cell.value
# B date, C text, D..F principal, G days, H months, I..K penalties: printed in the command's order.
for r in range(8, sheet.nrows):
    out.writerow([field(sheet.cell(r, c), c) for c in (1, 2, 3, 4, 5, 8, 9, 10, 6, 7)])
)");
    const test::PythonRun run = test::runPython(script, {workbook});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return run.out;
}

TEST_F(CliSheet, TheWorkbookShowsTheLedgerThatIsPrinted)
{
    const QString out = home.file("fisa.xls");
    const auto sheet = cli.run({"sheet", "1", "--out", out});
    ASSERT_EQ(sheet.exitCode, 0) << sheet.err.toStdString();
    ASSERT_TRUE(sheet.out.startsWith(QString::fromLatin1(kHeader)));
    const QString ledger = sheet.out.mid(qsizetype(strlen(kHeader)));
    EXPECT_TRUE(ledger.contains("01.04.2013,Chitanta nr.1,,1500,,,,,17,1\n")) << ledger.toStdString();
    EXPECT_EQ(bandRowsAsCsv(out).toStdString(), ledger.toStdString());
    test::expectGolden(test::reportCells(out), data("sheet_filled.csv"));
    EXPECT_TRUE(QDir(home.file("system/TEMP")).entryList({"*.dbf"}, QDir::Files).isEmpty());
}

TEST_F(CliSheet, Refusals)
{
    struct Case {
        QStringList args;
        QString message;
    };
    const Case cases[] = {
        {{"sheet", "7"}, "Nu exista contractul cu IDCON 7"},
        {{"sheet"}, "velmar-cli sheet IDCON [--out FILE.xls]"},
    };
    for (const Case& c : cases) {
        const auto run = cli.run(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    // A missing template refuses the workbook and writes nothing.
    ASSERT_TRUE(QFile::remove(home.file("Data/FisaCalcul.xls")));
    const auto run = cli.run({"sheet", "1", "--out", home.file("fisa.xls")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("FisaCalcul.xls")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(home.file("fisa.xls")));
}

}  // namespace
}  // namespace velmar
