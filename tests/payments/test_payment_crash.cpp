// A recording or an undo killed half-way through its commit leaves the contract as it was before it.
#include "payment_fixture.h"

#include "store/sql/database.h"
#include "store/sql/journal.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

namespace velmar {
namespace {

struct CrashCase {
    const char* name;
    QStringList command;  // the worker's arguments after the number of files it writes before dying
    int dieAfter;
};

const CrashCase kCrashCases[] = {
    {"recording_after_one_file", {"record", "1", "2767", "15.04.2014"}, 1},
    {"recording_after_three_files", {"record", "1", "2767", "15.04.2014"}, 3},
    {"undo_after_one_file", {"undo", "1"}, 1},
    {"undo_after_three_files", {"undo", "1"}, 3},
};

class KilledHalfWay : public ::testing::TestWithParam<CrashCase> {};

TEST_P(KilledHalfWay, LeavesThePaymentTablesAsBefore)
{
    const CrashCase& c = GetParam();
    test::PaymentFixture f;
    ASSERT_EQ(f.idcon, 1);
    ASSERT_FALSE(f.pay(1500, "15.04.2014").problem);  // something to undo, and a recording that is not the first
    const QDir data(f.app().dataFolder());
    const auto files = [&] {
        QStringList bytes;
        for (const char* table : {"Rate.dbf", "Chitante.dbf", "UndoRate.dbf", "Log.dbf"})
            bytes << QString::fromLatin1(test::readBytes(data.filePath(QLatin1String(table))).toHex());
        return bytes;
    };
    const QStringList filesBefore = files();
    const QString rowsBefore = f.allRows();

    QProcess worker;
    worker.start(test::testBinary(QStringLiteral("payment_worker")),
                 QStringList{QString::number(c.dieAfter)} + c.command);
    ASSERT_TRUE(worker.waitForFinished(60000));
    ASSERT_EQ(worker.exitCode(), 9) << worker.readAllStandardError().toStdString();
    ASSERT_TRUE(Journal::existsIn(data.path()));
    EXPECT_NE(files(), filesBefore) << "the worker should have died with a table written";

    Database reopened(data.path());
    EXPECT_FALSE(Journal::existsIn(data.path()));
    EXPECT_EQ(files(), filesBefore);
    EXPECT_EQ(f.allRows(), rowsBefore);
}

INSTANTIATE_TEST_SUITE_P(Cases, KilledHalfWay, ::testing::ValuesIn(kCrashCases), test::caseName);

}  // namespace
}  // namespace velmar
