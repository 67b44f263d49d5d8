// The identity of the administrative-territorial unit that keeps the register (locality type, county, name),
// printed on receipts and proposed as a new contract's county.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar {

class Settings;

struct UnitIdentity {
    int tipLoc = 0;  // index into localityTypes()
    int judet = 0;   // index into counties()
    QString comuna;

    QString county() const;  // the county's name
    bool operator==(const UnitIdentity&) const = default;
};

// "COMUNA", "ORASUL", "MUNICIPIUL": TIPLOC holds the index.
const QStringList& localityTypes();

// TIPLOC, JUDET and COMUNA of section CONST, the indexes by the whole part of their numbers; a missing
// key, or an index outside its list, reads as the list's first item.
UnitIdentity StoredUnitIdentity(const Settings& settings);

}  // namespace velmar
