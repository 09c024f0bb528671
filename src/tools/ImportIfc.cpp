#include "tools/ImportIfc.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <set>

#include "core/Cisla.h"
#include "core/Druhy.h"
#include "core/Kontroly.h"
#include "tools/Prutoky.h"
#include "tools/Ventilator.h"

namespace drun {

namespace {

const char* TextTridy(TridaPrvku t) {
    switch (t) {
    case TridaPrvku::Potrubi:
        return "potrubí";
    case TridaPrvku::Tvarovka:
        return "tvarovka";
    case TridaPrvku::Koncovy:
        return "koncový prvek";
    case TridaPrvku::Ventilator:
        return "ventilátor";
    case TridaPrvku::Jednotka:
        return "VZT jednotka";
    case TridaPrvku::Tlumic:
        return "tlumič";
    case TridaPrvku::Klapka:
        return "klapka";
    case TridaPrvku::Filtr:
        return "filtr";
    case TridaPrvku::Rekuperace:
        return "zpětné získávání tepla";
    case TridaPrvku::Cidlo:
        return "čidlo";
    case TridaPrvku::Jiny:
        break;
    }
    return "prvek";
}

bool JeZdroj(const PrvekGrafu& p) {
    return p.Trida == TridaPrvku::Ventilator || p.Trida == TridaPrvku::Jednotka;
}

// How many connections an element may have: a segment or an in-line part
// two, a terminal one; a junction, a fan or a unit any number.
size_t MezSpojeni(const PrvekGrafu& p) {
    switch (p.Trida) {
    case TridaPrvku::Koncovy:
        return 1;
    case TridaPrvku::Ventilator:
    case TridaPrvku::Jednotka:
    case TridaPrvku::Rekuperace:
        return SIZE_MAX;
    case TridaPrvku::Tvarovka:
        return p.Tvar == DruhTvarovky::Odbocka ? SIZE_MAX : 2;
    default:
        return 2;
    }
}

std::string Seznam(const std::vector<std::string>& s) {
    std::string r;
    for (const std::string& x : s)
        r += (r.empty() ? "" : ", ") + x;
    return r;
}

std::string Metry(double x) {
    return FormatPevne(x, 2) + " m";
}

// Every input of the element within its kind's range, so that the rozvod is
// written and read back: a value the model gave outside it is set to the
// nearest limit and told; an unknown one (0, listed as missing) silently.
void DoRozsahu(TElementSite& e, const std::string& nazev, std::vector<std::string>& upraveno) {
    const DruhElementu* d = Druh(e.Typ());
    if (!d) return;
    for (const VstupDruhu& v : d->Vstupy) {
        const auto uprav = [&](double& x) {
            const double y = std::clamp(x, v.Min, v.Max);
            if (y != x && x != 0)
                upraveno.push_back(std::string(d->Nazev) + " " + nazev + ": " + v.Nazev + " " +
                                   FormatObecne(x) + " " + v.Jednotka + " mimo rozsah, použito " +
                                   FormatObecne(y) + " " + v.Jednotka);
            x = y;
        };
        if (v.Forma == FormaVstupu::Real && v.Real) {
            uprav(*v.Real(e.Vstupy));
        } else if (v.Forma == FormaVstupu::Cele && v.Cele) {
            int* n = v.Cele(e.Vstupy);
            *n = std::clamp(*n, int(v.Min), int(v.Max));
        } else if (v.Spektrum) {
            Spectrum& s = e.*v.Spektrum;
            for (int i = 0; i < PocetPasem; ++i)
                uprav(s[size_t(i)]);
            SpoctiLA(s);
        }
    }
}

// The tree of the network from the source, its dead ends cut off.
struct Strom {
    std::vector<long> Rodic;        // -1 the source, -2 not reached
    std::vector<size_t> Vstup;      // the port the element was reached through
    std::vector<size_t> PortRodice; // the parent's port it was reached from
    std::vector<std::vector<size_t>> Deti;
    std::vector<size_t> Poradi; // breadth first
    std::vector<char> Dosah;    // reaches a terminal
    std::vector<double> Prutok; // m3/h the terminals behind it take
};

std::string Projdi(const GrafSite& g, size_t zdroj, Strom& s) {
    const size_t n = g.Prvky.size();
    s.Rodic.assign(n, -2);
    s.Vstup.assign(n, SIZE_MAX);
    s.PortRodice.assign(n, SIZE_MAX);
    s.Deti.assign(n, {});
    s.Rodic[zdroj] = -1;
    std::deque<size_t> fronta{zdroj};
    while (!fronta.empty()) {
        const size_t u = fronta.front();
        fronta.pop_front();
        s.Poradi.push_back(u);
        const PrvekGrafu& p = g.Prvky[u];
        size_t spojeni = 0;
        bool dvakrat = false;
        for (size_t port : p.Porty) {
            spojeni += g.Porty[port].Spoje.size();
            dvakrat = dvakrat || g.Porty[port].Spoje.size() > 1;
        }
        if (dvakrat || spojeni > MezSpojeni(p))
            return NazevPrvkuGrafu(g, u) + " je spojen s více prvky, než síť dovoluje (" +
                   std::to_string(spojeni) + " spojení" +
                   (dvakrat ? ", port spojený vícekrát" : "") + ")";
        for (size_t port : p.Porty)
            for (size_t q : g.Porty[port].Spoje) {
                if (port == s.Vstup[u] && q == s.PortRodice[u]) continue;
                const size_t v = g.Porty[q].Prvek;
                if (v == u || s.Rodic[v] != -2)
                    return "síť tvoří smyčku: " + NazevPrvkuGrafu(g, u) + " a " +
                           NazevPrvkuGrafu(g, v) + " jsou spojeny i jinou cestou";
                s.Rodic[v] = long(u);
                s.Vstup[v] = q;
                s.PortRodice[v] = port;
                s.Deti[u].push_back(v);
                fronta.push_back(v);
            }
    }
    // A system's part that hangs on elements without ports cannot be walked.
    for (const SystemGrafu& sys : g.Systemy) {
        if (std::find(sys.Prvky.begin(), sys.Prvky.end(), zdroj) == sys.Prvky.end()) continue;
        std::vector<std::string> bez, mimo;
        for (size_t p : sys.Prvky) {
            if (g.Prvky[p].Porty.empty())
                bez.push_back(NazevPrvkuGrafu(g, p));
            else if (s.Rodic[p] == -2)
                mimo.push_back(NazevPrvkuGrafu(g, p));
        }
        if (!bez.empty() && !mimo.empty())
            return "část systému " + sys.Nazev + " (" + Seznam(mimo) +
                   ") je připojena jen přes prvky bez portů: " + Seznam(bez);
    }
    s.Dosah.assign(n, 0);
    for (size_t i = s.Poradi.size(); i-- > 0;) {
        const size_t u = s.Poradi[i];
        s.Dosah[u] = u != zdroj && g.Prvky[u].Trida == TridaPrvku::Koncovy;
        for (size_t v : s.Deti[u])
            s.Dosah[u] = s.Dosah[u] || s.Dosah[v];
    }
    if (!s.Dosah[zdroj]) return NazevPrvkuGrafu(g, zdroj) + " nevede k žádnému koncovému prvku";
    return {};
}

// The live children (those reaching a terminal).
std::vector<size_t> Deti(const Strom& s, size_t u) {
    std::vector<size_t> d;
    for (size_t v : s.Deti[u])
        if (s.Dosah[v]) d.push_back(v);
    return d;
}

size_t Velikost(const Strom& s, size_t u) {
    size_t n = 0;
    std::vector<size_t> z{u};
    while (!z.empty()) {
        const size_t v = z.back();
        z.pop_back();
        ++n;
        z.insert(z.end(), s.Deti[v].begin(), s.Deti[v].end());
    }
    return n;
}

// The terminals in the order the walk meets them, depth first.
std::vector<size_t> Koncove(const GrafSite& g, const Strom& s, size_t zdroj) {
    std::vector<size_t> r, z{zdroj};
    while (!z.empty()) {
        const size_t u = z.back();
        z.pop_back();
        if (u != zdroj && g.Prvky[u].Trida == TridaPrvku::Koncovy) r.push_back(u);
        const std::vector<size_t> d = Deti(s, u);
        z.insert(z.end(), d.rbegin(), d.rend());
    }
    return r;
}

// Rooms: the space a terminal stands in, else its name; several terminals of
// one name outside spaces get their tag or #number added.
void PojmenujMistnosti(const GrafSite& g, ImportIfc& r) {
    std::map<std::string, int> jmen;
    for (const KoncovyPrvek& k : r.Koncove)
        if (g.Prvky[k.Prvek].Prostor.empty()) ++jmen[g.Prvky[k.Prvek].Nazev];
    for (KoncovyPrvek& k : r.Koncove) {
        const PrvekGrafu& p = g.Prvky[k.Prvek];
        const std::string cislo = CisloEntity(p.Cislo);
        if (!p.Prostor.empty())
            k.Mistnost = p.Prostor;
        else if (p.Nazev.empty())
            k.Mistnost = cislo;
        else if (jmen[p.Nazev] > 1)
            k.Mistnost = p.Nazev + " " + (p.Znacka.empty() ? cislo : p.Znacka);
        else
            k.Mistnost = p.Nazev;
    }
    // A tag shared by two of them still leaves them one room: the #number parts them.
    std::map<std::string, int> vysledne;
    for (const KoncovyPrvek& k : r.Koncove)
        if (g.Prvky[k.Prvek].Prostor.empty()) ++vysledne[k.Mistnost];
    for (KoncovyPrvek& k : r.Koncove) {
        const PrvekGrafu& p = g.Prvky[k.Prvek];
        if (p.Prostor.empty() && vysledne[k.Mistnost] > 1 && !p.Znacka.empty() &&
            k.Mistnost.ends_with(p.Znacka))
            k.Mistnost += " #" + std::to_string(p.Cislo);
    }
}

std::string Priprav(const GrafSite& g, size_t zdroj, Strom& s, ImportIfc& r) {
    r.Precteno = int(g.Prvky.size());
    if (zdroj >= g.Prvky.size()) return "zdroj v modelu není";
    if (!JeZdroj(g.Prvky[zdroj]))
        return NazevPrvkuGrafu(g, zdroj) + " není ventilátor ani VZT jednotka";
    std::string chyba = Projdi(g, zdroj, s);
    if (!chyba.empty()) return chyba;
    r.VSiti = int(s.Poradi.size());
    for (size_t u : s.Poradi)
        for (size_t v : s.Deti[u])
            if (!s.Dosah[v])
                r.Vynechano.push_back("slepá větev od " + NazevPrvkuGrafu(g, v) + " (" +
                                      std::to_string(Velikost(s, v)) +
                                      " prvků) nevede k žádnému koncovému prvku");
    for (size_t k : Koncove(g, s, zdroj))
        r.Koncove.push_back({k, "", g.Prvky[k].Prutok});
    PojmenujMistnosti(g, r);
    return {};
}

// The size of an element: its profile, else the first of its ports that has one.
struct Rozmer {
    bool Kruh = false;
    double A = 0, B = 0; // a circle: A the diameter
    bool Znamy() const { return A > 0 && (Kruh || B > 0); }
};
Rozmer ZPortu(const PortGrafu& p) {
    if (p.Prumer > 0) return {true, p.Prumer, p.Prumer};
    if (p.A > 0 && p.B > 0) return {false, p.A, p.B};
    if (p.A > 0) return {true, p.A, p.A};
    return {};
}
Rozmer RozmerPrvku(const GrafSite& g, size_t u) {
    const PrvekGrafu& p = g.Prvky[u];
    if (p.Prumer > 0) return {true, p.Prumer, p.Prumer};
    if (p.A > 0 && p.B > 0) return {false, p.A, p.B};
    for (size_t port : p.Porty)
        if (const Rozmer r = ZPortu(g.Porty[port]); r.Znamy()) return r;
    return {};
}
// The size at a port: its own, else the element's.
Rozmer RozmerPortu(const GrafSite& g, size_t port, size_t prvek) {
    if (port < g.Porty.size())
        if (const Rozmer r = ZPortu(g.Porty[port]); r.Znamy()) return r;
    return RozmerPrvku(g, prvek);
}

std::string NazevPrvku(const PrvekGrafu& p) {
    return p.Nazev.empty() ? CisloEntity(p.Cislo) : p.Nazev;
}

// A run of consecutive duct segments of one section and flow.
struct Beh {
    bool Aktivni = false;
    Rozmer R;
    double Prutok = 0, Delka = 0;
    int Kusu = 0;
    std::string Nazev;
};

class Stavba {
  public:
    Stavba(const GrafSite& g, const Strom& s, ImportIfc& r) : g_(g), s_(s), r_(r) {}

