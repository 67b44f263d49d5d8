// velmar-cli contract add | modify | delete | list: the contract register without its windows.
#include "cli/commands.h"

#include "app/app_context.h"
#include "app/interaction.h"
#include "cli/options.h"
#include "contracts/contract_fields.h"
#include "contracts/contract_input.h"
#include "contracts/contract_list.h"
#include "contracts/contract_list_columns.h"
#include "contracts/contract_operations.h"
#include "contracts/contract_texts.h"
#include "contracts/contract_validation.h"
#include "export/export_texts.h"
#include "export/table_export.h"
#include "store/clock.h"
#include "store/counties.h"
#include "store/dates.h"
#include "store/rounding.h"
#include "store/sql/csv_format.h"
#include "store/store_error.h"

namespace velmar::cli {

namespace {

namespace texts = contract_texts;

const QString kUsage = QStringLiteral(
    "velmar-cli contract add --nrcon N --datacon D --nrrate N --datarata1 D --datapen1 D [--stoppen D] --nume T\n"
    "              [--cnp T] [--rol T] [--adresa T] [--loc T] [--jud JUDET] [--supraft X] --rata X [--obs T]\n"
    "          velmar-cli contract modify IDCON [aceleasi optiuni] [--no-stoppen] [--yes]\n"
    "          velmar-cli contract delete IDCON\n"
    "          velmar-cli contract list [--nume T] [--rol T] [--sort COLOANA]\n"
    "              [--format xls|html|doc|txt|csv|tsv|rtf|dif|slk --out FISIER]");

[[noreturn]] void usage() { throw StoreError(QStringLiteral("Folosire: %1").arg(kUsage)); }

// The options as the dialog's boxes would have taken them: numbers within the box, capitals where the box
// makes them, no text longer than the box.
class InputOptions {
public:
    explicit InputOptions(const Options& o) : o_(o) {}

    void apply(ContractInput& in) const
    {
        number("nrcon", nrConBox(), in.nrCon);
        number("nrrate", nrRateBox(), in.nrRate);
        number("supraft", suprafTBox(), in.suprafT);
        number("rata", rataBox(), in.rata);
        date("datacon", in.dataCon);
        date("datarata1", in.dataRata1);
        date("datapen1", in.dataPen1);
        text("nume", kNumeBox, in.nume);
        text("cnp", kCnpBox, in.cnp);
        text("rol", kRolBox, in.rol);
        text("adresa", kAdresaBox, in.adresa);
        text("loc", kLocBox, in.loc);
        text("obs", kObsBox, in.obs);
        if (o_.has("jud")) {
            const QString county = o_.value("jud").toUpper();
            if (!counties().contains(county))
                throw StoreError(texts::unknownCounty(o_.value("jud")));
            in.jud = county;
        }
        if (o_.has("stoppen") && o_.has("no-stoppen"))
            usage();
        if (o_.has("stoppen"))
            in.stopPen = dateArgument(o_.value("stoppen"));
        if (o_.has("stoppen") || o_.has("no-stoppen"))
            in.stopPenChecked = o_.has("stoppen");
    }

private:
    void number(const char* name, NumericLimits box, QString& field) const
    {
        if (!o_.has(name))
            return;
        const QString typed = o_.value(name);
        if (!fitsNumericLimits(typed, box))
            throw StoreError(
                texts::outsideNumericBox(QStringLiteral("--") + name, typed, box.integerDigits, box.decimals));
        field = typed;
    }
    void date(const char* name, QDate& field) const
    {
        if (o_.has(name))
            field = dateArgument(o_.value(name));
    }
    void text(const char* name, TextBox box, QString& field) const
    {
        if (!o_.has(name))
            return;
        const QString typed = o_.value(name);
        if (typed.size() > box.maxLength)
            throw StoreError(texts::textTooLong(QStringLiteral("--") + name, box.maxLength));
        field = box.upperCase ? typed.toUpper() : typed;
    }

