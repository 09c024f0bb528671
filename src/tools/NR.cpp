#include "tools/NR.h"

#include <cmath>

namespace drun {

namespace {

// Levels are given to a tenth of a dB; anything closer than this to a tenth is
// the arithmetic's error, not a real excess.
constexpr double Sum = 1e-9;

} // namespace

double NahoruNaDesetiny(double x) {
    const double d = x * 10;
    const double blizke = std::round(d);
    const double r =
        std::fabs(d - blizke) <= Sum * std::fmax(1.0, std::fabs(d)) ? blizke : std::ceil(d);
    return r / 10 + 0.0; // + 0.0 turns -0 into 0
}

HodnoceniNR SpoctiNR(const Spectrum& s) {
    double nej = 0;
    int pasmo = -1;
    for (int i = 0; i < PocetPasem; ++i) {
        const auto k = static_cast<size_t>(i);
        const double n = (s[k] - NRKoefA[k]) / NRKoefB[k];
        if (!std::isfinite(n)) continue;
        if (pasmo < 0 || n > nej + Sum * std::fmax(1.0, std::fabs(nej))) {
            nej = n;
            pasmo = i;
        }
    }
    if (pasmo < 0) return {};
    return {NahoruNaDesetiny(nej), pasmo};
}

Spectrum NKrivka(double n) {
    Spectrum s{};
    for (size_t i = 0; i < PocetPasem; ++i)
        s[i] = NRKoefA[i] + NRKoefB[i] * n;
    SpoctiLA(s);
    return s;
}

} // namespace drun
