// The 8-bit code pages that dBase text fields are stored in, and conversion between their bytes
// and Unicode; the table's language-driver byte says which page a file uses.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <string_view>

namespace velmar {

enum class CodePage { Windows1250, Windows1252, Dos852, Dos437 };

// Header byte 29 of a dBase file. Unmarked (0) and unknown drivers read as Windows-1250, the page
// the register's own tables have always been written in.
CodePage codePageForLanguageDriver(std::uint8_t ldid);
std::uint8_t languageDriverFor(CodePage page);

// Byte -> Unicode; a byte the page leaves undefined maps to the control character of the same number
// (U+0081 for 0x81), as Windows does, so that every byte survives. Generated (codepage_tables.cpp).
const std::array<char16_t, 256>& byteToUnicodeTable(CodePage page);

QString decodeText(CodePage page, std::string_view bytes);

// One byte per character. A character the page lacks becomes '?', as does a whole surrogate
// pair; Romanian comma-below letters fall back to their cedilla forms where the page has those.
QByteArray encodeText(CodePage page, QStringView text);

}  // namespace velmar
