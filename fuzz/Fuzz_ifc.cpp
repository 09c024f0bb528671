// Any bytes as a building model: a refused one names its line and leaves the
// graph as it was; an accepted one is a consistent graph (every index in
// range, connections symmetric, sizes finite and not negative), and each of
// its sources gives a refusal or a rozvod whose structure holds and whose
// file reads back.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "io/Ifc.h"
#include "io/RozvodSoubor.h"
#include "tools/ImportIfc.h"
#include "tools/Rozvod.h"

namespace {

bool Cislo(double x) {
    return std::isfinite(x) && x >= 0;
}

void Zkontroluj(const drun::GrafSite& g) {
    using namespace drun;
    for (size_t i = 0; i < g.Prvky.size(); ++i) {
        const PrvekGrafu& p = g.Prvky[i];
        for (double x : {p.Prumer, p.A, p.B, p.Delka, p.Uhel, p.Radius, p.Prutok, p.Tlak, p.Otacky})
            if (!Cislo(x)) std::abort();
        for (size_t port : p.Porty)
            if (port >= g.Porty.size() || g.Porty[port].Prvek != i) std::abort();
    }
    for (size_t i = 0; i < g.Porty.size(); ++i) {
        const PortGrafu& p = g.Porty[i];
        if (p.Prvek >= g.Prvky.size()) std::abort();
        for (size_t q : p.Spoje) {
            if (q >= g.Porty.size() || q == i) std::abort();
            const auto& zpet = g.Porty[q].Spoje;
            if (std::find(zpet.begin(), zpet.end(), i) == zpet.end()) std::abort();
        }
    }
    for (const SystemGrafu& s : g.Systemy)
        for (size_t p : s.Prvky)
            if (p >= g.Prvky.size()) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace drun;
    const std::string_view bajty(reinterpret_cast<const char*>(data), size);
    GrafSite g;
    g.Schema = "puvodni";
    const VysledekSouboru v = CtiIfcZTextu(bajty, "model.ifc", g);
    if (!v.Ok()) {
        if (g.Schema != "puvodni" || !g.Prvky.empty()) std::abort();
        if (v.Zprava.find("model.ifc") == std::string::npos) std::abort();
        return 0;
    }
    Zkontroluj(g);
    int zdroju = 0;
    for (const ZdrojGrafu& z : ZdrojeGrafu(g)) {
        if (++zdroju > 4) break;
        const ImportIfc i = ImportujIfc(g, z.Prvek, {});
        if (!i.Chyba.empty()) continue;
        if (ChybaStruktury(i.Useky)) std::abort();
        Rozvod r;
        r.NastavUseky(i.Useky);
        std::string t;
        if (!TextRozvodu(r, t).Ok()) std::abort();
        Rozvod znovu;
        if (!CtiRozvodZTextu(t, "r.DRR", "", znovu).Ok()) std::abort();
    }
    return 0;
}
