#include "app/ProtokolRozvodu.h"

#include "app/Prikazy.h"
#include "core/DrunVar.h"
#include "io/RozvodSoubor.h"
#include "models/Tlumic.h"
#include "tools/Rozvod.h"

using namespace drun;

int ProtokolRozvodu(const Prikaz& p) {
    const std::string soubor = *p.Hodnota("--rozvod");
    if (soubor.empty()) return SpatnePouziti(p, "chybí soubor rozvodu");
    if (!p.soubory.empty())
        return SpatnePouziti(p, "s rozvodem nelze uvést další soubor: " + p.soubory[0]);
    for (const char* v : {"--pozadavek", "--stranka", "--datum", "--pdf"})
        if (p.Ma(v)) return SpatnePouziti(p, std::string(v) + " patří k protokolu úseku (--usek)");
    if (const int s = OdmitniPrepsaniVstupu(p, {}, {soubor})) return s;
    DrunVar var;
    NastavUmisteniProgramu(p, var);
    Rozvod r;
    if (const int s = NactiRozvodPrikazu(p, soubor, var, r)) return s;
    const PrehledRozvodu pr = SpoctiPrehledRozvodu(r);
    // The silencer data once, then each room that could not be computed.
    if (pr.Chyb > 0) Chyba(p, ProcTlumicNelze(var.SouborTlumice));
    for (const PrehledMistnosti& m : pr.Prehled.Mistnosti)
        if (m.Stav == StavMistnosti::Chyba) Chyba(p, m.Zprava);
    const int vypis = VypisNaVystup(TabulkaRozvodu(pr, p.Ma("--csv")));
    if (vypis != 0 || pr.Chyb > 0) return 1;
    return pr.Prehled.Nevyhovi > 0 ? 3 : 0;
}
