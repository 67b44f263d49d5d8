// CleanText and JoinFilter: the text rules every typed value and row filter goes through.
#include "store/text_helpers.h"

#include <gtest/gtest.h>

#include <QString>

namespace velmar {
namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

TEST(CleanText, TrimsCollapsesSpacesAndDropsQuotes)
{
    const TextCase cases[] = {
        {" a  \"b\" ", "a b"},
        {"", ""},
        {"   ", ""},
        {"a     b", "a b"},
        // Quotes go last, so the spaces around a lone quote are already past collapsing.
        {"a \" b", "a  b"},
        {"\"\"", ""},
        {"\t POPESCU ION\r\n", "POPESCU ION"},
        // Only spaces collapse; a tab inside the text stays.
        {"a\t\tb", "a\t\tb"},
        {"ŞTEFAN  ŢEPEŞ", "ŞTEFAN ŢEPEŞ"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanText(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected)) << c.input;
}

TEST(JoinFilter, PutsAndBetweenAdjacentConditions)
{
    const TextCase cases[] = {
        {"", ""},
        {"   ", ""},
        {"(NUME='X')", "(NUME='X')"},
        {"(NUME='X')(ACTIV='DA')", "(NUME='X') AND (ACTIV='DA')"},
        {"  (JUD='IASI')(LOC='PASCANI')(ACTIV='DA') ", "(JUD='IASI') AND (LOC='PASCANI') AND (ACTIV='DA')"},
        // Only brackets that touch are joined.
        {"(A='1') (B='2')", "(A='1') (B='2')"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinFilter(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected)) << c.input;
}

}  // namespace
}  // namespace velmar
