#include "app/ProtokolNavrhu.h"

#include <algorithm>
#include <cmath>

#include "app/Prikazy.h"
#include "core/Cisla.h"
#include "core/DrunVyp.h"
#include "core/Umisteni.h"
#include "io/DataSoubor.h"
#include "io/RozvodSoubor.h"
#include "models/Tlumic.h"
#include "tools/Navrh.h"
#include "tools/Pozadavek.h"
#include "tools/Rozvod.h"

using namespace drun;

namespace {

// "600x400": both sides, or nullopt.
std::optional<std::pair<double, double>> CtiRozmer(const std::string& t) {
    const size_t x = t.find_first_of("xX");
    if (x == std::string::npos) return std::nullopt;
    const std::optional<double> a = CtiDouble(std::string_view(t).substr(0, x));
    const std::optional<double> b = CtiDouble(std::string_view(t).substr(x + 1));
    if (!a || !b) return std::nullopt;
    return std::pair{*a, *b};
}

// The options both forms share: the section, the flow and how many silencers.
struct VolbyNavrhu {
    std::optional<std::pair<double, double>> rozmer;
    std::optional<double> prutok;
    int kandidatu = 10;
};

int CtiVolbyNavrhu(const Prikaz& p, VolbyNavrhu& v) {
    if (const std::string* h = p.Hodnota("--rozmer")) {
        v.rozmer = CtiRozmer(*h);
        if (!v.rozmer) return SpatnePouziti(p, "rozměr musí být AxB v mm: " + *h);
    }
    if (const std::string* h = p.Hodnota("--prutok")) {
        v.prutok = CtiDouble(*h);
        if (!v.prutok) return SpatnePouziti(p, "průtok není číslo: " + *h);
    }
    if (const std::string* h = p.Hodnota("--kandidatu")) {
        const std::optional<int> n = CtiInt(*h);
        // A whole number too large for a count is named as such.
        if (const std::optional<double> d = CtiDouble(*h);
            !n && d && *d >= 1 && *d == std::floor(*d))
            return SpatnePouziti(p, "počet tlumičů je příliš velký: " + *h);
        if (!n || *n < 1) return SpatnePouziti(p, "počet tlumičů musí být aspoň 1: " + *h);
        v.kandidatu = *n;
    }
    if (p.soubory.empty()) return SpatnePouziti(p, "chybí datový soubor");
    if (p.soubory.size() > 1) return SpatnePouziti(p, "jen jeden soubor");
    if (const int s = OdmitniPrepsaniVstupu(p, "", p.soubory)) return s;
    return 0;
}

// The section and flow: what the options leave open comes from the path at
// the position (m, as PrurezNaPozici finds it), when an element there has
// them. 0, or the refusal's status.
int PrurezNavrhu(const Prikaz& p, const VolbyNavrhu& v, const PrurezNaMiste& m, PrurezPrutok& x) {
    if (m.Cislo == 0 && (!v.rozmer || !v.prutok)) {
        const std::string chybi = !v.rozmer && !v.prutok ? "--rozmer a --prutok"
                                  : !v.rozmer            ? "--rozmer"
                                                         : "--prutok";
        return SpatnePouziti(p, "v cestě není element s obdélníkovým průřezem a průtokem, chybí " +
                                    chybi);
    }
    x.A = v.rozmer ? v.rozmer->first : m.Hodnoty.A;
    x.B = v.rozmer ? v.rozmer->second : m.Hodnoty.B;
    x.Q = v.prutok ? *v.prutok : m.Hodnoty.Q;
    if (const std::string chyba = ChybaPrurezu(x.A, x.B, x.Q); !chyba.empty())
        return SpatnePouziti(p, chyba);
    return 0;
}

// --navrh ID:K ROZVOD.DRR: behind element K of section ID, for every room it feeds.
int NavrhVRozvodu(const Prikaz& p, const std::string& misto) {
    const size_t dvojtecka = misto.find(':');
    const std::optional<int> id = CtiInt(std::string_view(misto).substr(0, dvojtecka));
    const std::optional<int> k = CtiInt(std::string_view(misto).substr(dvojtecka + 1));
    if (!id || !k) return SpatnePouziti(p, "ID:K není úsek a číslo elementu: " + misto);
    if (p.Ma("--pozadavek"))
        return SpatnePouziti(p, "v rozvodu mají požadavky místnosti, --pozadavek nelze použít");
    VolbyNavrhu volby;
    if (const int s = CtiVolbyNavrhu(p, volby)) return s;
    DrunVar var;
    NastavUmisteniProgramu(p, var);
    const std::string& soubor = p.soubory.front();
    Rozvod r;
    const VysledekSouboru v = NactiRozvod(soubor, var.SouborTlumice, r);
    if (!v.Ok()) return Chyba(p, v.Zprava);
    if (!v.Zprava.empty()) Chyba(p, v.Zprava); // read, with a notice
    if (const std::string chyba = ChybaNavrhuRozvodu(r, *id, *k); !chyba.empty())
        return SpatnePouziti(p, chyba);
    const auto u = size_t(r.Index(*id));
    for (size_t s : r.Napajene(u, *k))
        if (r.ChybaCesty(s))
            return Chyba(p, ZpravaTlumiceUseku(var.SouborTlumice, r.Useky()[s].Id));
    // The section's path up to the source, and the position in it.
    const auto poradi = r.PoradiCesty(u);
    std::vector<const TElementSite*> cesta;
    for (const auto& [t, c] : poradi)
        cesta.push_back(&r.Useky()[t].Prvky[size_t(c - 1)]);
    const auto pozice = std::find(poradi.begin(), poradi.end(), std::pair{u, *k}) - poradi.begin();
    PrurezPrutok x;
    if (const int s = PrurezNavrhu(p, volby, PrurezNaPozici(cesta, int(pozice) + 1), x)) return s;
    DataTlumice data;
    if (const VysledekSouboru d = NactiDataTlumice(var.SouborTlumice, data); !d.Ok())
        return Chyba(p, d.Zprava);
    const NavrhRozvodu n = SpoctiNavrhRozvodu(r, *id, *k, var, x.A, x.B, x.Q, &data);
    return VypisNaVystup(TextNavrhuRozvodu(r, *id, *k, n, volby.kandidatu) +
                         TextOblozeni(n.Oblozeni));
}

} // namespace

