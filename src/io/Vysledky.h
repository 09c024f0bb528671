#pragma once

#include <functional>
#include <string>

#include "core/DrunVar.h"
#include "io/Csv.h"

// The result table as it goes to a spreadsheet: one row per shown spectrum of
// every element, then the result, the requirement and the difference.
namespace drun {

struct RadekVysledku {
    std::string Cislo;   // the element's number; empty in the three closing rows
    std::string Element; // type name, or the closing row's caption
    std::string Popis;
    std::string Radek; // which spectrum of the element
    const Spectrum* Hodnoty = nullptr;
    bool JeRozdil = false; // the difference row, red where above 0
};

// Column captions: Číslo, Element, Popis, Řádek, the eight bands, L(A).
const std::array<const char*, 4 + PocetPasem + 1>& SloupceVysledku();

// Calls `radek` for every row in order, without building the whole table, so
// that a long path costs no memory beyond one row.
void ProchazejVysledky(const DrunVar& var, const std::function<void(const RadekVysledku&)>& radek);

// The table as CSV (io/Csv), levels with one decimal; the file opens with the
// byte-order mark (BomUtf8), then the header and the rows.
std::string HlavickaCsv();
std::string RadekCsv(const RadekVysledku& r);
// The whole file: mark, header and every row.
std::string VysledkyCsv(const DrunVar& var);

} // namespace drun
