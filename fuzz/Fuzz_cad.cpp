// Any bytes as the silencer data file KL385216.CAD: the silencer model reads
// it afresh on every computation, so it must never crash on it, and what it
// computes from it must be finite. The bytes are parsed in memory: nothing
// touches the disk.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/DrunVar.h"
#include "models/Tlumic.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    const std::string_view bajty(reinterpret_cast<const char*>(data), size);
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
    const DataTlumice d = CtiDataTlumice(bajty);
    for (const Vstup& v : vstupy) {
        DrunVar var;
        var.cesta.VlozElement();
        ZapisTlumic(var, {v.a, v.b, v.delka, v.prutok, v.sirka, v.pocet});
        if (!VypocetTlumice(var, d).Ok()) continue;
        const TElementSite& e = var.cesta.Aktualni();
        for (int i = 0; i <= LA; ++i)
            if (!std::isfinite(e.Utlum[i]) || !std::isfinite(e.VlastniDrun[i])) std::abort();
    }
    return 0;
}
