// Loading the rate tables, the penalty computation and the inflation factor.
#include "app/rate_tables.h"

#include "store/dates.h"
#include "store/sql/database.h"
#include "store/sql/row_reader.h"
#include "store/table_schema.h"

#include <algorithm>
#include <cmath>

namespace velmar {

namespace {

// Every row of a rate table, ordered by DATASTAB, read into its struct.
template <typename Rate>
std::vector<Rate> loadRows(Database& db, const QString& table,
                           std::initializer_list<typename RowReader<Rate>::Column> columns)
{
    const QueryResult rows =
        db.select(QStringLiteral("SELECT %1 FROM %2 ORDER BY DATASTAB").arg(permanentTable(table).columnList(), table));
    const RowReader<Rate> reader(rows, columns);
    std::vector<Rate> loaded;
    loaded.reserve(rows.rows.size());
    for (const QVariantList& row : rows.rows)
        loaded.push_back(reader.read(row));
    return loaded;
}

}  // namespace

void RateTables::LoadPenaltyRates(Database& db)
{
    setPenaltyRates(loadRows<PenaltyRate>(
        db, QStringLiteral("PenalIst"),
        {{u"DATASTAB", &PenaltyRate::day}, {u"PEZI", &PenaltyRate::perDay}, {u"PELUNA", &PenaltyRate::perMonth}}));
}

void RateTables::LoadInflationRates(Database& db)
{
    setInflationRates(loadRows<InflationRate>(
        db, QStringLiteral("Inflatie"), {{u"DATASTAB", &InflationRate::day}, {u"VALOARE", &InflationRate::value}}));
}

void RateTables::setPenaltyRates(std::vector<PenaltyRate> datedRows)
{
    penalty_.assign(1, PenaltyRate{0, 0, 0});
    penalty_.insert(penalty_.end(), datedRows.begin(), datedRows.end());
}

void RateTables::setInflationRates(std::vector<InflationRate> rows) { inflation_ = std::move(rows); }

double RateTables::ComputePenalty(double calcDate, double startDate, double stopDate) const
{
    const auto& R = penalty_;  // R[0] is the zero row; R[1..N] the dated ones
    const size_t N = R.size() - 1;
    const double end = (std::trunc(stopDate) == kNoStopDay || !(stopDate < calcDate)) ? calcDate : stopDate;
    if (N == 0)
        return 0;
    const double S = std::trunc(startDate);
    const double E = std::trunc(end);
    if (S >= E || end < R[1].day)
        return 0;

    // i: the first dated row after day S (N + 1 when none); the rates in force on day S are row i - 1's.
    const size_t i = size_t(
        std::upper_bound(R.begin() + 1, R.end(), S, [](double day, const PenaltyRate& r) { return day < r.day; }) -
        R.begin());
    auto months = [](double a, double b) { return double(MonthsBetween(qint64(a), qint64(b))); };

    double P = 0;
    double Q = 0;
    if (i == N + 1 || E <= R[i].day) {
        P = (E - S) * R[i - 1].perDay / 100;
        Q = months(E, S) * R[i - 1].perMonth / 100;
        return P + Q;
    }
    // The first period counts its first day S and its last day R[i].day, and its months from the day before S.
    P = (R[i].day - S + 1) * R[i - 1].perDay / 100;
    Q = months(R[i].day, S - 1) * R[i - 1].perMonth / 100;
    size_t k = i;
    for (; k < N && E > R[k + 1].day; ++k) {
        P = P + (R[k + 1].day - R[k].day) * R[k].perDay / 100;
        Q = Q + months(R[k + 1].day, R[k].day) * R[k].perMonth / 100;
    }
    P = P + (E - R[k].day) * R[k].perDay / 100;
    Q = Q + months(E, R[k].day) * R[k].perMonth / 100;
    return P + Q;
}

double RateTables::InflationFactor(qint64 fromDate, qint64 toDate) const
{
    if (inflation_.empty() || toDate < inflation_.front().day || toDate <= fromDate)
        return 1;
    auto it = std::lower_bound(inflation_.begin(), inflation_.end(), fromDate,
                               [](const InflationRate& r, qint64 day) { return r.day < day; });
    double r = 1;
    for (; it != inflation_.end() && it->day < toDate; ++it)
        r = (it->value / 100 + 1) * r;
    return r;
}

}  // namespace velmar
