// The templates written into a data folder when missing, and only then.
#include "payments/receipt_template.h"
#include "session/carried_files.h"
#include "store/store_error.h"
#include "support/temp_folder.h"
#include "xls/template_builder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

QStringList filesIn(const test::TempFolder& folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(CarriedFiles, WritesTheMissingTemplatesInOrder)
{
    test::TempFolder data;
    EXPECT_EQ(WriteCarriedFiles(data.path()),
              QStringList({"ModelChitanta.rtf", "Incas.xls", "Datorii.xls", "FisaCalcul.xls"}));
    EXPECT_EQ(filesIn(data), QStringList({"Datorii.xls", "FisaCalcul.xls", "Incas.xls", "ModelChitanta.rtf"}));
    EXPECT_EQ(test::readBytes(data.file("Datorii.xls")), xls::BuildCarriedTemplate(xls::CarriedTemplate::Datorii));
    EXPECT_EQ(test::readBytes(data.file("ModelChitanta.rtf")), BuildReceiptTemplate());
    EXPECT_TRUE(WriteCarriedFiles(data.path()).isEmpty());
}

// Users edit the templates, and folders copied from Windows spell names in capitals: those stay as they are.
TEST(CarriedFiles, LeavesTemplatesThatExistInAnyLetterCase)
{
    test::TempFolder data;
    test::writeBytes(data.file("DATORII.XLS"), "edited by the user");
    test::writeBytes(data.file("Incas.xls"), "edited too");
    test::writeBytes(data.file("modelchitanta.RTF"), "{\\rtf1 edited}");
    EXPECT_EQ(WriteCarriedFiles(data.path()), QStringList{"FisaCalcul.xls"});
    EXPECT_EQ(filesIn(data), QStringList({"DATORII.XLS", "FisaCalcul.xls", "Incas.xls", "modelchitanta.RTF"}));
    EXPECT_EQ(test::readBytes(data.file("DATORII.XLS")), "edited by the user");
    EXPECT_EQ(test::readBytes(data.file("Incas.xls")), "edited too");
}

TEST(CarriedFiles, AFolderThatCannotTakeThemIsAnError)
{
    test::TempFolder home;
    EXPECT_THROW(WriteCarriedFiles(home.file("no such folder")), StoreError);
}

}  // namespace
}  // namespace velmar
