// Band runs and the grids' usual formatters.
#include "widgets/grid_column.h"

#include "store/dates.h"

namespace velmar {

std::vector<GridBand> bandRuns(const std::vector<QString>& bandOfColumn)
{
    std::vector<GridBand> runs;
    for (int c = 0; c < int(bandOfColumn.size()); ++c) {
        const QString& band = bandOfColumn[size_t(c)];
        if (band.isEmpty())
            continue;
        if (!runs.empty() && runs.back().title == band && runs.back().last == c - 1)
            runs.back().last = c;
        else
            runs.push_back({band, c, c});
    }
    return runs;
}

QString numberText(qint64 value) { return QString::number(value); }

QString dayText(qint64 dayNumber) { return DayToText(double(dayNumber)); }

}  // namespace velmar
