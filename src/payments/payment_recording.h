// Recording a payment against a contract's installments and undoing the last one. Each is one
// transaction: snapshot, installment changes, payment rows and log entry land together or not at all.
#pragma once

#include "store/numeric_limits.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace velmar {

class AppContext;
class Database;
class ProgressCounter;

// A refusal as the window shows it: a "Problema !" balloon at `field`, or, for Field::None, Mesaj(caption,
// text, OK, error).
struct PaymentProblem {
    enum class Field { None, DocJus, Total, UndoButton };
    Field field = Field::None;
    QString text;
    QString caption;  // Field::None only
};

// What the payment dialog's number boxes take: "Numarul" what NRCHIT holds; "Suma incasata" what SUMA holds,
// since each part of the amount lands in SUMA or PENAL.
NumericLimits nrChitBox();
NumericLimits totalBox();

// The payment dialog's values once its boxes took them (an emptied number box holds 0).
struct PaymentInput {
    QString docJus;     // one of payment_texts::kDocumentKinds
    QString nrChit;     // "Numarul" as typed: the log keeps "0057", NRCHIT stores 57
    qint64 amount = 0;  // "Suma incasata"
    QDate date;         // the details window's calculation date

    qint64 documentNumber() const { return nrChit.toLongLong(); }  // an emptied box holds 0
};

// Before the dialog opens: a contract with nothing left to collect is finished.
std::optional<PaymentProblem> CheckCollectable(qint64 maximum);
// "&Memoreaza": the document kind, then the amount against the maximum the dialog shows.
std::optional<PaymentProblem> CheckPaymentInput(const PaymentInput& input, qint64 maximum);

// Runs once the payment has landed, with its IDCHIT (the receipt).
using ReceiptPrinter = std::function<void(qint64 idchit)>;

struct PaymentOutcome {
    std::optional<PaymentProblem> problem;  // nothing was stored
    qint64 idchit = 0;
};

// Checks again under the data folder's lock, with the installments and penalty rates as they are there,
// then spreads the amount over the installments: oldest first, each one's penalty before its principal.
// Once the payment has landed, the proposed document number becomes the one used + 1.
PaymentOutcome RecordPayment(AppContext& app, qint64 idcon, const PaymentInput& input,
                             const ReceiptPrinter& printReceipt = {});

// What stops "Sterge incasare" before its question (payment_texts::undoQuestion): nothing listed, or a
// selected payment other than the contract's last one. `selectedIdchit` is the payment list's current line.
std::optional<PaymentProblem> CheckUndo(Database& db, qint64 idcon, std::optional<qint64> selectedIdchit);

// Puts the contract's installments back as they were before the selected payment, removes the payment and
// its snapshot, and indexes the installments for inflation again. Runs CheckUndo again under the lock.
std::optional<PaymentProblem> UndoPayment(AppContext& app, qint64 idcon, std::optional<qint64> selectedIdchit,
                                          ProgressCounter& counter);

}  // namespace velmar
