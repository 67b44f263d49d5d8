// One column of a dBase table: name, type letter (C, N, D), width and decimals.
#pragma once

#include <QString>

namespace velmar {

struct DbfField {
    QString name;  // as the program spells it; stored upper-case in the file
    char type = 'C';
    int length = 0;
    int decimals = 0;

    bool operator==(const DbfField& other) const
    {
        return name.compare(other.name, Qt::CaseInsensitive) == 0 && type == other.type && length == other.length &&
            decimals == other.decimals;
    }
};

}  // namespace velmar
