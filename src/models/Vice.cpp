#include "models/Vice.h"

namespace drun {

void ZapisVice(DrunVar& var, const ZadaniVice& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(TypVice);
    e.Popis = PopisVice(z.TextPocet);
    // The count keeps its low byte, as the file's byte slot always held it.
    e.Vstup<VstupyVice>().PocetZdroju = z.Pocet & 0xFF;
}

void VypocetVice(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    int& n = e.Vstup<VstupyVice>().PocetZdroju;
    // A count outside 1..100 (a damaged element) is taken at the nearest limit.
    if (n < VicePocetMin) n = VicePocetMin;
    if (n > VicePocetMax) n = VicePocetMax;
    NaplnSpektrum(e.Utlum, 0);
    NaplnSpektrum(e.VlastniDrun, 0);
}

std::string PopisVice(const std::string& pocet) {
    return "korekce na počet zdrojů drunu. Počet= " + pocet;
}

} // namespace drun
