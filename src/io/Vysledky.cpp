#include "io/Vysledky.h"

#include "core/Druhy.h"

namespace drun {

const std::array<const char*, 4 + PocetPasem + 1>& SloupceVysledku() {
    static const std::array<const char*, 4 + PocetPasem + 1> s{
        "Číslo", "Element", "Popis", "Řádek", "63Hz", "125Hz", "250Hz",
        "500Hz", "1kHz",    "2kHz",  "4kHz",  "8kHz", "L(A)"};
    return s;
}

void ProchazejVysledky(const DrunVar& var, const std::function<void(const RadekVysledku&)>& radek) {
    const Cesta& cesta = var.cesta;
    for (int n = 1; n <= cesta.Pocet(); ++n) {
        const TElementSite& e = cesta.Prvek(n);
        const DruhElementu* druh = Druh(e.Typ());
        if (!druh) continue;
        RadekVysledku r{std::to_string(e.Cislo), druh->Nazev, e.Popis, {}, nullptr, false};
        for (const RadekSpektra& s : RadkySpekter(*druh, e)) {
            r.Radek = s.Vysledky;
            r.Hodnoty = s.Hodnoty;
            radek(r);
        }
    }
    radek({{}, "Výsledek celé sítě", {}, {}, &var.Vysledek, false});
    radek({{}, "Požadavek", {}, {}, &var.Pozadavek, false});
    radek({{}, "Rozdíl", {}, {}, &var.Rozdil, true});
}

std::string HlavickaCsv() {
    ZapisCsv z(false);
    for (const char* c : SloupceVysledku())
        z.Text(c);
    return z.Konec().Vezmi();
}

std::string RadekCsv(const RadekVysledku& r) {
    ZapisCsv z(false);
    z.Text(r.Cislo).Text(r.Element).Text(r.Popis).Text(r.Radek);
    for (double x : *r.Hodnoty)
        z.Hodnota(x);
    return z.Konec().Vezmi();
}

std::string VysledkyCsv(const DrunVar& var) {
    std::string s = std::string(BomUtf8) + HlavickaCsv();
    ProchazejVysledky(var, [&](const RadekVysledku& r) { s += RadekCsv(r); });
    return s;
}

} // namespace drun
