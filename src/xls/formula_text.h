// Formulas as text in A1 notation, for the small set a template needs: cell and area references
// ($ marks absolute parts), numbers, + - * /, parentheses and SUM(...).
#pragma once

#include <QByteArray>
#include <QString>

namespace velmar::xls {

// The BIFF8 tokens of a formula such as "F7+G7+H7" or "SUM($F$6:F7)" (no leading '=').
// Throws StoreError for anything outside that set.
QByteArray CompileFormula(const QString& formula);

// The formula as text; references to other sheets show as "!" + the reference, unknown tokens as "?".
QString FormulaToText(const QByteArray& tokens);

// "A1" style name of a 0-based cell.
QString CellName(int row, int column);

}  // namespace velmar::xls
