// The debts list and a year's payments slip of the bench register, computed, filled and saved, against
// filling their templates from a CSV of the same rows (the filling alone), and against LibreOffice
// turning that CSV into a workbook, as an office would do by hand.
#include "bench/benchmarks.h"

#include "app/progress_counter.h"
#include "app/rate_tables.h"
#include "bench/rate_seeding.h"
#include "platform/document_opener.h"
#include "reports/csv_dataset.h"
#include "reports/debts_list.h"
#include "reports/payments_slip.h"
#include "reports/template_exporter.h"
#include "xls/template_builder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace velmar::bench {

namespace {

class NoOpener final : public DocumentOpener {
public:
    bool open(const QString&) override { return true; }
};

// What every benchmark here shares: the templates, TEMP for the work table, and the rows of both reports
// as CSV files, made once, outside the timings.
struct ReportBench {
    QTemporaryDir dir;
    QString debtsCsv;       // at kEarlyDay
    QString debtsTodayCsv;  // at kToday
    QString slipCsv;
    NoOpener opener;
};

const SlipPeriod kSlipYear{QDate(2021, 1, 1), QDate(2021, 12, 31), {}};
// The register's debts at the end of 2010 are 41,000 of its 200,000 installments, one sheet, which
// LibreOffice can also write; at 11.12.2026 they are 179,000, over three sheets. Every installment is read.
const QDate kEarlyDay(2010, 12, 31);
const QDate kToday(2026, 12, 11);

// Texts quoted (CNPs look like numbers), numbers as they are, dates as day numbers: what template fill reads.
QByteArray csvOf(const ReportDataset& rows)
{
    QStringList names;
    for (const ReportColumn& c : rows.columns)
        names << c.name;
    QByteArray csv = names.join(u',').toUtf8() + '\n';
    for (const QVariantList& row : rows.rows) {
        QStringList fields;
        for (size_t c = 0; c < rows.columns.size(); ++c)
            fields << (rows.columns[c].isText
                           ? u'"' + row[int(c)].toString().replace(u'"', QStringLiteral("\"\"")) + u'"'
                           : QString::number(row[int(c)].toLongLong()));
        csv += fields.join(u',').toUtf8() + '\n';
    }
    return csv;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

ReportBench& reportBench(BenchRegister& reg)
{
    static std::unique_ptr<ReportBench> bench;
    if (bench)
        return *bench;
    bench = std::make_unique<ReportBench>();
    qputenv("VELMAR_SYSTEM_DIR", bench->dir.filePath("system").toUtf8());
    seedRateTables(reg);
    const QDir data(reg.dataFolder());
    writeFile(data.filePath("Datorii.xls"), xls::BuildCarriedTemplate(xls::CarriedTemplate::Datorii));
    writeFile(data.filePath("Incas.xls"), xls::BuildCarriedTemplate(xls::CarriedTemplate::Incas));
    RateTables rates;
    SilentProgressCounter counter;
    bench->debtsCsv = bench->dir.filePath("datorii.csv");
    writeFile(bench->debtsCsv, csvOf(ComputeDebts(reg.velmar(), rates, counter, kEarlyDay)));
    bench->debtsTodayCsv = bench->dir.filePath("datorii-azi.csv");
    writeFile(bench->debtsTodayCsv, csvOf(ComputeDebts(reg.velmar(), rates, counter, kToday)));
    bench->slipCsv = bench->dir.filePath("incas.csv");
    writeFile(bench->slipCsv, csvOf(LoadPaymentsSlip(reg.velmar(), kSlipYear)));
    return *bench;
}

ReportDataset readCsv(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return ReadCsvDataset(file.readAll(), path);
}

void reportRows(benchmark::State& state, size_t rows) { state.counters["rows"] = double(rows); }

void debtsReport(benchmark::State& state, BenchRegister& reg, QDate day)
{
    ReportBench& b = reportBench(reg);
    RateTables rates;
    SilentProgressCounter counter;
    for (auto _ : state) {
        TemplateExporter exporter(b.opener);
        OpenDebtsList(exporter, reg.dataFolder());
        FillDebtsList(exporter, day, ComputeDebts(reg.velmar(), rates, counter, day));
        exporter.saveAs(b.dir.filePath("debts.xls"));
    }
    reportRows(state, size_t(counter.maximum()));
}

enum class Filled { EarlyDebts, TodaysDebts, Slip };

// The rows are parsed before the timing: what is timed is the template filling and the saving alone.
void fillFromCsv(benchmark::State& state, BenchRegister& reg, Filled which)
{
    ReportBench& b = reportBench(reg);
    const bool debts = which != Filled::Slip;
    const ReportDataset rows = readCsv(which == Filled::EarlyDebts        ? b.debtsCsv
                                           : which == Filled::TodaysDebts ? b.debtsTodayCsv
                                                                          : b.slipCsv);
    for (auto _ : state) {
        TemplateExporter exporter(b.opener);
        OpenReportTemplate(exporter, QDir(reg.dataFolder()).filePath(debts ? "Datorii.xls" : "Incas.xls"));
        exporter.ReplaceTag(debts ? "#LADATA" : "#PERIOADA", "la data de 31.12.2010");
        exporter.FillBand(rows);
        exporter.saveAs(b.dir.filePath("filled.xls"));
    }
    reportRows(state, rows.rows.size());
}

void slipReport(benchmark::State& state, BenchRegister& reg)
{
    ReportBench& b = reportBench(reg);
    size_t rows = 0;
    for (auto _ : state) {
        TemplateExporter exporter(b.opener);
        const ReportDataset slip = LoadPaymentsSlip(reg.velmar(), kSlipYear);
        FillPaymentsSlip(exporter, reg.dataFolder(), kSlipYear, slip);
        exporter.saveAs(b.dir.filePath("slip.xls"));
        rows = slip.rows.size();
    }
    reportRows(state, rows);
}

// One start of LibreOffice converting the debts CSV into an .xls workbook, on a profile of its own.
void libreOfficeConversion(benchmark::State& state, BenchRegister& reg)
{
    ReportBench& b = reportBench(reg);
    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty()) {
        state.SkipWithError("LibreOffice is not installed");
        return;
    }
    const QStringList args{"-env:UserInstallation=file://" + b.dir.filePath("lo-profile"),
                           "--headless",
                           "--convert-to",
                           "xls",
                           "--outdir",
                           b.dir.filePath("lo"),
                           b.debtsCsv};
    QProcess::execute(office, args);  // the profile is made on the first start: not timed
    for (auto _ : state)
        QProcess::execute(office, args);
}

}  // namespace

void registerSlipDebtsBenchmarks(BenchRegister& reg)
{
    benchmark::RegisterBenchmark("DebtsListRegister/Report",
                                 [&reg](benchmark::State& s) { debtsReport(s, reg, kEarlyDay); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("DebtsListRegister/FillFromCsv",
                                 [&reg](benchmark::State& s) { fillFromCsv(s, reg, Filled::EarlyDebts); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("DebtsListRegister/LibreOfficeCsvToXls",
                                 [&reg](benchmark::State& s) { libreOfficeConversion(s, reg); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(3);
    benchmark::RegisterBenchmark("DebtsListToday/Report", [&reg](benchmark::State& s) { debtsReport(s, reg, kToday); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("DebtsListToday/FillFromCsv",
                                 [&reg](benchmark::State& s) { fillFromCsv(s, reg, Filled::TodaysDebts); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("PaymentsSlipYear/Report", [&reg](benchmark::State& s) { slipReport(s, reg); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("PaymentsSlipYear/FillFromCsv",
                                 [&reg](benchmark::State& s) { fillFromCsv(s, reg, Filled::Slip); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace velmar::bench
