// Formulas: where row ranges go when rows are inserted or deleted, copy semantics of relative rows,
// and the text form the templates are written in.
#include "store/store_error.h"
#include "xls/formula_text.h"
#include "xls/formula_tokens.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::xls;

namespace {

using Range = std::optional<std::pair<int, int>>;

Range range(int first, int last) { return std::make_pair(first, last); }

}  // namespace

TEST(RowRangeMaps, InsertingMovesRangesBelowAndGrowsRangesSpanningTheInsertionRow)
{
    const auto inserted = RowsInserted(6, 3);  // three rows in at row 6 (0-based)
    const struct {
        int first, last;
        Range expected;
    } cases[] = {
        {5, 5, range(5, 5)},                                    // above
        {6, 6, range(9, 9)},                                    // at the insertion row: moves
        {5, 6, range(5, 9)},                                    // spans it: grows
        {6, 7, range(9, 10)},                                   // starts there: moves whole
        {3, 5, range(3, 5)},                                    // ends just above: stays
        {0, 65532, range(0, 65535)}, {0, 65533, std::nullopt},  // pushed past the last row
    };
    for (const auto& c : cases)
        EXPECT_EQ(inserted(c.first, c.last), c.expected) << c.first << ".." << c.last;
}

TEST(RowRangeMaps, DeletingMovesRangesUpShrinksOverlapsAndDropsRangesInside)
{
    const auto deleted = RowsDeleted(6, 2);  // rows 6 and 7
    const struct {
        int first, last;
        Range expected;
    } cases[] = {
        {5, 5, range(5, 5)}, {6, 6, std::nullopt}, {6, 7, std::nullopt}, {5, 6, range(5, 5)},
        {5, 8, range(5, 6)}, {7, 9, range(6, 7)},  {8, 9, range(6, 7)},  {3, 10, range(3, 8)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(deleted(c.first, c.last), c.expected) << c.first << ".." << c.last;
}

TEST(FormulaCopies, RelativeRowsMoveAbsoluteRowsStayAndRowsLeavingTheSheetBreak)
{
    const struct {
        const char* formula;
        int delta;
        const char* expected;
    } cases[] = {
        {"F7+G7+H7", 3, "F10+G10+H10"}, {"SUM($F$6:F7)", 5, "SUM($F$6:F12)"},    {"A$1*B2", 4, "A$1*B6"},
        {"A2-B3", -2, "#REF!-B1"},      {"SUM(A65535:A65536)", 1, "SUM(#REF!)"},
    };
    for (const auto& c : cases) {
        QByteArray tokens = CompileFormula(c.formula);
        ASSERT_TRUE(MoveRelativeRows(tokens, c.delta));
        EXPECT_EQ(FormulaToText(tokens), c.expected) << c.formula;
    }
}

TEST(FormulaText, TheTemplateFormulasReadBackAsWrittenAndOthersAreRefused)
{
    for (const char* formula : {"F7+G7+H7", "SUM(F6:F7)", "SUM($F$6:F7)", "(A1+B1)*2", "-A1/4", "SUM(A1,B2:C3)",
                                "1.5*IV65536", "SUM(A1*2,3)"})
        EXPECT_EQ(FormulaToText(CompileFormula(formula)), formula);
    EXPECT_EQ(FormulaToText(CompileFormula(" sum( f6:f7 ) ")), "SUM(F6:F7)");
    for (const char* bad : {"", "F7+", "SUM(", "A0", "IW1", "A65537", "AVERAGE(A1:A2)", "A1 B1", "'x'"})
        EXPECT_THROW(CompileFormula(bad), StoreError) << bad;
}
