// A second process for the payment tests: records or undoes a payment on the folders named by
// VELMAR_HOME and VELMAR_SYSTEM_DIR, and dies once the commit has written a given number of files.
#include "app/app_context.h"
#include "app/progress_counter.h"
#include "payments/payment_list.h"
#include "payments/payment_recording.h"
#include "payments/payment_texts.h"
#include "store/dates.h"
#include "store/sql/journal.h"

#include <QCoreApplication>
#include <cstdlib>
#include <iostream>

using namespace velmar;

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    // payment_worker FILES record IDCON AMOUNT DATE | payment_worker FILES undo IDCON
    const int dieAfter = args.value(1).toInt();
    const qint64 idcon = args.value(3).toLongLong();
    if (dieAfter < 1 || idcon < 1 || (args.value(2) != u"record" && args.value(2) != u"undo")) {
        std::cerr << "usage: payment_worker FILES record IDCON AMOUNT DATE | payment_worker FILES undo IDCON\n";
        return 2;
    }
    int written = 0;
    Journal::setAfterFileWrittenHook([&](const QString&) {
        if (++written == dieAfter)
            std::_Exit(9);
    });
    try {
        const auto app = AppContext::openLocal();
        if (args.value(2) == u"record") {
            const PaymentInput input{payment_texts::kDocumentKinds.front(), QStringLiteral("1"),
                                     args.value(4).toLongLong(), *parseDate(args.value(5))};
            if (const auto problem = RecordPayment(*app, idcon, input).problem) {
                std::cerr << problem->text.toStdString() << '\n';
                return 1;
            }
        } else {
            SilentProgressCounter counter;
            const std::vector<PaymentLine> listed = LoadPaymentList(app->db(), idcon);
            const std::optional<qint64> last = listed.empty() ? std::nullopt : std::optional(listed.back().idchit);
            if (const auto problem = UndoPayment(*app, idcon, last, counter)) {
                std::cerr << problem->text.toStdString() << '\n';
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    std::cerr << "the commit wrote " << written << " files\n";
    return 0;
}
