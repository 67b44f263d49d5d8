// A small data folder for the SQL tests: the seven tables, two contracts with their installments and
// a few payments.
#pragma once

#include "store/sql/database.h"
#include "support/temp_folder.h"

#include <memory>

namespace velmar::test {

class StoreFixture {
public:
    StoreFixture();
    Database& db() { return *db_; }
    QString folder() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.file(name); }
    // Every file of the folder but the lock file, by name.
    std::map<QString, QByteArray> snapshot() const;

private:
    TempFolder dir_;
    std::unique_ptr<Database> db_;
};

}  // namespace velmar::test
