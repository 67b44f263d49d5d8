#include "xls/formula_text.h"

#include "store/store_error.h"
#include "xls/byte_io.h"
#include "xls/formula_tokens.h"
#include "xls/xls_texts.h"

#include <QRegularExpression>
#include <vector>

namespace velmar::xls {
namespace {

constexpr uint16_t kSumFunction = 4;
constexpr uint8_t kAttrSum = 0x10;
constexpr uint8_t kValueClass = 0x20;  // added to a reference-class id

QString columnName(int column)
{
    QString name;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar('A' + (c - 1) % 26));
    return name;
}

QString referenceText(int row, uint16_t columnField)
{
    return QStringLiteral("%1%2%3%4")
        .arg(columnField & 0x4000 ? "" : "$", columnName(columnField & 0x3FFF), columnField & 0x8000 ? "" : "$")
        .arg(row + 1);
}

// Recursive descent over: expression := term (('+'|'-') term)*; term := factor (('*'|'/') factor)*;
// factor := number | reference | area | '(' expression ')' | '-' factor | SUM '(' arguments ')'.
class Compiler {
public:
    explicit Compiler(const QString& text) : text_(text.trimmed()) {}

    QByteArray compile()
    {
        expression();
        skipSpaces();
        if (pos_ != text_.size())
            fail();
        return out_;
    }

private:
    void expression()
    {
        term();
        while (accept('+') || accept('-')) {
            const QChar op = text_.at(pos_ - 1);
            term();
            out_.append(char(op == '+' ? ptg::Add : ptg::Sub));
        }
    }
    void term()
    {
        factor(kValueClass);
        while (accept('*') || accept('/')) {
            const QChar op = text_.at(pos_ - 1);
            factor(kValueClass);
            out_.append(char(op == '*' ? ptg::Mul : ptg::Div));
        }
    }
    // `operandClass` is 0 inside SUM's arguments (references stay references) and value class elsewhere.
    void factor(uint8_t operandClass)
    {
        skipSpaces();
        if (accept('(')) {
            expression();
            if (!accept(')'))
                fail();
            out_.append(char(ptg::Paren));
        } else if (accept('-')) {
            factor(kValueClass);
            out_.append(char(ptg::UMinus));
        } else if (!number() && !sum() && !reference(operandClass)) {
            fail();
        }
    }
    bool number()
    {
        static const QRegularExpression pattern(QStringLiteral("\\G\\d+(\\.\\d+)?"));
        const auto match = pattern.match(text_, pos_);
        if (!match.hasMatch())
            return false;
        pos_ += match.capturedLength();
        const double value = match.captured().toDouble();
        ByteWriter w(out_);
        if (value == double(uint16_t(value)) && match.captured(1).isEmpty())
            w.u8(ptg::Int).u16(uint16_t(value));
        else
            w.u8(ptg::Num).f64(value);
        return true;
    }
    bool sum()
    {
        static const QRegularExpression pattern(QStringLiteral("\\GSUM\\s*\\("),
                                                QRegularExpression::CaseInsensitiveOption);
        const auto match = pattern.match(text_, pos_);
        if (!match.hasMatch())
            return false;
        pos_ += match.capturedLength();
        int arguments = 0;
        do {
            factorOrExpressionArgument();
            ++arguments;
        } while (accept(','));
        if (!accept(')') || arguments > 30)
            fail();
        if (arguments == 1)
            ByteWriter(out_).u8(ptg::Attr).u8(kAttrSum).u16(0);
        else
            ByteWriter(out_).u8(ptg::FuncVar + kValueClass).u8(uint8_t(arguments)).u16(kSumFunction);
        return true;
    }
    void factorOrExpressionArgument()
    {
        const qsizetype start = pos_;
        const qsizetype before = out_.size();
        factor(0);
        skipSpaces();
        if (pos_ < text_.size() && text_.at(pos_) != ',' && text_.at(pos_) != ')') {
            pos_ = start;  // not a lone reference: an arithmetic argument
            out_.truncate(before);
            expression();
        }
    }
    bool reference(uint8_t operandClass)
    {
        static const QRegularExpression pattern(
            QStringLiteral("\\G(\\$?)([A-Z]{1,2})(\\$?)(\\d{1,5})(?::(\\$?)([A-Z]{1,2})(\\$?)(\\d{1,5}))?"),
            QRegularExpression::CaseInsensitiveOption);
        const auto match = pattern.match(text_, pos_);
        if (!match.hasMatch())
            return false;
        pos_ += match.capturedLength();
        const bool area = !match.captured(5).isNull() && match.capturedLength(6) > 0;
        ByteWriter w(out_);
        w.u8(uint8_t((area ? ptg::Area : ptg::Ref) + operandClass));
        const auto row = [&](int group) {
            const int r = match.captured(group).toInt() - 1;
            if (r < 0 || r > kMaxRow)
                fail();
            return uint16_t(r);
        };
        const auto column = [&](int dollarColumn, int letters, int dollarRow) {
            int c = 0;
            for (QChar ch : match.captured(letters).toUpper())
                c = c * 26 + (ch.unicode() - 'A' + 1);
            if (c < 1 || c > 256)
                fail();
            return uint16_t((c - 1) | (match.captured(dollarColumn).isEmpty() ? 0x4000 : 0) |
                            (match.captured(dollarRow).isEmpty() ? 0x8000 : 0));
        };
        if (area)
            w.u16(row(4)).u16(row(8)).u16(column(1, 2, 3)).u16(column(5, 6, 7));
        else
            w.u16(row(4)).u16(column(1, 2, 3));
        return true;
    }
    bool accept(QChar c)
    {
        skipSpaces();
        if (pos_ < text_.size() && text_.at(pos_) == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    void skipSpaces()
    {
        while (pos_ < text_.size() && text_.at(pos_).isSpace())
            ++pos_;
    }
    [[noreturn]] void fail() const { throw StoreError(texts::badFormula(text_)); }

    QString text_;
    qsizetype pos_ = 0;
    QByteArray out_;
};

QString joinArguments(std::vector<QString>& stack, int count)
{
    QStringList args;
    for (int i = 0; i < count && !stack.empty(); ++i) {
        args.prepend(stack.back());
        stack.pop_back();
    }
    return args.join(',');
}

}  // namespace

QByteArray CompileFormula(const QString& formula) { return Compiler(formula).compile(); }

QString CellName(int row, int column) { return columnName(column) + QString::number(row + 1); }

QString FormulaToText(const QByteArray& tokens)
{
    std::vector<QString> stack;
    const char* p = tokens.constData();
    const char* end = p + tokens.size();
    const auto pop = [&stack]() {
        if (stack.empty())
            return QStringLiteral("?");
        QString top = stack.back();
        stack.pop_back();
        return top;
    };
    while (p < end) {
        const int size = TokenSize(p, end - p);
        if (size < 0)
            return QStringLiteral("?");
        const uint8_t id = uint8_t(*p);
        const uint8_t base = ptg::base(id);
        const char* d = p + 1;
        if (id >= ptg::Add && id <= ptg::Div) {
            const QString right = pop();
            const QString left = pop();
            stack.push_back(left + QString("+-*/").at(id - ptg::Add) + right);
        } else if (id == ptg::UMinus) {
            stack.push_back("-" + pop());
        } else if (id == ptg::Paren) {
            stack.push_back("(" + pop() + ")");
        } else if (id == ptg::Int) {
            stack.push_back(QString::number(readU16(d)));
        } else if (id == ptg::Num) {
            stack.push_back(QString::number(readF64(d), 'g', 15));
        } else if (id == ptg::Attr) {
            if (uint8_t(d[0]) & kAttrSum)
                stack.push_back("SUM(" + pop() + ")");
        } else if (base == ptg::FuncVar) {
            const QString args = joinArguments(stack, uint8_t(d[0]));
            stack.push_back((readU16(d + 1) == kSumFunction ? QStringLiteral("SUM") : QStringLiteral("?")) + "(" +
                            args + ")");
        } else if (base == ptg::Ref) {
            stack.push_back(referenceText(readU16(d), readU16(d + 2)));
        } else if (base == ptg::Area) {
            stack.push_back(referenceText(readU16(d), readU16(d + 4)) + ":" +
                            referenceText(readU16(d + 2), readU16(d + 6)));
        } else if (base == ptg::Ref3d) {
            stack.push_back("!" + referenceText(readU16(d + 2), readU16(d + 4)));
        } else if (base == ptg::Area3d) {
            stack.push_back("!" + referenceText(readU16(d + 2), readU16(d + 6)) + ":" +
                            referenceText(readU16(d + 4), readU16(d + 8)));
        } else if (base == ptg::RefErr || base == ptg::AreaErr || base == ptg::RefErr3d || base == ptg::AreaErr3d) {
            stack.push_back(QStringLiteral("#REF!"));
        } else {
            return QStringLiteral("?");
        }
        p += size;
    }
    return stack.size() == 1 ? stack.back() : QStringLiteral("?");
}

}  // namespace velmar::xls
