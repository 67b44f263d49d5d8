// Code-page conversion: the Romanian letters the register stores, the fallbacks for characters a
// page lacks, and the language-driver byte of the dBase header.
#include "store/codepage.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

namespace velmar {
namespace {

const CodePage kAllPages[] = {CodePage::Windows1250, CodePage::Windows1252, CodePage::Dos852, CodePage::Dos437};

QByteArray bytesFromHex(const char* hex) { return QByteArray::fromHex(hex); }

QString decode(CodePage page, const QByteArray& bytes)
{
    return decodeText(page, std::string_view(bytes.constData(), bytes.size()));
}

TEST(LanguageDriver, MapsHeaderByteToCodePage)
{
    const struct {
        std::uint8_t ldid;
        CodePage page;
    } cases[] = {
        {0xC8, CodePage::Windows1250},
        {0x03, CodePage::Windows1252},
        {0x58, CodePage::Windows1252},
        {0x64, CodePage::Dos852},
        {0x40, CodePage::Dos852},
        {0x01, CodePage::Dos437},
        // Unmarked and unknown drivers (850, "current ANSI", junk) read as the register's own page.
        {0x00, CodePage::Windows1250},
        {0x02, CodePage::Windows1250},
        {0x57, CodePage::Windows1250},
        {0xFF, CodePage::Windows1250},
    };
    for (const auto& c : cases)
        EXPECT_EQ(codePageForLanguageDriver(c.ldid), c.page) << "ldid " << int(c.ldid);
}

TEST(LanguageDriver, WrittenByteReadsBackAsTheSamePage)
{
    const struct {
        CodePage page;
        std::uint8_t ldid;
    } cases[] = {{CodePage::Windows1250, 0xC8},
                 {CodePage::Windows1252, 0x03},
                 {CodePage::Dos852, 0x64},
                 {CodePage::Dos437, 0x01}};
    for (const auto& c : cases) {
        EXPECT_EQ(languageDriverFor(c.page), c.ldid);
        EXPECT_EQ(codePageForLanguageDriver(languageDriverFor(c.page)), c.page);
    }
}

// Byte values as Python's cp1250 / cp852 codecs give them.
TEST(CodePageText, RomanianLettersRoundTripWithKnownBytes)
{
    const QString letters = QString::fromUtf8("ĂÂÎŞŢăâîşţ");
    const struct {
        CodePage page;
        const char* hex;
    } cases[] = {
        {CodePage::Windows1250, "c3c2ceaadee3e2eebafe"},
        {CodePage::Dos852, "c6b6d7b8ddc7838cadee"},
    };
    for (const auto& c : cases) {
        const QByteArray expected = bytesFromHex(c.hex);
        EXPECT_EQ(encodeText(c.page, letters).toHex(), expected.toHex());
        EXPECT_EQ(decode(c.page, expected), letters);
    }
}

TEST(CodePageText, CommaBelowLettersBecomeCedillaWherePageHasThem)
{
    const QString commaBelow = QString::fromUtf8("ȘșȚț");
    const struct {
        CodePage page;
        const char* hex;
    } cases[] = {
        {CodePage::Windows1250, "aabadefe"},
        {CodePage::Dos852, "b8adddee"},
        {CodePage::Windows1252, "3f3f3f3f"},
        {CodePage::Dos437, "3f3f3f3f"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeText(c.page, commaBelow).toHex(), bytesFromHex(c.hex).toHex());
}

TEST(CodePageText, CharactersThePageLacksBecomeQuestionMarks)
{
    const struct {
        CodePage page;
        const char* utf8;
        const char* expected;
    } cases[] = {
        {CodePage::Dos852, "a€b", "a?b"},
        {CodePage::Dos437, "Ăa", "?a"},
        {CodePage::Windows1252, "ŞTEFAN", "?TEFAN"},
        {CodePage::Windows1250, "中文", "??"},
        // The replacement character must not turn into one of the page's undefined bytes.
        {CodePage::Windows1250, "\xEF\xBF\xBD", "?"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeText(c.page, QString::fromUtf8(c.utf8)), QByteArray(c.expected)) << c.utf8;
}

TEST(CodePageText, CharacterOutsideBmpIsOneQuestionMark)
{
    const QString emoji = QString::fromUtf8("a\xF0\x9F\x98\x80"
                                            "b");  // U+1F600 between a and b
    ASSERT_EQ(emoji.size(), 4);
    EXPECT_EQ(encodeText(CodePage::Windows1250, emoji), QByteArray("a?b"));

    const char16_t loneHigh[] = {u'x', 0xD83D};
    const char16_t loneLow[] = {0xDE00, u'x'};
    EXPECT_EQ(encodeText(CodePage::Windows1250, QStringView(loneHigh, 2)), QByteArray("x?"));
    EXPECT_EQ(encodeText(CodePage::Windows1250, QStringView(loneLow, 2)), QByteArray("?x"));
}

// Entries checked against Python's codecs; a swapped or shifted table shows up here.
TEST(CodePageText, DecodesKnownBytesOfEachPage)
{
    const struct {
        CodePage page;
        unsigned char byte;
        char16_t unicode;
    } cases[] = {
        {CodePage::Windows1250, 0x80, u'\u20AC'}, {CodePage::Windows1250, 0x8A, u'\u0160'},
        {CodePage::Windows1250, 0x81, u'\u0081'}, {CodePage::Windows1250, 0x98, u'\u0098'},
        {CodePage::Windows1252, 0x80, u'\u20AC'}, {CodePage::Windows1252, 0x9F, u'\u0178'},
        {CodePage::Windows1252, 0xC3, u'\u00C3'}, {CodePage::Windows1252, 0x9D, u'\u009D'},
        {CodePage::Dos852, 0x80, u'\u00C7'},      {CodePage::Dos852, 0xFF, u'\u00A0'},
        {CodePage::Dos437, 0x80, u'\u00C7'},      {CodePage::Dos437, 0xE1, u'\u00DF'},
        {CodePage::Dos437, 0xB0, u'\u2591'},      {CodePage::Dos437, 0x7F, u'\u007F'},
    };
    for (const auto& c : cases) {
        const char byte = static_cast<char>(c.byte);
        const QString text = decodeText(c.page, std::string_view(&byte, 1));
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0].unicode(), c.unicode) << "byte " << int(c.byte);
    }
}

TEST(CodePageText, EveryByteRoundTrips)
{
    for (const CodePage page : kAllPages) {
        QByteArray all(256, '\0');
        for (int byte = 0; byte < 256; ++byte)
            all[byte] = static_cast<char>(byte);
        const QString text = decode(page, all);
        ASSERT_EQ(text.size(), 256);
        const QByteArray back = encodeText(page, text);
        ASSERT_EQ(back.size(), 256);
        EXPECT_EQ(back, all) << "page " << int(page);
    }
}

TEST(CodePageText, EmptyInputGivesEmptyOutput)
{
    for (const CodePage page : kAllPages) {
        EXPECT_TRUE(decodeText(page, {}).isEmpty());
        EXPECT_TRUE(encodeText(page, QStringView()).isEmpty());
    }
}

}  // namespace
}  // namespace velmar
