// The in-memory copies of the two rate tables that the penalty and indexation computations read,
// one per running program, loaded right before each batch of computations.
#pragma once

#include <QtGlobal>
#include <vector>

namespace velmar {

class Database;

// One row of PenalIst (as the seed lists, the edits and the computation take it).
struct PenaltyRate {
    double day;       // first day the rates apply
    double perDay;    // PEZI, percent per day of delay
    double perMonth;  // PELUNA, percent per calendar month
};

// One row of Inflatie.
struct InflationRate {
    qint64 day;    // the day the yearly rate takes effect
    double value;  // VALOARE, percent
};

class RateTables {
public:
    // PenalIst ordered by DATASTAB; row 0 is (0, 0, 0), so the time before the first rate costs nothing.
    void LoadPenaltyRates(Database& db);
    // Inflatie's DATASTAB and VALOARE ordered by DATASTAB.
    void LoadInflationRates(Database& db);

    const std::vector<PenaltyRate>& penaltyRates() const { return penalty_; }  // rows 1..N after row 0
    const std::vector<InflationRate>& inflationRates() const { return inflation_; }
    void setPenaltyRates(std::vector<PenaltyRate> datedRows);  // without row 0, ascending
    void setInflationRates(std::vector<InflationRate> rows);   // ascending

    // The penalty owed for the delay from startDate to calcDate (never past stopDate unless that is
    // 99999), as a fraction of the amount: per-day rates over days plus per-month rates over month steps.
    double ComputePenalty(double calcDate, double startDate, double stopDate) const;
    // The product of (1 + VALOARE / 100) over the inflation rows dated fromDate <= day < toDate; 1 when none.
    double InflationFactor(qint64 fromDate, qint64 toDate) const;

private:
    std::vector<PenaltyRate> penalty_{{0, 0, 0}};
    std::vector<InflationRate> inflation_;
};

}  // namespace velmar
