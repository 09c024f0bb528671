#include "app/ProtokolProjektu.h"

#include "app/Prikazy.h"
#include "core/DrunVar.h"
#include "io/DataSoubor.h"
#include "io/Projekt.h"

using namespace drun;

int ProtokolProjektu(const Prikaz& p) {
    const std::string soubor = *p.Hodnota("--projekt");
    if (soubor.empty()) return SpatnePouziti(p, "chybí soubor projektu");
    if (!p.soubory.empty())
        return SpatnePouziti(p, "s projektem nelze uvést další soubor: " + p.soubory[0]);
    if (const int s = OdmitniPrepsaniVstupu(p, {}, {soubor})) return s;
    if (p.Ma("--datum")) return SpatnePouziti(p, "--datum patří ke zprávě (--zprava)");
    Projekt projekt;
    if (const int s = NactiProjektPrikazu(p, soubor, projekt)) return s;
    DrunVar var;
    NastavUmisteniProgramu(p, var);
    const PrehledProjektu pr = SpoctiPrehled(projekt, soubor, var.SouborTlumice);
    // Each unreadable file once, with its reason, and each room without
    // paths; their rooms end in "chyba".
    for (const auto& [cesta, c] : pr.Soubory)
        if (!c.Ok) Chyba(p, ZpravaCteni(cesta, {c.Kod, c.Zprava}, var));
    for (size_t i = 0; i < projekt.Mistnosti.size(); ++i)
        if (projekt.Mistnosti[i].Cesty.empty()) Chyba(p, pr.Mistnosti[i].Zprava);
    const int vypis =
        VypisNaVystup(p.Ma("--csv") ? CsvPrehledu(projekt, pr) : TabulkaPrehledu(projekt, pr));
    if (vypis != 0 || pr.Chyba) return 1;
    return pr.Nevyhovi > 0 ? 3 : 0;
}