    void Pridej(TElementSite e, const std::string& nazev, const std::vector<std::string>& chybi) {
        if (usek_ < 0) {
            Usek u;
            u.Id = int(r_.Useky.size()) + 1;
            u.Rodic = rodic_;
            u.ZaElementem = za_;
            usek_ = long(r_.Useky.size());
            r_.Useky.push_back(std::move(u));
        }
        Usek& u = r_.Useky[size_t(usek_)];
        e.Popis = nazev;
        if (!chybi.empty()) {
            r_.Chybi.push_back(std::string(NazevTypu(e.Typ())) + " " + nazev + " (úsek " +
                               std::to_string(u.Id) + "): " + Seznam(chybi));
            // A room's description is its name; what it lacks is in the report.
            if (e.Typ() != TypMistnost) e.Popis += " (chybí: " + Seznam(chybi) + ")";
        }
        DoRozsahu(e, nazev, r_.Upraveno);
        e.Cislo = std::int32_t(u.Prvky.size() + 1);
        u.Prvky.push_back(std::move(e));
    }
    void Splachni() {
        if (!beh_.Aktivni) return;
        beh_.Aktivni = false;
        const double nejmene = beh_.R.Kruh ? KuPotDelkaMin : HrPotDelkaMin;
        const double nejvic = beh_.R.Kruh ? KuPotDelkaMax : HrPotDelkaMax;
        if (beh_.Delka < nejmene) {
            r_.Vynechano.push_back("potrubí " + beh_.Nazev + ": délka " + Metry(beh_.Delka) +
                                   " je kratší než " + FormatObecne(nejmene) +
                                   " m, vynecháno (jeho útlum zanedbán)");
            return;
        }
        const int kusu = int(std::ceil(beh_.Delka / nejvic));
        for (int i = 0; i < kusu; ++i) {
            TElementSite e;
            const double delka = beh_.Delka / kusu;
            if (beh_.R.Kruh) {
                e.NastavTyp(TypKuPotrubi);
                e.Vstup<VstupyKuPotrubi>() = {beh_.R.A, delka, beh_.Prutok};
            } else {
                e.NastavTyp(TypHrPotrubi);
                e.Vstup<VstupyHrPotrubi>() = {beh_.R.A, beh_.R.B, delka, beh_.Prutok};
            }
            Pridej(std::move(e), beh_.Nazev, {});
        }
        r_.Potrubi += kusu;
        if (beh_.Kusu > 1) r_.Sloucenych += beh_.Kusu;
    }
    // Where the branches leaving here start: behind the last element written,
    // or where this section would have started when it has none yet.
    std::pair<int, int> Bod() {
        Splachni();
        if (usek_ >= 0) {
            const Usek& u = r_.Useky[size_t(usek_)];
            return {u.Id, int(u.Prvky.size())};
        }
        return {rodic_, za_};
    }
    void Zacni(int rodic, int za) {
        usek_ = -1;
        rodic_ = rodic;
        za_ = za;
        beh_ = {};
    }

