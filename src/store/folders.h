// Where the program keeps its files on this system, and the small file and folder operations the
// subsystems share. VELMAR_HOME and VELMAR_SYSTEM_DIR override the two base folders.
#pragma once

#include <QByteArray>
#include <QString>

namespace velmar {

QString programFolder();    // $VELMAR_HOME, else the executable's folder when writable, else ~/.local/share/velmar
QString systemFolder();     // $VELMAR_SYSTEM_DIR, else ~/.local/state/velmar (machine settings, TEMP)
QString localDataFolder();  // programFolder()/Data
QString tempFolder();       // systemFolder()/TEMP: numbered temporary files and work tables

// A private working folder TEMP/GMTn (n = 0..99), emptied or new; empty when none can be had.
QString PrivateTempDir();
// Deletes a folder with everything in it, without questions; true when it is gone.
bool DelDir(const QString& path);
// Writes `bytes` to a temporary file beside `path` and renames it over `path`: a crash leaves the old file or
// the new one, never half of one. Throws StoreError when it cannot.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);
// Writes a file the program carries (a Qt resource path such as ":/carried/Incas.xls") to `path`,
// replacing a file of that name. Throws StoreError when it cannot.
void ResourceToFile(const QString& resource, const QString& path);

}  // namespace velmar
