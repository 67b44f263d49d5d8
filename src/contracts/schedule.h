// The installment schedule of a contract: one Rate row per contract year.
#pragma once

#include <QtGlobal>

namespace velmar {

class Database;
class IdCounters;
struct ContractInput;

// Inserts the installments of contract `idcon` from validated dialog values: as many as the whole years of
// NrRate, the k-th (from 0) due on DataRata1 and bearing penalties from DataPen1, each moved by 12·k
// months from those first dates, all of the amount Rata and nothing paid. Each row draws its own IDRATA.
void GenerateSchedule(Database& db, IdCounters& ids, qint64 idcon, const ContractInput& input);

}  // namespace velmar
