// Computes again the cached result of every formula of a sheet, after its cells or rows changed.
#pragma once

namespace velmar::xls {

class Sheet;
class SharedStringTable;

// Formulas the engine cannot compute keep their old result and are marked to be calculated by the
// spreadsheet program when it opens the file.
void RecalculateFormulas(Sheet& sheet, const SharedStringTable& strings);

}  // namespace velmar::xls
