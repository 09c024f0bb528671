#include "tools/Prutoky.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/Cisla.h"
#include "core/Druhy.h"
#include "models/Tlumic.h"
#include "models/Vypocet.h"

namespace drun {

namespace {

struct Strom {
    std::vector<int> rodic; // -1 for the first section
    std::vector<std::vector<size_t>> deti;
};

Strom StromUseku(const std::vector<Usek>& useky) {
    std::map<int, size_t> indexy;
    for (size_t i = 0; i < useky.size(); ++i)
        indexy.emplace(useky[i].Id, i);
    Strom t{std::vector<int>(useky.size(), -1), std::vector<std::vector<size_t>>(useky.size())};
    for (size_t i = 1; i < useky.size(); ++i) {
        const size_t r = indexy.at(useky[i].Rodic);
        t.rodic[i] = static_cast<int>(r);
        t.deti[r].push_back(i);
    }
    return t;
}

// The own element of the outlet that gives section s's end its flow: the last
// outlet behind which no section branches (the air of a branch behind it
// would pass it too); 0 when there is none.
int KoncovaVyustka(const std::vector<Usek>& useky, const Strom& t, size_t s) {
    int vetev = 0;
    for (size_t c : t.deti[s])
        vetev = std::max(vetev, useky[c].ZaElementem);
    const auto& prvky = useky[s].Prvky;
    for (int k = static_cast<int>(prvky.size()); k > vetev; --k)
        if (prvky[size_t(k - 1)].Typ() == TypVyustka) return k;
    return 0;
}

bool BezVyustky(const std::vector<Usek>& useky, const Strom& t, size_t s) {
    return !useky[s].Mistnost.empty() && KoncovaVyustka(useky, t, s) == 0;
}

// A flow summed over the path ends that carry one; `nese` false when none does.
struct Soucet {
    double q = 0;
    bool nese = false;
    Soucet& operator+=(const Soucet& o) {
        q += o.q;
        nese = nese || o.nese;
        return *this;
    }
};

// Why an element cannot take these inputs: a flow out of its range, the
// kind's own check, the air too fast; empty when it can.
std::string ChybaVstupu(const DruhElementu& d, VstupyElementu& v) {
    for (const VstupDruhu& p : d.Vstupy) {
        if (p.Role == RoleVstupu::Zadna || !p.Real) continue;
        const double x = *p.Real(v);
        if (!(x >= p.Min && x <= p.Max))
            return std::string(p.Nazev) + " " + FormatCislo(x, 1) + " " + p.Jednotka +
                   " je mimo rozsah " + FormatObecne(p.Min) + " až " + FormatObecne(p.Max) + ".";
    }
    if (d.Kontrola) {
        std::string chyba = d.Kontrola(v);
        if (!chyba.empty()) return chyba;
    }
    if (!RychlostVMezich(v)) return "Příliš vysoká rychlost vzduchu v průřezu.";
    return {};
}

// The description follows the flows: the numbers written just before
// "m3/hod" (a branch writes "before / into") that read as the old flows in
// that order become the new ones, in the old ones' decimals. A description
// written otherwise is left as it is.
std::string PopisSPrutoky(std::string popis, const std::vector<std::pair<double, double>>& q) {
    const size_t jednotka = popis.rfind("m3/hod");
    if (jednotka == std::string::npos) return popis;
    std::vector<std::pair<size_t, size_t>> cisla;
    for (size_t konec = jednotka;;) {
        size_t z = konec;
        while (z > 0 && (std::isdigit(static_cast<unsigned char>(popis[z - 1])) ||
                         popis[z - 1] == '.' || popis[z - 1] == ','))
            --z;
        if (z == konec) break;
        cisla.insert(cisla.begin(), {z, konec});
        if (z < 3 || popis.compare(z - 3, 3, " / ") != 0) break;
        konec = z - 3;
    }
    if (cisla.size() != q.size()) return popis;
    for (size_t i = cisla.size(); i-- > 0;) {
        const auto [z, k] = cisla[i];
        std::string text = popis.substr(z, k - z);
        std::replace(text.begin(), text.end(), ',', '.');
        const auto x = CtiDouble(text);
        if (!x || *x != q[i].first) continue;
        const size_t tecka = text.find('.');
        const int desetin = tecka == std::string::npos ? 0 : static_cast<int>(k - z - tecka - 1);
        popis.replace(z, k - z, FormatPevne(q[i].second, desetin));
    }
    return popis;
}

} // namespace

std::vector<std::string> MistnostiBezVyustky(const std::vector<Usek>& useky) {
    const Strom t = StromUseku(useky);
    std::vector<std::string> r;
    for (size_t s = 0; s < useky.size(); ++s)
        if (BezVyustky(useky, t, s) && std::find(r.begin(), r.end(), useky[s].Mistnost) == r.end())
            r.push_back(useky[s].Mistnost);
    return r;
}

double NynejsiPrutokMistnosti(const std::vector<Usek>& useky, const std::string& mistnost) {
    const Strom t = StromUseku(useky);
    double q = 0;
    for (size_t s = 0; s < useky.size(); ++s) {
        if (useky[s].Mistnost != mistnost || !BezVyustky(useky, t, s)) continue;
        const auto& prvky = useky[s].Prvky;
        const auto nese = [](const TElementSite& e) {
            const DruhElementu* d = Druh(e.Typ());
            if (!d) return 0.0;
            for (const VstupDruhu& p : d->Vstupy)
                if (p.Role == RoleVstupu::Prutok) {
                    VstupyElementu v = e.Vstupy;
                    return *p.Real(v);
                }
            return 0.0;
        };
        for (auto it = prvky.rbegin(); it != prvky.rend(); ++it)
            if (const double x = nese(*it); x > 0) {
                q += x;
                break;
            }
    }
    return q;
}

VysledekPrutoku PrutokyPodleMistnosti(const std::vector<Usek>& useky,
                                      const std::map<std::string, double>& zadane,
                                      const std::string& souborTlumice) {
    VysledekPrutoku v;
    v.Useky = useky;
    const Strom t = StromUseku(useky);
    std::map<std::string, int> bezVyustky; // a room's paths that share its given flow
    for (size_t s = 0; s < useky.size(); ++s)
        if (BezVyustky(useky, t, s)) ++bezVyustky[useky[s].Mistnost];
    for (const std::string& m : MistnostiBezVyustky(useky)) {
        const auto it = zadane.find(m);
        if (it == zadane.end() || !(it->second > 0) || !std::isfinite(it->second))
            v.BezPrutoku.push_back(m);
    }
    if (!v.BezPrutoku.empty()) return v;

    const size_t n = useky.size();
    std::vector<Soucet> konec(n), celkem(n);
    for (size_t s = 0; s < n; ++s) {
        if (const int k = KoncovaVyustka(useky, t, s)) {
            const auto& e = useky[s].Prvky[size_t(k - 1)];
            konec[s] = {e.Vstup<VstupyVyustka>().Prutok, true};
        } else if (!useky[s].Mistnost.empty()) {
            konec[s] = {zadane.at(useky[s].Mistnost) / bezVyustky.at(useky[s].Mistnost), true};
        }
    }
    // Behind own element k: the section's own end and the branches at k or later.
    std::vector<std::vector<Soucet>> za(n);
    for (size_t s = n; s-- > 0;) {
        const size_t pocet = useky[s].Prvky.size();
        za[s].assign(pocet + 2, Soucet{});
        for (size_t c : t.deti[s])
            za[s][size_t(useky[c].ZaElementem)] += celkem[c];
        za[s][pocet + 1] = konec[s];
        for (size_t k = pocet + 1; k-- > 0;)
            za[s][k] += za[s][k + 1];
        celkem[s] = za[s][0];
    }
    const auto pred = [&](size_t s, int k) {
        if (k > 1) return za[s][size_t(k - 1)];
        if (t.rodic[s] >= 0) return za[size_t(t.rodic[s])][size_t(useky[s].ZaElementem)];
        return za[s][size_t(k)];
    };

    DrunVar var;
    if (!souborTlumice.empty()) var.SouborTlumice = souborTlumice;
    for (size_t s = 0; s < n; ++s) {
        auto& prvky = v.Useky[s].Prvky;
        for (int k = 1; k <= static_cast<int>(prvky.size()); ++k) {
            TElementSite& e = prvky[size_t(k - 1)];
            const DruhElementu* d = Druh(e.Typ());
            if (!d) continue;
            VstupyElementu nove = e.Vstupy;
            std::vector<ZmenaPrutoku> zmeny;
            std::vector<std::pair<double, double>> popis; // the flow before first
            for (const VstupDruhu& p : d->Vstupy) {
                if (p.Role == RoleVstupu::Zadna || !p.Real) continue;
                const Soucet q = p.Role == RoleVstupu::PrutokPred ? pred(s, k) : za[s][size_t(k)];
                double& x = *p.Real(nove);
                const auto misto = p.Role == RoleVstupu::PrutokPred ? popis.begin() : popis.end();
                popis.insert(misto, {x, q.nese ? q.q : x});
                if (!q.nese || x == q.q) continue;
                zmeny.push_back({useky[s].Id, k, p.Nazev, x, q.q});
                x = q.q;
            }
            if (zmeny.empty()) continue;
            std::string proc = ChybaVstupu(*d, nove);
            TElementSite novy = e;
            novy.Vstupy = std::move(nove);
            if (proc.empty() && !SpoctiSamotny(var, novy))
                proc = ProcTlumicNelze(var.SouborTlumice);
            if (!proc.empty()) {
                v.Nevyhovi.push_back({useky[s].Id, k, std::move(zmeny), std::move(proc)});
                continue;
            }
            novy.Popis = PopisSPrutoky(std::move(novy.Popis), popis);
            e = std::move(novy);
            // The element its model could not compute now computes: the section's
            // first such element is a later one, if any.
            if (v.Useky[s].Chybny == k) {
                v.Useky[s].Chybny = 0;
                for (size_t j = size_t(k); j < prvky.size() && !v.Useky[s].Chybny; ++j)
                    if (TElementSite x = prvky[j]; !SpoctiSamotny(var, x))
                        v.Useky[s].Chybny = int(j) + 1;
            }
            v.Zmeny.insert(v.Zmeny.end(), zmeny.begin(), zmeny.end());
        }
    }
    return v;
}

std::vector<std::vector<std::string>> RadkyZmenPrutoku(const std::vector<Usek>& useky,
                                                       const VysledekPrutoku& v) {
    std::map<int, size_t> indexy;
    for (size_t i = 0; i < useky.size(); ++i)
        indexy.emplace(useky[i].Id, i);
    const auto prvek = [&](int id, int k) {
        return std::vector<std::string>{std::to_string(id), std::to_string(k),
                                        NazevTypu(useky[indexy.at(id)].Prvky[size_t(k - 1)].Typ())};
    };
    std::vector<std::vector<std::string>> t{{"Úsek", "Element", "Typ", "Vstup", "Původní", "Nový"}};
    for (const ZmenaPrutoku& z : v.Zmeny) {
        auto r = prvek(z.Usek, z.Prvek);
        r.insert(r.end(), {z.Nazev, FormatCislo(z.Puvodni, 1), FormatCislo(z.Novy, 1)});
        t.push_back(std::move(r));
    }
    for (const NevyhoviPrutok& n : v.Nevyhovi) {
        auto r = prvek(n.Usek, n.Prvek);
        r.insert(r.begin(), "Nevyhoví");
        r.push_back(n.Proc);
        t.push_back(std::move(r));
    }
    for (const std::string& m : v.BezPrutoku)
        t.push_back({"Bez průtoku", m});
    t.push_back({"Změn", std::to_string(v.Zmeny.size())});
    return t;
}

} // namespace drun
