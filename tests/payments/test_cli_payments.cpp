// velmar-cli details, pay, payments and undo: the CSV they print and the program's refusals.
#include "print_qstring.h"

#include "contracts/contract_texts.h"
#include "payments/payment_texts.h"
#include "store/settings.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

namespace texts = payment_texts;

const char* kDetailsHeader =
    "NRRATA,DATARATA,DATAPEN,ULTIMA,RATAINI,RATACALC,ACHITAT,RESTANTA,PENALREST,PENALCUR,PENALTOT,DEACHITAT\n";
const char* kPaymentsHeader = "IDCHIT,DOCJUS,NRCHIT,DATACHIT,SUMA,PENAL,TOTAL\n";

// Contract 1 with 5 installments of 1000 from 15.03.2013; no inflation, penalties of 0.1 % a day; today is
// 15.04.2014.
class CliPayments : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(cli.run({"init"}).exitCode, 0);
        const QDir folder(home.path());
        Settings(folder.filePath("Data"), folder.filePath("system")).WriteNumberSetting("CONST", "JUDET", 12);  // CLUJ
        for (const char* sql : {"DELETE FROM Inflatie", "DELETE FROM PenalIst",
                                "INSERT INTO PenalIst (IDP, DATASTAB, PEZI, PELUNA) VALUES (1, 36526, 0.1, 0)"})
            ASSERT_EQ(cli.run({"sql", sql}).exitCode, 0);
        const auto added =
            cli.run({"contract", "add", "--nrcon", "12", "--datacon", "15.03.2013", "--nrrate", "5", "--datarata1",
                     "15.03.2013", "--datapen1", "15.04.2013", "--nume", "nume titular", "--rata", "1000"});
        ASSERT_EQ(added.out, "1\n") << added.err.toStdString();
    }
    // Succeeds and prints `out`.
    void expectOut(const QStringList& args, const QString& out)
    {
        const test::CliRun run = cli.run(args);
        EXPECT_EQ(run.exitCode, 0) << args.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_EQ(run.out, out) << args.join(' ').toStdString();
    }
    // Refused with the program's message on the error output and nothing on the standard one.
    void expectRefusal(const QStringList& args, const QString& message)
    {
        const test::CliRun run = cli.run(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err, message + "\n") << args.join(' ').toStdString();
        EXPECT_EQ(run.out, "");
    }

    test::TempFolder home;
    test::CliRunner cli{home.path(), QStringLiteral("15.04.2014")};
};

TEST_F(CliPayments, DetailsAtTodayOrAnyDate)
{
    expectOut({"details", "1"},
              QString(kDetailsHeader) +
                  "1,15.03.2013,15.04.2013,15.04.2013,1000,1000,0,1000,0,366,366,1366\n"
                  "2,15.03.2014,15.04.2014,15.04.2014,1000,1000,0,1000,0,1,1,1001\n"
                  "TOTAL,2000,367,2367\n");
    expectOut({"details", "1", "--date", "14.03.2013"}, QString(kDetailsHeader) + "TOTAL,0,0,0\n");
    expectRefusal({"details", "7"}, contract_texts::noContract(7));
    expectRefusal({"details", "1", "--date", "31.02.2014"}, "Data incorecta: \"31.02.2014\" (zz.ll.aaaa)");
}

TEST_F(CliPayments, PayListAndUndo)
{
    expectRefusal({"pay", "1", "--amount", "1"}, texts::kOddAmount);
    expectRefusal({"pay", "1", "--amount", "5368"}, texts::tooMuch("5367"));
    expectRefusal({"pay", "1", "--amount", "500", "--doc", "Factura"}, texts::unknownDocumentKind("Factura"));
    expectRefusal({"pay", "1", "--amount", "-5"}, contract_texts::outsideNumericBox("--amount", "-5", 10, 0));
    expectRefusal({"pay", "1", "--amount", "500", "--nr", "1234567890123"},
                  contract_texts::outsideNumericBox("--nr", "1234567890123", 12, 0));
    expectOut({"payments", "1"}, kPaymentsHeader);

    expectOut({"pay", "1", "--amount", "1500", "--doc", "Ordin de plata", "--nr", "57"}, "1\n");
    // The number defaults to the one after the last used; 6 days on 867 lei is 5 lei of penalty.
    expectOut({"pay", "1", "--amount", "100", "--date", "20.04.2014"}, "2\n");
    expectOut({"payments", "1"},
              QString(kPaymentsHeader) +
                  "1,Ordin de plata,57,15.04.2014,1133,367,1500\n"
                  "2,Chitanta,58,20.04.2014,95,5,100\n");

    expectOut({"undo", "1"}, "");
    expectOut({"payments", "1"}, QString(kPaymentsHeader) + "1,Ordin de plata,57,15.04.2014,1133,367,1500\n");
    expectOut({"undo", "1"}, "");
    expectRefusal({"undo", "1"}, texts::kNothingToUndo);
    expectOut({"details", "1"},
              QString(kDetailsHeader) +
                  "1,15.03.2013,15.04.2013,15.04.2013,1000,1000,0,1000,0,366,366,1366\n"
                  "2,15.03.2014,15.04.2014,15.04.2014,1000,1000,0,1000,0,1,1,1001\n"
                  "TOTAL,2000,367,2367\n");

    expectOut({"pay", "1", "--amount", "5367", "--doc", "Nota contabila"}, "3\n");
    expectRefusal({"pay", "1", "--amount", "2"}, texts::kFinished);
}

// A payment of another document kind is written without the question; the path is all that is printed.
TEST_F(CliPayments, ReceiptIsWrittenToTempOrTheFileAskedFor)
{
    expectOut({"pay", "1", "--amount", "1500", "--doc", "Ordin de plata", "--nr", "57"}, "1\n");
    const QString temp = QDir(home.path()).filePath("system/TEMP/");
    expectOut({"receipt", "1"}, temp + "Chitanta0.rtf\n");
    expectOut({"receipt", "1"}, temp + "Chitanta0.rtf\n");  // the old one is not held open: its name is reused
    const QByteArray receipt = test::readBytes(temp + "Chitanta0.rtf");
    EXPECT_TRUE(receipt.contains("CvC.nr.12-Rata 1/15.03.2013")) << receipt.toStdString();
    EXPECT_TRUE(receipt.contains("PRIMARIA  {\\b ..........}")) << receipt.toStdString();
    expectOut({"receipt", "1", "--out", home.file("r.rtf")}, home.file("r.rtf") + "\n");
    EXPECT_EQ(test::readBytes(home.file("r.rtf")), receipt);

    expectRefusal({"receipt", "2"}, texts::noPayment(2));
    const QString form = QDir(home.path()).filePath("Data/ModelChitanta.rtf");
    QFile::remove(form);
    expectRefusal({"receipt", "1"}, texts::receiptTemplateUnusable(form).replace('\r', '\n'));
}

}  // namespace
}  // namespace velmar
