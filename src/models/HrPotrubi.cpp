#include "models/HrPotrubi.h"

#include "core/Matemat.h"

namespace drun {

namespace {

// Attenuation per metre of rectangular duct (dB/m) by the smaller side.
constexpr std::array<std::array<double, PocetPasem>, 4> UtlumHrPotrubi{{
    {0.6, 0.6, 0.45, 0.3, 0.3, 0.3, 0.3, 0.3},     // Dmin <= 0.18 m
    {0.6, 0.6, 0.45, 0.3, 0.2, 0.2, 0.2, 0.2},     // 0.18 < Dmin <= 0.355
    {0.6, 0.6, 0.3, 0.15, 0.15, 0.15, 0.15, 0.15}, // 0.355 < Dmin <= 0.71
    {0.3, 0.3, 0.15, 0.1, 0.06, 0.06, 0.06, 0.06}, // Dmin > 0.71
}};

} // namespace

int RadekUtlumuPotrubi(double rozmerM) {
    // 180, 355 and 710 mm convert to exactly the thresholds, so they take the
    // lower row, as the bounds of the tables are inclusive.
    if (rozmerM <= 0.18) return 0;
    if (rozmerM <= 0.355) return 1;
    if (rozmerM <= 0.71) return 2;
    return 3;
}

const std::array<double, PocetPasem>& UtlumNaMetrHrPotrubi(double mensiStranaM) {
    return UtlumHrPotrubi[static_cast<size_t>(RadekUtlumuPotrubi(mensiStranaM))];
}

void DrunPotrubi(Spectrum& drun, double v, double s) {
    const double lw = 10 + 50 * Log10(v) + 10 * Log10(s);
    for (int i = 0; i < PocetPasem; ++i) {
        const double x = lw + KorekcePrimehoPotrubi[static_cast<size_t>(i)];
        drun[i] = x < 0 ? 0 : x;
    }
    SpoctiLA(drun);
}

void SpektraPotrubi(TElementSite& e, const std::array<double, PocetPasem>& utlumNaMetr,
                    double delka, double v, double s) {
    for (int i = 0; i < PocetPasem; ++i)
        e.Utlum[i] = utlumNaMetr[static_cast<size_t>(i)] * delka;
    SpoctiLA(e.Utlum);
    DrunPotrubi(e.VlastniDrun, v, s);
}

void ZapisHrPotrubi(DrunVar& var, const ZadaniHrPotrubi& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(TypHrPotrubi);
    e.Popis = z.TextA + "x" + z.TextB + "mm, délka " + z.TextDelka + "m, průtok " + z.TextPrutok +
              "m3/hod";
    e.Vstup<VstupyHrPotrubi>() = {z.A, z.B, z.Delka, z.Prutok};
}

void VypocetHrPotrubi(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    VstupyHrPotrubi& h = e.Vstup<VstupyHrPotrubi>();
    // Values beyond the accepted ranges (only a damaged element could hold
    // them) are taken at the nearest limit, so no logarithm sees 0 or less.
    h.A = DoMezi(h.A, HrPotRozmerMin, HrPotRozmerMax);
    h.B = DoMezi(h.B, HrPotRozmerMin, HrPotRozmerMax);
    h.Delka = DoMezi(h.Delka, HrPotDelkaMin, HrPotDelkaMax);
    h.Prutok = DoMezi(h.Prutok, HrPotPrutokMin, HrPotPrutokMax);
    const double a = h.A * 0.001, b = h.B * 0.001;
    const double s = a * b;
    const double v = h.Prutok / (s * 3600);
    const double dmin = a >= b ? b : a;
    const auto& radek = UtlumHrPotrubi[static_cast<size_t>(RadekUtlumuPotrubi(dmin))];
    SpektraPotrubi(e, radek, h.Delka, v, s);
}

} // namespace drun
