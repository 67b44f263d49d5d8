// Settings access over the two INI files; no caching, so a value another workstation wrote is
// seen by the next read.
#include "store/settings.h"

#include "store/file_lookup.h"
#include "store/ini_file.h"
#include "store/settings_number.h"
#include "store/store_error.h"

#include <QDir>

#include <utility>

namespace velmar {
namespace {

const QString kSettingsName = QStringLiteral("VLMR.set");
const QString kMachineName = QStringLiteral("GMT.dII");
const QString kMachineSection = QStringLiteral("56");

}  // namespace

Settings::Settings(QString dataFolder, QString systemFolder)
    : dataFolder_(std::move(dataFolder)), systemFolder_(std::move(systemFolder))
{}

QString Settings::settingsFile() const { return pathAnyCase(dataFolder_, kSettingsName); }

QString Settings::machineFile() const { return pathAnyCase(systemFolder_, kMachineName); }

QString Settings::ReadSetting(const QString& section, const QString& key) const
{
    return IniFile(settingsFile()).read(section, key);
}

void Settings::WriteSetting(const QString& section, const QString& key, const QString& value)
{
    IniFile(settingsFile()).write(section, key, value);
}

qint64 Settings::ReadNumberSetting(const QString& section, const QString& key) const
{
    return numberValue(ReadSetting(section, key));
}

void Settings::WriteNumberSetting(const QString& section, const QString& key, double value)
{
    WriteSetting(section, key, numberText(value));
}

QString Settings::ReadMachineSetting(const QString& key) const
{
    return IniFile(machineFile()).read(kMachineSection, key);
}

void Settings::WriteMachineSetting(const QString& key, const QString& value)
{
    if (!QDir().mkpath(systemFolder_))
        throw StoreError(QStringLiteral("Nu pot crea folderul %1").arg(QDir::toNativeSeparators(systemFolder_)));
    IniFile(machineFile()).write(kMachineSection, key, value);
}

}  // namespace velmar
