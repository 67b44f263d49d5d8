// The dBase engine against its file format: what other readers see, files from other writers,
// damaged files, and the byte-level effect of each operation.
#include "store/dbf/dbf_table.h"
#include "store/store_error.h"
#include "store/table_schema.h"
#include "support/python_check.h"
#include "support/temp_folder.h"

#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::readBytes;
using test::runPython;
using test::TempFolder;
using test::writeBytes;

constexpr std::uint8_t kCp1250 = 0xC8;
const QDate kToday(2026, 12, 10);

std::string u8(const char* text) { return std::string(text); }

DbfTable contractWithTwoRows(const QString& path)
{
    DbfTable t = DbfTable::create(path, permanentTable(u"Contract").fields, kCp1250);
    const auto put = [&t](size_t row, const char* column, const Cell& value) {
        const int c = t.header().fieldIndex(QString::fromLatin1(column));
        t.set(row, c, t.normalized(c, value));
    };
    size_t r = t.appendRow();
    put(r, "IDCON", std::int64_t(1));
    put(r, "NUME", u8("ŞTEFĂNESCU ÎONUŢ ÂĂ"));
    put(r, "ADRESA", u8("str. Mărăşeşti nr. 4, ţară"));
    put(r, "SUPRAFT", 12.5);
    put(r, "RATA", std::int64_t(1500));
    put(r, "StopPen", std::int64_t(99999));
    r = t.appendRow();
    put(r, "IDCON", std::int64_t(2));
    put(r, "NUME", u8("Popescu Ion"));
    put(r, "SUPRAFT", 0.0001);
    put(r, "RATA", std::int64_t(-7));
    return t;
}

TEST(DbfTable, WrittenTableOpensInDbfreadWithItsColumnsValuesAndRomanianLetters)
{
    TempFolder dir;
    contractWithTwoRows(dir.file("Contract.dbf")).save(kToday);

    const auto run = runPython(QStringLiteral(R"(
import sys, dbfread
t = dbfread.DBF(sys.argv[1], encoding='cp1250')
for f in t.fields: print(f.name, f.type, f.length, f.decimal_count)
for r in t: print(r['IDCON'], r['NUME'], r['ADRESA'], r['SUPRAFT'], r['RATA'], r['STOPPEN'])
)"),
                               {dir.file("Contract.dbf")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList expected;
    for (const DbfField& f : permanentTable(u"Contract").fields)
        expected << QStringLiteral("%1 %2 %3 %4")
                        .arg(f.name.toUpper(), QChar::fromLatin1(f.type))
                        .arg(f.length)
                        .arg(f.decimals);
    expected << QStringLiteral("1 ŞTEFĂNESCU ÎONUŢ ÂĂ str. Mărăşeşti nr. 4, ţară 12.5 1500 99999")
             << QStringLiteral("2 Popescu Ion  0.0001 -7 None");
    EXPECT_EQ(run.out.trimmed().split(u'\n'), expected);
}

TEST(DbfTable, HeaderHoldsVersionDateCountLengthsLanguageDriverTerminatorAndEndMarker)
{
    TempFolder dir;
    contractWithTwoRows(dir.file("Contract.dbf")).save(kToday);
    const QByteArray b = readBytes(dir.file("Contract.dbf"));
    const int fields = int(permanentTable(u"Contract").fields.size());
    const int headerLength = 32 + 32 * fields + 1;
    int recordLength = 1;
    for (const DbfField& f : permanentTable(u"Contract").fields)
        recordLength += f.length;

    EXPECT_EQ(std::uint8_t(b[0]), 0x03);
    EXPECT_EQ(QDate(1900 + b[1], b[2], b[3]), kToday);
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(b.constData() + 4), 2u);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(b.constData() + 8), headerLength);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(b.constData() + 10), recordLength);
    EXPECT_EQ(std::uint8_t(b[28]), 0);
    EXPECT_EQ(std::uint8_t(b[29]), kCp1250);
    EXPECT_EQ(b[headerLength - 1], 0x0D);
    EXPECT_EQ(b.size(), headerLength + 2 * recordLength + 1);
    EXPECT_EQ(b.back(), 0x1A);
    EXPECT_EQ(b[headerLength], ' ');  // live row
}

