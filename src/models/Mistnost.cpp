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
    e.Vstup<VstupyMistnost>() = {z.PlochaSten, z.Vzdalenost, z.Pohltivost, z.Smerovost};
}

void VypocetMistnosti(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    const VstupyMistnost& m = e.Vstup<VstupyMistnost>();
    const double S = m.PlochaSten;
    const double r = m.Vzdalenost;
    double soucet = 0;
    for (double a : m.Pohltivost)
        soucet += a;
    // One mean coefficient serves every band.
    const double alfa = soucet / PocetPasem;
    // Values outside the fields' limits can only come from a damaged file; they
    // must not reach a division or the logarithm.
    const bool lzeSpocitat =
        std::isfinite(S) && std::isfinite(r) && std::isfinite(alfa) && S > 0 && r > 0 && alfa > 0;
    const double dozvuk = lzeSpocitat ? 4 * (1 - alfa) / (S * alfa) : 0;
    for (int i = 0; i < PocetPasem; ++i) {
        const double q = m.Smerovost[static_cast<size_t>(i)];
        double x = lzeSpocitat ? q / (4 * std::numbers::pi * r * r) + dozvuk : 0;
        if (!(x > 0) || !std::isfinite(x)) x = NahradniX;
        // A room that raises the level (x > 1) shows a negative attenuation.
        e.Utlum[i] = -10 * Log10(x);
    }
    SpoctiLA(e.Utlum);
    NaplnSpektrum(e.VlastniDrun, 0);
    var.vstupy.PosledniPlochaSten = S;
    var.vstupy.PosledniDelka = r;
    var.vstupy.Pohltivost = m.Pohltivost;
    var.vstupy.Smerovost = m.Smerovost;
}

} // namespace drun
