#include "xls/sheet.h"

#include "xls/byte_io.h"
#include "xls/shared_strings.h"

#include <algorithm>
#include <cmath>

namespace velmar::xls {
namespace {

constexpr uint16_t kWorksheet = 0x0010;
constexpr uint16_t kSharedFlag = 0x0008;
constexpr int kRowsPerBlock = 32;
constexpr int kMergesPerRecord = 1026;
constexpr uint16_t kDefColWidth = 0x0055;

bool isCellTableRecord(uint16_t type)
{
    switch (type) {
    case record::Row:
    case record::Number:
    case record::Rk:
    case record::MulRk:
    case record::LabelSst:
    case record::Label:
    case record::RString:
    case record::Blank:
    case record::MulBlank:
    case record::BoolErr:
    case record::Formula:
    case record::String:
    case record::SharedFormula:
    case record::Array:
    case record::Table:
    case record::DbCell:
        return true;
    default:
        return false;
    }
}

double rkValue(uint32_t rk)
{
    double value;
    if (rk & 0x02) {
        value = double(int32_t(rk) >> 2);
    } else {
        const uint64_t bits = uint64_t(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, 8);
    }
    return (rk & 0x01) ? value / 100 : value;
}

// The RK form of a whole number that fits in 30 bits, as spreadsheet programs store small integers.
std::optional<uint32_t> rkForm(double value)
{
    if (value != std::floor(value) || value < -(1 << 29) || value >= (1 << 29))
        return std::nullopt;
    if (value == 0 && std::signbit(value))
        return std::nullopt;
    return (uint32_t(int32_t(value)) << 2) | 0x02;
}

void writeCellHeader(ByteWriter& w, int row, const Cell& cell) { w.u16(uint16_t(row)).u16(cell.column).u16(cell.xf); }

// Row numbers in ARRAY/TABLE/SHRFMLA records: first row, last row at the start of the data.
void mapRangeRecord(BiffRecord& record, const RowRangeMap& map)
{
    if (record.data.size() < 4)
        return;
    const auto moved = map(readU16(record.data.constData()), readU16(record.data.constData() + 2));
    if (!moved)
        return;
    writeU16(record.data.data(), uint16_t(moved->first));
    writeU16(record.data.data() + 2, uint16_t(moved->second));
}

}  // namespace

Cell& Cell::operator=(const Cell& other)
{
    if (this == &other)
        return *this;
    column = other.column;
    xf = other.xf;
    kind = other.kind;
    boolErr[0] = other.boolErr[0];
    boolErr[1] = other.boolErr[1];
    number = other.number;
    text = other.text;
    formula = other.formula ? std::make_unique<Formula>(*other.formula) : nullptr;
    return *this;
}

Sheet Sheet::parse(std::vector<BiffRecord> records, SharedStringTable& strings)
{
    Sheet sheet;
    if (records.empty())
        throw TruncatedData();
    sheet.bof_ = std::move(records.front());
    if (sheet.bof_.data.size() < 4)
        throw TruncatedData();
    if (readU16(sheet.bof_.data.constData() + 2) != kWorksheet) {
        sheet.worksheet_ = false;
        sheet.head_.assign(std::make_move_iterator(records.begin() + 1), std::make_move_iterator(records.end()));
        return sheet;
    }
    bool inCells = false;
    int depth = 0;  // inside an embedded chart's own BOF..EOF
    for (size_t i = 1; i + 1 < records.size(); ++i) {
        BiffRecord& record = records[i];
        if (record.type == record::Bof)
            ++depth;
        if (depth == 0 && isCellTableRecord(record.type)) {
            inCells = true;
            sheet.parseCellRecord(record, strings);
            continue;
        }
        if (record.type == record::Eof && depth > 0)
            --depth;
        if (depth == 0 && record.type == record::Index)
            continue;  // rebuilt on save
        auto& section = inCells ? sheet.tail_ : sheet.head_;
        if (depth == 0 && record.type == record::Dimensions && !inCells) {
            // The cell table follows DIMENSIONS; what comes after it belongs after the cells, also
            // while the sheet is still empty.
            inCells = true;
            continue;
        } else if (depth == 0 && record.type == record::MergedCells && inCells) {
            ByteReader in(record.data);
            const int count = in.u16();
            for (int m = 0; m < count; ++m) {
                const int r1 = in.u16(), r2 = in.u16(), c1 = in.u16(), c2 = in.u16();
                sheet.merged_.push_back({r1, r2, c1, c2});
            }
            if (sheet.mergedAt_ < 0)
                sheet.mergedAt_ = int(section.size());
            continue;
        } else if (depth == 0 && record.type == record::ColInfo && record.data.size() >= 8) {
            const char* d = record.data.constData();
            sheet.columnFormats_.push_back({readU16(d), readU16(d + 2), readU16(d + 6)});
        }
        section.push_back(std::move(record));
    }
    sheet.resolveSharedFormulas();
    return sheet;
}

Cell& Sheet::put(int row, int column, uint16_t xf)
{
    Cell& cell = ensure(row, column);
    cell.xf = xf;
    return cell;
}

void Sheet::parseCellRecord(const BiffRecord& record, SharedStringTable& strings)
{
    ByteReader in(record.data);
    switch (record.type) {
    case record::Row: {
        const int row = in.u16();
        if (record.data.size() < 16)
            throw TruncatedData();
        if (int(rows_.size()) <= row)
            rows_.resize(row + 1);
        rows_[row].record = record.data;
        return;
    }
    case record::DbCell:
        return;
    case record::String: {  // the string result of the formula just read
        const QString text = ReadUnicodeString(in);
        if (lastFormulaRow_ >= 0) {
            Cell& cell = ensure(lastFormulaRow_, lastFormulaColumn_);
            if (cell.formula)
                cell.formula->resultText = text;
        }
        return;
    }
    case record::SharedFormula: {
        const int r1 = in.u16(), r2 = in.u16(), c1 = in.u8(), c2 = in.u8();
        shared_.push_back({r1, r2, c1, c2, record});
        return;
    }
    case record::Array:
    case record::Table: {  // belongs to the formula cell at its range's top left
        const int r1 = in.u16();
        in.u16();
        const int c1 = in.u8();
        if (r1 < int(rows_.size())) {
            for (Cell& cell : rows_[r1].cells)
                if (cell.column == c1 && cell.formula)
                    cell.formula->attached.push_back(record);
        }
        return;
    }
    case record::MulRk:
    case record::MulBlank: {
        const int row = in.u16();
        int column = in.u16();
        const int width = record.type == record::MulRk ? 6 : 2;
        const int count = int((record.data.size() - 6) / width);
        for (int i = 0; i < count; ++i, ++column) {
            Cell& cell = put(row, column, in.u16());
            if (record.type == record::MulRk) {
                cell.kind = Cell::Kind::Number;
                cell.number = rkValue(in.u32());
            } else {
                cell.kind = Cell::Kind::Blank;
            }
        }
        return;
    }
    default:
        break;
    }
    const int row = in.u16();
    const int column = in.u16();
    Cell& cell = put(row, column, in.u16());
    switch (record.type) {
    case record::Number:
        cell.kind = Cell::Kind::Number;
        cell.number = in.f64();
        break;
    case record::Rk:
        cell.kind = Cell::Kind::Number;
        cell.number = rkValue(in.u32());
        break;
    case record::LabelSst: {
        const uint32_t index = in.u32();
        if (index >= strings.size())
            throw TruncatedData();
        cell.kind = Cell::Kind::Text;
        cell.text = index;
        break;
    }
    case record::Label:
    case record::RString:
        cell.kind = Cell::Kind::Text;
        cell.text = strings.add(ReadUnicodeString(in));
        break;
    case record::BoolErr:
        cell.kind = Cell::Kind::BoolErr;
        cell.boolErr[0] = in.u8();
        cell.boolErr[1] = in.u8();
        break;
    case record::Formula: {
        auto formula = std::make_unique<Formula>();
        formula->result = in.bytes(8);
        formula->flags = in.u16();
        in.u32();
        formula->tokens = in.bytes(in.u16());
        formula->extra = in.bytes(in.left());
        cell.kind = Cell::Kind::Formula;
        cell.formula = std::move(formula);
        lastFormulaRow_ = row;
        lastFormulaColumn_ = column;
        break;
    }
    default:  // BLANK
        cell.kind = Cell::Kind::Blank;
        break;
    }
}

// Each member of a shared formula gets its own copy of the tokens, so that rows can be inserted and
// copied without keeping the shared ranges in step. A group whose tokens cannot be walked stays shared.
void Sheet::resolveSharedFormulas()
{
    for (SharedFormula& group : shared_) {
        ByteReader in(group.record.data);
        in.skip(8);
        const QByteArray tokens = in.bytes(in.u16());
        const QByteArray extra = in.bytes(in.left());
        bool unshared = true;
        for (int r = group.firstRow; r <= group.lastRow && r < int(rows_.size()); ++r) {
            for (Cell& cell : rows_[r].cells) {
                if (!cell.formula || cell.column < group.firstColumn || cell.column > group.lastColumn)
                    continue;
                const QByteArray& own = cell.formula->tokens;
                if (own.size() != 5 || own.at(0) != char(ptg::Exp) || readU16(own.constData() + 1) != group.firstRow ||
                    readU16(own.constData() + 3) != group.firstColumn)
                    continue;
                const QByteArray resolved = UnshareTokens(tokens, r, cell.column);
                if (resolved.isEmpty()) {
                    unshared = false;
                    continue;
                }
                cell.formula->tokens = resolved;
                cell.formula->extra = extra;
                cell.formula->flags &= ~kSharedFlag;
            }
        }
        if (!unshared) {
            for (Cell& cell : rows_[group.firstRow].cells)
                if (cell.column == group.firstColumn && cell.formula)
                    cell.formula->attached.push_back(group.record);
        }
    }
    shared_.clear();
}

const Cell* Sheet::find(int row, int column) const
{
    if (row < 0 || row >= int(rows_.size()))
        return nullptr;
    const auto& cells = rows_[row].cells;
    const auto it =
        std::lower_bound(cells.begin(), cells.end(), column, [](const Cell& c, int col) { return c.column < col; });
    return it != cells.end() && it->column == column ? &*it : nullptr;
}

int Sheet::defaultFormat(int row, int column) const
{
    if (row < int(rows_.size()) && rows_[row].record.size() >= 16) {
        const uint32_t flags = readU32(rows_[row].record.constData() + 12);
        if (flags & 0x80)
            return int((flags >> 16) & 0x0FFF);
    }
    for (const ColumnFormat& f : columnFormats_)
        if (column >= f.first && column <= f.last)
            return f.xf;
    return 15;
}

Cell& Sheet::ensure(int row, int column)
{
    if (int(rows_.size()) <= row)
        rows_.resize(row + 1);
    auto& cells = rows_[row].cells;
    auto it =
        std::lower_bound(cells.begin(), cells.end(), column, [](const Cell& c, int col) { return c.column < col; });
    if (it != cells.end() && it->column == column)
        return *it;
    Cell cell;
    cell.column = uint16_t(column);
    cell.xf = uint16_t(defaultFormat(row, column));
    if (lastColumnCache_ != -2)
        lastColumnCache_ = std::max(lastColumnCache_, column);
    return *cells.insert(it, std::move(cell));
}

int Sheet::lastRow() const
{
    for (int r = int(rows_.size()) - 1; r >= 0; --r)
        if (!rows_[r].cells.empty())
            return r;
    return -1;
}

int Sheet::lastColumn() const
{
    if (lastColumnCache_ == -2) {
        int last = -1;
        for (const Row& row : rows_)
            if (!row.cells.empty())
                last = std::max<int>(last, row.cells.back().column);
        lastColumnCache_ = last;
    }
    return lastColumnCache_;
}

void Sheet::insertEmptyRows(int at, int count)
{
    if (at < int(rows_.size()))
        rows_.insert(rows_.begin() + at, size_t(count), Row{});
}

void Sheet::copyRow(int from, int to)
{
    if (from >= int(rows_.size()))
        return;
    if (int(rows_.size()) <= to)
        rows_.resize(to + 1);
    rows_[to] = rows_[from];
    for (Cell& cell : rows_[to].cells) {
        if (!cell.formula)
            continue;
        MoveRelativeRows(cell.formula->tokens, to - from);
        cell.formula->attached.clear();  // an array or table range stays with the original cells
    }
}

void Sheet::eraseRows(int at, int count)
{
    if (at >= int(rows_.size()))
        return;
    const int end = std::min<int>(at + count, int(rows_.size()));
    rows_.erase(rows_.begin() + at, rows_.begin() + end);
    lastColumnCache_ = -2;
}

void Sheet::mapRows(const RowRangeMap& map)
{
    std::vector<CellRange> kept;
    for (const CellRange& range : merged_) {
        const auto moved = map(range.firstRow, range.lastRow);
        if (moved && (moved->first != moved->second || range.firstColumn != range.lastColumn))
            kept.push_back({moved->first, moved->second, range.firstColumn, range.lastColumn});
    }
    merged_ = std::move(kept);
    for (BiffRecord& record : head_) {
        if (record.type != record::HorizontalBreaks || record.data.size() < 2)
            continue;
        QByteArray breaks;
        int count = 0;
        for (qsizetype p = 2; p + 6 <= record.data.size(); p += 6) {
            const auto moved = map(readU16(record.data.constData() + p), readU16(record.data.constData() + p));
            if (!moved)
                continue;
            QByteArray entry = record.data.mid(p, 6);
            writeU16(entry.data(), uint16_t(moved->first));
            breaks.append(entry);
            ++count;
        }
        QByteArray data;
        ByteWriter(data).u16(uint16_t(count)).bytes(breaks);
        record.data = data;
    }
    for (Row& row : rows_)
        for (Cell& cell : row.cells)
            if (cell.formula)
                for (BiffRecord& attached : cell.formula->attached)
                    mapRangeRecord(attached, map);
}

void Sheet::copyMergedRanges(int firstRow, int lastRow, int offset)
{
    const size_t count = merged_.size();
    for (size_t i = 0; i < count; ++i) {
        const CellRange range = merged_[i];
        if (range.firstRow >= firstRow && range.lastRow <= lastRow)
            merged_.push_back({range.firstRow + offset, range.lastRow + offset, range.firstColumn, range.lastColumn});
    }
}

Sheet Sheet::unselectedCopy() const
{
    constexpr uint16_t kSelected = 0x0200, kShownInWindow = 0x0400;
    Sheet copy(*this);
    for (auto* records : {&copy.head_, &copy.tail_})
        for (BiffRecord& record : *records)
            if (record.type == record::Window2 && record.data.size() >= 2)
                writeU16(record.data.data(), readU16(record.data.constData()) & ~(kSelected | kShownInWindow));
    return copy;
}

void Sheet::appendCellTable(QByteArray& out, qsizetype streamOffset, const std::vector<uint32_t>& stringIndex,
                            std::vector<uint32_t>& dbCellOffsets) const
{
    constexpr qsizetype kBytesPerCellGuess = 16;
    qsizetype cells = 0;
    for (const Row& row : rows_)
        cells += qsizetype(row.cells.size()) + 1;
    out.reserve(out.size() + cells * kBytesPerCellGuess);
    QByteArray data;  // one cell record's data at a time, its room kept from cell to cell
    const int rowCount = int(rows_.size());
    for (int blockStart = 0; blockStart < rowCount; blockStart += kRowsPerBlock) {
        const int blockEnd = std::min(rowCount, blockStart + kRowsPerBlock);
        int firstRowRecord = -1;
        for (int r = blockStart; r < blockEnd; ++r) {
            const Row& row = rows_[r];
            if (row.empty())
                continue;
            QByteArray rowRecord = row.record;
            if (rowRecord.size() < 16) {
                rowRecord = QByteArray(16, '\0');
                writeU16(rowRecord.data() + 6, 0x00FF);       // default height
                writeU32(rowRecord.data() + 12, 0x00000100);  // the bit every ROW record carries
            }
            writeU16(rowRecord.data(), uint16_t(r));
            writeU16(rowRecord.data() + 2, row.cells.empty() ? 0 : row.cells.front().column);
            writeU16(rowRecord.data() + 4, row.cells.empty() ? 0 : uint16_t(row.cells.back().column + 1));
            if (firstRowRecord < 0)
                firstRowRecord = int(out.size());
            AppendRecord(out, record::Row, rowRecord);
        }
        if (firstRowRecord < 0)
            continue;
        // DBCELL: back to the first ROW, then each row's first cell relative to the previous one.
        QByteArray dbCell;
        ByteWriter db(dbCell);
        db.u32(0);
        qsizetype previous = firstRowRecord + 20;
        QByteArray data;
        for (int r = blockStart; r < blockEnd; ++r) {
            const Row& row = rows_[r];
            if (row.empty())
                continue;
            db.u16(uint16_t(row.cells.empty() ? 0 : out.size() - previous));
            if (!row.cells.empty())
                previous = out.size();
            for (const Cell& cell : row.cells) {
                data.resize(0);  // one buffer for every cell record: it keeps its room
                ByteWriter w(data);
                writeCellHeader(w, r, cell);
                switch (cell.kind) {
                case Cell::Kind::Blank:
                    AppendRecord(out, record::Blank, data);
                    break;
                case Cell::Kind::Number:
                    if (const auto rk = rkForm(cell.number)) {
                        w.u32(*rk);
                        AppendRecord(out, record::Rk, data);
                    } else {
                        w.f64(cell.number);
                        AppendRecord(out, record::Number, data);
                    }
                    break;
                case Cell::Kind::Text:
                    w.u32(stringIndex.at(cell.text));
                    AppendRecord(out, record::LabelSst, data);
                    break;
                case Cell::Kind::BoolErr:
                    w.u8(cell.boolErr[0]).u8(cell.boolErr[1]);
                    AppendRecord(out, record::BoolErr, data);
                    break;
                case Cell::Kind::Formula: {
                    const Formula& f = *cell.formula;
                    w.bytes(f.result).u16(f.flags).u32(0).u16(uint16_t(f.tokens.size())).bytes(f.tokens).bytes(f.extra);
                    AppendRecord(out, record::Formula, data);
                    for (const BiffRecord& attached : f.attached)
                        AppendRecord(out, attached);
                    const bool stringResult =
                        uint8_t(f.result.at(0)) == 0 && readU16(f.result.constData() + 6) == 0xFFFF;
                    if (stringResult) {
                        QByteArray text;
                        AppendUnicodeString(text, f.resultText);
                        AppendRecord(out, record::String, text);
                    }
                    break;
                }
                }
            }
        }
        writeU32(dbCell.data(), uint32_t(out.size() - firstRowRecord));
        dbCellOffsets.push_back(uint32_t(streamOffset + out.size()));
        AppendRecord(out, record::DbCell, dbCell);
    }
}

QByteArray Sheet::serialize(qsizetype streamOffset, const std::vector<uint32_t>& stringIndex) const
{
    QByteArray out;
    AppendRecord(out, bof_);
    if (!worksheet_) {
        for (const BiffRecord& record : head_)
            AppendRecord(out, record);
        return out;
    }
    int firstRow = -1, lastRow = -1;
    int blocks = 0;
    for (int r = 0; r < int(rows_.size()); ++r) {
        if (rows_[r].empty())
            continue;
        if (firstRow < 0)
            firstRow = r;
        if (r / kRowsPerBlock != lastRow / kRowsPerBlock || lastRow < 0)
            ++blocks;
        lastRow = r;
    }
    const qsizetype indexAt = out.size();
    AppendRecord(out, record::Index, QByteArray(16 + 4 * blocks, '\0'));

    qsizetype defColWidthAt = 0;
    const auto appendDimensions = [&] {
        QByteArray data;
        const int cellRow = this->lastRow();
        const int cellColumn = lastColumn();
        int firstCellRow = 0, firstCellColumn = 0;
        if (cellRow >= 0) {
            firstCellRow = int(std::find_if(rows_.begin(), rows_.end(), [](const Row& r) { return !r.cells.empty(); }) -
                               rows_.begin());
            firstCellColumn = 256;
            for (const Row& row : rows_)
                if (!row.cells.empty())
                    firstCellColumn = std::min<int>(firstCellColumn, row.cells.front().column);
        }
        ByteWriter(data)
            .u32(uint32_t(firstCellRow))
            .u32(uint32_t(cellRow + 1))
            .u16(uint16_t(firstCellColumn))
            .u16(uint16_t(cellColumn + 1))
            .u16(0);
        AppendRecord(out, record::Dimensions, data);
    };
    for (const BiffRecord& record : head_) {
        if (record.type == kDefColWidth)
            defColWidthAt = streamOffset + out.size();
        AppendRecord(out, record);
    }
    appendDimensions();  // directly before the cell table

    std::vector<uint32_t> dbCells;
    appendCellTable(out, streamOffset, stringIndex, dbCells);

    const auto appendMerged = [&] {
        for (size_t i = 0; i < merged_.size(); i += kMergesPerRecord) {
            const size_t n = std::min<size_t>(kMergesPerRecord, merged_.size() - i);
            QByteArray data;
            ByteWriter w(data);
            w.u16(uint16_t(n));
            for (size_t m = i; m < i + n; ++m)
                w.u16(uint16_t(merged_[m].firstRow))
                    .u16(uint16_t(merged_[m].lastRow))
                    .u16(uint16_t(merged_[m].firstColumn))
                    .u16(uint16_t(merged_[m].lastColumn));
            AppendRecord(out, record::MergedCells, data);
        }
    };
    const int mergedAt = mergedAt_ >= 0 ? mergedAt_ : std::max(0, int(tail_.size()) - 1);
    for (int i = 0; i < int(tail_.size()); ++i) {
        if (i == mergedAt)
            appendMerged();
        AppendRecord(out, tail_[i]);
    }
    if (tail_.empty())
        appendMerged();
    AppendRecord(out, record::Eof, {});

    char* index = out.data() + indexAt + 4;
    writeU32(index + 4, uint32_t(std::max(firstRow, 0)));
    writeU32(index + 8, uint32_t(lastRow + 1));
    writeU32(index + 12, uint32_t(defColWidthAt));
    for (int b = 0; b < int(dbCells.size()) && b < blocks; ++b)
        writeU32(index + 16 + 4 * b, dbCells[b]);
    return out;
}

}  // namespace velmar::xls
