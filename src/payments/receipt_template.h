// The receipt template the program carries and writes into the data folder as ModelChitanta.rtf when it
// is missing: two identical receipt forms on one A4 page, built at run time.
#pragma once

#include <QByteArray>

namespace velmar {

// An RTF document (code page 1252, ASCII only) whose header stands before the first line holding "\pard",
// with every tag whole on one line and one outer group that closes on the last line.
QByteArray BuildReceiptTemplate();

}  // namespace velmar
