// One contract on a folder whose rates make penalties easy to follow: no inflation (RATACALC = RATAINI) and
// 0.1 % a day from 2000 on, so 1000 lei owed for d days cost d lei.
#pragma once

#include "app/rate_tables.h"
#include "contract_fixture.h"
#include "payments/installment_status.h"
#include "payments/payment_recording.h"
#include "store/dates.h"
#include "store/id_counters.h"

namespace velmar::test {

inline const QString kKind = QStringLiteral("Chitanta");

class PaymentFixture : public ContractFixture {
public:
    // The sample contract: 5 installments of 1000 due each 15.03 from 2013, penalties from each 15.04.
    PaymentFixture();

    qint64 idcon = 0;

    PaymentOutcome pay(qint64 amount, const char* date, qint64 nr = 1, const QString& kind = kKind);
    std::optional<PaymentProblem> undoLast();
    ContractStatus status(const char* date, InstallmentScope scope = InstallmentScope::DueByDate);

    // Rows as CSV text, for comparisons that show what differs.
    QString rateRows(const QString& columns = QStringLiteral("*"));
    QString paymentRows(const QString& columns = QStringLiteral("*"));
    // What payments change on each installment: "NRRATA,ULTIMA (dd.MM.yyyy),ACHITAT,PENALREST" lines.
    QString settlement();
    // Every payment-related row of every contract: what a refused command must leave as it was.
    QString allRows();
};

// dd.MM.yyyy -> day number.
qint64 dayOf(const char* text);

// Names the tests of a table of cases after each case's `name`.
inline constexpr auto caseName = [](const auto& info) { return std::string(info.param.name); };

}  // namespace velmar::test
