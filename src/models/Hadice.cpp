#include "models/Hadice.h"

#include <array>

#include "core/Matemat.h"
#include "models/MezUtlumu.h"

namespace drun {

namespace {

constexpr int PasemHadice = 7; // 63 Hz .. 4 kHz; 8 kHz gets no credit
using RadekHadice = std::array<double, PasemHadice>;

// Insertion loss (dB) by diameter (inches) and length 3, 6, 9, 12 ft.
struct PrumerHadice {
    double Palce;
    std::array<RadekHadice, 4> PodleDelky;
};
constexpr std::array<PrumerHadice, 10> TabulkaHadice{{
    {4,
     {{{2, 3, 3, 8, 9, 11, 7},
       {3, 6, 6, 16, 19, 21, 14},
       {5, 8, 9, 23, 28, 32, 20},
       {6, 11, 12, 31, 37, 42, 27}}}},
    {5,
     {{{2, 3, 4, 8, 10, 10, 7},
       {4, 6, 7, 16, 19, 21, 13},
       {5, 9, 11, 24, 29, 31, 20},
       {7, 12, 14, 32, 38, 41, 26}}}},
    {6,
     {{{2, 3, 4, 8, 10, 10, 7},
       {4, 6, 9, 17, 19, 20, 13},
       {6, 9, 13, 25, 29, 30, 20},
       {8, 12, 17, 33, 38, 40, 26}}}},
    {7,
     {{{2, 3, 5, 8, 9, 10, 6},
       {4, 6, 10, 17, 19, 19, 13},
       {6, 9, 14, 25, 28, 29, 19},
       {8, 12, 19, 33, 37, 38, 25}}}},
    {8,
     {{{2, 3, 5, 8, 9, 9, 6},
       {4, 6, 11, 17, 19, 19, 12},
       {6, 8, 16, 25, 28, 28, 18},
       {8, 11, 21, 33, 37, 36, 22}}}},
    {9,
     {{{2, 3, 6, 8, 9, 9, 6},
       {4, 6, 11, 17, 19, 18, 11},
       {6, 8, 17, 25, 28, 27, 17},
       {8, 11, 22, 33, 37, 36, 22}}}},
    {10,
     {{{2, 3, 6, 8, 9, 9, 5},
       {4, 5, 11, 16, 18, 17, 11},
       {6, 8, 17, 24, 27, 26, 16},
       {8, 10, 22, 32, 36, 34, 21}}}},
    {12,
     {{{2, 2, 5, 8, 9, 8, 5},
       {3, 5, 10, 15, 17, 16, 9},
       {5, 7, 15, 23, 26, 23, 14},
       {7, 9, 20, 30, 34, 31, 18}}}},
    {14,
     {{{1, 2, 4, 7, 8, 7, 4},
       {3, 4, 8, 14, 16, 14, 7},
       {4, 5, 12, 20, 23, 20, 11},
       {5, 7, 16, 27, 31, 27, 14}}}},
    {16,
     {{{1, 1, 2, 6, 7, 6, 2},
       {1, 2, 5, 12, 14, 12, 5},
       {2, 3, 7, 17, 21, 17, 7},
       {2, 4, 9, 23, 28, 23, 9}}}},
}};

constexpr double Palec = 25.4;   // mm
constexpr double Stopa = 0.3048; // m
constexpr double KrokDelky = 3;  // ft between the table's lengths

// One diameter's loss at a length in feet: linear between the tabulated
// lengths, down to 0 at length 0, the longest row beyond it.
RadekHadice PodleDelky(const PrumerHadice& p, double stopy) {
    RadekHadice r{};
    const auto& d = p.PodleDelky;
    const double posledni = KrokDelky * static_cast<double>(d.size());
    for (size_t i = 0; i < PasemHadice; ++i) {
        if (stopy <= KrokDelky) {
            r[i] = Interpolace(0, 0, KrokDelky, d[0][i], stopy);
        } else if (stopy >= posledni) {
            r[i] = d.back()[i];
        } else {
            size_t j = static_cast<size_t>(stopy / KrokDelky) - 1;
            if (j > d.size() - 2) j = d.size() - 2;
            const double x1 = KrokDelky * static_cast<double>(j + 1);
            r[i] = Interpolace(x1, d[j][i], x1 + KrokDelky, d[j + 1][i], stopy);
        }
    }
    return r;
}

} // namespace

void SpektraHadice(const VstupyHadice& v, Spectrum& utlum, Spectrum& drun) {
    const double palce = DoMezi(v.Prumer, HadPrumerMin, HadPrumerMax) / Palec;
    const double stopy = DoMezi(v.Delka, HadDelkaMin, HadDelkaMax) / Stopa;
    // Diameters below the smallest row take that row, above the largest the largest.
    size_t k = 0;
    while (k + 2 < TabulkaHadice.size() && palce > TabulkaHadice[k + 1].Palce)
        ++k;
    const PrumerHadice& p1 = TabulkaHadice[k];
    const PrumerHadice& p2 = TabulkaHadice[k + 1];
    const double d = DoMezi(palce, TabulkaHadice.front().Palce, TabulkaHadice.back().Palce);
    const RadekHadice r1 = PodleDelky(p1, stopy), r2 = PodleDelky(p2, stopy);
    for (size_t i = 0; i < PasemHadice; ++i)
        utlum[i] = Interpolace(p1.Palce, r1[i], p2.Palce, r2[i], d);
    utlum[PasemHadice] = 0;
    OmezUtlum(utlum);
    NaplnSpektrum(drun, 0);
}

std::string PopisHadice(const std::string& prumer, const std::string& delka) {
    return "průměr " + prumer + "mm, délka " + delka + "m";
}

void VypocetHadice(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    SpektraHadice(e.Vstup<VstupyHadice>(), e.Utlum, e.VlastniDrun);
}

} // namespace drun
