#include "tools/NR.h"

#include <cmath>
#include <utility>

#include "core/Cisla.h"

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

namespace {

// The largest per-band rating (rounded up to a tenth) and its band, the lowest
// of bands that decide equally; bands whose rating is not finite do not count.
template <class F> std::pair<double, int> NejvyssiPasmo(const Spectrum& s, F hodnoceniPasma) {
    double nej = 0;
    int pasmo = -1;
    for (int i = 0; i < PocetPasem; ++i) {
        const auto k = static_cast<size_t>(i);
        const double n = hodnoceniPasma(k, s[k]);
        if (!std::isfinite(n)) continue;
        if (pasmo < 0 || n > nej + Sum * std::fmax(1.0, std::fabs(nej))) {
            nej = n;
            pasmo = i;
        }
    }
    if (pasmo < 0) return {0.0, 0};
    return {NahoruNaDesetiny(nej), pasmo};
}

} // namespace

HodnoceniNR SpoctiNR(const Spectrum& s) {
    const auto [n, pasmo] =
        NejvyssiPasmo(s, [](size_t k, double l) { return (l - NRKoefA[k]) / NRKoefB[k]; });
    return {n, pasmo};
}

Spectrum NKrivka(double n) {
    Spectrum s{};
    for (size_t i = 0; i < PocetPasem; ++i)
        s[i] = NRKoefA[i] + NRKoefB[i] * n;
    SpoctiLA(s);
    return s;
}

namespace {

// The NC at which band k's curve passes through level l: the segment between
// two neighbouring curves that holds l, the outermost one outside the table.
double NCPasma(size_t k, double l) {
    size_t j = 0; // segment between curves j and j + 1
    while (j + 2 < PocetNCKrivek && l > NCKrivky[j + 1][k])
        ++j;
    const double a = NCKrivky[j][k], b = NCKrivky[j + 1][k];
    return CisloNCKrivky(static_cast<int>(j)) + NCKrok * (l - a) / (b - a);
}

} // namespace

HodnoceniNC SpoctiNC(const Spectrum& s) {
    const auto [nc, pasmo] = NejvyssiPasmo(s, NCPasma);
    return {nc, pasmo};
}

Spectrum NCKrivka(double nc) {
    Spectrum s{};
    const double x = (nc - NCMin) / NCKrok;
    // segment j .. j + 1 holds nc; outside the table the outermost one
    const double j = std::fmin(std::fmax(std::floor(x), 0.0), PocetNCKrivek - 2.0);
    const auto ij = static_cast<size_t>(j);
    for (size_t k = 0; k < PocetPasem; ++k)
        s[k] = NCKrivky[ij][k] + (x - j) * (NCKrivky[ij + 1][k] - NCKrivky[ij][k]);
    SpoctiLA(s);
    return s;
}

std::string TextNC(const HodnoceniNC& h) {
    if (h.NC < NCMin) return "<" + std::to_string(NCMin);
    if (h.NC > NCMax) return ">" + std::to_string(NCMax);
    return FormatHodnota(h.NC);
}

std::string PopisNC(const HodnoceniNC& h) {
    if (h.NC < NCMin) return "NC < " + std::to_string(NCMin);
    if (h.NC > NCMax) return "NC > " + std::to_string(NCMax);
    return "NC " + FormatHodnota(h.NC);
}

namespace {

constexpr size_t RC500 = 3, RC1k = 4, RC2k = 5;

// The reference curve's level in band k: 5 dB per octave, through RC at 1 kHz.
double RCUroven(double rc, size_t k) {
    return rc + 5.0 * (static_cast<double>(RC1k) - static_cast<double>(k));
}

} // namespace

HodnoceniRC SpoctiRC(const Spectrum& s) {
    HodnoceniRC h;
    const double prumer = (s[RC500] + s[RC1k] + s[RC2k]) / 3;
    // a mean that is a half up to the arithmetic's error still goes upwards
    h.RC = std::floor(prumer + 0.5 + Sum * std::fmax(1.0, std::fabs(prumer))) + 0.0;
    bool huceni = false, syceni = false, prvni = true;
    for (size_t k = 0; k < PocetPasem; ++k) {
        const double nad = s[k] - RCUroven(h.RC, k);
        if (!std::isfinite(nad)) continue;
        if (prvni || nad > h.Prebytek + Sum * std::fmax(1.0, std::fabs(h.Prebytek))) {
            h.Prebytek = nad;
            h.Pasmo = static_cast<int>(k);
            prvni = false;
        }
        const double mez = k <= RC500 ? 5.0 : 3.0;
        if (nad <= mez + Sum * std::fmax(1.0, std::fabs(s[k]))) continue;
        (k <= RC500 ? huceni : syceni) = true;
    }
    h.Znacka = huceni ? 'R' : syceni ? 'H' : 'N';
    return h;
}

Spectrum RCKrivka(double rc) {
    Spectrum s{};
    for (size_t k = 0; k < PocetPasem; ++k)
        s[k] = RCUroven(rc, k);
    SpoctiLA(s);
    return s;
}

std::string TextRC(const HodnoceniRC& h) {
    if (!std::isfinite(h.RC)) return "-";
    return FormatPevne(h.RC, 0) + " " + h.Znacka;
}

std::string PopisRC(const HodnoceniRC& h) {
    if (!std::isfinite(h.RC)) return "RC -";
    return "RC " + FormatPevne(h.RC, 0) + " (" + h.Znacka + ")";
}

} // namespace drun
