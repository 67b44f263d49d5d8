// velmar-cli details | pay | undo | payments: a contract's installments at a date, and its payments.
#include "cli/commands.h"

#include "app/app_context.h"
#include "app/progress_counter.h"
#include "app/rate_tables.h"
#include "cli/options.h"
#include "contracts/contract_list.h"
#include "contracts/contract_texts.h"
#include "payments/installment_status.h"
#include "payments/payment_list.h"
#include "payments/payment_recording.h"
#include "payments/payment_texts.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/id_counters.h"
#include "store/sql/csv_format.h"
#include "store/store_error.h"

namespace velmar::cli {

namespace {

struct ContractArgs {
    std::unique_ptr<AppContext> app;
    ContractRow contract;
    Options options;
};

// IDCON as the only positional argument, the contract it names, and the program's folders.
ContractArgs contractArgs(const QStringList& args, const QStringList& valued, const QString& usage)
{
    Options o = parseOptions(args, valued);
    requirePositional(o, 1, usage);
    const qint64 idcon = idArgument(o.positional[0], QStringLiteral("IDCON"));
    auto app = AppContext::openLocal();
    std::optional<ContractRow> contract = FindContract(app->db(), idcon);
    if (!contract)
        throw StoreError(contract_texts::noContract(idcon));
    return {std::move(app), *contract, std::move(o)};
}

QDate calculationDate(const Options& o) { return o.has("date") ? dateArgument(o.value("date")) : today(); }

// The option's text as the dialog's box would take it.
QString boxText(const Options& o, const char* name, NumericLimits box, const QString& fallback)
{
    const QString typed = o.value(name, fallback);
    if (!fitsNumericLimits(typed, box))
        throw StoreError(contract_texts::outsideNumericBox(QStringLiteral("--") + name, typed, box.integerDigits, 0));
    return typed;
}

[[noreturn]] void refuse(const PaymentProblem& problem) { throw StoreError(problem.text); }

QString day(qint64 value) { return DayToText(double(value)); }

}  // namespace

int detailsCommand(const QStringList& args, QTextStream& out)
{
    const ContractArgs c = contractArgs(args, {"date"}, QStringLiteral("velmar-cli details IDCON [--date D]"));
    RateTables& rates = c.app->rates();
    rates.LoadPenaltyRates(c.app->db());
    const ContractStatus status = LoadContractStatus(c.app->db(), rates, c.contract.idcon, c.contract.stopPen,
                                                     dayNumber(calculationDate(c.options)));
    out << "NRRATA,DATARATA,DATAPEN,ULTIMA,RATAINI,RATACALC,ACHITAT,RESTANTA,PENALREST,PENALCUR,PENALTOT,DEACHITAT\n";
    for (const InstallmentStatus& s : status.installments) {
        const QStringList fields{QString::number(s.nrrata),
                                 day(s.datarata),
                                 day(s.datapen),
                                 day(s.ultima),
                                 QString::number(s.rataini),
                                 QString::number(s.ratacalc),
                                 QString::number(s.achitat),
                                 QString::number(s.restanta),
                                 QString::number(s.penalrest),
                                 QString::number(s.penalcur),
                                 QString::number(s.penaltot),
                                 QString::number(s.deachitat)};
        out << fields.join(u',') << '\n';
    }
    out << "TOTAL," << status.totals.restanta << ',' << status.totals.penalitati << ',' << status.totals.dePlata()
        << '\n';
    return 0;
}

int payCommand(const QStringList& args, QTextStream& out)
{
    const QString usage = QStringLiteral("velmar-cli pay IDCON --amount A [--doc \"Chitanta\"|\"Ordin de plata\"|"
                                         "\"Nota contabila\"] [--nr N] [--date D]");
    const ContractArgs c = contractArgs(args, {"amount", "doc", "nr", "date"}, usage);
    const Options& o = c.options;
    if (!o.has("amount"))
        throw StoreError(QStringLiteral("Folosire: %1").arg(usage));
    const PaymentInput input{
        o.value("doc", payment_texts::kDocumentKinds.front()),
        boxText(o, "nr", nrChitBox(), QString::number(c.app->ids().PeekId(QStringLiteral("NRCHIT")))),
        boxText(o, "amount", totalBox(), {}).toLongLong(), calculationDate(o)};
    const PaymentOutcome outcome = RecordPayment(*c.app, c.contract.idcon, input);
    if (outcome.problem)
        refuse(*outcome.problem);
    out << outcome.idchit << '\n';
    return 0;
}

int undoCommand(const QStringList& args, QTextStream&)
{
    const ContractArgs c = contractArgs(args, {}, QStringLiteral("velmar-cli undo IDCON"));
    const std::vector<PaymentLine> listed = LoadPaymentList(c.app->db(), c.contract.idcon);
    SilentProgressCounter counter;
    // The confirmation is implied: the last listed payment is the one selected.
    if (auto problem = UndoPayment(*c.app, c.contract.idcon,
                                   listed.empty() ? std::nullopt : std::optional(listed.back().idchit), counter))
        refuse(*problem);
    return 0;
}

int paymentsCommand(const QStringList& args, QTextStream& out)
{
    const ContractArgs c = contractArgs(args, {}, QStringLiteral("velmar-cli payments IDCON"));
    out << "IDCHIT,DOCJUS,NRCHIT,DATACHIT,SUMA,PENAL,TOTAL\n";
    for (const PaymentLine& p : LoadPaymentList(c.app->db(), c.contract.idcon)) {
        const QStringList fields{QString::number(p.idchit), csvField(p.docjus),      QString::number(p.nrchit),
                                 day(p.datachit),           QString::number(p.suma), QString::number(p.penal),
                                 QString::number(p.total())};
        out << fields.join(u',') << '\n';
    }
    return 0;
}

}  // namespace velmar::cli
