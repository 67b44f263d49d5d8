// Adding, modifying and deleting contracts: the rows, the schedule, the questions and the log.
#include "contract_fixture.h"

#include "app/interaction.h"
#include "contracts/contract_list.h"
#include "contracts/contract_operations.h"
#include "contracts/contract_texts.h"
#include "contracts/contract_validation.h"
#include "store/dates.h"
#include "store/store_error.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

namespace texts = contract_texts;
using test::day;

const QString kAllColumns = QStringLiteral(
    "NRCON, DATACON, NRRATE, ACTIV, NUME, ROL, CNP, ADRESA, LOC, JUD, SUPRAFT, RATA, MONEDA, TIPRATA, DATARATA1, "
    "DATAPEN1, TIPPENAL, StopPen, OBS");

std::vector<qint64> ids(const std::vector<test::Installment>& rows)
{
    std::vector<qint64> result;
    for (const auto& r : rows)
        result.push_back(r.idrata);
    return result;
}

class Operations : public ::testing::Test {
protected:
    // The dialog's values for a modification of `idcon`, validated as the dialog does.
    ContractInput validated(ContractInput input, qint64 idcon)
    {
        const ContractCheck check = ValidateContract(f.db(), input, idcon);
        EXPECT_TRUE(check.accepted()) << check.message.toStdString();
        return check.input;
    }
    test::ContractFixture f;
};

TEST_F(Operations, AddStoresTheContractItsIndexedScheduleAndTheLogEntry)
{
    ContractInput input = test::sampleInput();
    input.suprafT = "12.34565";
    input.rata = "1500.50";
    input.obs = "  Teren  \"vechi\" ";
    input.cnp = "18547290";
    const qint64 idcon = f.add(input);
    EXPECT_EQ(idcon, 1);

    const QVariantList row = f.contractColumns(idcon, kAllColumns);
    const QVariantList expected{12,
                                dayNumber(day("15.03.2013")),
                                5,
                                "DA",
                                "NUME TITULAR",
                                "R1",
                                "18547290",
                                "",
                                "",
                                "CLUJ",
                                12.3456,
                                1501,
                                "LEI",
                                "AN",
                                dayNumber(day("15.03.2013")),
                                dayNumber(day("15.04.2013")),
                                0,
                                kNoStopDay,
                                "Teren vechi"};
    ASSERT_EQ(row.size(), expected.size());
    for (qsizetype i = 0; i < row.size(); ++i)
        EXPECT_EQ(row[i].toString(), expected[i].toString()) << kAllColumns.split(", ")[i].toStdString();

    const auto rows = f.installments(idcon);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].indexed, 1501);
    EXPECT_GT(rows[1].indexed, 1501) << "later installments carried forward by the seed inflation";
    EXPECT_EQ(f.logActions(), QStringList{"Adaugare Contract Nr.12 / 15.03.2013, NUME TITULAR."});

    input.nrCon = "13";
    input.stopPenChecked = true;
    input.stopPen = day("01.06.2020");
    EXPECT_EQ(f.add(input), 2);
    EXPECT_EQ(f.contractColumns(2, "StopPen").front().toLongLong(), dayNumber(day("01.06.2020")));
}

TEST_F(Operations, AddThatFailsHalfWayLeavesNothing)
{
    ContractInput input = ValidateContract(f.db(), test::sampleInput(), kNewContract).input;
    input.suprafT = "1234567";  // past the checks (a caller that skipped them): SUPRAFT (10 wide, 4 decimals) refuses
    EXPECT_THROW(AddContract(f.app(), input, f.counter), StoreError);
    EXPECT_TRUE(f.logActions().isEmpty());
    EXPECT_EQ(f.db().rowCount("Contract"), 0);
    EXPECT_EQ(f.db().rowCount("Rate"), 0);
}

TEST_F(Operations, ANumberStoredMeanwhileByAnotherWorkstationIsRefusedUnderTheLock)
{
    // Both dialogs checked the number while neither contract existed; the second store must refuse.
    const ContractInput checked = ValidateContract(f.db(), test::sampleInput(), kNewContract).input;
    f.add(test::sampleInput());
    try {
        AddContract(f.app(), checked, f.counter);
        ADD_FAILURE() << "the same number and date were stored twice";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.message(), "Mai exista un contract activ cu acelasi numar!");
    }
    EXPECT_EQ(f.db().rowCount("Contract"), 1);
    EXPECT_EQ(f.logActions().size(), 1);
}

TEST_F(Operations, ModifyWithoutPaymentsRebuildsTheSchedule)
{
    const qint64 idcon = f.add(test::sampleInput());
    const auto before = ids(f.installments(idcon));
    ContractInput input = ContractInputOf(*FindContract(f.db(), idcon));
    input.nrRate = "7";
    input.rata = "2000";
    input.stopPenChecked = true;
    input.stopPen = day("01.01.2016");
    ScriptedInteraction ui;
    ASSERT_TRUE(ModifyContract(f.app(), idcon, validated(input, idcon), ui, f.counter));

    const auto rows = f.installments(idcon);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_GT(rows[0].idrata, before.back()) << "new identifiers";
    EXPECT_EQ(rows[6].due, "15.03.2019");
    EXPECT_EQ(rows[0].indexed, 2000);
    EXPECT_GT(rows[6].indexed, 2000) << "indexed again";
    EXPECT_EQ(f.contractColumns(idcon, "NRRATE, RATA, StopPen"), (QVariantList{7, 2000, dayNumber(day("01.01.2016"))}));
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].caption, texts::kModifyCaption);
    EXPECT_EQ(ui.shown()[0].text, texts::kModified);
    EXPECT_EQ(ui.shown()[0].kind, MessageKind::Information);
    EXPECT_EQ(f.logActions().size(), 1) << "a modification is not logged";

    input.stopPenChecked = false;
    ASSERT_TRUE(ModifyContract(f.app(), idcon, validated(input, idcon), ui, f.counter));
    EXPECT_EQ(f.contractColumns(idcon, "StopPen").front().toLongLong(), kNoStopDay);
}

