// The texts the details window and the payment dialog set from code; fixed labels live in their .ui files.
#pragma once

#include <QString>

namespace velmar::payment_window_texts {

// "Penalitati oprite de la data de" for a contract whose penalties are never stopped.
inline const QString kNeverStopped = QStringLiteral(" -");

// Installment grid: bands and column titles, left to right.
inline const QString kPenaltyBand = QStringLiteral("Penalitati");
inline const QString kNrRataTitle = QStringLiteral("Nr. rata");
inline const QString kDataRataTitle = QStringLiteral("Data impunerii");
inline const QString kDataPenTitle = QStringLiteral("Data scadenta");
inline const QString kRataIniTitle = QStringLiteral("Rata initiala");
inline const QString kRataCalcTitle = QStringLiteral("Rata actualizata");
inline const QString kAchitatTitle = QStringLiteral("Achitat");
inline const QString kRestantaTitle = QStringLiteral("Rest de plata");
inline const QString kPenalRestTitle = QStringLiteral("Penalitati Sold");
inline const QString kPenalCurTitle = QStringLiteral("Penalitati curente");
inline const QString kPenalTotTitle = QStringLiteral("Total");
inline const QString kDeAchitatTitle = QStringLiteral("De achitat");

// Payment grid.
inline const QString kDocumentBand = QStringLiteral("Document justificativ");
inline const QString kDocJusTitle = QStringLiteral("Tip");
inline const QString kNrChitTitle = QStringLiteral("Numarul");
inline const QString kDataChitTitle = QStringLiteral("Din data");
inline const QString kSumaTitle = QStringLiteral("Rata achitata");
inline const QString kPenalTitle = QStringLiteral("Penalitati");
inline const QString kTotalTitle = QStringLiteral("Total");

// "Listeaza Chitanta" over an empty payment list.
inline const QString kNothingToPrint = QStringLiteral("Nu aveti ce lista!");

}  // namespace velmar::payment_window_texts
