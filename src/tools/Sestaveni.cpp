#include "tools/Sestaveni.h"

#include "core/Druhy.h"

namespace drun {

bool StejnyZaznam(const TElementSite& a, const TElementSite& b) {
    if (a.Typ() != b.Typ() || a.Popis != b.Popis || !(a.Vstupy == b.Vstupy)) return false;
    const DruhElementu* d = Druh(a.Typ());
    if (!d) return false;
    for (const VstupDruhu& v : d->Vstupy) {
        if (!v.Spektrum || !v.Cteni) continue;
        const Spectrum& x = a.*v.Spektrum;
        const Spectrum& y = b.*v.Spektrum;
        for (int p = 0; p < PocetPasem; ++p)
            if (x[size_t(p)] != y[size_t(p)]) return false;
    }
    return true;
}

std::string SestavUseky(const std::vector<CestaKSestaveni>& cesty, std::vector<Usek>& useky) {
    if (cesty.empty()) return "Není z čeho sestavit rozvod: žádná cesta.";
    for (const CestaKSestaveni& c : cesty) {
        if (c.Prvky.empty() || c.Prvky.front().Typ() != TypZdroj)
            return "Soubor " + c.Soubor + " nezačíná zdrojem drunu.";
        if (c.Prvky.size() < 2 || c.Prvky.back().Typ() != TypMistnost)
            return "Soubor " + c.Soubor +
                   " nekončí místností: cesta rozvodu musí vést do místnosti.";
        if (!StejnyZaznam(c.Prvky.front(), cesty.front().Prvky.front()))
            return "Soubor " + c.Soubor + " začíná jiným zdrojem než soubor " +
                   cesty.front().Soubor + ": rozvod má jeden zdroj.";
    }
    // A node per element of the tree: where it stands and the nodes behind it.
    struct Uzel {
        size_t Usek;
        int Prvek;
        std::vector<size_t> Deti;
    };
    std::vector<Uzel> uzly{{0, 1, {}}};
    std::vector<Usek> v;
    v.reserve(cesty.size());
    for (size_t i = 0; i < cesty.size(); ++i) {
        const auto& prvky = cesty[i].Prvky;
        size_t uzel = 0, j = 1;
        // The room is never shared: the path keeps its own end.
        for (; j + 1 < prvky.size(); ++j) {
            size_t dal = 0;
            for (size_t d : uzly[uzel].Deti) {
                const Uzel& u = uzly[d];
                if (StejnyZaznam(v[u.Usek].Prvky[size_t(u.Prvek - 1)], prvky[j])) {
                    dal = d;
                    break;
                }
            }
            if (dal == 0) break;
            uzel = dal;
        }
        Usek u;
        u.Id = static_cast<int>(i) + 1;
        if (i > 0) {
            u.Rodic = v[uzly[uzel].Usek].Id;
            u.ZaElementem = uzly[uzel].Prvek;
        } else {
            j = 0;
        }
        u.Mistnost = cesty[i].Mistnost;
        u.Pozadavek = cesty[i].Pozadavek;
        u.Prvky.assign(prvky.begin() + std::ptrdiff_t(j), prvky.end());
        for (size_t k = i > 0 ? 0 : 1; k < u.Prvky.size(); ++k) {
            uzly.push_back({i, static_cast<int>(k) + 1, {}});
            uzly[uzel].Deti.push_back(uzly.size() - 1);
            uzel = uzly.size() - 1;
        }
        v.push_back(std::move(u));
    }
    useky = std::move(v);
    return {};
}

} // namespace drun
