// Filling the carried templates: the cells of the reports as python3-xlrd reads them against golden
// files, the formulas that follow the inserted rows, and the tag, band and blank-zero rules.
#include "platform/document_opener.h"
#include "report_cells.h"
#include "report_samples.h"
#include "reports/continued_sheets.h"
#include "reports/template_exporter.h"
#include "store/store_error.h"
#include "support/golden.h"
#include "support/temp_folder.h"
#include "xls/workbook.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using xls::CarriedTemplate;

struct NoOpener final : DocumentOpener {
    bool open(const QString&) override { return true; }
};

QString golden(const char* name) { return QStringLiteral(VELMAR_REPORTS_TEST_DATA "/") + QString::fromLatin1(name); }

// The xlrd line of one row, as in the golden files.
QString rowLine(const QString& cells, int row) { return cells.split(u'\n').value(row - 1); }

class TemplateExporterTest : public ::testing::Test {
protected:
    // Opens a carried template written into the test folder; `edit` changes it first.
    void open(CarriedTemplate which, const std::function<void(xls::Workbook&)>& edit = {})
    {
        const QString path = test::writeTemplate(folder, which, QStringLiteral("template.xls"));
        if (edit) {
            xls::Workbook book = xls::Workbook::open(path);
            edit(book);
            book.save(path);
        }
        ASSERT_TRUE(exporter.OpenTemplate(path));
    }
    QString save()
    {
        const QString path = folder.file(QStringLiteral("report.xls"));
        exporter.saveAs(path);
        return path;
    }

    test::TempFolder folder;
    NoOpener opener;
    TemplateExporter exporter{opener};
};

TEST_F(TemplateExporterTest, FillsTheDebtsListOneRowPerRecordWithTotalsOverExactlyThem)
{
    open(CarriedTemplate::Datorii);
    exporter.ReplaceTag(QStringLiteral("#LADATA"), QStringLiteral("la data de 10.12.2026"));
    exporter.FillBand(test::debtRecords());
    const QString report = save();
    test::expectGolden(test::reportCells(report), golden("datorii_filled.csv"));

    const xls::Workbook book = xls::Workbook::open(report);
    const std::pair<const char*, const char*> formulas[] = {
        {"I7", "F7+G7+H7"},    {"I8", "F8+G8+H8"},    {"I9", "F9+G9+H9"},    {"F10", "SUM(F6:F9)"},
        {"G10", "SUM(G6:G9)"}, {"H10", "SUM(H6:H9)"}, {"I10", "SUM(I6:I9)"},
    };
    for (const auto& [cell, formula] : formulas) {
        const int column = cell[0] - 'A' + 1;
        const int row = QByteArray(cell + 1).toInt();
        EXPECT_EQ(book.formulaText(row, column), QString::fromLatin1(formula)) << cell;
    }
}

TEST_F(TemplateExporterTest, FillsThePaymentsSlip)
{
    open(CarriedTemplate::Incas);
    exporter.ReplaceTag(QStringLiteral("#PERIOADA"), QStringLiteral("01.03.2024 - 31.03.2024"));
    exporter.FillBand(test::paymentRecords());
    test::expectGolden(test::reportCells(save()), golden("incas_filled.csv"));
}

TEST_F(TemplateExporterTest, WithoutRecordsTheBandGoesAndTheTotalsShowZero)
{
    open(CarriedTemplate::Datorii);
    ReportDataset none = test::debtRecords();
    none.rows.clear();
    exporter.FillBand(none);
    const QString cells = test::reportCells(save());
    EXPECT_EQ(cells.count(u'\n'), 7) << cells.toStdString();
    EXPECT_EQ(rowLine(cells, 7).toStdString(), "7,,,,,1:TOTAL,2:0,2:0,2:0,2:0") << cells.toStdString();
}

// Every cell whose trimmed text is the tag in any letter case gets the text; a band cell naming no column
// of the dataset stays as it is in every row.
TEST_F(TemplateExporterTest, TagsMatchEveryCellInAnyCaseAndUnknownBandTagsStay)
{
    open(CarriedTemplate::Datorii, [](xls::Workbook& book) {
        book.setText(3, 2, QStringLiteral(" #ladata "));
        book.setText(7, 11, QStringLiteral("#NOSUCH"));
    });
    exporter.ReplaceTag(QStringLiteral("#LaData"), QStringLiteral("azi"));
    exporter.FillBand(test::debtRecords());
    const QString cells = test::reportCells(save());
    EXPECT_TRUE(rowLine(cells, 3).startsWith(QStringLiteral("3,,1:azi,,1:azi"))) << cells.toStdString();
    for (int row = 7; row <= 9; ++row)
        EXPECT_TRUE(rowLine(cells, row).endsWith(QStringLiteral(",6:,1:#NOSUCH"))) << rowLine(cells, row).toStdString();

    open(CarriedTemplate::FisaCalcul);
    exporter.ReplaceTag(QStringLiteral("#LADATA"), QStringLiteral("la data de 10.12.2026"));
    EXPECT_TRUE(rowLine(test::reportCells(save()), 3).startsWith(QStringLiteral("3,,1:la data de 10.12.2026")));
}

