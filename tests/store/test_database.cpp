// SQL over the table files: the statement kinds the program uses, what other workstations see,
// transactions that land whole or not at all, a writer killed half-way, and two writers at once.
#include "store/dbf/dbf_table.h"
#include "store/sql/csv_format.h"
#include "store/sql/database.h"
#include "store/sql/row_reader.h"
#include "store/sql/transaction.h"
#include "store/store_error.h"
#include "store/table_schema.h"
#include "store_fixture.h"
#include "support/python_check.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::StoreFixture;

QString csv(Database& db, const QString& sql, const QVariantList& params = {}) { return toCsv(db.select(sql, params)); }

TEST(Database, RunsEveryKindOfSelectionTheProgramUses)
{
    StoreFixture f;
    struct Case {
        const char* sql;
        QVariantList params;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"SELECT A.IDCON, A.NUME, SUM(R.RATACALC-R.ACHITAT) AS RESTANTA FROM Contract A JOIN Rate R ON A.IDCON = "
         "R.IDCON "
         "GROUP BY A.IDCON, A.NUME ORDER BY A.NUME",
         {},
         "IDCON,NUME,RESTANTA\n2,Ana Ţurcanu,950\n1,Ionescu Ştefan,2010\n"},
        {"SELECT C.NUME, R.NRRATA FROM Contract C, Rate R WHERE C.IDCON = R.IDCON AND R.ACHITAT < R.RATACALC AND "
         "C.IDCON = ? "
         "ORDER BY R.NRRATA DESC",
         {1},
         "NUME,NRRATA\nIonescu Ştefan,3\nIonescu Ştefan,2\n"},
        {"SELECT DISTINCT JUD FROM Contract ORDER BY JUD", {}, "JUD\nIaşi\nVaslui\n"},
        {"SELECT IDCON, NRRATA FROM Rate ORDER BY IDCON DESC, NRRATA ASC",
         {},
         "IDCON,NRRATA\n2,1\n2,2\n1,1\n1,2\n1,3\n"},
        {"SELECT DATAPEN-1 AS ZI, RATACALC*1.5 AS X FROM Rate WHERE IDRATA = 2", {}, "ZI,X\n38494,1650\n"},
        {"SELECT IDCHIT, DOCJUS, NRCHIT, DATACHIT, SUM(SUMA) AS SUMA, SUM(PENAL) AS PENAL FROM Chitante WHERE IDCON = "
         "? "
         "AND DOCJUS >= 'A' GROUP BY IDCHIT, DOCJUS, NRCHIT, DATACHIT",
         {1},
         "IDCHIT,DOCJUS,NRCHIT,DATACHIT,SUMA,PENAL\n1,Chitanta,57,38140,1300,12\n"},
        {"SELECT 'Rata ' || CAST(NRRATA AS CHAR(3)) AS T FROM Rate WHERE IDRATA <> 1 AND IDRATA <= 2",
         {},
         "T\nRata 2\n"},
        {"SELECT COUNT(*) AS N FROM Rate WHERE IDCON = ? AND RATACALC > ? AND ACHITAT >= ?", {1, 999, 0}, "N\n3\n"},
        {"SELECT NUME FROM Contract WHERE NUME = ?", {QStringLiteral("Ana Ţurcanu")}, "NUME\nAna Ţurcanu\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(csv(f.db(), QString::fromUtf8(c.sql), c.params), QString::fromUtf8(c.expected)) << c.sql;
}

TEST(Database, RunsEveryKindOfChangeTheProgramUses)
{
    StoreFixture f;
    Database& db = f.db();
    EXPECT_EQ(db.execute(QStringLiteral("UPDATE Rate SET RATACALC = RATACALC*?, ULTIMA = ? WHERE IDCON = ?"),
                         {1.0456, 40000, 1}),
              3);
    EXPECT_EQ(
        db.execute(QStringLiteral("UPDATE Rate SET ACHITAT = ACHITAT+?, PENALREST = 7 WHERE IDRATA = ?"), {25, 4}), 1);
    EXPECT_EQ(
        db.execute(
            QStringLiteral("INSERT INTO UndoRate (IDCHIT, IDCON, IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, RATAINI, "
                           "RATACALC, ACHITAT, PENALREST) SELECT ?, IDCON, IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, "
                           "RATAINI, RATACALC, ACHITAT, PENALREST FROM Rate WHERE IDCON = ?"),
            {9, 2}),
        2);
    EXPECT_EQ(db.execute(QStringLiteral("DELETE FROM Chitante WHERE IDCON = ? AND IDRATA = ?"), {1, 2}), 1);

    // Multiplications by a factor land rounded half away from zero into whole-lei columns.
    EXPECT_EQ(csv(db, QStringLiteral("SELECT IDRATA, RATACALC, ULTIMA FROM Rate WHERE IDCON = 1 ORDER BY IDRATA")),
              QStringLiteral("IDRATA,RATACALC,ULTIMA\n1,1046,40000\n2,1150,40000\n3,1265,40000\n"));
    EXPECT_EQ(csv(db, QStringLiteral("SELECT IDCHIT, IDRATA, ACHITAT, PENALREST FROM UndoRate ORDER BY IDRATA")),
              QStringLiteral("IDCHIT,IDRATA,ACHITAT,PENALREST\n9,4,125,7\n9,5,0,0\n"));
    EXPECT_EQ(csv(db, QStringLiteral("SELECT COUNT(*) AS N FROM Chitante")), QStringLiteral("N\n2\n"));

    // A fresh look at the files sees the same.
    Database again(f.folder());
    EXPECT_EQ(csv(again, QStringLiteral("SELECT SUM(RATACALC) AS S FROM Rate")), QStringLiteral("S\n4511\n"));
    EXPECT_EQ(DbfTable::load(f.file("Chitante.dbf")).liveRowCount(), 2u);
}

TEST(Database, StructureStatementsCreateAndWidenTableFiles)
{
    StoreFixture f;
    Database& db = f.db();
    db.execute(QStringLiteral("CREATE TABLE Lucru (NUME CHAR(20), SUMA DECIMAL(10,2), ZI DATE)"));
    db.execute(QStringLiteral("INSERT INTO Lucru (NUME, SUMA, ZI) VALUES (?, ?, ?)"),
               {QStringLiteral("Ă"), 2.345, QStringLiteral("01.02.2026")});
    EXPECT_EQ(csv(db, QStringLiteral("SELECT * FROM Lucru")), QStringLiteral("NUME,SUMA,ZI\nĂ,2.35,2026-02-01\n"));

    db.execute(QStringLiteral("ALTER TABLE Contract ADD NOUA DECIMAL(6,0)"));
    EXPECT_TRUE(db.hasColumn(QStringLiteral("Contract"), QStringLiteral("Noua")));
    EXPECT_EQ(db.execute(QStringLiteral("UPDATE Contract SET NOUA = 99999")), 2);
    EXPECT_EQ(csv(db, QStringLiteral("SELECT IDCON, NUME, NOUA FROM Contract ORDER BY IDCON")),
              QStringLiteral("IDCON,NUME,NOUA\n1,Ionescu Ştefan,99999\n2,Ana Ţurcanu,99999\n"));

    for (const char* bad : {"CREATE TABLE Lucru (A CHAR(3))", "ALTER TABLE Contract ADD NOUA CHAR(2)",
                            "CREATE TABLE X (A BLOB)", "CREATE TABLE Y (A CHAR(300))"})
        EXPECT_THROW(db.execute(QString::fromLatin1(bad)), StoreError) << bad;
}

TEST(Database, RefusalsNameWhatIsWrongAndChangeNothing)
{
    StoreFixture f;
    const auto before = f.snapshot();
    struct Case {
        const char* sql;
        QVariantList params;
        const char* mentions;
    };
    const std::vector<Case> cases{
        {"SELECT * FROM Lipsa", {}, "Lipsa"},
        {"INSERT INTO Rate (IDCON, RATACALC) VALUES (1, ?)", {12345678901LL}, "RATACALC"},
        {"UPDATE Rate SET RATACALC = RATACALC * 100000000", {}, "RATACALC"},
        {"UPDATE Rate SET ACHITAT = ?", {QStringLiteral("mult")}, "ACHITAT"},
        {"SELECT NUME FROM Contract WHERE IDCON = ? AND NRCON = ?", {1}, "2"},
    };
    for (const Case& c : cases) {
        try {
            f.db().execute(QString::fromLatin1(c.sql), c.params);
            ADD_FAILURE() << c.sql;
        } catch (const StoreError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(c.mentions))) << e.message().toStdString();
        }
    }
    EXPECT_EQ(f.snapshot(), before);
    EXPECT_EQ(csv(f.db(), QStringLiteral("SELECT SUM(RATACALC) AS S FROM Rate")), QStringLiteral("S\n4360\n"));
}

