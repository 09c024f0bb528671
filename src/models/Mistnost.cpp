#include "models/Mistnost.h"

#include <cmath>
#include <numbers>

#include "core/Matemat.h"

namespace drun {

namespace {
// Stands in for a room term that cannot be formed.
constexpr double NahradniX = 0.01;
} // namespace

void ZapisMistnost(DrunVar& var, const ZadaniMistnosti& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(TypMistnost);
    e.Popis = z.Popis;
    e.RozmA = z.PlochaSten;
    e.Delka = z.Vzdalenost;
    var.vstupy.Pohltivost = z.Pohltivost;
    var.vstupy.Smerovost = z.Smerovost;
}

void VypocetMistnosti(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    const double S = e.RozmA;
    const double r = e.Delka;
    double soucet = 0;
    for (double a : var.vstupy.Pohltivost)
        soucet += a;
    // One mean coefficient serves every band.
    const double alfa = soucet / PocetPasem;
    // Values outside the fields' limits can only come from a damaged file; they
    // must not reach a division or the logarithm.
    const bool lzeSpocitat =
        std::isfinite(S) && std::isfinite(r) && std::isfinite(alfa) && S > 0 && r > 0 && alfa > 0;
    const double dozvuk = lzeSpocitat ? 4 * (1 - alfa) / (S * alfa) : 0;
    for (int i = 0; i < PocetPasem; ++i) {
        const double q = var.vstupy.Smerovost[static_cast<size_t>(i)];
        double x = lzeSpocitat ? q / (4 * std::numbers::pi * r * r) + dozvuk : 0;
        if (!(x > 0) || !std::isfinite(x)) x = NahradniX;
        // A room that raises the level (x > 1) shows a negative attenuation.
        e.Utlum[i] = -10 * Log10(x);
    }
    SpoctiLA(e.Utlum);
    NaplnSpektrum(e.VlastniDrun, 0);
    var.vstupy.PosledniPlochaSten = S;
    var.vstupy.PosledniDelka = r;
}

} // namespace drun