TEST(DbfTable, NumbersAreStoredRightAlignedRoundedHalfAwayFromZero)
{
    struct Case {
        DbfField field;
        Cell value;
        QByteArray bytes;
    };
    const std::vector<Case> cases{
        {{"A", 'N', 10, 0}, 2.5, "         3"},
        {{"A", 'N', 10, 0}, -2.5, "        -3"},
        {{"A", 'N', 10, 0}, 2.49, "         2"},
        {{"A", 'N', 10, 0}, std::int64_t(9999999999), "9999999999"},
        {{"A", 'N', 6, 2}, 7.125, "  7.13"},
        {{"A", 'N', 6, 2}, -0.5, " -0.50"},
        {{"A", 'N', 10, 4}, 1.00005, "    1.0001"},
        {{"A", 'N', 10, 0}, u8(" 42 "), "        42"},
        {{"A", 'N', 10, 0}, Cell{}, "          "},
        {{"A", 'C', 5, 0}, u8("abcdefgh"), "abcde"},
        {{"A", 'C', 5, 0}, u8("ăî"), "\xE3\xEE   "},
        {{"A", 'D', 8, 0}, u8("10.12.2026"), "20261210"},
        {{"A", 'D', 8, 0}, u8("2026-12-10"), "20261210"},
    };
    for (const Case& c : cases) {
        const Cell stored = normalizeForField(c.field, c.value, CodePage::Windows1250, QStringLiteral("T"));
        QByteArray out(c.field.length, '\0');
        encodeField(c.field, stored, CodePage::Windows1250, out.data());
        EXPECT_EQ(out, c.bytes) << c.bytes.toStdString();
        EXPECT_EQ(decodeField(c.field, out.constData(), CodePage::Windows1250), stored) << c.bytes.toStdString();
    }
}

TEST(DbfTable, ValuesThatCannotBeStoredAreRefusedNamingTheColumn)
{
    struct Case {
        DbfField field;
        Cell value;
    };
    const std::vector<Case> cases{
        {{"RATA", 'N', 10, 0}, std::int64_t(12345678901)},
        {{"RATA", 'N', 10, 0}, -1234567890.0},
        {{"PEZI", 'N', 6, 2}, 1000.0},
        {{"RATA", 'N', 10, 0}, u8("12a")},
        {{"DATAL", 'D', 8, 0}, u8("31.02.2026")},
    };
    for (const Case& c : cases) {
        try {
            normalizeForField(c.field, c.value, CodePage::Windows1250, QStringLiteral("Rate"));
            ADD_FAILURE() << "accepted a value for " << c.field.name.toStdString();
        } catch (const StoreError& e) {
            EXPECT_TRUE(e.message().contains(c.field.name)) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(u"Rate")) << e.message().toStdString();
        }
    }
}

TEST(DbfTable, UpdateInPlaceRewritesOnlyThatRecordAndTheHeaderDate)
{
    TempFolder dir;
    const QString path = dir.file("Contract.dbf");
    contractWithTwoRows(path).save(QDate(2020, 1, 1));
    const QByteArray before = readBytes(path);

    DbfTable t = DbfTable::load(path);
    const int rata = t.header().fieldIndex(u"RATA");
    t.set(1, rata, t.normalized(rata, std::int64_t(250)));
    t.save(kToday);
    const QByteArray after = readBytes(path);

    ASSERT_EQ(after.size(), before.size());
    const int recordStart = t.header().headerLength() + t.header().recordLength();
    for (int i = 0; i < after.size(); ++i) {
        const bool headerDate = i >= 1 && i <= 3;
        const bool secondRecord = i >= recordStart && i < recordStart + t.header().recordLength();
        if (!headerDate && !secondRecord)
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
    }
    EXPECT_EQ(DbfTable::load(path).cell(1, rata), Cell(std::int64_t(250)));
}

