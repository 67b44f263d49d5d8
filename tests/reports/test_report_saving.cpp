// Where reports are saved and that they are shown: the free RapN.xls names of the TEMP folder.
#include "platform/document_opener.h"
#include "report_samples.h"
#include "reports/template_exporter.h"
#include "store/folders.h"
#include "store/store_error.h"
#include "support/temp_folder.h"
#include "xls/workbook.h"

#include <QDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

struct RecordingOpener final : DocumentOpener {
    bool open(const QString& path) override
    {
        opened << path;
        return works;
    }
    QStringList opened;
    bool works = true;
};

// A name that cannot be deleted, whoever runs the tests (root included): a folder with a file in it.
void occupy(const QDir& dir, const QString& name) { ASSERT_TRUE(dir.mkpath(name + QStringLiteral("/inside"))); }
// How LibreOffice marks a document it has open.
void openInSpreadsheet(const QDir& dir, const QString& name)
{
    test::writeBytes(dir.filePath(QStringLiteral(".~lock.%1#").arg(name)), "lock");
}

TEST(NextReportFileName, TakesTheFirstNameThatIsFreeOrCanBeFreed)
{
    struct Case {
        const char* what;
        std::function<void(const QDir&)> arrange;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"empty folder", [](const QDir&) {}, "Rap0.xls"},
        {"old report", [](const QDir& d) { test::writeBytes(d.filePath("Rap0.xls"), "old"); }, "Rap0.xls"},
        {"undeletable", [](const QDir& d) { occupy(d, "Rap0.xls"); }, "Rap1.xls"},
        {"open in LibreOffice",
         [](const QDir& d) {
             test::writeBytes(d.filePath("Rap0.xls"), "shown");
             openInSpreadsheet(d, "Rap0.xls");
             occupy(d, "Rap1.xls");
         },
         "Rap2.xls"},
        {"all in use",
         [](const QDir& d) {
             for (int n = 0; n <= 100; ++n)
                 occupy(d, QStringLiteral("Rap%1.xls").arg(n));
         },
         ""},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        const QDir dir(folder.path());
        c.arrange(dir);
        const QString expected = *c.expected ? dir.filePath(QString::fromLatin1(c.expected)) : QString();
        EXPECT_EQ(NextReportFileName(folder.path()), expected) << c.what;
        if (!expected.isEmpty()) {
            EXPECT_FALSE(QFileInfo(expected).isFile()) << c.what << ": the old report is gone";
        }
    }
    test::TempFolder folder;
    test::writeBytes(folder.file("Rap0.xls"), "shown");
    openInSpreadsheet(QDir(folder.path()), "Rap0.xls");
    NextReportFileName(folder.path());
    EXPECT_EQ(test::readBytes(folder.file("Rap0.xls")), "shown") << "a shown report is never deleted";
}

class SaveAndShowTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("VELMAR_SYSTEM_DIR", system.path().toUtf8()); }
    void TearDown() override { qunsetenv("VELMAR_SYSTEM_DIR"); }

    void makeReport(const QString& date)
    {
        ASSERT_TRUE(
            exporter.OpenTemplate(test::writeTemplate(templates, xls::CarriedTemplate::Datorii, "Datorii.xls")));
        exporter.ReplaceTag(QStringLiteral("#LADATA"), date);
        exporter.FillBand(test::debtRecords());
        exporter.SaveAndShow();
    }
    QString report(const char* name) const { return QDir(tempFolder()).filePath(QString::fromLatin1(name)); }

    test::TempFolder system;
    test::TempFolder templates;
    RecordingOpener opener;
    TemplateExporter exporter{opener};
};

TEST_F(SaveAndShowTest, SavesInTempShowsAndClosesSkippingAReportStillShown)
{
    makeReport(QStringLiteral("10.12.2026"));
    EXPECT_EQ(opener.opened, QStringList{report("Rap0.xls")});
    EXPECT_EQ(exporter.lastReport(), report("Rap0.xls"));
    EXPECT_FALSE(exporter.isOpen());
    EXPECT_EQ(xls::Workbook::open(report("Rap0.xls")).cellText(3, 4), QStringLiteral("10.12.2026"));

    openInSpreadsheet(QDir(tempFolder()), "Rap0.xls");
    makeReport(QStringLiteral("11.12.2026"));
    EXPECT_EQ(opener.opened, QStringList({report("Rap0.xls"), report("Rap1.xls")}));
    EXPECT_EQ(xls::Workbook::open(report("Rap0.xls")).cellText(3, 4), QStringLiteral("10.12.2026"));
    EXPECT_EQ(xls::Workbook::open(report("Rap1.xls")).cellText(3, 4), QStringLiteral("11.12.2026"));
}

TEST_F(SaveAndShowTest, WithoutAFreeNameTheReportIsDroppedUnshown)
{
    for (int n = 0; n <= 100; ++n)
        occupy(QDir(tempFolder()), QStringLiteral("Rap%1.xls").arg(n));
    makeReport(QStringLiteral("10.12.2026"));
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(exporter.lastReport().isEmpty());
    EXPECT_FALSE(exporter.isOpen());
}

TEST_F(SaveAndShowTest, AReportThatCannotBeShownIsNamedInTheError)
{
    opener.works = false;
    try {
        makeReport(QStringLiteral("10.12.2026"));
        ADD_FAILURE() << "no error";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("Raportul a fost salvat in %1, dar nu poate fi deschis.").arg(report("Rap0.xls")));
    }
    EXPECT_TRUE(QFileInfo(report("Rap0.xls")).isFile());
}

}  // namespace
}  // namespace velmar
