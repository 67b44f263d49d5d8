// Comparing a produced text with a checked-in expected one. With VELMAR_UPDATE_GOLDEN=1 in the
// environment the expected file is rewritten instead, for a change that is meant; review its diff.
#pragma once

#include <QString>

namespace velmar::test {

void expectGolden(const QString& actual, const QString& goldenPath);

}  // namespace velmar::test
