// The calculation sheet: the events it lists, the walk's balances and penalties, its heading, its work
// tables, and a check of the walk on random contracts against a plain re-computation.
#include "sheet_fixture.h"

#include "app/rate_tables.h"
#include "debt/sheet_csv.h"
#include "store/dates.h"
#include "store/folders.h"
#include "store/rounding.h"
#include "store/sql/csv_format.h"
#include "store/sql/database.h"
#include "store/store_error.h"
#include "store/temp_file_name.h"

#include <QDir>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace velmar::test {

namespace {

// Most cases: 0.1 % a day since 2000, nothing a month, so 1000 lei overdue for d days cost d lei.
const QString kDayRate = QStringLiteral("01.01.2000,\"Stabilire Penalitati: 0.1% pe zi, 0% pe luna\",,,,,,,,\n");

struct SheetCase {
    const char* name;
    qint64 (*setup)(SheetFixture&);
    const char* today;
    QString expected;
};

qint64 dayRateContract(SheetFixture& f, const char* datapen1, qint64 nrrate)
{
    f.penaltyRate("01.01.2000", 0.1, 0);
    return f.contract(datapen1, nrrate);
}

const SheetCase kCases[] = {
    {"NothingImposedYetAnAdvancePaymentEarnsNothing",
     [](SheetFixture& f) {
         const qint64 c = dayRateContract(f, "15.04.2027", 2);
         const qint64 first = f.installment(c, 1, "15.03.2027", "15.04.2027", 1000);
         f.installment(c, 2, "15.03.2028", "15.04.2028", 1000);
         f.payment(c, 1, first, 5, "10.11.2026", 300, 0);
         return c;
     },
     "10.12.2026",
     kDayRate +
         "10.11.2026,Chitanta nr.5,,300,-300,,,,,\n"
         "10.12.2026,Sold la zi,,,-300,,,,30,1\n"},

    // A payment on the day of an imposition comes after it, one on a due date after the due row; the due
    // row of installment 1 has no day count, the later ones have.
    {"PaymentsOnEventDaysAreWalkedLast",
     [](SheetFixture& f) {
         const qint64 c = dayRateContract(f, "15.04.2013", 2);
         const qint64 first = f.installment(c, 1, "15.03.2013", "15.04.2013", 1000);
         const qint64 second = f.installment(c, 2, "15.03.2014", "15.04.2014", 1000);
         f.payment(c, 2, second, 2, "14.04.2014", 500, 30);
         f.payment(c, 1, first, 1, "15.03.2013", 200, 0);
         return c;
     },
     "30.04.2014",
     kDayRate +
         "15.03.2013,Impunere Rata 1,1000,,1000,,,,,\n"
         "15.03.2013,Chitanta nr.1,,200,800,,,,,\n"
         "14.04.2013,Scadenta Rata 1,,,800,,,,,1\n"
         "15.03.2014,Impunere Rata 2,1000,,1800,268,,268,335,11\n"
         "14.04.2014,Scadenta Rata 2,,,1800,24,,292,30,1\n"
         "14.04.2014,Chitanta nr.2,,500,1300,,30,262,,\n"
         "30.04.2014,Sold la zi,,,1300,21,,283,16,\n"},

    {"OneReceiptOfThreeInstallmentsIsOneRow",
     [](SheetFixture& f) {
         const qint64 c = dayRateContract(f, "15.04.2013", 3);
         const qint64 first = f.installment(c, 1, "15.03.2013", "15.04.2013", 1000);
         const qint64 second = f.installment(c, 2, "15.03.2014", "15.04.2014", 1000);
         const qint64 third = f.installment(c, 3, "15.03.2015", "15.04.2015", 1000);
         f.payment(c, 9, first, 7, "01.05.2015", 1000, 10);
         f.payment(c, 9, second, 7, "01.05.2015", 1000, 20);
         f.payment(c, 9, third, 7, "01.05.2015", 500, 5);
         return c;
     },
     "01.05.2015",
     kDayRate +
         "15.03.2013,Impunere Rata 1,1000,,1000,,,,,\n"
         "14.04.2013,Scadenta Rata 1,,,1000,,,,,1\n"
         "15.03.2014,Impunere Rata 2,1000,,2000,335,,335,335,11\n"
         "14.04.2014,Scadenta Rata 2,,,2000,30,,365,30,1\n"
         "15.03.2015,Impunere Rata 3,1000,,3000,670,,1035,335,11\n"
         "14.04.2015,Scadenta Rata 3,,,3000,60,,1095,30,1\n"
         "01.05.2015,Chitanta nr.7,,2500,500,51,35,1111,17,1\n"
         "01.05.2015,Sold la zi,,,500,,,1111,,\n"},

    // Paid in full before the due date: nothing was late, so nothing is charged, neither at the payment
    // nor at the due row.
    {"APaymentBeforeTheDueDateBearsNoPenalty",
     [](SheetFixture& f) {
         const qint64 c = dayRateContract(f, "15.04.2013", 1);
         f.payment(c, 1, f.installment(c, 1, "15.03.2013", "15.04.2013", 1000), 1, "01.04.2013", 1000, 0);
         return c;
     },
     "01.06.2013",
     kDayRate +
         "15.03.2013,Impunere Rata 1,1000,,1000,,,,,\n"
         "01.04.2013,Chitanta nr.1,,1000,,,,,17,1\n"
         "14.04.2013,Scadenta Rata 1,,,,,,,,\n"
         "01.06.2013,Sold la zi,,,,,,,48,2\n"},

    // Imposed by today, due after it: the due row is walked before the last row, which then counts back.
    {"ImposedByTodayDueLater",
     [](SheetFixture& f) {
         const qint64 c = dayRateContract(f, "15.04.2013", 1);
         f.installment(c, 1, "15.03.2013", "15.04.2013", 1000);
         return c;
     },
     "01.04.2013",
     kDayRate +
         "15.03.2013,Impunere Rata 1,1000,,1000,,,,,\n"
         "01.04.2013,Sold la zi,,,1000,,,,-13,\n"
         "14.04.2013,Scadenta Rata 1,,,1000,,,,,1\n"},

    // Rates established on DATAPEN1 (15.04.2013) or on the last installment's (15.04.2014) are in no row,
    // but the one on DATAPEN1 still prices the days after it: 2 days at 0.1 % and 5 at 0.2 % up to 20.04.
    {"RatesOnTheBoundsAreLeftOut",
     [](SheetFixture& f) {
         f.penaltyRate("01.01.2000", 0.1, 0);
         f.penaltyRate("15.04.2013", 0.2, 0);
         f.penaltyRate("20.04.2013", 0.3, 0);
         f.penaltyRate("15.04.2014", 0.4, 0);
         f.inflationRate("15.04.2013", 5);
         f.inflationRate("18.04.2013", 2);
         f.inflationRate("15.04.2014", 3);
         const qint64 c = f.contract("15.04.2013", 2);
         f.installment(c, 1, "15.03.2013", "15.04.2013", 1000);
         f.installment(c, 2, "15.03.2014", "15.04.2014", 1000);
         return c;
     },
     "24.04.2013",
     kDayRate +
         "15.03.2013,Impunere Rata 1,1000,,1000,,,,,\n"
         "14.04.2013,Scadenta Rata 1,,,1000,,,,,1\n"
         "18.04.2013,Stabilire Rata Inflatie: 2%,,,,,,,,\n"
         "20.04.2013,\"Stabilire Penalitati: 0.3% pe zi, 0% pe luna\",,,1000,12,,12,6,\n"
         "24.04.2013,Sold la zi,,,1000,12,,24,4,\n"},

    {"AnEmptyPenaltyTableHeadsWithZeroOnTheFirstPenaltyDay",
     [](SheetFixture& f) {
         const qint64 c = f.contract("15.04.2013", 1);
         f.payment(c, 1, f.installment(c, 1, "15.03.2013", "15.04.2013", 1000), 3, "01.06.2013", 500, 0);
         return c;
     },
     "01.07.2013",
     "15.03.2013,Impunere Rata 1,1000,,1000,,,,,\n"
     "14.04.2013,Scadenta Rata 1,,,1000,,,,,1\n"
     "15.04.2013,\"Stabilire Penalitati: 0% pe zi, 0% pe luna\",,,,,,,,\n"
     "01.06.2013,Chitanta nr.3,,500,500,,,,48,2\n"
     "01.07.2013,Sold la zi,,,500,,,,30,1\n"},
};

class SheetCases : public ::testing::TestWithParam<SheetCase> {};

TEST_P(SheetCases, LedgerAsTheSheetShowsIt)
{
    SheetFixture f;
    const qint64 idcon = GetParam().setup(f);
    EXPECT_EQ(f.sheetCsv(idcon, GetParam().today).toStdString(), GetParam().expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(CalculationSheet, SheetCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalculationSheet, HeadingTagsAndTheStopDate)
{
    SheetFixture f;
    const qint64 never = f.contract("15.04.2013", 1);
    const qint64 stopped = f.contract("15.04.2013", 1, "01.03.2014");
    using Tags = std::vector<std::pair<QString, QString>>;
    const Tags common{{"#RATA", "1500.00"},
                      {"#MONEDA", "LEI"},
                      {"#NUME", "Titular : Popescu Ion"},
                      {"#CONTRACT", "Contract : 12 / 15.03.2013"}};
    Tags expected{{"#LADATA", "La data de 10.12.2026"}};
    expected.insert(expected.end(), common.begin(), common.end());
    EXPECT_EQ(f.sheet(never, "10.12.2026").tags, expected);
    expected.front().second = "La data de 10.12.2026;    penalitati oprite la data de 01.03.2014";
    EXPECT_EQ(f.sheet(stopped, "10.12.2026").tags, expected);
}

TEST(CalculationSheet, ProgressStepsOncePerEventWalked)
{
    SheetFixture f;
    const qint64 c = dayRateContract(f, "15.04.2013", 1);
    f.payment(c, 1, f.installment(c, 1, "15.03.2013", "15.04.2013", 1000), 1, "01.06.2013", 100, 0);
    f.sheet(c, "01.07.2013");
    EXPECT_EQ(f.counter.maximum(), 4);   // heading, imposed, due, payment
    EXPECT_EQ(f.counter.position(), 3);  // the heading is not walked
    EXPECT_FALSE(f.counter.isShown());
}

QStringList workFiles() { return QDir(tempFolder()).entryList({"TmpFC*.dbf", "FisCal*.dbf"}, QDir::Files); }

TEST(CalculationSheet, WorkTablesTakeAFreeNameAndAreGoneHoweverTheCommandEnds)
{
    SheetFixture f;
    const qint64 c = dayRateContract(f, "15.04.2013", 2);
    const TempFile held = TempFileName("TmpFC", ".dbf");  // another copy of the program is using TmpFC0
    QFile(held.path()).open(QIODevice::WriteOnly);
    f.installment(c, 1, "15.03.2013", "15.04.2013", 1000);
    f.sheet(c, "01.07.2013");
    EXPECT_EQ(workFiles(), QStringList{"TmpFC0.dbf"});
    EXPECT_FALSE(f.db().hasTable("TmpFC1"));
    EXPECT_FALSE(f.db().hasTable("FisCal0"));

    // The balance outgrows the ledger's 10-digit column: the command stops and leaves no work table.
    f.installment(c, 2, "15.03.2014", "15.04.2014", 9999999999);
    EXPECT_THROW(f.sheet(c, "01.07.2014"), StoreError);
    EXPECT_EQ(workFiles(), QStringList{"TmpFC0.dbf"});
    EXPECT_THROW(f.sheet(99, "01.07.2014"), StoreError);
}

// ---- The walk on random contracts against a plain re-computation of it --------------------------------

struct PlainEvent {
    int type;
    qint64 day;
    QString text;
    qint64 added = 0, paid = 0, paidPenalty = 0;
    int order;  // collected as
};

// Statement by statement: every event listed, summed per receipt, sorted, walked; what is overdue is summed
// afresh at each event from the events walked before it.
QString plainSheet(SheetFixture& f, qint64 idcon, qint64 today)
{
    const QueryResult c = f.db().select("SELECT DATAPEN1, NRRATE, StopPen FROM Contract WHERE IDCON = ?", {idcon});
    const qint64 p1 = c.rows[0][0].toLongLong();
    const qint64 last = dayNumber(AddMonths(dateFromDayNumber(p1), int(12 * (c.rows[0][1].toLongLong() - 1))));
    const qint64 stop = c.rows[0][2].toLongLong();
    RateTables rates;
    rates.LoadPenaltyRates(f.db());
    std::vector<PlainEvent> listed;
    for (const auto& r :
         f.db().select("SELECT DATASTAB, VALOARE FROM Inflatie WHERE DATASTAB > ? AND DATASTAB < ?", {p1, last}).rows)
        listed.push_back({2, r[0].toLongLong(), "Stabilire Rata Inflatie: " + formatNumber(r[1].toDouble()) + "%", 0, 0,
                          0, int(listed.size())});
    const auto penaltyText = [](const QVariantList& r) {
        return "Stabilire Penalitati: " + formatNumber(r[1].toDouble()) + "% pe zi, " + formatNumber(r[2].toDouble()) +
            "% pe luna";
    };
    const auto before = f.db().select(
        "SELECT DATASTAB, PEZI, PELUNA FROM PenalIst WHERE DATASTAB < ? ORDER BY DATASTAB DESC LIMIT 1", {p1});
    const PlainEvent heading = before.rows.empty()
        ? PlainEvent{1, p1, "Stabilire Penalitati: 0% pe zi, 0% pe luna", 0, 0, 0, -1}
        : PlainEvent{1, before.rows[0][0].toLongLong(), penaltyText(before.rows[0]), 0, 0, 0, -1};
    for (const auto& r :
         f.db()
             .select("SELECT DATASTAB, PEZI, PELUNA FROM PenalIst WHERE DATASTAB > ? AND DATASTAB < ?", {p1, last})
             .rows)
        listed.push_back({1, r[0].toLongLong(), penaltyText(r), 0, 0, 0, int(listed.size())});
    for (const auto& r : f.db()
                             .select("SELECT NRRATA, DATARATA, DATAPEN, RATACALC FROM Rate WHERE IDCON = ? AND "
                                     "DATARATA <= ? ORDER BY NRRATA",
                                     {idcon, today})
                             .rows) {
        listed.push_back(
            {3, r[1].toLongLong(), "Impunere Rata " + r[0].toString(), r[3].toLongLong(), 0, 0, int(listed.size())});
        listed.push_back({4, r[2].toLongLong() - 1, "Scadenta Rata " + r[0].toString(), r[3].toLongLong(), 0, 0,
                          int(listed.size())});
    }
    std::map<std::pair<qint64, qint64>, PlainEvent> receipts;  // by IDCHIT, NRCHIT
    for (const auto& r :
         f.db()
             .select(
                 "SELECT IDCHIT, DOCJUS, NRCHIT, DATACHIT, SUMA, PENAL FROM Chitante WHERE IDCON = ? ORDER BY IDCHIT",
                 {idcon})
             .rows) {
        auto [it, fresh] =
            receipts.try_emplace({r[0].toLongLong(), r[2].toLongLong()},
                                 PlainEvent{5, r[3].toLongLong(), r[1].toString() + " nr." + r[2].toString(), 0, 0, 0,
                                            int(listed.size() + receipts.size())});
        it->second.paid += r[4].toLongLong();
        it->second.paidPenalty += r[5].toLongLong();
    }
    for (const auto& [key, receipt] : receipts)
        listed.push_back(receipt);
    std::stable_sort(listed.begin(), listed.end(), [](const PlainEvent& a, const PlainEvent& b) {
        return std::tie(a.day, a.type, a.order) < std::tie(b.day, b.type, b.order);
    });

    struct Row {
        qint64 day;
        QString text;
        QStringList cells;  // empty: a rate row of inflation, or the heading
    };
    std::vector<Row> rows{{heading.day, heading.text, {}}};
    qint64 q = listed.empty() ? today : listed.front().day;
    for (const PlainEvent& e : listed)
        if (e.type == 3) {
            q = e.day;
            break;
        }
    qint64 sold = 0, soldPen = 0;
    const auto number = [](qint64 v) { return v == 0 ? QString() : QString::number(v); };
    for (size_t i = 0; i <= listed.size(); ++i) {
        const PlainEvent e = i == listed.size() ? PlainEvent{6, today, "Sold la zi", 0, 0, 0, 0} : listed[i];
        if (e.type == 2) {
            rows.push_back({e.day, e.text, {}});
            continue;
        }
        qint64 overdue = 0;
        for (size_t k = 0; k < i; ++k)
            overdue += listed[k].type == 4 ? listed[k].added : listed[k].type == 5 ? -listed[k].paid : 0;
        const double fraction = rates.ComputePenalty(double(e.day), double(q), double(stop));
        const qint64 ap = RoundHalfUp(fraction * double(std::max<qint64>(overdue, 0)));
        const qint64 a = e.type == 3 ? e.added : 0;
        sold += a - e.paid;
        soldPen += ap - e.paidPenalty;
        const QString days = e.text == "Scadenta Rata 1" ? QString() : number(e.day - q);
        rows.push_back({e.day,
                        e.text,
                        {number(a), number(e.paid), number(sold), number(ap), number(e.paidPenalty), number(soldPen),
                         days, number(MonthsBetween(e.day, q))}});
        q = e.day;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.day < b.day; });
    QString text;
    for (const Row& r : rows)
        text += QStringList{DayToText(double(r.day)), csvField(r.text),
                            r.cells.isEmpty() ? QStringList(8, QString()).join(',') : r.cells.join(',')}
                    .join(',') +
            '\n';
    return text;
}

TEST(CalculationSheet, RandomContractsAgreeWithAPlainWalk)
{
    SheetFixture f;
    f.app().db().execute("DELETE FROM PenalIst");
    for (const auto& [date, perDay, perMonth] :
         std::vector<std::tuple<const char*, double, double>>{{"07.05.1999", 0.3, 0},
                                                              {"01.01.2003", 0.06, 0},
                                                              {"01.09.2005", 0.05, 0},
                                                              {"01.01.2006", 0.1, 2},
                                                              {"01.07.2010", 0, 2},
                                                              {"01.01.2015", 0, 1}})
        f.penaltyRate(date, perDay, perMonth);
    for (int year = 2000; year <= 2024; ++year)
        f.inflationRate(QStringLiteral("01.01.%1").arg(year).toLatin1().constData(), (year % 7) - 1.5);
    std::mt19937 random(20261210);
    const auto pick = [&](qint64 lo, qint64 hi) { return std::uniform_int_distribution<qint64>(lo, hi)(random); };
    const qint64 today = dayOf("10.12.2026");
    qint64 idchit = 1;
    for (int n = 0; n < 40; ++n) {
        const qint64 nrrate = pick(1, 8);
        const QDate pen1 = dateFromDayNumber(pick(dayOf("01.01.2001"), dayOf("01.01.2026")));
        const QByteArray pen1Text = formatDate(pen1).toLatin1();
        const qint64 c = f.contract(pen1Text.constData(), nrrate, pick(0, 3) == 0 ? "01.06.2019" : nullptr);
        std::vector<qint64> ids;
        for (int k = 0; k < nrrate; ++k) {
            const QByteArray imposed = formatDate(AddMonths(pen1, 12 * k).addDays(-pick(0, 45))).toLatin1();
            const QByteArray due = formatDate(AddMonths(pen1, 12 * k)).toLatin1();
            ids.push_back(f.installment(c, k + 1, imposed.constData(), due.constData(), pick(100, 5000)));
        }
        for (qint64 p = pick(0, 10); p > 0; --p, ++idchit) {
            const QByteArray date = formatDate(dateFromDayNumber(pick(dayNumber(pen1) - 60, today))).toLatin1();
            const QString kind = pick(0, 1) ? QStringLiteral("Chitanta") : QStringLiteral("Ordin de plata");
            for (qint64 part = pick(1, 3); part > 0; --part)
                f.payment(c, idchit, ids[size_t(pick(0, nrrate - 1))], idchit, date.constData(), pick(0, 3000),
                          pick(0, 300), kind);
        }
        ASSERT_EQ(f.sheetCsv(c, "10.12.2026").toStdString(), plainSheet(f, c, today).toStdString()) << "contract " << n;
    }
}

}  // namespace

}  // namespace velmar::test