TEST(Database, UpperCaseFileNamesFromOldFoldersOpenAsTheirTables)
{
    StoreFixture f;
    f.db().execute(QStringLiteral("UPDATE Contract SET NUME = 'X' WHERE IDCON = 2"));
    QDir dir(f.folder());
    ASSERT_TRUE(dir.rename(QStringLiteral("Contract.dbf"), QStringLiteral("CONTRACT.DBF")));
    ASSERT_TRUE(dir.rename(QStringLiteral("Rate.dbf"), QStringLiteral("rate.DBF")));

    Database db(f.folder());
    EXPECT_EQ(db.execute(QStringLiteral("UPDATE Rate SET ACHITAT = 0 WHERE IDCON = 2")), 2);
    EXPECT_EQ(csv(db,
                  QStringLiteral("SELECT C.NUME, SUM(R.ACHITAT) AS A FROM Contract C JOIN Rate R ON C.IDCON = R.IDCON "
                                 "WHERE C.IDCON = 2 GROUP BY C.NUME")),
              QStringLiteral("NUME,A\nX,0\n"));
    EXPECT_TRUE(dir.exists(QStringLiteral("CONTRACT.DBF")));
    EXPECT_FALSE(dir.exists(QStringLiteral("Contract.dbf")));
}

TEST(Database, ATableFromAnotherDbaseWriterOpensAndUpdates)
{
    // Written byte by byte the way other dBase tools do: upper-case file name, a gap byte after the
    // terminator, names in Windows-1250, no end-of-file marker.
    test::TempFolder dir;
    const auto made = test::runPython(QStringLiteral(R"(
import struct, sys
fields = [(b'IDCON', b'N', 10, 0), (b'NUME', b'C', 50, 0), (b'SUPRAFT', b'N', 10, 4)]
rows = [(7, 'Şerban Ţâţu', 1.5), (8, 'Întreprinderea Ăla', 0)]
header_len = 32 + 32 * len(fields) + 2
record_len = 1 + sum(f[2] for f in fields)
out = struct.pack('<BBBBIHH20x', 3, 99, 7, 1, len(rows), header_len, record_len)
out = out[:29] + bytes([0xC8]) + out[30:]
for name, kind, length, dec in fields:
    out += struct.pack('<11sc4xBB14x', name, kind, length, dec)
out += b'\x0d\x00'
for idcon, nume, supr in rows:
    out += b' ' + str(idcon).rjust(10).encode() + nume.ljust(50).encode('cp1250') + ('%.4f' % supr).rjust(10).encode()
open(sys.argv[1], 'wb').write(out)
)"),
                                      {dir.file("CONTRACT.DBF")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();

    Database db(dir.path());
    EXPECT_EQ(csv(db, QStringLiteral("SELECT IDCON, NUME, SUPRAFT FROM Contract ORDER BY IDCON")),
              QStringLiteral("IDCON,NUME,SUPRAFT\n7,Şerban Ţâţu,1.5\n8,Întreprinderea Ăla,0\n"));
    db.execute(QStringLiteral("UPDATE Contract SET NUME = ? WHERE IDCON = 8"), {QStringLiteral("Ion Ştiucă")});
    db.execute(QStringLiteral("INSERT INTO Contract (IDCON, NUME, SUPRAFT) VALUES (9, 'Nou', 2.25)"));

    const auto read = test::runPython(QStringLiteral("import sys, dbfread\nfor r in dbfread.DBF(sys.argv[1], "
                                                     "encoding='cp1250'): print(r['IDCON'], r['NUME'], r['SUPRAFT'])"),
                                      {dir.file("CONTRACT.DBF")});
    EXPECT_EQ(read.out, QStringLiteral("7 Şerban Ţâţu 1.5\n8 Ion Ştiucă 0.0\n9 Nou 2.25\n")) << read.err.toStdString();
}

TEST(Database, EachStatementSeesWhatAnotherWorkstationCommitted)
{
    StoreFixture f;
    Database& mine = f.db();
    EXPECT_EQ(csv(mine, QStringLiteral("SELECT RATACALC FROM Rate WHERE IDRATA = 3")),
              QStringLiteral("RATACALC\n1210\n"));

    // Same size, same second: only the generation numbers tell that the file changed.
    for (const char* sql :
         {"UPDATE Rate SET RATACALC = 1211 WHERE IDRATA = 3", "INSERT INTO Contract (IDCON, NUME) VALUES (3, 'Nou')"}) {
        QProcess other;
        other.start(test::testBinary(QStringLiteral("store_worker")),
                    {QStringLiteral("exec"), f.folder(), QString::fromLatin1(sql)});
        ASSERT_TRUE(other.waitForFinished(30000));
        ASSERT_EQ(other.exitCode(), 0) << other.readAllStandardError().toStdString();
    }

    EXPECT_EQ(csv(mine, QStringLiteral("SELECT RATACALC FROM Rate WHERE IDRATA = 3")),
              QStringLiteral("RATACALC\n1211\n"));
    EXPECT_EQ(mine.rowCount(QStringLiteral("Contract")), 3);
}

TEST(Database, TablesCreatedByAnotherWorkstationBecomeVisible)
{
    test::TempFolder dir;
    Database mine(dir.path());
    EXPECT_THROW(mine.select(QStringLiteral("SELECT * FROM Inflatie")), StoreError);
    Database other(dir.path());
    other.execute(
        QStringLiteral("CREATE TABLE Inflatie (IDINF DECIMAL(10,0), DATASTAB DECIMAL(6,0), VALOARE DECIMAL(6,2))"));
    other.execute(QStringLiteral("INSERT INTO Inflatie (IDINF, DATASTAB, VALOARE) VALUES (1, 36526, 45.67)"));
    EXPECT_EQ(csv(mine, QStringLiteral("SELECT VALOARE FROM Inflatie")), QStringLiteral("VALOARE\n45.67\n"));
}

TEST(Transaction, ChangesToSeveralTablesLandTogether)
{
    StoreFixture f;
    Database& db = f.db();
    {
        Transaction t(db);
        db.execute(QStringLiteral("DELETE FROM Chitante WHERE IDCHIT = 1"));
        db.execute(QStringLiteral("UPDATE Rate SET ACHITAT = 0 WHERE IDCON = 1"));
        db.execute(QStringLiteral("INSERT INTO Log (IDLOG, ACTIUNE) VALUES (1, 'Sterge incasare')"));
        // Inside the scope the statements see their own changes.
        EXPECT_EQ(csv(db, QStringLiteral("SELECT SUM(ACHITAT) AS A FROM Rate WHERE IDCON = 1")),
                  QStringLiteral("A\n0\n"));
        t.commit();
    }
    Database fresh(f.folder());
    EXPECT_EQ(csv(fresh, QStringLiteral("SELECT COUNT(*) AS N FROM Chitante")), QStringLiteral("N\n1\n"));
    EXPECT_EQ(csv(fresh, QStringLiteral("SELECT SUM(ACHITAT) AS A FROM Rate WHERE IDCON = 1")),
              QStringLiteral("A\n0\n"));
    EXPECT_EQ(csv(fresh, QStringLiteral("SELECT ACTIUNE FROM Log")), QStringLiteral("ACTIUNE\nSterge incasare\n"));
    EXPECT_FALSE(QFile::exists(f.file("Velmar.jnl")));
}

TEST(Transaction, AnErrorInsideTheScopeLeavesEveryFileAsItWas)
{
    StoreFixture f;
    Database& db = f.db();
    const auto before = f.snapshot();
    try {
        Transaction t(db);
        db.execute(QStringLiteral("DELETE FROM Chitante WHERE IDCHIT = 1"));
        db.execute(QStringLiteral("INSERT INTO Rate (IDCON, IDRATA) VALUES (1, 77)"));
        db.execute(QStringLiteral("UPDATE Contract SET RATA = 99999999999"));  // too wide: throws
        t.commit();
        FAIL() << "the too-wide value was accepted";
    } catch (const StoreError&) {
    }
    EXPECT_EQ(f.snapshot(), before);
    EXPECT_EQ(csv(db, QStringLiteral("SELECT COUNT(*) AS N FROM Rate")), QStringLiteral("N\n5\n"));
    EXPECT_EQ(csv(db, QStringLiteral("SELECT COUNT(*) AS N FROM Chitante")), QStringLiteral("N\n3\n"));

    // An early return (no commit) is a rollback too; a caught error spoils the whole scope.
    {
        Transaction t(db);
        db.execute(QStringLiteral("DELETE FROM Rate"));
    }
    {
        Transaction t(db);
        db.execute(QStringLiteral("DELETE FROM Rate WHERE IDRATA = 1"));
        EXPECT_THROW(db.execute(QStringLiteral("SELECT * FROM Lipsa")), StoreError);
        EXPECT_THROW(t.commit(), StoreError);
    }
    EXPECT_EQ(f.snapshot(), before);
}

TEST(Transaction, AWriterKilledHalfWayIsRolledBackAtTheNextOpen)
{
    StoreFixture f;
    const auto before = f.snapshot();

    QProcess worker;
    worker.start(test::testBinary(QStringLiteral("store_worker")), {QStringLiteral("crash"), f.folder()});
    ASSERT_TRUE(worker.waitForFinished(30000));
    ASSERT_EQ(worker.exitCode(), 9) << worker.readAllStandardError().toStdString();
    ASSERT_TRUE(QFile::exists(f.file("Velmar.jnl")));
    EXPECT_NE(f.snapshot(), before) << "the worker should have died with a table half-written";

    Database reopened(f.folder());
    EXPECT_EQ(csv(reopened, QStringLiteral("SELECT NUME FROM Contract WHERE IDCON = 1")),
              QStringLiteral("NUME\nIonescu Ştefan\n"));
    EXPECT_EQ(f.snapshot(), before);

    // The workstation that had the tables in memory reads them again as well.
    EXPECT_EQ(csv(f.db(), QStringLiteral("SELECT COUNT(*) AS N FROM Rate")), QStringLiteral("N\n5\n"));
}

TEST(Transaction, TwoProcessesWritingOneTableAtOnceLoseNothing)
{
    StoreFixture f;
    QProcess a;
    QProcess b;
    a.start(test::testBinary(QStringLiteral("store_worker")),
            {QStringLiteral("insert"), f.folder(), QStringLiteral("500"), QStringLiteral("A")});
    b.start(test::testBinary(QStringLiteral("store_worker")),
            {QStringLiteral("insert"), f.folder(), QStringLiteral("500"), QStringLiteral("B")});
    ASSERT_TRUE(a.waitForFinished(120000));
    ASSERT_TRUE(b.waitForFinished(120000));
    ASSERT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
    ASSERT_EQ(b.exitCode(), 0) << b.readAllStandardError().toStdString();

    EXPECT_EQ(csv(f.db(), QStringLiteral("SELECT ACTIUNE, COUNT(DISTINCT IDLOG) AS N FROM Log GROUP BY ACTIUNE")),
              QStringLiteral("ACTIUNE,N\nA,500\nB,500\n"));
    const auto run = test::runPython(QStringLiteral("import sys, dbfread\nprint(len(list(dbfread.DBF(sys.argv[1]))))"),
                                     {f.file("Log.dbf")});
    EXPECT_EQ(run.out.trimmed(), QStringLiteral("1000")) << run.err.toStdString();
}

TEST(Database, AFolderThatCannotBeWrittenIsNamed)
{
    test::TempFolder dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(dir.path()).isWritable() && QFile(dir.file("probe")).open(QIODevice::WriteOnly)) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "permissions do not stop this user (root)";
    }
    try {
        Database db(dir.path());
        ADD_FAILURE() << "opened a folder it cannot write";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(dir.path())) << e.message().toStdString();
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(Database, PackRemovesDeletedRowsForGood)
{
    StoreFixture f;
    f.db().execute(QStringLiteral("DELETE FROM Rate WHERE IDCON = 1"));
    EXPECT_EQ(DbfTable::load(f.file("Rate.dbf")).rowCount(), 5u);
    f.db().pack(QStringLiteral("Rate"));
    EXPECT_EQ(DbfTable::load(f.file("Rate.dbf")).rowCount(), 2u);
    EXPECT_EQ(csv(f.db(), QStringLiteral("SELECT IDRATA FROM Rate")), QStringLiteral("IDRATA\n4\n5\n"));
}

TEST(Database, RowsAreReadByColumnNameInWhateverOrderTheyAreSelected)
{
    StoreFixture f;
    struct Installment {
        qint64 idrata = 0;
        double ratacalc = 0;
        QString nume;
    };
    for (const char* sql : {"SELECT R.IDRATA, R.RATACALC, C.NUME FROM Rate R JOIN Contract C ON C.IDCON = R.IDCON "
                            "WHERE R.IDRATA = 4",
                            "SELECT C.NUME, R.RATACALC AS ratacalc, R.IDRATA FROM Rate R JOIN Contract C "
                            "ON C.IDCON = R.IDCON WHERE R.IDRATA = 4"}) {
        const QueryResult rows = f.db().select(QString::fromLatin1(sql));
        const RowReader<Installment> reader(
            rows,
            {{u"IDRATA", &Installment::idrata}, {u"RATACALC", &Installment::ratacalc}, {u"NUME", &Installment::nume}});
        const Installment read = reader.read(rows.rows.front());
        EXPECT_EQ(read.idrata, 4) << sql;
        EXPECT_EQ(read.ratacalc, 500) << sql;
        EXPECT_EQ(read.nume, QStringLiteral("Ana Ţurcanu")) << sql;
    }
    const QueryResult narrow = f.db().select(QStringLiteral("SELECT IDRATA FROM Rate"));
    EXPECT_THROW(RowReader<Installment>(narrow, {{u"NUME", &Installment::nume}}), StoreError);

    // Rows written by column name land in the table's own order; a column the table lacks is refused.
    const TableDef& rate = permanentTable(u"Rate");
    RowValues row(rate);
    row.set(u"idrata", 99).set(u"IDCON", 7).set(u"RATACALC", 10);
    f.db().execute(rate.insertStatement(), row.values());
    EXPECT_EQ(csv(f.db(), QStringLiteral("SELECT IDCON, RATACALC, ACHITAT FROM Rate WHERE IDRATA = 99")),
              QStringLiteral("IDCON,RATACALC,ACHITAT\n7,10,\n"));
    EXPECT_THROW(row.set(u"NUME", QStringLiteral("x")), StoreError);
}

// Every way a statement writes a file dates its header (year - 1900, month, day) by the program's clock.
TEST(Database, TableFilesAreDatedByTheProgramsClock)
{
    StoreFixture f;
    Database& db = f.db();
    qputenv("VELMAR_TODAY", "15.03.2031");
    const auto headerDate = [&f](const char* file) {
        QFile dbf(f.file(QString::fromLatin1(file)));
        EXPECT_TRUE(dbf.open(QIODevice::ReadOnly)) << file;
        const QByteArray head = dbf.read(4);
        return QDate(1900 + quint8(head[1]), quint8(head[2]), quint8(head[3]));
    };
    struct Case {
        const char* statement;
        const char* file;
    };
    for (const Case& c : {Case{"CREATE TABLE Lucru (NUME CHAR(20))", "Lucru.dbf"},
                          Case{"UPDATE Contract SET NUME = 'X' WHERE IDCON = 1", "Contract.dbf"},
                          Case{"ALTER TABLE Chitante ADD NOUA DECIMAL(6,0)", "Chitante.dbf"},
                          Case{"DELETE FROM Rate WHERE IDCON = 1", "Rate.dbf"}}) {
        db.execute(QString::fromLatin1(c.statement));
        EXPECT_EQ(headerDate(c.file), QDate(2031, 3, 15)) << c.statement;
    }
    qputenv("VELMAR_TODAY", "16.03.2031");
    db.pack(QStringLiteral("Rate"));
    EXPECT_EQ(headerDate("Rate.dbf"), QDate(2031, 3, 16)) << "packed";
    qunsetenv("VELMAR_TODAY");
}

}  // namespace
}  // namespace velmar
