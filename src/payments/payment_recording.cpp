// Payment recording and undo.
#include "payments/payment_recording.h"

#include "app/app_context.h"
#include "app/rate_tables.h"
#include "contracts/contract_list.h"
#include "contracts/contract_texts.h"
#include "debt/indexation.h"
#include "payments/installment_status.h"
#include "payments/payment_list.h"
#include "payments/payment_texts.h"
#include "store/action_log.h"
#include "store/dates.h"
#include "store/id_counters.h"
#include "store/sql/database.h"
#include "store/sql/transaction.h"
#include "store/store_error.h"
#include "store/table_schema.h"

#include <vector>

namespace velmar {

namespace {

namespace texts = payment_texts;

// The columns a snapshot keeps: every Rate column, which UndoRate repeats after its IDCHIT.
QString rateColumns() { return permanentTable(u"Rate").columnList(); }

PaymentProblem balloon(PaymentProblem::Field field, const QString& text) { return {field, text, {}}; }
PaymentProblem message(const QString& caption, const QString& text)
{
    return {PaymentProblem::Field::None, text, caption};
}

ContractRow existingContract(Database& db, qint64 idcon)
{
    std::optional<ContractRow> contract = FindContract(db, idcon);
    if (!contract)
        throw StoreError(contract_texts::noContract(idcon));
    return *contract;
}

// What one payment does to one installment.
struct Settlement {
    qint64 idrata;
    qint64 penal;      // penalty paid
    qint64 suma;       // principal paid
    qint64 penalrest;  // penalty left to carry
};

// Walks the installments with the values they had before the payment; those owing nothing are passed over
// and keep their ULTIMA, as do those after the one that used the amount up.
std::vector<Settlement> spread(const std::vector<InstallmentStatus>& installments, qint64 amount)
{
    std::vector<Settlement> touched;
    for (const InstallmentStatus& s : installments) {
        if (amount <= 0)
            break;
        if (s.deachitat <= 0)
            continue;
        Settlement t{s.idrata, 0, 0, 0};
        if (amount >= s.penaltot) {
            t.penal = s.penaltot;
            amount -= s.penaltot;
        } else {
            t.penal = amount;
            t.penalrest = s.penaltot - amount;
            amount = 0;
        }
        if (amount > 0) {
            t.suma = amount >= s.restanta ? s.restanta : amount;
            amount -= t.suma;
        }
        touched.push_back(t);
    }
    return touched;
}

void store(Database& db, qint64 idcon, qint64 idchit, const PaymentInput& input,
           const std::vector<Settlement>& settlements)
{
    const qint64 day = dayNumber(input.date);
    const TableDef& chitante = permanentTable(u"Chitante");
    RowValues row(chitante);
    row.set(u"IDCHIT", idchit).set(u"IDCON", idcon).set(u"DOCJUS", input.docJus).set(u"DATACHIT", day);
    row.set(u"NRCHIT", input.documentNumber());
    std::vector<QVariantList> updates;
    std::vector<QVariantList> rows;
    for (const Settlement& t : settlements) {
        updates.push_back({day, t.penalrest, t.suma, t.idrata, idcon});
        rows.push_back(row.set(u"IDRATA", t.idrata).set(u"SUMA", t.suma).set(u"PENAL", t.penal).values());
    }
    db.executeBatch(QStringLiteral("UPDATE Rate SET ULTIMA = ?, PENALREST = ?, ACHITAT = ACHITAT + ? "
                                   "WHERE IDRATA = ? AND IDCON = ?"),
                    updates);
    db.executeBatch(chitante.insertStatement(), rows);
}

// The payment to undo must be the last one listed and the last one recorded: a payment left out of the
// list (no document kind) may be newer, and restoring an older snapshot would silently drop it.
std::optional<PaymentProblem> undoRefusal(Database& db, qint64 idcon, const std::vector<PaymentLine>& listed,
                                          std::optional<qint64> selected)
{
    if (listed.empty() || !selected)
        return balloon(PaymentProblem::Field::UndoButton, texts::kNothingToUndo);
    const QueryResult last = db.select(QStringLiteral("SELECT MAX(IDCHIT) FROM Chitante WHERE IDCON = ?"), {idcon});
    if (*selected != listed.back().idchit || *selected != last.rows.front().front().toLongLong())
        return message(texts::kUndoCaption, texts::kOnlyLast);
    return std::nullopt;
}

}  // namespace

NumericLimits nrChitBox() { return numericLimitsOf(u"Chitante", u"NRCHIT"); }
NumericLimits totalBox() { return numericLimitsOf(u"Chitante", u"SUMA"); }

std::optional<PaymentProblem> CheckCollectable(qint64 maximum)
{
    // Overpaid contracts (a negative total) have nothing to collect either: any amount would be refused.
    if (maximum <= 0)
        return message(texts::kPaymentCaption, texts::kFinished);
    return std::nullopt;
}

std::optional<PaymentProblem> CheckPaymentInput(const PaymentInput& input, qint64 maximum)
{
    if (!texts::kDocumentKinds.contains(input.docJus))
        return balloon(PaymentProblem::Field::DocJus, texts::unknownDocumentKind(input.docJus));
    if (input.amount <= 1)
        return balloon(PaymentProblem::Field::Total, texts::kOddAmount);
    if (input.amount > maximum)
        return balloon(PaymentProblem::Field::Total, texts::tooMuch(QString::number(maximum)));
    return std::nullopt;
}

PaymentOutcome RecordPayment(AppContext& app, qint64 idcon, const PaymentInput& input,
                             const ReceiptPrinter& printReceipt)
{
    Database& db = app.db();
    qint64 idchit = 0;
    {
        Transaction transaction(db);
        const ContractRow contract = existingContract(db, idcon);
        app.rates().LoadPenaltyRates(db);
        const ContractStatus status =
            LoadContractStatus(db, app.rates(), idcon, contract.stopPen, dayNumber(input.date), InstallmentScope::All);
        const qint64 maximum = status.totals.dePlata();
        if (auto problem = CheckCollectable(maximum))
            return {problem};
        if (auto problem = CheckPaymentInput(input, maximum))
            return {problem};

        idchit = app.ids().NextId(QStringLiteral("IDCHIT"));
        db.execute(QStringLiteral("INSERT INTO UndoRate (IDCHIT, %1) SELECT ?, %1 FROM Rate WHERE IDCON = ?")
                       .arg(rateColumns()),
                   {idchit, idcon});
        WriteLog(db, app.ids(), app.userText(),
                 texts::paymentLog(contract.nume, input.docJus, input.nrChit, formatDate(input.date),
                                   QString::number(input.amount)));
        store(db, idcon, idchit, input, spread(status.installments, input.amount));
        transaction.commit();
    }
    // Moved only once the payment has landed: a payment that failed leaves its number to the next one.
    app.ids().SetId(QStringLiteral("NRCHIT"), input.documentNumber() + 1);
    if (printReceipt)
        printReceipt(idchit);
    return {std::nullopt, idchit};
}

std::optional<PaymentProblem> CheckUndo(Database& db, qint64 idcon, std::optional<qint64> selectedIdchit)
{
    return undoRefusal(db, idcon, LoadPaymentList(db, idcon), selectedIdchit);
}

std::optional<PaymentProblem> UndoPayment(AppContext& app, qint64 idcon, std::optional<qint64> selectedIdchit,
                                          ProgressCounter& counter)
{
    Database& db = app.db();
    Transaction transaction(db);
    const ContractRow contract = existingContract(db, idcon);
    const std::vector<PaymentLine> listed = LoadPaymentList(db, idcon);
    if (auto problem = undoRefusal(db, idcon, listed, selectedIdchit))
        return problem;
    // Every statement names the contract as well: an IDCHIT repeated in a folder from elsewhere must not
    // reach another contract's rows.
    const QVariantList payment{*selectedIdchit, idcon};
    const QueryResult snapshot =
        db.select(QStringLiteral("SELECT COUNT(*) FROM UndoRate WHERE IDCHIT = ? AND IDCON = ?"), payment);
    if (snapshot.rows.front().front().toLongLong() == 0)
        return message(texts::kUndoCaption, texts::kNoSnapshot);

    const PaymentLine& line = listed.back();
    WriteLog(db, app.ids(), app.userText(),
             texts::undoLog(line.docjus, QString::number(line.nrchit), QString::number(line.total()), contract.nume,
                            QString::number(contract.nrcon), DayToText(double(contract.datacon))));
    db.execute(QStringLiteral("DELETE FROM Chitante WHERE IDCHIT = ? AND IDCON = ?"), payment);
    db.execute(QStringLiteral("DELETE FROM Rate WHERE IDCON = ?"), {idcon});
    db.execute(QStringLiteral("INSERT INTO Rate (%1) SELECT %1 FROM UndoRate WHERE IDCHIT = ? AND IDCON = ?")
                   .arg(rateColumns()),
               payment);
    db.execute(QStringLiteral("DELETE FROM UndoRate WHERE IDCHIT = ? AND IDCON = ?"), payment);
    ReindexInstallments(db, app.rates(), idcon, counter);
    transaction.commit();
    return std::nullopt;
}

}  // namespace velmar