    void Zdroj(size_t u) {
        const PrvekGrafu& p = g_.Prvky[u];
        TElementSite e;
        e.NastavTyp(TypZdroj);
        VstupyVentilatoru v;
        v.Prutok = p.Prutok;
        v.Tlak = p.Tlak;
        v.Otacky = p.Otacky;
        std::string nazev = NazevPrvku(p);
        std::vector<std::string> chybi;
        if (p.Trida == TridaPrvku::Ventilator && ChybaVentilatoru(v).empty()) {
            const OdhadVentilatoru o = OdhadniVentilator(v);
            for (int i = 0; i < PocetPasem; ++i)
                e.VlastniDrun[size_t(i)] = std::round(o.Pasma[size_t(i)] * 10) / 10;
            SpoctiLA(e.VlastniDrun);
            nazev +=
                ", " + PopisOdhaduVentilatoru(v.Druh, FormatObecne(v.Prutok), FormatObecne(v.Tlak),
                                              FormatObecne(v.Otacky), "", "");
        } else {
            chybi.push_back("akustický výkon");
        }
        Pridej(std::move(e), nazev, chybi);
    }

    void Koncovy(size_t u, const KoncovyPrvek& k) {
        Splachni();
        const PrvekGrafu& p = g_.Prvky[u];
        const Rozmer r = RozmerPrvku(g_, u);
        TElementSite e;
        e.NastavTyp(TypVyustka);
        auto& v = e.Vstup<VstupyVyustka>();
        v.A = r.A;
        v.B = r.Kruh ? r.A : r.B;
        v.Prutok = s_.Prutok[u];
        std::vector<std::string> chybi;
        if (!r.Znamy()) chybi.push_back("rozměr");
        if (!(k.Prutok > 0)) chybi.push_back("průtok");
        chybi.push_back("druh vyústky");
        Pridej(std::move(e), NazevPrvku(p), chybi);
        TElementSite m;
        m.NastavTyp(TypMistnost);
        // The smallest room, heard closest: the loudest of what it can be.
        m.Vstup<VstupyMistnost>().PlochaSten = MistnostPlochaMin;
        m.Vstup<VstupyMistnost>().Vzdalenost = MistnostVzdalenostMin;
        Pridej(std::move(m), k.Mistnost, {"plocha stěn", "vzdálenost"});
        r_.Useky[size_t(usek_)].Mistnost = k.Mistnost;
    }

