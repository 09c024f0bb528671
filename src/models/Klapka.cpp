#include "models/Klapka.h"

#include <cmath>

#include "core/Matemat.h"

namespace drun {

namespace {

constexpr double Stopa = 0.3048; // m
constexpr double MaxStrouhalMalych = 25;

} // namespace

bool SpektraKlapky(const VstupyKlapky& v, Spectrum& utlum, Spectrum& drun) {
    if (!ChybaKlapky(v).empty()) return false;
    const ProudeniKlapky p = ProudeniKlapkou(v);
    const double uc = p.u / BlokaceKlapky(p, v.Listy); // in the gaps between the blades
    const double zaklad =
        50 * Log10(uc / Stopa) + 10 * Log10(p.s / (Stopa * Stopa)) + 10 * Log10(p.d / Stopa);
    for (int i = 0; i < PocetPasem; ++i) {
        const double f = StredniKmitocty[static_cast<size_t>(i)];
        const double st = f * p.d / uc;
        const double k =
            st <= MaxStrouhalMalych ? -36.3 - 10.7 * Log10(st) : -1.1 - 35.9 * Log10(st);
        const double x = k + 10 * Log10(f / 63) + zaklad;
        drun[i] = x < 0 ? 0 : x;
    }
    SpoctiLA(drun);
    NaplnSpektrum(utlum, 0);
    return true;
}

std::string PopisKlapky(const std::string& a, const std::string& b, int listy,
                        const std::string& prutok, const std::string& tlak) {
    return a + "x" + b + "mm, " + (listy == KlapJedenList ? "jednolistá" : "vícelistá") +
           ", průtok " + prutok + "m3/hod, tlaková ztráta " + tlak + "Pa";
}

bool VypocetKlapky(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    return SpektraKlapky(e.Vstup<VstupyKlapky>(), e.Utlum, e.VlastniDrun);
}

} // namespace drun
