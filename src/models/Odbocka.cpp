#include "models/Odbocka.h"

#include <cmath>

#include "core/Matemat.h"
#include "models/Oblouk.h"

namespace drun {

void ZapisOdbocku(DrunVar& var, const ZadaniOdbocky& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(TypOdbocka);
    e.Popis = e.NazevTypu + " " + z.TextA1 + "x" + z.TextB1 + " / " + z.TextA2 + "x" + z.TextB2 +
              "mm, rádius " + z.TextRadius + "mm, průtok " + z.TextCelkPrutok + " / " +
              z.TextOdbPrutok + "m3/hod";
    e.RozmA = z.RozmA1;
    e.RozmB = z.RozmB1;
    e.RozmA2 = z.RozmA2;
    e.RozmB2 = z.RozmB2;
    e.Radius = z.Radius;
    e.Prutok = z.CelkPrutok;
    e.Prutok2 = z.OdbPrutok;
}

void VypocetOdbocky(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    // Out-of-range values (a damaged element) are taken at the nearest limit.
    e.RozmA = NaMetry(e.RozmA, OdbRozmerMin, OdbRozmerMax);
    e.RozmB = NaMetry(e.RozmB, OdbRozmerMin, OdbRozmerMax);
    e.RozmA2 = NaMetry(e.RozmA2, OdbRozmerMin, OdbRozmerMax);
    e.RozmB2 = NaMetry(e.RozmB2, OdbRozmerMin, OdbRozmerMax);
    e.Radius = NaMetry(e.Radius, OdbRadiusMin, OdbRadiusMax);
    e.Prutok = DoMezi(e.Prutok, OdbPrutokMin, OdbPrutokMax);
    e.Prutok2 = DoMezi(e.Prutok2, OdbPrutokMin, OdbPrutokMax);
    const double S1 = e.RozmA * e.RozmB;
    const double S2 = e.RozmA2 * e.RozmB2;
    // The sound power divides by cross-section; without a computed
    // cross-section there is no share to take the logarithm of.
    const double utlum = S1 > 0 && S2 >= 0 ? std::fabs(10 * Log10(S1 / (S1 + S2))) : 0;
    // A branch flow at or above the total leaves nothing (or less) for the
    // other directions; the velocity ratio then falls in the first class.
    const double Qo = e.Prutok - e.Prutok2;
    for (int k = 0; k < PocetPasem; ++k) {
        const size_t i = static_cast<size_t>(k);
        e.Utlum[i] = utlum;
        e.VlastniDrun[i] =
            ZvukTvarovky(k + 1, e.RozmA2, e.RozmB2, Qo, e.RozmA, e.RozmB, e.Prutok2, e.Radius);
    }
    SpoctiLA(e.Utlum);
    SpoctiLA(e.VlastniDrun);
}

} // namespace drun
