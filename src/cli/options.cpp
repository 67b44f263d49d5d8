// Parsing velmar-cli arguments.
#include "cli/options.h"

#include "debt/debt_texts.h"
#include "store/dates.h"
#include "store/store_error.h"

namespace velmar::cli {

Options parseOptions(const QStringList& args, const QStringList& valued, const QStringList& flags)
{
    Options options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--")) || arg.size() == 2) {
            options.positional << arg;
            continue;
        }
        const QString name = arg.mid(2);
        if (flags.contains(name)) {
            options.flags.insert(name);
        } else if (valued.contains(name)) {
            if (i + 1 >= args.size())
                throw StoreError(QStringLiteral("Optiunea %1 cere o valoare").arg(arg));
            options.values[name] << args[++i];
        } else {
            throw StoreError(QStringLiteral("Optiune necunoscuta: %1").arg(arg));
        }
    }
    return options;
}

QDate dateArgument(const QString& text)
{
    if (const auto date = parseDate(text))
        return *date;
    throw StoreError(debt_texts::badDate(text));
}

qint64 idArgument(const QString& text, const QString& what)
{
    bool ok = false;
    const qint64 id = text.toLongLong(&ok);
    if (!ok)
        throw StoreError(QStringLiteral("%1 trebuie sa fie un numar intreg: \"%2\"").arg(what, text));
    return id;
}

void requirePositional(const Options& options, int count, const QString& usage)
{
    if (options.positional.size() != count)
        throw StoreError(QStringLiteral("Folosire: %1").arg(usage));
}

QString terminalText(QString text) { return text.replace(u'\r', u'\n'); }

}  // namespace velmar::cli
