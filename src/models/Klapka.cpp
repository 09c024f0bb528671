#include "models/Klapka.h"

#include <cmath>

#include "core/Matemat.h"

namespace drun {

namespace {

constexpr double Stopa = 0.3048;       // m
constexpr double HustotaVzduchu = 1.2; // kg/m3
constexpr double MaxStrouhalMalych = 25;

struct Proudeni {
    double s, d; // cross-section m2, the side across the blades m
    double u, c; // approach velocity m/s, pressure-loss coefficient
};

Proudeni ProudeniKlapkou(const VstupyKlapky& v) {
    const double a = NaMetry(v.A, KlapRozmerMin, KlapRozmerMax);
    const double b = NaMetry(v.B, KlapRozmerMin, KlapRozmerMax);
    const double s = a * b;
    const double u = DoMezi(v.Prutok, KlapPrutokMin, KlapPrutokMax) / 3600 / s;
    const double dp = DoMezi(v.Tlak, KlapTlakMin, KlapTlakMax);
    return {s, b, u, dp / (0.5 * HustotaVzduchu * u * u)};
}

// The open fraction of the cross-section (blockage factor).
double Blokace(const Proudeni& p, int listy) {
    if (listy == KlapJedenList && p.c > 4) return 0.68 * std::pow(p.c, -0.15) - 0.22;
    // (sqrt C - 1)/(C - 1) written without the cancellation near C = 1.
    return 1 / (std::sqrt(p.c) + 1);
}

} // namespace

std::string ChybaKlapky(const VstupyKlapky& v) {
    const Proudeni p = ProudeniKlapkou(v);
    if (!(p.c > 1)) return "Tlaková ztráta je pro tento průtok příliš malá.";
    if (!(Blokace(p, v.Listy) > 0)) return "Tlaková ztráta je pro tento průtok příliš velká.";
    return {};
}

bool SpektraKlapky(const VstupyKlapky& v, Spectrum& utlum, Spectrum& drun) {
    if (!ChybaKlapky(v).empty()) return false;
    const Proudeni p = ProudeniKlapkou(v);
    const double uc = p.u / Blokace(p, v.Listy); // in the gaps between the blades
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

} // namespace drun
