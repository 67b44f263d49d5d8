// The suggestion's checks and its query: the telephone and e-mail rules, the length of the suggestion,
// the order of the checks, and how each value travels in the query.
#include "online/suggestion_checks.h"
#include "online/suggestion_query.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

SuggestionFields accepted()
{
    return {QStringLiteral("Ion Popescu"), QStringLiteral("0722222777"), QStringLiteral("ion@primaria.ro"),
            QStringLiteral("VELMAR / ALBA"), QStringLiteral("Programul merge bine.")};
}

TEST(SuggestionChecks, Phone)
{
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"0722222777", true},   {"0322222777", true},  {"0222222777", true},  {"0122222777", true},
        {"0422222777", false},  {"0822222777", false}, {"072222277", false},  {"07222227770", false},
        {"0722 222 777", true},  // the digits count, nothing else
        {"07A2222277", false},  {"", false},           {"7222227770", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValidatePhone(QString::fromLatin1(c.text)), c.valid) << c.text;
}

TEST(SuggestionChecks, Email)
{
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"ab@primaria.ro", false},  // two characters before the "@"
        {"abc@x.com", true},        // three before it, a name, a dot and three letters after it
        {"abc@a.b.com", false},     // after the first dot "b.com": five characters
        {"abc@x.ro", false},        // only four characters after the "@"
        {"abc@xy.ro", true},
        {"ion.pop_1-a@mail-x.ro", true},
        {"abc@primaria", false},  // no dot after the "@"
        {"abc@prim.roman", false},
        {"abc", false},
        {"", false},
        {"a c@primaria.ro", false},
        {"abc@prim@aria.ro", false},
        {"abc@primăria.ro", false},
        {"abc@@primaria.ro", false},
        {"abc@.primaria.ro", false},  // the first dot leaves "primaria.ro"
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValidateEmail(QString::fromUtf8(c.text)), c.valid) << c.text;
}

TEST(SuggestionChecks, ReplaceAll)
{
    EXPECT_EQ(ReplaceAll("a  b c", " ", "+"), "a++b+c");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("abc", "b", "bb"), "abbc");
}

TEST(SuggestionChecks, SuggestionLengthCountsTheCleanedLines)
{
    const struct {
        const char* produs;
        bool accepted;
    } cases[] = {
        {"abcde\nfghij", true},            // 5 + 5
        {"abcde\nfghi", false},            // 5 + 4
        {"  abcde  \n\n   fghij ", true},  // blanks around the lines do not count
        {"abcd   efghi", true},            // inside a line a run of blanks counts as one
        {"abcd   efgh", false},           {"abcdefghij\n", true}, {"", false}, {"\n\n\n\n\n\n\n\n\n\n\n", false},
    };
    for (const auto& c : cases) {
        SuggestionFields fields = accepted();
        fields.produs = QString::fromLatin1(c.produs);
        EXPECT_EQ(!CheckSuggestion(fields).has_value(), c.accepted) << c.produs;
    }
}

TEST(SuggestionChecks, RunInOrderAndStopAtTheFirstRefusal)
{
    SuggestionFields fields{QStringLiteral("  Io  "), QStringLiteral("04"), QStringLiteral("x"), QString(), {}};
    auto problem = CheckSuggestion(fields);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, "Nume incorect!");
    EXPECT_EQ(problem->control, "nume");
    EXPECT_EQ(fields.nume, "Io");
    EXPECT_EQ(fields.telefonFax, "04");  // not reached

    fields.nume = QStringLiteral(" Ion   Pop ");
    fields.telefonFax = QStringLiteral(" 07222 ");
    problem = CheckSuggestion(fields);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, "Telefon incorect!");
    EXPECT_EQ(problem->control, "telefon_fax");
    EXPECT_EQ(fields.nume, "Ion Pop");
    EXPECT_EQ(fields.telefonFax, "07222");

    fields.telefonFax = QStringLiteral("0722222777");
    problem = CheckSuggestion(fields);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, "Email incorect!");
    EXPECT_EQ(problem->control, "mail");

    fields.mail = QStringLiteral("ion@primaria.ro");
    problem = CheckSuggestion(fields);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, "Sugestia dvs e prea scurta!");
    EXPECT_EQ(problem->control, "produs");

    fields.produs = QStringLiteral("Merge bine.");
    EXPECT_FALSE(CheckSuggestion(fields));
}

TEST(SuggestionQuery, KeysInOrderWithTheProductNameBeforeTheSender)
{
    SuggestionFields fields = accepted();
    fields.produs = QStringLiteral("Rândul unu\r\n  al  doilea \"rând\"  \n\nlinia {4}");
    EXPECT_EQ(SuggestionQuery(fields),
              "nume=DORVAN+%3A+Ion+Popescu&comuna=VELMAR+%2F+ALBA&telefon_fax=0722222777&mail=ion%40primaria.ro"
              "&produs=R%E2ndul+unu%0D%0Aal+doilea+r%E2nd%0D%0A%0D%0Alinia+%7B4%7D");
}

TEST(SuggestionQuery, EachValueArrivesAsTyped)
{
    const struct {
        const char* typed;
        const char* sent;
    } cases[] = {
        {"Ion  Popescu", "Ion+Popescu"},  // two blanks give one "+"
        {"{a}", "%7Ba%7D"},
        {"a&b=c", "a%26b%3Dc"},
        {"100% #1?", "100%25+%231%3F"},
        {"1+1", "1%2B1"},
        {"a-b.c_d~e", "a-b.c_d~e"},
        {"ăîâșțĂÎÂȘȚ", "%E3%EE%E2%BA%FE%C3%CE%C2%AA%DE"},  // single Windows-1250 bytes
        {"\"citat\"", "citat"},
        {"  margini  ", "margini"},
        {"a/b@c", "a%2Fb%40c"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QueryValue(QString::fromUtf8(c.typed)), QString::fromLatin1(c.sent)) << c.typed;
}

TEST(SuggestionQuery, TheUrlKeepsTheQueryBytes)
{
    const QUrl url = SuggestionUrl(QStringLiteral("127.0.0.1:8080"), QStringLiteral("nume=%7Ba%7D+b&mail=a%40b"));
    EXPECT_EQ(url.toEncoded(), "http://127.0.0.1:8080/sugestii.php?nume=%7Ba%7D+b&mail=a%40b");
    EXPECT_EQ(url.port(), 8080);
    EXPECT_EQ(url.path(), "/sugestii.php");
}

}  // namespace
}  // namespace velmar
