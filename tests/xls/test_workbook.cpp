// The workbook engine on a file LibreOffice wrote (shared formulas, merged cells, print titles, a second
// sheet referring to the first): reading, writing cells, inserting and deleting rows, saving, and the
// files it refuses. xlrd, an independent reader, checks what we save.
#include "store/store_error.h"
#include "support/python_check.h"
#include "support/temp_folder.h"
#include "xls/biff_record.h"
#include "xls/byte_io.h"
#include "xls/compound_file.h"
#include "xls/workbook.h"
#include "xls/xlrd_reading.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::xls;
using velmar::test::TempFolder;

namespace {

const QString kFixture = QStringLiteral(VELMAR_XLS_TEST_DATA "/libreoffice_book.xls");

Workbook fixture() { return Workbook::open(kFixture); }

QStringList savedAndRead(Workbook& book, const TempFolder& folder)
{
    const QString path = folder.file("out.xls");
    book.save(path);
    return velmar::test::xlrdReading(path);
}

}  // namespace

TEST(WorkbookRead, CellsOfEveryKindAndSharedFormulasAsOwnFormulas)
{
    Workbook book = fixture();
    ASSERT_EQ(book.sheetCount(), 2);
    EXPECT_EQ(book.sheetName(1), "Date");
    EXPECT_EQ(book.sheetName(2), "Alta");
    EXPECT_EQ(book.rowCount(), 13);
    EXPECT_EQ(book.columnCount(), 4);
    EXPECT_EQ(book.cellText(1, 1), QString::fromUtf8("Titlu ăîșțâ ĂÎȘȚÂ"));
    EXPECT_EQ(book.cellText(3, 2), "Nume 1");
    EXPECT_EQ(book.cell(4, 3).number, 20);
    EXPECT_EQ(book.cell(4, 4).number, 22);  // the cached result
    EXPECT_EQ(book.cell(20, 20).kind, CellValue::Kind::Empty);
    EXPECT_EQ(book.formulaText(3, 4), "A3+C3");
    EXPECT_EQ(book.formulaText(12, 4), "A12+C12");
    EXPECT_EQ(book.formulaText(13, 3), "SUM(C3:C12)");
    EXPECT_FALSE(book.isFormula(12, 3));
    book.selectSheet(2);
    EXPECT_EQ(book.rowCount(), 1);
    EXPECT_EQ(book.formulaText(1, 2), "SUM(!D3:D12)");
    EXPECT_THROW(book.selectSheet(3), StoreError);
}

TEST(WorkbookSave, AnUnchangedWorkbookReadsTheSameAndKeepsItsOtherStreams)
{
    TempFolder folder;
    Workbook book = fixture();
    EXPECT_EQ(savedAndRead(book, folder), velmar::test::xlrdReading(kFixture));
    const auto original = ReadCompoundFile(velmar::test::readBytes(kFixture), kFixture);
    const auto saved = ReadCompoundFile(velmar::test::readBytes(folder.file("out.xls")), "out.xls");
    for (const auto& [name, bytes] : original) {
        if (name != "Workbook")
            EXPECT_EQ(saved.at(name), bytes) << name.toStdString();
    }
}

TEST(WorkbookCells, WritingKeepsTheFormatAndTheEmptyTextLeavesABlank)
{
    Workbook book = fixture();
    const int format = book.cellFormat(3, 3);
    book.setText(3, 3, QString::fromUtf8("șapte"));
    book.setNumber(3, 2, 2.5);
    book.setText(4, 3, "");
    book.setText(30, 1, "");  // nothing there: nothing to keep
    EXPECT_EQ(book.cellText(3, 3), QString::fromUtf8("șapte"));
    EXPECT_EQ(book.cellFormat(3, 3), format);
    EXPECT_EQ(book.cellText(3, 2), "2.5");
    EXPECT_EQ(book.cell(4, 3).kind, CellValue::Kind::Empty);
    EXPECT_EQ(book.rowCount(), 13);
    EXPECT_THROW(book.setNumber(0, 1, 1), StoreError);
    EXPECT_THROW(book.setNumber(1, 257, 1), StoreError);

    TempFolder folder;
    const QStringList cells = savedAndRead(book, folder);
    EXPECT_TRUE(cells.contains(QString::fromUtf8("Date!C3 text șapte")));
    EXPECT_TRUE(cells.contains("Date!B3 number 2.5"));
    EXPECT_FALSE(cells.join('\n').contains("Date!C4 "));
    EXPECT_TRUE(cells.contains("Date!C13 number 520"));  // 550 - 10 (text) - 20 (blank)
    EXPECT_TRUE(cells.contains("Date!D3 error 15"));     // 1 + a text is #VALUE!
    EXPECT_TRUE(cells.contains("Date!D4 number 2"));     // 2 + a blank
}

