// Golden-file comparison.
#include "support/golden.h"

#include <QFile>
#include <gtest/gtest.h>

namespace velmar::test {

void expectGolden(const QString& actual, const QString& goldenPath)
{
    QFile golden(goldenPath);
    if (qEnvironmentVariableIntValue("VELMAR_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(golden.open(QIODevice::WriteOnly | QIODevice::Truncate)) << goldenPath.toStdString();
        golden.write(actual.toUtf8());
        return;
    }
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << goldenPath.toStdString();
    EXPECT_EQ(actual.toStdString(), QString::fromUtf8(golden.readAll()).toStdString()) << goldenPath.toStdString();
}

}  // namespace velmar::test
