// The reference tokens inside BIFF8 formulas (cell formulas and defined names): walking them, moving
// their rows when rows of a sheet are inserted or deleted, moving relative rows when a formula is
// copied, and turning a shared formula into a cell's own.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace velmar::xls {

constexpr int kMaxRow = 65535;  // 0-based: BIFF8 sheets have 65536 rows

// Where a row range (first..last, 0-based) goes after rows are inserted or deleted; nullopt when it is gone.
using RowRangeMap = std::function<std::optional<std::pair<int, int>>(int first, int last)>;

// Insert `count` rows at `at`: a range at or below `at` moves down, a range spanning it grows.
RowRangeMap RowsInserted(int at, int count);
// Delete `count` rows from `at`: ranges below move up, ranges over the deleted rows shrink, ranges
// wholly inside them are gone.
RowRangeMap RowsDeleted(int at, int count);

// Which references of a formula point at the sheet whose rows change.
struct SheetReferences {
    bool plainReferences = false;                 // the formula sits on that sheet: ptgRef/ptgArea/ptgExp
    std::function<bool(uint16_t)> externIsSheet;  // EXTERNSHEET entry -> that sheet (3-D references)
};

// Applies `map` to every reference to the sheet. A reference whose rows are gone becomes #REF!.
// Returns false (and leaves the rest untouched) when the formula holds a token it cannot walk.
bool MapReferenceRows(QByteArray& tokens, const SheetReferences& scope, const RowRangeMap& map);

// Copy semantics: every row part marked relative moves by `delta`; one leaving the sheet becomes #REF!.
bool MoveRelativeRows(QByteArray& tokens, int delta);

// The tokens of a shared formula (ptgRefN/ptgAreaN, relative to the cell) as the own formula of the
// cell at (row, column). Empty when the shared tokens cannot be walked.
QByteArray UnshareTokens(const QByteArray& sharedTokens, int row, int column);

// Size in bytes of the token at `p` (id included), or -1 for a token this engine does not know.
int TokenSize(const char* p, qsizetype left);

// Token ids as stored (operand ids in their reference class; value/array classes are +0x20/+0x40).
namespace ptg {
constexpr uint8_t Exp = 0x01, Table = 0x02, Add = 0x03, Sub = 0x04, Mul = 0x05, Div = 0x06, UPlus = 0x12, UMinus = 0x13,
                  Paren = 0x15, MissArg = 0x16, Str = 0x17, Attr = 0x19, Err = 0x1C, Bool = 0x1D, Int = 0x1E,
                  Num = 0x1F, Func = 0x21, FuncVar = 0x22, Name = 0x23, Ref = 0x24, Area = 0x25, RefErr = 0x2A,
                  AreaErr = 0x2B, RefN = 0x2C, AreaN = 0x2D, Ref3d = 0x3A, Area3d = 0x3B, RefErr3d = 0x3C,
                  AreaErr3d = 0x3D;
// The reference-class id of an operand token, whatever class it was stored in.
inline uint8_t base(uint8_t id) { return id >= 0x20 ? uint8_t((id & 0x1F) | 0x20) : id; }
}  // namespace ptg

}  // namespace velmar::xls