TEST_F(TemplateExporterTest, BlankZerosLeavesZeroAmountsEmptyAndOpenTemplateClearsIt)
{
    // The second debt has 0 current debt and 0 penalties; the running number and the totals stay numbers.
    const std::pair<bool, const char*> cases[] = {
        {false, "8,2:2,\"1:Ionescu, Maria\",1:2750315120016,1:R7,3:45383=2024-04-01,2:0,2:820,2:0,2:820,6:"},
        {true, "8,2:2,\"1:Ionescu, Maria\",1:2750315120016,1:R7,3:45383=2024-04-01,6:,2:820,6:,2:820,6:"},
    };
    for (const auto& [blank, line] : cases) {
        exporter.setBlankZeros(true);
        open(CarriedTemplate::Datorii);
        EXPECT_FALSE(exporter.blankZeros());
        exporter.setBlankZeros(blank);
        exporter.FillBand(test::debtRecords());
        EXPECT_EQ(rowLine(test::reportCells(save()), 8).toStdString(), line) << blank;
    }
}

// All copies of the band go in with one insertion: a long list must still number and total every record.
TEST_F(TemplateExporterTest, ALongListKeepsEveryRecord)
{
    open(CarriedTemplate::Incas);
    ReportDataset data = test::paymentRecords();
    const QVariantList first = data.rows.front();
    data.rows.clear();
    for (int i = 0; i < 5000; ++i) {
        QVariantList values = first;
        values[6] = i;  // SUMA
        data.rows.push_back(values);
    }
    exporter.FillBand(data);
    const xls::Workbook book = xls::Workbook::open(save());
    EXPECT_EQ(book.rowCount(), 6 + 5000 + 1);
    EXPECT_EQ(book.cell(6 + 5000, 1).number, 5000);
    EXPECT_EQ(book.cell(6 + 5000, 8).number, 4999);
    EXPECT_EQ(book.formulaText(6 + 5001, 8), QStringLiteral("SUM(H6:H5006)"));
    EXPECT_EQ(book.cell(6 + 5001, 8).number, 4999.0 * 5000 / 2);
    EXPECT_EQ(book.cell(6 + 5001, 10).number, 4999.0 * 5000 / 2 + 35 * 5000);
}

