// The texts the debt computation shows to the user.
#pragma once

#include <QString>

namespace velmar::debt_texts {

inline QString badDate(const QString& text) { return QStringLiteral("Data incorecta: \"%1\" (zz.ll.aaaa)").arg(text); }
inline QString badRate(const QString& text)
{
    return QStringLiteral("Valoare incorecta: \"%1\" (cel mult 3 cifre inainte de punct si 2 dupa)").arg(text);
}
inline QString negativePenalty(const QString& text)
{
    return QStringLiteral("Penalitatile nu pot fi negative: %1").arg(text);
}
inline QString noPenaltyRow(qint64 id) { return QStringLiteral("Nu exista penalitatea cu IDP %1").arg(id); }
inline QString noInflationRow(qint64 id) { return QStringLiteral("Nu exista rata inflatiei cu IDINF %1").arg(id); }
inline const QString kReindexCaption = QStringLiteral("Actualizez ratele...");

// The rate dialogs and the grids of the administration window.
inline const QString kNewPenalty = QStringLiteral("Definire Penalitate noua");
inline const QString kChangePenalty = QStringLiteral("Modificare Penalitate");
inline const QString kNewInflation = QStringLiteral("Adaugare Rata Inflatie");
inline const QString kChangeInflation = QStringLiteral("Modificare Rata Inflatie");
inline const QString kNothingToChange = QStringLiteral("Nu aveti ce modifica!");
inline const QString kNothingToDelete = QStringLiteral("Nu aveti ce sterge!");
inline const QString kDeletePenaltyCaption = QStringLiteral("Stergere Penalitate");
inline const QString kDeletePenaltyQuestion = QStringLiteral("Doriti sa stergeti Penalitatea selectata?");
inline const QString kDeleteInflationCaption = QStringLiteral("Stergere Rata inflatie");
inline const QString kDeleteInflationQuestion = QStringLiteral("Doriti sa stergeti Rata inflatiei selectata?");

// The calculation sheet: its progress caption, the explanation of each event and its heading lines.
// Rates are written as their shortest decimal text ("0.1", "2"), numbers as plain whole numbers.
inline const QString kSheetCaption = QStringLiteral("Calculez Contractul...");
inline QString penaltyRateEvent(const QString& perDay, const QString& perMonth)
{
    return QStringLiteral("Stabilire Penalitati: %1% pe zi, %2% pe luna").arg(perDay, perMonth);
}
inline QString inflationRateEvent(const QString& value)
{
    return QStringLiteral("Stabilire Rata Inflatie: %1%").arg(value);
}
inline QString imposedEvent(qint64 nrrata) { return QStringLiteral("Impunere Rata %1").arg(nrrata); }
inline QString dueEvent(qint64 nrrata) { return QStringLiteral("Scadenta Rata %1").arg(nrrata); }
inline QString paymentEvent(const QString& docjus, qint64 nrchit)
{
    return QStringLiteral("%1 nr.%2").arg(docjus).arg(nrchit);
}
inline const QString kBalanceToday = QStringLiteral("Sold la zi");
inline QString sheetDate(const QString& today) { return QStringLiteral("La data de ") + today; }
inline QString penaltiesStopped(const QString& stop)
{
    return QStringLiteral(";    penalitati oprite la data de ") + stop;
}
inline QString sheetHolder(const QString& nume) { return QStringLiteral("Titular : ") + nume; }
inline QString sheetContract(qint64 nrcon, const QString& datacon)
{
    return QStringLiteral("Contract : %1 / %2").arg(nrcon).arg(datacon);
}
inline QString noSheetContract(qint64 idcon) { return QStringLiteral("Nu exista contractul cu IDCON %1").arg(idcon); }

}  // namespace velmar::debt_texts
