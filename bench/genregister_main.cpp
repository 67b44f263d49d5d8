// velmar-genregister: writes a large generated register into a data folder.
#include "bench/register_folder.h"
#include "store/store_error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <limits>
#include <optional>

namespace {

// A whole number within [minimum, maximum], or a message on stderr and nothing.
std::optional<qint64> numberOption(const QCommandLineParser& parser, const QString& name, qint64 minimum,
                                   qint64 maximum)
{
    bool ok = false;
    const qint64 value = parser.value(name).toLongLong(&ok);
    if (ok && value >= minimum && value <= maximum)
        return value;
    std::fprintf(stderr, "--%s needs a whole number from %lld to %lld, not \"%s\"\n", qPrintable(name), minimum,
                 maximum, qPrintable(parser.value(name)));
    return std::nullopt;
}

std::optional<qint64> countOption(const QCommandLineParser& parser, const QString& name)
{
    return numberOption(parser, name, 1, std::numeric_limits<int>::max());
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes Contract.dbf, Rate.dbf, Chitante.dbf of a generated register "
                       "(and the other permanent tables, empty) into OUTFOLDER."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("OUTFOLDER"),
                                 QStringLiteral("the data folder to write; must hold no tables"));
    const velmar::bench::RegisterSize defaults;
    const auto option = [](const char* name, const char* what, const char* value, qint64 fallback) {
        return QCommandLineOption(QString::fromLatin1(name),
                                  QStringLiteral("%1 (default %2)").arg(QLatin1String(what)).arg(fallback),
                                  QString::fromLatin1(value), QString::number(fallback));
    };
    parser.addOptions({
        option("contracts", "number of contracts", "N", defaults.contracts),
        option("installments-per-contract", "yearly installments of each contract", "K",
               defaults.installmentsPerContract),
        option("payments", "number of payment rows", "M", defaults.payments),
        option("seed", "seed of the random choices", "S", qint64(defaults.seed)),
    });
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    const auto contracts = countOption(parser, QStringLiteral("contracts"));
    const auto installments = countOption(parser, QStringLiteral("installments-per-contract"));
    const auto payments = countOption(parser, QStringLiteral("payments"));
    const auto seed = numberOption(parser, QStringLiteral("seed"), 0, std::numeric_limits<qint64>::max());
    if (!contracts || !installments || !payments || !seed)
        return 1;
    const velmar::bench::RegisterSize size{int(*contracts), int(*installments), int(*payments), std::uint64_t(*seed)};

    const QString folder = parser.positionalArguments().front();
    QElapsedTimer timer;
    timer.start();
    try {
        velmar::bench::writeRegisterFolder(folder, size);
    } catch (const velmar::StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    std::printf("%d contracts, %lld installments, %d payments written to %s in %.1f s\n", size.contracts,
                qint64(size.contracts) * size.installmentsPerContract, size.payments, qPrintable(folder),
                double(timer.elapsed()) / 1000.0);
    return 0;
}
