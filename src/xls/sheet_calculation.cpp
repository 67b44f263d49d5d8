#include "xls/sheet_calculation.h"

#include "xls/byte_io.h"
#include "xls/formula_eval.h"
#include "xls/shared_strings.h"
#include "xls/sheet.h"

#include <unordered_map>

namespace velmar::xls {
namespace {

constexpr uint16_t kAlwaysCalculate = 0x0001;
constexpr int kMaxDepth = 500;

QByteArray storedResult(const FormulaResult& r)
{
    QByteArray bytes;
    ByteWriter w(bytes);
    switch (r.kind) {
    case FormulaResult::Kind::Number:
        w.f64(r.number);
        break;
    case FormulaResult::Kind::Text:
        w.u8(r.text.isEmpty() ? 3 : 0).zeros(5).u16(0xFFFF);
        break;
    case FormulaResult::Kind::Boolean:
        w.u8(1).u8(0).u8(r.number != 0).zeros(3).u16(0xFFFF);
        break;
    case FormulaResult::Kind::Error:
        w.u8(2).u8(0).u8(r.error).zeros(3).u16(0xFFFF);
        break;
    default:
        w.f64(0);
        break;
    }
    return bytes;
}

class Calculation {
public:
    Calculation(Sheet& sheet, const SharedStringTable& strings) : sheet_(sheet), strings_(strings)
    {
        lookup_ = [this](int row, int column) { return valueOf(row, column); };
        area_ = [this](int r1, int r2, int c1, int c2, const std::function<void(const FormulaResult&)>& visit) {
            for (int r = r1; r <= r2; ++r)
                sheet_.forEachCellInRow(r, c1, c2, [&](const Cell& cell) { visit(valueOf(r, cell.column)); });
        };
    }

    // Top to bottom, so that a formula's references above it are known when it is reached and chains
    // of formulas down a column do not nest deeply.
    void run()
    {
        sheet_.forEachCellMutable([this](int row, Cell& cell) {
            if (!cell.formula)
                return;
            const FormulaResult result = valueOf(row, cell.column);
            Formula& f = *cell.formula;
            if (result.kind == FormulaResult::Kind::Unsupported) {
                f.flags |= kAlwaysCalculate;
                return;
            }
            f.result = storedResult(result);
            f.resultText = result.kind == FormulaResult::Kind::Text ? result.text : QString();
        });
    }

private:
    FormulaResult valueOf(int row, int column)
    {
        const Cell* cell = sheet_.find(row, column);
        if (!cell)
            return {};
        switch (cell->kind) {
        case Cell::Kind::Blank:
            return {};
        case Cell::Kind::Number:
            return FormulaResult::ofNumber(cell->number);
        case Cell::Kind::Text:
            return {FormulaResult::Kind::Text, 0, strings_.at(cell->text).text, 0};
        case Cell::Kind::BoolErr:
            return cell->boolErr[1] ? FormulaResult::ofError(cell->boolErr[0])
                                    : FormulaResult{FormulaResult::Kind::Boolean, double(cell->boolErr[0] != 0), {}, 0};
        case Cell::Kind::Formula:
            break;
        }
        const uint32_t key = uint32_t(row) << 8 | uint32_t(column);
        const auto known = results_.find(key);
        if (known != results_.end())
            return known->second;
        // A formula that reaches itself cannot be computed, nor one whose references run down a very
        // long chain of formulas below it (the stack is not unlimited); Excel computes those on opening.
        results_[key] = FormulaResult::unsupported();
        if (depth_ >= kMaxDepth)
            return results_[key];
        ++depth_;
        const FormulaResult result = EvaluateFormula(cell->formula->tokens, lookup_, area_);
        --depth_;
        results_[key] = result;
        return result;
    }

    Sheet& sheet_;
    const SharedStringTable& strings_;
    CellValueLookup lookup_;
    AreaVisitor area_;
    std::unordered_map<uint32_t, FormulaResult> results_;
    int depth_ = 0;
};

}  // namespace

void RecalculateFormulas(Sheet& sheet, const SharedStringTable& strings) { Calculation(sheet, strings).run(); }

}  // namespace velmar::xls
