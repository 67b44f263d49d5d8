// A program folder for the calculation-sheet tests: contracts, installments and payments written row by
// row, on rates of the test's choosing.
#pragma once

#include "app/progress_counter.h"
#include "debt/calculation_sheet.h"
#include "support/program_folder.h"

#include <QString>

namespace velmar::test {

qint64 dayOf(const QString& text);  // dd.MM.yyyy -> day number

class SheetFixture {
public:
    SheetFixture();

    AppContext& app() { return folder_.app(); }
    Database& db() { return folder_.app().db(); }
    QString home() const { return folder_.home(); }

    // Empties both rate tables; the tests that want rates add them.
    void clearRates();
    void penaltyRate(const char* date, double perDay, double perMonth);
    void inflationRate(const char* date, double value);
    // A contract of `nrrate` yearly installments, penalties from `datapen1`; returns its IDCON.
    qint64 contract(const char* datapen1, qint64 nrrate, const char* stopPen = nullptr);
    // Installment `nrrata` of the contract, imposed on `datarata`, bearing penalties from `datapen`; its IDRATA.
    qint64 installment(qint64 idcon, qint64 nrrata, const char* datarata, const char* datapen, qint64 ratacalc);
    // One Chitante row: the part of receipt `idchit` that went to installment `idrata`.
    void payment(qint64 idcon, qint64 idchit, qint64 idrata, qint64 nrchit, const char* date, qint64 suma, qint64 penal,
                 const QString& docjus = QStringLiteral("Chitanta"));

    CalculationSheet sheet(qint64 idcon, const char* today);
    QString sheetCsv(qint64 idcon, const char* today);  // without the header line

    SilentProgressCounter counter;

private:
    ProgramFolder folder_;
    qint64 nextIdcon_ = 1;
    qint64 nextIdrata_ = 1;
    qint64 nextRateId_ = 100;
};

}  // namespace velmar::test
