// velmar-cli slip | debts: the payments slip and the debts list as CSV of their band rows, and with --out
// the filled workbook; nothing is opened.
#include "cli/commands.h"

#include "app/app_context.h"
#include "app/progress_counter.h"
#include "cli/options.h"
#include "payments/payment_texts.h"
#include "platform/document_opener.h"
#include "reports/debts_list.h"
#include "reports/payments_slip.h"
#include "reports/template_exporter.h"
#include "store/clock.h"
#include "store/store_error.h"

namespace velmar::cli {

namespace {

const QString kSlipUsage = QStringLiteral(
    "velmar-cli slip --from D --to D [--doc \"Chitanta\"|\"Ordin de plata\"|\"Nota contabila\"] [--out FILE.xls]");
const QString kDebtsUsage = QStringLiteral("velmar-cli debts [--out FILE.xls]");

SlipPeriod slipPeriod(const Options& o)
{
    if (!o.has("from") || !o.has("to") || !o.positional.isEmpty())
        throw StoreError(QStringLiteral("Folosire: %1").arg(kSlipUsage));
    const QString doc = o.value("doc");
    if (o.has("doc") && !payment_texts::kDocumentKinds.contains(doc))
        throw StoreError(payment_texts::unknownDocumentKind(doc));
    const SlipPeriod period{dateArgument(o.value("from")), dateArgument(o.value("to")), doc};
    if (const auto problem = CheckSlipPeriod(period))
        throw StoreError(*problem);
    return period;
}

}  // namespace

int slipCommand(const QStringList& args, QTextStream& out)
{
    const Options o = parseOptions(args, {"from", "to", "doc", "out"});
    const SlipPeriod period = slipPeriod(o);
    auto app = AppContext::openLocal();
    const ReportDataset rows = LoadPaymentsSlip(app->db(), period);
    if (o.has("out")) {
        SystemDocumentOpener neverUsed;
        TemplateExporter exporter(neverUsed);
        FillPaymentsSlip(exporter, app->dataFolder(), period, rows);
        exporter.saveAs(o.value("out"));
    }
    out << datasetCsv(rows, QStringLiteral("DATACHIT"));
    return 0;
}

int debtsCommand(const QStringList& args, QTextStream& out)
{
    const Options o = parseOptions(args, {"out"});
    requirePositional(o, 0, kDebtsUsage);
    auto app = AppContext::openLocal();
    SystemDocumentOpener neverUsed;
    TemplateExporter exporter(neverUsed);
    // A missing template stops the command before the debts are computed.
    if (o.has("out"))
        OpenDebtsList(exporter, app->dataFolder());
    SilentProgressCounter counter;
    const ReportDataset rows = ComputeDebts(app->db(), app->rates(), counter, today());
    if (o.has("out")) {
        FillDebtsList(exporter, today(), rows);
        exporter.saveAs(o.value("out"));
    }
    out << datasetCsv(rows, QStringLiteral("DATAPEN"));
    return 0;
}

}  // namespace velmar::cli