TEST(DbfTable, PackDropsDeletedRowsAndAddColumnKeepsEveryRow)
{
    TempFolder dir;
    const QString path = dir.file("Contract.dbf");
    DbfTable t = contractWithTwoRows(path);
    t.appendRow();
    t.save(kToday);

    t = DbfTable::load(path);
    t.markDeleted(0);
    t.save(kToday);
    t = DbfTable::load(path);
    EXPECT_EQ(t.rowCount(), 3u);
    EXPECT_EQ(t.liveRowCount(), 2u);
    applyFileChange(t.packChange(kToday));

    t = DbfTable::load(path);
    ASSERT_EQ(t.rowCount(), 2u);
    EXPECT_EQ(t.cell(0, 0), Cell(std::int64_t(2)));
    EXPECT_EQ(readBytes(path).size(), t.header().headerLength() + 2 * t.header().recordLength() + 1);

    applyFileChange(t.addColumnChange({QStringLiteral("EXTRA"), 'N', 6, 0}, kToday));
    const DbfTable widened = DbfTable::load(path);
    ASSERT_EQ(widened.rowCount(), 2u);
    ASSERT_TRUE(widened.hasColumn(u"extra"));
    EXPECT_EQ(widened.cell(0, widened.header().fieldIndex(u"NUME")), Cell(u8("Popescu Ion")));
    EXPECT_EQ(widened.cell(0, widened.header().fieldIndex(u"EXTRA")), Cell{});
    EXPECT_EQ(widened.header().recordLength(), t.header().recordLength() + 6);

    const auto run = runPython(
        QStringLiteral("import sys, dbfread\nprint(len(list(dbfread.DBF(sys.argv[1], encoding='cp1250'))))"), {path});
    EXPECT_EQ(run.out.trimmed(), QStringLiteral("2")) << run.err.toStdString();
}

TEST(DbfTable, LanguageDriverByteChoosesTheCodePageAndIsKept)
{
    struct Case {
        std::uint8_t driver;
        const char* python;
        const char* stored;  // what "Ăî" becomes in that page
    };
    const std::vector<Case> cases{
        {0xC8, "cp1250", "Ăî"}, {0x64, "cp852", "Ăî"}, {0x03, "cp1252", "?î"}, {0x01, "cp437", "?î"}};
    for (const Case& c : cases) {
        TempFolder dir;
        const QString path = dir.file("T.dbf");
        DbfTable t = DbfTable::create(path, {{QStringLiteral("NUME"), 'C', 20, 0}}, c.driver);
        t.set(t.appendRow(), 0, t.normalized(0, u8("Ăî")));
        t.save(kToday);
        t = DbfTable::load(path);  // a second write keeps the file's own page
        t.set(t.appendRow(), 0, t.normalized(0, u8("Ăî")));
        t.save(kToday);

        EXPECT_EQ(std::uint8_t(readBytes(path)[29]), c.driver);
        const auto run = runPython(
            QStringLiteral(
                "import sys, dbfread\nfor r in dbfread.DBF(sys.argv[1], encoding=sys.argv[2]): print(r['NUME'])"),
            {path, QString::fromLatin1(c.python)});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.trimmed().split(u'\n'), QStringList(2, QString::fromUtf8(c.stored))) << c.python;
        EXPECT_EQ(DbfTable::load(path).cell(1, 0), Cell(u8(c.stored))) << c.python;
    }
}

