// Walking a contract's events into its ledger.
#include "debt/sheet_walk.h"

#include "app/progress_counter.h"
#include "app/rate_tables.h"
#include "debt/debt_texts.h"
#include "debt/sheet_terms.h"
#include "store/dates.h"
#include "store/rounding.h"

#include <algorithm>

namespace velmar {

namespace {

// The running values of the walk. `overdue` is what bears penalties: an installment imposed but not yet
// due adds to the balance, not to it, and an advance payment brings it below 0 without earning anything.
struct Balances {
    qint64 sold = 0;
    qint64 soldPen = 0;
    qint64 overdue = 0;
    qint64 previous = 0;  // Q: the date of the previous event

    qint64 penaltyUpTo(qint64 day, const RateTables& rates, qint64 stopPen) const
    {
        const double fraction = rates.ComputePenalty(double(day), double(previous), double(stopPen));
        return RoundHalfUp(fraction * double(std::max<qint64>(overdue, 0)));
    }
};

LedgerRow textRow(qint64 day, const QString& text)
{
    LedgerRow row;
    row.day = day;
    row.text = text;
    return row;
}

// Where the first period starts: the first imposition, else the first event walked. The heading is no
// event of the contract (its rate may date from years before), so it never starts a period.
qint64 firstDay(const std::vector<SheetEvent>& events, const SheetTerms& terms, qint64 today)
{
    const auto imposed = std::find_if(events.begin(), events.end(),
                                      [](const SheetEvent& e) { return e.type == SheetEventType::Imposed; });
    if (imposed != events.end())
        return imposed->day;
    const auto walked =
        std::find_if(events.begin(), events.end(), [&](const SheetEvent& e) { return !isSheetHeading(e, terms); });
    return walked == events.end() ? today : walked->day;
}

}  // namespace

std::vector<LedgerRow> WalkSheet(const std::vector<SheetEvent>& events, const RateTables& rates,
                                 const SheetTerms& terms, qint64 today, ProgressScope& progress)
{
    std::vector<LedgerRow> ledger;
    ledger.reserve(events.size() + 1);
    Balances b;
    b.previous = firstDay(events, terms, today);
    const auto heading =
        std::find_if(events.begin(), events.end(), [&](const SheetEvent& e) { return isSheetHeading(e, terms); });
    if (heading != events.end())
        ledger.push_back(textRow(heading->day, heading->text));
    const QString firstDue = debt_texts::dueEvent(1);

    for (auto event = events.begin(); event != events.end(); ++event) {
        if (event == heading)
            continue;
        LedgerRow row = textRow(event->day, event->text);
        row.addcur = row.platacur = row.addpen = row.platapen = 0;
        if (event->type != SheetEventType::InflationRate) {
            row.addpen = b.penaltyUpTo(event->day, rates, terms.stopPen);
            switch (event->type) {
            case SheetEventType::Imposed:
                row.addcur = event->added;
                break;
            case SheetEventType::Due:
                b.overdue += event->added;
                break;
            case SheetEventType::Payment:
                row.platacur = event->paidPrincipal;
                row.platapen = event->paidPenalty;
                b.overdue -= event->paidPrincipal;
                break;
            default:
                break;
            }
            b.sold += *row.addcur - *row.platacur;
            b.soldPen += *row.addpen - *row.platapen;
            row.soldcur = b.sold;
            row.soldpen = b.soldPen;
            if (event->text != firstDue)
                row.nrzile = event->day - b.previous;
            row.nrluni = MonthsBetween(event->day, b.previous);
            b.previous = event->day;
        }
        ledger.push_back(std::move(row));
        progress.step();
    }

    LedgerRow last = textRow(today, debt_texts::kBalanceToday);
    last.addpen = b.penaltyUpTo(today, rates, terms.stopPen);
    last.addcur = last.platacur = last.platapen = 0;
    last.soldcur = b.sold;
    last.soldpen = b.soldPen + *last.addpen;
    last.nrzile = today - b.previous;
    last.nrluni = MonthsBetween(today, b.previous);
    ledger.push_back(std::move(last));
    return ledger;
}

}  // namespace velmar
