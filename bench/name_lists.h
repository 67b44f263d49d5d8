// Romanian names, streets, localities and remarks that generated registers are made of (UTF-8).
#pragma once

#include <span>

namespace velmar::bench {

struct Locality {
    const char* name;
    const char* county;  // as the county list spells it
};

std::span<const char* const> maleFirstNames();
std::span<const char* const> femaleFirstNames();
std::span<const char* const> surnames();
std::span<const char* const> companyStems();   // the middle of "SC ... SRL"
std::span<const char* const> companyTrades();  // what follows it: "Agro", "Prod Com", ...
std::span<const char* const> streets();
std::span<const Locality> localities();
std::span<const char* const> remarks();

}  // namespace velmar::bench
