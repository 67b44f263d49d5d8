// The three passes over a template (header, body with tags replaced, closing brace) and the value escaping.
#include "payments/rtf_replace.h"

#include "platform/document_opener.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace velmar {

namespace {

const QByteArray kParagraph = QByteArrayLiteral("\\pard");
const QString kEmptyValue = QStringLiteral("..........");

// The file's lines without their line ends ("\r\n" or "\n"); a last line end starts no further line.
std::optional<QList<QByteArray>> readLines(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.back().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

qsizetype firstParagraphLine(const QList<QByteArray>& lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].contains(kParagraph))
            return i;
    return -1;
}

bool hasSmallAsciiLetter(const QByteArray& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// What an RTF reader that skips the Unicode escape shows instead: the letter without its accent.
char asciiStandIn(QChar c)
{
    const QString base = c.decomposition();
    return !base.isEmpty() && base[0].unicode() < 0x80 ? char(base[0].unicode()) : '?';
}

// `text` as RTF document text, whatever code page the document declares: "{" and "}" become "(" and ")",
// "\" stands for itself, every character beyond ASCII is a Unicode escape with an ASCII stand-in.
QByteArray rtfText(const QString& text)
{
    QByteArray out;
    bool unicode = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '{')
            out += '(';
        else if (u == '}')
            out += ')';
        else if (u == '\\')
            out += "\\\\";
        else if (u < 0x80)
            out += char(u);
        else {
            // \u takes a signed 16-bit number; a character outside the BMP is its two surrogates. The stand-in
            // goes as a hex escape, as Word writes it: some readers skip a whole word of plain text instead.
            out += "\\u" + QByteArray::number(qint16(u)) + "\\'" + QByteArray(1, asciiStandIn(c)).toHex();
            unicode = true;
        }
    }
    // The group keeps the one-character stand-in whatever \uc the template has set around the tag.
    return unicode ? "{\\uc1 " + out + '}' : out;
}

}  // namespace

TRTFReplace::TRTFReplace(DocumentOpener& opener) : opener_(opener) {}

bool TRTFReplace::fail(Problem problem)
{
    problem_ = problem;
    return false;
}

void TRTFReplace::append(const QList<QByteArray>& lines)
{
    QFile out(RTFDest);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    for (const QByteArray& line : lines)
        out.write(line + '\n');
}

bool TRTFReplace::ChooseDestination(const QString& base)
{
    for (int n = 0; n <= 99; ++n) {
        const QString candidate = base + QString::number(n) + QStringLiteral(".rtf");
        if (clearForNewFile(candidate)) {
            RTFDest = candidate;
            problem_ = Problem::None;
            return true;
        }
    }
    return fail(Problem::NoFreeName);
}

bool TRTFReplace::BeginOutput()
{
    tags_.clear();
    if (RTFSursa.isEmpty() || !QFileInfo::exists(RTFSursa))
        return fail(Problem::TemplateUnusable);
    QFile out(RTFDest);
    if (RTFDest.isEmpty() || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(Problem::OutputNotCreatable);
    const std::optional<QList<QByteArray>> lines = readLines(RTFSursa);
    const qsizetype body = lines ? firstParagraphLine(*lines) : -1;
    if (body < 0) {
        out.remove();  // an empty template, or one without a paragraph, makes no document
        return fail(Problem::TemplateUnusable);
    }
    for (qsizetype i = 0; i < body; ++i)
        out.write((*lines)[i] + '\n');
    const QByteArray lead = (*lines)[body].left((*lines)[body].indexOf(kParagraph)).trimmed();
    if (!lead.isEmpty())
        out.write(lead + '\n');
    problem_ = Problem::None;
    return true;
}

void TRTFReplace::AddTag(const QString& tag, const QString& value)
{
    if (!tag.isEmpty())
        tags_.push_back({tag.toLatin1(), tag.toLatin1().toLower(), value});
}

void TRTFReplace::WriteBody()
{
    const std::optional<QList<QByteArray>> lines = readLines(RTFSursa);
    qsizetype i = lines ? firstParagraphLine(*lines) : -1;
    if (i < 0) {
        tags_.clear();
        return;
    }
    // The outer group was opened in the header; the depth falls to 0 on the line that closes it.
    QByteArray line = (*lines)[i].mid((*lines)[i].indexOf(kParagraph));
    int depth = 1 + BraceBalance(line);
    QList<QByteArray> body;
    while (i + 1 < lines->size() && depth != 0) {
        if (!line.isEmpty())
            body << ReplaceTagsInLine(line);
        line = (*lines)[++i];
        depth += BraceBalance(line);
    }
    line = line.trimmed();
    line.chop(1);
    if (!line.isEmpty())
        body << ReplaceTagsInLine(line);
    append(body);
    tags_.clear();
}

void TRTFReplace::Finish()
{
    append({QByteArrayLiteral("}")});
    tags_.clear();
}

void TRTFReplace::OpenResult()
{
    const QFileInfo file(RTFDest);
    const bool hasFolder = RTFDest.contains(u'/') || RTFDest.contains(QDir::separator());
    if (hasFolder && file.isFile())
        opener_.open(file.absoluteFilePath());
}

int TRTFReplace::BraceBalance(const QByteArray& line) { return int(line.count('{') - line.count('}')); }

QByteArray TRTFReplace::ReplaceTagsInLine(QByteArray line) const
{
    // The search runs on a copy with the ASCII capitals made small, kept in step with the line.
    QByteArray folded = line.toLower();
    for (const Tag& t : tags_) {
        const QString value = t.value.isEmpty() ? kEmptyValue : t.value;
        // Most lines of a form hold no tag: a scan for the tag's first character rules them out cheaply.
        qsizetype at = folded.contains(t.folded.front()) ? folded.indexOf(t.folded) : -1;
        while (at >= 0) {
            const bool capitals = t.tag.size() > 4 && !hasSmallAsciiLetter(line.mid(at, t.tag.size()));
            const QByteArray text = rtfText(capitals ? value.toUpper() : value);
            line.replace(at, t.tag.size(), text);
            folded.replace(at, t.tag.size(), text.toLower());
            at = folded.indexOf(t.folded, at + text.size());
        }
    }
    return line;
}

}  // namespace velmar
