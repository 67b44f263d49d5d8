// velmar-cli init and log on a new program folder.
#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(CliMaintenance, InitPreparesANewFolderOnceAndLogListsTheEntries)
{
    test::TempFolder home;
    const test::CliRunner cli(home.path());
    const auto first = cli.run({"init"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains("Tabele create: Log, Contract, Rate, Chitante, PenalIst, Inflatie, UndoRate"))
        << first.out.toStdString();
    EXPECT_TRUE(first.out.contains("Sabloane scrise: ModelChitanta.rtf, Incas.xls, Datorii.xls, FisaCalcul.xls\n"))
        << first.out.toStdString();
    EXPECT_TRUE(first.out.contains("Compactare: facuta\n"));
    EXPECT_EQ(test::readBytes(home.file("system/GMT.dII")),
              QStringLiteral("[56]\r\nCALE=%1\r\nVER=1.0006\r\n").arg(home.path()).toUtf8());
    EXPECT_TRUE(test::readBytes(home.file("Data/VLMR.set")).contains("[56]\r\nVER=1.0006\r\n"));
    const auto second = cli.run({"init"});
    EXPECT_TRUE(second.out.contains("Tabele create: -")) << second.out.toStdString();
    EXPECT_TRUE(second.out.contains("Sabloane scrise: -\n")) << second.out.toStdString();
    EXPECT_TRUE(second.out.contains("Compactare: facuta deja saptamana aceasta"));

    cli.run({"sql",
             "INSERT INTO Log (IDLOG, DATAL, ORA, ACTIUNE, UTILIZATOR) VALUES (2, '10.12.2026', '10:00:01', "
             "'Inchidere, gata', 'PC - ion')"});
    cli.run({"sql",
             "INSERT INTO Log (IDLOG, DATAL, ORA, ACTIUNE, UTILIZATOR) VALUES (1, '09.12.2026', '09:00:00', 'Pornire "
             "Contracte Dorvan', 'PC - ion')"});
    const auto log = cli.run({"log"});
    EXPECT_EQ(log.out,
              "IDLOG,DATAL,ORA,ACTIUNE,UTILIZATOR\n"
              "1,09.12.2026,09:00:00,Pornire Contracte Dorvan,PC - ion\n"
              "2,10.12.2026,10:00:01,\"Inchidere, gata\",PC - ion\n");
}

}  // namespace
}  // namespace velmar
