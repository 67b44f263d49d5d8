// The program's two settings files: VLMR.set in the data folder, which travels with the data, and
// GMT.dII in the system folder for what belongs to this computer. Every call goes to the file.
#pragma once

#include <QString>

namespace velmar {

class Settings {
public:
    Settings(QString dataFolder, QString systemFolder);

    // VLMR.set; a missing file or key reads as "" (0 for numbers).
    QString ReadSetting(const QString& section, const QString& key) const;
    void WriteSetting(const QString& section, const QString& key, const QString& value);
    qint64 ReadNumberSetting(const QString& section, const QString& key) const;  // value × 10000
    void WriteNumberSetting(const QString& section, const QString& key, double value);

    // GMT.dII, section "56". The system folder is created when missing; the data folder never is,
    // since a missing one means start-up chose the wrong folder.
    QString ReadMachineSetting(const QString& key) const;
    void WriteMachineSetting(const QString& key, const QString& value);

    // The file in whatever letter case it already has there, else the name a new one gets.
    QString settingsFile() const;
    QString machineFile() const;

private:
    QString dataFolder_;
    QString systemFolder_;
};

}  // namespace velmar
