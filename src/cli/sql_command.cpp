// velmar-cli sql STATEMENT [PARAM...]: one statement on the data folder.
#include "cli/commands.h"

#include "store/folders.h"
#include "store/sql/csv_format.h"
#include "store/sql/database.h"
#include "store/store_error.h"

#include <QRegularExpression>

namespace velmar::cli {

namespace {

QVariant parameterOf(const QString& text)
{
    static const QRegularExpression whole(QStringLiteral(R"(^-?\d{1,18}$)"));
    static const QRegularExpression decimal(QStringLiteral(R"(^-?\d*\.\d+$)"));
    if (whole.match(text).hasMatch())
        return text.toLongLong();
    if (decimal.match(text).hasMatch())
        return text.toDouble();
    return text;
}

bool isSelection(const QString& sql)
{
    static const QRegularExpression select(QStringLiteral(R"(^\s*(SELECT|WITH|VALUES)\b)"),
                                           QRegularExpression::CaseInsensitiveOption);
    return select.match(sql).hasMatch();
}

}  // namespace

int sqlCommand(const QStringList& args, QTextStream& out)
{
    if (args.isEmpty())
        throw StoreError(QStringLiteral("Folosire: velmar-cli sql INSTRUCTIUNE [PARAMETRU...]"));
    QVariantList params;
    for (qsizetype i = 1; i < args.size(); ++i)
        params << parameterOf(args[i]);
    Database db(localDataFolder());
    if (isSelection(args[0]))
        out << toCsv(db.select(args[0], params));
    else
        out << db.execute(args[0], params) << '\n';
    return 0;
}

}  // namespace velmar::cli
