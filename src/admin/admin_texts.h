// The texts the administration shows to the user: the login, the administration window's messages,
// notices and hints.
#pragma once

#include <QString>

namespace velmar::admin_texts {

inline const QString kNoPasswordCaption = QStringLiteral("Administrare");
inline const QString kNoPasswordText = QStringLiteral("        ATENTIE!\r\nNu aveti nici o parola!");
inline const QString kEmptyPasswordCaption = QStringLiteral("Bine ati venit!");
inline const QString kEmptyPasswordText = QStringLiteral("Nu aveti dreptul sa modificati datele!");
inline const QString kWrongPasswordCaption = QStringLiteral("Greseala!");
inline const QString kWrongPasswordText = QStringLiteral("PAROLA INCORECTA !");

// The server folder.
inline const QString kServerPickerTitle = QStringLiteral("Indicati baza de date din retea");
inline const QString kNotHereCaption = QStringLiteral("Selectare Cale salvari");
inline const QString kNotHereText = QStringLiteral("Nu puteti salva aici!");
inline const QString kConnectedCaption = QStringLiteral("Conectat la server");
inline const QString kConnectedText = QStringLiteral("Conectarea la server a reusit!\rPorniti programul din nou !");
inline const QString kWrongServerCaption = QStringLiteral("Conectare server");
inline QString wrongServerText(const QString& folder)
{
    return QStringLiteral("Baza de date ") + folder + QStringLiteral("\rNU este corecta!\rVerificati ce-ati ales!");
}
inline const QString kNoServerToDelete = QStringLiteral("Nu aveti ce sterge.");
inline const QString kDisconnectCaption = QStringLiteral("Stergere cale server");
inline const QString kDisconnectQuestion = QStringLiteral("Doriti sa va deconectati de la server?");
inline const QString kDisconnectedCaption = QStringLiteral("Deconectat de la server");
inline const QString kDisconnectedText =
    QStringLiteral("Sunteti deconectat de la server!\rPorniti programul din nou !");
inline const QString kDisconnectedShown = QStringLiteral("  -");

// The automatic-backup folder.
inline const QString kBackupPickerTitle = QStringLiteral("Indicati calea salvarilor automate");
inline const QString kAutoBackupCaption = QStringLiteral("Salvare Automata");
inline const QString kOnlyServerSaves = QStringLiteral("Numai Serverul poate salva automat!");
inline const QString kUnwritableCaption = QStringLiteral("Stabilire cale salvari");
inline QString unwritableText(const QString& folder)
{
    return QStringLiteral("Nu pot scrie in ") + folder + QStringLiteral(" !\rAlegeti alta cale, unde sa pot scrie!");
}
inline const QString kBackupSetCaption = QStringLiteral("Salvari automate");
inline QString backupSetText(const QString& folder)
{
    return QStringLiteral("Calea pentru Salvari Automate este acum \r") + folder + u'.';
}
inline const QString kBackupAlreadyOff = QStringLiteral("Salvarea automata este deja dezactivata.");
inline const QString kDisableCaption = QStringLiteral("Stergere cale salvari");
inline const QString kDisableQuestion = QStringLiteral("Doriti sa dezactivati salvarea automata?");
inline const QString kDisabledText = QStringLiteral("Salvarea automata a fost dezactivata!");

// The administrator password.
inline const QString kPasswordCaption = QStringLiteral("Eroare la completare");
inline const QString kPasswordsDiffer = QStringLiteral("Nu ati scris parola noua la fel in cele doua casute !");
inline const QString kPasswordChangedCaption = QStringLiteral("Confirmare");
inline const QString kPasswordChanged = QStringLiteral("Parola a fost schimbata cu succes!");
inline const QString kRemovePasswordQuestion =
    QStringLiteral("ATENTIE !\r\nDoriti sa dezactivati parola de administrator?");
inline constexpr int kPasswordLength = 32;
inline const QString kPasswordTooLong = QStringLiteral("Parola are cel mult 32 de caractere!");

// The print templates.
inline const QString kTemplateRestoredCaption = QStringLiteral("Initializare model");
inline const QString kTemplateRestored = QStringLiteral("\rModelul de listare a fost refacut.");
inline QString cannotDelete(const QString& file) { return QStringLiteral("Nu pot sterge fisierul ") + file; }

}  // namespace velmar::admin_texts
