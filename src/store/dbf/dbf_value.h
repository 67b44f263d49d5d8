// Values of dBase fields: the in-memory form, turning field bytes into values and back, and the
// checks a value passes before it may be stored (rounding, width, cutting texts to the column).
#pragma once

#include "store/codepage.h"
#include "store/dbf/dbf_field.h"

#include <cstdint>
#include <string>
#include <variant>

namespace velmar {

// null; a number of an N field without decimals; a number with decimals; a text (UTF-8) or a date
// ("YYYY-MM-DD") of a C or D field.
using Cell = std::variant<std::monostate, std::int64_t, double, std::string>;

Cell decodeField(const DbfField& field, const char* bytes, CodePage codePage);
// Writes exactly field.length bytes; the cell must be one that normalizeForField returned.
void encodeField(const DbfField& field, const Cell& cell, CodePage codePage, char* out);

// What the field will hold when `value` is stored into it: numbers rounded half away from zero to the
// field's decimals, texts cut to its width, dates checked. A number too wide for the field, a text that is
// not a number for an N field, or an impossible date throws StoreError naming the table and the column.
Cell normalizeForField(const DbfField& field, const Cell& value, CodePage codePage, const QString& tableName);

}  // namespace velmar
