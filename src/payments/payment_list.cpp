// The grouped payment list.
#include "payments/payment_list.h"

#include "store/sql/database.h"

namespace velmar {

std::vector<PaymentLine> LoadPaymentList(Database& db, qint64 idcon)
{
    const QueryResult rows = db.select(
        QStringLiteral("SELECT IDCHIT, DOCJUS, NRCHIT, DATACHIT, SUM(SUMA), SUM(PENAL) FROM Chitante WHERE IDCON = ? "
                       "GROUP BY IDCHIT, IDCON, DOCJUS, DATACHIT, NRCHIT HAVING DOCJUS >= ? ORDER BY IDCHIT"),
        {idcon, QStringLiteral("A")});
    std::vector<PaymentLine> lines;
    lines.reserve(rows.rows.size());
    for (const QVariantList& v : rows.rows)
        lines.push_back({v[0].toLongLong(), v[1].toString(), v[2].toLongLong(), v[3].toLongLong(), v[4].toLongLong(),
                         v[5].toLongLong()});
    return lines;
}

}  // namespace velmar
