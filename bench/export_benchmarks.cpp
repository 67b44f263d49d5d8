// The grid export of the bench register's contract list: the 20,000 rows as the window shows them written
// in every format, against LibreOffice turning the same rows, as CSV, into an .xls workbook.
#include "bench/benchmarks.h"

#include "contracts/contract_list.h"
#include "contracts/contract_list_columns.h"
#include "export/table_export.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace velmar::bench {

namespace {

// The list as the window opens it, loaded once outside the timings, and a folder for the files.
struct ExportBench {
    QTemporaryDir dir;
    std::vector<ContractRow> rows;
};

ExportBench& exportBench(BenchRegister& reg)
{
    static ExportBench bench{{}, LoadContractList(reg.velmar())};
    return bench;
}

ShownTable listTable(const ExportBench& b)
{
    return shownTable(contractListHeading(), QDate(2026, 12, 10), contractListColumns(), b.rows);
}

// The table built from the displayed rows and written to its file: what the dialog does once it is told where.
void exportFormat(benchmark::State& state, BenchRegister& reg, ExportFormat format)
{
    ExportBench& b = exportBench(reg);
    const QString path = b.dir.filePath("list." + exportFormatInfo(format).extension);
    for (auto _ : state)
        exportToFile(listTable(b), format, path);
    state.counters["rows"] = double(b.rows.size());
}

// One start of LibreOffice converting the same rows, as the export's CSV, into a workbook.
void libreOfficeConversion(benchmark::State& state, BenchRegister& reg)
{
    ExportBench& b = exportBench(reg);
    const QString office = QStandardPaths::findExecutable("soffice");
    if (office.isEmpty()) {
        state.SkipWithError("LibreOffice is not installed");
        return;
    }
    const QString csv = b.dir.filePath("rows.csv");
    exportToFile(listTable(b), ExportFormat::Csv, csv);
    const QStringList args{"-env:UserInstallation=file://" + b.dir.filePath("lo-profile"),
                           "--headless",
                           "--convert-to",
                           "xls",
                           "--outdir",
                           b.dir.filePath("lo"),
                           csv};
    QProcess::execute(office, args);  // the profile is made on the first start: not timed
    for (auto _ : state)
        QProcess::execute(office, args);
}

}  // namespace

void registerExportBenchmarks(BenchRegister& reg)
{
    for (const ExportFormatInfo& info : exportFormats()) {
        if (info.format == ExportFormat::Clipboard)
            continue;
        benchmark::RegisterBenchmark(
            ("GridExport/" + info.extension).toStdString().c_str(),  // copied by the library
            [&reg, format = info.format](benchmark::State& s) { exportFormat(s, reg, format); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::RegisterBenchmark("GridExport/TableOnly",
                                 [&reg](benchmark::State& state) {
                                     ExportBench& b = exportBench(reg);
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(listTable(b));
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("GridExport/LibreOfficeCsvToXls",
                                 [&reg](benchmark::State& s) { libreOfficeConversion(s, reg); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace velmar::bench
