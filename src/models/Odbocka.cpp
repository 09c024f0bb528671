#include "models/Odbocka.h"

#include <cmath>

#include "core/Matemat.h"
#include "models/Oblouk.h"

namespace drun {

void ZapisOdbocku(DrunVar& var, const ZadaniOdbocky& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(TypOdbocka);
    e.Popis = e.NazevTypu() + " " + z.TextA1 + "x" + z.TextB1 + " / " + z.TextA2 + "x" + z.TextB2 +
              "mm, rádius " + z.TextRadius + "mm, průtok " + z.TextCelkPrutok + " / " +
              z.TextOdbPrutok + "m3/hod";
    e.Vstup<VstupyOdbocka>() = {z.RozmA1, z.RozmB1,    z.RozmA2,    z.RozmB2,
                                z.Radius, z.OdbPrutok, z.CelkPrutok};
}

void VypocetOdbocky(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    VstupyOdbocka& o = e.Vstup<VstupyOdbocka>();
    // Out-of-range values (a damaged element) are taken at the nearest limit.
    for (double* x : {&o.A, &o.B, &o.A2, &o.B2})
        *x = DoMezi(*x, OdbRozmerMin, OdbRozmerMax);
    o.Radius = DoMezi(o.Radius, OdbRadiusMin, OdbRadiusMax);
    o.Prutok = DoMezi(o.Prutok, OdbPrutokMin, OdbPrutokMax);
    o.OdbPrutok = DoMezi(o.OdbPrutok, OdbPrutokMin, OdbPrutokMax);
    const double A = o.A * 0.001, B = o.B * 0.001, A2 = o.A2 * 0.001, B2 = o.B2 * 0.001;
    const double S1 = A * B;
    const double S2 = A2 * B2;
    // The sound power divides by cross-section; without a computed
    // cross-section there is no share to take the logarithm of.
    const double utlum = S1 > 0 && S2 >= 0 ? std::fabs(10 * Log10(S1 / (S1 + S2))) : 0;
    // A branch flow at or above the total leaves nothing (or less) for the
    // other directions; the velocity ratio then falls in the first class.
    const double Qo = o.Prutok - o.OdbPrutok;
    for (int k = 0; k < PocetPasem; ++k) {
        const size_t i = static_cast<size_t>(k);
        e.Utlum[i] = utlum;
        e.VlastniDrun[i] = ZvukTvarovky(k + 1, A2, B2, Qo, A, B, o.OdbPrutok, o.Radius * 0.001);
    }
    SpoctiLA(e.Utlum);
    SpoctiLA(e.VlastniDrun);
}

} // namespace drun