// Texts written as they come stand in the string table as often as they were written; readers still find each
// cell's own text, and the file's texts keep theirs.
TEST(WorkbookCells, TextsWrittenAsTheyComeReadBackCellByCell)
{
    Workbook book = fixture();
    book.writeTextsAsTheyCome(4);
    book.setText(20, 1, QString::fromUtf8("Ţară"), 15);
    book.setText(20, 2, QString::fromUtf8("Ţară"), 15);
    book.setText(21, 1, "DA", 15);
    book.mergeCells(30, 30, 1, 3);
    book.setText(30, 1, "DA", 15);
    EXPECT_EQ(book.cellText(20, 2), QString::fromUtf8("Ţară"));

    TempFolder folder;
    const QStringList cells = savedAndRead(book, folder);
    for (const char* cell : {"Date!A20 text Ţară", "Date!B20 text Ţară", "Date!A21 text DA", "Date!A30 text DA",
                             "merged Date rows 29-30 columns 0-3"})
        EXPECT_TRUE(cells.contains(QString::fromUtf8(cell))) << cell << "\n" << cells.join('\n').toStdString();
    EXPECT_EQ(cells.filter("text").size(), velmar::test::xlrdReading(kFixture).filter("text").size() + 4);
}

TEST(WorkbookRows, InsertedCopiesMoveTheirRelativeReferencesAndSpanningSumsGrow)
{
    Workbook book = fixture();
    book.insertCopiedRows(12, 12, 12, 3);
    EXPECT_EQ(book.rowCount(), 16);
    for (int row = 12; row <= 15; ++row) {
        EXPECT_EQ(book.cellText(row, 2), "Nume 10");
        EXPECT_EQ(book.formulaText(row, 4), QString("A%1+C%1").arg(row));
    }
    EXPECT_EQ(book.formulaText(11, 4), "A11+C11");
    EXPECT_EQ(book.formulaText(16, 3), "SUM(C3:C15)");
    book.selectSheet(2);
    EXPECT_EQ(book.formulaText(1, 1), "!C3");
    EXPECT_EQ(book.formulaText(1, 2), "SUM(!D3:D15)");

    TempFolder folder;
    const QStringList cells = savedAndRead(book, folder);
    EXPECT_TRUE(cells.contains("Date!C16 number 850"));
    EXPECT_TRUE(cells.contains("Date!D16 number 935"));
    EXPECT_TRUE(cells.contains("Date!D14 number 110"));
    EXPECT_TRUE(cells.contains("merged Date rows 0-1 columns 0-3"));
    EXPECT_TRUE(cells.contains("name Print_Titles Date!$A$2:$IV$2"));
}

TEST(WorkbookRows, RowsInsertedAboveMoveMergedRangesAndPrintTitles)
{
    Workbook book = fixture();
    book.insertCopiedRows(1, 1, 14, 2);  // the merged title row, twice, below the table
    book.insertCopiedRows(2, 2, 1, 1);   // the heading row, above everything
    EXPECT_EQ(book.cellText(1, 1), "Nr");
    EXPECT_EQ(book.formulaText(14, 3), "SUM(C4:C13)");

    TempFolder folder;
    const QStringList cells = savedAndRead(book, folder);
    EXPECT_TRUE(cells.contains("name Print_Titles Date!$A$3:$IV$3"));
    for (const char* merged : {"merged Date rows 1-2 columns 0-3", "merged Date rows 14-15 columns 0-3",
                               "merged Date rows 15-16 columns 0-3"})
        EXPECT_TRUE(cells.contains(merged)) << merged;
    EXPECT_TRUE(cells.contains("Date!C14 number 550"));
}

TEST(WorkbookRows, DeletedRowsShrinkRangesAndReferencesIntoThemBreak)
{
    Workbook book = fixture();
    book.deleteRows(5, 2);
    EXPECT_EQ(book.rowCount(), 11);
    EXPECT_EQ(book.cellText(5, 2), "Nume 5");
    EXPECT_EQ(book.formulaText(5, 4), "A5+C5");
    EXPECT_EQ(book.formulaText(11, 3), "SUM(C3:C10)");
    book.selectSheet(2);
    EXPECT_EQ(book.formulaText(1, 2), "SUM(!D3:D10)");
    book.selectSheet(1);
    book.deleteRows(3, 8);  // every data row
    EXPECT_EQ(book.formulaText(3, 3), "SUM(#REF!)");
    book.selectSheet(2);
    EXPECT_EQ(book.formulaText(1, 1), "#REF!");

    TempFolder folder;
    const QStringList cells = savedAndRead(book, folder);
    EXPECT_TRUE(cells.contains("Date!C3 error 23"));
    EXPECT_TRUE(cells.contains("Date!A3 text TOTAL"));
}

