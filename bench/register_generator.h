// The rows of a large, realistic register, the same rows for the same seed.
#pragma once

#include "store/dbf/dbf_value.h"
#include "store/table_schema.h"

#include <QDate>
#include <cstdint>
#include <functional>
#include <vector>

namespace velmar::bench {

struct RegisterSize {
    int contracts = 20000;
    int installmentsPerContract = 10;
    int payments = 100000;
    std::uint64_t seed = 1;
};

// The day the register describes: installments due by then may have been paid.
QDate registerDate();

using RowSink = std::function<void(const TableDef& table, std::vector<Cell> row)>;

// Contracts signed 2000-2020 with yearly installments and payments, handed to the sink, which decides
// where they land. Per contract, in the order they were signed: its Contract row, its Rate rows, its Chitante rows.
// Identifiers run 1..n in each table; every payment row is a payment of its own.
void generateRegister(const RegisterSize& size, const RowSink& sink);

}  // namespace velmar::bench
