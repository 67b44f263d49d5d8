// The texts the debt computation shows to the user.
#pragma once

#include <QString>

namespace velmar::debt_texts {

inline QString badDate(const QString& text) { return QStringLiteral("Data incorecta: \"%1\" (zz.ll.aaaa)").arg(text); }
inline QString badRate(const QString& text)
{
    return QStringLiteral("Valoare incorecta: \"%1\" (cel mult 3 cifre inainte de punct si 2 dupa)").arg(text);
}
inline QString negativePenalty(const QString& text) { return QStringLiteral("Penalitatile nu pot fi negative: %1").arg(text); }
inline QString noPenaltyRow(qint64 id) { return QStringLiteral("Nu exista penalitatea cu IDP %1").arg(id); }
inline QString noInflationRow(qint64 id) { return QStringLiteral("Nu exista rata inflatiei cu IDINF %1").arg(id); }
inline const QString kReindexCaption = QStringLiteral("Actualizez ratele...");

}  // namespace velmar::debt_texts
