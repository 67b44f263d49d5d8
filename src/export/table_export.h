// A shown table written in the format the user picked: to a file of the user's choosing, or to a numbered file
// in TEMP that the desktop's program for its type then shows.
#pragma once

#include "export/export_format.h"
#include "export/shown_table.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace velmar {

class DocumentOpener;

// What a clipboard export puts on the clipboard: the rows as tab-separated text and as a web page, so that a
// spreadsheet program pastes them as cells.
struct ClipboardContent {
    QString text;
    QString html;
};
ClipboardContent clipboardContent(const ShownTable& table);

// The file's bytes; for the clipboard, its text in UTF-8. Texts are UTF-8; CSV, TSV and plain text start with the
// byte-order mark, by which spreadsheet programs tell UTF-8 from the computer's code page.
QByteArray exportBytes(const ShownTable& table, ExportFormat format);

// Written whole or not at all (another program never sees half of it); StoreError with the reason when it cannot
// be written.
void exportToFile(const ShownTable& table, ExportFormat format, const QString& path);

// The name the save dialog proposes: the heading and the date, "Lista Contractelor 11.12.2026.xls".
QString suggestedFileName(const QString& heading, QDate date, ExportFormat format);

// "Numai vizualizare": the table written as the first free Grila<n> (n = 0..99) of the format in `folder`
// (a file another program holds open is skipped), then shown; returns its path. StoreError when no name is
// free, the file cannot be written or the desktop cannot be asked to show it.
QString exportForViewing(const ShownTable& table, ExportFormat format, const QString& folder, DocumentOpener& opener);

}  // namespace velmar
