#include "models/Obecny.h"

namespace drun {

void ZapisObecElement(DrunVar& var, const ZadaniObecElementu& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(TypObecny);
    e.Popis = z.Popis;
    for (int i = 0; i < PocetPasem; ++i) {
        e.Utlum[i] = z.Utlum[static_cast<size_t>(i)];
        e.VlastniDrun[i] = z.VlastniDrun[static_cast<size_t>(i)];
    }
}

void VypocetObecElementu(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    SpoctiLA(e.Utlum);
    SpoctiLA(e.VlastniDrun);
}

} // namespace drun
