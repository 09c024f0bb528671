#include "tools/Rozvod.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/DrunVyp.h"
#include "tools/Pozadavek.h"
#include "tools/Soucet.h"

namespace drun {

bool KonciMistnosti(const Usek& u) {
    return !u.Prvky.empty() && u.Prvky.back().Typ() == TypMistnost;
}

namespace {

// Why the parent of section i (standing after it in the file) cannot be
// taken: the chain of parents returns to a section already met, or not.
std::string ChybaPoradi(const std::vector<Usek>& useky, const std::map<int, size_t>& indexy,
                        size_t i) {
    std::vector<char> videno(useky.size());
    for (size_t j = i; !videno[j];) {
        videno[j] = 1;
        const auto it = indexy.find(useky[j].Rodic);
        if (useky[j].Rodic == 0 || it == indexy.end()) break;
        j = it->second;
        if (videno[j]) return "úseky tvoří smyčku";
    }
    return "rodič " + std::to_string(useky[i].Rodic) + " stojí v souboru až za úsekem";
}

} // namespace

std::string MezHloubky() {
    return "rozvod smí mít nejvýše " + std::to_string(NejvetsiHloubkaRozvodu) + " úrovní úseků";
}

std::optional<ChybaUseku> ChybaStruktury(const std::vector<Usek>& useky) {
    std::map<int, size_t> indexy;
    for (size_t i = 0; i < useky.size(); ++i)
        indexy.emplace(useky[i].Id, i);
    std::map<std::string, const std::string*> pozadavky;
    std::vector<int> uroven(useky.size(), 1);
    for (size_t i = 0; i < useky.size(); ++i) {
        const Usek& u = useky[i];
        const auto chyba = [i](CastUseku c, std::string proc) {
            return ChybaUseku{i, c, std::move(proc)};
        };
        if (u.Id < 1) return chyba(CastUseku::Id, "Id úseku musí být celé číslo od 1");
        if (indexy.at(u.Id) != i)
            return chyba(CastUseku::Id, "úsek s Id " + std::to_string(u.Id) + " už je");
        if (i == 0 && u.Rodic != 0)
            return chyba(CastUseku::Rodic, "první úsek začíná zdrojem: jeho Rodic musí být 0");
        if (i > 0) {
            if (u.Rodic == 0) return chyba(CastUseku::Rodic, "jen první úsek má Rodic=0");
            if (u.Rodic == u.Id)
                return chyba(CastUseku::Rodic, "úsek nemůže být svým vlastním rodičem (smyčka)");
            const auto it = indexy.find(u.Rodic);
            if (it == indexy.end())
                return chyba(CastUseku::Rodic, "neznámý rodič " + std::to_string(u.Rodic));
            if (it->second > i) return chyba(CastUseku::Rodic, ChybaPoradi(useky, indexy, i));
            uroven[i] = uroven[it->second] + 1;
            if (uroven[i] > NejvetsiHloubkaRozvodu)
                return chyba(CastUseku::Rodic, "úsek " + std::to_string(u.Id) + " leží v " +
                                                   std::to_string(uroven[i]) + ". úrovni, " +
                                                   MezHloubky());
            const Usek& rodic = useky[it->second];
            const auto pocet = static_cast<int>(rodic.Prvky.size());
            if (u.ZaElementem < 1 || u.ZaElementem > pocet)
                return chyba(CastUseku::ZaElementem,
                             "rodič " + std::to_string(u.Rodic) + " má elementy 1 až " +
                                 std::to_string(pocet) + ", ne " + std::to_string(u.ZaElementem));
            if (rodic.Prvky[size_t(u.ZaElementem - 1)].Typ() == TypMistnost)
                return chyba(CastUseku::ZaElementem, "za místností nelze větvit");
        }
        if (i == 0 && (u.Prvky.empty() || u.Prvky.front().Typ() != TypZdroj))
            return chyba(CastUseku::Prvky, "první úsek musí začínat zdrojem");
        for (size_t j = 0; j < u.Prvky.size(); ++j) {
            const auto typ = u.Prvky[j].Typ();
            if (typ == 0) return chyba(CastUseku::Prvky, "element bez typu");
            if (typ == TypZdroj && (i > 0 || j > 0))
                return chyba(CastUseku::Prvky, "zdroj smí být jen prvním elementem prvního úseku");
            if (typ == TypMistnost && j + 1 < u.Prvky.size())
                return chyba(CastUseku::Prvky, "místnost smí být jen posledním elementem úseku");
        }
        if (KonciMistnosti(u) && u.Mistnost.empty())
            return chyba(CastUseku::Usek, "úsek končí místností, chybí řádek Mistnost=");
        if (!KonciMistnosti(u) && !u.Mistnost.empty())
            return chyba(CastUseku::Mistnost, "úsek nekončí místností");
        if (u.Pozadavek.empty()) continue;
        if (u.Mistnost.empty())
            return chyba(CastUseku::Pozadavek, "požadavek smí mít jen úsek, který končí místností");
        if (!CtiPozadavek(u.Pozadavek)) return chyba(CastUseku::Pozadavek, "neplatný požadavek");
        const auto [it, novy] = pozadavky.emplace(u.Mistnost, &u.Pozadavek);
        if (!novy && *it->second != u.Pozadavek)
            return chyba(CastUseku::Pozadavek,
                         "místnost „" + u.Mistnost + "“ už má jiný požadavek: " + *it->second);
    }
    return std::nullopt;
}

void Rozvod::NastavUseky(std::vector<Usek> useky) {
    useky_ = std::move(useky);
    const size_t n = useky_.size();
    rodic_.assign(n, -1);
    deti_.assign(n, {});
    vstup_.assign(n, NulaSpektrum());
    konec_.assign(n, NulaSpektrum());
    chybaVstupu_.assign(n, 0);
    mistnostUseku_.assign(n, -1);
    mistnosti_.clear();
    urovne_.assign(n, {});
    ostatni_.assign(n, std::nullopt);
    std::map<int, size_t> indexy;
    std::map<std::string, size_t> podleJmena;
    for (size_t u = 0; u < n; ++u) {
        const Usek& s = useky_[u];
        indexy.emplace(s.Id, u);
        if (const auto it = indexy.find(s.Rodic); s.Rodic != 0 && it != indexy.end()) {
            rodic_[u] = static_cast<int>(it->second);
            deti_[it->second].push_back(u);
        }
        if (s.Mistnost.empty()) continue;
        const auto [it, nova] = podleJmena.emplace(s.Mistnost, mistnosti_.size());
        if (nova) mistnosti_.push_back({s.Mistnost, {}, {}, NulaSpektrum(), false});
        MistnostRozvodu& m = mistnosti_[it->second];
        if (m.Pozadavek.empty()) m.Pozadavek = s.Pozadavek;
        m.Useky.push_back(u);
        mistnostUseku_[u] = static_cast<int>(it->second);
    }
    Prepocitej();
}

void Rozvod::Prepocitej() {
    // Parents stand before their children: file order evaluates each once.
    for (size_t u = 0; u < useky_.size(); ++u) {
        Vstup(u);
        Spocti(u, 1);
    }
    for (size_t m = 0; m < mistnosti_.size(); ++m)
        SectiMistnost(m);
}

int Rozvod::Index(int id) const {
    for (size_t u = 0; u < useky_.size(); ++u)
        if (useky_[u].Id == id) return static_cast<int>(u);
    return -1;
}

void Rozvod::Vstup(size_t u) {
    const int p = rodic_[u];
    if (p < 0) return;
    const Usek& rodic = useky_[size_t(p)];
    const int za = useky_[u].ZaElementem;
    vstup_[u] = rodic.Prvky[size_t(za - 1)].ZaElementem;
    chybaVstupu_[u] = chybaVstupu_[size_t(p)] || (rodic.Chybny != 0 && rodic.Chybny <= za);
}

void Rozvod::Spocti(size_t u, int od) {
    std::vector<TElementSite>& prvky = useky_[u].Prvky;
    const Spectrum* pred = od > 1          ? &prvky[size_t(od - 2)].ZaElementem
                           : rodic_[u] < 0 ? nullptr
                                           : &vstup_[u];
    for (size_t j = size_t(od - 1); j < prvky.size(); ++j) {
        TElementSite& e = prvky[j];
        SpoctiUrovne(e, pred, e.Mezisoucet, e.ZaElementem);
        pred = &e.ZaElementem;
    }
    konec_[u] = prvky.empty() ? vstup_[u] : prvky.back().ZaElementem;
}

int Rozvod::PrepocitejOd(size_t u, int od) {
    // Kept between changes, so that a change allocates nothing.
    dotcene_.clear();
    dotcena_.resize(mistnosti_.size());
    zmeneny_.resize(mistnosti_.size());
    const auto zapis = [&](size_t s) {
        const int m = mistnostUseku_[s];
        if (m < 0) return;
        if (dotcena_[size_t(m)]++ == 0) dotcene_.push_back(size_t(m));
        zmeneny_[size_t(m)] = s;
    };
    Spocti(u, od);
    zapis(u);
    dale_.clear();
    for (size_t c : deti_[u])
        if (useky_[c].ZaElementem >= od) dale_.push_back(c);
    while (!dale_.empty()) {
        const size_t c = dale_.back();
        dale_.pop_back();
        Vstup(c);
        Spocti(c, 1);
        zapis(c);
        dale_.insert(dale_.end(), deti_[c].begin(), deti_[c].end());
    }
    for (size_t m : dotcene_) {
        MistnostRozvodu& r = mistnosti_[m];
        const size_t s = zmeneny_[m];
        // One of several paths changed: the others' sum stays, kept.
        if (dotcena_[m] == 1 && r.Useky.size() > 1) {
            for (size_t v : r.Useky)
                if (v != s) ostatni_[v].reset();
            if (!ostatni_[s]) {
                std::vector<Spectrum> k;
                for (size_t v : r.Useky)
                    if (v != s) k.push_back(konec_[v]);
                ostatni_[s].emplace(k);
            }
            r.Konec = ostatni_[s]->Soucet(&konec_[s]);
            r.Chyba = false;
            for (size_t v : r.Useky)
                r.Chyba = r.Chyba || ChybaCesty(v);
        } else {
            SectiMistnost(m);
        }
        dotcena_[m] = 0;
    }
    return static_cast<int>(dotcene_.size());
}

int Rozvod::ZmenPrvek(size_t u, int n, const TElementSite& e) {
    useky_[u].Prvky[size_t(n - 1)] = e;
    if (useky_[u].Chybny == n) useky_[u].Chybny = 0;
    return PrepocitejOd(u, n);
}

int Rozvod::VlozPrvek(size_t u, int k, const TElementSite& e) {
    Usek& s = useky_[u];
    s.Prvky.insert(s.Prvky.begin() + k, e);
    if (s.Chybny > k) ++s.Chybny;
    for (size_t c : deti_[u])
        if (useky_[c].ZaElementem >= k) ++useky_[c].ZaElementem;
    return PrepocitejOd(u, k + 1);
}

void Rozvod::SectiMistnost(size_t m) {
    MistnostRozvodu& r = mistnosti_[m];
    for (size_t u : r.Useky)
        ostatni_[u].reset();
    r.Konec = SoucetMistnosti(m, konec_);
    r.Chyba = false;
    for (size_t u : r.Useky)
        r.Chyba = r.Chyba || ChybaCesty(u);
}

Spectrum Rozvod::SoucetMistnosti(size_t m, const std::vector<Spectrum>& konce) const {
    const std::vector<size_t>& useky = mistnosti_[m].Useky;
    // One path is its own sum exactly: its bands, its L(A) from them.
    if (useky.size() == 1) {
        Spectrum s = konce[useky.front()];
        bool konecne = true;
        for (int i = 0; i < PocetPasem; ++i) {
            konecne = konecne && std::isfinite(s[i]);
            if (s[i] == 0.0) s[i] = 0.0; // as the sum gives a silent band, without a sign
        }
        if (konecne) return s;
    }
    std::vector<Spectrum> k;
    for (size_t u : useky)
        k.push_back(konce[u]);
    return SoucetSpekter(k);
}

std::vector<std::pair<size_t, int>> Rozvod::PoradiCesty(size_t u) const {
    std::vector<std::pair<size_t, int>> useky{{u, int(useky_[u].Prvky.size())}};
    for (size_t s = u; rodic_[s] >= 0; s = size_t(rodic_[s]))
        useky.emplace_back(size_t(rodic_[s]), useky_[s].ZaElementem);
    std::vector<std::pair<size_t, int>> v;
    for (auto it = useky.rbegin(); it != useky.rend(); ++it)
        for (int n = 1; n <= it->second; ++n)
            v.emplace_back(it->first, n);
    return v;
}

std::vector<TElementSite> Rozvod::PrvkyCesty(size_t u) const {
    std::vector<TElementSite> v;
    for (const auto& [s, n] : PoradiCesty(u))
        v.push_back(useky_[s].Prvky[size_t(n - 1)]);
    return v;
}

std::vector<size_t> Rozvod::Napajene(size_t u, int k) const {
    std::vector<char> napajen(useky_.size());
    std::vector<size_t> v{u};
    napajen[u] = 1;
    for (size_t s = u + 1; s < useky_.size(); ++s) {
        const int p = rodic_[s];
        if (p < 0 || !napajen[size_t(p)] || (size_t(p) == u && useky_[s].ZaElementem < k)) continue;
        napajen[s] = 1;
        v.push_back(s);
    }
    return v;
}

int Rozvod::NapajeneMistnosti(size_t u, int k) const {
    std::vector<char> videna(mistnosti_.size());
    int n = 0;
    for (size_t s : Napajene(u, k))
        if (const int m = mistnostUseku_[s]; m >= 0 && !videna[size_t(m)]++) ++n;
    return n;
}

std::vector<size_t> Rozvod::Vetve(size_t u) const {
    return Napajene(u, 0);
}

void Rozvod::KonceS(size_t u, int k, const std::vector<size_t>& napajene, const TElementSite& e,
                    std::vector<Spectrum>& konce) const {
    konce = konec_;
    Spectrum mezisoucet = NulaSpektrum();
    for (size_t v : napajene) {
        const std::vector<TElementSite>& prvky = useky_[v].Prvky;
        std::vector<Spectrum>& uroven = urovne_[v];
        uroven.resize(prvky.size());
        size_t od = 0;
        const Spectrum* pred;
        if (v == u) {
            SpoctiUrovne(e, &prvky[size_t(k - 1)].ZaElementem, mezisoucet, uroven[size_t(k - 1)]);
            pred = &uroven[size_t(k - 1)];
            od = size_t(k);
        } else {
            pred = &urovne_[size_t(rodic_[v])][size_t(useky_[v].ZaElementem - 1)];
        }
        for (size_t j = od; j < prvky.size(); ++j) {
            SpoctiUrovne(prvky[j], pred, mezisoucet, uroven[j]);
            pred = &uroven[j];
        }
        konce[v] = *pred;
    }
}

// ---- the remedy for the rooms behind an element ----

namespace {

struct Napajeni {
    size_t Usek = 0;
    std::vector<size_t> Useky;       // fed sections
    std::vector<size_t> Mistnosti;   // fed rooms, in table order
    std::vector<Spectrum> Pozadavky; // theirs
};

Napajeni ZjistiNapajeni(const Rozvod& r, size_t u, int k) {
    Napajeni n;
    n.Usek = u;
    n.Useky = r.Napajene(u, k);
    std::vector<char> napajena(r.Mistnosti().size());
    for (size_t s : n.Useky)
        if (r.MistnostUseku(s) >= 0) napajena[size_t(r.MistnostUseku(s))] = 1;
    for (size_t m = 0; m < napajena.size(); ++m) {
        if (!napajena[m]) continue;
        n.Mistnosti.push_back(m);
        n.Pozadavky.push_back(PozadavekZTextu(r.Mistnosti()[m].Pozadavek).value_or(NulaSpektrum()));
    }
    return n;
}

std::string Misto(int id, int k) {
    return std::to_string(id) + ":" + std::to_string(k);
}

} // namespace

std::string ChybaNavrhuRozvodu(const Rozvod& r, int id, int k) {
    const int u = r.Index(id);
    if (u < 0) return "Úsek " + std::to_string(id) + " v rozvodu není.";
    const auto& prvky = r.Useky()[size_t(u)].Prvky;
    if (k < 1 || k > int(prvky.size()))
        return "Element " + std::to_string(k) + " v úseku " + std::to_string(id) +
               " není; úsek má elementů: " + std::to_string(prvky.size()) + ".";
    if (prvky[size_t(k - 1)].Typ() == TypMistnost)
        return "Za elementem " + Misto(id, k) +
               " nelze navrhovat: útlum se vkládá jen před místnost.";
    const Napajeni n = ZjistiNapajeni(r, size_t(u), k);
    if (n.Mistnosti.empty()) return "Element " + Misto(id, k) + " nenapájí žádnou místnost.";
    bool zadan = false;
    for (const Spectrum& p : n.Pozadavky)
        for (int i = 0; i < PocetPasem; ++i)
            zadan = zadan || p[i] != 0.0;
    if (!zadan)
        return "Žádná místnost napájená elementem " + Misto(id, k) +
               " nemá požadavek: nejprve jej zadejte.";
    return {};
}

NavrhRozvodu SpoctiNavrhRozvodu(const Rozvod& r, int id, int k, const DrunVar& /*var*/, double a,
                                double b, double q, const DataTlumice* data, std::stop_token stop) {
    const auto u = size_t(r.Index(id));
    const Napajeni n = ZjistiNapajeni(r, u, k);
    const Spectrum& urovenK = r.Useky()[u].Prvky[size_t(k - 1)].ZaElementem;
    std::vector<Spectrum> konce;
    // The fed rooms' sums with e behind k.
    std::vector<Spectrum> soucty(n.Mistnosti.size());
    const auto spocti = [&](const TElementSite& e) {
        r.KonceS(u, k, n.Useky, e, konce);
        for (size_t j = 0; j < n.Mistnosti.size(); ++j)
            soucty[j] = r.SoucetMistnosti(n.Mistnosti[j], konce);
    };
    PasmaPozadavku ma{};
    for (const Spectrum& p : n.Pozadavky)
        for (size_t i = 0; i < PocetPasem; ++i)
            ma[i] = ma[i] || p[i] != 0.0;
    NavrhRozvodu v;
    const auto splni = [&](const TElementSite& e) {
        spocti(e);
        PasmaPozadavku s;
        s.fill(true);
        for (size_t j = 0; j < soucty.size(); ++j)
            for (size_t i = 0; i < PocetPasem; ++i)
                if (n.Pozadavky[j][i] != 0.0 && soucty[j][i] > n.Pozadavky[j][i]) s[i] = false;
        return s;
    };
    v.Utlum = HledejUtlum(urovenK, ma, splni, stop);
    // A band no attenuation meets: the first such room and what it hears loudest
    // that the attenuation cannot reach.
    spocti(PlneTlumeni(urovenK));
    for (int i = 0; i < PocetPasem; ++i) {
        const auto p = static_cast<size_t>(i);
        if (v.Utlum.Stav[p] != StavPasma::Nelze) continue;
        size_t j = 0;
        while (j + 1 < soucty.size() &&
               !(n.Pozadavky[j][p] != 0.0 && soucty[j][p] > n.Pozadavky[j][p]))
            ++j;
        const MistnostRozvodu& m = r.Mistnosti()[n.Mistnosti[j]];
        BlokujeRozvod& bl = v.Blokuje[p];
        bl.Mistnost = m.Nazev;
        double nej = 0;
        for (size_t s : m.Useky) {
            auto poradi = r.PoradiCesty(s);
            if (std::find(n.Useky.begin(), n.Useky.end(), s) != n.Useky.end())
                poradi.erase(poradi.begin(),
                             std::find(poradi.begin(), poradi.end(), std::pair{u, k}) + 1);
            std::vector<const TElementSite*> prvky;
            for (const auto& [t, c] : poradi)
                prvky.push_back(&r.Useky()[t].Prvky[size_t(c - 1)]);
            double h = 0;
            const int x = Nejhlucnejsi(prvky, i, h);
            if (x < 0 || (bl.Cislo != 0 && h <= nej)) continue;
            nej = h;
            bl.Usek = r.Useky()[poradi[size_t(x)].first].Id;
            bl.Cislo = poradi[size_t(x)].second;
        }
    }
    // An element placed behind k: the margin over every fed room, and the first room's sum.
    const RezervaPrvku rezerva = [&](const TElementSite& e,
                                     Spectrum& konec) -> std::optional<double> {
        spocti(e);
        double nejmene = HUGE_VAL;
        for (size_t j = 0; j < soucty.size(); ++j) {
            const std::optional<double> m = Rezerva(soucty[j], n.Pozadavky[j]);
            if (!m) return std::nullopt;
            nejmene = std::min(nejmene, *m);
        }
        konec = soucty.front();
        return nejmene;
    };
    if (!ChybaPrurezu(a, b, q).empty()) return v;
    v.Oblozeni = HledejOblozeni(a, b, q, rezerva, stop);
    if (data) v.Tlumice = HledejTlumice(a, b, q, *data, rezerva, stop);
    return v;
}

std::string TextNavrhuRozvodu(const Rozvod& r, int id, int k, const NavrhRozvodu& n,
                              int kandidatu) {
    const auto& prvky = r.Useky()[size_t(r.Index(id))].Prvky;
    std::string t =
        "Za elementem\t" + Misto(id, k) + "\t" + prvky[size_t(k - 1)].NazevTypu() + "\n";
    t += RadekUtlumu(n.Utlum);
    for (size_t i = 0; i < PocetPasem; ++i) {
        if (n.Utlum.Stav[i] != StavPasma::Nelze) continue;
        const BlokujeRozvod& b = n.Blokuje[i];
        t += std::string("Nelze\t") + NazvyPasem[i] + '\t';
        t += b.Cislo == 0
                 ? std::string("-\t-")
                 : Misto(b.Usek, b.Cislo) + '\t' +
                       r.Useky()[size_t(r.Index(b.Usek))].Prvky[size_t(b.Cislo - 1)].NazevTypu();
        t += '\t' + b.Mistnost + '\n';
    }
    return t + TextKandidatu(n.Tlumice, kandidatu);
}

} // namespace drun
