// A data folder with the seven tables and the seed rate rows, for the debt tests.
#pragma once

#include "debt/rate_tables.h"
#include "shell/app_context.h"
#include "shell/progress_counter.h"
#include "store/sql/database.h"
#include "support/temp_folder.h"

#include <memory>

namespace velmar::test {

class DebtFixture {
public:
    DebtFixture();
    ~DebtFixture();
    AppContext& app() { return *app_; }
    Database& db() { return app_->db(); }
    QString home() const { return home_.path(); }
    // One contract's installments: (due date dd.MM.yyyy, RATAINI); IDRATA continue from the last one.
    void addInstallments(qint64 idcon, const std::vector<std::pair<const char*, qint64>>& installments);
    std::vector<qint64> indexedAmounts(qint64 idcon);  // RATACALC by due date

    SilentProgressCounter counter;

private:
    TempFolder home_;
    std::unique_ptr<AppContext> app_;
    qint64 nextRate_ = 1;
};

}  // namespace velmar::test
