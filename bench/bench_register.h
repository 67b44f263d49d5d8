// The register every benchmark works on: dBase folder and native SQLite copy, made once per run.
#pragma once

#include "bench/native_db.h"
#include "bench/register_generator.h"
#include "store/sql/database.h"

#include <QTemporaryDir>
#include <memory>

namespace velmar::bench {

// The default register, or VELMAR_BENCH_CONTRACTS contracts with five payments each for quick runs.
RegisterSize benchRegisterSize();

// Each engine keeps one connection open across the benchmarks, so the warm ones time no parsing.
class BenchRegister {
public:
    // Under VELMAR_BENCH_DIR when set (to measure another disk), else the system's temporary folder.
    // Throws std::runtime_error when the two engines do not give the same contract list.
    explicit BenchRegister(const RegisterSize& size);

    const RegisterSize& size() const { return size_; }
    qint64 rateRows() const { return qint64(size_.contracts) * size_.installmentsPerContract; }
    const QString& dataFolder() const { return dataFolder_; }
    const QString& nativePath() const { return nativePath_; }
    Database& velmar() { return *velmar_; }
    NativeDb& native() { return *native_; }

private:
    RegisterSize size_;
    QTemporaryDir dir_;
    QString dataFolder_;
    QString nativePath_;
    std::unique_ptr<Database> velmar_;
    std::unique_ptr<NativeDb> native_;
};

}  // namespace velmar::bench
