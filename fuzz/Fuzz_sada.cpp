// Any bytes as a set file: a refused one leaves the set as it was; an accepted
// one names files that can be written back, carries a finite requirement
// within its range, and writes, reads back (without the notice of a missing
// end line) and writes again to the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Soubory.h"
#include "io/Kodovani.h"
#include "io/SoucetCest.h"
#include "tools/Pozadavek.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    const std::string soubor = "/sady/pokoj/sada.DRS";
    SadaSouctu sada;
    sada.Soubory = {"/jinde/a.DRN"};
    NastavPozadavek(sada.Pozadavek, NKrivky[4]);
    const SadaSouctu puvodni = sada;
    if (!CtiSaduZTextu(std::string(reinterpret_cast<const char*>(data), size), soubor, sada).Ok()) {
        if (sada.Soubory != puvodni.Soubory || sada.Pozadavek != puvodni.Pozadavek) std::abort();
        return 0;
    }
    for (const std::string& s : sada.Soubory)
        if (s.empty() || s[0] != '/' || !JePlatneUtf8(s)) std::abort();
    for (int i = 0; i <= LA; ++i)
        if (!std::isfinite(sada.Pozadavek[i]) || sada.Pozadavek[i] < 0 ||
            (i < LA && sada.Pozadavek[i] > 150))
            std::abort();
    std::string prvni, druhy;
    if (!TextSady(sada, soubor, prvni)) std::abort();
    SadaSouctu znovu;
    // What is written ends in its end line: read back without a notice.
    const VysledekSouboru v = CtiSaduZTextu(prvni, soubor, znovu);
    if (!v.Ok() || !v.Zprava.empty()) std::abort();
    if (znovu.Soubory != sada.Soubory || znovu.Pozadavek != sada.Pozadavek) std::abort();
    if (!TextSady(znovu, soubor, druhy) || druhy != prvni) std::abort();
    return 0;
}
