// Computes the result of a formula over the cells of its own sheet, so that a workbook saved after its
// rows changed carries right cached results: readers that do not recalculate show those.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

namespace velmar::xls {

struct FormulaResult {
    // Unsupported: the formula uses something this engine does not compute; its old result stays.
    enum class Kind { Empty, Number, Text, Boolean, Error, Unsupported };
    Kind kind = Kind::Empty;
    double number = 0;  // Number; Boolean 0/1
    QString text;       // Text
    uint8_t error = 0;  // Error: the BIFF error code

    static FormulaResult ofNumber(double v) { return {Kind::Number, v, {}, 0}; }
    static FormulaResult ofError(uint8_t code) { return {Kind::Error, 0, {}, code}; }
    static FormulaResult unsupported() { return {Kind::Unsupported, 0, {}, 0}; }
};

namespace error_code {
constexpr uint8_t Null = 0x00, DivZero = 0x07, Value = 0x0F, Ref = 0x17, Name = 0x1D, Num = 0x24, NA = 0x2A;
}

// "#DIV/0!", "#REF!"... for a BIFF error code.
QString ErrorName(uint8_t code);

// The value of a cell of the same sheet (0-based); for a formula cell, its computed result.
using CellValueLookup = std::function<FormulaResult(int row, int column)>;
// Calls `visit` for every cell holding something in rows first..last, columns first..last.
using AreaVisitor = std::function<void(int firstRow, int lastRow, int firstColumn, int lastColumn,
                                       const std::function<void(const FormulaResult&)>& visit)>;

// Numbers, + - * /, unary signs, parentheses, references, areas and SUM; anything else is Unsupported.
FormulaResult EvaluateFormula(const QByteArray& tokens, const CellValueLookup& cell, const AreaVisitor& area);

}  // namespace velmar::xls
