// The contract tests' data folder.
#include "contract_fixture.h"

#include "contracts/contract_operations.h"
#include "contracts/contract_validation.h"
#include "store/action_log.h"
#include "store/dates.h"

#include <gtest/gtest.h>

namespace velmar::test {

QDate day(const char* text) { return *parseDate(QString::fromLatin1(text)); }

ContractInput sampleInput()
{
    ContractInput input;
    input.nrCon = QStringLiteral("12");
    input.dataCon = day("15.03.2013");
    input.nrRate = QStringLiteral("5");
    input.dataRata1 = day("15.03.2013");
    input.dataPen1 = day("15.04.2013");
    input.nume = QStringLiteral("NUME TITULAR");
    input.rol = QStringLiteral("R1");
    input.jud = QStringLiteral("CLUJ");
    input.rata = QStringLiteral("1000");
    return input;
}

qint64 ContractFixture::add(const ContractInput& input)
{
    const ContractCheck check = ValidateContract(db(), input, kNewContract);
    EXPECT_TRUE(check.accepted()) << check.message.toStdString();
    return AddContract(app(), check.input, counter);
}

void ContractFixture::pay(qint64 idcon, qint64 amount)
{
    const qint64 idchit = nextPayment_++;
    db().execute("INSERT INTO Chitante (IDCHIT, IDCON, IDRATA, DOCJUS, DATACHIT, NRCHIT, SUMA, PENAL) "
                 "SELECT ?, IDCON, IDRATA, 'Chitanta', DATARATA, ?, ?, 0 FROM Rate WHERE IDCON = ? AND NRRATA = 1",
                 {idchit, idchit, amount, idcon});
    db().execute("INSERT INTO UndoRate SELECT ?, * FROM Rate WHERE IDCON = ?", {idchit, idcon});
    db().execute("UPDATE Rate SET ACHITAT = ACHITAT + ? WHERE IDCON = ? AND NRRATA = 1", {amount, idcon});
}

std::vector<Installment> ContractFixture::installments(qint64 idcon)
{
    std::vector<Installment> rows;
    for (const QVariantList& r : db().select("SELECT IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, RATAINI, RATACALC, "
                                             "ACHITAT, PENALREST FROM Rate WHERE IDCON = ? ORDER BY NRRATA",
                                             {idcon})
                                     .rows)
        rows.push_back({r[0].toLongLong(), r[1].toLongLong(), DayToText(r[2].toDouble()), DayToText(r[3].toDouble()),
                        r[4].toLongLong(), r[5].toLongLong(), r[6].toLongLong(), r[7].toLongLong(), r[8].toLongLong()});
    return rows;
}

QStringList ContractFixture::logActions()
{
    QStringList actions;
    for (const LogEntry& entry : ReadLog(db()))
        actions << entry.action;
    return actions;
}

QVariantList ContractFixture::contractColumns(qint64 idcon, const QString& columns)
{
    const QueryResult found =
        db().select(QStringLiteral("SELECT %1 FROM Contract WHERE IDCON = ?").arg(columns), {idcon});
    return found.rows.empty() ? QVariantList{} : found.rows.front();
}

}  // namespace velmar::test
