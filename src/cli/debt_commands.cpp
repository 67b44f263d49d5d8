// velmar-cli penalty, months, factor, reindex and rates: the debt computations and the rate tables.
#include "cli/commands.h"

#include "app/app_context.h"
#include "app/progress_counter.h"
#include "app/rate_tables.h"
#include "cli/options.h"
#include "debt/indexation.h"
#include "debt/rate_edits.h"
#include "store/dates.h"
#include "store/rounding.h"
#include "store/sql/database.h"
#include "store/store_error.h"

namespace velmar::cli {

namespace {

QString precise(double value) { return QString::number(value, 'g', 17); }

const QString kRatesUsage = QStringLiteral(
    "velmar-cli rates penalty list | add --date D --pezi X --peluna Y | change IDP [optiuni] | delete IDP\n"
    "          velmar-cli rates inflation list | add --date D --valoare V | change IDINF [optiuni] | delete IDINF");

void printRates(Database& db, const QString& sql, QTextStream& out)
{
    const QueryResult rows = db.select(sql);
    out << rows.columns.join(u',') << '\n';
    for (const QVariantList& row : rows.rows) {
        QStringList fields;
        fields << QString::number(row[0].toLongLong()) << DayToText(row[1].toDouble());
        for (qsizetype c = 2; c < row.size(); ++c)
            fields << formatNumber(row[c].toDouble());
        out << fields.join(u',') << '\n';
    }
}

// The fields of a change default to the row's current values.
PenaltyRateEdit penaltyEdit(const Options& o, const QVariantList& current)
{
    return {o.has("date") ? dateArgument(o.value("date")) : dateFromDayNumber(current.value(0).toLongLong()),
            o.value("pezi", formatNumber(current.value(1).toDouble())),
            o.value("peluna", formatNumber(current.value(2).toDouble()))};
}

InflationRateEdit inflationEdit(const Options& o, const QVariantList& current)
{
    return {o.has("date") ? dateArgument(o.value("date")) : dateFromDayNumber(current.value(0).toLongLong()),
            o.value("valoare", formatNumber(current.value(1).toDouble()))};
}

QVariantList currentRow(Database& db, const QString& sql, qint64 id)
{
    const QueryResult rows = db.select(sql, {id});
    return rows.rows.empty() ? QVariantList{} : rows.rows.front();
}

int penaltyRates(AppContext& app, const Options& o, QTextStream& out)
{
    Database& db = app.db();
    const QString verb = o.positional.value(1);
    if (verb == u"list") {
        printRates(db, QStringLiteral("SELECT IDP, DATASTAB, PEZI, PELUNA FROM PenalIst ORDER BY DATASTAB, IDP"), out);
    } else if (verb == u"add") {
        if (!o.has("date"))
            throw StoreError(QStringLiteral("Folosire: %1").arg(kRatesUsage));
        out << AddPenaltyRate(db, app.ids(), penaltyEdit(o, {})) << '\n';
    } else if (verb == u"change") {
        const qint64 id = idArgument(o.positional.value(2), QStringLiteral("IDP"));
        const QVariantList current =
            currentRow(db, QStringLiteral("SELECT DATASTAB, PEZI, PELUNA FROM PenalIst WHERE IDP = ?"), id);
        ChangePenaltyRate(db, id, penaltyEdit(o, current));
    } else if (verb == u"delete") {
        DeletePenaltyRate(db, idArgument(o.positional.value(2), QStringLiteral("IDP")));
    } else {
        throw StoreError(QStringLiteral("Folosire: %1").arg(kRatesUsage));
    }
    return 0;
}

int inflationRates(AppContext& app, const Options& o, QTextStream& out)
{
    Database& db = app.db();
    SilentProgressCounter counter;
    InflationRateEditor editor(db, app.ids(), app.rates(), counter);
    const QString verb = o.positional.value(1);
    if (verb == u"list") {
        printRates(db, QStringLiteral("SELECT IDINF, DATASTAB, VALOARE FROM Inflatie ORDER BY DATASTAB, IDINF"), out);
    } else if (verb == u"add") {
        if (!o.has("date"))
            throw StoreError(QStringLiteral("Folosire: %1").arg(kRatesUsage));
        out << editor.add(inflationEdit(o, {})) << '\n';
    } else if (verb == u"change") {
        const qint64 id = idArgument(o.positional.value(2), QStringLiteral("IDINF"));
        editor.change(
            id,
            inflationEdit(
                o, currentRow(db, QStringLiteral("SELECT DATASTAB, VALOARE FROM Inflatie WHERE IDINF = ?"), id)));
    } else if (verb == u"delete") {
        editor.remove(idArgument(o.positional.value(2), QStringLiteral("IDINF")));
    } else {
        throw StoreError(QStringLiteral("Folosire: %1").arg(kRatesUsage));
    }
    return 0;
}

}  // namespace

int penaltyCommand(const QStringList& args, QTextStream& out)
{
    const Options o = parseOptions(args, {"stop"});
    requirePositional(o, 2, QStringLiteral("velmar-cli penalty START CALC [--stop DATA]"));
    const qint64 start = dayNumber(dateArgument(o.positional[0]));
    const qint64 calc = dayNumber(dateArgument(o.positional[1]));
    const qint64 stop = o.has("stop") ? dayNumber(dateArgument(o.value("stop"))) : kNoStopDay;
    const auto app = AppContext::openLocal();
    app->rates().LoadPenaltyRates(app->db());
    out << precise(app->rates().ComputePenalty(double(calc), double(start), double(stop))) << '\n';
    return 0;
}

int monthsCommand(const QStringList& args, QTextStream& out)
{
    const Options o = parseOptions(args, {});
    requirePositional(o, 2, QStringLiteral("velmar-cli months A B"));
    out << MonthsBetween(dayNumber(dateArgument(o.positional[0])), dayNumber(dateArgument(o.positional[1]))) << '\n';
    return 0;
}

int factorCommand(const QStringList& args, QTextStream& out)
{
    const Options o = parseOptions(args, {});
    requirePositional(o, 2, QStringLiteral("velmar-cli factor DE_LA PANA_LA"));
    const qint64 from = dayNumber(dateArgument(o.positional[0]));
    const qint64 to = dayNumber(dateArgument(o.positional[1]));
    const auto app = AppContext::openLocal();
    app->rates().LoadInflationRates(app->db());
    out << precise(app->rates().InflationFactor(from, to)) << '\n';
    return 0;
}

int reindexCommand(const QStringList& args, QTextStream& out)
{
    const Options o = parseOptions(args, {});
    if (o.positional.size() > 1)
        throw StoreError(QStringLiteral("Folosire: velmar-cli reindex [IDCON|-1]"));
    // "-1", as the program has always written it, stands for every contract.
    const QString typed = o.positional.value(0, QStringLiteral("-1"));
    const ContractChoice contract =
        typed == u"-1" ? kAllContracts : ContractChoice(idArgument(typed, QStringLiteral("IDCON")));
    const auto app = AppContext::openLocal();
    SilentProgressCounter counter;
    out << "Rate actualizate: " << ReindexInstallments(app->db(), app->rates(), contract, counter) << '\n';
    return 0;
}

int ratesCommand(const QStringList& args, QTextStream& out)
{
    const Options o = parseOptions(args, {"date", "pezi", "peluna", "valoare"});
    const QString table = o.positional.value(0);
    if (table != u"penalty" && table != u"inflation")
        throw StoreError(QStringLiteral("Folosire: %1").arg(kRatesUsage));
    const auto app = AppContext::openLocal();
    return table == u"penalty" ? penaltyRates(*app, o, out) : inflationRates(*app, o, out);
}

}  // namespace velmar::cli
