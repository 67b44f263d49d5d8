// Adding, changing and deleting rows of the two rate tables. A change to the inflation rates re-indexes
// every installment in the same transaction; a penalty rate change needs nothing more, since penalties
// are computed from the table whenever they are shown or paid.
#pragma once

#include <QDate>
#include <QString>

namespace velmar {

class Database;
class IdCounters;
class ProgressCounter;
class RateTables;

// A rate as typed: at most 3 digits before the point and 2 after, a minus sign only where allowed (and then
// at most 2 digits before the point, as the column holds); empty reads as 0. Returns the plain decimal text
// that goes into the table; throws StoreError when refused.
QString RateText(const QString& typed, bool negativeAllowed);

struct PenaltyRateEdit {
    QDate date;
    QString perDay;    // PEZI, as typed
    QString perMonth;  // PELUNA, as typed
};

struct InflationRateEdit {
    QDate date;
    QString value;  // VALOARE, as typed
};

qint64 AddPenaltyRate(Database& db, IdCounters& ids, const PenaltyRateEdit& edit);  // returns the new IDP
void ChangePenaltyRate(Database& db, qint64 idp, const PenaltyRateEdit& edit);
void DeletePenaltyRate(Database& db, qint64 idp);

// The inflation edits also re-index every contract (under the progress counter).
class InflationRateEditor {
public:
    InflationRateEditor(Database& db, IdCounters& ids, RateTables& rates, ProgressCounter& counter)
        : db_(db), ids_(ids), rates_(rates), counter_(counter)
    {}
    qint64 add(const InflationRateEdit& edit);  // returns the new IDINF
    void change(qint64 idinf, const InflationRateEdit& edit);
    void remove(qint64 idinf);

private:
    template <typename Edit>
    void editAndReindex(Edit&& edit);

    Database& db_;
    IdCounters& ids_;
    RateTables& rates_;
    ProgressCounter& counter_;
};

}  // namespace velmar
