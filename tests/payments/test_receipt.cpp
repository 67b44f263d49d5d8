// The receipt of one recorded payment: what each tag of the form prints, which file it goes to, the
// questions and messages around it, and the carried form itself.
#include "app/interaction.h"
#include "payment_fixture.h"
#include "payments/payment_texts.h"
#include "payments/receipt.h"
#include "payments/receipt_template.h"
#include "payments/rtf_replace.h"
#include "platform/document_opener.h"
#include "store/settings.h"
#include "store/store_error.h"
#include "support/recording_opener.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>

namespace velmar::test {
namespace {

namespace texts = payment_texts;

// The tags of one carried form, in the order the form shows them.
QStringList formTags()
{
    const QString model = QString::fromLatin1(BuildReceiptTemplate());
    QStringList tags;
    const QRegularExpression tag(QStringLiteral("\\[[A-Za-z]+\\d*\\]"));
    for (const QRegularExpressionMatch& m : tag.globalMatch(model))
        if (!tags.contains(m.captured()))
            tags << m.captured();
    return tags;
}

class ReceiptTest : public PaymentFixture, public testing::Test {
protected:
    QString dataFile(const QString& name) { return QDir(app().dataFolder()).filePath(name); }
    QString tempFile(const QString& name) { return QDir(app().systemFolder()).filePath("TEMP/" + name); }

    // A template with the carried form's tags, spelt as there, one paragraph each: its receipt reads as
    // tag -> printed text.
    void useTagPerLineTemplate()
    {
        QByteArray model = "{\\rtf1\\ansi\n";
        for (const QString& tag : formTags())
            model += "\\pard " + tag.toLatin1() + "\\par\n";
        writeBytes(dataFile(kReceiptTemplate), model + "}\n");
    }

    std::map<QString, QString> printed(qint64 idchit)
    {
        ScriptedInteraction ui;
        EXPECT_EQ(WriteReceipt(app(), ui, rtf, idchit, home() + "/out.rtf"), ReceiptOutcome::Written);
        const QList<QByteArray> lines = readBytes(home() + "/out.rtf").split('\n');
        std::map<QString, QString> values;
        const QStringList tags = formTags();
        for (qsizetype i = 0; i < tags.size(); ++i)
            values[tags[i]] = QString::fromLatin1(lines[i + 1]).remove("\\pard ").remove("\\par");
        return values;
    }

