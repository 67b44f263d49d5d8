// The terms of one contract that its calculation sheet reads: the penalty dates that bound the rate
// changes it lists, the stop date, and what its heading shows.
#pragma once

#include <QString>

namespace velmar {

class Database;

struct SheetTerms {
    qint64 idcon = 0;
    qint64 datapen1 = 0;  // day numbers here and below
    qint64 nrrate = 0;
    qint64 stopPen = 0;  // kNoStopDay when penalties are never stopped
    qint64 rata = 0;
    QString moneda;
    QString nume;
    qint64 nrcon = 0;
    qint64 datacon = 0;

    // The first penalty day of the last installment: DATAPEN1 moved by 12 months per later installment,
    // always from DATAPEN1 as the schedule moves it.
    qint64 lastPenaltyDay() const;
};

// The contract's terms; StoreError when no contract has that IDCON. A blank StopPen (a table older than
// the column's upgrade) means never stopped.
SheetTerms LoadSheetTerms(Database& db, qint64 idcon);

}  // namespace velmar
