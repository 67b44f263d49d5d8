// One worksheet of a workbook in memory: its rows of cells, and the records around the cell table that
// are kept as they came (print settings, column widths, window, drawings...). Rows and columns are
// 0-based here.
#pragma once

#include "xls/biff_record.h"
#include "xls/formula_tokens.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace velmar::xls {

struct Formula {
    QByteArray tokens;
    QByteArray extra;  // constants of array tokens, after the tokens
    uint16_t flags = 0;
    QByteArray result;                 // the cached result, 8 bytes as stored
    QString resultText;                // the cached result when it is a string
    std::vector<BiffRecord> attached;  // SHRFMLA/ARRAY/TABLE records that belong after this cell
};

struct Cell {
    enum class Kind : uint8_t { Blank, Number, Text, BoolErr, Formula };

    uint16_t column = 0;
    uint16_t xf = 15;
    Kind kind = Kind::Blank;
    uint8_t boolErr[2] = {0, 0};  // BoolErr: value, is-error
    double number = 0;            // Number
    uint32_t text = 0;            // Text: index into the workbook's shared strings
    std::unique_ptr<Formula> formula;

    Cell() = default;
    Cell(const Cell& other) { *this = other; }
    Cell& operator=(const Cell& other);
    Cell(Cell&&) noexcept = default;
    Cell& operator=(Cell&&) noexcept = default;
};

struct Row {
    QByteArray record;        // the ROW record's data; empty when the file had none
    std::vector<Cell> cells;  // ascending columns
    bool empty() const { return record.isEmpty() && cells.empty(); }
};

struct CellRange {
    int firstRow, lastRow, firstColumn, lastColumn;
};

class SharedStringTable;

class Sheet {
public:
    // From the records of a sheet's substream (BOF to EOF). Texts of LABEL records join `strings`.
    // Substreams that are not worksheets (charts, macro sheets) are kept as they are.
    static Sheet parse(std::vector<BiffRecord> records, SharedStringTable& strings);

    bool isWorksheet() const { return worksheet_; }

    const Cell* find(int row, int column) const;
    Cell& ensure(int row, int column);  // a new cell takes the row's or the column's format
    int defaultFormat(int row, int column) const;
    int lastRow() const;     // -1 when no cell
    int lastColumn() const;  // -1 when no cell

    template <typename Visit>
    void forEachFormula(Visit visit)
    {
        for (Row& row : rows_)
            for (Cell& cell : row.cells)
                if (cell.formula)
                    visit(*cell.formula);
    }
    template <typename Visit>
    void forEachCell(Visit visit) const
    {
        for (size_t r = 0; r < rows_.size(); ++r)
            for (const Cell& cell : rows_[r].cells)
                visit(int(r), cell);
    }
    template <typename Visit>
    void forEachCellMutable(Visit visit)
    {
        for (size_t r = 0; r < rows_.size(); ++r)
            for (Cell& cell : rows_[r].cells)
                visit(int(r), cell);
    }
    // Cells of one row within columns first..last.
    template <typename Visit>
    void forEachCellInRow(int row, int firstColumn, int lastColumn, Visit visit) const
    {
        if (row < 0 || row >= int(rows_.size()))
            return;
        for (const Cell& cell : rows_[row].cells)
            if (cell.column >= firstColumn && cell.column <= lastColumn)
                visit(cell);
    }

    // Empty rows in at `at`; the rows from `at` on move down.
    void insertEmptyRows(int at, int count);
    // Row `to` becomes a copy of row `from`; its formulas' relative rows move by to - from.
    void copyRow(int from, int to);
    void eraseRows(int at, int count);
    // Moves the row numbers held outside the cells: merged ranges, page breaks, array ranges.
    void mapRows(const RowRangeMap& map);
    void addMergedRange(const CellRange& range) { merged_.push_back(range); }
    // Merged ranges lying within rows first..last are repeated `offset` rows lower.
    void copyMergedRanges(int firstRow, int lastRow, int offset);

    // A copy of the sheet that is not selected: only one tab of a workbook opens selected.
    Sheet unselectedCopy() const;

    // The substream from BOF to EOF; `streamOffset` is where it will start in the workbook stream.
    // `stringIndex` turns a cell's string index into its index in the saved string table.
    QByteArray serialize(qsizetype streamOffset, const std::vector<uint32_t>& stringIndex) const;

private:
    void parseCellRecord(const BiffRecord& record, SharedStringTable& strings);
    void resolveSharedFormulas();
    Cell& put(int row, int column, uint16_t xf);
    // The ROW, cell and DBCELL records; `streamOffset` is where `out` starts in the workbook stream.
    void appendCellTable(QByteArray& out, qsizetype streamOffset, const std::vector<uint32_t>& stringIndex,
                         std::vector<uint32_t>& dbCellOffsets) const;

    bool worksheet_ = true;
    BiffRecord bof_;
    std::vector<BiffRecord> head_;  // records before the cell table; DIMENSIONS is rebuilt after them
    std::vector<BiffRecord> tail_;  // records after it (MERGEDCELLS regenerated in place)
    int lastFormulaRow_ = -1;       // while parsing: where a STRING record's result goes
    int lastFormulaColumn_ = -1;
    int mergedAt_ = -1;  // index in tail_ where the merged ranges are written
    std::vector<Row> rows_;
    std::vector<CellRange> merged_;
    struct ColumnFormat {
        int first, last, xf;
    };
    std::vector<ColumnFormat> columnFormats_;
    struct SharedFormula {
        int firstRow, lastRow, firstColumn, lastColumn;
        BiffRecord record;
    };
    std::vector<SharedFormula> shared_;
    mutable int lastColumnCache_ = -2;  // -2: to be computed
};

}  // namespace velmar::xls
