// Closing the main window: whether to save the day's data (back into an opened archive, or as an
// automatic backup), and where an automatic backup goes.
#pragma once

#include "app/app_context.h"

#include <QDate>
#include <QString>

namespace velmar {

class Interaction;

struct ExitSituation {
    WorkingMode mode = WorkingMode::Local;
    bool workUnlocked = false;     // the contract button is shown (after a login, not after a restore)
    bool backupAvailable = false;  // a backup writer is there to do what the question promises
    QString backupFolder;          // the automatic-backup folder, "-" when off
};

// Asks what the situation calls for and returns whether to save. In archive mode only the archive
// question is asked: its "Nu" means the user wants no copy of this data.
bool AskSaveOnExit(const ExitSituation& situation, Interaction& ui);

// folder/ddMMyyyy_n.VLR with the smallest n from 0 that no file has yet.
QString AutomaticBackupTarget(const QString& folder, QDate today);

}  // namespace velmar
