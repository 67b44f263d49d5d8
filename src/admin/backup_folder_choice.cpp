// The automatic-backup folder chosen, tested and switched off.
#include "admin/backup_folder_choice.h"

#include "admin/admin_texts.h"
#include "admin/backup_folder.h"
#include "admin/server_folder.h"
#include "app/app_context.h"
#include "app/interaction.h"
#include "store/settings.h"
#include "store/text_helpers.h"

#include <QDir>
#include <QTemporaryFile>

namespace velmar {

namespace {

using namespace admin_texts;

const QString kKey = QStringLiteral("CALESALVARI");

// The write test takes a name of its own: a test.txt of the user's in that folder is never overwritten.
bool canWriteIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("test_XXXXXX.txt")));
    return probe.open() && probe.write("test") == 4;
}

}  // namespace

bool MayChooseBackupFolder(const AppContext& app, Interaction& ui)
{
    if (app.mode() != WorkingMode::Network)
        return true;
    ui.Mesaj(kAutoBackupCaption, kOnlyServerSaves, MessageButton::Ok, MessageKind::Error);
    return false;
}

std::optional<QString> ChooseBackupFolder(Settings& settings, Interaction& ui, const QString& picked)
{
    const QString folder = pickedFolder(picked);
    // A name with a line break in it could not be stored as one key of the settings file.
    if (WithoutControlCharacters(folder) != folder || !canWriteIn(folder)) {
        ui.Mesaj(kUnwritableCaption, unwritableText(folder), MessageButton::Ok, MessageKind::Error);
        return std::nullopt;
    }
    settings.WriteMachineSetting(kKey, folder);
    ui.Mesaj(kBackupSetCaption, backupSetText(folder), MessageButton::Ok, MessageKind::Information);
    return folder;
}

BackupSwitchOff DisableAutomaticBackup(Settings& settings, Interaction& ui, const QString& shown)
{
    if (shown.trimmed().size() < 2)
        return BackupSwitchOff::AlreadyOff;
    if (ui.Mesaj(kDisableCaption, kDisableQuestion, MessageButton::Yes | MessageButton::No,
                 MessageKind::Confirmation) != MessageResult::Yes)
        return BackupSwitchOff::Declined;
    settings.WriteMachineSetting(kKey, kBackupOff);
    ui.Mesaj(kAutoBackupCaption, kDisabledText, MessageButton::Ok, MessageKind::Information);
    return BackupSwitchOff::SwitchedOff;
}

}  // namespace velmar
