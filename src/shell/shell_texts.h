// The texts the main window and the login show to the user.
#pragma once

#include <QString>

namespace velmar::shell_texts {

inline const QString kStartLog = QStringLiteral("Pornire Contracte Dorvan");
inline const QString kEndLog = QStringLiteral("Inchidere Contracte Dorvan");

inline const QString kNoPasswordCaption = QStringLiteral("Administrare");
inline const QString kNoPasswordText = QStringLiteral("        ATENTIE!\r\nNu aveti nici o parola!");
inline const QString kEmptyPasswordCaption = QStringLiteral("Bine ati venit!");
inline const QString kEmptyPasswordText = QStringLiteral("Nu aveti dreptul sa modificati datele!");
inline const QString kWrongPasswordCaption = QStringLiteral("Greseala!");
inline const QString kWrongPasswordText = QStringLiteral("PAROLA INCORECTA !");

inline const QString kNameCheckCaption = QStringLiteral("Atentionare");
inline QString nameCheckText(const QString& administrationButton)
{
    return QStringLiteral("Nu ati completat denumirea primariei la ") + administrationButton + QStringLiteral("!") +
           QStringLiteral("\r") + QStringLiteral("Doriti sa o completati acum?");
}

inline const QString kSaveChangesCaption = QStringLiteral("Salvare modificari");
inline const QString kSaveChangesText = QStringLiteral("Doriti sa salvati modificarile ?");
inline const QString kAutoBackupCaption = QStringLiteral("Salvare Automata");
inline const QString kAutoBackupText = QStringLiteral("Doriti sa facem o copie la datele de azi?");
inline const QString kBackupTargetCaption = QStringLiteral("Salvare");
inline QString cannotWrite(const QString& target) { return QStringLiteral("Nu pot scrie in ") + target + QStringLiteral("!"); }

}  // namespace velmar::shell_texts
