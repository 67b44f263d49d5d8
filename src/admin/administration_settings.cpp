// Reading and storing the administration's settings.
#include "admin/administration_settings.h"

#include "admin/backup_folder.h"
#include "app/app_context.h"
#include "store/settings.h"
#include "store/text_helpers.h"

namespace velmar {

AdministrationSettings LoadAdministrationSettings(AppContext& app)
{
    Settings& settings = app.settings();
    AdministrationSettings loaded;
    loaded.backupFolder = AutomaticBackupFolder(settings);
    const QString server = settings.ReadMachineSetting(QStringLiteral("SERVER"));
    loaded.serverFolder = server.isEmpty() ? kBackupOff : server;
    loaded.identity = StoredUnitIdentity(settings);
    app.showUnitIdentity(loaded.identity);
    return loaded;
}

QString UnitNameText(const QString& typed) { return CleanText(WithoutControlCharacters(typed)).toUpper(); }

void SaveUnitIdentity(Settings& settings, const UnitIdentity& identity)
{
    const QString section = QStringLiteral("CONST");
    settings.WriteNumberSetting(section, QStringLiteral("TIPLOC"), identity.tipLoc);
    settings.WriteNumberSetting(section, QStringLiteral("JUDET"), identity.judet);
    settings.WriteSetting(section, QStringLiteral("COMUNA"), UnitNameText(identity.comuna));
}

}  // namespace velmar
