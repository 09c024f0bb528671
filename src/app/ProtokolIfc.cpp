#include "app/ProtokolIfc.h"

#include <map>

#include "app/Prikazy.h"
#include "core/DrunVar.h"
#include "io/Ifc.h"
#include "io/RozvodSoubor.h"
#include "tools/ImportIfc.h"
#include "tools/Rozvod.h"

using namespace drun;

int ProtokolIfc(const Prikaz& p) {
    const std::string model = *p.Hodnota("--ifc");
    if (model.empty()) return SpatnePouziti(p, "chybí soubor modelu IFC");
    if (!p.soubory.empty())
        return SpatnePouziti(p, "s modelem IFC nelze uvést další soubor: " + p.soubory[0]);
    const std::string* zdroj = p.Hodnota("--zdroj");
    const std::string* vystup = p.Hodnota("--ulozit");
    const std::string* prutoky = p.Hodnota("--prutoky");
    if (!zdroj && (vystup || prutoky))
        return SpatnePouziti(p, "--ulozit a --prutoky patří k importu zdroje (--zdroj)");
    if (zdroj && (!vystup || vystup->empty()))
        return SpatnePouziti(p, "k importu zdroje chybí --ulozit VYSTUP.DRR");
    if (zdroj && zdroj->empty()) return SpatnePouziti(p, "chybí ID zdroje");
    std::vector<std::string> vstupy{model};
    if (prutoky) vstupy.push_back(*prutoky);
    if (vystup)
        if (const int s = OdmitniPrepsaniVstupu(p, *vystup, vstupy)) return s;

    GrafSite g;
    if (const VysledekSouboru v = NactiIfc(model, g); !v.Ok()) return Chyba(p, v.Zprava);
    if (!zdroj) return VypisNaVystup(TextZdroju(g));

    const long z = NajdiPrvekGrafu(g, *zdroj);
    if (z < 0) return Chyba(p, "Model " + model + " nemá prvek " + *zdroj + ".");
    std::map<size_t, double> q;
    if (prutoky) {
        const ImportIfc k = KoncoveGrafu(g, size_t(z));
        if (!k.Chyba.empty()) return Chyba(p, "Rozvod nelze sestavit: " + k.Chyba + ".");
        if (const VysledekSouboru v = CtiPrutokyIfc(*prutoky, g, k.Koncove, q); !v.Ok())
            return Chyba(p, v.Zprava);
    }
    const ImportIfc i = ImportujIfc(g, size_t(z), q);
    if (!i.Chyba.empty()) return Chyba(p, "Rozvod nelze sestavit: " + i.Chyba + ".");
    const std::string duvod = DuvodNelzeZapsat(*vystup);
    if (!duvod.empty())
        return Chyba(p, "Rozvod nelze uložit do souboru " + *vystup + ": " + duvod + ".");
    Rozvod r;
    r.Akce = "Import z IFC";
    r.NastavUseky(i.Useky);
    if (const VysledekSouboru v = UlozRozvod(r, *vystup); !v.Ok()) return Chyba(p, v.Zprava);
    return VypisNaVystup(TextImportu(g, size_t(z), i));
}
