// The table in the two old spreadsheet interchange formats: DIF (Data Interchange Format: numbers and strings
// only, so a date goes as its text) and SYLK (Symbolic Link: numbers, strings, number formats and column
// widths, so a date is a day number shown dd.mm.yyyy). Neither says how its letters are written. DIF goes in
// Windows-1250, the code page of the office's Windows computers and of our tables (LibreOffice asks for it);
// SYLK in UTF-8, which is how LibreOffice reads SYLK here.
#pragma once

#include "export/shown_table.h"

#include <QByteArray>

namespace velmar {

QByteArray difDocument(const ShownTable& table);
QByteArray sylkDocument(const ShownTable& table);

}  // namespace velmar
