// velmar-cli contract list --format: every file format read back, by LibreOffice (and the text formats also by
// Python's csv), to the same cells as the list's own CSV, under the window's titles and bands.
#include "print_qstring.h"
#include "python_readers.h"

#include "store/dates.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <gtest/gtest.h>

namespace velmar::test {
namespace {

// The list CSV's columns the grid shows, in the grid's order.
const QStringList kShownColumns{"NRCON",  "DATACON", "NRRATE", "RESTANTA", "ACTIV", "NUME",   "ROL",       "CNP",
                                "ADRESA", "LOC",     "JUD",    "SUPRAFT",  "RATA",  "MONEDA", "DATARATA1", "StopPen"};

const QStringList kContracts[] = {
    {"--nrcon",     "12",
     "--datacon",   "15.03.2013",
     "--nrrate",    "3",
     "--datarata1", "15.03.2013",
     "--datapen1",  "15.04.2013",
     "--nume",      QString::fromUtf8("Ştefănescu Ţuţu-Ionuţ"),
     "--rol",       "0012",
     "--cnp",       "1800101221144",
     "--adresa",    "Str. Lunga, nr. 5",
     "--loc",       QString::fromUtf8("Sânmartin"),
     "--jud",       "Cluj",
     "--supraft",   "12.5",
     "--rata",      "1000"},
    {"--nrcon",   "3",           "--datacon",     "01.02.2011",        "--nrrate",
     "5",         "--datarata1", "01.02.2011",    "--datapen1",        "01.03.2011",
     "--stoppen", "01.06.2020",  "--nume",        "SC <A&B> SRL; {x}", "--rol",
     "R7",        "--cnp",       "2850315123457", "--adresa",          "Bd. 1 Mai; bl. 3",
     "--rata",    "250"},
    {"--nrcon", "40", "--datacon", "20.10.2019", "--nrrate", "2", "--datarata1", "20.10.2019", "--datapen1",
     "20.11.2019", "--nume", "Pop Ana", "--rata", "70"},
};

struct FormatCase {
    const char* extension;
    QString infilter;       // how LibreOffice Calc is told to read it; empty: it finds out itself
    bool document = false;  // read by Writer, as a document with a table
    bool datesAsDayNumbers =
        false;  // Calc keeps the value of a page's date and drops its format, as with its own pages
};

const int kDateColumns[] = {1, 14, 15};

// Separated text read with every column as text, so that "0012" stays as typed.
QString textFilter(int separator)
{
    QStringList columns;
    for (int c = 1; c <= int(kShownColumns.size()); ++c)
        columns << QString::number(c) << "2";
    return QStringLiteral("Text - txt - csv (StarCalc):%1,34,76,1,%2").arg(separator).arg(columns.join('/'));
}

class CliExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(cli.run({"init"}).exitCode, 0);
        for (const QStringList& contract : kContracts) {
            const CliRun added = cli.run(QStringList{"contract", "add"} + contract);
            ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
        }
        const CliRun listed = cli.run({"contract", "list"});
        ASSERT_EQ(listed.exitCode, 0);
        writeBytes(home.file("list.csv"), listed.out.toUtf8());
        const Cells list = pythonCsvRows(home.file("list.csv"), u',');
        ASSERT_EQ(list.size(), 4u);
        for (size_t r = 1; r < list.size(); ++r) {
            QStringList shown;
            for (const QString& column : kShownColumns)
                shown << list[r].value(list[0].indexOf(column));
            expected.push_back(shown);
        }
    }

    QString exported(const QString& extension, const QStringList& more = {})
    {
        const QString path = home.file("export/list_" + extension + "." + extension);
        QDir().mkpath(home.file("export"));
        const CliRun run = cli.run(QStringList{"contract", "list", "--format", extension, "--out", path} + more);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return path;
    }

    // The rows under the column titles, each cell trimmed. The band titles stand above the first column of
    // their run, unless they are centred over it (fixed-width text).
    Cells dataRows(const Cells& cells, bool bandsCentred = false)
    {
        const auto titles = std::find_if(cells.begin(), cells.end(),
                                         [](const QStringList& row) { return row.value(0).trimmed() == "Numarul"; });
        if (titles == cells.end() || titles == cells.begin()) {
            ADD_FAILURE() << "no title row";
            return {};
        }
        const QStringList& bands = *(titles - 1);
        if (!bandsCentred) {
            EXPECT_EQ(bands.value(0).trimmed(), "Contract de Concesiune");
            EXPECT_EQ(bands.value(5).trimmed(), "Titular");
        }
        EXPECT_EQ(titles->value(15).trimmed(), "Oprire Penalitati");
        Cells rows;
        for (auto row = titles + 1; row != cells.end(); ++row) {
            QStringList trimmed;
            for (const QString& cell : *row)
                trimmed << cell.trimmed();
            while (trimmed.size() > kShownColumns.size() && trimmed.last().isEmpty())
                trimmed.removeLast();
            rows.push_back(trimmed);
        }
        return rows;
    }

