// The unit's identity as VLMR.set stores it.
#include "app/unit_identity.h"

#include "store/counties.h"
#include "store/settings.h"

namespace velmar {

namespace {

int storedIndex(const Settings& settings, const QString& key, qsizetype listSize)
{
    const qint64 index = settings.ReadNumberSetting(QStringLiteral("CONST"), key) / 10000;
    return index >= 0 && index < listSize ? int(index) : 0;
}

}  // namespace

QString UnitIdentity::county() const { return countyName(judet); }

const QStringList& localityTypes()
{
    static const QStringList list{QStringLiteral("COMUNA"), QStringLiteral("ORASUL"), QStringLiteral("MUNICIPIUL")};
    return list;
}

UnitIdentity StoredUnitIdentity(const Settings& settings)
{
    return {storedIndex(settings, QStringLiteral("TIPLOC"), localityTypes().size()),
            storedIndex(settings, QStringLiteral("JUDET"), counties().size()),
            settings.ReadSetting(QStringLiteral("CONST"), QStringLiteral("COMUNA"))};
}

}  // namespace velmar
