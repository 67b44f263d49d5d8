// Profile-file reading and writing over the file's bytes: only the bytes of the key that changes
// are touched, so junk, comments, odd line ends and bytes Windows-1250 lacks all survive a write.
#include "store/ini_file.h"

#include "platform/file_sync.h"
#include "store/codepage.h"
#include "store/store_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <string_view>
#include <utility>
#include <vector>

namespace velmar {
namespace {

constexpr CodePage kPage = CodePage::Windows1250;

struct Line {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    QString name;              // section or key name, blanks trimmed
    qsizetype valueStart = 0;  // key lines: the byte after the first '='
    qsizetype contentEnd = 0;  // where the line end (LF or CR LF) starts
    qsizetype end = 0;         // after the line end
};

std::string_view view(const QByteArray& bytes) { return {bytes.constData(), static_cast<std::size_t>(bytes.size())}; }

QString decodeName(std::string_view bytes) { return decodeText(kPage, bytes).trimmed(); }

// A name as it reads back after a trip through the file: comma-below letters come back with a
// cedilla, so that is what the file's names are compared with.
QString storedForm(const QString& name) { return decodeName(view(encodeText(kPage, name.trimmed()))); }

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// What one line is, judged on its bytes without the line end. valueStart is relative to content.
Line classify(std::string_view content)
{
    Line line;
    const std::size_t first = content.find_first_not_of(" \t");
    if (first == std::string_view::npos || content[first] == ';')
        return line;
    if (content[first] == '[') {
        const std::size_t close = content.rfind(']');
        if (close != std::string_view::npos && close > first) {
            line.kind = Line::Kind::Section;
            line.name = decodeName(content.substr(first + 1, close - first - 1));
            return line;
        }
    }
    const std::size_t equals = content.find('=');
    if (equals != std::string_view::npos) {
        line.kind = Line::Kind::Key;
        line.name = decodeName(content.substr(0, equals));
        line.valueStart = static_cast<qsizetype>(equals + 1);
    }
    return line;
}

std::vector<Line> parse(std::string_view bytes)
{
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t newline = bytes.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? bytes.size() : newline + 1;
        std::size_t contentEnd = newline == std::string_view::npos ? bytes.size() : newline;
        if (contentEnd > start && bytes[contentEnd - 1] == '\r')
            --contentEnd;
        Line line = classify(bytes.substr(start, contentEnd - start));
        line.valueStart += static_cast<qsizetype>(start);
        line.contentEnd = static_cast<qsizetype>(contentEnd);
        line.end = static_cast<qsizetype>(end);
        lines.push_back(std::move(line));
        start = end;
    }
    return lines;
}

struct Place {
    std::optional<std::size_t> key;            // the key's line
    std::optional<std::size_t> lastOfSection;  // the section's last key line, else its header
};

// Only the first section of that name counts, and in it the first key of that name.
Place locate(const std::vector<Line>& lines, const QString& section, const QString& key)
{
    Place place;
    std::size_t i = 0;
    while (i < lines.size() && !(lines[i].kind == Line::Kind::Section && sameName(lines[i].name, section)))
        ++i;
    if (i == lines.size())
        return place;
    place.lastOfSection = i;
    for (++i; i < lines.size() && lines[i].kind != Line::Kind::Section; ++i) {
        if (lines[i].kind != Line::Kind::Key)
            continue;
        if (!place.key && sameName(lines[i].name, key))
            place.key = i;
        place.lastOfSection = i;
    }
    return place;
}

// The line end the file already uses, judged by its first line; a new file gets CR LF, which
// every workstation sharing the data folder reads.
QByteArray lineEndOf(std::string_view bytes)
{
    const std::size_t newline = bytes.find('\n');
    if (newline != std::string_view::npos && (newline == 0 || bytes[newline - 1] != '\r'))
        return QByteArrayLiteral("\n");
    return QByteArrayLiteral("\r\n");
}

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// The file's bytes, or nullopt when there is no file.
std::optional<QByteArray> readFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("Nu pot citi fisierul %1").arg(shown(path)));
    return file.readAll();
}

// A temporary file beside the target, renamed over it: readers on other workstations see the old
// file or the new one, never half of it, and a failure leaves the old one in place.
void replaceFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable())
        throw StoreError(QStringLiteral("Nu pot scrie in fisierul %1").arg(shown(path)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw StoreError(QStringLiteral("Nu pot scrie in folderul %1").arg(shown(info.absolutePath())));
    if (!commitWhole(file, bytes))
        throw StoreError(QStringLiteral("Nu pot scrie in fisierul %1").arg(shown(path)));
}

// What is written must read back as the same section, key and value: a line break anywhere, or a
// key that reads as a comment, a section or a shorter key, would corrupt the file.
void refuseUnreadable(const QString& path, const QString& section, const QString& key, const QByteArray& sectionLine,
                      const QByteArray& keyLine)
{
    const Line asSection = classify(view(sectionLine));
    const Line asKey = classify(view(keyLine));
    const bool readsBack = asSection.kind == Line::Kind::Section && asSection.name == storedForm(section) &&
        asKey.kind == Line::Kind::Key && asKey.name == storedForm(key);
    const auto breaksLine = [](const QByteArray& line) { return line.contains('\n') || line.contains('\r'); };
    if (!readsBack || breaksLine(sectionLine) || breaksLine(keyLine))
        throw StoreError(QStringLiteral("Sectiunea %1, cheia %2: text care nu poate fi scris in fisierul %3")
                             .arg(section, key, shown(path)));
}

}  // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const std::optional<QByteArray> bytes = readFile(path_);
    if (!bytes)
        return std::nullopt;
    const std::vector<Line> lines = parse(view(*bytes));
    const Place place = locate(lines, storedForm(section), storedForm(key));
    if (!place.key)
        return std::nullopt;
    const Line& line = lines[*place.key];
    return decodeText(kPage, view(*bytes).substr(line.valueStart, line.contentEnd - line.valueStart));
}

QString IniFile::read(const QString& section, const QString& key) const
{
    return value(section, key).value_or(QString());
}

void IniFile::write(const QString& section, const QString& key, const QString& value)
{
    const QByteArray sectionLine = '[' + encodeText(kPage, section.trimmed()) + ']';
    const QByteArray valueBytes = encodeText(kPage, value);
    const QByteArray keyLine = encodeText(kPage, key.trimmed()) + '=' + valueBytes;
    refuseUnreadable(path_, section, key, sectionLine, keyLine);

    const QByteArray old = readFile(path_).value_or(QByteArray());
    const std::vector<Line> lines = parse(view(old));
    const Place place = locate(lines, storedForm(section), storedForm(key));
    QByteArray updated;
    if (place.key) {
        const Line& line = lines[*place.key];
        updated = old.left(line.valueStart) + valueBytes + old.mid(line.contentEnd);
    } else {
        const QByteArray lineEnd = lineEndOf(view(old));
        const QByteArray added = place.lastOfSection ? keyLine + lineEnd : sectionLine + lineEnd + keyLine + lineEnd;
        const qsizetype at = place.lastOfSection ? lines[*place.lastOfSection].end : old.size();
        // A last line without its line end gets one, so that the added lines stand on their own.
        const QByteArray joint = at > 0 && old[at - 1] != '\n' ? lineEnd : QByteArray();
        updated = old.left(at) + joint + added + old.mid(at);
    }
    replaceFile(path_, updated);
}

}  // namespace velmar
