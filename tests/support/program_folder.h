// A program folder of the test's own, with VELMAR_HOME and VELMAR_SYSTEM_DIR (and VELMAR_TODAY when given)
// pointing into it, and the program opened on it as after a first start: the tables made, the rates seeded.
#pragma once

#include "app/app_context.h"
#include "support/temp_folder.h"

#include <memory>

namespace velmar::test {

class ProgramFolder {
public:
    explicit ProgramFolder(const QString& today = {});
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    AppContext& app() { return *app_; }
    QString home() const { return home_.path(); }
    QString file(const QString& name) const { return home_.file(name); }

private:
    TempFolder home_;
    std::unique_ptr<AppContext> app_;
};

}  // namespace velmar::test
