#include "app/ProtokolVentilatoru.h"

#include <optional>
#include <string>

#include "app/Prikazy.h"
#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "tools/Ventilator.h"

using namespace drun;

namespace {

// A real option's value into `x`: 0, or the refusal's exit status.
int CtiCislo(const Prikaz& p, const char* volba, const char* co, double& x, bool povinna = true) {
    const std::string* h = p.Hodnota(volba);
    if (!h) return povinna ? SpatnePouziti(p, "chybí " + std::string(volba)) : 0;
    const std::optional<double> v = CtiDouble(*h);
    if (!v) return SpatnePouziti(p, std::string(co) + " není číslo: " + *h);
    x = *v;
    return 0;
}

} // namespace

int ProtokolVentilatoru(const Prikaz& p) {
    VstupyVentilatoru v;
    if (const int s = CtiCislo(p, "--prutok", "průtok", v.Prutok)) return s;
    if (const int s = CtiCislo(p, "--tlak", "tlak", v.Tlak)) return s;
    if (const int s = CtiCislo(p, "--otacky", "otáčky", v.Otacky)) return s;
    const std::string* druh = p.Hodnota("--druh");
    if (!druh) return SpatnePouziti(p, "chybí --druh");
    const std::optional<DruhVentilatoru> d = CtiDruhVentilatoru(*druh);
    if (!d) return SpatnePouziti(p, "druh ventilátoru musí být RR, T nebo AM: " + *druh);
    v.Druh = *d;
    if (const int s = CtiCislo(p, "--pomer", "poměr V/V_opt", v.Pomer, false)) return s;
    if (const std::string* h = p.Hodnota("--lopatek")) {
        const std::optional<int> z = CtiInt(*h);
        if (!z) return SpatnePouziti(p, "počet lopatek není celé číslo: " + *h);
        v.Lopatek = *z;
    }
    if (!p.soubory.empty())
        return SpatnePouziti(p, "odhad ventilátoru nečte soubor: " + p.soubory.front());
    if (const std::string chyba = ChybaVentilatoru(v); !chyba.empty())
        return SpatnePouziti(p, chyba);

    const OdhadVentilatoru o = OdhadniVentilator(v);
    std::string t;
    for (const char* nazev : NazvyPasem)
        t += std::string(nazev) + "\t";
    t += "L(A)\tL(W)\n";
    for (int i = 0; i <= LA; ++i)
        t += FormatHodnota(o.Pasma[i]) + "\t";
    t += FormatHodnota(o.LW) + "\n";
    return VypisNaVystup(t);
}
