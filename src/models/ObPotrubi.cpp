#include "models/ObPotrubi.h"

#include <array>
#include <cmath>

#include "core/Matemat.h"
#include "models/HrPotrubi.h"
#include "models/KuPotrubi.h"
#include "models/MezUtlumu.h"

namespace drun {

namespace {

constexpr double Stopa = 0.3048; // m
constexpr double Palec = 0.0254; // m
constexpr double Pi = 3.14159265358979323846;

// Insertion loss of a lined rectangular duct, dB/ft = B (P/A)^C t^D with the
// perimeter over area in 1/ft and the lining's thickness in inches.
constexpr std::array<double, PocetPasem> ObHrB{0.0133, 0.0574, 0.2710, 1.0147,
                                               1.7700, 1.3920, 1.5180, 1.5810};
constexpr std::array<double, PocetPasem> ObHrC{1.959, 1.410, 0.824, 0.500,
                                               0.695, 0.802, 0.451, 0.219};
constexpr std::array<double, PocetPasem> ObHrD{0.917, 0.941, 1.079, 1.087, 0, 0, 0, 0};
// The regression holds up to these; beyond them the loss does not grow.
constexpr double ObHrMaxObvodPlocha = 6; // 1/ft
constexpr double ObHrMaxTloustka = 50.8; // mm
constexpr double ObKuMaxTloustka = 76.2; // mm
constexpr double ObKuMinPrumer = 152.4;  // mm

// Insertion loss of a lined circular duct, dB/ft = A + B t + C t^2 + D d +
// E d^2 + F d^3, t and d in inches; per band A .. F.
constexpr std::array<std::array<double, 6>, PocetPasem> ObKuKoef{{
    {0.2825, 0.3447, -5.251e-2, -3.837e-2, 9.132e-4, -8.294e-6},
    {0.5237, 0.2234, -4.936e-3, -2.724e-2, 3.377e-4, -2.490e-6},
    {0.3652, 0.7900, -0.1157, -1.834e-2, -1.211e-4, 2.681e-6},
    {0.1333, 1.8450, -0.3735, -1.293e-2, 8.624e-5, -4.986e-6},
    {1.9330, 0, 0, 6.135e-2, -3.891e-3, 3.934e-5},
    {2.7300, 0, 0, -7.341e-2, 4.428e-4, 1.006e-6},
    {2.8000, 0, 0, -0.1467, 3.404e-3, -2.851e-5},
    {1.5450, 0, 0, -5.452e-2, 1.290e-3, -1.318e-5},
}};

} // namespace

void SpektraObHrPotrubi(const VstupyObHrPotrubi& v, Spectrum& utlum, Spectrum& drun) {
    const double a = NaMetry(v.A, ObHrPotRozmerMin, ObHrPotRozmerMax);
    const double b = NaMetry(v.B, ObHrPotRozmerMin, ObHrPotRozmerMax);
    const double t = DoMezi(v.Tloustka, ObPotTloustkaMin, ObPotTloustkaMax);
    const double delka = DoMezi(v.Delka, ObPotDelkaMin, ObPotDelkaMax);
    const double prutok = DoMezi(v.Prutok, ObPotPrutokMin, ObPotPrutokMax);
    const double s = a * b;
    double pa = 2 * (a + b) / s * Stopa;
    if (pa > ObHrMaxObvodPlocha) pa = ObHrMaxObvodPlocha;
    const double tPalce = (t > ObHrMaxTloustka ? ObHrMaxTloustka : t) / 1000 / Palec;
    const auto& naMetr = UtlumNaMetrHrPotrubi(a < b ? a : b);
    for (size_t i = 0; i < PocetPasem; ++i) {
        const double il = ObHrB[i] * std::pow(pa, ObHrC[i]) * std::pow(tPalce, ObHrD[i]) / Stopa;
        utlum[i] = (naMetr[i] + il) * delka;
    }
    OmezUtlum(utlum);
    DrunPotrubi(drun, prutok / (s * 3600), s);
}

void SpektraObKuPotrubi(const VstupyObKuPotrubi& v, Spectrum& utlum, Spectrum& drun) {
    const double dMm = DoMezi(v.Prumer, ObKuPotPrumerMin, ObKuPotPrumerMax);
    const double t = DoMezi(v.Tloustka, ObPotTloustkaMin, ObPotTloustkaMax);
    const double delka = DoMezi(v.Delka, ObPotDelkaMin, ObPotDelkaMax);
    const double prutok = DoMezi(v.Prutok, ObPotPrutokMin, ObPotPrutokMax);
    const double d = dMm / 1000;
    const double s = d * d * Pi * 0.25;
    const double dPalce = (dMm < ObKuMinPrumer ? ObKuMinPrumer : dMm) / 1000 / Palec;
    const double tPalce = (t > ObKuMaxTloustka ? ObKuMaxTloustka : t) / 1000 / Palec;
    const auto& naMetr = UtlumNaMetrKuPotrubi(d);
    for (size_t i = 0; i < PocetPasem; ++i) {
        const auto& k = ObKuKoef[i];
        double il = k[0] + k[1] * tPalce + k[2] * tPalce * tPalce + k[3] * dPalce +
                    k[4] * dPalce * dPalce + k[5] * dPalce * dPalce * dPalce;
        if (il < 0) il = 0;
        utlum[i] = (naMetr[i] + il / Stopa) * delka;
    }
    OmezUtlum(utlum);
    DrunPotrubi(drun, prutok / (s * 3600), s);
}

std::string PopisObHrPotrubi(const std::string& a, const std::string& b,
                             const std::string& tloustka, const std::string& delka,
                             const std::string& prutok) {
    return a + "x" + b + "mm, obložení " + tloustka + "mm, délka " + delka + "m, průtok " + prutok +
           "m3/hod";
}

std::string PopisObKuPotrubi(const std::string& prumer, const std::string& tloustka,
                             const std::string& delka, const std::string& prutok) {
    return "průměr " + prumer + "mm, obložení " + tloustka + "mm, délka " + delka + "m, průtok " +
           prutok + "m3/hod";
}

void VypocetObHrPotrubi(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    SpektraObHrPotrubi(e.Vstup<VstupyObHrPotrubi>(), e.Utlum, e.VlastniDrun);
}

void VypocetObKuPotrubi(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    SpektraObKuPotrubi(e.Vstup<VstupyObKuPotrubi>(), e.Utlum, e.VlastniDrun);
}

} // namespace drun
