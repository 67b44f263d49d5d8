// The payments slip and the debts list on a hand-made register: which rows each report takes and in what
// order, the penalties of the debts list, its work table, and the filled workbooks against golden files.
#include "report_cells.h"
#include "report_register.h"

#include "app/progress_counter.h"
#include "app/rate_tables.h"
#include "platform/document_opener.h"
#include "reports/debts_list.h"
#include "reports/payments_slip.h"
#include "reports/template_exporter.h"
#include "store/dates.h"
#include "store/folders.h"
#include "store/sql/database.h"
#include "store/store_error.h"
#include "store/temp_file_name.h"
#include "support/golden.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <vector>

namespace velmar {
namespace {

using test::dayOf;

QDate dateOf(const char* text) { return *parseDate(QString::fromLatin1(text)); }
QString golden(const char* name) { return QStringLiteral(VELMAR_REPORTS_TEST_DATA "/") + QString::fromLatin1(name); }

struct RecordingOpener final : DocumentOpener {
    bool open(const QString& path) override
    {
        opened << path;
        return true;
    }
    QStringList opened;
};

const QString kSlipHeader = QStringLiteral("NUME,CNP,ROL,DOCJUS,NRCHIT,DATACHIT,SUMA,PENAL\n");
const QString kDebtsHeader = QStringLiteral("NUME,CNP,ROL,DATAPEN,CURENT,RESTANTA,PENTOTAL\n");

// Every case's register holds these contracts: two holders named alike, one of them with a second,
// finished contract whose penalties stop on 25.11.2026.
void addContracts(test::ReportRegister& r)
{
    r.contract({1, "POPESCU ION", "1800101221144", "R12"});
    r.contract({2, "IONESCU ANA", "2750315120016", "R7"});
    r.contract({3, "POPESCU ION", "1700101221145", "R3"});
    r.contract({4, "POPESCU ION", "1800101221144", "R12", "25.11.2026", "N"});
}

struct ReportCase {
    const char* name;
    std::vector<test::InstallmentRowSpec> installments;
    std::vector<test::PaymentRowSpec> payments;
    // The slip's period and type when `from` is set; otherwise the debts list at `to` (10.12.2026 if unset).
    const char* from;
    const char* to;
    const char* docJus;
    const char* rows;  // the band rows, without the header line
};

const ReportCase kReportCases[] = {
    // The payments slip.
    {"slip_of_a_single_day",
     {},
     {{1, "Chitanta", 4, "09.03.2024", 100, 0},
      {1, "Chitanta", 6, "10.03.2024", 200, 1},
      {2, "Chitanta", 5, "10.03.2024", 300, 2},
      {1, "Chitanta", 7, "11.03.2024", 400, 3}},
     "10.03.2024",
     "10.03.2024",
     nullptr,
     "IONESCU ANA,2750315120016,R7,Chitanta,5,10.03.2024,300,2\n"
     "POPESCU ION,1800101221144,R12,Chitanta,6,10.03.2024,200,1\n"},
    {"slip_period_includes_both_ends",
     {},
     {{1, "Chitanta", 1, "29.02.2024", 10, 0},
      {1, "Chitanta", 2, "01.03.2024", 20, 0},
      {1, "Chitanta", 3, "31.03.2024", 30, 0},
      {1, "Chitanta", 4, "01.04.2024", 40, 0}},
     "01.03.2024",
     "31.03.2024",
     nullptr,
     "POPESCU ION,1800101221144,R12,Chitanta,2,01.03.2024,20,0\n"
     "POPESCU ION,1800101221144,R12,Chitanta,3,31.03.2024,30,0\n"},
    {"slip_of_ordin_de_plata_only",
     {},
     {{1, "Chitanta", 1, "05.03.2024", 10, 0},
      {2, "Ordin de plata", 2, "06.03.2024", 20, 0},
      {3, "Nota contabila", 3, "07.03.2024", 30, 0}},
     "01.03.2024",
     "31.03.2024",
     "Ordin de plata",
     "IONESCU ANA,2750315120016,R7,Ordin de plata,2,06.03.2024,20,0\n"},
    // Ordered by date then document number; a payment spread over three installments gives three lines.
    {"slip_one_line_per_installment_by_date_and_number",
     {},
     {{2, "Chitanta", 2, "06.03.2024", 50, 5},
      {1, "Chitanta", 9, "05.03.2024", 300, 0, 77, 3},
      {1, "Chitanta", 9, "05.03.2024", 1000, 40, 77, 1},
      {1, "Chitanta", 9, "05.03.2024", 1000, 10, 77, 2},
      {3, "Chitanta", 8, "05.03.2024", 70, 0}},
     "01.03.2024",
     "31.03.2024",
     nullptr,
     "POPESCU ION,1700101221145,R3,Chitanta,8,05.03.2024,70,0\n"
     "POPESCU ION,1800101221144,R12,Chitanta,9,05.03.2024,1000,40\n"
     "POPESCU ION,1800101221144,R12,Chitanta,9,05.03.2024,1000,10\n"
     "POPESCU ION,1800101221144,R12,Chitanta,9,05.03.2024,300,0\n"
     "IONESCU ANA,2750315120016,R7,Chitanta,2,06.03.2024,50,5\n"},
    {"slip_without_payments_in_the_period",
     {},
     {{1, "Chitanta", 1, "05.02.2024", 10, 0}},
     "01.03.2024",
     "31.03.2024",
     nullptr,
     ""},

    // The debts list. 1000 lei owed for d days cost d lei.
    {"overdue_is_charged_from_ultima_itself",
     {{1, "15.03.2026", "15.04.2026", "20.11.2026", 1000, 0, 5}},
     {},
     nullptr,
     nullptr,
     nullptr,
     "POPESCU ION,1800101221144,R12,15.04.2026,0,1000,25\n"},
    {"due_today_and_settled_today_owes_no_new_penalty",
     {{1, "10.11.2026", "10.12.2026", "10.12.2026", 1000, 0, 3}},
     {},
     nullptr,
     nullptr,
     nullptr,
     "POPESCU ION,1800101221144,R12,10.12.2026,0,1000,3\n"},
    {"imposed_but_not_due_is_current_with_its_penalty_left",
     {{1, "01.12.2026", "15.12.2026", "15.12.2026", 1000, 0, 7}},
     {},
     nullptr,
     nullptr,
     nullptr,
     "POPESCU ION,1800101221144,R12,15.12.2026,1000,0,7\n"},
    {"current_turns_overdue_on_its_due_date",
     {{1, "01.12.2026", "15.12.2026", "15.12.2026", 1000, 0, 7}},
     {},
     nullptr,
     "15.12.2026",
     nullptr,
     "POPESCU ION,1800101221144,R12,15.12.2026,0,1000,7\n"},
    {"due_before_it_is_imposed_is_overdue",
     {{1, "20.12.2026", "01.12.2026", "01.12.2026", 1000}},
     {},
     nullptr,
     nullptr,
     nullptr,
     "POPESCU ION,1800101221144,R12,01.12.2026,0,1000,9\n"},
    {"not_yet_imposed_is_left_out",
     {{1, "15.03.2027", "15.04.2027", "15.04.2027", 1000}},
     {},
     nullptr,
     nullptr,
     nullptr,
     ""},
    {"principal_paid_with_penalty_left_is_left_out",
     {{1, "15.03.2026", "15.04.2026", "20.11.2026", 1000, 1000, 50}},
     {},
     nullptr,
     nullptr,
     nullptr,
     ""},
    {"paid_beyond_the_indexed_amount_is_left_out",
     {{1, "15.03.2026", "15.04.2026", "20.11.2026", 1000, 1100}},
     {},
     nullptr,
     nullptr,
     nullptr,
     ""},
    {"partly_paid_is_charged_on_what_is_left",
     {{1, "15.03.2026", "15.04.2026", "30.11.2026", 1000, 400}},
     {},
     nullptr,
     nullptr,
     nullptr,
     "POPESCU ION,1800101221144,R12,15.04.2026,0,600,6\n"},
    {"half_a_leu_of_penalty_rounds_up",
     {{1, "15.03.2026", "15.04.2026", "09.12.2026", 1500}},
     {},
     nullptr,
     nullptr,
     nullptr,
     "POPESCU ION,1800101221144,R12,15.04.2026,0,1500,2\n"},
    // Contract 4 is finished and its penalties stop on 25.11.2026: it is listed, charged 5 days.
    {"finished_contract_is_listed_and_charged_up_to_its_stop_date",
     {{4, "15.03.2026", "15.04.2026", "20.11.2026", 1000}},
     {},
     nullptr,
     nullptr,
     nullptr,
     "POPESCU ION,1800101221144,R12,15.04.2026,0,1000,5\n"},
    {"rows_of_one_holder_together_in_due_date_order",
     {{1, "15.03.2026", "15.04.2026", "15.04.2026", 100},
      {3, "15.03.2025", "15.04.2025", "15.04.2025", 200},
      {2, "15.03.2026", "15.04.2026", "15.04.2026", 300},
      {4, "15.03.2024", "15.04.2024", "15.04.2024", 400},
      {1, "15.03.2025", "15.04.2025", "15.04.2025", 500},
      {1, "01.12.2026", "15.12.2026", "15.12.2026", 600}},
     {},
     nullptr,
     nullptr,
     nullptr,
     "IONESCU ANA,2750315120016,R7,15.04.2026,0,300,72\n"
     "POPESCU ION,1700101221145,R3,15.04.2025,0,200,121\n"
     "POPESCU ION,1800101221144,R12,15.04.2024,0,400,382\n"
     "POPESCU ION,1800101221144,R12,15.04.2025,0,500,302\n"
     "POPESCU ION,1800101221144,R12,15.04.2026,0,100,24\n"
     "POPESCU ION,1800101221144,R12,15.12.2026,600,0,0\n"},
    {"debts_of_a_register_that_owes_nothing", {}, {}, nullptr, nullptr, nullptr, ""},
};

class Reports : public ::testing::TestWithParam<ReportCase> {};

TEST_P(Reports, ListTheRowsTheirRulesTake)
{
    const ReportCase& c = GetParam();
    test::ReportRegister r;
    addContracts(r);
    for (const test::InstallmentRowSpec& i : c.installments)
        r.installment(i);
    for (const test::PaymentRowSpec& p : c.payments)
        r.payment(p);

    RecordingOpener opener;
    TemplateExporter exporter(opener);
    if (c.from) {
        const SlipPeriod period{dateOf(c.from), dateOf(c.to), QString::fromLatin1(c.docJus)};
        const ReportDataset rows = LoadPaymentsSlip(r.db(), period);
        EXPECT_EQ(datasetCsv(rows, QStringLiteral("DATACHIT")).toStdString(), (kSlipHeader + c.rows).toStdString());
        FillPaymentsSlip(exporter, r.app().dataFolder(), period, rows);
    } else {
        const QDate day = dateOf(c.to ? c.to : "10.12.2026");
        SilentProgressCounter counter;
        const ReportDataset rows = ComputeDebts(r.db(), r.app().rates(), counter, day);
        EXPECT_EQ(datasetCsv(rows, QStringLiteral("DATAPEN")).toStdString(), (kDebtsHeader + c.rows).toStdString());
        OpenDebtsList(exporter, r.app().dataFolder());
        FillDebtsList(exporter, day, rows);
    }
    // The workbook has one row per record between the headings (rows 1-6) and the TOTAL row.
    const QString report = r.home() + QStringLiteral("/report.xls");
    exporter.saveAs(report);
    const QStringList lines = test::reportCells(report).split(u'\n', Qt::SkipEmptyParts);
    const int records = int(QString::fromUtf8(c.rows).count(u'\n'));
    ASSERT_EQ(lines.size(), 6 + records + 1) << test::reportCells(report).toStdString();
    EXPECT_TRUE(lines.last().contains(QStringLiteral(",1:TOTAL,"))) << lines.last().toStdString();
    if (records == 0)
        EXPECT_TRUE(lines.last().endsWith(c.from ? QStringLiteral(",2:0,2:0,2:0") : QStringLiteral(",2:0,2:0,2:0,2:0")))
            << lines.last().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, Reports, ::testing::ValuesIn(kReportCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Names the debts list's runs took: TempFileName leaves the lock file of every name it handed out.
QStringList workFilesInTemp()
{
    return QDir(tempFolder()).entryList({QStringLiteral("Datorii*")}, QDir::Files, QDir::Name);
}

class DebtsWorkTable : public ::testing::Test {
protected:
    DebtsWorkTable()
    {
        addContracts(r);
        r.installment({1, "15.03.2026", "15.04.2026", "20.11.2026", 1000});
        r.installment({2, "01.12.2026", "15.12.2026", "15.12.2026", 500});
    }
    ReportDataset run() { return ComputeDebts(r.db(), r.app().rates(), counter, dateOf("10.12.2026")); }

    test::ReportRegister r;
    SilentProgressCounter counter;
};

TEST_F(DebtsWorkTable, TwoRunsInARowReuseDatorii0AndLeaveNoTable)
{
    const QString first = datasetCsv(run(), QStringLiteral("DATAPEN"));
    EXPECT_EQ(workFilesInTemp(), QStringList{"Datorii0.dbf.lck"});
    EXPECT_EQ(datasetCsv(run(), QStringLiteral("DATAPEN")), first);
    EXPECT_EQ(workFilesInTemp(), QStringList{"Datorii0.dbf.lck"});
    EXPECT_FALSE(r.db().hasTable(QStringLiteral("Datorii0")));
}

TEST_F(DebtsWorkTable, CountsOneStepPerRowUnderItsCaptionAndHidesTheCounter)
{
    run();
    EXPECT_EQ(counter.caption(), QStringLiteral("Calculez restantele..."));
    EXPECT_EQ(counter.maximum(), 2);
    EXPECT_EQ(counter.position(), 2);
    EXPECT_FALSE(counter.isShown());
}

TEST_F(DebtsWorkTable, ANameHeldByAnotherProgramIsPassedOverAndAFailedRunStillDeletesItsTable)
{
    const TempFile held = TempFileName(QStringLiteral("Datorii"), QStringLiteral(".dbf"));
    ASSERT_TRUE(held.path().endsWith(QStringLiteral("Datorii0.dbf")));
    // Another table already answers to the name the work table is queried by: the run fails once the
    // work table has been written.
    const QString other = r.home() + QStringLiteral("/Other.dbf");
    QFile::copy(r.db().tablePath(QStringLiteral("Inflatie")), other);
    r.db().attach(QStringLiteral("Datorii1"), other);

    EXPECT_THROW(run(), StoreError);
    EXPECT_EQ(workFilesInTemp(), (QStringList{"Datorii0.dbf.lck", "Datorii1.dbf.lck"}));
    EXPECT_FALSE(counter.isShown());
}

TEST(DebtsListReport, AMissingTemplateStopsItBeforeAnyComputing)
{
    test::ReportRegister r;
    QFile::remove(QDir(r.app().dataFolder()).filePath(QStringLiteral("Datorii.xls")));
    RecordingOpener opener;
    TemplateExporter exporter(opener);
    SilentProgressCounter counter;
    EXPECT_THROW(DebtsList(r.db(), r.app().rates(), counter, exporter, r.app().dataFolder(), dateOf("10.12.2026")),
                 StoreError);
    EXPECT_EQ(counter.caption(), QString()) << "the counter never started";
    EXPECT_TRUE(workFilesInTemp().isEmpty());
    EXPECT_TRUE(opener.opened.isEmpty());
}

// A register of both reports, filled into the data folder's templates and saved as the reports save.
class FilledReports : public ::testing::Test {
protected:
    FilledReports()
    {
        addContracts(r);
        r.db().execute("UPDATE Contract SET NUME = ? WHERE IDCON = 2",
                       {QString::fromUtf8("IONESCU ANA-MARIA ȘTEFĂNESCU")});
        r.installment({1, "15.03.2026", "15.04.2026", "20.11.2026", 1000, 0, 5});
        r.installment({1, "01.12.2026", "15.12.2026", "15.12.2026", 1000, 0, 7});
        r.installment({2, "15.03.2025", "15.04.2025", "01.06.2026", 2500, 1000, 12});
        r.installment({3, "15.03.2026", "15.04.2026", "09.12.2026", 1500});
        r.payment({1, "Chitanta", 101, "01.03.2024", 1000, 35});
        r.payment({2, "Ordin de plata", 102, "09.03.2024", 820, 0, 0, 3});
        r.payment({3, "Nota contabila", 103, "31.03.2024", 0, 12});
    }
    // Each report as the menu makes it: saved as the first free TEMP/RapN.xls and opened.
    QString slip()
    {
        PaymentsSlip(r.db(), exporter, r.app().dataFolder(), {dateOf("01.03.2024"), dateOf("31.03.2024"), {}});
        return opener.opened.value(opener.opened.size() - 1);
    }
    QString debts()
    {
        SilentProgressCounter counter;
        DebtsList(r.db(), r.app().rates(), counter, exporter, r.app().dataFolder(), dateOf("10.12.2026"));
        return opener.opened.value(opener.opened.size() - 1);
    }

    test::ReportRegister r;
    RecordingOpener opener;
    TemplateExporter exporter{opener};
};

TEST_F(FilledReports, MatchTheirGoldenCells)
{
    const QString rap0 = QDir(tempFolder()).filePath("Rap0.xls");
    EXPECT_EQ(slip().toStdString(), rap0.toStdString());
    test::expectGolden(test::reportCells(rap0), golden("slip_report.csv"));
    // Rap0.xls is not held open by a spreadsheet program, so the next report takes its name again.
    EXPECT_EQ(debts().toStdString(), rap0.toStdString());
    test::expectGolden(test::reportCells(rap0), golden("debts_report.csv"));
}

}  // namespace
}  // namespace velmar
