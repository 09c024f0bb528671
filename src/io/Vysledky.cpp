#include "io/Vysledky.h"

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
        RadekVysledku r{std::to_string(e.Cislo), e.NazevTypu, e.Popis, {}, nullptr, false};
        auto dej = [&](const char* nazev, const Spectrum& s) {
            r.Radek = nazev;
            r.Hodnoty = &s;
            radek(r);
        };
        switch (e.Typ) {
        case TypZdroj:
            dej("Akustický výkon", e.VlastniDrun);
            break;
        case TypVice:
            dej("Za elementem", e.ZaElementem);
            break;
        case TypMistnost:
            dej("Útlum", e.Utlum);
            dej("Za elementem", e.ZaElementem);
            break;
        case TypZadny:
            break;
        default:
            dej("Útlum", e.Utlum);
            dej("Mezisoučet", e.Mezisoucet);
            dej("Vlastní drun", e.VlastniDrun);
            dej("Za elementem", e.ZaElementem);
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
