// The payment tests' contract and its readable rows.
#include "payment_fixture.h"

#include "payments/payment_list.h"
#include "store/sql/csv_format.h"

#include <gtest/gtest.h>

namespace velmar::test {

qint64 dayOf(const char* text) { return dayNumber(day(text)); }

PaymentFixture::PaymentFixture()
{
    db().execute("DELETE FROM Inflatie");
    db().execute("DELETE FROM PenalIst");
    db().execute("INSERT INTO PenalIst (IDP, DATASTAB, PEZI, PELUNA) VALUES (1, ?, 0.1, 0)", {dayOf("01.01.2000")});
    idcon = add(sampleInput());
}

PaymentOutcome PaymentFixture::pay(qint64 amount, const char* date, qint64 nr, const QString& kind)
{
    return RecordPayment(app(), idcon, {kind, QString::number(nr), amount, day(date)});
}

std::optional<PaymentProblem> PaymentFixture::undoLast()
{
    const std::vector<PaymentLine> listed = LoadPaymentList(db(), idcon);
    return UndoPayment(app(), idcon, listed.empty() ? std::nullopt : std::optional(listed.back().idchit), counter);
}

ContractStatus PaymentFixture::status(const char* date, InstallmentScope scope)
{
    app().rates().LoadPenaltyRates(db());
    return LoadContractStatus(db(), app().rates(), idcon, kNoStopDay, dayOf(date), scope);
}

QString PaymentFixture::rateRows(const QString& columns)
{
    const QString sql = QStringLiteral("SELECT %1 FROM Rate WHERE IDCON = ? ORDER BY NRRATA").arg(columns);
    return toCsv(db().select(sql, {idcon}));
}

QString PaymentFixture::paymentRows(const QString& columns)
{
    const QString sql = QStringLiteral("SELECT %1 FROM Chitante WHERE IDCON = ? ORDER BY IDCHIT, IDRATA").arg(columns);
    return toCsv(db().select(sql, {idcon}));
}

QString PaymentFixture::settlement()
{
    QString lines;
    for (const Installment& i : installments(idcon))
        lines += QStringLiteral("%1,%2,%3,%4\n")
                     .arg(i.nrrata)
                     .arg(DayToText(double(i.ultima)))
                     .arg(i.paid)
                     .arg(i.penaltyLeft);
    return lines;
}

QString PaymentFixture::allRows()
{
    QString rows;
    for (const char* sql :
         {"SELECT * FROM Rate ORDER BY IDCON, NRRATA", "SELECT * FROM Chitante ORDER BY IDCHIT, IDRATA",
          "SELECT * FROM UndoRate ORDER BY IDCHIT, IDCON, NRRATA", "SELECT IDLOG FROM Log"})
        rows += toCsv(db().select(QString::fromLatin1(sql)));
    return rows;
}

}  // namespace velmar::test
