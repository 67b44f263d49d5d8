// The texts the suggestion sender shows to the user.
#pragma once

#include <QString>

namespace velmar::online_texts {

inline const QString kDialogCaption = QStringLiteral("Trimitere sugestie");
inline const QString kPhoneHint = QStringLiteral("exemplu. 0722222777");

inline const QString kNameWrong = QStringLiteral("Nume incorect!");
inline const QString kPhoneWrong = QStringLiteral("Telefon incorect!");
inline const QString kEmailWrong = QStringLiteral("Email incorect!");
inline const QString kSuggestionTooShort = QStringLiteral("Sugestia dvs e prea scurta!");

inline const QString kSendingCaption = QStringLiteral("Transmit mesajul...");
inline const QString kOutcomeCaption = QStringLiteral("Transmitere Sugestie");
inline const QString kSent = QStringLiteral(
    "Mesajul a fost transmis!\rRaspunsul il veti primi in curand in emailul dvs. sau la telefon.\rVa multumim!");
inline const QString kNotSent = QStringLiteral(
    "Mesajul nu poate fi transmis!\rVerificati daca aveti internet sau daca nu ati restrictionat accesul la "
    "internet al programului!");

}  // namespace velmar::online_texts
