// RegisterArchiveType the freedesktop.org way: a MIME type for *.vlr in the user's shared MIME database
// and a desktop entry that opens it, both under the user's data folder ($XDG_DATA_HOME, else
// ~/.local/share). The entry is kept out of the menus: like the program's Windows registration it only
// binds the file type. No other program claims the type, so file browsers open archives with Velmar.
#include "platform/file_type_registration.h"

#include "platform/file_sync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace velmar {
namespace {

const QString kMimeType = QStringLiteral("application/x-velmar-archive");
const QString kArchiveComment = QStringLiteral("Salvare Velmar");

QByteArray mimePackage()
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <glob pattern=\"*.vlr\" case-sensitive=\"false\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(kMimeType, kArchiveComment)
        .toUtf8();
}

// A desktop entry's string value: backslashes are its escape character.
QString escapedValue(QString text) { return text.replace(u'\\', QStringLiteral("\\\\")); }

// The program as the first word of Exec: quoted when it holds a character the launcher's word splitting
// reserves, with ", `, $ and \ escaped inside the quotes; a literal % is written %%.
QString execProgram(QString path)
{
    static const QRegularExpression reserved(QStringLiteral(R"([\s"'\\><~|&;$*?#()`])"));
    static const QRegularExpression escapedInQuotes(QStringLiteral(R"((["`$\\]))"));
    if (path.contains(reserved))
        path = u'"' + path.replace(escapedInQuotes, QStringLiteral(R"(\\1)")) + u'"';
    return escapedValue(path.replace(u'%', QStringLiteral("%%")));
}

QByteArray desktopEntry(const QString& programPath, const QString& programFolder)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Velmar\n"
                          "Comment=%1\n"
                          "Exec=%2 %f\n"
                          "Icon=%3\n"
                          "MimeType=%4;\n"
                          "NoDisplay=true\n"
                          "Terminal=false\n")
        .arg(kArchiveComment, execProgram(QDir::toNativeSeparators(programPath)),
             escapedValue(QDir(programFolder).filePath(QStringLiteral("ico1.ico"))), kMimeType)
        .toUtf8();
}

enum class Outcome { Same, Written, Failed };

Outcome writeWhenDifferent(const QString& path, const QByteArray& content)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return Outcome::Same;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Outcome::Failed;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !commitWhole(file, content))
        return Outcome::Failed;
    return Outcome::Written;
}

// Tells the desktop about the change by rebuilding the cache `tool` keeps in `folder`, when the tool is
// installed.
void refreshCache(const QString& tool, const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    process.start(program, {folder});
    process.waitForFinished();
}

}  // namespace

ArchiveTypeRegistration RegisterArchiveType(const QString& programPath, const QString& programFolder)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return ArchiveTypeRegistration::Failed;
    const QString mimeFolder = QDir(data).filePath(QStringLiteral("mime"));
    const QString applications = QDir(data).filePath(QStringLiteral("applications"));

    const Outcome mime = writeWhenDifferent(mimeFolder + QStringLiteral("/packages/velmar-vlr.xml"), mimePackage());
    const Outcome desktop =
        writeWhenDifferent(applications + QStringLiteral("/velmar.desktop"), desktopEntry(programPath, programFolder));
    if (mime == Outcome::Written)
        refreshCache(QStringLiteral("update-mime-database"), mimeFolder);
    if (desktop == Outcome::Written)
        refreshCache(QStringLiteral("update-desktop-database"), applications);

    if (mime == Outcome::Failed || desktop == Outcome::Failed)
        return ArchiveTypeRegistration::Failed;
    return mime == Outcome::Written || desktop == Outcome::Written ? ArchiveTypeRegistration::Written
                                                                   : ArchiveTypeRegistration::AlreadyOurs;
}

}  // namespace velmar
