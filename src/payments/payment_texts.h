// The texts the payments part shows to the user, as the clerks know them.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar::payment_texts {

// The payment dialog's document kinds, in list order; the first is selected at each opening. DOCJUS stores
// the item.
inline const QStringList kDocumentKinds{QStringLiteral("Chitanta"), QStringLiteral("Ordin de plata"),
                                        QStringLiteral("Nota contabila")};

// "Adauga incasare".
inline const QString kPaymentCaption = QStringLiteral("Incasare");
inline const QString kFinished = QStringLiteral("Acest contract este finalizat!");
inline const QString kOddAmount = QStringLiteral("Valoarea incasata e ciudata!");
inline QString tooMuch(const QString& maximum)
{
    return QStringLiteral("Suma incasata nu poate fi mai mare de ") + maximum + QStringLiteral("!");
}
// The dialog offers only its list; the command-line tool takes any text, so it names the ones it knows.
inline QString unknownDocumentKind(const QString& kind)
{
    return QStringLiteral("Tip document necunoscut: \"%1\" (%2)").arg(kind, kDocumentKinds.join(QStringLiteral(", ")));
}

// "Sterge incasare".
inline const QString kUndoCaption = QStringLiteral("Stergere incasare");
inline const QString kNothingToUndo = QStringLiteral("Nu aveti ce sterge!");
inline const QString kOnlyLast = QStringLiteral("NU puteti sterge decat ULTIMA incasare!");
inline QString undoQuestion(const QString& kind, const QString& number)
{
    return QStringLiteral("Stergem ") + kind + QStringLiteral(" nr.") + number + QStringLiteral(" ?");
}
// A payment whose installment snapshot is gone (a folder from elsewhere) cannot be undone without losing
// the installments.
inline const QString kNoSnapshot =
    QStringLiteral("Incasarea nu poate fi stearsa: lipsesc ratele salvate la inregistrarea ei!");

// "Listeaza Chitanta".
inline const QString kReceiptCaption = QStringLiteral("Listare Chitanta");
inline QString receiptKindQuestion(const QString& kind)
{
    return QStringLiteral("Incasarea selectata este ") + kind.toUpper() +
        QStringLiteral("!\rDoriti sa o afisez sub forma de Chitanta?");
}
inline const QString kReminderCaption = QStringLiteral("Afisare Chitanta");
inline const QString kCompleteTemplate = QStringLiteral(
    "Datele lipsa de pe chitanta le puteti completa\rde la butonul Administrare > Modele formulare pentru listare!");
// When no receipt can be produced: every output name taken, the template unusable, the output not writable.
inline QString receiptNamesTaken(const QString& folder)
{
    return QStringLiteral("Chitanta nu poate fi scrisa: Chitanta0.rtf ... Chitanta99.rtf din\r") + folder +
        QStringLiteral("\rsunt deschise. Inchideti chitantele deschise si listati din nou!");
}
inline QString receiptTemplateUnusable(const QString& path)
{
    return QStringLiteral("Chitanta nu poate fi listata: modelul\r") + path +
        QStringLiteral("\rlipseste, este gol sau nu este un model de chitanta!\r"
                       "Il puteti reface de la butonul Administrare > Modele formulare pentru listare!");
}
inline QString receiptNotWritable(const QString& path)
{
    return QStringLiteral("Chitanta nu poate fi scrisa in fisierul\r") + path + QStringLiteral("!");
}
inline QString noPayment(qint64 idchit) { return QStringLiteral("Nu exista incasarea cu IDCHIT %1").arg(idchit); }

// Action-log entries.
inline QString paymentLog(const QString& holder, const QString& kind, const QString& number, const QString& date,
                          const QString& amount)
{
    return QStringLiteral("Incasare ") + holder + QStringLiteral(" : ") + kind + QStringLiteral(" nr.") + number +
        QStringLiteral("/") + date + QStringLiteral(" = ") + amount + QStringLiteral(" lei.");
}
inline QString undoLog(const QString& kind, const QString& number, const QString& total, const QString& holder,
                       const QString& contractNumber, const QString& contractDate)
{
    return QStringLiteral("Stergere ") + kind + QStringLiteral(" nr.") + number + QStringLiteral("=") + total +
        QStringLiteral(" lei, ") + holder + QStringLiteral(" Contr.") + contractNumber + QStringLiteral("/") +
        contractDate + QStringLiteral(".");
}

}  // namespace velmar::payment_texts
