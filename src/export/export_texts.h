// The texts of the grid export.
#pragma once

#include <QString>

namespace velmar::export_texts {

inline const QString kDialogTitle = QStringLiteral("Export Grila");
inline const QString kToFile = QStringLiteral("Export &in fisier");
inline const QString kViewOnly = QStringLiteral("&Numai vizualizare");
inline const QString kFormatLabel = QStringLiteral("Formatul e&xportat:");
inline const QString kExport = QStringLiteral("&Export");
inline const QString kCancel = QStringLiteral("&Renunt");
inline const QString kWorking = QStringLiteral("Prelucrez...");
inline const QString kCreatedAt = QStringLiteral("Creat la");
inline const QString kCopied = QStringLiteral("Tabelul a fost copiat in Clipboard!");

// The formats, in the dialog's list.
inline const QString kHtmlLabel = QStringLiteral("HTML");
inline const QString kExcelLabel = QStringLiteral("Excel");
inline const QString kWordLabel = QStringLiteral("Word");
inline const QString kTextLabel = QStringLiteral("Text");
inline const QString kCsvLabel = QStringLiteral("Text separat prin virgula (CSV)");
inline const QString kTsvLabel = QStringLiteral("Text separat prin Tab");
inline const QString kRtfLabel = QStringLiteral("RTF");
inline const QString kDifLabel = QStringLiteral("DIF");
inline const QString kSylkLabel = QStringLiteral("SYLK");
inline const QString kClipboardLabel = QStringLiteral("Clipboard");

// "Creat la 11.12.2026", above every exported table.
inline QString createdLine(const QString& dateText) { return kCreatedAt + u' ' + dateText; }

inline QString tooManyRows(qsizetype rows, int most)
{
    return QStringLiteral("Tabelul are %1 randuri, mai multe decat incap intr-o foaie Excel (%2)! "
                          "Restrangeti lista sau alegeti alt format.")
        .arg(rows)
        .arg(most);
}
inline QString cannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("Nu pot scrie fisierul %1: %2").arg(path, reason);
}
inline QString cannotShow(const QString& path)
{
    return QStringLiteral("Fisierul %1 a fost scris, dar nu poate fi deschis!").arg(path);
}
inline QString noFreeViewName(const QString& first, const QString& last)
{
    return QStringLiteral("Tabelul nu poate fi scris: %1 ... %2 sunt deschise. Inchideti-le si exportati din nou!")
        .arg(first, last);
}
inline QString unknownFormat(const QString& name)
{
    return QStringLiteral("Format necunoscut: %1 (xls, html, doc, txt, csv, tsv, rtf, dif, slk)").arg(name);
}

}  // namespace velmar::export_texts
