// One receipt on the carried form, compared with its expected file and read by programs nobody here
// wrote: unrtf, and LibreOffice Writer, which the office prints from.
#include "app/interaction.h"
#include "payment_fixture.h"
#include "payments/receipt.h"
#include "payments/rtf_replace.h"
#include "platform/document_opener.h"
#include "store/settings.h"
#include "support/golden.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velmar::test {
namespace {

class NoOpener final : public DocumentOpener {
public:
    bool open(const QString&) override { return true; }
};

// What a reader must find: the holder's name with its Romanian letters (cedilla forms: the tables hold
// Windows-1250 text), the address printed literally, the
// commune in capitals, an installment line, the amounts and the date.
const QStringList kPrintedValues{QString::fromUtf8("Ştefănescu Ţuţu-Ionuţ"),
                                 QString::fromUtf8("Str. (Lungă) A\\par B, Sânmărtin, jud.CLUJ"),
                                 QString::fromUtf8("SÂNMĂRTIN"),
                                 QStringLiteral("HARGHITA"),
                                 QStringLiteral("CvC.nr.12-Rata 2/15.03.2014"),
                                 QStringLiteral("20.03.2014"),
                                 QStringLiteral("1000"),
                                 QStringLiteral("2706"),
                                 QStringLiteral("1800101221144")};

class ReceiptReaders : public PaymentFixture, public testing::Test {
protected:
    // 2706 lei on 20.03.2014: the first installment with its penalty, then part of the second.
    QString receipt()
    {
        app().settings().WriteSetting("CONST", "COMUNA", QString::fromUtf8("Sânmărtin"));
        app().settings().WriteNumberSetting("CONST", "JUDET", 20);
        db().execute("UPDATE Contract SET NUME = ?, CNP = ?, ADRESA = ?, LOC = ?",
                     {QString::fromUtf8("Ştefănescu Ţuţu-Ionuţ"), "1800101221144",
                      QString::fromUtf8("Str. {Lungă} A\\par B"), QString::fromUtf8("Sânmărtin")});
        const qint64 idchit = pay(2706, "20.03.2014", 57).idchit;
        ScriptedInteraction ui;
        NoOpener opener;
        TRTFReplace rtf(opener);
        const QString path = home() + "/Chitanta.rtf";
        EXPECT_EQ(WriteReceipt(app(), ui, rtf, idchit, path), ReceiptOutcome::Written);
        return path;
    }
};

TEST_F(ReceiptReaders, TheReceiptIsTheExpectedDocument)
{
    expectGolden(QString::fromLatin1(readBytes(receipt())), QStringLiteral(VELMAR_PAYMENTS_TEST_DATA "/receipt.rtf"));
}

// The text of unrtf's HTML: tags dropped, character references decoded.
QString htmlText(QString html)
{
    html.remove(QRegularExpression("<[^>]*>"));
    const QRegularExpression reference("&#(\\d+);");
    for (QRegularExpressionMatch m = reference.match(html); m.hasMatch(); m = reference.match(html))
        html.replace(m.capturedStart(), m.capturedLength(), QChar(m.captured(1).toInt()));
    // unrtf names the letters of Latin-1.
    for (const auto& [name, letter] : {std::pair{"&acirc;", u'â'},
                                       {"&Acirc;", u'Â'},
                                       {"&icirc;", u'î'},
                                       {"&Icirc;", u'Î'},
                                       {"&quot;", u'"'},
                                       {"&lt;", u'<'},
                                       {"&gt;", u'>'}})
        html.replace(QLatin1String(name), QChar(letter));
    return html.replace("&amp;", "&");
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// unrtf's text output drops Unicode escapes and shows the stand-ins, plain letters; its HTML output
// keeps the characters.
TEST_F(ReceiptReaders, UnrtfReadsEveryValue)
{
    const QString unrtf = QStandardPaths::findExecutable("unrtf");
    if (unrtf.isEmpty())
        GTEST_SKIP() << "unrtf is not installed";
    const QString path = receipt();
    const QString text = run(unrtf, {"--text", path});
    EXPECT_TRUE(text.contains("Stefanescu Tutu-Ionut")) << text.toStdString();
    EXPECT_TRUE(text.contains("Str. (Lunga) A\\par B, Sanmartin, jud.CLUJ")) << text.toStdString();
    EXPECT_FALSE(text.contains('['));

    const QString html = htmlText(run(unrtf, {"--html", path}));
    for (const QString& value : kPrintedValues)
        EXPECT_TRUE(html.contains(value)) << value.toStdString() << "\n" << html.toStdString();
}

// Writer is what prints the receipts: its text of the document has every value, both forms, no tag.
TEST_F(ReceiptReaders, WriterReadsEveryValueTwice)
{
    const QString writer = QStandardPaths::findExecutable("libreoffice");
    if (writer.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    const QString path = receipt();
    QTemporaryDir profile;
    run(writer,
        {"-env:UserInstallation=file://" + profile.path(), "--headless", "--convert-to", "txt:Text (encoded):UTF8",
         "--outdir", home(), path});
    const QString text = QString::fromUtf8(readBytes(home() + "/Chitanta.txt"));
    for (const QString& value : kPrintedValues)
        EXPECT_GE(text.count(value), 2) << value.toStdString() << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QRegularExpression("\\[[A-Za-z]+\\d*\\]"))) << text.toStdString();
}

}  // namespace
}  // namespace velmar::test
