// velmar-cli: the program's operations without windows, on the same folders as the desktop program.
#include "cli/commands.h"

#include "store/store_error.h"

#include <QCoreApplication>
#include <map>

namespace {

using Command = int (*)(const QStringList&, QTextStream&);

const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table{
        {QStringLiteral("sql"), velmar::cli::sqlCommand},
        {QStringLiteral("init"), velmar::cli::initCommand},
        {QStringLiteral("log"), velmar::cli::logCommand},
        {QStringLiteral("penalty"), velmar::cli::penaltyCommand},
        {QStringLiteral("months"), velmar::cli::monthsCommand},
        {QStringLiteral("factor"), velmar::cli::factorCommand},
        {QStringLiteral("reindex"), velmar::cli::reindexCommand},
        {QStringLiteral("rates"), velmar::cli::ratesCommand},
        {QStringLiteral("contract"), velmar::cli::contractCommand},
        {QStringLiteral("details"), velmar::cli::detailsCommand},
        {QStringLiteral("pay"), velmar::cli::payCommand},
        {QStringLiteral("undo"), velmar::cli::undoCommand},
        {QStringLiteral("payments"), velmar::cli::paymentsCommand},
        {QStringLiteral("receipt"), velmar::cli::receiptCommand},
        {QStringLiteral("template"), velmar::cli::templateCommand},
        {QStringLiteral("slip"), velmar::cli::slipCommand},
        {QStringLiteral("debts"), velmar::cli::debtsCommand},
        {QStringLiteral("sheet"), velmar::cli::sheetCommand},
        {QStringLiteral("check"), velmar::cli::checkCommand},
        {QStringLiteral("suggest"), velmar::cli::suggestCommand},
        {QStringLiteral("admin"), velmar::cli::adminCommand},
    };
    return table;
}

int usage(QTextStream& err)
{
    err << "Folosire: velmar-cli COMANDA [ARGUMENTE]\nComenzi:";
    for (const auto& [name, command] : commands())
        err << ' ' << name;
    err << '\n';
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage(err);
    const auto command = commands().find(args.takeFirst());
    if (command == commands().end())
        return usage(err);
    try {
        return command->second(args, out);
    } catch (const velmar::StoreError& e) {
        out.flush();
        err << e.message() << Qt::endl;
        return 1;
    } catch (const std::exception& e) {
        out.flush();
        err << QString::fromLocal8Bit(e.what()) << Qt::endl;
        return 1;
    }
}