TEST(WorkbookRows, TwentyThousandCopiesAndTheRowLimit)
{
    Workbook book = fixture();
    book.insertCopiedRows(12, 12, 12, 20000);
    EXPECT_EQ(book.rowCount(), 20013);
    EXPECT_EQ(book.formulaText(20011, 4), "A20011+C20011");
    EXPECT_EQ(book.formulaText(20013, 3), "SUM(C3:C20012)");
    book.deleteRows(20012, 1);
    EXPECT_EQ(book.formulaText(20012, 4), "SUM(D3:D20011)");

    TempFolder folder;
    const QStringList cells = savedAndRead(book, folder);
    EXPECT_TRUE(cells.contains(QString("Date!C20012 number %1").arg(450 + 100 * 20000)));

    EXPECT_THROW(book.insertCopiedRows(3, 3, 3, 50000), StoreError);
    EXPECT_EQ(book.rowCount(), 20012);  // refused before anything moved
}

TEST(WorkbookFormulas, WrittenFormulasGetComputedResults)
{
    Workbook book = fixture();
    const struct {
        const char* formula;
        const char* read;
    } cases[] = {
        {"C3/0", "error 7"},
        {"SUM(B3:C5)", "number 60"},  // texts in a range are skipped
        {"(A5+1)*2-C3/4", "number 5.5"},
        {"-SUM(A3:A12,C3,7)", "number -72"},
    };
    int row = 20;
    for (const auto& c : cases)
        book.setFormula(row++, 6, c.formula, 15);
    EXPECT_THROW(book.setFormula(row, 6, "AVERAGE(A1:A3)", 15), StoreError);

    TempFolder folder;
    const QStringList cells = savedAndRead(book, folder);
    row = 20;
    for (const auto& c : cases)
        EXPECT_TRUE(cells.contains(QString("Date!F%1 %2").arg(row++).arg(c.read))) << c.formula;
}

namespace {

QByteArray fixtureStream() { return ReadCompoundFile(velmar::test::readBytes(kFixture), kFixture).at("Workbook"); }

QByteArray withRecordAfterBof(QByteArray stream, uint16_t type)
{
    QByteArray record;
    AppendRecord(record, type, QByteArray(6, '\0'));
    return stream.insert(20, record);
}

}  // namespace

TEST(WorkbookOpen, FilesThatAreNoUsableWorkbookAreRefusedWithAMessageNamingThem)
{
    QByteArray biff5 = fixtureStream();
    writeU16(biff5.data() + 4, 0x0500);
    const QByteArray file = velmar::test::readBytes(kFixture);
    const struct {
        const char* name;
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"empty", {}, "nu este un registru de calcul"},
        {"text", "Nume,Suma\nIon,10\n", "nu este un registru de calcul"},
        {"half", file.left(file.size() / 2), "deteriorat"},
        {"biff5 stream", WriteCompoundFile({{"Book", fixtureStream()}}), "Excel 97-2003"},
        {"other stream", WriteCompoundFile({{"Date", "abc"}}), "nu este un registru de calcul"},
        {"biff5 version", WriteCompoundFile({{"Workbook", biff5}}), "Excel 97-2003"},
        {"encrypted", WriteCompoundFile({{"Workbook", withRecordAfterBof(fixtureStream(), record::FilePass)}}),
         "parola"},
        {"cut stream", WriteCompoundFile({{"Workbook", fixtureStream().left(3000)}}), "deteriorat"},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        const QString path = folder.file(QString(c.name) + ".xls");
        velmar::test::writeBytes(path, c.bytes);
        try {
            Workbook::open(path);
            ADD_FAILURE() << c.name << " opened";
        } catch (const StoreError& e) {
            EXPECT_TRUE(e.message().contains(path)) << c.name;
            EXPECT_TRUE(e.message().contains(c.message)) << c.name << ": " << e.message().toStdString();
        }
    }
    EXPECT_THROW(Workbook::open(folder.file("missing.xls")), StoreError);
}