TEST(DbfTable, DamagedFilesAreReportedByNameAndNeverWritten)
{
    TempFolder dir;
    const QString good = dir.file("Good.dbf");
    DbfTable t = DbfTable::create(good, permanentTable(u"Inflatie").fields, kCp1250);
    for (int i = 0; i < 3; ++i)
        t.set(t.appendRow(), 0, std::int64_t(i));
    t.save(kToday);
    const QByteArray intact = readBytes(good);

    struct Case {
        const char* name;
        std::function<void(QByteArray&)> damage;
    };
    const std::vector<Case> cases{
        {"Truncated.dbf", [](QByteArray& b) { b.chop(20); }},
        {"CountPastEnd.dbf", [](QByteArray& b) { qToLittleEndian<std::uint32_t>(50, b.data() + 4); }},
        {"RecordLength.dbf", [](QByteArray& b) { qToLittleEndian<std::uint16_t>(99, b.data() + 10); }},
        {"HeaderLength.dbf", [](QByteArray& b) { qToLittleEndian<std::uint16_t>(20, b.data() + 8); }},
        {"UnknownType.dbf", [](QByteArray& b) { b[32 + 11] = 'X'; }},
        {"Memo.dbf", [](QByteArray& b) { b[0] = char(0x83); }},
        {"NoTerminator.dbf", [](QByteArray& b) { b[32 + 3 * 32] = 'A'; }},
        {"Tiny.dbf", [](QByteArray& b) { b.truncate(10); }},
        {"TrailingGarbage.dbf",
         [](QByteArray& b) {
             b.chop(1);
             b += "garbage";
         }},
    };
    for (const Case& c : cases) {
        QByteArray bytes = intact;
        c.damage(bytes);
        const QString path = dir.file(QString::fromLatin1(c.name));
        writeBytes(path, bytes);
        try {
            DbfTable::load(path);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const StoreError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(c.name))) << e.message().toStdString();
        }
        EXPECT_EQ(readBytes(path), bytes) << c.name;
    }
}

// Numbers other writers (or damage) left that their field could not write back: a wider number, an exponent,
// decimals past any number's. They read as empty, and a record rewritten later stays inside its fields.
TEST(DbfTable, NumbersTheirFieldCannotHoldReadAsEmptyAndRewrittenRecordsStayInside)
{
    TempFolder dir;
    const QString path = dir.file("Odd.dbf");
    const std::vector<DbfField> fields{{"A", 'N', 5, 0}, {"B", 'N', 4, 2}, {"C", 'C', 3, 0}};
    struct Case {
        const char* a;
        const char* b;
        Cell wantA;
        Cell wantB;
    };
    const std::vector<Case> cases{
        {"99999", "9.99", std::int64_t(99999), 9.99},
        {"123.7", " .99", std::int64_t(124), 0.99},
        {"1.5e9", "1e10", Cell{}, Cell{}},
        {"-9999", "0.01", std::int64_t(-9999), 0.01},
        {"1e300", "inf ", Cell{}, Cell{}},
        {"99.99", "99.9", std::int64_t(100), Cell{}},
    };
    for (const Case& c : cases) {
        DbfTable t = DbfTable::create(path, fields, kCp1250);
        t.appendRow();
        t.save(kToday);
        QByteArray bytes = readBytes(path);
        const int record = t.header().headerLength();
        bytes.replace(record + 1, 5, c.a);
        bytes.replace(record + 6, 4, QByteArray(c.b).left(4));
        writeBytes(path, bytes);

        DbfTable odd = DbfTable::load(path);
        EXPECT_EQ(odd.cell(0, 0), c.wantA) << c.a;
        EXPECT_EQ(odd.cell(0, 1), c.wantB) << c.b;
        odd.set(0, 2, odd.normalized(2, u8("xyz")));
        odd.save(kToday);
        const QByteArray after = readBytes(path);
        EXPECT_EQ(after.size(), bytes.size()) << c.a;
        EXPECT_EQ(after.mid(record + 10, 3), "xyz") << c.a;
    }
}

// An input the fuzzer found: a number field with 184 decimals. Rewriting a record used to write past it.
TEST(DbfTable, NumberFieldWithDecimalsPastItsWidthReadsEmptyAndSavesWithinTheRecord)
{
    TempFolder dir;
    const QString path = dir.file("Inflatie.dbf");
    writeBytes(path, readBytes(QStringLiteral(VELMAR_FUZZ_REGRESSIONS "/dbf_decimals_past_width.dbf")));
    DbfTable t = DbfTable::load(path);
    ASSERT_GT(t.rowCount(), 0u);
    for (size_t row = 0; row < t.rowCount(); ++row) {
        EXPECT_TRUE(t.isNull(row, 0)) << row;
        t.set(row, 1, t.cell(row, 1));
    }
    const qint64 size = QFileInfo(path).size();
    t.save(kToday);
    EXPECT_EQ(QFileInfo(path).size(), size);
    EXPECT_EQ(DbfTable::load(path).rowCount(), t.rowCount());
}

}  // namespace
}  // namespace velmar
