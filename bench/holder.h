// A made-up contract holder: a person with a CNP or a company with a fiscal code, and where it lives.
#pragma once

#include "bench/random.h"

#include <string>

namespace velmar::bench {

struct Holder {
    std::string name;     // "Surname First" for a person, "SC ... SRL" for a company (UTF-8)
    std::string taxRoll;  // ROL
    std::string code;     // CNP of a person, fiscal code of a company; now and then empty
    std::string address;
    std::string locality;
    std::string county;
};

Holder makeHolder(Random& random);

}  // namespace velmar::bench
