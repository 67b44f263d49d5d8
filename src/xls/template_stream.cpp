// The globals and the empty sheet of a carried template, record by record.
#include "xls/template_stream.h"

#include "xls/biff_record.h"
#include "xls/byte_io.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <functional>

namespace velmar::xls {

namespace {

namespace id {
constexpr uint16_t Footer = 0x0015, Header = 0x0014, CodePage = 0x0042, Window1 = 0x003D, DateMode = 0x0022,
                   Font = 0x0031, Format = 0x041E, Xf = 0x00E0, Style = 0x0293, CalcMode = 0x000D, CalcCount = 0x000C,
                   RefMode = 0x000F, Iteration = 0x0011, Delta = 0x0010, SaveRecalc = 0x005F, PrintHeaders = 0x002A,
                   PrintGridlines = 0x002B, GridSet = 0x0082, Guts = 0x0080, DefaultRowHeight = 0x0225, WsBool = 0x0081,
                   HCenter = 0x0083, VCenter = 0x0084, PageSetup = 0x00A1, DefColWidth = 0x0055, Window2 = 0x023E;
}  // namespace id

// Fonts after the four default ones; index 4 does not exist in BIFF, so the first of ours is 5.
enum FontIndex : uint16_t { TitleFont = 5, TagFont, HeadingFont, CellFont, RedCellFont };
constexpr uint16_t kAutomaticColour = 0x7FFF, kRed = 0x000A;
struct FontStyle {
    uint16_t twips;
    bool bold;
    uint16_t colour = kAutomaticColour;
};
constexpr FontStyle kDefaultFont{200, false};
// In FontIndex order.
constexpr FontStyle kFonts[] = {{240, true}, {240, false}, {180, true}, {180, false}, {180, true, kRed}};

constexpr uint16_t kAmountFormat = 1;  // built-in "0"
constexpr uint16_t kTextFormat = 49;   // built-in "@"
constexpr uint16_t kDateFormat = 164;  // the first custom index
const QString kDateFormatCode = QStringLiteral("dd.mm.yyyy");

// Alignment byte: horizontal in bits 0-2, vertical in bits 4-6 (2 = bottom, the usual).
constexpr uint8_t kGeneral = 0x20, kCentre = 0x22, kRight = 0x23;

enum Sides : uint8_t { NoSides = 0, Left = 1, Right = 2, Top = 4, Bottom = 8, Box = 15 };

struct LookFormat {
    uint16_t font;
    uint16_t format;
    uint8_t alignment;
    uint8_t sides;  // thin lines
};

LookFormat lookFormat(CellLook look)
{
    switch (look) {
    case CellLook::Title:
        return {TitleFont, 0, kGeneral, NoSides};
    case CellLook::CentredTitle:
        return {TitleFont, 0, kCentre, NoSides};
    case CellLook::CentredTag:
        return {TagFont, 0, kCentre, NoSides};
    case CellLook::Plain:
        return {CellFont, 0, kGeneral, NoSides};
    case CellLook::Bold:
        return {HeadingFont, 0, kGeneral, NoSides};
    case CellLook::HeadingUpper:
        return {HeadingFont, 0, kCentre, Left | Right | Top};
    case CellLook::HeadingLower:
        return {HeadingFont, 0, kCentre, Left | Right | Bottom};
    case CellLook::BandText:
        return {CellFont, 0, kGeneral, Box};
    case CellLook::BandAmount:
        return {CellFont, kAmountFormat, kRight, Box};
    case CellLook::BandDate:
        return {CellFont, kDateFormat, kCentre, Box};
    case CellLook::BandExplanation:
        return {CellFont, kTextFormat, kGeneral, Box};
    case CellLook::TotalLabel:
        return {HeadingFont, 0, kGeneral, Box};
    case CellLook::TotalAmount:
        return {HeadingFont, kAmountFormat, kRight, Box};
    case CellLook::GridHeading:
        return {HeadingFont, 0, kCentre, Box};
    case CellLook::GridTextCentred:
        return {CellFont, kTextFormat, kCentre, Box};
    case CellLook::GridTextRight:
        return {CellFont, kTextFormat, kRight, Box};
    case CellLook::GridNumber:
        return {CellFont, 0, kRight, Box};
    case CellLook::GridNumberRed:
        return {RedCellFont, 0, kRight, Box};
    }
    return {CellFont, 0, kGeneral, NoSides};
}

// XFs 0-20 follow the layout Excel itself writes; the looks' cell XFs come after them.
constexpr int kFirstLookXf = 21;
constexpr int kDefaultCellXf = 15;
// Formats of the built-in styles Comma, Comma[0], Currency, Currency[0], Percent (XF 16-20).
constexpr uint16_t kBuiltInStyleFormats[] = {43, 41, 44, 42, 9};
// STYLE records: XF index with the built-in flag, style id.
constexpr std::pair<uint16_t, uint8_t> kBuiltInStyles[] = {{0x8000, 0}, {0x8010, 3}, {0x8011, 6},
                                                           {0x8012, 4}, {0x8013, 7}, {0x8014, 5}};

// What the stream needs of a sheet besides the cell formats.
struct SheetFrame {
    QString name;
    const std::vector<double>& columnWidths;
    int titleFirstRow, titleLastRow;
    bool landscape;
};

using Fill = std::function<void(ByteWriter&)>;

void add(QByteArray& stream, uint16_t type, const Fill& fill)
{
    QByteArray data;
    ByteWriter w(data);
    fill(w);
    AppendRecord(stream, type, data);
}

// The characters of a BIFF8 string after its count: one byte each when every one fits, else UTF-16.
void characters(ByteWriter& w, const QString& text)
{
    const bool compressed = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
    w.u8(compressed ? 0 : 1);
    for (QChar c : text) {
        if (compressed)
            w.u8(uint8_t(c.unicode()));
        else
            w.u16(c.unicode());
    }
}
void shortString(ByteWriter& w, const QString& text) { characters(w.u8(uint8_t(text.size())), text); }
void longString(ByteWriter& w, const QString& text) { characters(w.u16(uint16_t(text.size())), text); }

void bof(QByteArray& stream, uint16_t kind)
{
    add(stream, record::Bof, [&](ByteWriter& w) { w.u16(0x0600).u16(kind).u16(0x0DBB).u16(0x07CC).u32(0).u32(6); });
}

void font(QByteArray& stream, FontStyle style)
{
    add(stream, id::Font, [&](ByteWriter& w) {
        w.u16(style.twips).u16(0).u16(style.colour).u16(style.bold ? 700 : 400).u16(0).u8(0);
        w.u8(2 /* swiss */).u8(0xEE /* East European */).u8(0);
        shortString(w, QStringLiteral("Arial"));
    });
}

// Style XFs have the style flag and no parent (0xFFF5); cell XFs point at the Normal style (0x0001 =
// locked, parent 0) and say that every attribute is their own (0xF8).
void xf(QByteArray& stream, bool styleXf, uint16_t font, uint16_t format, uint8_t alignment = kGeneral,
        uint8_t sides = NoSides)
{
    constexpr uint32_t kThin = 1, kAutomatic = 0x40;
    uint32_t lines = 0;
    if (sides & Left)
        lines |= kThin;
    if (sides & Right)
        lines |= kThin << 4;
    if (sides & Top)
        lines |= kThin << 8;
    if (sides & Bottom)
        lines |= kThin << 12;
    add(stream, id::Xf, [&](ByteWriter& w) {
        w.u16(font).u16(format).u16(styleXf ? 0xFFF5 : 0x0001).u8(alignment).u8(0).u8(0);
        w.u8(styleXf ? 0xF4 : 0xF8);
        w.u32(lines | kAutomatic << 16 | kAutomatic << 23);  // left and right line colours
        w.u32(kAutomatic | kAutomatic << 7);                 // top and bottom line colours, no fill
        w.u16(0x20C0);                                       // pattern colours: the system's
    });
}

// Fonts, the date format, the XFs and the built-in styles.
void cellFormats(QByteArray& stream)
{
    for (int i = 0; i < 4; ++i)
        font(stream, kDefaultFont);
    for (FontStyle style : kFonts)
        font(stream, style);
    add(stream, id::Format, [](ByteWriter& w) { longString(w.u16(kDateFormat), kDateFormatCode); });
    for (int i = 0; i < kDefaultCellXf; ++i)
        xf(stream, true, 0, 0);
    xf(stream, false, 0, 0);
    for (uint16_t format : kBuiltInStyleFormats)
        xf(stream, true, 0, format);
    for (int look = 0; look < kCellLookCount; ++look) {
        const LookFormat f = lookFormat(CellLook(look));
        xf(stream, false, f.font, f.format, f.alignment, f.sides);
    }
    for (const auto& [xfFlags, styleId] : kBuiltInStyles)
        add(stream, id::Style, [&](ByteWriter& w) { w.u16(xfFlags).u8(styleId).u8(0xFF); });
}

// Print_Titles: a built-in NAME of the sheet over its heading rows and every column, through the
// workbook's reference to itself (SUPBOOK + EXTERNSHEET entry 0).
void printTitles(QByteArray& stream, const SheetFrame& frame)
{
    add(stream, record::SupBook, [](ByteWriter& w) { w.u16(1).u16(0x0401); });
    add(stream, record::ExternSheet, [](ByteWriter& w) { w.u16(1).u16(0).u16(0).u16(0); });
    constexpr uint8_t kPrintTitles = 0x07, kArea3d = 0x3B;
    add(stream, record::Name, [&](ByteWriter& w) {
        w.u16(0x0020).u8(0).u8(1).u16(11).u16(0).u16(1).u32(0);
        w.u8(0).u8(kPrintTitles);
        w.u8(kArea3d).u16(0).u16(uint16_t(frame.titleFirstRow - 1)).u16(uint16_t(frame.titleLastRow - 1));
        w.u16(0).u16(0xFF);
    });
}

// Returns the offset of the BOUNDSHEET's sheet-offset field, patched once the globals' size is known.
qsizetype globals(QByteArray& stream, const SheetFrame& frame)
{
    bof(stream, 0x0005);
    add(stream, id::CodePage, [](ByteWriter& w) { w.u16(1200); });
    add(stream, id::Window1,
        [](ByteWriter& w) { w.u16(0).u16(0).u16(16000).u16(9000).u16(0x0038).u16(0).u16(0).u16(1).u16(600); });
    add(stream, id::DateMode, [](ByteWriter& w) { w.u16(0); });
    cellFormats(stream);
    const qsizetype sheetOffsetField = stream.size() + 4;
    add(stream, record::BoundSheet, [&](ByteWriter& w) { shortString(w.u32(0).u8(0).u8(0), frame.name); });
    printTitles(stream, frame);
    add(stream, record::Sst, [](ByteWriter& w) { w.u32(0).u32(0); });
    add(stream, record::Eof, [](ByteWriter&) {});
    return sheetOffsetField;
}

void sheetSettings(QByteArray& stream)
{
    add(stream, id::CalcMode, [](ByteWriter& w) { w.u16(1); });
    add(stream, id::CalcCount, [](ByteWriter& w) { w.u16(100); });
    add(stream, id::RefMode, [](ByteWriter& w) { w.u16(1); });
    add(stream, id::Iteration, [](ByteWriter& w) { w.u16(0); });
    add(stream, id::Delta, [](ByteWriter& w) { w.f64(0.001); });
    add(stream, id::SaveRecalc, [](ByteWriter& w) { w.u16(1); });
    add(stream, id::PrintHeaders, [](ByteWriter& w) { w.u16(0); });
    add(stream, id::PrintGridlines, [](ByteWriter& w) { w.u16(0); });
    add(stream, id::GridSet, [](ByteWriter& w) { w.u16(1); });
    add(stream, id::Guts, [](ByteWriter& w) { w.u16(0).u16(0).u16(0).u16(0); });
    add(stream, id::DefaultRowHeight, [](ByteWriter& w) { w.u16(0).u16(0x00FF); });
    // 0x0100: fit to the pages of PAGESETUP. The tables are wider than A4 portrait at full size.
    add(stream, id::WsBool, [](ByteWriter& w) { w.u16(0x05C1); });
}

// A4 portrait, one page wide and as many tall as the rows need, the page number and count at the right
// of the footer.
void pageSetup(QByteArray& stream, bool landscape)
{
    add(stream, id::Header, [](ByteWriter&) {});
    add(stream, id::Footer, [](ByteWriter& w) { longString(w, QStringLiteral("&Rpag.&P / &N")); });
    add(stream, id::HCenter, [](ByteWriter& w) { w.u16(0); });
    add(stream, id::VCenter, [](ByteWriter& w) { w.u16(0); });
    constexpr uint16_t kA4 = 9, kPortrait = 0x0002, kLandscape = 0x0000;
    const uint16_t orientation = landscape ? kLandscape : kPortrait;
    add(stream, id::PageSetup, [&](ByteWriter& w) {
        w.u16(kA4).u16(100).u16(1).u16(1).u16(0).u16(orientation).u16(600).u16(600).f64(0.5).f64(0.5).u16(1);
    });
}

void columns(QByteArray& stream, const std::vector<double>& columnWidths)
{
    add(stream, id::DefColWidth, [](ByteWriter& w) { w.u16(8); });
    for (size_t c = 0; c < columnWidths.size(); ++c) {
        const auto width = uint16_t(std::lround(std::min(columnWidths[c], 255.0) * 256));
        add(stream, record::ColInfo,
            [&](ByteWriter& w) { w.u16(uint16_t(c)).u16(uint16_t(c)).u16(width).u16(kDefaultCellXf).u16(0).u16(0); });
    }
}

void sheet(QByteArray& stream, const SheetFrame& frame)
{
    bof(stream, 0x0010);
    sheetSettings(stream);
    pageSetup(stream, frame.landscape);
    columns(stream, frame.columnWidths);
    add(stream, record::Dimensions, [](ByteWriter& w) { w.u32(0).u32(0).u16(0).u16(0).u16(0); });
    add(stream, id::Window2, [](ByteWriter& w) { w.u16(0x06B6).u16(0).u16(0).u16(0x40).u16(0).u16(0).u16(0).u32(0); });
    add(stream, record::Eof, [](ByteWriter&) {});
}

QByteArray workbookStream(const SheetFrame& frame)
{
    QByteArray stream;
    const qsizetype sheetOffsetField = globals(stream, frame);
    writeU32(stream.data() + sheetOffsetField, uint32_t(stream.size()));
    sheet(stream, frame);
    return stream;
}

}  // namespace

QByteArray TemplateStream(const TemplateLayout& layout)
{
    return workbookStream(
        {QString::fromLatin1(layout.sheetName), layout.columnWidths, layout.headingFirstRow, layout.headingLastRow()});
}

QByteArray FormattedSheetStream(const QString& sheetName, const std::vector<double>& columnWidths, int titleFirstRow,
                                int titleLastRow, bool landscape)
{
    return workbookStream({sheetName, columnWidths, titleFirstRow, titleLastRow, landscape});
}

int xfIndex(CellLook look) { return kFirstLookXf + int(look); }

}  // namespace velmar::xls