    RecordingOpener opener;
    TRTFReplace rtf{opener};
};

struct Printed {
    const char* name;
    std::function<qint64(ReceiptTest&)> pay;  // records the payment, returns its IDCHIT
    std::vector<std::pair<const char*, const char*>> expected;
};

class PrintedTags : public ReceiptTest, public testing::WithParamInterface<Printed> {};

TEST_P(PrintedTags, PrintAsTheFormWants)
{
    useTagPerLineTemplate();
    const std::map<QString, QString> values = printed(GetParam().pay(*this));
    for (const auto& [tag, text] : GetParam().expected)
        EXPECT_EQ(values.at(tag), text) << tag;
}

qint64 paid(ReceiptTest& t, qint64 amount, const char* date)
{
    const PaymentOutcome outcome = t.pay(amount, date);
    EXPECT_FALSE(outcome.problem);
    return outcome.idchit;
}

INSTANTIATE_TEST_SUITE_P(
    Receipt, PrintedTags,
    testing::Values(
        // 3000 before any penalty pays installments 1 to 3; lines 4 to 7 are dashes in every cell.
        Printed{"ThreeInstallmentsLeaveFourDashedLines",
                [](ReceiptTest& t) { return paid(t, 3000, "01.04.2013"); },
                {{"[Linia1]", "CvC.nr.12-Rata 1/15.03.2013"},
                 {"[Curent1]", "1000"},
                 {"[Rest1]", "-"},
                 {"[MAJ1]", "0"},
                 {"[Total1]", "1000"},
                 {"[Linia3]", "CvC.nr.12-Rata 3/15.03.2015"},
                 {"[Total3]", "1000"},
                 {"[Linia4]", "-"},
                 {"[Curent4]", "-"},
                 {"[Rest4]", "-"},
                 {"[Maj4]", "-"},
                 {"[Total4]", "-"},
                 {"[Linia7]", "-"},
                 {"[Total7]", "-"},
                 {"[TOTAL]", "3000"},
                 {"[NRC]", "1"},
                 {"[Data]", "01.04.2013"}}},
        Printed{"MoreThanSevenInstallmentsShowSevenAndTheWholeTotal",
                [](ReceiptTest& t) {
                    ContractInput ten = sampleInput();
                    ten.nrCon = "13";
                    ten.nrRate = "10";
                    t.idcon = t.add(ten);
                    return paid(t, 10000, "01.04.2013");
                },
                {{"[Linia7]", "CvC.nr.13-Rata 7/15.03.2019"}, {"[Total7]", "1000"}, {"[TOTAL]", "10000"}}},
        // Penalties run from the day before DATAPEN: on that day the installment owes 1 leu and is still
        // current; a day later it is overdue.
        Printed{"DueOnThePaymentDateIsCurrent",
                [](ReceiptTest& t) { return paid(t, 1000, "15.04.2013"); },
                {{"[Curent1]", "999"}, {"[Rest1]", "-"}, {"[MAJ1]", "1"}, {"[Total1]", "1000"}}},
        Printed{"OverdueAtThePaymentDateIsAnArrear",
                [](ReceiptTest& t) { return paid(t, 1000, "16.04.2013"); },
                {{"[Curent1]", "-"}, {"[Rest1]", "998"}, {"[MAJ1]", "2"}}},
        Printed{"EmptyCodeIsTenDots",
                [](ReceiptTest& t) { return paid(t, 1000, "01.04.2013"); },
                {{"[CNP]", ".........."}, {"[ROL]", "R1"}, {"[Nume]", "NUME TITULAR"}}},
        Printed{"BracesInTheAddressPrintAsParentheses",
                [](ReceiptTest& t) {
                    t.db().execute("UPDATE Contract SET ADRESA = ?, LOC = ?", {"Str. {Lunga} nr. 3", "Dej"});
                    return paid(t, 1000, "01.04.2013");
                },
                {{"[Adresa]", "Str. (Lunga) nr. 3, Dej, jud.CLUJ"}}},
        // The commune's tag is written in capitals, the holder's name tag is not.
        Printed{"SmallLettersPrintInCapitalsOnlyUnderACapitalTag",
                [](ReceiptTest& t) {
                    t.app().settings().WriteSetting("CONST", "COMUNA", "sancraieni");
                    t.app().settings().WriteNumberSetting("CONST", "JUDET", 20);
                    t.db().execute("UPDATE Contract SET NUME = ?, ROL = ?", {"Popescu Ion", "r7"});
                    return paid(t, 1000, "01.04.2013");
                },
                {{"[COMUNA]", "SANCRAIENI"}, {"[JUDET]", "HARGHITA"}, {"[Nume]", "Popescu Ion"}, {"[ROL]", "R7"}}}),
    caseName);

TEST_F(ReceiptTest, TheFormHasEveryTagOnceWholeOnOneLineTwice)
{
    const QByteArray model = BuildReceiptTemplate();
    QStringList expected{"[JUDET]", "[COMUNA]", "[NRC]", "[ROL]", "[Nume]", "[Adresa]", "[CNP]"};
    for (int k = 1; k <= 7; ++k)
        expected << QStringLiteral("[Linia%1]").arg(k) << QStringLiteral("[Curent%1]").arg(k)
                 << QStringLiteral("[Rest%1]").arg(k) << QString::fromLatin1(k <= 2 ? "[MAJ%1]" : "[Maj%1]").arg(k)
                 << QStringLiteral("[Total%1]").arg(k);
    expected << "[TOTAL]"
             << "[Data]";
    EXPECT_EQ(formTags(), expected);
    for (const QString& tag : expected)
        EXPECT_EQ(model.count(tag.toLatin1()), 2 * (tag == "[Nume]" ? 2 : 1)) << tag.toStdString();

    const QList<QByteArray> lines = model.split('\n');
    qsizetype firstParagraph = 0;
    while (!lines[firstParagraph].contains("\\pard"))
        ++firstParagraph;
    EXPECT_TRUE(lines[firstParagraph].startsWith("\\pard"));
    EXPECT_FALSE(model.left(model.indexOf("\\pard")).contains('['));  // no tag in the header
    // One outer group, closed by the last line: the depth never falls to 0 before it.
    int depth = 0;
    for (qsizetype i = 0; i + 2 < lines.size(); ++i) {
        depth += TRTFReplace::BraceBalance(lines[i]);
        ASSERT_GT(depth, 0) << "line " << i + 1;
    }
    EXPECT_EQ(lines[lines.size() - 2], "}");
    EXPECT_EQ(depth + TRTFReplace::BraceBalance("}"), 0);
}

TEST_F(ReceiptTest, AReceiptHeldOpenIsKeptAndTheNextNameTaken)
{
    const qint64 idchit = paid(*this, 1000, "01.04.2013");
    QDir().mkpath(tempFile({}));
    writeBytes(tempFile("Chitanta0.rtf"), "printed earlier");
    writeBytes(tempFile(".~lock.Chitanta0.rtf#"), "held by Writer");
    ScriptedInteraction ui;
    ASSERT_EQ(PrintReceipt(app(), ui, rtf, idchit), ReceiptOutcome::Written);
    EXPECT_EQ(rtf.RTFDest, tempFile("Chitanta1.rtf"));
    EXPECT_EQ(opener.opened, QStringList{tempFile("Chitanta1.rtf")});
    EXPECT_EQ(readBytes(tempFile("Chitanta0.rtf")), "printed earlier");
    EXPECT_TRUE(readBytes(tempFile("Chitanta1.rtf")).contains("CvC.nr.12-Rata 1/15.03.2013"));
}

struct Unusable {
    const char* name;
    std::optional<QByteArray> model;  // nullopt: no template
};

class UnusableTemplate : public ReceiptTest, public testing::WithParamInterface<Unusable> {};

TEST_P(UnusableTemplate, ProducesNoReceiptAndSaysWhy)
{
    const qint64 idchit = paid(*this, 1000, "01.04.2013");
    QFile::remove(dataFile(kReceiptTemplate));
    if (GetParam().model)
        writeBytes(dataFile(kReceiptTemplate), *GetParam().model);
    ScriptedInteraction ui;
    EXPECT_EQ(PrintReceipt(app(), ui, rtf, idchit), ReceiptOutcome::NotProduced);
    ASSERT_FALSE(ui.shown().empty());
    EXPECT_EQ(ui.shown().back().caption, texts::kReceiptCaption);
    EXPECT_EQ(ui.shown().back().text, texts::receiptTemplateUnusable(dataFile(kReceiptTemplate)));
    EXPECT_EQ(ui.shown().back().kind, MessageKind::Error);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(QDir(tempFile({})).entryList(QDir::Files).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Receipt, UnusableTemplate,
                         testing::Values(Unusable{"Missing", std::nullopt}, Unusable{"Empty", QByteArray()},
                                         Unusable{"WithoutParagraph", QByteArray("{\\rtf1\\ansi [Nume]}\n")}),
                         caseName);

TEST_F(ReceiptTest, NoFreeNameProducesNoReceipt)
{
    const qint64 idchit = paid(*this, 1000, "01.04.2013");
    QDir().mkpath(tempFile({}));
    for (int n = 0; n <= 99; ++n) {
        writeBytes(tempFile(QStringLiteral("Chitanta%1.rtf").arg(n)), "open");
        writeBytes(tempFile(QStringLiteral(".~lock.Chitanta%1.rtf#").arg(n)), {});
    }
    ScriptedInteraction ui;
    EXPECT_EQ(PrintReceipt(app(), ui, rtf, idchit), ReceiptOutcome::NotProduced);
    EXPECT_EQ(ui.shown().back().text, texts::receiptNamesTaken(tempFile({}).chopped(1)));
    EXPECT_TRUE(opener.opened.isEmpty());
}

// A payment of another document kind asks first; the template reminder shows until it was edited.
TEST_F(ReceiptTest, AsksForOtherDocumentKindsAndRemindsOfTheTemplate)
{
    const qint64 order = pay(1000, "01.04.2013", 5, "Ordin de plata").idchit;
    ScriptedInteraction no({MessageResult::No});
    EXPECT_EQ(PrintReceipt(app(), no, rtf, order), ReceiptOutcome::Declined);
    ASSERT_EQ(no.shown().size(), 1u);
    EXPECT_EQ(no.shown()[0].caption, "Listare Chitanta");
    EXPECT_EQ(no.shown()[0].text,
              "Incasarea selectata este ORDIN DE PLATA!\rDoriti sa o afisez sub forma de Chitanta?");
    EXPECT_EQ(no.shown()[0].buttons, MessageButton::Yes | MessageButton::No);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(tempFile("Chitanta0.rtf")));

    ScriptedInteraction yes({MessageResult::Yes});
    EXPECT_EQ(PrintReceipt(app(), yes, rtf, order), ReceiptOutcome::Written);
    ASSERT_EQ(yes.shown().size(), 2u);
    EXPECT_EQ(yes.shown()[1].caption, "Afisare Chitanta");
    EXPECT_EQ(yes.shown()[1].text,
              "Datele lipsa de pe chitanta le puteti completa\rde la butonul Administrare > "
              "Modele formulare pentru listare!");

    app().settings().WriteSetting("CONST", "EDITAT_CHITANTA", "DA");
    const qint64 receipt = pay(1000, "02.04.2013", 6).idchit;
    ScriptedInteraction silent;
    EXPECT_EQ(PrintReceipt(app(), silent, rtf, receipt), ReceiptOutcome::Written);
    EXPECT_TRUE(silent.shown().empty());
}

TEST_F(ReceiptTest, AnUnknownPaymentIsAnError)
{
    ScriptedInteraction ui;
    EXPECT_THROW(PrintReceipt(app(), ui, rtf, 999), StoreError);
}

}  // namespace
}  // namespace velmar::test
