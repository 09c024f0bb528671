#include "app/ProtokolNavrhu.h"

#include <cmath>

#include "app/Prikazy.h"
#include "core/Cisla.h"
#include "core/DrunVyp.h"
#include "core/Umisteni.h"
#include "io/DataSoubor.h"
#include "models/Tlumic.h"
#include "tools/Navrh.h"
#include "tools/Pozadavek.h"

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

} // namespace

int ProtokolNavrhu(const Prikaz& p) {
    const std::optional<int> k = CtiInt(*p.Hodnota("--navrh"));
    if (!k) return SpatnePouziti(p, "K není číslo elementu: " + *p.Hodnota("--navrh"));
    std::optional<Spectrum> pasma;
    if (const int s = CtiVolbuPozadavku(p, pasma)) return s;
    if (!pasma) return SpatnePouziti(p, "chybí --pozadavek");
    std::optional<std::pair<double, double>> rozmer;
    if (const std::string* h = p.Hodnota("--rozmer")) {
        rozmer = CtiRozmer(*h);
        if (!rozmer) return SpatnePouziti(p, "rozměr musí být AxB v mm: " + *h);
    }
    std::optional<double> prutok;
    if (const std::string* h = p.Hodnota("--prutok")) {
        prutok = CtiDouble(*h);
        if (!prutok) return SpatnePouziti(p, "průtok není číslo: " + *h);
    }
    int kandidatu = 10;
    if (const std::string* h = p.Hodnota("--kandidatu")) {
        const std::optional<int> n = CtiInt(*h);
        // A whole number too large for a count is named as such.
        if (const std::optional<double> d = CtiDouble(*h);
            !n && d && *d >= 1 && *d == std::floor(*d))
            return SpatnePouziti(p, "počet tlumičů je příliš velký: " + *h);
        if (!n || *n < 1) return SpatnePouziti(p, "počet tlumičů musí být aspoň 1: " + *h);
        kandidatu = *n;
    }
    if (p.soubory.empty()) return SpatnePouziti(p, "chybí datový soubor");
    if (p.soubory.size() > 1) return SpatnePouziti(p, "jen jeden soubor");
    if (const int s = OdmitniPrepsaniVstupu(p, "", p.soubory)) return s;

    DrunVar var;
    NastavUmisteni(var, Slozky(p.slozka, p.slozka), true);
    var.Pozadavek = *pasma;
    const std::string& soubor = p.soubory.front();
    const VysledekSouboru v = NactiData(var, soubor);
    if (!v.Ok()) return Chyba(p, ZpravaCteni(soubor, v, var));
    PrepocitejOd(var, 1);
    if (const std::string chyba = ChybaNavrhu(var.cesta, *k, var.Pozadavek); !chyba.empty())
        return SpatnePouziti(p, chyba);
    // What the options leave open comes from element K, when it has it.
    const std::optional<PrurezPrutok> zK = PrurezElementu(var.cesta.Prvek(*k));
    if (!zK && (!rozmer || !prutok)) {
        const std::string chybi = !rozmer && !prutok ? "--rozmer a --prutok"
                                  : !rozmer          ? "--rozmer"
                                                     : "--prutok";
        return SpatnePouziti(p, "element " + std::to_string(*k) +
                                    " nemá obdélníkový průřez a průtok, chybí " + chybi);
    }
    const double a = rozmer ? rozmer->first : zK->A, b = rozmer ? rozmer->second : zK->B;
    const double q = prutok ? *prutok : zK->Q;
    if (const std::string chyba = ChybaPrurezu(a, b, q); !chyba.empty())
        return SpatnePouziti(p, chyba);
    const std::optional<DataTlumice> data = NactiDataTlumice(var.SouborTlumice);
    if (!data) return Chyba(p, ZpravaSouboruTlumice(var.SouborTlumice));

    const PotrebnyUtlum u = SpoctiPotrebnyUtlum(var.cesta, *k, var.Pozadavek);
    const std::vector<KandidatTlumice> t = NajdiTlumice(var, *k, var.Pozadavek, a, b, q, *data);
    const std::vector<KandidatOblozeni> o = NajdiOblozeni(var.cesta, *k, var.Pozadavek, a, b, q);
    return VypisNaVystup(TextNavrhu(var.cesta, *k, u, t, kandidatu) + TextOblozeni(o));
}

int ProtokolPodilu(const Prikaz& p) {
    if (p.soubory.empty()) return SpatnePouziti(p, "chybí datový soubor");
    if (p.soubory.size() > 1) return SpatnePouziti(p, "jen jeden soubor");
    if (const int s = OdmitniPrepsaniVstupu(p, "", p.soubory)) return s;
    DrunVar var;
    NastavUmisteni(var, Slozky(p.slozka, p.slozka), true);
    const std::string& soubor = p.soubory.front();
    const VysledekSouboru v = NactiData(var, soubor);
    if (!v.Ok()) return Chyba(p, ZpravaCteni(soubor, v, var));
    PrepocitejOd(var, 1);
    return VypisNaVystup(TextPodilu(var.cesta, PodilyNaKonci(var.cesta)));
}
