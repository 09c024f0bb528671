// Any bytes as the silencer data file KL385216.CAD: the silencer model reads
// it afresh on every computation, so it must never crash on it, and what it
// computes from it must be finite.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/DrunVar.h"
#include "models/KTlumFrm.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    static const std::string soubor = "/tmp/drun-fuzz-cad-" + std::to_string(::getpid());
    if (FILE* f = std::fopen(soubor.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    } else {
        return 0;
    }
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
    for (const Vstup& v : vstupy) {
        DrunVar var;
        var.SouborTlumice = soubor;
        var.cesta.VlozElement();
        ZapisTlumic(var, {v.a, v.b, v.delka, v.prutok, v.sirka, v.pocet});
        if (!VypocetTlumice(var).Ok()) continue;
        const TElementSite& e = var.cesta.Aktualni();
        bool mozne = true; // levels a real silencer can have; a file with 3000 dB overflows L(A)
        for (int i = 0; i < PocetPasem; ++i) {
            if (!std::isfinite(e.Utlum[i]) || !std::isfinite(e.VlastniDrun[i])) std::abort();
            mozne = mozne && std::fabs(e.Utlum[i]) < 1000 && std::fabs(e.VlastniDrun[i]) < 1000;
        }
        if (mozne && (!std::isfinite(e.Utlum[LA]) || !std::isfinite(e.VlastniDrun[LA])))
            std::abort();
    }
    return 0;
}