    // The element of u in the current section (a junction gives its own to each branch).
    void Prvek(size_t u, size_t deti) {
        const PrvekGrafu& p = g_.Prvky[u];
        const std::string nazev = NazevPrvku(p);
        const double q = s_.Prutok[u];
        switch (p.Trida) {
        case TridaPrvku::Potrubi: {
            const Rozmer r = RozmerPrvku(g_, u);
            if (!r.Znamy() || !(p.Delka > 0)) {
                Splachni();
                r_.Vynechano.push_back(NazevPrvkuGrafu(g_, u) + ": " +
                                       (r.Znamy() ? "neznámá délka" : "neznámý průřez") +
                                       ", vynecháno");
                return;
            }
            if (beh_.Aktivni && beh_.R.Kruh == r.Kruh && beh_.R.A == r.A &&
                (r.Kruh || beh_.R.B == r.B) && beh_.Prutok == q) {
                beh_.Delka += p.Delka;
                ++beh_.Kusu;
                return;
            }
            Splachni();
            beh_ = {true, r, q, p.Delka, 1, nazev};
            return;
        }
        case TridaPrvku::Tvarovka:
            Splachni();
            if (p.Tvar == DruhTvarovky::Oblouk) {
                Oblouk(u);
            } else if (p.Tvar == DruhTvarovky::Odbocka) {
                if (deti < 2)
                    r_.Vynechano.push_back(NazevPrvkuGrafu(g_, u) +
                                           ": odbočka, za níž vede jediná větev, vynechána");
            } else {
                r_.Vynechano.push_back(NazevPrvkuGrafu(g_, u) + ": " +
                                       (p.Tvar == DruhTvarovky::Prechod ? "přechod" : "tvarovka") +
                                       " bez druhu v DRUN, vynecháno");
            }
            return;
        case TridaPrvku::Tlumic: {
            Splachni();
            TElementSite e;
            e.NastavTyp(TypObecny);
            e.Utlum = NulaSpektrum();
            e.VlastniDrun = NulaSpektrum();
            for (int i = 0; i < PocetPasem; ++i)
                e.Utlum[size_t(i)] = p.Utlum[size_t(i)];
            Pridej(std::move(e), nazev,
                   p.MaUtlum ? std::vector<std::string>{} : std::vector<std::string>{"útlum"});
            return;
        }
        case TridaPrvku::Klapka: {
            Splachni();
            const Rozmer r = RozmerPrvku(g_, u);
            TElementSite e;
            e.NastavTyp(TypKlapka);
            auto& v = e.Vstup<VstupyKlapky>();
            v.A = r.A;
            v.B = r.Kruh ? r.A : r.B;
            v.Prutok = q;
            // The smallest drop the damper admits stands for the missing one.
            for (v.Tlak = KlapTlakMin; v.Tlak < KlapTlakMax && !ChybaKlapky(v).empty();)
                v.Tlak = std::min(KlapTlakMax, std::ceil(v.Tlak * 1.1));
            std::vector<std::string> chybi;
            if (!r.Znamy()) chybi.push_back("rozměr");
            chybi.push_back("tlaková ztráta");
            Pridej(std::move(e), nazev, chybi);
            return;
        }
        default:
            Splachni();
            if (p.MaUtlum) {
                TElementSite e;
                e.NastavTyp(TypObecny);
                e.Utlum = NulaSpektrum();
                e.VlastniDrun = NulaSpektrum();
                for (int i = 0; i < PocetPasem; ++i)
                    e.Utlum[size_t(i)] = p.Utlum[size_t(i)];
                Pridej(std::move(e), nazev, {});
            } else {
                r_.Vynechano.push_back(NazevPrvkuGrafu(g_, u) +
                                       ": DRUN pro něj nemá druh a model neudává jeho útlum, "
                                       "vynecháno");
            }
        }
    }

