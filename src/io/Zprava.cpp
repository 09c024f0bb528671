#include "io/Zprava.h"

#include <algorithm>
#include <map>

#include "core/Druhy.h"
#include "core/DrunVyp.h"
#include "core/Platforma.h"
#include "io/DataSoubor.h"
#include "io/RozvodSoubor.h"
#include "io/SoucetCest.h"
#include "tools/NR.h"
#include "tools/Rozvod.h"

namespace drun {

namespace {

// The evaluated path's elements and closing block, as its protocol prints them.
void CtiCestu(const DrunVar& var, CestaZpravy& c) {
    c.Prvky.reserve(size_t(var.cesta.Pocet()));
    for (int n = 1; n <= var.cesta.Pocet(); ++n) {
        const TElementSite& e = var.cesta.Prvek(n);
        const DruhElementu* druh = Druh(e.Typ());
        if (!druh) continue;
        PrvekZpravy p;
        p.Cislo = e.Cislo;
        p.Nazev = druh->Nazev;
        if (!e.Popis.empty() && e.Popis != druh->Nazev) p.Nazev += " – " + e.Popis;
        for (const RadekSpektra& r : RadkySpekter(*druh, e))
            p.Spektra.emplace_back(r.Vysledky, *r.Hodnoty);
        c.Prvky.push_back(std::move(p));
    }
    c.Vysledek = var.Vysledek;
    c.Pozadavek = var.Pozadavek;
    c.Rozdil = var.Rozdil;
}

} // namespace

bool Prekroceno(const Spectrum& uroven, const Spectrum& pozadavek, int pasmo) {
    const auto k = static_cast<size_t>(pasmo);
    return pozadavek[k] != 0 && pozadavek[k] - uroven[k] < 0;
}

ObsahZpravy ZpravaRozvodu(const Rozvod& r, const PrehledRozvodu& p, const std::string& soubor,
                          const std::string& datum) {
    ObsahZpravy z{"Zpráva o rozvodu", r.Akce, soubor, datum, {}, true, p.Mistnosti, p.Prehled, {}};
    // The rooms an element's level reaches, once per element of the rozvod.
    std::map<std::pair<size_t, int>, int> napajene;
    DrunVar var;
    for (const MistnostRozvodu& m : r.Mistnosti()) {
        z.Cesty.emplace_back();
        for (size_t u : m.Useky) {
            CestaZpravy& c = z.Cesty.back().emplace_back();
            c.Nazev = NazevUseku(r.Useky()[u].Id);
            if (r.ChybaCesty(u)) {
                c.Chyba = "Cestu úseku " + std::to_string(r.Useky()[u].Id) +
                          " nelze spočítat: je na ní tlumič, který nelze spočítat.";
                continue;
            }
            SpoctiCestuUseku(r, u, var);
            CtiCestu(var, c);
            const auto poradi = r.PoradiCesty(u);
            for (size_t i = 0; i < poradi.size() && i < c.Prvky.size(); ++i) {
                auto [it, novy] = napajene.try_emplace(poradi[i], 0);
                if (novy) it->second = r.NapajeneMistnosti(poradi[i].first, poradi[i].second);
                c.Prvky[i].Mistnosti = it->second;
            }
        }
    }
    return z;
}

ObsahZpravy ZpravaProjektu(const Projekt& p, const PrehledProjektu& pr, const std::string& soubor,
                           const std::string& souborTlumice, const std::string& datum) {
    ObsahZpravy z{
        "Zpráva o projektu", "nový projekt", "(neuložený projekt)", datum, {}, false, p, pr, {}};
    // A project has no Akce of its own: its file names it.
    if (!soubor.empty()) {
        z.Soubor = soubor;
        z.Akce = TextCesty(CestaSouboru(soubor).stem());
    }
    for (const MistnostProjektu& m : p.Mistnosti) {
        z.Cesty.emplace_back();
        const Spectrum pozadavek = PozadavekMistnosti(m);
        for (const std::string& nazev : m.Cesty) {
            CestaZpravy& c = z.Cesty.back().emplace_back();
            c.Nazev = nazev;
            const std::string naDisku = CestaNaDisku(soubor, nazev);
            const auto it = pr.Soubory.find(naDisku);
            // Only what the overview read: a file changed since would not add up.
            if (it == pr.Soubory.end() || !it->second.Ok) {
                c.Chyba = it == pr.Soubory.end() ? "Soubor nebyl přečten." : it->second.Zprava;
                continue;
            }
            DrunVar var;
            var.SouborTlumice = souborTlumice;
            if (const VysledekSouboru v = NactiData(var, naDisku); !v.Ok()) {
                c.Chyba = v.Zprava;
                continue;
            }
            var.Pozadavek = pozadavek;
            PrepocitejOd(var, 1);
            c.Akce = var.Akce;
            CtiCestu(var, c);
        }
    }
    return z;
}

std::vector<std::vector<std::string>> SouhrnZpravy(const ObsahZpravy& z) {
    const auto prehled = RadkyPrehledu(z.Mistnosti, z.Prehled);
    std::vector<std::vector<std::string>> t{{"Místnost", z.Rozvod ? "Úseků" : "Cest", "L(A)", "NR",
                                             "NC", "RC", "Požadavek", "Pásmo", "Rezerva", "Stav"}};
    for (size_t i = 0; i < z.Mistnosti.Mistnosti.size(); ++i) {
        const auto& r = prehled[i + 1];
        const PrehledMistnosti& m = z.Prehled.Mistnosti[i];
        const std::string rc = m.Stav == StavMistnosti::Chyba ? std::string() : TextRC(m.Soucet.RC);
        t.push_back({r[0], r[1], r[2], r[3], r[4], rc, r[5], r[6], r[7], r[9]});
    }
    return t;
}

std::string NevyhoviZpravy(const ObsahZpravy& z) {
    const auto& m = z.Prehled.Mistnosti;
    const auto chyb = std::count_if(m.begin(), m.end(), [](const PrehledMistnosti& r) {
        return r.Stav == StavMistnosti::Chyba;
    });
    std::string t = "Nevyhoví " + std::to_string(z.Prehled.Nevyhovi) + " z " +
                    std::to_string(m.size()) + " místností";
    if (chyb > 0) t += ", " + std::to_string(chyb) + " nelze spočítat";
    return t + ".";
}

} // namespace drun
