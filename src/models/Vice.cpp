#include "models/Vice.h"

namespace drun {

void ZapisVice(DrunVar& var, const ZadaniVice& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(TypVice);
    e.Popis = "korekce na počet zdrojů drunu. Počet= " + z.TextPocet;
    e.Druh = static_cast<std::uint8_t>(z.Pocet & 0xFF);
}

void VypocetVice(DrunVar& var) {
    TElementSite& e = var.cesta.Aktualni();
    // A count outside 1..100 (a damaged element) is taken at the nearest limit.
    if (e.Druh < VicePocetMin) e.Druh = VicePocetMin;
    if (e.Druh > VicePocetMax) e.Druh = VicePocetMax;
    NaplnSpektrum(e.Utlum, 0);
    NaplnSpektrum(e.VlastniDrun, 0);
}

} // namespace drun
