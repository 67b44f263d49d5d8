// Writing a shown table to a file.
#include "export/table_export.h"

#include "export/export_texts.h"
#include "export/html_writer.h"
#include "export/interchange_writers.h"
#include "export/rtf_writer.h"
#include "export/text_writers.h"
#include "export/xls_writer.h"
#include "platform/document_opener.h"
#include "store/dates.h"
#include "store/store_error.h"

#include <QDir>
#include <QFile>

namespace velmar {

namespace {

constexpr int kMostViewFiles = 100;

QByteArray withByteOrderMark(const QString& text) { return QByteArray("\xEF\xBB\xBF") + text.toUtf8(); }

}  // namespace

ClipboardContent clipboardContent(const ShownTable& table) { return {separatedText(table, u'\t'), htmlPage(table)}; }

QByteArray exportBytes(const ShownTable& table, ExportFormat format)
{
    switch (format) {
    case ExportFormat::Html:
        return htmlPage(table).toUtf8();
    case ExportFormat::Excel:
        return xlsWorkbook(table);
    case ExportFormat::Word:
    case ExportFormat::Rtf:
        return rtfDocument(table);
    case ExportFormat::Text:
        return withByteOrderMark(fixedWidthText(table));
    case ExportFormat::Csv:
        return withByteOrderMark(separatedText(table, u','));
    case ExportFormat::Tsv:
        return withByteOrderMark(separatedText(table, u'\t'));
    case ExportFormat::Clipboard:
        return clipboardContent(table).text.toUtf8();
    case ExportFormat::Dif:
        return difDocument(table);
    case ExportFormat::Sylk:
        return sylkDocument(table);
    }
    return {};
}

// Written beside the target and renamed over it, so no reader sees half a file; not forced to the disk first as
// the register's own files are: an export lost with the power is made again, and the waiting is the clerk's.
void exportToFile(const ShownTable& table, ExportFormat format, const QString& path)
{
    const QByteArray bytes = exportBytes(table, format);
    const QString part = path + QStringLiteral(".part");
    QFile file(part);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    const QString reason = file.errorString();
    file.close();
    if (!written || (QFile::exists(path) && !QFile::remove(path)) || !QFile::rename(part, path)) {
        QFile::remove(part);
        throw StoreError(export_texts::cannotWrite(
            path, written ? QStringLiteral("fisierul exista si nu poate fi inlocuit") : reason));
    }
}

QString suggestedFileName(const QString& heading, QDate date, ExportFormat format)
{
    QString name = heading.simplified();
    for (const QChar c : QStringLiteral("\\/:*?\"<>|"))
        name.remove(c);
    if (!name.isEmpty())
        name += u' ';
    return name + formatDate(date) + u'.' + exportFormatInfo(format).extension;
}

QString exportForViewing(const ShownTable& table, ExportFormat format, const QString& folder, DocumentOpener& opener)
{
    QDir().mkpath(folder);
    const QDir dir(folder);
    const QString extension = exportFormatInfo(format).extension;
    for (int n = 0; n < kMostViewFiles; ++n) {
        const QString path = dir.filePath(QStringLiteral("Grila%1.%2").arg(n).arg(extension));
        if (!clearForNewFile(path))
            continue;
        exportToFile(table, format, path);
        if (!opener.open(path))
            throw StoreError(export_texts::cannotShow(path));
        return path;
    }
    throw StoreError(
        export_texts::noFreeViewName(dir.filePath(QStringLiteral("Grila0.") + extension),
                                     dir.filePath(QStringLiteral("Grila%1.").arg(kMostViewFiles - 1) + extension)));
}

}  // namespace velmar
