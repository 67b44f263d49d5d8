// TRTFReplace on small templates: how a tag's value is placed, the three passes over a template, the
// choice of a free output name and what is handed to the desktop.
#include "payment_fixture.h"
#include "payments/rtf_replace.h"
#include "platform/document_opener.h"
#include "support/recording_opener.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::RecordingOpener;

struct Placement {
    const char* name;
    std::vector<std::pair<QString, QString>> tags;
    const char* line;
    const char* placed;
};

class TagPlacement : public testing::TestWithParam<Placement> {};

TEST_P(TagPlacement, PlacesTheValueAsRtfText)
{
    RecordingOpener opener;
    TRTFReplace rtf(opener);
    for (const auto& [tag, value] : GetParam().tags)
        rtf.AddTag(tag, value);
    EXPECT_EQ(rtf.ReplaceTagsInLine(GetParam().line).toStdString(), std::string(GetParam().placed));
}

const auto u = [](const char* text) { return QString::fromUtf8(text); };

INSTANTIATE_TEST_SUITE_P(
    ReplaceTagsInLine, TagPlacement,
    testing::Values(
        // A tag written in capitals (longer than 4 characters) takes its value in capitals; any small letter
        // in the occurrence keeps the value as it is; the search ignores the letter case of a-z.
        Placement{"CapitalTagCapitalizes", {{"[JUDET]", "cluj"}}, "x [JUDET] y", "x CLUJ y"},
        Placement{"MixedCaseTagKeepsTheValue", {{"[NUME]", "Popescu Ion"}}, "[Nume]", "Popescu Ion"},
        Placement{"SmallLetterTagKeepsTheValue", {{"[NUME]", "Popescu"}}, "[nume]", "Popescu"},
        Placement{"ShortTagNeverCapitalizes", {{"[AB]", "xy"}}, "[AB]", "xy"},
        Placement{"DigitsCountAsNotSmall", {{"[MAJ1]", "abc"}}, "[MAJ1]|[Maj1]", "ABC|abc"},
        Placement{"EveryOccurrence", {{"[ROL]", "r7"}}, "[ROL] [rol] [ROL]", "R7 r7 R7"},
        Placement{"EmptyValueIsTenDots", {{"[CNP]", ""}}, "CNP [CNP].", "CNP ..........."},
        Placement{"ValueHoldingItsTagIsInsertedOnce", {{"[Nume]", "a [Nume] b"}}, "<[Nume]>", "<a [Nume] b>"},
        // Earlier values are searched by later tags, in registration order.
        Placement{"LaterTagsSeeEarlierValues", {{"[A1]", "[B1]"}, {"[B1]", "z"}}, "[A1]", "z"},
        Placement{"BracesBecomeParentheses", {{"[ADRESA]", "Str. {Lunga} 3"}}, "[Adresa]", "Str. (Lunga) 3"},
        // A backslash in a value prints as itself and can start no control word.
        Placement{"BackslashPrintsLiterally", {{"[Adresa]", "Str. A\\par B"}}, "[Adresa]", "Str. A\\\\par B"},
        // Romanian letters, comma-below and cedilla forms, as Unicode escapes with a plain-letter stand-in.
        Placement{"RomanianLettersAreUnicodeEscapes",
                  {{"[Nume]", u("ăâîșțĂÂÎȘȚşţŞŢ")}},
                  "[Nume]",
                  "{\\uc1 \\u259\\'61\\u226\\'61\\u238\\'69\\u537\\'73\\u539\\'74\\u258\\'41\\u194\\'41\\u206\\'49"
                  "\\u536\\'53\\u538\\'54\\u351\\'73\\u355\\'74\\u350\\'53\\u354\\'54}"},
        // Capitals change the letters before they are escaped, never the escapes.
        Placement{"CapitalsOfRomanianLetters",
                  {{"[COMUNA]", u("Sânmartin ș")}},
                  "[COMUNA]",
                  "{\\uc1 S\\u194\\'41NMARTIN \\u536\\'53}"}),
    test::caseName);

TEST(RtfReplace, BraceBalanceCountsEveryBrace)
{
    EXPECT_EQ(TRTFReplace::BraceBalance("{\\b x}"), 0);
    EXPECT_EQ(TRTFReplace::BraceBalance("{\\rtf1{\\f0 a}"), 1);
    EXPECT_EQ(TRTFReplace::BraceBalance("\\{ }}"), -1);  // escaped braces count too
}

class Passes : public testing::Test {
protected:
    // Writes the template, runs the three passes with `tags`; the output, or "(none)" when BeginOutput failed.
    QString run(const QByteArray& templateText, const std::vector<std::pair<QString, QString>>& tags = {})
    {
        test::writeBytes(folder.file("model.rtf"), templateText);
        rtf.RTFSursa = folder.file("model.rtf");
        rtf.RTFDest = folder.file("out.rtf");
        if (!rtf.BeginOutput())
            return QStringLiteral("(none)");
        for (const auto& [tag, value] : tags)
            rtf.AddTag(tag, value);
        rtf.WriteBody();
        rtf.Finish();
        return QString::fromLatin1(test::readBytes(rtf.RTFDest));
    }

