// The receipt of a payment that touched ten installments, beside the details query of the same contract:
// what the clerk waits for after "Listeaza Chitanta", against what opening the contract costs anyway.
#include "bench/benchmarks.h"

#include "app/app_context.h"
#include "app/interaction.h"
#include "app/rate_tables.h"
#include "bench/rate_seeding.h"
#include "payments/installment_status.h"
#include "payments/receipt.h"
#include "payments/receipt_template.h"
#include "payments/rtf_replace.h"
#include "platform/document_opener.h"
#include "store/file_lookup.h"
#include "store/folders.h"
#include "store/settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace velmar::bench {

namespace {

constexpr qint64 kContract = 1;
constexpr qint64 kCalcDay = 46366;  // 10.12.2026

class NoOpener final : public DocumentOpener {
public:
    bool open(const QString&) override { return true; }
};

// The register's folder as the program would open it, with the carried receipt form and one payment of
// contract 1 spread over ten of its installments.
struct ReceiptSetup {
    QTemporaryDir folders;
    AppContext app;
    qint64 idchit = 0;

    explicit ReceiptSetup(BenchRegister& reg)
        : app(folders.filePath("program"), folders.filePath("system"), reg.dataFolder(), WorkingMode::Local)
    {
        seedRateTables(reg);
        if (findFileAnyCase(reg.dataFolder(), kReceiptTemplate).isEmpty())
            WriteFileAtomically(QDir(reg.dataFolder()).filePath(kReceiptTemplate), BuildReceiptTemplate());
        app.settings().WriteSetting("CONST", "EDITAT_CHITANTA", "DA");
        Database& db = app.db();
        idchit = db.select("SELECT MAX(IDCHIT) FROM Chitante").rows.front().front().toLongLong() + 1;
        const QueryResult installments =
            db.select("SELECT IDRATA FROM Rate WHERE IDCON = ? ORDER BY NRRATA LIMIT 10", {kContract});
        for (const QVariantList& row : installments.rows)
            db.execute("INSERT INTO Chitante (IDCHIT, IDRATA, IDCON, DOCJUS, DATACHIT, NRCHIT, SUMA, PENAL) "
                       "VALUES (?, ?, ?, 'Chitanta', ?, 1, 100, 20)",
                       {idchit, row.front(), kContract, kCalcDay});
        app.rates().LoadPenaltyRates(db);
    }
};

}  // namespace

void registerReceiptBenchmarks(BenchRegister& reg)
{
    static std::unique_ptr<ReceiptSetup> setup;
    const auto prepared = [&reg]() -> ReceiptSetup& {
        if (!setup)
            setup = std::make_unique<ReceiptSetup>(reg);
        return *setup;
    };
    benchmark::RegisterBenchmark("Receipt/TenInstallments",
                                 [prepared](benchmark::State& state) {
                                     ReceiptSetup& s = prepared();
                                     NoOpener opener;
                                     TRTFReplace rtf(opener);
                                     for (auto _ : state) {
                                         ScriptedInteraction ui;
                                         // As the details window does it: the old TEMP/Chitanta0.rtf is deleted and
                                         // written anew.
                                         benchmark::DoNotOptimize(WriteReceipt(s.app, ui, rtf, s.idchit));
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Receipt/DetailsQuery",
                                 [prepared](benchmark::State& state) {
                                     ReceiptSetup& s = prepared();
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(
                                             LoadContractStatus(s.app.db(), s.app.rates(), kContract, 99999, kCalcDay));
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace velmar::bench
