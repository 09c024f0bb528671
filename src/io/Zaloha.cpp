#include "io/Zaloha.h"

#include <filesystem>
#include <map>

#include "core/DrunVar.h"
#include "core/Platforma.h"
#include "core/Snimek.h"
#include "io/DataSoubor.h"
#include "io/RozvodSoubor.h"
#include "tools/Rozvod.h"

namespace drun {

namespace {

// Whether the path (with its Akce) is the path of a section of r. Each
// section is matched from where its parent's match leaves off, so every
// element is compared once at most.
bool JeCestouRozvodu(const Rozvod& r, const DrunVar& var) {
    if (var.Akce != r.Akce) return false;
    const Cesta& c = var.cesta;
    const std::vector<Usek>& useky = r.Useky();
    std::map<int, size_t> indexy;
    // Per section: the path's number of its first own element (0: its
    // ancestors part from the path before it), and how many own ones match.
    std::vector<int> od(useky.size()), shoda(useky.size());
    for (size_t u = 0; u < useky.size(); ++u) {
        const Usek& s = useky[u];
        indexy.emplace(s.Id, u);
        int zacatek = 1;
        if (s.Rodic != 0) {
            const size_t p = indexy.at(s.Rodic);
            if (od[p] == 0 || shoda[p] < s.ZaElementem) continue;
            zacatek = od[p] + s.ZaElementem;
        }
        const int vlastni = static_cast<int>(s.Prvky.size());
        int k = 0;
        while (k < vlastni && zacatek + k <= c.Pocet() &&
               StejneVstupy(c.Prvek(zacatek + k), s.Prvky[size_t(k)]))
            ++k;
        od[u] = zacatek;
        shoda[u] = k;
        if (k == vlastni && zacatek + k - 1 == c.Pocet()) return true;
    }
    return false;
}

} // namespace

std::string SouborRozvoduZalohy(const std::string& drn) {
    return TextCesty(CestaSouboru(drn).replace_extension(".DRR"));
}

VysledekSouboru UlozZalohu(DrunVar& var, const Rozvod* rozvod, const std::string& drn,
                           std::string& selhal) {
    // The rozvod first: a path beside an older rozvod would lose this run's branches.
    if (rozvod) {
        selhal = SouborRozvoduZalohy(drn);
        if (VysledekSouboru v = UlozRozvod(*rozvod, selhal); !v.Ok()) return v;
    }
    selhal = drn;
    return UlozData(var, drn);
}

bool SrovnejZalohu(const std::string& drn, const std::string& souborTlumice) {
    namespace fs = std::filesystem;
    const std::string drr = SouborRozvoduZalohy(drn);
    std::error_code eDrr, eDrn;
    const fs::file_time_type casDrr = fs::last_write_time(CestaSouboru(drr), eDrr);
    const fs::file_time_type casDrn = fs::last_write_time(CestaSouboru(drn), eDrn);
    // No rozvod, or a path saved after it (a calculation without branches).
    if (eDrr || (!eDrn && casDrn > casDrr)) return false;
    Rozvod r;
    if (!NactiRozvod(drr, souborTlumice, r).Ok()) return false;
    DrunVar cesta;
    cesta.SouborTlumice = souborTlumice;
    if (!eDrn && NactiData(cesta, drn).Ok() && JeCestouRozvodu(r, cesta)) return false;
    DrunVar var;
    const auto& m = r.Mistnosti();
    NastavCestuUseku(r, m.empty() ? 0 : m.front().Useky.front(), var);
    return UlozData(var, drn).Ok();
}

} // namespace drun
