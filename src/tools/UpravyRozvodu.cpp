#include "tools/UpravyRozvodu.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/Snimek.h"

namespace drun {

namespace {

int NoveId(const std::vector<Usek>& useky) {
    int id = 0;
    for (const Usek& u : useky)
        id = std::max(id, u.Id);
    return id + 1;
}

// The sections branching off section s or its branches, s included.
std::vector<char> Potomci(const std::vector<Usek>& useky, size_t s) {
    std::vector<char> v(useky.size());
    v[s] = 1;
    std::set<int> ids{useky[s].Id};
    // Parents stand before their children.
    for (size_t i = s + 1; i < useky.size(); ++i)
        if (ids.contains(useky[i].Rodic)) {
            v[i] = 1;
            ids.insert(useky[i].Id);
        }
    return v;
}

} // namespace

void VypustZUseku(std::vector<Usek>& useky, size_t s, int n) {
    Usek& u = useky[s];
    u.Prvky.erase(u.Prvky.begin() + (n - 1));
    if (u.Chybny == n)
        u.Chybny = 0;
    else if (u.Chybny > n)
        --u.Chybny;
    for (Usek& c : useky) {
        if (c.Rodic != u.Id || c.ZaElementem < n) continue;
        if (c.ZaElementem > n || n > 1) {
            --c.ZaElementem;
        } else {
            c.Rodic = u.Rodic;
            c.ZaElementem = u.ZaElementem;
        }
    }
    if (!KonciMistnosti(u)) {
        u.Mistnost.clear();
        u.Pozadavek.clear();
    }
}

void VlozDoPokracovani(std::vector<Usek>& useky, size_t s, int k, const TElementSite& e) {
    Usek& u = useky[s];
    u.Prvky.insert(u.Prvky.begin() + k, e);
    if (u.Chybny > k) ++u.Chybny;
    for (Usek& c : useky)
        if (c.Rodic == u.Id && c.ZaElementem > k) ++c.ZaElementem;
}

std::string ChybaVetve(const std::vector<Usek>& useky, size_t s, int k) {
    if (k < 1 || k > int(useky[s].Prvky.size())) return "Vyberte element, za kterým větev začne.";
    if (useky[s].Prvky[size_t(k - 1)].Typ() == TypMistnost) return "Za místností nelze větvit.";
    // The new section's level: one below s, whose ancestors stand before it.
    std::map<int, int> uroven;
    for (size_t i = 0; i <= s; ++i) {
        const auto p = uroven.find(useky[i].Rodic);
        uroven[useky[i].Id] = p == uroven.end() ? 1 : p->second + 1;
    }
    if (const int u = uroven[useky[s].Id] + 1; u > NejvetsiHloubkaRozvodu)
        return "Nová větev by ležela v " + std::to_string(u) + ". úrovni, " + MezHloubky() + ".";
    return {};
}

size_t NovaVetev(std::vector<Usek>& useky, size_t s, int k) {
    Usek v;
    v.Id = NoveId(useky);
    v.Rodic = useky[s].Id;
    v.ZaElementem = k;
    useky.push_back(std::move(v));
    return useky.size() - 1;
}

void OdstranVetev(std::vector<Usek>& useky, size_t s) {
    const std::vector<char> pryc = Potomci(useky, s);
    size_t i = 0;
    std::erase_if(useky, [&](const Usek&) { return pryc[i++] != 0; });
}

size_t KopirujUsek(std::vector<Usek>& useky, size_t s) {
    Usek v = useky[s];
    v.Id = NoveId(useky);
    useky.push_back(std::move(v));
    if (!useky.back().Mistnost.empty()) {
        useky.back().Mistnost += " (kopie)";
        useky.back().Mistnost = JmenoNoveMistnosti(useky, useky.size() - 1);
    }
    return useky.size() - 1;
}

std::string PrejmenujMistnost(std::vector<Usek>& useky, size_t s, const std::string& jmeno) {
    Usek& u = useky[s];
    if (!KonciMistnosti(u))
        return "Úsek " + std::to_string(u.Id) + " nekončí místností: jméno má jen místnost.";
    if (jmeno.empty()) return "Zadejte jméno místnosti.";
    if (std::any_of(jmeno.begin(), jmeno.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
        return "Jméno místnosti musí být na jednom řádku.";
    std::vector<Usek> nove = useky;
    // One name: the room element's description shows it.
    nove[s].Mistnost = jmeno;
    nove[s].Prvky.back().Popis = jmeno;
    if (const auto c = ChybaStruktury(nove)) return "Místnost nelze přejmenovat: " + c->Proc + ".";
    useky = std::move(nove);
    return {};
}

std::string JmenoNoveMistnosti(const std::vector<Usek>& useky, size_t s) {
    const Usek& u = useky[s];
    const std::string zaklad = !u.Mistnost.empty() ? u.Mistnost
                               : KonciMistnosti(u) && !u.Prvky.back().Popis.empty()
                                   ? u.Prvky.back().Popis
                                   : "Místnost " + std::to_string(u.Id);
    const auto obsazeno = [&](const std::string& j) {
        return std::any_of(useky.begin(), useky.end(),
                           [&](const Usek& v) { return &v != &u && v.Mistnost == j; });
    };
    std::string jmeno = zaklad;
    for (int i = 2; obsazeno(jmeno); ++i)
        jmeno = zaklad + " (" + std::to_string(i) + ")";
    return jmeno;
}

int UsekMistnosti(const std::vector<Usek>& useky, size_t s, const std::string& jmeno) {
    for (size_t i = 0; i < useky.size(); ++i)
        if (i != s && !jmeno.empty() && useky[i].Mistnost == jmeno) return int(i);
    return -1;
}

void PojmenujMistnosti(std::vector<Usek>& useky) {
    for (size_t s = 0; s < useky.size(); ++s) {
        Usek& u = useky[s];
        if (!KonciMistnosti(u)) {
            u.Mistnost.clear();
            u.Pozadavek.clear();
        } else if (u.Mistnost.empty()) {
            u.Mistnost = JmenoNoveMistnosti(useky, s);
        }
    }
}

SnimekRozvodu SejmiRozvod(const Rozvod& r, const SnimekRozvodu* predchozi) {
    SnimekRozvodu s;
    s.Akce = r.Akce;
    const std::vector<Usek>& useky = r.Useky();
    s.Useky.reserve(useky.size());
    for (size_t i = 0; i < useky.size(); ++i) {
        const Usek& u = useky[i];
        SnimekUseku v{u.Id, u.Rodic, u.ZaElementem, u.Mistnost, u.Pozadavek, nullptr, u.Chybny};
        // A section whose inputs stayed keeps the previous step's elements.
        if (predchozi && i < predchozi->Useky.size()) {
            const auto& p = predchozi->Useky[i].Prvky;
            if (p && p->size() == u.Prvky.size() &&
                std::equal(p->begin(), p->end(), u.Prvky.begin(), StejneVstupy))
                v.Prvky = p;
        }
        if (!v.Prvky) v.Prvky = std::make_shared<const std::vector<TElementSite>>(u.Prvky);
        s.Useky.push_back(std::move(v));
    }
    return s;
}

std::vector<Usek> UsekySnimku(const SnimekRozvodu& s) {
    std::vector<Usek> v;
    v.reserve(s.Useky.size());
    for (const SnimekUseku& u : s.Useky)
        v.push_back({u.Id, u.Rodic, u.ZaElementem, u.Mistnost, u.Pozadavek, *u.Prvky, u.Chybny});
    return v;
}

} // namespace drun
