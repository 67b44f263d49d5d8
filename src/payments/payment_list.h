// The payments recorded for one contract, one line per payment however many installments it touched.
#pragma once

#include <QString>
#include <vector>

namespace velmar {

class Database;

struct PaymentLine {
    qint64 idchit = 0;
    QString docjus;
    qint64 nrchit = 0;
    qint64 datachit = 0;  // day number
    qint64 suma = 0;      // summed over the payment's rows
    qint64 penal = 0;
    qint64 total() const { return suma + penal; }
};

// By IDCHIT, so the last line is the most recent payment. A payment stored without a document kind
// (DOCJUS below "A", as blank) is left out, though its amounts still count in the installments.
std::vector<PaymentLine> LoadPaymentList(Database& db, qint64 idcon);

}  // namespace velmar
