// velmar-update: the update program Velmar carries. It stages a newer build of Velmar, published in a
// folder every workstation can read, for the program to take over at its next start.
//
// How an update travels:
//  1. Whoever publishes a build puts the program file `velmar` and a text file `VERSION` holding its
//     version number (1.0007, say) in one folder, and names that folder with the key UPDATESRC in
//     section "56" of GMT.dII, the machine settings file in the system folder. Without UPDATESRC nothing
//     is ever updated.
//  2. At every start Velmar writes this program into its program folder (unless a copy there cannot be
//     replaced) and starts it, without waiting, with one argument text:
//         56 <running version> <county index as stored, maybe empty> "<commune, or nespecificata>"
//     Only the version is used; the product code comes first, county and commune are accepted as given.
//  3. This program compares VERSION with the running version. When the published build is newer it is
//     copied into the program folder as UpVelmar, in one step, so that a half-copied UpVelmar never
//     exists; otherwise, or when anything is missing, it ends at once. It never touches the running
//     program.
//  4. At the next start Velmar finds UpVelmar, starts it with its own full path as the one argument and
//     ends. UpVelmar is the new build: started under that name with the path of an existing file, it
//     waits until the old copy has ended, copies itself over the old program, deletes its own file and
//     starts the program, which is now the new build. Should the copy fail, the old build starts as it
//     was; should its own file resist deletion, it starts nothing, since the program would only hand
//     over to it again.
//
// Exit status: 0 when the check is done (with or without a staged build), 1 when GMT.dII could not be read
// or staging failed, 2 for an argument text it does not understand.
#include "app/version.h"
#include "platform/launcher.h"
#include "session/update_handoff.h"
#include "store/file_lookup.h"
#include "store/folders.h"
#include "store/settings.h"
#include "store/settings_number.h"
#include "store/store_error.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

namespace {

// The published build's version, the way the settings files hold numbers (times 10000); 0 when unreadable.
qint64 publishedVersion(const QString& versionFile)
{
    QFile file(versionFile);
    return file.open(QIODevice::ReadOnly) ? velmar::numberValue(QString::fromUtf8(file.readAll())) : 0;
}

// Returns the exit status.
int checkForUpdate(const QStringList& words)
{
    if (words.size() < 2 || words.first() != QString::number(velmar::kProductCode))
        return 2;
    const qint64 running = velmar::numberValue(words.at(1));
    if (running <= 0)
        return 2;

    const velmar::Settings settings(velmar::localDataFolder(), velmar::systemFolder());
    const QString source = settings.ReadMachineSetting(QStringLiteral("UPDATESRC"));
    if (source.isEmpty())
        return 0;
    const QString build = velmar::findFileAnyCase(source, velmar::executableName(QStringLiteral("velmar")));
    const QString version = velmar::findFileAnyCase(source, QStringLiteral("VERSION"));
    if (build.isEmpty() || version.isEmpty() || publishedVersion(version) <= running)
        return 0;
    const QString staged = velmar::pathAnyCase(velmar::programFolder(), velmar::stagedBuildName());
    return velmar::ReplaceProgramFile(build, staged) ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Velmar passes one argument text; typed at a prompt the same words arrive one by one.
    const QStringList words = QProcess::splitCommand(QCoreApplication::arguments().mid(1).join(u' '));
    try {
        return checkForUpdate(words);
    } catch (const velmar::StoreError&) {  // an unreadable GMT.dII
        return 1;
    }
}
