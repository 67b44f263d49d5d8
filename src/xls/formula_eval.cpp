#include "xls/formula_eval.h"

#include "xls/byte_io.h"
#include "xls/formula_tokens.h"

#include <cmath>
#include <optional>
#include <variant>
#include <vector>

namespace velmar::xls {
namespace {

constexpr uint16_t kSumFunction = 4;
constexpr uint8_t kAttrSum = 0x10;
constexpr uint8_t kAttrSpace = 0x40;
constexpr uint8_t kAttrSemi = 0x01;

struct Area {
    int firstRow, lastRow, firstColumn, lastColumn;
};
using Operand = std::variant<FormulaResult, Area>;

class Evaluator {
public:
    Evaluator(const CellValueLookup& cell, const AreaVisitor& area) : cell_(cell), area_(area) {}

    FormulaResult run(const QByteArray& tokens)
    {
        const char* p = tokens.constData();
        const char* end = p + tokens.size();
        while (p < end) {
            const int size = TokenSize(p, end - p);
            if (size < 0 || !step(p))
                return FormulaResult::unsupported();
            p += size;
        }
        if (stack_.size() != 1)
            return FormulaResult::unsupported();
        FormulaResult result = value(stack_.back());
        if (result.kind == FormulaResult::Kind::Empty)
            result = FormulaResult::ofNumber(0);
        return result;
    }

private:
    bool step(const char* p)
    {
        const uint8_t id = uint8_t(*p);
        const uint8_t base = ptg::base(id);
        const char* d = p + 1;
        if (id >= ptg::Add && id <= ptg::Div)
            return binary(id);
        switch (id) {
        case ptg::UPlus:
            return unary(1);
        case ptg::UMinus:
            return unary(-1);
        case ptg::Paren:
            return !stack_.empty();
        case ptg::Int:
            return push(FormulaResult::ofNumber(readU16(d)));
        case ptg::Num:
            return push(FormulaResult::ofNumber(readF64(d)));
        case ptg::Bool:
            return push({FormulaResult::Kind::Boolean, double(uint8_t(d[0]) != 0), {}, 0});
        case ptg::Err:
            return push(FormulaResult::ofError(uint8_t(d[0])));
        case ptg::Attr: {
            const uint8_t flags = uint8_t(d[0]);
            if (flags & kAttrSum)
                return sum(1);
            return (flags & ~(kAttrSpace | kAttrSemi)) == 0;  // spacing and volatility change no value
        }
        default:
            break;
        }
        switch (base) {
        case ptg::Ref:
            return push(cell_(readU16(d), readU16(d + 2) & 0x3FFF));
        case ptg::Area:
            stack_.push_back(Area{readU16(d), readU16(d + 2), readU16(d + 4) & 0x3FFF, readU16(d + 6) & 0x3FFF});
            return true;
        case ptg::RefErr:
        case ptg::AreaErr:
            return push(FormulaResult::ofError(error_code::Ref));
        case ptg::FuncVar:
            return readU16(d + 1) == kSumFunction && sum(uint8_t(d[0]));
        default:
            return false;
        }
    }

    bool push(const FormulaResult& r)
    {
        stack_.push_back(r);
        return true;
    }

    // An operand used as a single value: an area gives #VALUE! (no implicit intersection here).
    FormulaResult value(const Operand& operand) const
    {
        if (const auto* r = std::get_if<FormulaResult>(&operand))
            return *r;
        return FormulaResult::ofError(error_code::Value);
    }

    static std::optional<FormulaResult> asNumber(const FormulaResult& r)
    {
        switch (r.kind) {
        case FormulaResult::Kind::Empty:
            return FormulaResult::ofNumber(0);
        case FormulaResult::Kind::Number:
        case FormulaResult::Kind::Boolean:
            return FormulaResult::ofNumber(r.number);
        case FormulaResult::Kind::Text: {
            bool ok = false;
            const double v = r.text.trimmed().toDouble(&ok);
            return ok ? FormulaResult::ofNumber(v) : FormulaResult::ofError(error_code::Value);
        }
        case FormulaResult::Kind::Error:
            return r;
        case FormulaResult::Kind::Unsupported:
            return std::nullopt;
        }
        return std::nullopt;
    }

    bool binary(uint8_t op)
    {
        if (stack_.size() < 2)
            return false;
        const auto right = asNumber(value(stack_.back()));
        stack_.pop_back();
        const auto left = asNumber(value(stack_.back()));
        stack_.pop_back();
        if (!left || !right)
            return false;
        if (left->kind == FormulaResult::Kind::Error)
            return push(*left);
        if (right->kind == FormulaResult::Kind::Error)
            return push(*right);
        const double a = left->number, b = right->number;
        switch (op) {
        case ptg::Add:
            return push(FormulaResult::ofNumber(a + b));
        case ptg::Sub:
            return push(FormulaResult::ofNumber(a - b));
        case ptg::Mul:
            return push(FormulaResult::ofNumber(a * b));
        default:
            return push(b == 0 ? FormulaResult::ofError(error_code::DivZero) : FormulaResult::ofNumber(a / b));
        }
    }

    bool unary(int sign)
    {
        if (stack_.empty())
            return false;
        const auto operand = asNumber(value(stack_.back()));
        stack_.pop_back();
        if (!operand)
            return false;
        if (operand->kind == FormulaResult::Kind::Error)
            return push(*operand);
        return push(FormulaResult::ofNumber(sign * operand->number));
    }

    // SUM adds numbers; in areas and references it skips text, logical values and empty cells, as the
    // spreadsheet programs do; an error anywhere is the result.
    bool sum(int count)
    {
        if (int(stack_.size()) < count)
            return false;
        double total = 0;
        std::optional<FormulaResult> failure;
        bool unsupported = false;
        const auto add = [&](const FormulaResult& r) {
            if (r.kind == FormulaResult::Kind::Number)
                total += r.number;
            else if (r.kind == FormulaResult::Kind::Error && !failure)
                failure = r;
            else if (r.kind == FormulaResult::Kind::Unsupported)
                unsupported = true;
        };
        for (auto it = stack_.end() - count; it != stack_.end(); ++it) {
            if (const auto* a = std::get_if<Area>(&*it))
                area_(a->firstRow, a->lastRow, a->firstColumn, a->lastColumn, add);
            else
                add(std::get<FormulaResult>(*it));
        }
        stack_.erase(stack_.end() - count, stack_.end());
        if (unsupported)
            return false;
        return push(failure ? *failure : FormulaResult::ofNumber(total));
    }

    const CellValueLookup& cell_;
    const AreaVisitor& area_;
    std::vector<Operand> stack_;
};

}  // namespace

QString ErrorName(uint8_t code)
{
    switch (code) {
    case error_code::Null:
        return QStringLiteral("#NULL!");
    case error_code::DivZero:
        return QStringLiteral("#DIV/0!");
    case error_code::Value:
        return QStringLiteral("#VALUE!");
    case error_code::Ref:
        return QStringLiteral("#REF!");
    case error_code::Name:
        return QStringLiteral("#NAME?");
    case error_code::Num:
        return QStringLiteral("#NUM!");
    default:
        return QStringLiteral("#N/A");
    }
}

FormulaResult EvaluateFormula(const QByteArray& tokens, const CellValueLookup& cell, const AreaVisitor& area)
{
    return Evaluator(cell, area).run(tokens);
}

}  // namespace velmar::xls
