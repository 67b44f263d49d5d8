// The texts the administrator login shows to the user.
#pragma once

#include <QString>

namespace velmar::admin_texts {

inline const QString kNoPasswordCaption = QStringLiteral("Administrare");
inline const QString kNoPasswordText = QStringLiteral("        ATENTIE!\r\nNu aveti nici o parola!");
inline const QString kEmptyPasswordCaption = QStringLiteral("Bine ati venit!");
inline const QString kEmptyPasswordText = QStringLiteral("Nu aveti dreptul sa modificati datele!");
inline const QString kWrongPasswordCaption = QStringLiteral("Greseala!");
inline const QString kWrongPasswordText = QStringLiteral("PAROLA INCORECTA !");

}  // namespace velmar::admin_texts
