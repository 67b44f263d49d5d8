// The tests' program folder.
#include "support/program_folder.h"

#include "session/local_maintenance.h"

namespace velmar::test {

ProgramFolder::ProgramFolder(const QString& today)
{
    qputenv("VELMAR_HOME", home_.path().toUtf8());
    qputenv("VELMAR_SYSTEM_DIR", home_.file("sys").toUtf8());
    if (!today.isEmpty())
        qputenv("VELMAR_TODAY", today.toUtf8());
    app_ = AppContext::openLocal();
    RunLocalMaintenance(*app_, [] {});
}

ProgramFolder::~ProgramFolder()
{
    app_.reset();
    qunsetenv("VELMAR_HOME");
    qunsetenv("VELMAR_SYSTEM_DIR");
    qunsetenv("VELMAR_TODAY");
}

}  // namespace velmar::test
