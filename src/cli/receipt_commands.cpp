// velmar-cli receipt: the receipt of one payment written as RTF, without opening it.
#include "cli/commands.h"

#include "app/app_context.h"
#include "app/interaction.h"
#include "cli/options.h"
#include "payments/receipt.h"
#include "payments/rtf_replace.h"
#include "platform/document_opener.h"
#include "store/store_error.h"

#include <QDir>

namespace velmar::cli {

int receiptCommand(const QStringList& args, QTextStream& out)
{
    const QString usage = QStringLiteral("velmar-cli receipt IDCHIT [--out FILE.rtf]");
    const Options o = parseOptions(args, {"out"});
    requirePositional(o, 1, usage);
    const qint64 idchit = idArgument(o.positional[0], QStringLiteral("IDCHIT"));
    const auto app = AppContext::openLocal();
    // A payment of another document kind is printed as a receipt all the same: the command asks for one.
    ScriptedInteraction ui({MessageResult::Yes});
    SystemDocumentOpener opener;  // never used: the receipt is only written
    TRTFReplace rtf(opener);
    const QString outFile = o.has("out") ? QDir::current().absoluteFilePath(o.value("out")) : QString();
    if (WriteReceipt(*app, ui, rtf, idchit, outFile) != ReceiptOutcome::Written)
        throw StoreError(terminalText(ui.shown().back().text));
    out << QDir::toNativeSeparators(rtf.RTFDest) << '\n';
    return 0;
}

}  // namespace velmar::cli
