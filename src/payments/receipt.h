// The receipt of one payment ("Listeaza Chitanta" once the payment is picked, and after every recorded
// payment): the payment's rows, the receipt's tags and the data folder's ModelChitanta.rtf filled with them.
#pragma once

#include "contracts/contract_list.h"

#include <QString>
#include <utility>
#include <vector>

namespace velmar {

class AppContext;
class Database;
class Interaction;
class TRTFReplace;

inline const QString kReceiptTemplate = QStringLiteral("ModelChitanta.rtf");

// One installment the payment touched, as its receipt line shows it.
struct ReceiptLine {
    qint64 suma = 0;   // principal paid
    qint64 penal = 0;  // penalty paid
    qint64 nrrata = 0;
    qint64 datarata = 0;  // day numbers
    qint64 datapen = 0;
};

struct ReceiptPayment {
    qint64 idchit = 0;
    QString docjus;
    qint64 nrchit = 0;
    qint64 datachit = 0;
    qint64 total = 0;  // over all the payment's rows
    ContractRow holder;
    std::vector<ReceiptLine> lines;  // by NRRATA
};

// The payment with its contract; StoreError when there is no such payment or contract.
ReceiptPayment LoadReceiptPayment(Database& db, qint64 idchit);

// The receipt's tags with their values, in the order they are registered: the administration's county
// and name, the payment, the holder, then five tags per line, "-" in those of lines up to 7 it lacks.
std::vector<std::pair<QString, QString>> ReceiptTags(const ReceiptPayment& payment, const QString& county,
                                                     const QString& commune);

enum class ReceiptOutcome {
    Written,      // rtf.RTFDest holds the receipt
    Declined,     // the user did not want a payment of another document kind as a receipt
    NotProduced,  // no free output name, or the template unusable; the user was told
};

// Asks before printing a payment that is not a "Chitanta", reminds of the template while it was never
// edited, then writes the receipt: into `outFile` when given, else the first free TEMP/ChitantaN.rtf.
ReceiptOutcome WriteReceipt(AppContext& app, Interaction& ui, TRTFReplace& rtf, qint64 idchit,
                            const QString& outFile = {});

// The details window's command: WriteReceipt into TEMP, then the receipt is opened for printing.
ReceiptOutcome PrintReceipt(AppContext& app, Interaction& ui, TRTFReplace& rtf, qint64 idchit);

}  // namespace velmar
