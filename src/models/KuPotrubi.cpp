#include "models/KuPotrubi.h"

#include <array>

#include "core/Matemat.h"
#include "models/HrPotrubi.h"

namespace drun {

namespace {

// Attenuation per metre of circular duct (dB/m) by the diameter.
constexpr std::array<std::array<double, PocetPasem>, 4> UtlumKuPotrubi{{
    {0.1, 0.1, 0.15, 0.15, 0.3, 0.3, 0.3, 0.3},       // D <= 0.18 m
    {0.1, 0.1, 0.1, 0.15, 0.2, 0.2, 0.2, 0.2},        // 0.18 < D <= 0.355
    {0.06, 0.06, 0.06, 0.1, 0.15, 0.15, 0.15, 0.15},  // 0.355 < D <= 0.71
    {0.03, 0.03, 0.03, 0.06, 0.06, 0.06, 0.06, 0.06}, // D > 0.71
}};

constexpr double Pi = 3.14159265358979323846;
constexpr double Hodina3600Pi = 11309.733552923255; // 3600 * pi

} // namespace

const std::array<double, PocetPasem>& UtlumNaMetrKuPotrubi(double prumerM) {
    return UtlumKuPotrubi[static_cast<size_t>(RadekUtlumuPotrubi(prumerM))];
}

double RychlostKuPotrubi(double prumerMm, double prutok) {
    return 4 * 1000000 * prutok / (Hodina3600Pi * prumerMm * prumerMm);
}

std::string PopisKuPotrubi(const std::string& prumer, const std::string& delka,
                           const std::string& prutok) {
    return "průměr " + prumer + "mm, délka " + delka + "m, průtok " + prutok + "m3/hod";
}

void ZapisKuPotrubi(DrunVar& var, const ZadaniKuPotrubi& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(TypKuPotrubi);
    e.Popis = PopisKuPotrubi(z.TextPrumer, z.TextDelka, z.TextPrutok);
    e.Vstup<VstupyKuPotrubi>() = {z.Prumer, z.Delka, z.Prutok};
}

void VypocetKuPotrubi(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    VstupyKuPotrubi& k = e.Vstup<VstupyKuPotrubi>();
    // Out-of-range values (a damaged element) are taken at the nearest limit.
    k.Prumer = DoMezi(k.Prumer, KuPotPrumerMin, KuPotPrumerMax);
    k.Delka = DoMezi(k.Delka, KuPotDelkaMin, KuPotDelkaMax);
    k.Prutok = DoMezi(k.Prutok, KuPotPrutokMin, KuPotPrutokMax);
    const double d = k.Prumer * 0.001;
    const double s = d * d * Pi * 0.25;
    var.vstupy.PosledniPrumer = d;
    const double v = 4 * k.Prutok / (Hodina3600Pi * d * d);
    const auto& radek = UtlumKuPotrubi[static_cast<size_t>(RadekUtlumuPotrubi(d))];
    SpektraPotrubi(e, radek, k.Delka, v, s);
}

} // namespace drun
