// velmar-cli admin: the administration's settings for IT staff, through the administration's own operations.
#include "cli/commands.h"

#include "admin/admin_texts.h"
#include "admin/administration_settings.h"
#include "admin/backup_folder_choice.h"
#include "admin/password_change.h"
#include "admin/server_folder.h"
#include "app/app_context.h"
#include "app/interaction.h"
#include "cli/options.h"
#include "session/template_restore.h"
#include "store/counties.h"
#include "store/settings.h"
#include "store/sql/csv_format.h"
#include "store/store_error.h"

#include <QDir>
#include <cstdio>
#include <utility>

namespace velmar::cli {

namespace {

const QString kUsage =
    QStringLiteral("velmar-cli admin show | set [--tiploc COMUNA|ORASUL|MUNICIPIUL] [--judet JUDET] [--comuna NUME]\n"
                   "          | password [--yes] | server CALE|--disconnect | backup-folder CALE|--disable\n"
                   "          | template restore receipt|sheet");

[[noreturn]] void refuse(const ScriptedInteraction& ui) { throw StoreError(terminalText(ui.shown().back().text)); }

void printOutcome(const ScriptedInteraction& ui, QTextStream& out)
{
    out << terminalText(ui.shown().back().text) << '\n';
}

int listIndex(const QStringList& list, const QString& typed, const QString& what)
{
    const qsizetype index = list.indexOf(typed.trimmed().toUpper());
    if (index < 0)
        throw StoreError(QStringLiteral("%1 necunoscut: %2 (%3)").arg(what, typed, list.join(u'|')));
    return int(index);
}

int show(AppContext& app, QTextStream& out)
{
    const AdministrationSettings s = LoadAdministrationSettings(app);
    const bool password = !app.settings().ReadSetting(QStringLiteral("INIT"), QStringLiteral("WIN")).isEmpty();
    out << "TIPLOC,JUDET,COMUNA,SERVER,CALESALVARI,PAROLA\n";
    const QStringList fields{localityTypes().at(s.identity.tipLoc),
                             s.identity.county(),
                             s.identity.comuna,
                             s.serverFolder,
                             s.backupFolder,
                             password ? QStringLiteral("DA") : QStringLiteral("NU")};
    QStringList quoted;
    for (const QString& field : fields)
        quoted << csvField(field);
    out << quoted.join(u',') << '\n';
    return 0;
}

int set(AppContext& app, const Options& o)
{
    UnitIdentity identity = StoredUnitIdentity(app.settings());
    if (o.has("tiploc"))
        identity.tipLoc = listIndex(localityTypes(), o.value("tiploc"), QStringLiteral("Tip localitate"));
    if (o.has("judet"))
        identity.judet = listIndex(counties(), o.value("judet"), QStringLiteral("Judet"));
    if (o.has("comuna"))
        identity.comuna = o.value("comuna");
    SaveUnitIdentity(app.settings(), identity);
    return 0;
}

// The new password as typed twice, one line each, on the standard input.
std::pair<QString, QString> typedTwice()
{
    QTextStream in(stdin);
    in.setEncoding(QStringConverter::Utf8);
    const QString first = in.readLine();
    return {first, in.readLine()};
}

int password(AppContext& app, const Options& o, QTextStream& out)
{
    const auto [first, second] = typedTwice();
    for (const QString& typed : {first, second})
        if (typed.size() > admin_texts::kPasswordLength)
            throw StoreError(admin_texts::kPasswordTooLong);
    ScriptedInteraction ui(o.has("yes") ? std::deque<int>{MessageResult::Yes} : std::deque<int>{});
    switch (MemoPass(app.settings(), ui, first, second)) {
    case PasswordChange::Changed:
        printOutcome(ui, out);
        return 0;
    case PasswordChange::Removed:
        return 0;
    case PasswordChange::Different:
    case PasswordChange::Kept:
        refuse(ui);
    }
    return 1;
}

int server(AppContext& app, const Options& o, QTextStream& out)
{
    // --disconnect is the answer to the program's question.
    ScriptedInteraction ui({MessageResult::Yes});
    if (o.has("disconnect")) {
        const QString shown = app.settings().ReadMachineSetting(QStringLiteral("SERVER"));
        if (DisconnectServer(app.settings(), ui, shown) == Disconnection::NothingToDelete)
            throw StoreError(admin_texts::kNoServerToDelete);
    } else {
        requirePositional(o, 2, kUsage);
        if (!ConnectServer(app, ui, QDir::current().absoluteFilePath(o.positional[1])))
            refuse(ui);
    }
    printOutcome(ui, out);
    return 0;
}

int backupFolder(AppContext& app, const Options& o, QTextStream& out)
{
    ScriptedInteraction ui({MessageResult::Yes});
    if (o.has("disable")) {
        if (DisableAutomaticBackup(app.settings(), ui, LoadAdministrationSettings(app).backupFolder) ==
            BackupSwitchOff::AlreadyOff)
            throw StoreError(admin_texts::kBackupAlreadyOff);
    } else {
        requirePositional(o, 2, kUsage);
        if (!MayChooseBackupFolder(app, ui) ||
            !ChooseBackupFolder(app.settings(), ui, QDir::current().absoluteFilePath(o.positional[1])))
            refuse(ui);
    }
    printOutcome(ui, out);
    return 0;
}

int restoreTemplate(AppContext& app, const Options& o, QTextStream& out)
{
    requirePositional(o, 3, kUsage);
    const QString which = o.positional[2];
    if (o.positional[1] != u"restore" || (which != u"receipt" && which != u"sheet"))
        throw StoreError(QStringLiteral("Folosire: %1").arg(kUsage));
    ScriptedInteraction ui;
    RestoreInitialModel(app, ui, which == u"receipt" ? PrintTemplate::Receipt : PrintTemplate::CalculationSheet);
    printOutcome(ui, out);
    return 0;
}

}  // namespace

int adminCommand(const QStringList& args, QTextStream& out)
{
    const Options o = parseOptions(args, {"tiploc", "judet", "comuna"}, {"yes", "disconnect", "disable"});
    const QString verb = o.positional.value(0);
    const auto app = AppContext::openLocal();
    if (verb == u"show" && o.positional.size() == 1)
        return show(*app, out);
    if (verb == u"set" && o.positional.size() == 1)
        return set(*app, o);
    if (verb == u"password" && o.positional.size() == 1)
        return password(*app, o, out);
    if (verb == u"server")
        return server(*app, o, out);
    if (verb == u"backup-folder")
        return backupFolder(*app, o, out);
    if (verb == u"template")
        return restoreTemplate(*app, o, out);
    throw StoreError(QStringLiteral("Folosire: %1").arg(kUsage));
}

}  // namespace velmar::cli
