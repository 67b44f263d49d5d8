// The program's clock.
#include "store/clock.h"

#include "store/dates.h"

namespace velmar {

QDate today()
{
    const QString fixed = qEnvironmentVariable("VELMAR_TODAY");
    if (!fixed.isEmpty())
        if (const auto date = parseDate(fixed))
            return *date;
    return QDate::currentDate();
}

QTime timeOfDay() { return QTime::currentTime(); }

}  // namespace velmar
