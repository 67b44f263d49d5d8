// The table as a rich-text document: the heading and the "Creat la" line, then a real table (the band row with
// merged cells and the title row repeated on every page) on A4 landscape, each column as wide as its longest
// value, all shrunk together to the page's width when wider. Letters beyond ASCII go as Unicode escapes. Saved as .doc
// this is also the Word export: Word and LibreOffice Writer open an RTF file whatever its extension.
#pragma once

#include "export/shown_table.h"

#include <QByteArray>

namespace velmar {

QByteArray rtfDocument(const ShownTable& table);

}  // namespace velmar
