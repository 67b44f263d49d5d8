// The text formats of the export, read back by readers nobody here wrote where there is one (Python's csv
// and html.parser), and the escapes of the formats that have their own.
#include "print_qstring.h"
#include "python_readers.h"
#include "sample_table.h"

#include "export/interchange_writers.h"
#include "export/rtf_writer.h"
#include "export/table_export.h"
#include "export/text_writers.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

// The cells every format holds: heading, date line, band row, titles, the rows as shown.
Cells expectedCells()
{
    return {
        {"Lista Contractelor"},
        {"Creat la 11.12.2026"},
        {"Contract de Concesiune", "", "Titular", "", ""},
        {"Numarul", "Din data", "Nume si prenume", "CNP / CUI", "Suprafata"},
        {"7", "01.03.2024", QString::fromUtf8("Ştefănescu, \"Ţuţu\""), "1800101221144", "12.5"},
        {"12", "-", "SC <A&B> SRL; {x}\\y", "0012", "3"},
        {"130", "11.12.2026", "Ana\tMaria", "", "-0.25"},
    };
}

class TextExports : public ::testing::Test {
protected:
    QString written(ExportFormat format, const QString& name)
    {
        const QString path = folder.file(name);
        exportToFile(sampleTable(), format, path);
        return path;
    }
    TempFolder folder;
};

TEST_F(TextExports, PythonsCsvReadsTheSeparatedValuesBackToTheShownCells)
{
    EXPECT_EQ(pythonCsvRows(written(ExportFormat::Csv, "list.csv"), u','), expectedCells());
    EXPECT_EQ(pythonCsvRows(written(ExportFormat::Tsv, "list.tsv"), u'\t'), expectedCells());
}

TEST_F(TextExports, SeparatedFilesAreUtf8WithByteOrderMarkAndCrLfLines)
{
    const QByteArray csv = readBytes(written(ExportFormat::Csv, "list.csv"));
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFLista Contractelor\r\nCreat la 11.12.2026\r\n"));
    EXPECT_TRUE(
        csv.contains(QString::fromUtf8("7,01.03.2024,\"Ştefănescu, \"\"Ţuţu\"\"\",1800101221144,12.5\r\n").toUtf8()));
    // The clipboard's text is the tab-separated table without the mark.
    EXPECT_EQ(clipboardContent(sampleTable()).text.toUtf8(), readBytes(written(ExportFormat::Tsv, "l.tsv")).mid(3));
}

TEST_F(TextExports, PythonsHtmlParserReadsTheTableBackToTheShownCells)
{
    const QString path = written(ExportFormat::Html, "list.html");
    Cells expected = expectedCells();
    expected.erase(expected.begin(), expected.begin() + 2);  // heading and date stand above the table
    EXPECT_EQ(pythonHtmlRows(path), expected);
    const QString page = QString::fromUtf8(readBytes(path));
    EXPECT_TRUE(page.contains("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(page.contains("<p>Creat la 11.12.2026</p>"));
    EXPECT_TRUE(page.contains("SC &lt;A&amp;B&gt; SRL")) << page.toStdString();
    EXPECT_TRUE(page.contains("<th colspan=\"2\">Contract de Concesiune</th>"));
    EXPECT_TRUE(page.contains("sdval=\"45352\"")) << "a date carries its day number";
}

TEST_F(TextExports, FixedWidthColumnsAreAlignedAsInTheGrid)
{
    const QString text = fixedWidthText(sampleTable());
    const QStringList lines = text.split("\r\n");
    ASSERT_GE(lines.size(), 9);
    EXPECT_EQ(lines[0], "Lista Contractelor");
    EXPECT_EQ(lines[1], "Creat la 11.12.2026");
    EXPECT_EQ(lines[2], "");
    // "Contract de Concesiune" is wider than its two columns: the second widens to hold it.
    EXPECT_EQ(lines[3], QString("Contract de Concesiune               Titular"));
    EXPECT_EQ(lines[4], QString("Numarul    Din data       Nume si prenume      CNP / CUI    Suprafata"));
    EXPECT_EQ(lines[5], QString("-------  -------------  -------------------  -------------  ---------"));
    EXPECT_EQ(lines[6], QString::fromUtf8("      7   01.03.2024    Ştefănescu, \"Ţuţu\"   1800101221144       12.5"));
    EXPECT_EQ(lines[7], QString("     12        -        SC <A&B> SRL; {x}\\y  0012                   3"));
    EXPECT_EQ(lines[8], QString("    130   11.12.2026    Ana Maria                               -0.25"))
        << "a tab would break the columns";
}

TEST(RtfExport, EscapesWhatRtfReservesAndWritesLettersAsUnicode)
{
    const QByteArray rtf = rtfDocument(sampleTable());
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi"));
    EXPECT_TRUE(rtf.contains("\\u350?tef\\u259?nescu")) << "Ş is U+015E, ă U+0103";
    EXPECT_TRUE(rtf.contains("SC <A&B> SRL; \\{x\\}\\\\y"));
    EXPECT_TRUE(rtf.contains("\\clmgf")) << "the band over two columns is one merged cell";
    EXPECT_TRUE(rtf.contains("\\trhdr")) << "the titles repeat on every page";
    EXPECT_FALSE(rtf.contains('\xC5')) << "no 8-bit byte: every letter beyond ASCII is escaped";
}

TEST(InterchangeExports, DifInWindows1250WithNumbersAsValues)
{
    const QByteArray dif = difDocument(sampleTable());
    EXPECT_TRUE(dif.startsWith("TABLE\r\n0,1\r\n\"EXCEL\"\r\nVECTORS\r\n0,5\r\n\"\"\r\nTUPLES\r\n0,7\r\n"));
    EXPECT_TRUE(dif.contains("1,0\r\n\"\xAA"
                             "tef\xE3nescu, \"\"\xDEu\xFEu\"\"\"\r\n"))
        << dif.toStdString();
    EXPECT_TRUE(dif.contains("0,12.5\r\nV\r\n"));
    EXPECT_TRUE(dif.contains("1,0\r\n\"0012\"\r\n")) << "a code stays a string";
    EXPECT_TRUE(dif.endsWith("-1,0\r\nEOD\r\n"));
}

TEST(InterchangeExports, SylkCellsWithFormatsAndWidths)
{
    const QByteArray slk = sylkDocument(sampleTable());
    EXPECT_TRUE(slk.startsWith("ID;"));
    EXPECT_TRUE(slk.contains("F;W3 3 21\r\n"));
    EXPECT_TRUE(slk.contains("F;P1;Y5;X2\r\nC;Y5;X2;K45352\r\n")) << "a date: its day number shown dd.mm.yyyy";
    EXPECT_TRUE(slk.contains("C;Y6;X3;K\"SC <A&B> SRL;; {x}\\y\"\r\n")) << "a semicolon is doubled";
    EXPECT_TRUE(slk.contains("C;Y6;X4;K\"0012\"\r\n"));
    EXPECT_TRUE(slk.endsWith("E\r\n"));
}

}  // namespace
}  // namespace velmar::test
