// Conversion between dBase code-page bytes and Unicode; runs for every text cell read or written,
// so both directions are straight table lookups.
#include "store/codepage.h"

#include <memory>

namespace velmar {
namespace {

constexpr CodePage kAllPages[] = {CodePage::Windows1250, CodePage::Windows1252, CodePage::Dos852, CodePage::Dos437};

// Unicode (BMP) -> byte, 0 where the page has no byte for the character. 0 is free to mean that
// because U+0000..U+007F never reach this table: every page here is ASCII below 0x80.
using ReverseTable = std::array<std::uint8_t, 0x10000>;

ReverseTable buildReverseTable(CodePage page)
{
    const auto& forward = byteToUnicodeTable(page);
    ReverseTable reverse{};
    for (int byte = 0x80; byte < 0x100; ++byte) {
        const char16_t unit = forward[byte];
        if (unit >= 0x80)
            reverse[unit] = static_cast<std::uint8_t>(byte);
    }
    // Romanian text typed today uses the comma-below letters; the old 8-bit pages only have the
    // cedilla ones, which is how those letters were always written in these files.
    constexpr char16_t kCommaBelow[] = {u'\u0218', u'\u0219', u'\u021A', u'\u021B'};
    constexpr char16_t kCedilla[] = {u'\u015E', u'\u015F', u'\u0162', u'\u0163'};
    for (std::size_t i = 0; i < std::size(kCommaBelow); ++i) {
        if (reverse[kCommaBelow[i]] == 0)
            reverse[kCommaBelow[i]] = reverse[kCedilla[i]];
    }
    return reverse;
}

const ReverseTable& reverseTable(CodePage page)
{
    using AllTables = std::array<ReverseTable, std::size(kAllPages)>;
    static const std::unique_ptr<const AllTables> tables = [] {
        auto built = std::make_unique<AllTables>();
        for (CodePage each : kAllPages)
            (*built)[static_cast<std::size_t>(each)] = buildReverseTable(each);
        return built;
    }();
    return (*tables)[static_cast<std::size_t>(page)];
}

}  // namespace

CodePage codePageForLanguageDriver(std::uint8_t ldid)
{
    switch (ldid) {
    case 0x03:
    case 0x58:
        return CodePage::Windows1252;
    case 0x64:
    case 0x40:
        return CodePage::Dos852;
    case 0x01:
        return CodePage::Dos437;
    default:
        return CodePage::Windows1250;
    }
}

std::uint8_t languageDriverFor(CodePage page)
{
    switch (page) {
    case CodePage::Windows1252:
        return 0x03;
    case CodePage::Dos852:
        return 0x64;
    case CodePage::Dos437:
        return 0x01;
    case CodePage::Windows1250:
        break;
    }
    return 0xC8;
}

QString decodeText(CodePage page, std::string_view bytes)
{
    const auto& table = byteToUnicodeTable(page);
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes)
        *out++ = table[static_cast<unsigned char>(byte)];
    return text;
}

QByteArray encodeText(CodePage page, QStringView text)
{
    const ReverseTable& reverse = reverseTable(page);
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    const char16_t* in = text.utf16();
    const char16_t* const end = in + text.size();
    while (in != end) {
        const char16_t unit = *in++;
        if (unit < 0x80) {
            *out++ = static_cast<char>(unit);
            continue;
        }
        // A character outside the BMP is one '?', not two; surrogates are never in the table.
        if (QChar::isHighSurrogate(unit) && in != end && QChar::isLowSurrogate(*in))
            ++in;
        const std::uint8_t byte = reverse[unit];
        *out++ = byte != 0 ? static_cast<char>(byte) : '?';
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

}  // namespace velmar
