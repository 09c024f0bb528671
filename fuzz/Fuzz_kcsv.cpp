// Any bytes as a catalogue CSV import: never a crash; a refused file yields no
// entries; the lines taken in order; the catalogue they make keeps its
// invariants and exports, imports and exports again to the same bytes.
#include <cstdint>
#include <string>

#include "Katalog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    const CsvKatalogu v =
        KatalogZCsv(std::string(reinterpret_cast<const char*>(data), size), MinFuzz, MaxFuzz);
    if (!v.Ok && (!v.Polozky.empty() || !v.Chyby.empty() || v.Zprava.empty())) std::abort();
    int radek = 1;
    for (const RadekKatalogu& r : v.Polozky) {
        if (r.CisloRadku <= radek || r.Druh < 0 || r.Druh >= PocetDruhuKatalogu) std::abort();
        radek = r.CisloRadku;
    }
    SeznamKatalogu k;
    std::vector<ChybnyRadek> chyby;
    PridejDoKatalogu(k, v.Polozky, chyby, {});
    OverKatalog(k);
    const std::string csv = KatalogDoCsv(k);
    const CsvKatalogu w = KatalogZCsv(csv, MinFuzz, MaxFuzz);
    SeznamKatalogu znovu;
    if (!(k[0].empty() && k[1].empty()) && (!w.Ok || !w.Chyby.empty())) std::abort();
    PridejDoKatalogu(znovu, w.Polozky, chyby, {});
    if (znovu != k || KatalogDoCsv(znovu) != csv) std::abort();
    return 0;
}
