// Any bytes as the catalogue file: never a crash; a refused file yields no
// entries; the entries read keep the catalogue's invariants and write, read
// back and write again to the same bytes.
#include <cstdint>
#include <string_view>

#include "Katalog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    const JsonKatalogu v =
        KatalogZJson(std::string_view(reinterpret_cast<const char*>(data), size), MinFuzz, MaxFuzz);
    if (!v.Chyba.empty() && (!v.Polozky[0].empty() || !v.Polozky[1].empty())) std::abort();
    OverKatalog(v.Polozky);
    const std::string json = KatalogDoJson(v.Polozky);
    const JsonKatalogu w = KatalogZJson(json, MinFuzz, MaxFuzz);
    if (!w.Chyba.empty() || !w.Vynechane.empty() || w.Polozky != v.Polozky) std::abort();
    if (KatalogDoJson(w.Polozky) != json) std::abort();
    return 0;
}