    // Calc's CSV (UTF-8) of the file's first sheet, or for a document Writer's page of it.
    Cells readByLibreOffice(const QString& path, const FormatCase& format, const QString& infilter)
    {
        const QString outDir = home.file("lo");
        QStringList args{"-env:UserInstallation=file://" + home.file("lo-profile"), "--headless"};
        if (!infilter.isEmpty())
            args << "--infilter=" + infilter;
        const QString convert = format.document ? QStringLiteral("html:XHTML Writer File:UTF8")
                                                : QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76");
        args << "--convert-to" << convert << "--outdir" << outDir << path;
        QProcess office;
        office.start(QStandardPaths::findExecutable("soffice"), args);
        EXPECT_TRUE(office.waitForFinished(180000));
        EXPECT_EQ(office.exitCode(), 0) << office.readAllStandardError().toStdString();
        const QString read =
            QDir(outDir).filePath(QFileInfo(path).completeBaseName() + (format.document ? ".html" : ".csv"));
        EXPECT_TRUE(QFileInfo::exists(read)) << office.readAllStandardOutput().toStdString();
        return format.document ? pythonHtmlRows(read) : pythonCsvRows(read, u',');
    }

    TempFolder home;
    CliRunner cli{home.path()};
    Cells expected;
};

TEST_F(CliExport, PythonsCsvReadsTheSeparatedExportsToTheListsCells)
{
    EXPECT_EQ(dataRows(pythonCsvRows(exported("csv"), u',')), expected);
    EXPECT_EQ(dataRows(pythonCsvRows(exported("tsv"), u'\t')), expected);
}

TEST_F(CliExport, FiltersAndOrderAreTheWindows)
{
    const Cells one = dataRows(pythonCsvRows(exported("csv", {"--nume", "POP ANA"}), u','));
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], expected[2]);
    const Cells byName = dataRows(pythonCsvRows(exported("csv", {"--sort", "NUME"}), u','));
    EXPECT_EQ(byName, (Cells{expected[2], expected[0], expected[1]}));  // POP, SC, ŞTEFĂNESCU
}

TEST_F(CliExport, RefusesAnUnknownFormatAndAFormatWithoutFile)
{
    const CliRun unknown = cli.run({"contract", "list", "--format", "pdf", "--out", home.file("x.pdf")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("Format necunoscut: pdf")) << unknown.err.toStdString();
    EXPECT_EQ(cli.run({"contract", "list", "--format", "xls"}).exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(home.file("x.pdf")));
}

class LibreOfficeReadsExport : public CliExport, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(LibreOfficeReadsExport, ToTheListsCells)
{
    if (QStandardPaths::findExecutable("soffice").isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    const FormatCase& format = GetParam();
    const QString path = exported(format.extension);
    QString infilter = format.infilter;
    if (QLatin1String(format.extension) == "txt") {
        // Fixed width: the columns start where the dashes under the titles do.
        QStringList lines = QString::fromUtf8(readBytes(path)).split("\r\n");
        const QString dashes =
            *std::find_if(lines.begin(), lines.end(), [](const QString& l) { return l.startsWith('-'); });
        QStringList columns;
        for (int i = 0; i < dashes.size(); ++i)
            if (dashes[i] == '-' && (i == 0 || dashes[i - 1] == ' '))
                columns << QString::number(i) << "2";
        infilter = QStringLiteral("Text - txt - csv (StarCalc):FIX,34,76,1,%1").arg(columns.join('/'));
    }
    const bool fixedWidth = QLatin1String(format.extension) == "txt";
    Cells rows = dataRows(readByLibreOffice(path, format, infilter), fixedWidth);
    if (fixedWidth && !rows.empty() && rows.front().join("").startsWith("---"))
        rows.erase(rows.begin());  // the dashed line under the titles
    if (format.datesAsDayNumbers)
        for (QStringList& row : expected)
            for (const int c : kDateColumns)
                if (const std::optional<QDate> date = parseDate(row[c]))
                    row[c] = QString::number(dayNumber(*date));
    EXPECT_EQ(rows, expected) << format.extension;
}

INSTANTIATE_TEST_SUITE_P(EveryFileFormat, LibreOfficeReadsExport,
                         ::testing::Values(FormatCase{"xls", {}}, FormatCase{"slk", {}},
                                           FormatCase{"dif", QStringLiteral("DIF:33")},  // Windows-1250
                                           FormatCase{"html", QStringLiteral("HTML (StarCalc)"), false, true},
                                           FormatCase{"rtf", {}, true}, FormatCase{"doc", {}, true},
                                           FormatCase{"csv", textFilter(44)}, FormatCase{"tsv", textFilter(9)},
                                           FormatCase{"txt", {}}),
                         [](const ::testing::TestParamInfo<FormatCase>& info) {
                             return std::string(info.param.extension);
                         });

}  // namespace
}  // namespace velmar::test
