// Any bytes as a project file: a refused one leaves the project as it was; in
// an accepted one every room has a one-line name, a requirement of finite
// levels within range and one-line paths that resolve on disk, and the project
// writes, reads back (without the notice of a missing end line) and writes
// again to the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "io/Kodovani.h"
#include "io/Projekt.h"

namespace {

bool Stejne(const drun::Projekt& a, const drun::Projekt& b) {
    if (a.Mistnosti.size() != b.Mistnosti.size()) return false;
    for (size_t i = 0; i < a.Mistnosti.size(); ++i) {
        const drun::MistnostProjektu &x = a.Mistnosti[i], &y = b.Mistnosti[i];
        if (x.Nazev != y.Nazev || x.Pozadavek != y.Pozadavek || x.Cesty != y.Cesty) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    const std::string soubor = "/stavba/projekt.DRP";
    Projekt p;
    p.Mistnosti = {{"Kancelář", "N30", {"a.DRN"}}};
    const Projekt puvodni = p;
    const std::string bajty(reinterpret_cast<const char*>(data), size);
    if (!CtiProjektZTextu(bajty, soubor, p).Ok()) {
        if (!Stejne(p, puvodni)) std::abort();
        return 0;
    }
    for (const MistnostProjektu& m : p.Mistnosti) {
        if (!JednaRadka(m.Nazev) || !JePlatneUtf8(m.Nazev)) std::abort();
        const Spectrum poz = PozadavekMistnosti(m);
        for (int i = 0; i <= LA; ++i)
            if (!std::isfinite(poz[i]) || poz[i] < 0 || (i < LA && poz[i] > 150)) std::abort();
        for (const std::string& c : m.Cesty)
            if (!JednaRadka(c) || !JePlatneUtf8(c) || CestaNaDisku(soubor, c).empty()) std::abort();
    }
    std::string prvni, druhy;
    if (!TextProjektu(p, prvni).Ok()) std::abort();
    Projekt znovu;
    // What is written ends in its end line: read back without a notice.
    const VysledekSouboru v = CtiProjektZTextu(prvni, soubor, znovu);
    if (!v.Ok() || !v.Zprava.empty() || !Stejne(znovu, p)) std::abort();
    if (!TextProjektu(znovu, druhy).Ok() || druhy != prvni) std::abort();
    return 0;
}