TEST_F(Operations, ModifyWithPaymentsKeepsTheInstallmentTermsOnceConfirmed)
{
    const qint64 idcon = f.add(test::sampleInput());
    f.pay(idcon, 400);
    f.db().execute("UPDATE Rate SET RATACALC = 1 WHERE IDCON = ?", {idcon});  // stale: re-indexing must mend it
    const auto before = f.installments(idcon);

    ContractInput input = ContractInputOf(*FindContract(f.db(), idcon));
    input.nume = "NUME NOU";
    input.nrCon = "99";
    input.rata = "5000";
    input.nrRate = "9";
    input.dataRata1 = day("01.01.2014");
    input.dataPen1 = day("01.02.2014");
    ScriptedInteraction ui({MessageResult::Yes});
    ASSERT_TRUE(ModifyContract(f.app(), idcon, validated(input, idcon), ui, f.counter));

    EXPECT_EQ(f.contractColumns(idcon, "NUME, NRCON, RATA, NRRATE, DATARATA1"),
              (QVariantList{"NUME NOU", 99, 1000, 5, dayNumber(day("15.03.2013"))}));
    const auto after = f.installments(idcon);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(ids(after), ids(before));
    EXPECT_EQ(after[0].paid, 400);
    EXPECT_EQ(after[0].indexed, 1000);
    EXPECT_GT(after[1].indexed, 1000);
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[0].text, texts::kPaymentsWarning);
    EXPECT_EQ(ui.shown()[0].buttons, MessageButton::Yes | MessageButton::No);
    EXPECT_EQ(ui.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(ui.shown()[1].text, texts::kModified);
}

TEST_F(Operations, ModifyWithPaymentsWritesNothingUnlessTheAnswerIsYes)
{
    const qint64 idcon = f.add(test::sampleInput());
    f.pay(idcon, 400);
    const QVariantList contract = f.contractColumns(idcon, kAllColumns);
    const auto rows = f.installments(idcon);
    ContractInput input = ContractInputOf(*FindContract(f.db(), idcon));
    input.nume = "NUME NOU";
    for (const int answer : {MessageResult::No, MessageResult::Cancel}) {
        ScriptedInteraction ui({answer});
        EXPECT_FALSE(ModifyContract(f.app(), idcon, validated(input, idcon), ui, f.counter));
        EXPECT_EQ(ui.shown().size(), 1u) << "no success message";
    }
    EXPECT_EQ(f.contractColumns(idcon, kAllColumns), contract);
    EXPECT_EQ(ids(f.installments(idcon)), ids(rows));
}

TEST_F(Operations, DeleteTakesInstallmentsPaymentsAndTheirSnapshots)
{
    const qint64 gone = f.add(test::sampleInput());
    ContractInput other = test::sampleInput();
    other.nrCon = "13";
    const qint64 kept = f.add(other);
    f.pay(gone, 100);
    f.pay(kept, 200);

    DeleteContract(f.app(), gone);

    const auto count = [&](const char* table, qint64 idcon) {
        const QString sql = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE IDCON = ?").arg(QLatin1String(table));
        return f.db().select(sql, {idcon}).rows[0][0].toLongLong();
    };
    for (const char* table : {"Contract", "Rate", "Chitante", "UndoRate"}) {
        EXPECT_EQ(count(table, gone), 0) << table;
        EXPECT_GT(count(table, kept), 0) << table;
    }
    EXPECT_EQ(f.logActions(),
              (QStringList{"Adaugare Contract Nr.12 / 15.03.2013, NUME TITULAR.",
                           "Adaugare Contract Nr.13 / 15.03.2013, NUME TITULAR.",
                           "Stergere Contract Nr.12 / 15.03.2013, NUME TITULAR."}));
}

TEST_F(Operations, UnknownContractIsRefusedWithoutWriting)
{
    f.add(test::sampleInput());
    ScriptedInteraction ui;
    const auto refusal = [](const auto& operation) {
        try {
            operation();
        } catch (const StoreError& e) {
            return e.message();
        }
        return QString();
    };
    EXPECT_EQ(refusal([&] { ModifyContract(f.app(), 5, test::sampleInput(), ui, f.counter); }), texts::noContract(5));
    EXPECT_EQ(refusal([&] { DeleteContract(f.app(), 5); }), texts::noContract(5));
    EXPECT_EQ(f.logActions().size(), 1);
    EXPECT_TRUE(ui.shown().empty());
}

}  // namespace
}  // namespace velmar
