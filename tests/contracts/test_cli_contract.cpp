// velmar-cli contract: the register from the command line, refusals with the dialog's messages.
#include "print_qstring.h"

#include "contracts/contract_texts.h"
#include "store/settings.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

namespace texts = contract_texts;

const QStringList kSample{"--nrcon",     "12",         "--datacon",  "15.03.2013", "--nrrate", "3",
                          "--datarata1", "15.03.2013", "--datapen1", "15.04.2013", "--nume",   "nume  titular",
                          "--rol",       "r1",         "--rata",     "1000.5",     "--obs",    "Scris de mana"};

QStringList with(QStringList args, const QStringList& more)
{
    for (qsizetype i = 0; i < more.size(); i += 2) {
        const qsizetype at = args.indexOf(more[i]);
        if (at >= 0)
            args[at + 1] = more[i + 1];
        else
            args << more[i] << more[i + 1];
    }
    return args;
}

const char* kHeader = "IDCON,NRCON,DATACON,NRRATE,ACTIV,NUME,ROL,CNP,ADRESA,LOC,JUD,SUPRAFT,RATA,MONEDA,TIPRATA,"
                      "DATARATA1,DATAPEN1,TIPPENAL,StopPen,OBS,RESTANTA\n";

class CliContract : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(cli.run({"init"}).exitCode, 0);
        const QDir folder(home.path());
        Settings(folder.filePath("Data"), folder.filePath("system")).WriteNumberSetting("CONST", "JUDET", 12);  // CLUJ
    }
    test::CliRun contract(const QStringList& args) { return cli.run(QStringList{"contract"} + args); }
    QString sql(const QString& statement) { return cli.run({"sql", statement}).out; }

    test::TempFolder home;
    test::CliRunner cli{home.path()};
};

TEST_F(CliContract, AddListModifyDelete)
{
    const auto added = contract(QStringList{"add"} + kSample);
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, "1\n");
    EXPECT_EQ(contract({"list"}).out,
              QString(kHeader) +
                  "1,12,15.03.2013,3,DA,NUME TITULAR,R1,,,,CLUJ,0,1001,LEI,AN,15.03.2013,15.04.2013,0,-,"
                  "Scris de mana,3094\n");

    ASSERT_EQ(contract(with(QStringList{"add"} + kSample,
                            {"--nrcon", "13", "--nume", "alt", "--stoppen", "01.06.2020", "--jud", "Timis", "--supraft",
                             "12.50"}))
                  .exitCode,
              0);
    EXPECT_EQ(contract({"list", "--nume", "ALT"}).out,
              QString(kHeader) +
                  "2,13,15.03.2013,3,DA,ALT,R1,,,,TIMIS,12.5,1001,LEI,AN,15.03.2013,15.04.2013,0,01.06.2020,"
                  "Scris de mana,3094\n");
    EXPECT_EQ(contract({"list", "--nume", "ALT", "--rol", "R2"}).out, QString(kHeader));

    // Unpaid: the schedule follows the new duration; options left out keep the stored values.
    const auto modified = contract({"modify", "2", "--nrrate", "4", "--no-stoppen"});
    ASSERT_EQ(modified.exitCode, 0) << modified.err.toStdString();
    EXPECT_EQ(modified.out, QString(texts::kModified) + "\n");
    EXPECT_EQ(sql("SELECT NRRATE, StopPen, JUD, SUPRAFT, NUME FROM Contract WHERE IDCON = 2"),
              "NRRATE,STOPPEN,JUD,SUPRAFT,NUME\n4,99999,TIMIS,12.5,ALT\n");
    EXPECT_EQ(sql("SELECT COUNT(*) FROM Rate WHERE IDCON = 2"), "COUNT(*)\n4\n");

    // Paid: the warning is the refusal unless --yes answers it.
    sql("INSERT INTO Chitante (IDCHIT, IDCON, IDRATA, SUMA) VALUES (1, 1, 1, 100)");
    const auto unanswered = contract({"modify", "1", "--rata", "5000", "--nume", "nou"});
    EXPECT_EQ(unanswered.exitCode, 1);
    EXPECT_EQ(unanswered.err.trimmed(), QString(texts::kPaymentsWarning).replace('\r', '\n'));
    EXPECT_EQ(contract({"modify", "1", "--rata", "5000", "--nume", "nou", "--yes"}).exitCode, 0);
    EXPECT_EQ(sql("SELECT NUME, RATA FROM Contract WHERE IDCON = 1"), "NUME,RATA\nNOU,1001\n");

    EXPECT_EQ(contract({"delete", "1"}).exitCode, 0);
    EXPECT_TRUE(contract({"list"}).out.startsWith(QString(kHeader) + "2,13,"));
    EXPECT_TRUE(cli.run({"log"}).out.contains("Stergere Contract Nr.12 / 15.03.2013, NOU."));
}

TEST_F(CliContract, DefaultsAreTheDialogsStartValues)
{
    // Today is 10.12.2026: contract, first installment and stop date today, penalties a month later.
    const auto added = contract({"add", "--nrcon", "1", "--nrrate", "1", "--nume", "ION", "--rata", "5"});
    ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_EQ(contract({"list"}).out,
              QString(kHeader) + "1,1,10.12.2026,1,DA,ION,,,,,CLUJ,0,5,LEI,AN,10.12.2026,10.01.2027,0,-,,5\n");
}

TEST_F(CliContract, RefusalsCarryTheProgramsMessage)
{
    ASSERT_EQ(contract(QStringList{"add"} + kSample).exitCode, 0);
    const std::vector<std::pair<QStringList, QString>> refusals{
        {with(kSample, {"--nume", "cd"}), texts::kBadName},
        {with(kSample, {"--cnp", "3850123123451"}), texts::kBadCode},
        {with(kSample, {"--datapen1", "15.03.2013"}), texts::kBadContractDate},
        {kSample, texts::kDuplicateNumber},
        {with(kSample, {"--nrcon", "1.5"}), texts::outsideNumericBox("--nrcon", "1.5", 12, 0)},
        {with(kSample, {"--rata", "1,5"}), texts::outsideNumericBox("--rata", "1,5", 10, 4)},
        {with(kSample, {"--supraft", "150000"}), texts::outsideNumericBox("--supraft", "150000", 5, 4)},
        {with(kSample, {"--nrrate", "1234567"}), texts::outsideNumericBox("--nrrate", "1234567", 6, 0)},
        {with(kSample, {"--rata", "9999999999.6"}), texts::kValueTooLarge},
        {with(kSample, {"--rol", "1234567890"}), texts::textTooLong("--rol", 9)},
        {with(kSample, {"--jud", "Atlantida"}), texts::unknownCounty("Atlantida")},
    };
    for (const auto& [args, message] : refusals) {
        const auto run = contract(QStringList{"add"} + args);
        EXPECT_EQ(run.exitCode, 1) << message.toStdString();
        EXPECT_EQ(run.err.trimmed(), message);
    }
    EXPECT_EQ(contract({"delete", "9"}).err.trimmed(), texts::noContract(9));
    EXPECT_EQ(contract({"modify", "9"}).err.trimmed(), texts::noContract(9));
    EXPECT_EQ(sql("SELECT COUNT(*) FROM Contract"), "COUNT(*)\n1\n");
}

}  // namespace
}  // namespace velmar
