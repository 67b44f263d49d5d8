// A BIFF8 workbook (.xls) open in memory: read and write cells of one sheet at a time, insert copies of
// rows and delete rows with every reference of the workbook following the moved rows, and save it in
// the same format. Records the engine does not need to understand are kept byte for byte.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace velmar::xls {

struct CellValue {
    enum class Kind { Empty, Number, Text, Boolean, Error };
    Kind kind = Kind::Empty;
    double number = 0;  // Number; Boolean as 0/1; Error as its BIFF code
    QString text;       // Text

    static CellValue ofNumber(double v) { return {Kind::Number, v, {}}; }
    static CellValue ofText(const QString& t) { return {Kind::Text, 0, t}; }

    // "" for empty, the text, a number in its shortest form ("12", "2.5", "-0.25"), "TRUE"/"FALSE",
    // or the error's name ("#REF!").
    QString toText() const;
};

class Workbook {
public:
    // Every open error throws StoreError with a message naming the file: not a compound file, damaged
    // or cut short, no BIFF8 workbook stream, encrypted.
    static Workbook open(const QString& path);
    static Workbook fromFileBytes(const QByteArray& fileBytes, const QString& fileName);
    // From a bare BIFF8 workbook stream (BOUNDSHEET offsets must be right): how a workbook is built from
    // scratch.
    static Workbook fromStream(const QByteArray& workbookStream, const QString& fileName);

    Workbook(Workbook&&) noexcept;
    Workbook& operator=(Workbook&&) noexcept;
    ~Workbook();

    // Cached results of the formulas of changed sheets are computed again before the workbook is
    // written. `save` writes a temporary file beside `path` and renames it: never a half-written file.
    QByteArray toFileBytes();
    // Computes the cached results of the changed sheets' formulas now, as saving would.
    void recalculate();
    void save(const QString& path);

    int sheetCount() const;
    QString sheetName(int index) const;  // 1 = first
    void selectSheet(int index);         // throws StoreError when there is no such sheet
    int activeSheet() const;
    // A copy of worksheet `index` (cells, formats, print settings; not the names scoped to it) added
    // after the last sheet as `name`, not selected; returns its index. Throws StoreError for a name a
    // workbook cannot hold (empty, over 31 characters, one of : \\ / ? * [ ], or already taken).
    int appendSheetCopy(int index, const QString& name);
    // The same rules for the new name as for a copy's.
    void renameSheet(int index, const QString& name);
    static constexpr int kMaxSheetNameLength = 31;

    // The active sheet. Rows and columns count from 1 (row 65536, column 256 at most).
    int rowCount() const;                       // the last row holding a cell, 0 for an empty sheet
    int columnCount() const;                    // the last column holding a cell
    CellValue cell(int row, int column) const;  // a formula gives its cached result
    QString cellText(int row, int column) const { return cell(row, column).toText(); }
    bool isFormula(int row, int column) const;
    QString formulaText(int row, int column) const;  // "F7+G7+H7", "SUM(F6:F26)"; "" when no formula
    int cellFormat(int row, int column) const;       // the cell's XF index (the row's or column's when empty)

    // Writing keeps the cell's format (an empty cell takes its row's or column's format). The empty
    // text leaves a formatted blank cell.
    void setText(int row, int column, const QString& text);
    void setNumber(int row, int column, double value);
    // Writing with an explicit XF index, as a workbook built from scratch does.
    void setText(int row, int column, const QString& text, int xf);
    void setNumber(int row, int column, double value, int xf);
    // Room for `count` more texts, each written as an entry of its own in the string table, never looked up:
    // a workbook built from scratch with tens of thousands of mostly different texts is written in a fraction
    // of the time. A text written twice is stored twice, which the format allows.
    void writeTextsAsTheyCome(qsizetype count);
    // A formula in A1 notation with references, areas, numbers, + - * /, parentheses and SUM(...),
    // e.g. "F7+G7+H7" or "SUM($F$6:F7)". Throws StoreError for anything else.
    void setFormula(int row, int column, const QString& formula, int xf);

    // Cells firstRow..lastRow x firstColumn..lastColumn of the active sheet shown as one, holding the value
    // of the top left cell.
    void mergeCells(int firstRow, int lastRow, int firstColumn, int lastColumn);

    // Copies rows firstRow..lastRow (values, formats, heights, formulas) and inserts the copy `count`
    // times at destRow, moving the rows below down. References everywhere in the workbook follow the
    // moved rows; a range spanning destRow grows. Copied formulas move their relative references by
    // the distance copied. Linear in count.
    void insertCopiedRows(int firstRow, int lastRow, int destRow, int count);
    // Deletes `count` rows from `row` on, moving the rows below up; ranges over them shrink, references
    // into them become #REF!.
    void deleteRows(int row, int count);

private:
    struct Impl;
    explicit Workbook(std::unique_ptr<Impl> impl);
    // Throws StoreError for a name no sheet may take (sheet `renamed` may keep its own; 0: none).
    void checkNewSheetName(const QString& name, int renamed) const;
    std::unique_ptr<Impl> d;
};

}  // namespace velmar::xls
