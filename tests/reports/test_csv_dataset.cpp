// CSV rows for velmar-cli template fill: quoting, column kinds, and refused files.
#include "reports/csv_dataset.h"
#include "store/store_error.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

// "NAME:text" / "NAME:number" per column, then each row's values as QVariant shows them.
QString describe(const ReportDataset& data)
{
    QStringList lines;
    QStringList columns;
    for (const ReportColumn& c : data.columns)
        columns << c.name + (c.isText ? QStringLiteral(":text") : QStringLiteral(":number"));
    lines << columns.join(u'|');
    for (const QVariantList& row : data.rows) {
        QStringList values;
        for (const QVariant& v : row)
            values << (v.typeId() == QMetaType::Double ? QString::number(v.toDouble()) : u'[' + v.toString() + u']');
        lines << values.join(u'|');
    }
    return lines.join(u'\n');
}

TEST(CsvDataset, ReadsQuotedValuesAndTellsNumberColumnsFromTextColumns)
{
    const std::pair<const char*, const char*> cases[] = {
        // Quotes hold commas, doubled quotes and line breaks; CRLF, a byte-order mark and blank lines at
        // the end are fine.
        {"\xEF\xBB\xBFNUME,OBS\r\n\"Ionescu, Maria\",\"zis \"\"Mia\"\"\r\nrand 2\"\r\n\r\n\n",
         "NUME:text|OBS:text\n[Ionescu, Maria]|[zis \"Mia\"\r\nrand 2]"},
        // Numbers: optional minus and decimals, spaces around; an empty value in a number column is 0.
        {"SUMA,DATA\n12, 45352\n-3.5,\n,45000\n", "SUMA:number|DATA:number\n12|45352\n-3.5|0\n0|45000"},
        // One quoted value, a word, an exponent or a comma decimal makes the column text; so does having
        // no value at all.
        {"CNP,ROL,X,Y,Z\n\"1800101221144\",12,1e3,\"1,5\",\n1650720400123,R7,2,3,\n",
         "CNP:text|ROL:text|X:text|Y:text|Z:text\n[1800101221144]|[12]|[1e3]|[1,5]|[]\n"
         "[1650720400123]|[R7]|[2]|[3]|[]"},
        {"NUME,SUMA\n", "NUME:text|SUMA:text"},
    };
    for (const auto& [csv, expected] : cases)
        EXPECT_EQ(describe(ReadCsvDataset(QByteArray(csv), QStringLiteral("r.csv"))), QString::fromUtf8(expected))
            << csv;
}

TEST(CsvDataset, RefusesMalformedFilesNamingTheLine)
{
    const std::pair<QByteArray, const char*> cases[] = {
        {"", "Fisierul r.csv nu are linia de antet cu numele coloanelor."},
        {"\n\n", "Fisierul r.csv nu are linia de antet cu numele coloanelor."},
        {"A,B\n1,\"2\n3,4\n", "Fisierul r.csv, linia 2: ghilimele puse gresit."},
        {"A,B\n1,2\"3\n", "Fisierul r.csv, linia 2: ghilimele puse gresit."},
        {"A,B\n\"x\ny\"z,2\n", "Fisierul r.csv, linia 3: ghilimele puse gresit."},
        {"A,B\n1,2\n\"x\ny\",2,3\n", "Fisierul r.csv, linia 3: 3 valori in loc de 2."},
        {"A,B\n\xC8,2\n", "Fisierul r.csv nu este text UTF-8."},
    };
    for (const auto& [csv, message] : cases) {
        try {
            ReadCsvDataset(csv, QStringLiteral("r.csv"));
            ADD_FAILURE() << "accepted: " << csv.toStdString();
        } catch (const StoreError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(message)) << csv.toStdString();
        }
    }
}

}  // namespace
}  // namespace velmar
