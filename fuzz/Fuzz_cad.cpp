// Any bytes as the silencer data file KL385216.CAD: the data are whole or
// refused. A refused file leaves the parsed data as they were and says why
// with its line; an accepted one holds both tables, every row complete and in
// range, and what the silencer model computes from it is finite. The bytes
// are parsed in memory: nothing touches the disk.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/DrunVar.h"
#include "models/Tlumic.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    const std::string_view bajty(reinterpret_cast<const char*>(data), size);
    const std::string soubor = "/data/KL385216.CAD";
    // Silencers that a valid file answers: a row in each section, an
    // interpolated and an extrapolated passage, a flow noise row and none.
    struct Vstup {
        double a, b;
        int delka;
        double prutok, sirka;
        int pocet;
    };
    static const Vstup vstupy[] = {{400, 500, 1, 2000, 200, 1},
                                   {800, 500, 2, 5000, 200, 2},
                                   {1100, 600, 3, 9000, 200, 2},
                                   {300, 300, 1, 10, 100, 2},
                                   {600, 1000, 1, 50000, 300, 1}};
    // Parsed once, as a remedy search does; each silencer computed from it.
    DataTlumice d;
    d.Hluky.push_back({1});
    const VysledekSouboru v = CtiDataTlumice(bajty, soubor, d);
    if (!v.Ok()) {
        if (v.Kod != KodVysledku::DataTlumice || d.Hluky.size() != 1 || !d.Utlumy.empty() ||
            !v.Zprava.starts_with("Chyba při čtení souboru dat tlumičů " + soubor + ", řádek "))
            std::abort();
        return 0;
    }
    if (d.Utlumy.empty() || d.Hluky.empty()) std::abort();
    for (const auto* tabulka : {&d.Utlumy, &d.Hluky})
        for (const auto& r : *tabulka) {
            const std::size_t klicu = tabulka == &d.Utlumy ? 3 : 1;
            if (r.size() != klicu + PocetPasem) std::abort();
            for (std::size_t i = 0; i < r.size(); ++i)
                if (!std::isfinite(r[i]) || (i < klicu ? !(r[i] >= 1) || r[i] != std::floor(r[i])
                                                       : r[i] < UrovenMin || r[i] > UrovenMax))
                    std::abort();
        }
    for (const Vstup& x : vstupy) {
        DrunVar var;
        var.cesta.VlozElement();
        ZapisTlumic(var, {x.a, x.b, x.delka, x.prutok, x.sirka, x.pocet});
        if (!VypocetTlumice(var, d).Ok()) continue;
        const TElementSite& e = var.cesta.Aktualni();
        for (int i = 0; i <= LA; ++i)
            if (!std::isfinite(e.Utlum[i]) || !std::isfinite(e.VlastniDrun[i])) std::abort();
    }
    return 0;
}