    void Oblouk(size_t u) {
        const PrvekGrafu& p = g_.Prvky[u];
        if (p.Uhel > 0 && p.Uhel < 45) {
            r_.Vynechano.push_back(NazevPrvkuGrafu(g_, u) + ": oblouk " + FormatObecne(p.Uhel) +
                                   "° je mírnější než 45°, vynechán (jeho útlum zanedbán)");
            return;
        }
        const Rozmer r = RozmerPrvku(g_, u);
        TElementSite e;
        e.NastavTyp(TypOblouk);
        auto& v = e.Vstup<VstupyOblouk>();
        v.A = r.A;
        v.B = r.Kruh ? r.A : r.B;
        v.Prutok = s_.Prutok[u];
        // A sharp elbow (its centre line inside the duct) has no guide vanes to speak of.
        v.Druh = p.Radius > 0 && p.Radius >= std::min(v.A, v.B) / 2 ? 1 : 2;
        v.Radius = p.Radius > 0 ? p.Radius : OblRadiusMin;
        std::vector<std::string> chybi;
        if (!r.Znamy()) chybi.push_back("rozměr");
        if (!(p.Radius > 0)) chybi.push_back("rádius");
        Pridej(std::move(e), NazevPrvku(p), chybi);
    }

    // The branch element at the start of the branch from junction u to v.
    TElementSite Odbocka(size_t u, size_t v, std::vector<std::string>& chybi) const {
        TElementSite e;
        e.NastavTyp(TypOdbocka);
        auto& o = e.Vstup<VstupyOdbocka>();
        const Rozmer ven = RozmerPortu(g_, s_.PortRodice[v], v);
        const long rodic = s_.Rodic[u];
        const Rozmer dovnitr = RozmerPortu(g_, s_.Vstup[u], rodic >= 0 ? size_t(rodic) : u);
        o.A = ven.A;
        o.B = ven.Kruh ? ven.A : ven.B;
        o.A2 = dovnitr.A;
        o.B2 = dovnitr.Kruh ? dovnitr.A : dovnitr.B;
        o.Radius = OdbRadiusMin;
        o.Prutok = s_.Prutok[u];
        o.OdbPrutok = s_.Prutok[v];
        if (!ven.Znamy() || !dovnitr.Znamy()) chybi.push_back("rozměr");
        chybi.push_back("rádius");
        return e;
    }

