// Version texts and their record in the settings files.
#include "app/version.h"

#include "app/app_context.h"
#include "store/folders.h"
#include "store/rounding.h"
#include "store/settings.h"

#include <QDir>

namespace velmar {

QString versionText() { return formatNumber(kVersion); }

QString mainWindowTitle() { return QStringLiteral("Velmar  ver.") + QString::number(kVersion, 'f', 4); }

void RecordVersion(AppContext& app)
{
    app.settings().WriteMachineSetting(QStringLiteral("CALE"), QDir::toNativeSeparators(app.programFolder()));
    app.settings().WriteMachineSetting(QStringLiteral("VER"), versionText());
    Settings(localDataFolder(), app.systemFolder())
        .WriteNumberSetting(QString::number(kProductCode), QStringLiteral("VER"), kVersion);
}

}  // namespace velmar
