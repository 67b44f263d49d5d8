// A grid's rows as an exported table: values read back from the shown texts, the columns picked in their
// order and width, the band runs.
#include "sample_table.h"

#include "print_qstring.h"

#include <gtest/gtest.h>

namespace velmar::test {
namespace {

struct CellCase {
    ValueKind kind;
    const char* text;
    ValueKind expectedKind;
    double expectedValue;
};

TEST(ShownTable, CellsAreNumbersOrDatesOnlyWhenTheirTextReadsBackAsOne)
{
    const CellCase cases[] = {
        {ValueKind::Number, "12.5", ValueKind::Number, 12.5}, {ValueKind::Number, "-3", ValueKind::Number, -3},
        {ValueKind::Number, "", ValueKind::Text, 0},          {ValueKind::Number, "12 lei", ValueKind::Text, 0},
        {ValueKind::Number, "inf", ValueKind::Text, 0},       {ValueKind::Date, "01.03.2024", ValueKind::Date, 45352},
        {ValueKind::Date, "-", ValueKind::Text, 0},           {ValueKind::Date, "31.02.2024", ValueKind::Text, 0},
        {ValueKind::Date, "1.3.2024", ValueKind::Text, 0},    {ValueKind::Text, "1800101221144", ValueKind::Text, 0},
    };
    for (const CellCase& c : cases) {
        const ShownCell cell = shownCell(c.kind, QString::fromUtf8(c.text));
        EXPECT_EQ(cell.kind, c.expectedKind) << c.text;
        EXPECT_EQ(cell.value, c.expectedValue) << c.text;
        EXPECT_EQ(cell.text, QString::fromUtf8(c.text));
    }
}

TEST(ShownTable, EveryColumnInItsOrderWithTheWidthAGridStartsWith)
{
    const ShownTable table = sampleTable();
    EXPECT_EQ(table.heading, "Lista Contractelor");
    ASSERT_EQ(table.columns.size(), 5u);
    EXPECT_EQ(table.columns[2].title, "Nume si prenume");
    EXPECT_EQ(table.columns[0].widthChars, 8);   // "Numarul" is wider than 6 digits
    EXPECT_EQ(table.columns[2].widthChars, 21);  // 20 usual characters
    EXPECT_EQ(table.columns[0].emphasis, Emphasis::BoldRed);
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[1][1].text, "-");
    EXPECT_EQ(table.rows[1][1].kind, ValueKind::Text);
    EXPECT_EQ(table.rows[0][1].value, 45352);
    EXPECT_EQ(table.rows[1][3].text, "0012");
    EXPECT_EQ(table.rows[2][4].value, -0.25);
}

TEST(ShownTable, PickedColumnsComeInTheGridsOrderAndWidth)
{
    const ShownTable table =
        shownTable(QStringLiteral("L"), QDate(2026, 12, 11), itemColumns(), sampleItems(), {{3, 15.5}, {0, 7}, {1, 9}});
    ASSERT_EQ(table.columns.size(), 3u);
    EXPECT_EQ(table.columns[0].title, "CNP / CUI");
    EXPECT_EQ(table.columns[0].widthChars, 15.5);
    EXPECT_EQ(table.columns[1].title, "Numarul");
    EXPECT_EQ(table.rows[2][0].text, "");
    EXPECT_EQ(table.rows[2][1].value, 130);

    // Moved apart from its first column, "Titular" is a run of its own; the contract columns stay one run.
    const std::vector<GridBand> bands = table.bands();
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[0].title, "Titular");
    EXPECT_EQ(bands[1].title, "Contract de Concesiune");
    EXPECT_EQ(bands[1].first, 1);
    EXPECT_EQ(bands[1].last, 2);
    EXPECT_EQ(table.bandRow(), (std::vector<QString>{"Titular", "Contract de Concesiune", ""}));
}

}  // namespace
}  // namespace velmar::test
