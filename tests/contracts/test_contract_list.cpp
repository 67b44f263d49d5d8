// The contract list: what it shows, in which order, how the search panel narrows it.
#include "contract_fixture.h"

#include "contracts/contract_list.h"
#include "store/dates.h"
#include "store/store_error.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::day;

std::vector<qint64> idsOf(const std::vector<ContractRow>& rows, const ContractFilter& filter = {})
{
    std::vector<qint64> ids;
    for (const ContractRow& row : rows)
        if (filter.accepts(row))
            ids.push_back(row.idcon);
    return ids;
}

// Three contracts entered out of date order, with different holders and ROLs, and one payment.
class ContractList : public ::testing::Test {
protected:
    ContractList()
    {
        late = f.add(contract("7", "20.05.2014", "ZAHARIA ION", "R2", "2"));
        early = f.add(contract("9", "15.03.2013", "ANTON MARIA", "R1", "3"));
        sameDay = f.add(contract("3", "15.03.2013", "ZAHARIA ION", "R1", "1"));
        f.pay(early, 250);
    }
    static ContractInput contract(const char* nrcon, const char* date, const char* nume, const char* rol,
                                  const char* years)
    {
        ContractInput input = test::sampleInput();
        input.nrCon = nrcon;
        input.dataCon = input.dataRata1 = day(date);
        input.dataPen1 = AddMonths(day(date), 1);
        input.nume = nume;
        input.rol = rol;
        input.nrRate = years;
        return input;
    }
    test::ContractFixture f;
    qint64 late = 0, early = 0, sameDay = 0;
};

TEST_F(ContractList, OutstandingCountsEveryInstallmentDueOrNot)
{
    const std::vector<ContractRow> rows = LoadContractList(f.db());
    ASSERT_EQ(idsOf(rows), (std::vector<qint64>{sameDay, early, late})) << "by DATACON, then NRCON";
    qint64 schedule = 0;
    for (const test::Installment& i : f.installments(early))
        schedule += i.indexed;
    EXPECT_EQ(rows[1].restanta, schedule - 250);
    EXPECT_EQ(rows[0].restanta, 1000);

    f.db().execute("UPDATE Rate SET ACHITAT = RATACALC WHERE IDCON = ?", {late});
    EXPECT_EQ(LoadContractList(f.db())[2].restanta, 0) << "all paid";
}

TEST_F(ContractList, ContractWithoutInstallmentsIsLeftOut)
{
    f.db().execute("DELETE FROM Rate WHERE IDCON = ?", {early});
    EXPECT_EQ(idsOf(LoadContractList(f.db())), (std::vector<qint64>{sameDay, late}));
    const std::optional<ContractRow> found = FindContract(f.db(), early);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->nume, "ANTON MARIA");
    EXPECT_EQ(found->restanta, 0);
    EXPECT_FALSE(FindContract(f.db(), 99));
}

TEST_F(ContractList, SortsByOneContractColumn)
{
    EXPECT_EQ(idsOf(LoadContractList(f.db(), "NRCON")), (std::vector<qint64>{sameDay, late, early}));
    EXPECT_EQ(idsOf(LoadContractList(f.db(), "datacon")).back(), late) << "column names in any case";
    f.db().execute("UPDATE Contract SET StopPen = ? WHERE IDCON = ?", {dayNumber(day("01.01.2015")), late});
    EXPECT_EQ(idsOf(LoadContractList(f.db(), "StopPen")).front(), late) << "by the day number, not the text";
    EXPECT_THROW(LoadContractList(f.db(), "RESTANTA"), StoreError);
    EXPECT_THROW(LoadContractList(f.db(), "NUME; DROP"), StoreError);
}

TEST_F(ContractList, SearchPanelNarrowsTheLoadedRows)
{
    f.db().execute("UPDATE Contract SET ACTIV = 'NU' WHERE IDCON = ?", {late});
    const std::vector<ContractRow> rows = LoadContractList(f.db());
    struct Case {
        ContractFilter filter;
        std::vector<qint64> shown;
    };
    const std::vector<Case> cases{
        {{}, {sameDay, early, late}},
        {{"ZAHARIA ION", {}}, {sameDay, late}},
        {{{}, "R1"}, {sameDay, early}},
        {{"ZAHARIA ION", "R1"}, {sameDay}},
        {{"ANTON MARIA", "R2"}, {}},  // name and ROL of different contracts
        {{"ZAHARIA", {}}, {}},        // whole values only
        {{{}, {}, true}, {sameDay, early}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(idsOf(rows, c.filter), c.shown) << c.filter.nume.toStdString() << "/" << c.filter.rol.toStdString();
}

TEST_F(ContractList, DistinctNonBlankValuesForTheSearchLists)
{
    f.db().execute("UPDATE Contract SET ROL = '   ' WHERE IDCON = ?", {late});
    f.db().execute("INSERT INTO Contract (IDCON, NUME, ROL) VALUES (50, 'BARBU DAN', 'R0')");  // no installments
    EXPECT_EQ(DistinctContractValues(f.db(), SearchColumn::Nume),
              (QStringList{"ANTON MARIA", "BARBU DAN", "ZAHARIA ION"}));
    EXPECT_EQ(DistinctContractValues(f.db(), SearchColumn::Rol), (QStringList{"R0", "R1"}));
}

TEST(StopPenText, NeverStoppedShowsADash)
{
    EXPECT_EQ(stopPenText(kNoStopDay), "-");
    EXPECT_EQ(stopPenText(dayNumber(test::day("01.06.2020"))), "01.06.2020");
    EXPECT_EQ(stopPenText(0), "-");
}

}  // namespace
}  // namespace velmar