    const Options& o_;
};

const QStringList kInputOptions{"nrcon", "datacon", "nrrate", "datarata1", "datapen1", "stoppen", "nume", "cnp",
                                "rol",   "adresa",  "loc",    "jud",       "supraft",  "rata",    "obs"};

// The dialog's checks; a refusal is its balloon message.
ContractInput validated(AppContext& app, const ContractInput& input, EditedContract edited)
{
    const ContractCheck check = ValidateContract(app.db(), input, edited);
    if (!check.accepted())
        throw StoreError(check.message);
    return check.input;
}

int add(const Options& o, QTextStream& out)
{
    requirePositional(o, 1, kUsage);
    const auto app = AppContext::openLocal();
    ContractInput input = NewContractInput(app->unitIdentity(), today());
    InputOptions(o).apply(input);
    SilentProgressCounter counter;
    out << AddContract(*app, validated(*app, input, kNewContract), counter) << '\n';
    return 0;
}

int modify(const Options& o, QTextStream& out)
{
    requirePositional(o, 2, kUsage);
    const qint64 idcon = idArgument(o.positional[1], QStringLiteral("IDCON"));
    const auto app = AppContext::openLocal();
    const std::optional<ContractRow> contract = FindContract(app->db(), idcon);
    if (!contract)
        throw StoreError(texts::noContract(idcon));
    ContractInput input = ContractInputOf(*contract);
    InputOptions(o).apply(input);
    const ContractInput checked = validated(*app, input, idcon);
    ScriptedInteraction ui(o.has("yes") ? std::deque<int>{MessageResult::Yes} : std::deque<int>{});
    if (!ModifyContract(*app, idcon, checked, ui, ui.counter()))
        throw StoreError(terminalText(texts::kPaymentsWarning));
    out << terminalText(ui.shown().back().text) << '\n';
    return 0;
}

int remove(const Options& o)
{
    requirePositional(o, 2, kUsage);
    const qint64 idcon = idArgument(o.positional[1], QStringLiteral("IDCON"));
    DeleteContract(*AppContext::openLocal(), idcon);
    return 0;
}

// The list as its window shows it with the same search and order, written as the window's export would.
void exportList(AppContext& app, const ContractFilter& filter, const Options& o)
{
    if (!o.has("format") || !o.has("out"))
        usage();
    const std::optional<ExportFormat> format = exportFormatOfExtension(o.value("format"));
    if (!format)
        throw StoreError(export_texts::unknownFormat(o.value("format")));
    std::vector<ContractRow> rows = LoadContractList(app.db(), o.value("sort"));
    std::erase_if(rows, [&](const ContractRow& r) { return !filter.accepts(r); });
    exportToFile(shownTable(contractListHeading(), today(), contractListColumns(), rows), *format, o.value("out"));
}

int list(const Options& o, QTextStream& out)
{
    requirePositional(o, 1, kUsage);
    const auto app = AppContext::openLocal();
    const ContractFilter filter{o.value("nume"), o.value("rol")};
    if (o.has("format") || o.has("out")) {
        exportList(*app, filter, o);
        return 0;
    }
    out << "IDCON,NRCON,DATACON,NRRATE,ACTIV,NUME,ROL,CNP,ADRESA,LOC,JUD,SUPRAFT,RATA,MONEDA,TIPRATA,DATARATA1,"
           "DATAPEN1,TIPPENAL,StopPen,OBS,RESTANTA\n";
    for (const ContractRow& r : LoadContractList(app->db(), o.value("sort"))) {
        if (!filter.accepts(r))
            continue;
        const QStringList fields{QString::number(r.idcon),
                                 QString::number(r.nrcon),
                                 DayToText(double(r.datacon)),
                                 QString::number(r.nrrate),
                                 csvField(r.activ),
                                 csvField(r.nume),
                                 csvField(r.rol),
                                 csvField(r.cnp),
                                 csvField(r.adresa),
                                 csvField(r.loc),
                                 csvField(r.jud),
                                 formatNumber(r.supraft),
                                 QString::number(r.rata),
                                 csvField(r.moneda),
                                 csvField(r.tiprata),
                                 DayToText(double(r.datarata1)),
                                 DayToText(double(r.datapen1)),
                                 QString::number(r.tippenal),
                                 stopPenText(r.stopPen),
                                 csvField(r.obs),
                                 QString::number(r.restanta)};
        out << fields.join(u',') << '\n';
    }
    return 0;
}

}  // namespace

int contractCommand(const QStringList& args, QTextStream& out)
{
    const Options o = parseOptions(args, kInputOptions + QStringList{"sort", "format", "out"}, {"no-stoppen", "yes"});
    const QString verb = o.positional.value(0);
    if (verb == u"add")
        return add(o, out);
    if (verb == u"modify")
        return modify(o, out);
    if (verb == u"delete")
        return remove(o);
    if (verb == u"list")
        return list(o, out);
    usage();
}

}  // namespace velmar::cli
