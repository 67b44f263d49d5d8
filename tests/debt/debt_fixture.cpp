// The debt tests' data folder.
#include "debt_fixture.h"

#include "store/dates.h"

namespace velmar::test {

void DebtFixture::addInstallments(qint64 idcon, const std::vector<std::pair<const char*, qint64>>& installments)
{
    std::vector<QVariantList> rows;
    qint64 number = 1;
    for (const auto& [due, amount] : installments) {
        const qint64 d = dayNumber(*parseDate(QString::fromLatin1(due)));
        rows.push_back({idcon, nextRate_++, number++, d, d + 30, d + 30, amount, amount});
    }
    db().executeBatch(
        "INSERT INTO Rate (IDCON, IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, RATAINI, RATACALC, ACHITAT, PENALREST) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, 0)",
        rows);
}

std::vector<qint64> DebtFixture::indexedAmounts(qint64 idcon)
{
    std::vector<qint64> amounts;
    for (const QVariantList& row :
         db().select("SELECT RATACALC FROM Rate WHERE IDCON = ? ORDER BY DATARATA, IDRATA", {idcon}).rows)
        amounts.push_back(row[0].toLongLong());
    return amounts;
}

}  // namespace velmar::test
