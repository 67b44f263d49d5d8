// The grids' usual formatters.
#include "widgets/grid_column.h"

#include "store/dates.h"

namespace velmar {

QString numberText(qint64 value) { return QString::number(value); }

QString dayText(qint64 dayNumber) { return DayToText(double(dayNumber)); }

}  // namespace velmar