int ProtokolNavrhu(const Prikaz& p) {
    const std::string& misto = *p.Hodnota("--navrh");
    if (misto.find(':') != std::string::npos) return NavrhVRozvodu(p, misto);
    const std::optional<int> k = CtiInt(misto);
    if (!k) return SpatnePouziti(p, "K není číslo elementu: " + misto);
    std::optional<Spectrum> pasma;
    if (const int s = CtiVolbuPozadavku(p, pasma)) return s;
    if (!pasma) return SpatnePouziti(p, "chybí --pozadavek");
    VolbyNavrhu volby;
    if (const int s = CtiVolbyNavrhu(p, volby)) return s;

    DrunVar var;
    NastavUmisteniProgramu(p, var);
    var.Pozadavek = *pasma;
    const std::string& soubor = p.soubory.front();
    const VysledekSouboru v = NactiData(var, soubor);
    if (!v.Ok()) return Chyba(p, ZpravaCteni(soubor, v, var));
    PrepocitejOd(var, 1);
    if (const std::string chyba = ChybaNavrhu(var.cesta, *k, var.Pozadavek); !chyba.empty())
        return SpatnePouziti(p, chyba);
    PrurezPrutok x;
    if (const int s = PrurezNavrhu(p, volby, PrurezNaPozici(var.cesta, *k), x)) return s;
    DataTlumice data;
    if (const VysledekSouboru d = NactiDataTlumice(var.SouborTlumice, data); !d.Ok())
        return Chyba(p, d.Zprava);

    const PotrebnyUtlum u = SpoctiPotrebnyUtlum(var.cesta, *k, var.Pozadavek);
    const std::vector<KandidatTlumice> t =
        NajdiTlumice(var, *k, var.Pozadavek, x.A, x.B, x.Q, data);
    const std::vector<KandidatOblozeni> o =
        NajdiOblozeni(var.cesta, *k, var.Pozadavek, x.A, x.B, x.Q);
    return VypisNaVystup(TextNavrhu(var.cesta, *k, u, t, volby.kandidatu) + TextOblozeni(o));
}

int ProtokolPodilu(const Prikaz& p) {
    if (p.soubory.empty()) return SpatnePouziti(p, "chybí datový soubor");
    if (p.soubory.size() > 1) return SpatnePouziti(p, "jen jeden soubor");
    if (const int s = OdmitniPrepsaniVstupu(p, "", p.soubory)) return s;
    DrunVar var;
    NastavUmisteniProgramu(p, var);
    const std::string& soubor = p.soubory.front();
    const VysledekSouboru v = NactiData(var, soubor);
    if (!v.Ok()) return Chyba(p, ZpravaCteni(soubor, v, var));
    PrepocitejOd(var, 1);
    return VypisNaVystup(TextPodilu(var.cesta, PodilyNaKonci(var.cesta)));
}
