// The texts the main window shows to the user.
#pragma once

#include <QString>

namespace velmar::shell_texts {

inline const QString kStartLog = QStringLiteral("Pornire Contracte Dorvan");
inline const QString kEndLog = QStringLiteral("Inchidere Contracte Dorvan");

inline const QString kNameCheckCaption = QStringLiteral("Atentionare");
inline QString nameCheckText(const QString& administrationButton)
{
    return QStringLiteral("Nu ati completat denumirea primariei la ") + administrationButton + QStringLiteral("!") +
        QStringLiteral("\r") + QStringLiteral("Doriti sa o completati acum?");
}

inline const QString kBackupTargetCaption = QStringLiteral("Salvare");
inline QString cannotWrite(const QString& target)
{
    return QStringLiteral("Nu pot scrie in ") + target + QStringLiteral("!");
}

}  // namespace velmar::shell_texts
