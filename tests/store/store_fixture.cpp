// The SQL tests' data folder.
#include "store_fixture.h"

#include "store/table_schema.h"

#include <QDir>

namespace velmar::test {

StoreFixture::StoreFixture() : db_(std::make_unique<Database>(dir_.path()))
{
    for (const TableDef& def : permanentTables())
        db_->createTable(def.name, def.fields);
    auto& db = *db_;
    const QString contract = QStringLiteral("INSERT INTO Contract (IDCON, NRCON, DATACON, NRRATE, ACTIV, NUME, JUD, "
                                            "RATA, StopPen) VALUES (?, ?, ?, ?, 'DA', ?, ?, ?, 99999)");
    db.execute(contract, {1, 10, 38000, 3, QStringLiteral("Ionescu Ştefan"), QStringLiteral("Iaşi"), 1000});
    db.execute(contract, {2, 11, 38100, 2, QStringLiteral("Ana Ţurcanu"), QStringLiteral("Vaslui"), 500});
    const QString rate = QStringLiteral(
        "INSERT INTO Rate (IDCON, IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, RATAINI, RATACALC, ACHITAT, PENALREST) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0)");
    db.execute(rate, {1, 1, 1, 38100, 38130, 38130, 1000, 1000, 1000});
    db.execute(rate, {1, 2, 2, 38465, 38495, 38495, 1000, 1100, 300});
    db.execute(rate, {1, 3, 3, 38830, 38860, 38860, 1000, 1210, 0});
    db.execute(rate, {2, 4, 1, 38200, 38230, 38230, 500, 500, 100});
    db.execute(rate, {2, 5, 2, 38565, 38595, 38595, 500, 550, 0});
    const QString pay = QStringLiteral("INSERT INTO Chitante (IDCHIT, IDCON, IDRATA, DOCJUS, DATACHIT, NRCHIT, SUMA, "
                                       "PENAL) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    db.execute(pay, {1, 1, 1, QStringLiteral("Chitanta"), 38140, 57, 1000, 12});
    db.execute(pay, {1, 1, 2, QStringLiteral("Chitanta"), 38140, 57, 300, 0});
    db.execute(pay, {2, 2, 4, QStringLiteral("Ordin de plata"), 38240, 3, 100, 4});
}

std::map<QString, QByteArray> StoreFixture::snapshot() const
{
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder()).entryList(QDir::Files))
        if (name != u"Velmar.lck")
            files[name] = readBytes(file(name));
    return files;
}

}  // namespace velmar::test
