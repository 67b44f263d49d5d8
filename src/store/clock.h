// Today's date for everything the program dates: the system's, or $VELMAR_TODAY (dd.MM.yyyy) so that
// tests and checks are repeatable.
#pragma once

#include <QDate>
#include <QTime>

namespace velmar {

QDate today();
QTime timeOfDay();

}  // namespace velmar