    test::TempFolder folder;
    RecordingOpener opener;
    TRTFReplace rtf{opener};
};

TEST_F(Passes, HeaderCopiedBodyReplacedOuterGroupClosedOnItsOwnLine)
{
    const QByteArray model = "{\\rtf1\\ansi\r\n{\\fonttbl{\\f0 Arial;}}\r\n\\margl851 \\pard\\plain [NUME]\\par\r\n"
                             "{\\b [ROL]}\\par\r\n\r\n\\pard x\\par}\r\n";
    EXPECT_EQ(run(model, {{"[NUME]", "Ion"}, {"[ROL]", "r1"}}),
              QString("{\\rtf1\\ansi\n{\\fonttbl{\\f0 Arial;}}\n\\margl851\n\\pard\\plain ION\\par\n{\\b R1}\\par\n"
                      "\\pard x\\par\n}\n"));
}

// Without tags the document comes out the same, but for its empty body lines and the final brace.
TEST_F(Passes, ATemplateWithoutTagsComesOutAsItWas)
{
    EXPECT_EQ(run("{\\rtf1\n\\pard a\\par\n\n{\\i b}\\par}\n"), QString("{\\rtf1\n\\pard a\\par\n{\\i b}\\par\n}\n"));
}

// Text after the group that closes the document is not part of it.
TEST_F(Passes, TheBodyEndsWhereTheOuterGroupCloses)
{
    EXPECT_EQ(run("{\\rtf1\n\\pard {a\n}b\\par}\nafter [X]\n", {{"[X]", "x"}}),
              QString("{\\rtf1\n\\pard {a\n}b\\par\n}\n"));
}

TEST_F(Passes, UnusableTemplatesMakeNoDocument)
{
    for (const QByteArray& model : {QByteArray(), QByteArray("{\\rtf1 no paragraph [NUME]}\n")}) {
        EXPECT_EQ(run(model), QString("(none)")) << model.toStdString();
        EXPECT_EQ(rtf.problem(), TRTFReplace::Problem::TemplateUnusable);
        EXPECT_FALSE(QFileInfo::exists(folder.file("out.rtf")));
    }
    rtf.RTFSursa = folder.file("missing.rtf");
    EXPECT_FALSE(rtf.BeginOutput());
    EXPECT_EQ(rtf.problem(), TRTFReplace::Problem::TemplateUnusable);

    rtf.RTFSursa = folder.file("model.rtf");
    test::writeBytes(rtf.RTFSursa, "{\\rtf1\n\\pard x}\n");
    rtf.RTFDest = folder.file("no such folder/out.rtf");
    EXPECT_FALSE(rtf.BeginOutput());
    EXPECT_EQ(rtf.problem(), TRTFReplace::Problem::OutputNotCreatable);
}

TEST(RtfReplace, ChooseDestinationSkipsReceiptsHeldOpen)
{
    test::TempFolder folder;
    RecordingOpener opener;
    TRTFReplace rtf(opener);
    const QString base = folder.file("Chitanta");
    test::writeBytes(folder.file("Chitanta0.rtf"), "printed earlier");
    test::writeBytes(folder.file(".~lock.Chitanta0.rtf#"), "held by Writer");
    test::writeBytes(folder.file("Chitanta1.rtf"), "closed again");
    ASSERT_TRUE(rtf.ChooseDestination(base));
    EXPECT_EQ(rtf.RTFDest, folder.file("Chitanta1.rtf"));
    EXPECT_FALSE(QFileInfo::exists(folder.file("Chitanta1.rtf")));  // the old file made room
    EXPECT_EQ(test::readBytes(folder.file("Chitanta0.rtf")), "printed earlier");

    for (int n = 1; n <= 99; ++n) {
        test::writeBytes(folder.file(QStringLiteral("Chitanta%1.rtf").arg(n)), "open");
        test::writeBytes(folder.file(QStringLiteral(".~lock.Chitanta%1.rtf#").arg(n)), {});
    }
    EXPECT_FALSE(rtf.ChooseDestination(base));
    EXPECT_EQ(rtf.problem(), TRTFReplace::Problem::NoFreeName);
    EXPECT_EQ(rtf.RTFDest, folder.file("Chitanta1.rtf"));
}

TEST(RtfReplace, OpenResultShowsOnlyAnExistingFileNamedWithItsFolder)
{
    test::TempFolder folder;
    RecordingOpener opener;
    TRTFReplace rtf(opener);
    rtf.OpenResult();
    rtf.RTFDest = folder.file("missing.rtf");
    rtf.OpenResult();
    test::writeBytes(folder.file("Chitanta0.rtf"), "{}");
    const QString current = QDir::currentPath();
    QDir::setCurrent(folder.path());
    rtf.RTFDest = QStringLiteral("Chitanta0.rtf");  // exists, but names no folder
    rtf.OpenResult();
    QDir::setCurrent(current);
    EXPECT_TRUE(opener.opened.isEmpty());
    rtf.RTFDest = folder.file("Chitanta0.rtf");
    rtf.OpenResult();
    EXPECT_EQ(opener.opened, QStringList{folder.file("Chitanta0.rtf")});
}

}  // namespace
}  // namespace velmar
