// Building the program's context.
#include "app/app_context.h"

#include "app/rate_tables.h"
#include "store/action_log.h"
#include "store/folders.h"
#include "store/id_counters.h"
#include "store/settings.h"
#include "store/sql/database.h"
#include "store/store_error.h"

#include <QDir>

namespace velmar {

namespace {

QString createdLocalDataFolder()
{
    const QString data = localDataFolder();
    if (!QDir().mkpath(data))
        throw StoreError(QStringLiteral("Nu pot crea folderul de date %1").arg(QDir::toNativeSeparators(data)));
    return data;
}

}  // namespace

std::unique_ptr<AppContext> AppContext::openLocal()
{
    const QString data = createdLocalDataFolder();
    return std::make_unique<AppContext>(velmar::programFolder(), velmar::systemFolder(), data, WorkingMode::Local);
}

std::unique_ptr<AppContext> AppContext::openNetwork(const QString& serverFolder)
{
    createdLocalDataFolder();
    return std::make_unique<AppContext>(velmar::programFolder(), velmar::systemFolder(), serverFolder,
                                        WorkingMode::Network);
}

AppContext::AppContext(QString programFolder, QString systemFolder, QString dataFolder, WorkingMode mode)
    : programFolder_(std::move(programFolder)),
      systemFolder_(std::move(systemFolder)),
      dataFolder_(std::move(dataFolder)),
      mode_(mode),
      settings_(std::make_unique<Settings>(dataFolder_, systemFolder_)),
      db_(std::make_unique<Database>(dataFolder_)),
      ids_(std::make_unique<IdCounters>(*settings_, *db_)),
      rates_(std::make_unique<RateTables>()),
      userText_(logUserText())
{}

AppContext::~AppContext() = default;

UnitIdentity AppContext::unitIdentity() const
{
    return shownIdentity_ ? *shownIdentity_ : StoredUnitIdentity(*settings_);
}

}  // namespace velmar
