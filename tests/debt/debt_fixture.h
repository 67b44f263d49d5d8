// A data folder with the seven tables and the seed rate rows, for the debt tests.
#pragma once

#include "app/app_context.h"
#include "app/progress_counter.h"
#include "app/rate_tables.h"
#include "store/sql/database.h"
#include "support/program_folder.h"

#include <memory>

namespace velmar::test {

class DebtFixture {
public:
    AppContext& app() { return folder_.app(); }
    Database& db() { return folder_.app().db(); }
    QString home() const { return folder_.home(); }
    // One contract's installments: (due date dd.MM.yyyy, RATAINI); IDRATA continue from the last one.
    void addInstallments(qint64 idcon, const std::vector<std::pair<const char*, qint64>>& installments);
    std::vector<qint64> indexedAmounts(qint64 idcon);  // RATACALC by due date

    SilentProgressCounter counter;

private:
    ProgramFolder folder_;
    qint64 nextRate_ = 1;
};

}  // namespace velmar::test
