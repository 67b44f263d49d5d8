// The save question at exit and the automatic backup's file name.
#include "session/exit_save.h"

#include "admin/backup_folder.h"
#include "app/interaction.h"
#include "session/session_texts.h"

#include <QDir>
#include <QFileInfo>

namespace velmar {

bool AskSaveOnExit(const ExitSituation& s, Interaction& ui)
{
    using namespace session_texts;
    if (!s.workUnlocked || !s.backupAvailable)
        return false;
    if (s.mode == WorkingMode::Archive)
        return ui.Mesaj(kSaveChangesCaption, kSaveChangesText, MessageButton::Yes | MessageButton::No,
                        MessageKind::Confirmation) == MessageResult::Yes;
    if (s.mode == WorkingMode::Local && s.backupFolder != kBackupOff)
        return ui.Mesaj(kAutoBackupCaption, kAutoBackupText, MessageButton::Yes | MessageButton::No,
                        MessageKind::Confirmation) == MessageResult::Yes;
    return false;
}

QString AutomaticBackupTarget(const QString& folder, QDate today)
{
    const QString stem = today.toString(QStringLiteral("ddMMyyyy"));
    for (int n = 0;; ++n) {
        const QString candidate = QDir(folder).filePath(QStringLiteral("%1_%2.VLR").arg(stem).arg(n));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

}  // namespace velmar
