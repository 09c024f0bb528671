#include "tools/Soucet.h"

#include <cmath>

#include "core/Matemat.h"

namespace drun {

Spectrum SoucetSpekter(const std::vector<Spectrum>& spektra) {
    return CastecnySoucet(spektra).Soucet();
}

namespace {

// Energies in units of 2^-Rad of the reference's: a level 290 dB below it
// still counts. No level lies above the reference, so each term is at most
// 2^Rad and 2^(128-Rad) - 1 terms fit into 128 bits (2^(128-Rad) of them at
// the reference would wrap to 0).
constexpr int Rad = 96;
constexpr unsigned long long NejvicHladin = (1ull << (128 - Rad)) - 1;

// At or above the largest level, on a 10 dB grid: a new largest level that
// stays below the grid line keeps the reference and the others' energies.
double Reference(double max) {
    const double r = 10 * std::ceil(max / 10);
    return std::isfinite(r) && r >= max ? r : max;
}

} // namespace

// A level's energy against the reference, in whole units.
CastecnySoucet::Energie CastecnySoucet::Kvantum(double hladina, double reference) {
    return static_cast<Energie>(std::ldexp(Mocnina10(0.1 * (hladina - reference)), Rad));
}

CastecnySoucet::CastecnySoucet(const std::vector<Spectrum>& spektra) {
    for (int i = 0; i < PocetPasem; ++i) {
        Pasmo& p = pasma_[static_cast<size_t>(i)];
        for (const Spectrum& x : spektra) {
            if (x[i] == 0.0) continue;
            p.max = p.hladiny.empty() ? x[i] : std::max(p.max, x[i]);
            p.konecne = p.konecne && std::isfinite(x[i]);
            p.hladiny.push_back(x[i]);
        }
    }
}

CastecnySoucet::Energie CastecnySoucet::Pasmo::EnergieVuci(double reference) const {
    for (const auto& [r, e] : energie)
        if (r == reference) return e;
    Energie e = 0;
    for (double l : hladiny)
        e += Kvantum(l, reference);
    // A few references serve a level moving up and down across a grid line.
    if (energie.size() == 4) energie.erase(energie.begin());
    energie.emplace_back(reference, e);
    return e;
}

double CastecnySoucet::Pasmo::Soucet(double dalsi) const {
    const bool sDalsi = dalsi != 0.0;
    const size_t n = hladiny.size() + (sDalsi ? 1 : 0);
    // Not a number or infinite, or beyond what the fixed point holds (never
    // met: 32 GB of levels in one band): as any sum of levels makes it.
    if (!konecne || !std::isfinite(dalsi) || n > NejvicHladin) {
        std::vector<double> v = hladiny;
        if (sDalsi) v.push_back(dalsi);
        return SoucetHladin(v);
    }
    if (n == 0) return 0;
    // One level alone is its own sum, exactly.
    if (n == 1) return sDalsi ? dalsi : hladiny.front();
    const double reference = Reference(sDalsi ? std::max(max, dalsi) : max);
    Energie e = EnergieVuci(reference);
    if (sDalsi) e += Kvantum(dalsi, reference);
    return reference + 10 * Log10(std::ldexp(static_cast<double>(e), -Rad));
}

Spectrum CastecnySoucet::Soucet(const Spectrum* dalsi) const {
    Spectrum s{};
    for (int i = 0; i < PocetPasem; ++i)
        s[i] = pasma_[static_cast<size_t>(i)].Soucet(dalsi ? (*dalsi)[i] : 0.0);
    SpoctiLA(s);
    return s;
}

VysledekSouctu SectiCesty(const std::vector<Spectrum>& konce, const Spectrum& pozadavek) {
    return VyhodnotSoucet(SoucetSpekter(konce), pozadavek);
}

VysledekSouctu VyhodnotSoucet(const Spectrum& soucet, const Spectrum& pozadavek) {
    VysledekSouctu v;
    v.Soucet = soucet;
    v.Pozadavek = pozadavek;
    for (int k = 0; k <= LA; ++k)
        v.Rozdil[k] = v.Soucet[k] - v.Pozadavek[k];
    v.NR = SpoctiNR(v.Soucet);
    v.NC = SpoctiNC(v.Soucet);
    v.RC = SpoctiRC(v.Soucet);
    return v;
}

} // namespace drun
