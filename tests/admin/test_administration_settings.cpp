// The administration's settings without the window: the identity read and stored (never a line break into
// the file), the default backup folder, the server folder, the backup folder, the password, the templates.
#include "admin/admin_login.h"
#include "admin/administration_settings.h"
#include "admin/backup_folder.h"
#include "admin/backup_folder_choice.h"
#include "admin/password_change.h"
#include "admin/password_code.h"
#include "admin/print_templates.h"
#include "admin/server_folder.h"
#include "app/interaction.h"
#include "payments/receipt_template.h"
#include "session/exit_save.h"
#include "session/template_restore.h"
#include "store/settings.h"
#include "support/program_folder.h"
#include "support/recording_opener.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::ProgramFolder;

QStringList texts(const ScriptedInteraction& ui)
{
    QStringList shown;
    for (const auto& message : ui.shown())
        shown << message.caption + u'|' + message.text;
    return shown;
}

// A folder holding the given table files.
QString folderWith(const test::TempFolder& dir, const QString& name, const QStringList& files)
{
    const QString folder = dir.file(name);
    QDir().mkpath(folder);
    for (const QString& file : files)
        test::writeBytes(QDir(folder).filePath(file), "x");
    return folder;
}

TEST(UnitIdentity, MissingOrOutOfRangeIndexesReadAsTheFirstItem)
{
    ProgramFolder folder;
    Settings& settings = folder.app().settings();
    EXPECT_EQ(StoredUnitIdentity(settings), (UnitIdentity{0, 0, {}}));
    EXPECT_EQ(StoredUnitIdentity(settings).county(), "ALBA");
    settings.WriteSetting("CONST", "TIPLOC", "2");
    settings.WriteSetting("CONST", "JUDET", "41.7");  // the whole part counts
    settings.WriteSetting("CONST", "COMUNA", "CIUREA");
    EXPECT_EQ(StoredUnitIdentity(settings), (UnitIdentity{2, 41, "CIUREA"}));
    EXPECT_EQ(StoredUnitIdentity(settings).county(), "BUCURESTI");
    settings.WriteSetting("CONST", "JUDET", "42");
    settings.WriteSetting("CONST", "TIPLOC", "-1");
    EXPECT_EQ(StoredUnitIdentity(settings), (UnitIdentity{0, 0, "CIUREA"}));
}

