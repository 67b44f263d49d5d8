// The save question when the main window closes, and the automatic backup's file names.
#include "admin/backup_folder.h"
#include "app/interaction.h"
#include "session/exit_save.h"
#include "store/settings.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(ExitSave, AsksOnlyWhereASaveCanFollow)
{
    struct Case {
        ExitSituation situation;
        int answer;
        const char* asked;  // caption of the question, nullptr when none is asked
        bool save;
    };
    const QString folder = "/backups";
    const std::vector<Case> cases{
        {{WorkingMode::Local, true, true, folder}, MessageResult::Yes, "Salvare Automata", true},
        {{WorkingMode::Local, true, true, folder}, MessageResult::Cancel, "Salvare Automata", false},  // Esc = No
        {{WorkingMode::Local, true, true, kBackupOff}, MessageResult::Yes, nullptr, false},
        {{WorkingMode::Local, false, true, folder}, MessageResult::Yes, nullptr, false},  // before any login
        {{WorkingMode::Network, true, true, folder}, MessageResult::Yes, nullptr, false},
        {{WorkingMode::Archive, true, true, folder}, MessageResult::Yes, "Salvare modificari", true},
        {{WorkingMode::Archive, true, true, folder}, MessageResult::No, "Salvare modificari", false},
        {{WorkingMode::Local, true, false, folder}, MessageResult::Yes, nullptr, false},  // no backup writer yet
    };
    for (const Case& c : cases) {
        ScriptedInteraction ui({c.answer});
        EXPECT_EQ(AskSaveOnExit(c.situation, ui), c.save) << (c.asked ? c.asked : "none");
        ASSERT_EQ(ui.shown().size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(ui.shown()[0].caption, QString::fromLatin1(c.asked));
            EXPECT_EQ(ui.shown()[0].kind, MessageKind::Confirmation);
            EXPECT_EQ(ui.shown()[0].buttons, MessageButton::Yes | MessageButton::No);
        }
    }
}

TEST(ExitSave, TwoBackupsOnOneDayGetConsecutiveNumbers)
{
    test::TempFolder dir;
    const QDate day(2026, 12, 9);
    EXPECT_EQ(AutomaticBackupTarget(dir.path(), day), dir.file("09122026_0.VLR"));
    test::writeBytes(dir.file("09122026_0.VLR"), "x");
    EXPECT_EQ(AutomaticBackupTarget(dir.path(), day), dir.file("09122026_1.VLR"));
}

TEST(ExitSave, TheBackupFolderDefaultsToOneInTheHomeFolder)
{
    test::TempFolder home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    Settings settings(home.path(), home.file("sys"));
    EXPECT_EQ(AutomaticBackupFolder(settings), home.file("Salvari_Velmar"));
    EXPECT_TRUE(QDir(home.file("Salvari_Velmar")).exists());
    EXPECT_EQ(settings.ReadMachineSetting("CALESALVARI"), home.file("Salvari_Velmar"));
    settings.WriteMachineSetting("CALESALVARI", "-");
    EXPECT_EQ(AutomaticBackupFolder(settings), "-");
    qputenv("HOME", oldHome);
}

}  // namespace
}  // namespace velmar
