// The texts the contract register shows to the user, as the clerks know them (typos included).
#pragma once

#include <QString>

namespace velmar::contract_texts {

// The only items of the dialog's currency, period and penalty-type lists: MONEDA and TIPRATA store the
// item, TIPPENAL its index.
inline const QString kCurrency = QStringLiteral("LEI");
inline const QString kPeriod = QStringLiteral("AN");
inline const QString kPenaltyType = QStringLiteral("CONFORM LEGII (VEZI TABELUL DE LA BUTONUL ADMIN)");

// Balloon messages of the contract dialog's checks, in the order the checks run.
inline const QString kBadNumber = QStringLiteral("Numar de contract incorect!");
inline const QString kBadContractDate = QStringLiteral("Data contractu;ui este incorect!");
inline const QString kBadDuration = QStringLiteral("Durata este incorecta!");
inline const QString kBadName = QStringLiteral("Nume incorect!");
inline const QString kBadCode = QStringLiteral("CNP/Cod Fiscal incorect!");
inline const QString kBadDates = QStringLiteral("Mai ganditi-va putin la datele astea...!");
inline const QString kBadInstallment = QStringLiteral("Rata este incorecta!");
inline const QString kDuplicateNumber = QStringLiteral("Mai exista un contract activ cu acelasi numar!");
// A value the register's column cannot hold (an installment that rounds to 11 digits).
inline const QString kValueTooLarge = QStringLiteral("Valoare prea mare!");

// Modification.
inline const QString kModifyCaption = QStringLiteral("Modificare Contract");
inline const QString kPaymentsWarning = QStringLiteral("La acest Contract s-au facut incasari!\rNu pot modifica "
                                                       "valorile la Termene, Rata si Tip Contract!\rContinuam asa ?");
inline const QString kModified = QStringLiteral("Contractul a fost modificat cu succes!");
inline const QString kNothingToModify = QStringLiteral("Nu aveti ce modifica!");

// Deletion.
inline const QString kDeleteCaption = QStringLiteral("Stergere Contract");
inline const QString kDeleteQuestion = QStringLiteral("Doriti sa stergeti contractul selectat\rcu chitante cu tot?!");
inline const QString kNothingToDelete = QStringLiteral("Nu aveti ce sterge!");

// Action-log entries: prefix + number + " / " + date + ", " + holder + ".".
inline const QString kAddedLog = QStringLiteral("Adaugare Contract Nr.");
inline const QString kDeletedLog = QStringLiteral("Stergere Contract Nr.");
inline QString logText(const QString& prefix, const QString& number, const QString& date, const QString& holder)
{
    return prefix + number + QStringLiteral(" / ") + date + QStringLiteral(", ") + holder + QStringLiteral(".");
}

inline QString noContract(qint64 idcon) { return QStringLiteral("Nu exista contractul cu IDCON %1").arg(idcon); }
inline QString noSortColumn(const QString& column)
{
    return QStringLiteral("Lista contractelor nu se poate ordona dupa \"%1\"").arg(column);
}

// The command-line tool has no boxes to hold typing to their limits, so it refuses instead.
inline QString outsideNumericBox(const QString& option, const QString& text, int integerDigits, int decimals)
{
    const QString limits = decimals == 0
        ? QStringLiteral("cel mult %1 cifre, fara zecimale").arg(integerDigits)
        : QStringLiteral("cel mult %1 cifre inainte de punct si %2 dupa").arg(integerDigits).arg(decimals);
    return QStringLiteral("Valoare incorecta pentru %1: \"%2\" (%3)").arg(option, text, limits);
}
inline QString textTooLong(const QString& option, int maxLength)
{
    return QStringLiteral("Text prea lung pentru %1: cel mult %2 caractere").arg(option).arg(maxLength);
}
inline QString unknownCounty(const QString& text) { return QStringLiteral("Judet necunoscut: \"%1\"").arg(text); }

}  // namespace velmar::contract_texts
