// The questions asked when the program closes.
#pragma once

#include <QString>

namespace velmar::session_texts {

inline const QString kSaveChangesCaption = QStringLiteral("Salvare modificari");
inline const QString kSaveChangesText = QStringLiteral("Doriti sa salvati modificarile ?");
inline const QString kAutoBackupCaption = QStringLiteral("Salvare Automata");
inline const QString kAutoBackupText = QStringLiteral("Doriti sa facem o copie la datele de azi?");

}  // namespace velmar::session_texts
