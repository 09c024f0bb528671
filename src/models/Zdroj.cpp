#include "models/Zdroj.h"

namespace drun {

void ZapisZdroj(DrunVar& var, const ZadaniZdroje& z) {
    var.cesta.NajdiElement(1);
    TElementSite& e = var.cesta.Aktualni();
    e.Popis = z.Popis;
    for (int i = 0; i < PocetPasem; ++i)
        e.VlastniDrun[i] = z.Vykon[static_cast<size_t>(i)];
    VypocetZdroje(var);
}

void VypocetZdroje(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    SpoctiLA(e.VlastniDrun);
    e.ZaElementem = e.VlastniDrun;
}

} // namespace drun
