// Filling the receipt template for one payment.
#include "payments/receipt.h"

#include "app/app_context.h"
#include "app/interaction.h"
#include "contracts/contract_texts.h"
#include "payments/payment_texts.h"
#include "payments/rtf_replace.h"
#include "store/dates.h"
#include "store/file_lookup.h"
#include "store/settings.h"
#include "store/sql/database.h"
#include "store/store_error.h"

#include <QDir>

namespace velmar {

namespace {

namespace texts = payment_texts;

// Lines beyond these are left off the form; [TOTAL] still holds the whole payment.
constexpr int kFormLines = 7;

QString day(qint64 value) { return DayToText(double(value)); }
QString amount(qint64 value) { return QString::number(value); }

ReceiptOutcome notProduced(Interaction& ui, const QString& text)
{
    ui.Mesaj(texts::kReceiptCaption, text, MessageButton::Ok, MessageKind::Error);
    return ReceiptOutcome::NotProduced;
}

}  // namespace

ReceiptPayment LoadReceiptPayment(Database& db, qint64 idchit)
{
    // A payment row whose installment is gone (the schedule was regenerated) still counts in the total.
    const QueryResult rows = db.select(
        QStringLiteral("SELECT C.IDCON, C.DOCJUS, C.NRCHIT, C.DATACHIT, C.SUMA, C.PENAL, R.NRRATA, R.DATARATA, "
                       "R.DATAPEN FROM Chitante C LEFT JOIN Rate R ON R.IDRATA = C.IDRATA WHERE C.IDCHIT = ? "
                       "ORDER BY R.NRRATA"),
        {idchit});
    if (rows.rows.empty())
        throw StoreError(texts::noPayment(idchit));
    const QVariantList& first = rows.rows.front();
    ReceiptPayment payment;
    payment.idchit = idchit;
    payment.docjus = first[1].toString();
    payment.nrchit = first[2].toLongLong();
    payment.datachit = first[3].toLongLong();
    for (const QVariantList& v : rows.rows) {
        const ReceiptLine line{v[4].toLongLong(), v[5].toLongLong(), v[6].toLongLong(), v[7].toLongLong(),
                               v[8].toLongLong()};
        payment.total += line.suma + line.penal;
        if (!v[6].isNull())
            payment.lines.push_back(line);
    }
    const qint64 idcon = first[0].toLongLong();
    std::optional<ContractRow> holder = FindContract(db, idcon);
    if (!holder)
        throw StoreError(contract_texts::noContract(idcon));
    payment.holder = std::move(*holder);
    return payment;
}

std::vector<std::pair<QString, QString>> ReceiptTags(const ReceiptPayment& payment, const QString& county,
                                                     const QString& commune)
{
    const ContractRow& h = payment.holder;
    std::vector<std::pair<QString, QString>> tags{
        {QStringLiteral("[JUDET]"), county},
        {QStringLiteral("[COMUNA]"), commune},
        {QStringLiteral("[NRC]"), amount(payment.nrchit)},
        {QStringLiteral("[DATA]"), day(payment.datachit)},
        {QStringLiteral("[TOTAL]"), amount(payment.total)},
        {QStringLiteral("[NUME]"), h.nume},
        {QStringLiteral("[ADRESA]"), h.adresa + QStringLiteral(", ") + h.loc + QStringLiteral(", jud.") + h.jud},
        {QStringLiteral("[ROL]"), h.rol},
        {QStringLiteral("[CNP]"), h.cnp},
    };
    const auto numbered = [](const char* name, qsizetype k) { return QStringLiteral("[%1%2]").arg(name).arg(k); };
    qsizetype k = 0;
    for (const ReceiptLine& line : payment.lines) {
        ++k;
        tags.emplace_back(numbered("LINIA", k),
                          QStringLiteral("CvC.nr.%1-Rata %2/%3").arg(h.nrcon).arg(line.nrrata).arg(day(line.datarata)));
        // Overdue at the payment's date: the principal paid settles an arrear, not the current installment.
        if (line.datapen < payment.datachit) {
            tags.emplace_back(numbered("CURENT", k), QStringLiteral("-"));
            tags.emplace_back(numbered("REST", k), amount(line.suma));
        } else {
            tags.emplace_back(numbered("REST", k), QStringLiteral("-"));
            tags.emplace_back(numbered("CURENT", k), amount(line.suma));
        }
        tags.emplace_back(numbered("MAJ", k), amount(line.penal));
        tags.emplace_back(numbered("TOTAL", k), amount(line.suma + line.penal));
    }
    while (++k <= kFormLines)
        for (const char* name : {"LINIA", "CURENT", "REST", "MAJ", "TOTAL"})
            tags.emplace_back(numbered(name, k), QStringLiteral("-"));
    return tags;
}

ReceiptOutcome WriteReceipt(AppContext& app, Interaction& ui, TRTFReplace& rtf, qint64 idchit, const QString& outFile)
{
    const ReceiptPayment payment = LoadReceiptPayment(app.db(), idchit);
    if (payment.docjus != texts::kDocumentKinds.front() &&
        ui.Mesaj(texts::kReceiptCaption, texts::receiptKindQuestion(payment.docjus),
                 MessageButton::Yes | MessageButton::No, MessageKind::Warning) != MessageResult::Yes)
        return ReceiptOutcome::Declined;
    const Settings& settings = app.settings();
    const QString section = QStringLiteral("CONST");
    if (settings.ReadSetting(section, QStringLiteral("EDITAT_CHITANTA")) != QStringLiteral("DA"))
        ui.Mesaj(texts::kReminderCaption, texts::kCompleteTemplate, MessageButton::Ok, MessageKind::Warning);

    rtf.RTFSursa = pathAnyCase(app.dataFolder(), kReceiptTemplate);
    if (outFile.isEmpty()) {
        const QString temp = QDir(app.systemFolder()).filePath(QStringLiteral("TEMP"));
        QDir().mkpath(temp);
        if (!rtf.ChooseDestination(QDir(temp).filePath(QStringLiteral("Chitanta"))))
            return notProduced(ui, texts::receiptNamesTaken(QDir::toNativeSeparators(temp)));
    } else {
        rtf.RTFDest = outFile;
    }
    if (!rtf.BeginOutput())
        return notProduced(ui,
                           rtf.problem() == TRTFReplace::Problem::OutputNotCreatable
                               ? texts::receiptNotWritable(QDir::toNativeSeparators(rtf.RTFDest))
                               : texts::receiptTemplateUnusable(QDir::toNativeSeparators(rtf.RTFSursa)));

    const UnitIdentity identity = app.unitIdentity();
    for (const auto& [tag, value] : ReceiptTags(payment, identity.county(), identity.comuna))
        rtf.AddTag(tag, value);
    rtf.WriteBody();
    rtf.Finish();
    return ReceiptOutcome::Written;
}

ReceiptOutcome PrintReceipt(AppContext& app, Interaction& ui, TRTFReplace& rtf, qint64 idchit)
{
    const ReceiptOutcome outcome = WriteReceipt(app, ui, rtf, idchit);
    if (outcome == ReceiptOutcome::Written)
        rtf.OpenResult();
    return outcome;
}

}  // namespace velmar
