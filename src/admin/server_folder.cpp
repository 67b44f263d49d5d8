// Connecting to and disconnecting from a server folder.
#include "admin/server_folder.h"

#include "admin/admin_texts.h"
#include "app/app_context.h"
#include "app/interaction.h"
#include "store/file_lookup.h"
#include "store/folders.h"
#include "store/settings.h"
#include "store/table_schema.h"
#include "store/text_helpers.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace velmar {

namespace {

using namespace admin_texts;

const QString kServerKey = QStringLiteral("SERVER");

// Folder names are matched without regard to case, as on the office's other workstations; links and
// "." or ".." steps are resolved first.
bool sameFolder(const QString& a, const QString& b)
{
    const auto resolved = [](const QString& folder) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) : canonical;
    };
    return resolved(a).compare(resolved(b), Qt::CaseInsensitive) == 0;
}

bool holdsContractTables(const QString& folder)
{
    const QStringList& tables = contractTableSet();
    return std::all_of(tables.begin(), tables.end(), [&](const QString& table) {
        return !findFileAnyCase(folder, table + QStringLiteral(".dbf")).isEmpty();
    });
}

}  // namespace

QString pickedFolder(const QString& picked)
{
    QString folder = QDir::toNativeSeparators(picked);
    if (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder;
}

bool ConnectServer(AppContext& app, Interaction& ui, const QString& picked)
{
    const QString folder = pickedFolder(picked);
    if (sameFolder(folder, app.dataFolder()) || sameFolder(folder, localDataFolder())) {
        ui.Mesaj(kNotHereCaption, kNotHereText, MessageButton::Ok, MessageKind::Error);
        return false;
    }
    // A name with a line break in it could not be stored as one key of the settings file.
    if (WithoutControlCharacters(folder) != folder || !holdsContractTables(folder)) {
        ui.Mesaj(kWrongServerCaption, wrongServerText(folder), MessageButton::Ok, MessageKind::Error);
        return false;
    }
    app.settings().WriteMachineSetting(kServerKey, folder);
    ui.Mesaj(kConnectedCaption, kConnectedText, MessageButton::Ok, MessageKind::Information);
    return true;
}

Disconnection DisconnectServer(Settings& settings, Interaction& ui, const QString& shown)
{
    // The Windows program asked for 7 characters, the shortest server path it knew; a Linux path may be
    // shorter ("/srv/d"), so only the "-" of local work counts as nothing.
    const QString server = shown.trimmed();
    if (server.isEmpty() || server == kNoServer)
        return Disconnection::NothingToDelete;
    if (ui.Mesaj(kDisconnectCaption, kDisconnectQuestion, MessageButton::Yes | MessageButton::No,
                 MessageKind::Confirmation) != MessageResult::Yes)
        return Disconnection::Declined;
    settings.WriteMachineSetting(kServerKey, QString());
    ui.Mesaj(kDisconnectedCaption, kDisconnectedText, MessageButton::Ok, MessageKind::Information);
    return Disconnection::Disconnected;
}

}  // namespace velmar
