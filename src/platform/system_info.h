// Who and where: the computer's name and the user account's name.
#pragma once

#include <QString>

namespace velmar {

QString computerName();  // empty when unknown
QString userName();      // empty when it cannot be read

}  // namespace velmar
