// Any bytes as a rozvod file: a refused one leaves the rozvod as it was and
// names its line; an accepted one is a tree whose every section's path
// evaluates to finite levels and whose rooms have names, a file without its
// end line is read with the notice, and it writes (with the end line), reads
// back without a notice and writes again to the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "io/Kodovani.h"
#include "io/RozvodSoubor.h"
#include "io/SoucetCest.h"
#include "tools/Rozvod.h"

namespace {

std::string Text(const drun::Rozvod& r) {
    std::string t;
    if (!drun::TextRozvodu(r, t).Ok()) std::abort();
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    const std::string soubor = "/stavba/rozvod.DRR";
    const std::string tlumice = std::string(DRUN_DATA_DIR) + "/KL385216.CAD";
    Rozvod r;
    std::vector<Usek> useky(1);
    useky[0].Id = 1;
    useky[0].Prvky.resize(1);
    useky[0].Prvky[0].NastavTyp(TypZdroj);
    r.NastavUseky(useky);
    const std::string puvodni = Text(r);
    const std::string bajty(reinterpret_cast<const char*>(data), size);
    const VysledekSouboru v = CtiRozvodZTextu(bajty, soubor, tlumice, r);
    if (!v.Ok()) {
        if (Text(r) != puvodni) std::abort();
        if (!v.Zprava.starts_with("Chyba při čtení souboru rozvodu " + soubor + ", řádek "))
            std::abort();
        return 0;
    }
    if (!v.Zprava.empty() && v.Zprava != ZpravaBezKonce("rozvodu", soubor)) std::abort();
    if (ChybaStruktury(r.Useky())) std::abort();
    for (const Usek& u : r.Useky())
        if (!u.Mistnost.empty() && !ChybaNazvu(u.Mistnost).empty()) std::abort();
    for (size_t u = 0; u < r.Useky().size(); ++u)
        for (int i = 0; i <= LA; ++i)
            if (!r.ChybaCesty(u) && !std::isfinite(r.Konec(u)[i])) std::abort();
    const std::string prvni = Text(r);
    Rozvod znovu;
    const VysledekSouboru z = CtiRozvodZTextu(prvni, soubor, tlumice, znovu);
    if (!z.Ok() || !z.Zprava.empty()) std::abort();
    if (Text(znovu) != prvni) std::abort();
    return 0;
}