  private:
    const GrafSite& g_;
    const Strom& s_;
    ImportIfc& r_;
    long usek_ = -1;
    int rodic_ = 0, za_ = 0;
    Beh beh_;
};

// A refused import holds its reason alone.
ImportIfc Odmitnuti(std::string chyba) {
    ImportIfc r;
    r.Chyba = std::move(chyba);
    return r;
}

} // namespace

long NajdiPrvekGrafu(const GrafSite& g, const std::string& id) {
    if (id.size() > 1 && id[0] == '#') {
        const auto n = CtiInt(id.substr(1));
        if (n && *n > 0)
            for (size_t i = 0; i < g.Prvky.size(); ++i)
                if (g.Prvky[i].Cislo == std::uint32_t(*n)) return long(i);
        return -1;
    }
    for (size_t i = 0; i < g.Prvky.size(); ++i)
        if (!id.empty() && g.Prvky[i].Guid == id) return long(i);
    return -1;
}

std::string NazevPrvkuGrafu(const GrafSite& g, size_t i) {
    const PrvekGrafu& p = g.Prvky[i];
    const std::string trida = p.Trida == TridaPrvku::Jiny ? p.Entita : TextTridy(p.Trida);
    const std::string cislo = CisloEntity(p.Cislo);
    return p.Nazev.empty() ? trida + " " + cislo : trida + " " + p.Nazev + " (" + cislo + ")";
}

std::vector<ZdrojGrafu> ZdrojeGrafu(const GrafSite& g) {
    std::vector<ZdrojGrafu> r;
    for (size_t i = 0; i < g.Prvky.size(); ++i) {
        if (!JeZdroj(g.Prvky[i])) continue;
        ZdrojGrafu z;
        z.Prvek = i;
        for (size_t s = 0; s < g.Systemy.size(); ++s)
            if (std::count(g.Systemy[s].Prvky.begin(), g.Systemy[s].Prvky.end(), i))
                z.Systemy.push_back(s);
        Strom s;
        ImportIfc imp;
        z.Chyba = Priprav(g, i, s, imp);
        for (const KoncovyPrvek& k : imp.Koncove)
            z.Koncove.push_back(k.Prvek);
        r.push_back(std::move(z));
    }
    return r;
}

std::string TextZdroju(const GrafSite& g) {
    std::string t = "Model " + g.Schema + ": " + std::to_string(g.Prvky.size()) + " prvků, " +
                    std::to_string(g.Porty.size()) + " portů\n";
    t += "Systémy:\n";
    if (g.Systemy.empty()) t += "  (žádné)\n";
    for (const SystemGrafu& s : g.Systemy)
        t += "  " + (s.Nazev.empty() ? std::string("(bez názvu)") : s.Nazev) + " (#" +
             std::to_string(s.Cislo) + "): " + std::to_string(s.Prvky.size()) + " prvků\n";
    t += "Zdroje:\n";
    const std::vector<ZdrojGrafu> zdroje = ZdrojeGrafu(g);
    if (zdroje.empty()) t += "  (žádné)\n";
    for (const ZdrojGrafu& z : zdroje) {
        const PrvekGrafu& p = g.Prvky[z.Prvek];
        t += "  " + NazevPrvkuGrafu(g, z.Prvek) + ", ID " +
             (p.Guid.empty() ? CisloEntity(p.Cislo) : p.Guid);
        std::vector<std::string> sys;
        for (size_t s : z.Systemy)
            sys.push_back(g.Systemy[s].Nazev);
        if (!sys.empty()) t += ", systém " + Seznam(sys);
        t += "\n";
        if (!z.Chyba.empty()) t += "    nelze: " + z.Chyba + "\n";
        for (size_t k : z.Koncove)
            t += "    " + NazevPrvkuGrafu(g, k) + "\n";
    }
    return t;
}

ImportIfc KoncoveGrafu(const GrafSite& g, size_t zdroj) {
    ImportIfc r;
    Strom s;
    r.Chyba = Priprav(g, zdroj, s, r);
    if (!r.Chyba.empty()) return Odmitnuti(std::move(r.Chyba));
    return r;
}

ImportIfc ImportujGraf(const GrafSite& g, size_t zdroj, const std::map<size_t, double>& prutoky) {
    ImportIfc r;
    Strom s;
    r.Chyba = Priprav(g, zdroj, s, r);
    if (!r.Chyba.empty()) return Odmitnuti(std::move(r.Chyba));
    // Flows: each terminal's from the model, else as typed; the tree's
    // elements get theirs from the rooms' flows once the rozvod stands.
    s.Prutok.assign(g.Prvky.size(), 0);
    std::map<size_t, const KoncovyPrvek*> koncove;
    for (KoncovyPrvek& k : r.Koncove) {
        if (k.Prutok <= 0)
            if (const auto it = prutoky.find(k.Prvek); it != prutoky.end() && it->second > 0)
                k.Prutok = it->second;
        // A terminal without a flow counts the least one an outlet takes, listed as missing.
        s.Prutok[k.Prvek] = k.Prutok > 0 ? k.Prutok : VyustPrutokMin;
        koncove[k.Prvek] = &k;
    }

    struct Vetev {
        size_t Uzel;
        int Rodic, Za;
        long Odbocka; // the junction it leaves, -1 none
    };
    Stavba b(g, s, r);
    std::vector<Vetev> z{{zdroj, 0, 0, -1}};
    while (!z.empty()) {
        const Vetev v = z.back();
        z.pop_back();
        b.Zacni(v.Rodic, v.Za);
        if (v.Odbocka >= 0) {
            std::vector<std::string> chybi;
            TElementSite e = b.Odbocka(size_t(v.Odbocka), v.Uzel, chybi);
            b.Pridej(std::move(e), NazevPrvku(g.Prvky[size_t(v.Odbocka)]), chybi);
        }
        for (size_t u = v.Uzel;;) {
            const std::vector<size_t> d = Deti(s, u);
            if (u == zdroj)
                b.Zdroj(u);
            else if (const auto k = koncove.find(u); k != koncove.end())
                b.Koncovy(u, *k->second);
            else
                b.Prvek(u, d.size());
            if (d.empty()) {
                b.Splachni();
                break;
            }
            if (d.size() == 1) {
                u = d[0];
                continue;
            }
            const auto [rodic, za] = b.Bod();
            const bool odbocka = g.Prvky[u].Trida == TridaPrvku::Tvarovka &&
                                 g.Prvky[u].Tvar == DruhTvarovky::Odbocka;
            for (size_t i = d.size(); i-- > 0;)
                z.push_back({d[i], rodic, za, odbocka ? long(u) : -1});
            break;
        }
    }
    VysledekPrutoku q = PrutokyPodleMistnosti(r.Useky, {});
    r.Useky = std::move(q.Useky);
    for (const NevyhoviPrutok& n : q.Nevyhovi) {
        const Usek& u = r.Useky[size_t(n.Usek - 1)];
        const TElementSite& e = u.Prvky[size_t(n.Prvek - 1)];
        r.Upraveno.push_back(e.NazevTypu() + " " + e.Popis + " (úsek " + std::to_string(u.Id) +
                             "): průtok podle místností nelze použít, " + n.Proc);
    }
    return r;
}

std::string TextImportu(const GrafSite& g, size_t zdroj, const ImportIfc& i) {
    std::string t = "Import z IFC, zdroj " + NazevPrvkuGrafu(g, zdroj) + "\n";
    if (!i.Chyba.empty()) return t + "Nelze: " + i.Chyba + "\n";
    int mistnosti = 0;
    std::set<std::string> jmena;
    for (const KoncovyPrvek& k : i.Koncove)
        jmena.insert(k.Mistnost);
    mistnosti = int(jmena.size());
    t += "Přečteno prvků: " + std::to_string(i.Precteno) +
         ", v síti zdroje: " + std::to_string(i.VSiti) +
         ", koncových prvků: " + std::to_string(i.Koncove.size()) +
         ", místností: " + std::to_string(mistnosti) +
         ", úseků: " + std::to_string(i.Useky.size()) + "\n";
    t += "Sloučeno: " + std::to_string(i.Sloucenych) +
         " segmentů potrubí; potrubí v rozvodu: " + std::to_string(i.Potrubi) + "\n";
    t += "Vynecháno (" + std::to_string(i.Vynechano.size()) + "):\n";
    for (const std::string& v : i.Vynechano)
        t += "  " + v + "\n";
    t += "Upraveno (" + std::to_string(i.Upraveno.size()) + "):\n";
    for (const std::string& u : i.Upraveno)
        t += "  " + u + "\n";
    t += "Chybí (" + std::to_string(i.Chybi.size()) + "):\n";
    for (const std::string& c : i.Chybi)
        t += "  " + c + "\n";
    return t;
}

} // namespace drun
