// Transaction scopes over Database.
#include "store/sql/transaction.h"

#include "store/sql/database.h"

namespace velmar {

Transaction::Transaction(Database& db) : db_(db) { db_.beginTransaction(); }

Transaction::~Transaction()
{
    if (open_)
        db_.rollbackTransaction();
}

void Transaction::commit()
{
    open_ = false;
    db_.commitTransaction();
}

}  // namespace velmar
