#include "app/ProtokolSouctu.h"

#include "app/Prikazy.h"
#include "core/DrunVar.h"
#include "io/DataSoubor.h"
#include "io/SoucetCest.h"
#include "tools/Pozadavek.h"

using namespace drun;

int ProtokolSouctu(const Prikaz& p) {
    std::optional<Spectrum> pasma;
    if (const int s = CtiVolbuPozadavku(p, pasma)) return s;
    if (p.soubory.empty()) return SpatnePouziti(p, "chybí datové soubory součtu");
    if (const int s = OdmitniPrepsaniVstupu(p, {}, p.soubory)) return s;
    Spectrum pozadavek = NulaSpektrum();
    if (pasma) pozadavek = *pasma;
    std::vector<CestaSouctu> cesty;
    for (const std::string& s : p.soubory)
        cesty.emplace_back(s, s);

    DrunVar var;
    NastavUmisteniProgramu(p, var);
    for (CestaSouctu& c : cesty) {
        NactiCestu(c, var.SouborTlumice);
        if (!c.Ok) return Chyba(p, ZpravaCteni(c.Soubor, {c.Kod, c.Zprava}, var));
    }
    const std::string text = TabulkaSouctu(cesty, SectiCesty(KonceCest(cesty), pozadavek));
    return VypisNaVystup(text);
}