TEST(WorkbookSave, AFailedSaveLeavesNoFile)
{
    TempFolder folder;
    Workbook book = fixture();
    const QString path = folder.file("no/such/folder/out.xls");
    try {
        book.save(path);
        ADD_FAILURE() << "saved";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(path));
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST(WorkbookOpen, DamagedWorkbookStreamsGiveAnErrorOrAWorkbookNeverACrash)
{
    const QByteArray stream = fixtureStream();
    uint32_t seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = stream;
        for (int i = 0; i < 1 + round % 8; ++i)
            damaged[int(next() % damaged.size())] = char(next() >> 16);
        try {
            Workbook book = Workbook::fromStream(damaged, "damaged.xls");
            for (int sheet = 1; sheet <= book.sheetCount(); ++sheet) {
                try {
                    book.selectSheet(sheet);
                } catch (const StoreError&) {
                    continue;
                }
                book.insertCopiedRows(3, 3, 3, 2);
                book.deleteRows(1, 1);
            }
            book.toFileBytes();
        } catch (const StoreError&) {
        }
    }
}

// A copied sheet is a sheet of its own: the same cells, merged ranges and formulas under its own name,
// changed without touching the original, and never opened selected beside it.
TEST(WorkbookSheets, ACopyIsAnIndependentUnselectedSheetAfterTheLast)
{
    Workbook book = fixture();
    EXPECT_EQ(book.appendSheetCopy(1, QString::fromUtf8("Copie ăș")), 3);
    ASSERT_EQ(book.sheetCount(), 3);
    EXPECT_EQ(book.sheetName(3), QString::fromUtf8("Copie ăș"));
    book.selectSheet(3);
    book.setText(1, 6, "doar in copie");
    book.renameSheet(1, "Prima");

    TempFolder folder;
    const QString path = folder.file("copied.xls");
    book.save(path);
    const QStringList original = velmar::test::xlrdReading(kFixture);
    const QStringList saved = velmar::test::xlrdReading(path);
    for (const QString& line : original) {
        if (!line.startsWith("Date!") && !line.startsWith("merged Date"))
            continue;
        const QString copied = QString(line).replace("Date", QString::fromUtf8("Copie ăș"));
        EXPECT_TRUE(saved.contains(QString(line).replace("Date", "Prima"))) << line.toStdString();
        EXPECT_TRUE(saved.contains(copied)) << copied.toStdString();
    }
    EXPECT_TRUE(saved.contains(QString::fromUtf8("Copie ăș!F1 text doar in copie")));
    EXPECT_FALSE(saved.contains("Prima!F1 text doar in copie"));

    const velmar::test::PythonRun selected =
        velmar::test::runPython("import sys, xlrd\n"
                                "book = xlrd.open_workbook(sys.argv[1])\n"
                                "print(' '.join('%d' % s.sheet_selected for s in book.sheets()))\n",
                                {path});
    EXPECT_EQ(selected.out.trimmed(), "1 0 0") << selected.err.toStdString();
}

TEST(WorkbookSheets, NamesNoWorkbookCanHoldAreRefused)
{
    Workbook book = fixture();
    const QString refused[] = {"", QString(32, 'x'), "a/b", "a\\b", "a:b", "a?", "a*", "[a]", "date"};
    for (const QString& name : refused) {
        EXPECT_THROW(book.appendSheetCopy(1, name), StoreError) << name.toStdString();
        EXPECT_THROW(book.renameSheet(2, name), StoreError) << name.toStdString();
    }
    EXPECT_THROW(book.appendSheetCopy(1, "ALTA"), StoreError);
    EXPECT_EQ(book.sheetCount(), 2);
    EXPECT_NO_THROW(book.renameSheet(2, "alta"));  // a sheet may change the case of its own name
    EXPECT_NO_THROW(book.appendSheetCopy(1, QString(31, 'x')));
    EXPECT_THROW(book.appendSheetCopy(4, "Alta2"), StoreError);
}

// Found by the fuzzer: a sheet entry whose name runs past its record. The workbook opens, and the name reads
// as far as it goes.
TEST(WorkbookOpen, ASheetNameCutShortReadsAsFarAsItGoes)
{
    const QString path = QStringLiteral(VELMAR_FUZZ_REGRESSIONS "/workbook_sheet_name_cut_short.xls");
    try {
        const Workbook book = Workbook::open(path);
        for (int sheet = 1; sheet <= book.sheetCount(); ++sheet)
            EXPECT_NO_THROW(book.sheetName(sheet));
    } catch (const StoreError&) {
        // refused with a message naming the file: also sound
    }
}
