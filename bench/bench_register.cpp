// Making the benchmark register and checking that both engines hold the same rows.
#include "bench/bench_register.h"

#include "bench/native_copy.h"
#include "bench/register_folder.h"
#include "bench/result_digest.h"
#include "bench/statements.h"

#include <QDir>
#include <QElapsedTimer>
#include <cstdio>
#include <stdexcept>

namespace velmar::bench {

namespace {

QString temporaryTemplate()
{
    const QString parent =
        qEnvironmentVariableIsSet("VELMAR_BENCH_DIR") ? qEnvironmentVariable("VELMAR_BENCH_DIR") : QDir::tempPath();
    return QDir(parent).filePath(QStringLiteral("velmar-bench-XXXXXX"));
}

}  // namespace

RegisterSize benchRegisterSize()
{
    RegisterSize size;
    bool ok = false;
    const int contracts = qEnvironmentVariableIntValue("VELMAR_BENCH_CONTRACTS", &ok);
    if (ok && contracts > 0) {
        size.payments = size.payments / size.contracts * contracts;
        size.contracts = contracts;
    }
    return size;
}

BenchRegister::BenchRegister(const RegisterSize& size) : size_(size), dir_(temporaryTemplate())
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create " + temporaryTemplate().toStdString() + ": " +
                                 dir_.errorString().toStdString());
    dataFolder_ = dir_.filePath(QStringLiteral("Data"));
    nativePath_ = dir_.filePath(QStringLiteral("native.sqlite"));

    QElapsedTimer timer;
    timer.start();
    writeRegisterFolder(dataFolder_, size_);
    native_ = std::make_unique<NativeDb>(nativePath_);
    copyTablesToNative(dataFolder_, *native_);
    velmar_ = std::make_unique<Database>(dataFolder_);

    // Also warms both: the Database parses its files here, not in the first timed iteration.
    ResultDigest native;
    native_->run(contractListQuery(), {}, [&native](sqlite3_stmt* row) { native.add(row); });
    const ResultDigest velmar = ResultDigest::of(velmar_->select(contractListQuery()));
    if (!(velmar == native))
        throw std::runtime_error("the dBase tables and the native copy give different contract lists");
    std::fprintf(stderr, "register: %d contracts, %lld installments, %d payments in %s (%.1f s to make)\n",
                 size_.contracts, rateRows(), size_.payments, qPrintable(dir_.path()),
                 double(timer.elapsed()) / 1000.0);
}

}  // namespace velmar::bench
