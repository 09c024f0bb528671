#include "app/SestaveniRozvodu.h"

#include <cctype>
#include <map>

#include "app/Prikazy.h"
#include "core/DrunVar.h"
#include "core/Platforma.h"
#include "io/Projekt.h"
#include "io/RozvodSoubor.h"
#include "io/SestaveniZeSouboru.h"
#include "tools/Prutoky.h"
#include "tools/Rozvod.h"

using namespace drun;

namespace {

// A rozvod is written only under its own extension: a calculation file named
// by mistake in the output's place is never replaced.
bool JeRozvod(const std::string& soubor) {
    std::string p = TextCesty(CestaSouboru(soubor).extension());
    for (char& c : p)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return p == ".DRR";
}

} // namespace

int SestaveniRozvodu(const Prikaz& p) {
    const std::string vystup = *p.Hodnota("--sestav");
    if (!JeRozvod(vystup))
        return SpatnePouziti(p, "výstup " + vystup + " musí být soubor rozvodu *.DRR");
    const std::string* projekt = p.Hodnota("--projekt");
    if (projekt && projekt->empty()) return SpatnePouziti(p, "chybí soubor projektu");
    if (projekt && !p.soubory.empty())
        return SpatnePouziti(p, "s projektem nelze uvést další soubor: " + p.soubory[0]);
    if (!projekt && p.soubory.empty()) return SpatnePouziti(p, "chybí soubory cest");
    std::vector<std::string> vstupy = projekt ? std::vector<std::string>{*projekt} : p.soubory;
    if (projekt) {
        // The project's paths are inputs too: the output must not replace one.
        Projekt pr;
        if (NactiProjekt(*projekt, pr).Ok())
            for (const MistnostProjektu& m : pr.Mistnosti)
                for (const std::string& c : m.Cesty)
                    vstupy.push_back(CestaNaDisku(*projekt, c));
    }
    if (const int s = OdmitniPrepsaniVstupu(p, vystup, vstupy)) return s;
    DrunVar var;
    NastavUmisteniProgramu(p, var);
    Rozvod r;
    const VysledekSouboru v = projekt ? SestavZProjektu(*projekt, var.SouborTlumice, r)
                                      : SestavZeSouboru(p.soubory, var.SouborTlumice, r);
    if (!v.Ok()) return Chyba(p, v.Zprava);
    const VysledekSouboru u = UlozRozvod(r, vystup);
    return u.Ok() ? 0 : Chyba(p, u.Zprava);
}

int PrutokyRozvodu(const Prikaz& p) {
    const std::string soubor = *p.Hodnota("--prutoky");
    if (soubor.empty()) return SpatnePouziti(p, "chybí soubor rozvodu");
    const std::string* vystup = p.Hodnota("--vystup");
    if (!vystup) return SpatnePouziti(p, "chybí --vystup VÝSTUP.DRR");
    if (!JeRozvod(*vystup))
        return SpatnePouziti(p, "výstup " + *vystup + " musí být soubor rozvodu *.DRR");
    if (!p.soubory.empty()) return SpatnePouziti(p, "nadbytečný soubor: " + p.soubory[0]);
    if (const int s = OdmitniPrepsaniVstupu(p, *vystup, {soubor})) return s;
    if (const int s = OdmitniPrepsaniVstupu(p, {}, {soubor})) return s;
    DrunVar var;
    NastavUmisteniProgramu(p, var);
    Rozvod r;
    const VysledekSouboru cteni = NactiRozvod(soubor, var.SouborTlumice, r);
    if (!cteni.Ok()) return Chyba(p, cteni.Zprava);
    if (!cteni.Zprava.empty()) Chyba(p, cteni.Zprava); // read, with a notice
    // A room without an outlet keeps the flow its path's end carries now, as
    // the window offers it; one whose end carries none cannot be given here.
    std::map<std::string, double> zadane;
    for (const std::string& m : MistnostiBezVyustky(r.Useky()))
        if (const double q = NynejsiPrutokMistnosti(r.Useky(), m); q > 0) zadane[m] = q;
    const VysledekPrutoku v = PrutokyPodleMistnosti(r.Useky(), zadane, var.SouborTlumice);
    if (!v.BezPrutoku.empty()) {
        std::string m;
        for (const std::string& s : v.BezPrutoku)
            m += (m.empty() ? "" : ", ") + s;
        return Chyba(p, "Rozvod " + soubor +
                            ": místnosti bez vyústky, jejichž průtok nelze určit: " + m + ".");
    }
    Rozvod novy;
    novy.Akce = r.Akce;
    novy.NastavUseky(v.Useky);
    if (const VysledekSouboru u = UlozRozvod(novy, *vystup); !u.Ok()) return Chyba(p, u.Zprava);
    if (const int s = VypisNaVystup(TabulkaRadku(RadkyZmenPrutoku(r.Useky(), v)))) return s;
    return v.Nevyhovi.empty() ? 0 : 3;
}
