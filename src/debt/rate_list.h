// The rows of the two rate tables as the administration's grids list them, ordered by DATASTAB as the
// computations load them, so the last row shown on a date is the one in force from it.
#pragma once

#include <QtGlobal>
#include <vector>

namespace velmar {

class Database;

struct PenaltyRateRow {
    qint64 idp = 0;
    qint64 datastab = 0;
    double pezi = 0;
    double peluna = 0;
};

struct InflationRateRow {
    qint64 idinf = 0;
    qint64 datastab = 0;
    double valoare = 0;
};

std::vector<PenaltyRateRow> PenaltyRateRows(Database& db);
std::vector<InflationRateRow> InflationRateRows(Database& db);

}  // namespace velmar
