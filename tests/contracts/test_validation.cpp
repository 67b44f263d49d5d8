// The contract dialog's checks: the code checks, the number normalisation and the ten checks in order.
#include "contract_fixture.h"

#include "contracts/contract_texts.h"
#include "contracts/contract_validation.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmar {
namespace {

namespace texts = contract_texts;
using test::day;

TEST(CodeChecks, PersonalAndFiscalCodes)
{
    struct Case {
        const char* code;
        bool cnp;
        bool cui;
    };
    const Case cases[] = {
        {"1850123123458", true, false},   // born 23.01.1985
        {"5000101123457", true, false},   // 5: born in the 2000s
        {"9120229123453", true, false},   // 9 counts from 2000 too: 29.02.2012 exists
        {"1850123000041", true, false},   // remainder 10 gives control digit 1
        {"1850123123459", false, false},  // wrong control digit
        {"2850229123451", false, false},  // 29.02.1985 never was
        {"1990230123458", false, false},
        {"3850123123451", false, false},  // right control digit, but 3, 4, 7, 8 are not personal codes
        {"4850123123453", false, false},
        {"7850123123459", false, false},
        {"8850123123450", false, false},
        {"185012312345A", false, false},
        {"185012312345", false, false},  // 12 digits: a fiscal code with a wrong control digit
        {"18547290", false, true},
        {"RO 1854 7290", false, true},  // prefix and spaces ignored
        {"ro18547290", false, true},
        {"18547291", false, false},
        {"124", false, true},    // three digits is the shortest code
        {"RO12", false, false},  // ... counted without the prefix
        {"12", false, false},
        {"1234567897", false, true},
        {"01234567897", false, false},  // 11 digits
        {"1854A7290", false, false},
    };
    for (const Case& c : cases) {
        const QString code = QString::fromLatin1(c.code);
        EXPECT_EQ(ValidateCnp(code), c.cnp) << c.code;
        EXPECT_EQ(ValidateCui(code), c.cui) << c.code;
    }
}

TEST(NumericBoxes, ReadAndNormalised)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1500.50", "1500.5"},
        {"12", "12"},
        {"007", "7"},
        {".5", "0.5"},
        {"", "0"},
        {"abc", "0"},
        {"12abc", "0"},
        {"0.12345", "0.1234"},  // half to even
        {"0.12355", "0.1236"},
        {"1.00005", "1"},
        {"9999999999.9999", "9999999999.9999"},
    };
    for (const auto& [typed, normalised] : cases)
        EXPECT_EQ(NormaliseNumber(QString::fromLatin1(typed)), QString::fromLatin1(normalised)) << typed;
    EXPECT_EQ(NumericValue(QStringLiteral(".5")), 0.5);
}

class Validation : public ::testing::Test {
protected:
    ContractCheck check(const ContractInput& input, EditedContract editedId = kNewContract)
    {
        return ValidateContract(f.db(), input, editedId);
    }
    test::ContractFixture f;
};

