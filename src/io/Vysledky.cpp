#include "io/Vysledky.h"

#include "core/Cisla.h"

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

std::string PoleCsv(const std::string& s) {
    if (s.find_first_of(";\"\r\n") == std::string::npos) return s;
    std::string q = "\"";
    for (char c : s) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + '"';
}

std::string HlavickaCsv() {
    std::string s;
    for (const char* c : SloupceVysledku()) {
        if (!s.empty()) s += ';';
        s += c;
    }
    return s + "\r\n";
}

std::string RadekCsv(const RadekVysledku& r) {
    std::string s = PoleCsv(r.Cislo) + ';' + PoleCsv(r.Element) + ';' + PoleCsv(r.Popis) + ';' +
                    PoleCsv(r.Radek);
    for (double x : *r.Hodnoty) {
        std::string h = FormatHodnota(x);
        for (char& c : h)
            if (c == '.') c = ',';
        s += ';' + h;
    }
    return s + "\r\n";
}

std::string VysledkyCsv(const DrunVar& var) {
    std::string s = std::string(BomUtf8) + HlavickaCsv();
    ProchazejVysledky(var, [&](const RadekVysledku& r) { s += RadekCsv(r); });
    return s;
}

} // namespace drun
