// The password scrambling: the known result for "abc", and the properties logins rely on.
#include "admin/password_code.h"
#include "store/codepage.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(CodeazaStr, AbcGivesTheKnownSixteenBytes)
{
    EXPECT_EQ(CodeazaBytes("abc").toHex(' ').toUpper(), QByteArray("48 95 60 2C 73 48 61 41 3C 5C 93 70 8D 62 6B 63"));
    EXPECT_EQ(encodeText(CodePage::Windows1250, CodeazaStr("abc")),
              QByteArray::fromHex("4895602C73486141 3C5C93708D626B63"));
}

TEST(CodeazaStr, IsDeterministicCaseSensitiveAndKeepsItsShape)
{
    for (const QByteArray& text :
         {QByteArray(""), QByteArray("a"), QByteArray("Parola"), QByteArray("parola"), QByteArray(" cu spatii "),
          QByteArray("\xAA\xBA\xDE\xFE parol\xE3"), QByteArray(40, 'x')}) {
        const QByteArray coded = CodeazaBytes(text);
        EXPECT_EQ(coded, CodeazaBytes(text)) << text.toStdString();
        EXPECT_GE(coded.size(), text.size() + 7) << text.toStdString();
        EXPECT_LE(coded.size(), text.size() + 36) << text.toStdString();
        for (char c : coded)  // inserted bytes are 32..181; the text's own may be anything
            EXPECT_TRUE((std::uint8_t(c) >= 32 && std::uint8_t(c) <= 181) || text.contains(c)) << text.toStdString();
        // The stored text reads back to the same bytes, whatever they are.
        const QString stored =
            CodeazaStr(decodeText(CodePage::Windows1250, std::string_view(text.constData(), size_t(text.size()))));
        EXPECT_EQ(encodeText(CodePage::Windows1250, stored), coded) << text.toStdString();
    }
    EXPECT_NE(CodeazaBytes("Parola"), CodeazaBytes("parola"));
}

}  // namespace
}  // namespace velmar
