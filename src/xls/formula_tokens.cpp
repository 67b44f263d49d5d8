#include "xls/formula_tokens.h"

#include "xls/byte_io.h"

namespace velmar::xls {
namespace {

constexpr uint16_t kRowRelative = 0x8000;
constexpr uint16_t kColumnRelative = 0x4000;

// A row field and the column field whose flags say whether that row is relative.
struct RowField {
    char* row;
    char* column;
    int value() const { return readU16(row); }
    bool relative() const { return readU16(column) & kRowRelative; }
    void set(int v) const { writeU16(row, uint16_t(v)); }
};

// The rows of one reference token: one field for a cell, two for an area.
struct Reference {
    char* id;
    RowField first;
    RowField last;
    bool sameSheet;  // a plain (2-D) reference
    uint16_t externIndex;

    void makeError() const
    {
        const uint8_t base = ptg::base(uint8_t(*id));
        const uint8_t error = base == ptg::Ref || base == ptg::RefN ? ptg::RefErr
            : base == ptg::Area || base == ptg::AreaN               ? ptg::AreaErr
            : base == ptg::Ref3d                                    ? ptg::RefErr3d
                                                                    : ptg::AreaErr3d;
        *id = char((uint8_t(*id) & 0x60) | (error & 0x1F));
    }
};

// Calls `visit` for every live reference (cell, area, 3-D, and the anchors of shared/array formulas).
template <typename Visit>
bool forEachReference(QByteArray& tokens, Visit visit)
{
    char* p = tokens.data();
    const char* end = p + tokens.size();
    while (p < end) {
        const int size = TokenSize(p, end - p);
        if (size < 0)
            return false;
        const uint8_t base = ptg::base(uint8_t(*p));
        char* d = p + 1;
        switch (base) {
        case ptg::Exp:
        case ptg::Table:  // the anchor: row, then a column without flags; never relative
            visit(Reference{nullptr, {d, nullptr}, {d, nullptr}, true, 0});
            break;
        case ptg::Ref:
        case ptg::RefN:
            visit(Reference{p, {d, d + 2}, {d, d + 2}, true, 0});
            break;
        case ptg::Area:
        case ptg::AreaN:
            visit(Reference{p, {d, d + 4}, {d + 2, d + 6}, true, 0});
            break;
        case ptg::Ref3d:
            visit(Reference{p, {d + 2, d + 4}, {d + 2, d + 4}, false, readU16(d)});
            break;
        case ptg::Area3d:
            visit(Reference{p, {d + 2, d + 6}, {d + 4, d + 8}, false, readU16(d)});
            break;
        default:
            break;
        }
        p += size;
    }
    return true;
}

bool isRelativeForm(const char* id)
{
    const uint8_t base = ptg::base(uint8_t(*id));
    return base == ptg::RefN || base == ptg::AreaN;
}

}  // namespace

int TokenSize(const char* p, qsizetype left)
{
    const uint8_t id = uint8_t(p[0]);
    const uint8_t base = ptg::base(id);
    int size = -1;
    if (id >= 0x03 && id <= 0x16)
        size = 1;
    else if (id == ptg::Exp || id == ptg::Table)
        size = 5;
    else if (id == ptg::Str) {
        if (left < 3)
            return -1;
        size = 3 + uint8_t(p[1]) * ((uint8_t(p[2]) & 0x01) ? 2 : 1);
    } else if (id == ptg::Attr) {
        if (left < 4)
            return -1;
        size = 4;
        if (uint8_t(p[1]) & 0x04)
            size += (readU16(p + 2) + 1) * 2;  // tAttrChoose jump table
    } else if (id == ptg::Err || id == ptg::Bool)
        size = 2;
    else if (id == ptg::Int)
        size = 3;
    else if (id == ptg::Num)
        size = 9;
    else if (id >= 0x20) {
        switch (base) {
        case 0x20:
            size = 8;
            break;  // ptgArray
        case ptg::Func:
            size = 3;
            break;
        case ptg::FuncVar:
            size = 4;
            break;
        case ptg::Name:
            size = 5;
            break;
        case ptg::Ref:
        case ptg::RefErr:
        case ptg::RefN:
            size = 5;
            break;
        case ptg::Area:
        case ptg::AreaErr:
        case ptg::AreaN:
            size = 9;
            break;
        case 0x26:
        case 0x27:
        case 0x28:
            size = 7;
            break;  // ptgMemArea/MemErr/MemNoMem
        case 0x29:
            size = 3;
            break;  // ptgMemFunc
        case 0x2E:
        case 0x2F:
            size = 3;
            break;  // ptgMemAreaN/MemNoMemN
        case 0x39:
            size = 7;
            break;  // ptgNameX
        case ptg::Ref3d:
        case ptg::RefErr3d:
            size = 7;
            break;
        case ptg::Area3d:
        case ptg::AreaErr3d:
            size = 11;
            break;
        default:
            return -1;
        }
    }
    return size >= 0 && size <= left ? size : -1;
}

RowRangeMap RowsInserted(int at, int count)
{
    return [at, count](int first, int last) -> std::optional<std::pair<int, int>> {
        if (first >= at)
            first += count;
        if (last >= at)
            last += count;
        if (last > kMaxRow)
            return std::nullopt;
        return std::make_pair(first, last);
    };
}

RowRangeMap RowsDeleted(int at, int count)
{
    const int end = at + count;  // first row kept below the deleted ones
    return [at, count, end](int first, int last) -> std::optional<std::pair<int, int>> {
        if (last < at)
            return std::make_pair(first, last);
        if (first >= end)
            return std::make_pair(first - count, last - count);
        if (first >= at && last < end)
            return std::nullopt;
        return std::make_pair(first < at ? first : at, last >= end ? last - count : at - 1);
    };
}

bool MapReferenceRows(QByteArray& tokens, const SheetReferences& scope, const RowRangeMap& map)
{
    return forEachReference(tokens, [&](const Reference& ref) {
        if (ref.id && isRelativeForm(ref.id))
            return;  // offsets from the cell, not rows of the sheet
        const bool onSheet =
            ref.sameSheet ? scope.plainReferences : scope.externIsSheet && scope.externIsSheet(ref.externIndex);
        if (!onSheet)
            return;
        const auto moved = map(ref.first.value(), ref.last.value());
        if (moved) {
            ref.first.set(moved->first);
            ref.last.set(moved->second);
        } else if (ref.id) {
            ref.makeError();
        }
    });
}

bool MoveRelativeRows(QByteArray& tokens, int delta)
{
    return forEachReference(tokens, [delta](const Reference& ref) {
        if (!ref.id || isRelativeForm(ref.id))
            return;
        const int first = ref.first.value() + (ref.first.relative() ? delta : 0);
        const int last = ref.last.value() + (ref.last.relative() ? delta : 0);
        if (first < 0 || last < 0 || first > kMaxRow || last > kMaxRow) {
            ref.makeError();
            return;
        }
        ref.first.set(first);
        ref.last.set(last);
    });
}

QByteArray UnshareTokens(const QByteArray& sharedTokens, int row, int column)
{
    QByteArray tokens = sharedTokens;
    char* p = tokens.data();
    const char* end = p + tokens.size();
    while (p < end) {
        const int size = TokenSize(p, end - p);
        if (size < 0)
            return {};
        const uint8_t base = ptg::base(uint8_t(*p));
        if (base == ptg::RefN || base == ptg::AreaN) {
            // Relative parts hold offsets from the cell; absolute parts already hold the row or column.
            const int fields = base == ptg::RefN ? 1 : 2;
            for (int i = 0; i < fields; ++i) {
                char* rowField = p + 1 + 2 * i;
                char* columnField = p + 1 + (base == ptg::RefN ? 2 : 4) + 2 * i;
                const uint16_t flags = readU16(columnField);
                if (flags & kRowRelative)
                    writeU16(rowField, uint16_t(row + int16_t(readU16(rowField))));
                if (flags & kColumnRelative) {
                    const int col = (column + int8_t(flags & 0xFF)) & 0xFF;
                    writeU16(columnField, uint16_t((flags & 0xC000) | col));
                }
            }
            *p = char(uint8_t(*p) - 8);  // ptgRefN -> ptgRef, ptgAreaN -> ptgArea, class kept
        }
        p += size;
    }
    return tokens;
}

}  // namespace velmar::xls
