#include "core/Snimek.h"

#include <algorithm>

namespace drun {

bool StejneVstupy(const TElementSite& a, const TElementSite& b) {
    return a.Popis == b.Popis && a.Vstupy == b.Vstupy && a.Utlum == b.Utlum &&
           a.VlastniDrun == b.VlastniDrun;
}

namespace {

bool Stejne(const TElementSite& a, const TElementSite& b) {
    return a.Cislo == b.Cislo && StejneVstupy(a, b) && a.Mezisoucet == b.Mezisoucet &&
           a.ZaElementem == b.ZaElementem;
}

} // namespace

SnimekVypoctu Sejmi(const DrunVar& var, const SnimekVypoctu* predchozi) {
    SnimekVypoctu s;
    const int n = var.cesta.Pocet();
    s.Prvky.reserve(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const TElementSite& e = var.cesta.Prvek(i);
        const size_t k = static_cast<size_t>(i - 1);
        if (predchozi && k < predchozi->Prvky.size() && Stejne(*predchozi->Prvky[k], e))
            s.Prvky.push_back(predchozi->Prvky[k]);
        else
            s.Prvky.push_back(std::make_shared<const TElementSite>(e));
    }
    s.Akce = var.Akce;
    return s;
}

void Obnov(DrunVar& var, const SnimekVypoctu& s, int aktualni) {
    std::vector<TElementSite> prvky;
    prvky.reserve(s.Prvky.size());
    for (const auto& e : s.Prvky)
        prvky.push_back(*e);
    var.cesta.NastavPrvky(std::move(prvky));
    var.cesta.NajdiElement(aktualni);
    var.Akce = s.Akce;
}

int PrvniZmena(const Cesta& cesta, const SnimekVypoctu& s) {
    const int n = std::min(cesta.Pocet(), static_cast<int>(s.Prvky.size()));
    for (int i = 1; i <= n; ++i)
        if (!StejneVstupy(cesta.Prvek(i), *s.Prvky[static_cast<size_t>(i - 1)])) return i;
    return cesta.Pocet() == static_cast<int>(s.Prvky.size()) ? 0 : n + 1;
}

} // namespace drun
