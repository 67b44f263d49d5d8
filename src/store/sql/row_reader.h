// Reading the rows of a selection into a struct by column name. The names are looked up once, when the
// reader is made for a selection, so reading a row costs no more than reading by position.
#pragma once

#include "store/sql/database.h"

#include <initializer_list>
#include <variant>
#include <vector>

namespace velmar {

template <typename Row>
class RowReader {
public:
    using Member = std::variant<qint64 Row::*, double Row::*, QString Row::*>;
    struct Column {
        QStringView name;
        Member member;
    };

    // Throws StoreError when the selection lacks one of the columns.
    RowReader(const QueryResult& result, std::initializer_list<Column> columns)
    {
        slots_.reserve(columns.size());
        for (const Column& c : columns)
            slots_.push_back({result.column(c.name), c.member});
    }

    // Members without a column keep their default values.
    Row read(const QVariantList& values) const
    {
        Row row{};
        for (const Slot& s : slots_)
            std::visit([&](auto member) { assign(row.*member, values[s.index]); }, s.member);
        return row;
    }

private:
    struct Slot {
        int index;
        Member member;
    };

    static void assign(qint64& to, const QVariant& v) { to = v.toLongLong(); }  // a blank number is null: 0
    static void assign(double& to, const QVariant& v) { to = v.toDouble(); }
    static void assign(QString& to, const QVariant& v) { to = v.toString(); }

    std::vector<Slot> slots_;
};

}  // namespace velmar