TEST_F(Validation, EachCheckWithItsMessageAndBox)
{
    struct Case {
        const char* what;
        std::function<void(ContractInput&)> change;
        QString message;  // empty: accepted
        const char* control;
    };
    const std::vector<Case> cases{
        {"sample", [](ContractInput&) {}, {}, ""},
        {"number 0", [](ContractInput& in) { in.nrCon = "0"; }, texts::kBadNumber, "NrCon"},
        {"number empty", [](ContractInput& in) { in.nrCon = ""; }, texts::kBadNumber, "NrCon"},
        {"penalties from the contract day", [](ContractInput& in) { in.dataPen1 = in.dataCon; },
         texts::kBadContractDate, "DataCon"},
        {"penalties before the contract", [](ContractInput& in) { in.dataPen1 = day("14.03.2013"); },
         texts::kBadContractDate, "DataCon"},
        {"duration 0", [](ContractInput& in) { in.nrRate = "0"; }, texts::kBadDuration, "NrRate"},
        {"name of 2 letters", [](ContractInput& in) { in.nume = "  AB  "; }, texts::kBadName, "Nume"},
        {"name of 3 once cleaned", [](ContractInput& in) { in.nume = " A    B "; }, {}, ""},
        {"bad code", [](ContractInput& in) { in.cnp = "1850123123459"; }, texts::kBadCode, "CNP"},
        {"code starting with 3", [](ContractInput& in) { in.cnp = "3850123123451"; }, texts::kBadCode, "CNP"},
        {"personal code", [](ContractInput& in) { in.cnp = "1850123123458"; }, {}, ""},
        {"fiscal code with prefix", [](ContractInput& in) { in.cnp = " RO  18547290 "; }, {}, ""},
        {"blank code", [](ContractInput& in) { in.cnp = "   "; }, {}, ""},
        {"penalties from the first due day", [](ContractInput& in) { in.dataRata1 = in.dataPen1; }, texts::kBadDates,
         "DataPen1"},
        {"installment 0.5", [](ContractInput& in) { in.rata = "0.5"; }, texts::kBadInstallment, "Rata"},
        {"installment .99999 rounds to 1", [](ContractInput& in) { in.rata = ".99999"; }, {}, ""},
        {"installment 1", [](ContractInput& in) { in.rata = "1"; }, {}, ""},
        // Values the boxes let through but their columns cannot hold once rounded as the store rounds.
        {"installment rounding to 11 digits", [](ContractInput& in) { in.rata = "9999999999.5"; },
         texts::kValueTooLarge, "Rata"},
        {"installment of 10 digits", [](ContractInput& in) { in.rata = "9999999999.4999"; }, {}, ""},
        {"surface of 6 digits", [](ContractInput& in) { in.suprafT = "150000"; }, texts::kValueTooLarge, "SuprafT"},
        {"surface of 5 digits", [](ContractInput& in) { in.suprafT = "99999.9999"; }, {}, ""},
        {"duration past N(6)", [](ContractInput& in) { in.nrRate = "1000000"; }, texts::kValueTooLarge, "NrRate"},
        // Several faults: the first check in order speaks.
        {"number and name",
         [](ContractInput& in) {
             in.nrCon = "0";
             in.nume = "A";
         },
         texts::kBadNumber, "NrCon"},
        {"duration and contract date",
         [](ContractInput& in) {
             in.nrRate = "0";
             in.dataPen1 = in.dataCon;
         },
         texts::kBadContractDate, "DataCon"},
        {"code and dates",
         [](ContractInput& in) {
             in.cnp = "X";
             in.dataRata1 = in.dataPen1;
         },
         texts::kBadCode, "CNP"},
    };
    for (const Case& c : cases) {
        ContractInput input = test::sampleInput();
        c.change(input);
        const ContractCheck result = check(input);
        EXPECT_EQ(result.message, c.message) << c.what;
        EXPECT_EQ(result.control, QString::fromLatin1(c.control)) << c.what;
    }
}

TEST_F(Validation, NormalisesAndCleansWhatItHasChecked)
{
    ContractInput input = test::sampleInput();
    input.nrRate = "05";
    input.rata = "1500.50";
    input.suprafT = ".25";
    input.nume = " ION   \"POP\" ";
    input.cnp = " RO 18547290 ";
    input.rol = "  R 7 ";
    input.adresa = "STR.  MARE  1";
    input.loc = " CLUJ ";
    input.obs = "  Scris  de mana ";
    const ContractCheck accepted = check(input);
    ASSERT_TRUE(accepted.accepted()) << accepted.message.toStdString();
    const ContractInput& out = accepted.input;
    EXPECT_EQ(QStringList({out.nrRate, out.rata, out.suprafT}), QStringList({"5", "1500.5", "0.25"}));
    EXPECT_EQ(QStringList({out.nume, out.cnp, out.rol, out.adresa, out.loc}),
              QStringList({"ION POP", "RO 18547290", "R 7", "STR. MARE 1", "CLUJ"}));
    EXPECT_EQ(out.obs, input.obs);  // the observations are cleaned only when stored

    // Refused before the normalisation: the boxes keep what was typed. Refused after it: they show it done.
    input.nrCon = "0";
    EXPECT_EQ(check(input).input.rata, "1500.50");
    input.nrCon = "12";
    input.rata = "0.4";
    const ContractCheck refused = check(input);
    EXPECT_EQ(refused.message, texts::kBadInstallment);
    EXPECT_EQ(refused.input.rata, "0.4");
    EXPECT_EQ(refused.input.nume, "ION POP");
}

TEST_F(Validation, SameNumberOnTheSameDateOnlyOnce)
{
    const qint64 first = f.add(test::sampleInput());
    f.db().execute("UPDATE Contract SET ACTIV = 'NU' WHERE IDCON = ?", {first});  // counts all the same

    ContractInput again = test::sampleInput();
    again.nume = "ALT TITULAR";
    const ContractCheck duplicate = check(again);
    EXPECT_EQ(duplicate.message, texts::kDuplicateNumber);
    EXPECT_EQ(duplicate.control, "NrCon");
    EXPECT_EQ(check(again, first).message, QString()) << "its own number kept on a modification";

    again.nrCon = "012";  // the same number, typed otherwise
    EXPECT_EQ(check(again).message, texts::kDuplicateNumber);

    again.dataCon = day("16.03.2013");
    EXPECT_TRUE(check(again).accepted()) << "another contract date";
    const qint64 second = f.add(again);
    ContractInput moved = again;
    moved.dataCon = day("15.03.2013");
    EXPECT_EQ(check(moved, second).message, texts::kDuplicateNumber) << "moved onto another contract's";
}

}  // namespace
}  // namespace velmar
