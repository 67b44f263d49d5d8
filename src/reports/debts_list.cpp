// The debts list's computation, its work table and its template.
#include "reports/debts_list.h"

#include "app/progress_counter.h"
#include "app/rate_tables.h"
#include "reports/report_texts.h"
#include "reports/template_exporter.h"
#include "store/dates.h"
#include "store/dbf/dbf_value.h"
#include "store/rounding.h"
#include "store/sql/database.h"
#include "store/sql/row_reader.h"
#include "store/sql/work_table.h"

#include <QDir>

namespace velmar {

namespace {

struct OpenInstallment {
    qint64 datapen = 0;
    qint64 ultima = 0;
    qint64 stopPen = 0;
    qint64 rest = 0;  // RATACALC - ACHITAT
    qint64 penalrest = 0;
    QString nume;
    QString rol;
    QString cnp;
};

// The columns of Datorii<n>.dbf.
const std::vector<DbfField>& debtFields()
{
    static const std::vector<DbfField> fields{
        {QStringLiteral("DATAPEN"), 'N', 6, 0},   {QStringLiteral("StopPen"), 'N', 6, 0},
        {QStringLiteral("ULTIMA"), 'N', 6, 0},    {QStringLiteral("CURENT"), 'N', 10, 0},
        {QStringLiteral("RESTANTA"), 'N', 10, 0}, {QStringLiteral("PENALREST"), 'N', 10, 0},
        {QStringLiteral("NUME"), 'C', 50, 0},     {QStringLiteral("ROL"), 'C', 9, 0},
        {QStringLiteral("CNP"), 'C', 13, 0},      {QStringLiteral("PENTOTAL"), 'N', 10, 0}};
    return fields;
}

// The installments imposed by today (current when due later) and those due by today, whatever their
// imposition date. An installment paid beyond its indexed amount owes nothing and is left out: it would
// otherwise come with a negative debt and a negative penalty that lowers the totals.
QueryResult openInstallments(Database& db, qint64 today)
{
    return db.select(QStringLiteral("SELECT R.DATAPEN, R.ULTIMA, C.StopPen, R.RATACALC - R.ACHITAT AS REST, "
                                    "R.PENALREST, C.NUME, C.ROL, C.CNP "
                                    "FROM Rate R JOIN Contract C ON C.IDCON = R.IDCON "
                                    "WHERE R.RATACALC > R.ACHITAT AND (R.DATARATA <= ? OR R.DATAPEN <= ?)"),
                     {today, today});
}

// One row of Datorii<n>.dbf, in its columns' order. PENTOTAL charges the overdue rest from ULTIMA itself:
// the day of the last settlement is not charged again.
std::vector<Cell> debtRow(const RateTables& rates, const OpenInstallment& i, qint64 today)
{
    const bool overdue = i.datapen <= today;
    const qint64 restanta = overdue ? i.rest : 0;
    const qint64 accrued =
        RoundHalfUp(double(restanta) * rates.ComputePenalty(double(today), double(i.ultima), double(i.stopPen)));
    const auto number = [](qint64 value) { return Cell(std::int64_t(value)); };
    const auto text = [](const QString& value) { return Cell(value.toStdString()); };
    return {number(i.datapen), number(i.stopPen),
            number(i.ultima),  number(overdue ? 0 : i.rest),
            number(restanta),  number(i.penalrest),
            text(i.nume),      text(i.rol),
            text(i.cnp),       number(accrued + i.penalrest)};
}

}  // namespace

ReportDataset ComputeDebts(Database& db, RateTables& rates, ProgressCounter& counter, QDate today)
{
    WorkTable work(db, QStringLiteral("Datorii"), debtFields());
    {
        ProgressScope progress(counter, report_texts::kComputingDebts);
        const qint64 day = dayNumber(today);
        const QueryResult open = openInstallments(db, day);
        progress.setMaximum(int(open.rows.size()));
        rates.LoadPenaltyRates(db);
        const RowReader<OpenInstallment> reader(open,
                                                {{u"DATAPEN", &OpenInstallment::datapen},
                                                 {u"ULTIMA", &OpenInstallment::ultima},
                                                 {u"StopPen", &OpenInstallment::stopPen},
                                                 {u"REST", &OpenInstallment::rest},
                                                 {u"PENALREST", &OpenInstallment::penalrest},
                                                 {u"NUME", &OpenInstallment::nume},
                                                 {u"ROL", &OpenInstallment::rol},
                                                 {u"CNP", &OpenInstallment::cnp}});
        std::vector<std::vector<Cell>> rows;
        rows.reserve(open.rows.size());
        for (const QVariantList& values : open.rows) {
            rows.push_back(debtRow(rates, reader.read(values), day));
            progress.step();
        }
        work.store(rows);
    }
    return datasetOf(db.select(QStringLiteral("SELECT NUME, CNP, ROL, DATAPEN, CURENT, RESTANTA, PENTOTAL FROM %1 "
                                              "ORDER BY NUME, CNP, DATAPEN")
                                   .arg(work.sqlName())),
                     {QStringLiteral("NUME"), QStringLiteral("CNP"), QStringLiteral("ROL")});
}

void OpenDebtsList(TemplateExporter& exporter, const QString& dataFolder)
{
    OpenReportTemplate(exporter, QDir(dataFolder).filePath(QStringLiteral("Datorii.xls")));
}

void FillDebtsList(TemplateExporter& exporter, QDate today, const ReportDataset& rows)
{
    exporter.ReplaceTag(QStringLiteral("#LADATA"), report_texts::debtsDate(formatDate(today)));
    exporter.FillBand(rows);
}

void DebtsList(Database& db, RateTables& rates, ProgressCounter& counter, TemplateExporter& exporter,
               const QString& dataFolder, QDate today)
{
    OpenDebtsList(exporter, dataFolder);
    FillDebtsList(exporter, today, ComputeDebts(db, rates, counter, today));
    exporter.SaveAndShow();
}

}  // namespace velmar
