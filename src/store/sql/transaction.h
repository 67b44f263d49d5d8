// One user command's changes, all landing together or not at all (RAII): the scope holds the data
// folder exclusively; commit() writes every changed table under the journal; leaving the scope without
// commit() - an error, an early return - leaves every file as it was. Scopes nest into the outermost one.
#pragma once

namespace velmar {

class Database;

class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& db_;
    bool open_ = true;
};

}  // namespace velmar