TEST(UnitIdentity, TheNameIsStoredCleanedInCapitals)
{
    const std::vector<std::pair<QString, QString>> cases{
        {"  sat   nou ", "SAT NOU"},
        {"Sat\"Nou\"", "SATNOU"},
        {"X\n[INIT]\nWIN=", "X [INIT] WIN="},
        {"a\r\nb\tc\x01"
         "d\u0085e",
         "A B C D E"},
        {QString::fromUtf8("Sânmartin"), QString::fromUtf8("SÂNMARTIN")},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(UnitNameText(typed), stored) << typed.toStdString();
}

TEST(UnitIdentity, APastedLineBreakCreatesNoKeyAndNoSection)
{
    ProgramFolder folder;
    Settings& settings = folder.app().settings();
    const QString password = CodeazaStr("secret");
    settings.WriteSetting("INIT", "WIN", password);
    SaveUnitIdentity(settings, {1, 12, "Ciurea\n[INIT]\nWIN="});

    EXPECT_EQ(settings.ReadSetting("CONST", "COMUNA"), "CIUREA [INIT] WIN=");
    EXPECT_EQ(settings.ReadSetting("CONST", "TIPLOC"), "1");
    EXPECT_EQ(settings.ReadSetting("CONST", "JUDET"), "12");
    EXPECT_EQ(settings.ReadSetting("INIT", "WIN"), password);
    const QByteArray file = test::readBytes(settings.settingsFile());
    EXPECT_EQ(file.count("[INIT]"), 2) << file.toStdString();  // the section itself and the text in COMUNA
    EXPECT_FALSE(file.contains("\nWIN=\r")) << file.toStdString();
}

TEST(BackupFolderDefault, TheFirstCandidateThatCanHoldTheFolderIsStored)
{
    test::TempFolder dir;
    Settings settings(dir.path(), dir.file("sys"));
    test::writeBytes(dir.file("file"), "x");
    const QString unusable = dir.file("file/Salvari_Velmar");  // under a file: never creatable
    const QString usable = dir.file("usb/Salvari_Velmar");
    EXPECT_EQ(AutomaticBackupFolder(settings, {unusable, usable, dir.file("home/Salvari_Velmar")}), usable);
    EXPECT_TRUE(QDir(usable).exists());
    EXPECT_EQ(settings.ReadMachineSetting("CALESALVARI"), usable);
}

TEST(BackupFolderDefault, NoUsableCandidateShowsOffStoresNothingAndAsksNothingAtExit)
{
    test::TempFolder dir;
    Settings settings(dir.path(), dir.file("sys"));
    test::writeBytes(dir.file("file"), "x");
    EXPECT_EQ(AutomaticBackupFolder(settings, {dir.file("file/a"), dir.file("file/b")}), "-");
    EXPECT_EQ(settings.ReadMachineSetting("CALESALVARI"), "");
    ScriptedInteraction ui({MessageResult::Yes});
    EXPECT_FALSE(AskSaveOnExit({WorkingMode::Local, true, true, "-"}, ui));
    EXPECT_TRUE(ui.shown().empty());
}

TEST(BackupFolderDefault, CandidatesAreOtherVolumesThenTheHomeFolder)
{
    const QStringList candidates = BackupFolderCandidates(QDir::tempPath());
    ASSERT_FALSE(candidates.isEmpty());
    EXPECT_EQ(candidates.last(), QDir::home().filePath("Salvari_Velmar"));
    for (const QString& candidate : candidates)
        EXPECT_TRUE(candidate.endsWith("/Salvari_Velmar")) << candidate.toStdString();
}

TEST(AutomaticBackup, SwitchedOffStaysOffAcrossStartsAndTheSearchDoesNotRunAgain)
{
    test::TempFolder dir;
    Settings settings(dir.path(), dir.file("sys"));
    const QString usable = dir.file("usb/Salvari_Velmar");
    ASSERT_EQ(AutomaticBackupFolder(settings, {usable}), usable);

    ScriptedInteraction ui({MessageResult::No, MessageResult::Yes});
    EXPECT_EQ(DisableAutomaticBackup(settings, ui, usable), BackupSwitchOff::Declined);
    EXPECT_EQ(settings.ReadMachineSetting("CALESALVARI"), usable);
    EXPECT_EQ(DisableAutomaticBackup(settings, ui, usable), BackupSwitchOff::SwitchedOff);
    EXPECT_EQ(texts(ui),
              (QStringList{"Stergere cale salvari|Doriti sa dezactivati salvarea automata?",
                           "Stergere cale salvari|Doriti sa dezactivati salvarea automata?",
                           "Salvare Automata|Salvarea automata a fost dezactivata!"}));
    // The next start: a usable candidate is there, yet "-" stands.
    EXPECT_EQ(AutomaticBackupFolder(settings, {dir.file("other/Salvari_Velmar")}), "-");
    EXPECT_FALSE(QDir(dir.file("other")).exists());
    EXPECT_EQ(DisableAutomaticBackup(settings, ui, " - "), BackupSwitchOff::AlreadyOff);
}

TEST(AutomaticBackup, AFolderIsStoredOnlyWhenAFileCanBeWrittenInIt)
{
    test::TempFolder dir;
    Settings settings(dir.path(), dir.file("sys"));
    test::writeBytes(dir.file("file"), "x");
    ScriptedInteraction ui;
    EXPECT_EQ(ChooseBackupFolder(settings, ui, dir.file("file/sub")), std::nullopt);
    EXPECT_EQ(ChooseBackupFolder(settings, ui, dir.file("a\nb")), std::nullopt);
    EXPECT_EQ(settings.ReadMachineSetting("CALESALVARI"), "");

    const QString chosen = dir.file("copii");
    QDir().mkpath(chosen);
    test::writeBytes(chosen + "/test.txt", "the user's own file");
    EXPECT_EQ(ChooseBackupFolder(settings, ui, chosen + "/"), chosen);
    EXPECT_EQ(settings.ReadMachineSetting("CALESALVARI"), chosen);
    EXPECT_EQ(QDir(chosen).entryList(QDir::Files), QStringList{"test.txt"});
    EXPECT_EQ(test::readBytes(chosen + "/test.txt"), "the user's own file");
    EXPECT_EQ(
        texts(ui),
        (QStringList{
            "Stabilire cale salvari|Nu pot scrie in " + dir.file("file/sub") +
                " !\rAlegeti alta cale, unde sa pot scrie!",
            "Stabilire cale salvari|Nu pot scrie in " + dir.file("a\nb") + " !\rAlegeti alta cale, unde sa pot scrie!",
            "Salvari automate|Calea pentru Salvari Automate este acum \r" + chosen + ".",
        }));
}

TEST(ServerFolder, TheFolderInUseOrTheLocalOneIsRefused)
{
    ProgramFolder folder;
    AppContext& app = folder.app();
    for (const QString& picked :
         {app.dataFolder(), app.dataFolder() + "/", app.dataFolder().toUpper(), app.dataFolder() + "/../Data"}) {
        ScriptedInteraction ui;
        EXPECT_FALSE(ConnectServer(app, ui, picked)) << picked.toStdString();
        EXPECT_EQ(texts(ui), QStringList{"Selectare Cale salvari|Nu puteti salva aici!"});
    }
    EXPECT_EQ(app.settings().ReadMachineSetting("SERVER"), "");
}

TEST(ServerFolder, OnlyAFolderWithAllFourTablesIsStoredAndEndsTheProgram)
{
    ProgramFolder folder;
    AppContext& app = folder.app();
    test::TempFolder dir;
    const QStringList all{"Contract.dbf", "Rate.dbf", "Chitante.dbf", "UndoRate.dbf"};
    for (int missing = 0; missing < all.size(); ++missing) {
        QStringList three = all;
        three.removeAt(missing);
        const QString server = folderWith(dir, QString("three%1").arg(missing), three);
        ScriptedInteraction ui;
        EXPECT_FALSE(ConnectServer(app, ui, server));
        EXPECT_EQ(
            texts(ui),
            QStringList{"Conectare server|Baza de date " + server + "\rNU este corecta!\rVerificati ce-ati ales!"});
    }
    EXPECT_EQ(app.settings().ReadMachineSetting("SERVER"), "");

    const QString server = folderWith(dir, "server", {"CONTRACT.DBF", "Rate.dbf", "chitante.dbf", "UndoRate.DBF"});
    ScriptedInteraction ui;
    EXPECT_TRUE(ConnectServer(app, ui, server + "/"));
    EXPECT_EQ(app.settings().ReadMachineSetting("SERVER"), server);
    EXPECT_EQ(texts(ui), QStringList{"Conectat la server|Conectarea la server a reusit!\rPorniti programul din nou !"});
}

TEST(ServerFolder, DisconnectingAsksAndEmptiesTheSetting)
{
    test::TempFolder dir;
    Settings settings(dir.path(), dir.file("sys"));
    settings.WriteMachineSetting("SERVER", "/srv/d");
    ScriptedInteraction ui({MessageResult::No, MessageResult::Yes});
    EXPECT_EQ(DisconnectServer(settings, ui, "-"), Disconnection::NothingToDelete);
    EXPECT_EQ(DisconnectServer(settings, ui, "  -"), Disconnection::NothingToDelete);
    EXPECT_TRUE(ui.shown().empty());
    EXPECT_EQ(DisconnectServer(settings, ui, "/srv/d"), Disconnection::Declined);
    EXPECT_EQ(settings.ReadMachineSetting("SERVER"), "/srv/d");
    EXPECT_EQ(DisconnectServer(settings, ui, "/srv/d"), Disconnection::Disconnected);  // shorter than 7 characters
    EXPECT_EQ(settings.ReadMachineSetting("SERVER"), "");
    EXPECT_EQ(texts(ui).last(),
              "Deconectat de la server|Sunteti deconectat de la server!\rPorniti programul din nou !");
}

TEST(ServerFolder, BackupFoldersAreChosenOnlyWhereTheDataAre)
{
    test::TempFolder dir;
    AppContext network(dir.path(), dir.file("sys"), dir.path(), WorkingMode::Network);
    ScriptedInteraction ui;
    EXPECT_FALSE(MayChooseBackupFolder(network, ui));
    EXPECT_EQ(texts(ui), QStringList{"Salvare Automata|Numai Serverul poate salva automat!"});
    AppContext archive(dir.path(), dir.file("sys"), dir.path(), WorkingMode::Archive);
    EXPECT_TRUE(MayChooseBackupFolder(archive, ui));
}

// Passwords whose stored form begins, or ends, with a blank.
QString passwordEncodedWithBlankAt(bool atStart)
{
    for (int n = 0; n < 100000; ++n) {
        const QString candidate = QString(" p %1 ").arg(n);  // blanks in it make blanks likelier there
        const QString encoded = CodeazaStr(candidate);
        if (atStart ? encoded.startsWith(u' ') : encoded.endsWith(u' '))
            return candidate;
    }
    return {};
}

TEST(PasswordChange, TwoDifferentEntriesStoreNothing)
{
    test::TempFolder dir;
    Settings settings(dir.path(), dir.file("sys"));
    settings.WriteSetting("INIT", "WIN", CodeazaStr("old"));
    ScriptedInteraction ui;
    EXPECT_EQ(MemoPass(settings, ui, "new", "New"), PasswordChange::Different);
    EXPECT_EQ(MemoPass(settings, ui, "", "x"), PasswordChange::Different);
    EXPECT_EQ(settings.ReadSetting("INIT", "WIN"), CodeazaStr("old"));
    EXPECT_EQ(texts(ui), QStringList(2, "Eroare la completare|Nu ati scris parola noua la fel in cele doua casute !"));
}

TEST(PasswordChange, TwoEmptyEntriesRemoveThePasswordOnlyAfterYes)
{
    test::TempFolder dir;
    Settings settings(dir.path(), dir.file("sys"));
    settings.WriteSetting("INIT", "WIN", CodeazaStr("old"));
    ScriptedInteraction ui({MessageResult::No, MessageResult::Yes});
    EXPECT_EQ(MemoPass(settings, ui, "", ""), PasswordChange::Kept);
    EXPECT_EQ(settings.ReadSetting("INIT", "WIN"), CodeazaStr("old"));
    EXPECT_EQ(MemoPass(settings, ui, "", ""), PasswordChange::Removed);
    EXPECT_EQ(settings.ReadSetting("INIT", "WIN"), "");
    EXPECT_EQ(ui.shown().back().text, "ATENTIE !\r\nDoriti sa dezactivati parola de administrator?");
    EXPECT_EQ(ui.shown().back().kind, MessageKind::Warning);
}

TEST(PasswordChange, AnEncodedFormWithBlanksAtItsEndsComesBackExactlyAndLogsIn)
{
    for (const bool atStart : {true, false}) {
        const QString password = passwordEncodedWithBlankAt(atStart);
        ASSERT_FALSE(password.isEmpty());
        test::TempFolder dir;
        Settings settings(dir.path(), dir.file("sys"));
        ScriptedInteraction ui;
        ASSERT_EQ(MemoPass(settings, ui, password, password), PasswordChange::Changed);
        EXPECT_EQ(texts(ui), QStringList{"Confirmare|Parola a fost schimbata cu succes!"});
        EXPECT_EQ(settings.ReadSetting("INIT", "WIN"), CodeazaStr(password)) << password.toStdString();

        struct Typed : PasswordPrompt {
            QString text;
            std::optional<QString> InputQuery2() override { return text; }
        } prompt;
        prompt.text = password;
        bool administrator = false;
        EXPECT_EQ(AdministratorLogin(administrator, settings, ui, prompt), LoginOutcome::Unlocked);
    }
}

TEST(PrintTemplates, EditingOpensTheTemplateAndMarksTheReceiptFormEdited)
{
    ProgramFolder folder;
    AppContext& app = folder.app();
    test::RecordingOpener opener;
    EditModel(app, opener, PrintTemplate::CalculationSheet);
    EXPECT_EQ(app.settings().ReadSetting("CONST", "EDITAT_CHITANTA"), "");
    EditModel(app, opener, PrintTemplate::Receipt);
    EXPECT_EQ(app.settings().ReadSetting("CONST", "EDITAT_CHITANTA"), "DA");
    EXPECT_EQ(opener.opened,
              (QStringList{app.dataFolder() + "/FisaCalcul.xls", app.dataFolder() + "/ModelChitanta.rtf"}));

    QFile::remove(app.dataFolder() + "/ModelChitanta.rtf");
    EditModel(app, opener, PrintTemplate::Receipt);
    EXPECT_EQ(opener.opened.size(), 2);
}

TEST(PrintTemplates, RestoringPutsTheCarriedFormBackAndSaysSo)
{
    ProgramFolder folder;
    AppContext& app = folder.app();
    const QString receipt = app.dataFolder() + "/ModelChitanta.rtf";
    const QString sheet = app.dataFolder() + "/FisaCalcul.xls";
    const QByteArray carriedSheet = test::readBytes(sheet);
    test::writeBytes(receipt, "{\\rtf1 edited}");
    test::writeBytes(sheet, "edited");
    QFile::remove(app.dataFolder() + "/Incas.xls");
    app.settings().WriteSetting("CONST", "EDITAT_CHITANTA", "DA");

    ScriptedInteraction ui;
    RestoreInitialModel(app, ui, PrintTemplate::Receipt);
    EXPECT_EQ(test::readBytes(receipt), BuildReceiptTemplate());
    EXPECT_EQ(app.settings().ReadSetting("CONST", "EDITAT_CHITANTA"), "NU");
    EXPECT_TRUE(QFile::exists(app.dataFolder() + "/Incas.xls"));  // every missing template comes back
    EXPECT_EQ(test::readBytes(sheet), "edited");
    EXPECT_EQ(texts(ui), QStringList{"Initializare model|\rModelul de listare a fost refacut."});

    app.settings().WriteSetting("CONST", "EDITAT_CHITANTA", "DA");
    RestoreInitialModel(app, ui, PrintTemplate::CalculationSheet);
    EXPECT_EQ(test::readBytes(sheet), carriedSheet);
    EXPECT_EQ(app.settings().ReadSetting("CONST", "EDITAT_CHITANTA"), "DA");
}

TEST(AdministrationSettings, StartUpReadsTheSettingsAndShowsTheStoredIdentity)
{
    ProgramFolder folder;
    AppContext& app = folder.app();
    app.settings().WriteMachineSetting("CALESALVARI", "/media/usb/Salvari_Velmar");
    app.settings().WriteSetting("CONST", "JUDET", "12");
    const AdministrationSettings loaded = LoadAdministrationSettings(app);
    EXPECT_EQ(loaded.backupFolder, "/media/usb/Salvari_Velmar");
    EXPECT_EQ(loaded.serverFolder, "-");
    EXPECT_EQ(loaded.identity.county(), "CLUJ");
    app.settings().WriteMachineSetting("SERVER", "/srv/velmar");
    EXPECT_EQ(LoadAdministrationSettings(app).serverFolder, "/srv/velmar");

    // From now on the program goes by what the window shows, not by the file.
    app.settings().WriteSetting("CONST", "JUDET", "20");
    EXPECT_EQ(app.unitIdentity().county(), "CLUJ");
}

}  // namespace
}  // namespace velmar
