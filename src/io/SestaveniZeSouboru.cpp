#include "io/SestaveniZeSouboru.h"

#include <map>

#include "core/DrunVar.h"
#include "core/Platforma.h"
#include "io/DataSoubor.h"
#include "io/Projekt.h"
#include "io/SoucetCest.h"
#include "tools/Sestaveni.h"

namespace drun {

namespace {

// One file's path read once, whichever rooms name it.
struct Nactene {
    VysledekSouboru Stav;
    std::string Akce;
    std::vector<TElementSite> Prvky;
};

const Nactene& Nacti(std::map<std::string, Nactene>& nactene, const std::string& soubor,
                     const std::string& souborTlumice) {
    auto [it, novy] = nactene.try_emplace(soubor);
    if (!novy) return it->second;
    DrunVar var;
    var.SouborTlumice = souborTlumice;
    Nactene& n = it->second;
    n.Stav = NactiData(var, soubor);
    if (!n.Stav.Ok()) {
        n.Stav.Zprava = ZpravaCteni(soubor, n.Stav, var);
        return n;
    }
    n.Akce = var.Akce;
    n.Prvky.reserve(size_t(var.cesta.Pocet()));
    for (int k = 1; k <= var.cesta.Pocet(); ++k)
        n.Prvky.push_back(var.cesta.Prvek(k));
    return n;
}

VysledekSouboru Sestav(const std::vector<CestaKSestaveni>& cesty, const std::string& akce,
                       Rozvod& r) {
    std::vector<Usek> useky;
    if (std::string chyba = SestavUseky(cesty, useky); !chyba.empty())
        return {KodVysledku::Poskozen, std::move(chyba)};
    if (const auto ch = ChybaStruktury(useky))
        return {KodVysledku::Poskozen, "Soubor " + cesty[ch->Usek].Soubor +
                                           " nelze zařadit do rozvodu: " + ch->Proc + "."};
    r.Akce = akce;
    r.NastavUseky(std::move(useky));
    return {};
}

} // namespace

VysledekSouboru SestavZeSouboru(const std::vector<std::string>& soubory,
                                const std::string& souborTlumice, Rozvod& r) {
    std::map<std::string, Nactene> nactene;
    std::vector<CestaKSestaveni> cesty;
    std::string akce;
    for (const std::string& s : soubory) {
        const Nactene& n = Nacti(nactene, s, souborTlumice);
        if (!n.Stav.Ok()) return n.Stav;
        if (cesty.empty()) akce = n.Akce;
        CestaKSestaveni c{s, {}, {}, n.Prvky};
        if (!c.Prvky.empty() && c.Prvky.back().Typ() == TypMistnost)
            c.Mistnost = c.Prvky.back().Popis;
        if (c.Mistnost.empty()) c.Mistnost = TextCesty(CestaSouboru(s).stem());
        cesty.push_back(std::move(c));
    }
    return Sestav(cesty, akce, r);
}

VysledekSouboru SestavZProjektu(const std::string& souborProjektu, const std::string& souborTlumice,
                                Rozvod& r) {
    Projekt p;
    if (VysledekSouboru v = NactiProjekt(souborProjektu, p); !v.Ok()) return v;
    std::map<std::string, Nactene> nactene;
    std::vector<CestaKSestaveni> cesty;
    std::string akce;
    for (const MistnostProjektu& m : p.Mistnosti) {
        if (m.Cesty.empty())
            return {KodVysledku::Poskozen, "Místnost „" + m.Nazev + "“ projektu " + souborProjektu +
                                               " nemá žádnou cestu."};
        for (const std::string& c : m.Cesty) {
            const std::string soubor = CestaNaDisku(souborProjektu, c);
            const Nactene& n = Nacti(nactene, soubor, souborTlumice);
            if (!n.Stav.Ok()) return n.Stav;
            if (cesty.empty()) akce = n.Akce;
            cesty.push_back({soubor, m.Nazev, m.Pozadavek, n.Prvky});
        }
    }
    if (cesty.empty())
        return {KodVysledku::Poskozen, "Projekt " + souborProjektu + " nemá žádnou místnost."};
    return Sestav(cesty, akce, r);
}

} // namespace drun