TEST(SheetShares, RecordsGoOnOverFurtherSheetsKeepingARowForTheGeneralTotal)
{
    test::TempFolder folder;
    const xls::Workbook book = xls::Workbook::open(test::writeTemplate(folder, CarriedTemplate::Datorii, "t.xls"));
    ASSERT_EQ(book.rowCount(), 8);  // the band and the totals below the headings
    const int room = 65536 - 8;
    const struct {
        int records;
        std::vector<int> shares;
    } cases[] = {
        {0, {0}},
        {room, {room}},
        {room + 1, {room - 1, 2}},
        {2 * (room - 1), {room - 1, room - 1}},
        {2 * (room - 1) + 1, {room - 1, room - 1, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SheetShares(book, c.records), c.shares) << c.records;
}

// The bench register's debts today are three sheets long; 70,000 records show the same on two. Every
// sheet has the headings and the totals of its own rows, the numbering runs on, and the last one ends
// with the general total; LibreOffice reads every sheet back with those sums.
TEST_F(TemplateExporterTest, ALongerListThanASheetGoesOnOverFurtherSheets)
{
    constexpr int kRecords = 70000;
    open(CarriedTemplate::Datorii);
    exporter.ReplaceTag(QStringLiteral("#LADATA"), QStringLiteral("La data de 11.12.2026"));
    ReportDataset data = test::debtRecords();
    const QVariantList first = data.rows.front();
    data.rows.clear();
    for (int i = 0; i < kRecords; ++i) {
        QVariantList values = first;
        values[5] = i % 1000;  // RESTANTA
        data.rows.push_back(values);
    }
    exporter.FillBand(data);
    const QString report = save();

    xls::Workbook book = xls::Workbook::open(report);
    ASSERT_EQ(book.sheetCount(), 2);
    EXPECT_EQ(book.sheetName(1), "Datorii 1 din 2");
    EXPECT_EQ(book.sheetName(2), "Datorii 2 din 2");
    const int onFirst = 65536 - 8 - 1;
    EXPECT_EQ(book.cellText(3, 4), "La data de 11.12.2026");
    EXPECT_EQ(book.cell(6 + onFirst, 1).number, onFirst);
    EXPECT_EQ(book.cellText(7 + onFirst, 5), "TOTAL");
    book.selectSheet(2);
    EXPECT_EQ(book.cellText(3, 4), "La data de 11.12.2026");
    EXPECT_EQ(book.cell(7, 1).number, onFirst + 1);
    const int onSecond = kRecords - onFirst;
    EXPECT_EQ(book.cell(6 + onSecond, 1).number, kRecords);
    EXPECT_EQ(book.formulaText(7 + onSecond, 7), QStringLiteral("SUM(G6:G%1)").arg(6 + onSecond));
    EXPECT_EQ(book.cellText(8 + onSecond, 5), "TOTAL GENERAL");
    EXPECT_EQ(book.rowCount(), 8 + onSecond);

    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    QProcess convert;
    convert.start(office,
                  {"-env:UserInstallation=file://" + folder.file("lo-profile"), "--headless", "--convert-to",
                   "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1", "--outdir",
                   folder.file("csv"), report});
    ASSERT_TRUE(convert.waitForFinished(300000));
    qint64 sums[2] = {0, 0};  // RESTANTA, Total over every sheet's rows
    QStringList lastTotals;
    for (const char* sheet : {"Datorii 1 din 2", "Datorii 2 din 2"}) {
        QFile csv(folder.file(QStringLiteral("csv/report-%1.csv").arg(sheet)));
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << sheet;
        const QList<QByteArray> lines = csv.readAll().split('\n');
        qint64 restanta = 0, total = 0;
        int line = 6;
        for (; !lines.value(line).contains("TOTAL"); ++line) {
            const QList<QByteArray> cells = lines[line].split(',');
            restanta += cells.value(6).toLongLong();
            total += cells.value(8).toLongLong();
        }
        const QList<QByteArray> totals = lines[line].split(',');
        EXPECT_EQ(totals.value(6).toLongLong(), restanta) << sheet;
        EXPECT_EQ(totals.value(8).toLongLong(), total) << sheet;
        sums[0] += restanta;
        sums[1] += total;
        lastTotals = QString::fromUtf8(lines.value(line + 1)).split(u',');
    }
    EXPECT_EQ(lastTotals.value(4), "TOTAL GENERAL");
    EXPECT_EQ(lastTotals.value(6).toLongLong(), sums[0]);
    EXPECT_EQ(lastTotals.value(8).toLongLong(), sums[1]);
}

TEST_F(TemplateExporterTest, AMissingTemplateOpensNothingAndItsUseIsRefusedByName)
{
    const QString missing = folder.file(QStringLiteral("Datorii.xls"));
    EXPECT_FALSE(exporter.OpenTemplate(missing));
    EXPECT_FALSE(exporter.isOpen());
    const QString message = QStringLiteral("Sablonul %1 nu exista; raportul nu poate fi facut.").arg(missing);
    for (const auto& use : std::initializer_list<std::function<void()>>{
             [&] { exporter.ReplaceTag(QStringLiteral("#LADATA"), QStringLiteral("azi")); },
             [&] { exporter.FillBand(test::debtRecords()); },
         }) {
        try {
            use();
            ADD_FAILURE() << "no error";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.message(), message);
        }
    }
    exporter.SaveAndShow();  // nothing open: nothing to do
    EXPECT_TRUE(exporter.lastReport().isEmpty());
}

TEST_F(TemplateExporterTest, TemplatesAreFoundInAnyLetterCaseAndOtherFilesAreRefused)
{
    test::writeTemplate(folder, CarriedTemplate::Datorii, QStringLiteral("DATORII.XLS"));
    EXPECT_TRUE(exporter.OpenTemplate(folder.file(QStringLiteral("Datorii.xls"))));

    const QString notWorkbook = folder.file(QStringLiteral("Incas.xls"));
    test::writeBytes(notWorkbook, "NUME,CNP\n");
    EXPECT_THROW(exporter.OpenTemplate(notWorkbook), StoreError);
    EXPECT_FALSE(exporter.isOpen());
}

}  // namespace
}  // namespace velmar
