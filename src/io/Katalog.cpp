#include "io/Katalog.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "core/Cisla.h"
#include "io/Kodovani.h"
#include "io/Vysledky.h"

namespace drun {

const std::array<const char*, PocetDruhuKatalogu> NazvyDruhuKatalogu{"Zdroj drunu",
                                                                     "Obecný element"};

namespace {

// Column groups after kind and name: the source's sound power, then the
// element's attenuation and self-noise, eight bands each.
constexpr std::array<const char*, 3> SkupinySloupcu{"Akustický výkon", "Útlum", "Vlastní drun"};
constexpr size_t PocetSloupcu = 2 + 3 * PocetPasem;

std::string Orizni(std::string_view t) {
    const size_t z = t.find_first_not_of(" \t");
    if (z == std::string_view::npos) return {};
    const size_t k = t.find_last_not_of(" \t");
    return std::string(t.substr(z, k - z + 1));
}

// Shortest text that reads back as the same double, with a decimal comma.
std::string CisloCsv(double x) {
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, x);
    std::string s(buf, ec == std::errc() ? p : buf);
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

// One record of the file: its cells and the number of the line it starts on.
struct Zaznam {
    std::vector<std::string> bunky;
    int radek = 0;
};

// Splits the text into records; a quoted cell may hold ';', '"' doubled and line breaks.
std::vector<Zaznam> Zaznamy(std::string_view t) {
    std::vector<Zaznam> z;
    int radek = 1;
    size_t i = 0;
    while (i < t.size()) {
        Zaznam r;
        r.radek = radek;
        std::string bunka;
        bool konec = false;
        while (!konec) {
            if (i < t.size() && t[i] == '"') {
                ++i;
                while (i < t.size()) {
                    if (t[i] == '"') {
                        if (i + 1 < t.size() && t[i + 1] == '"') {
                            bunka += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (t[i] == '\n') ++radek;
                    bunka += t[i++];
                }
            }
            while (i < t.size() && t[i] != ';' && t[i] != '\n')
                bunka += t[i++];
            if (!bunka.empty() && bunka.back() == '\r') bunka.pop_back();
            r.bunky.push_back(std::move(bunka));
            bunka.clear();
            if (i >= t.size()) {
                konec = true;
            } else if (t[i] == ';') {
                ++i;
            } else {
                ++i; // '\n'
                ++radek;
                konec = true;
            }
        }
        z.push_back(std::move(r));
    }
    return z;
}

std::optional<double> CisloZCsv(std::string s) {
    for (char& c : s)
        if (c == ',') c = '.';
    return CtiDouble(s);
}

bool Prazdny(const Zaznam& r) {
    for (const std::string& b : r.bunky)
        if (!Orizni(b).empty()) return false;
    return true;
}

} // namespace

ChybnyRadek ChybaNaRadku(int radek, const std::string& proc) {
    return {radek, "Řádek " + std::to_string(radek) + ": " + proc};
}

std::string UpravNazev(const std::string& nazev) {
    return Orizni(nazev);
}

std::string ChybaPolozky(const PolozkaKatalogu& p, double min, double max) {
    if (UpravNazev(p.Nazev).empty()) return "Položka nemá název.";
    if (!JeRadekCp1250(p.Nazev))
        return "Název „" + p.Nazev + "“ obsahuje znaky, které soubor výpočtu neuloží.";
    for (const auto* r : {&p.Utlum, &p.VlastniDrun})
        for (double x : *r)
            if (!std::isfinite(x) || x < min || x > max)
                return "Hodnoty musí být čísla od " + FormatObecne(min) + " do " +
                       FormatObecne(max) + ".";
    return {};
}

std::string KatalogDoCsv(const SeznamKatalogu& katalog) {
    std::string s(BomUtf8);
    s += "Druh;Název";
    for (const char* skupina : SkupinySloupcu)
        for (const char* pasmo : NazvyPasem)
            s += std::string(";") + skupina + " " + pasmo;
    s += "\r\n";
    for (int druh = 0; druh < PocetDruhuKatalogu; ++druh) {
        for (const PolozkaKatalogu& p : katalog[static_cast<size_t>(druh)]) {
            s += NazvyDruhuKatalogu[static_cast<size_t>(druh)];
            s += ';' + PoleCsv(p.Nazev);
            // A source fills the power columns, an element the other two groups.
            for (int sk = 0; sk < 3; ++sk) {
                const bool vyplnit = (druh == KatalogZdroj) == (sk == 0);
                const auto& hodnoty = sk == 1 ? p.Utlum : p.VlastniDrun;
                for (double x : hodnoty)
                    s += ';' + (vyplnit ? CisloCsv(x) : std::string());
            }
            s += "\r\n";
        }
    }
    return s;
}

CsvKatalogu KatalogZCsv(const std::string& obsah, double min, double max) {
    CsvKatalogu v;
    std::string text = obsah;
    if (const std::string_view bom = BomUtf8; text.starts_with(bom)) {
        text.erase(0, bom.size());
    } else if (!JePlatneUtf8(text)) {
        // A spreadsheet on a Czech system saves its CSV in Windows-1250.
        auto t = Cp1250DoUtf8(text);
        if (!t) {
            v.Zprava = "Soubor nelze přečíst jako text.";
            return v;
        }
        text = *t;
    }
    const std::vector<Zaznam> zaznamy = Zaznamy(text);
    if (zaznamy.empty() || zaznamy[0].bunky.size() < 2 || Orizni(zaznamy[0].bunky[0]) != "Druh" ||
        Orizni(zaznamy[0].bunky[1]) != "Název") {
        v.Zprava = "Soubor není katalog DRUN: první řádek musí začínat „Druh;Název“.";
        return v;
    }
    v.Ok = true;
    for (size_t z = 1; z < zaznamy.size(); ++z) {
        const Zaznam& r = zaznamy[z];
        if (Prazdny(r)) continue;
        const std::string druhText = Orizni(r.bunky[0]);
        int druh = -1;
        for (int d = 0; d < PocetDruhuKatalogu; ++d)
            if (druhText == NazvyDruhuKatalogu[static_cast<size_t>(d)]) druh = d;
        if (druh < 0) {
            v.Chyby.push_back(
                ChybaNaRadku(r.radek, "neznámý druh „" + druhText +
                                          "“ (má být „Zdroj drunu“ nebo „Obecný element“)."));
            continue;
        }
        if (r.bunky.size() < PocetSloupcu) {
            v.Chyby.push_back(
                ChybaNaRadku(r.radek, "chybí hodnoty (řádek má " + std::to_string(r.bunky.size()) +
                                          " sloupců z " + std::to_string(PocetSloupcu) + ")."));
            continue;
        }
        RadekKatalogu p;
        p.Druh = druh;
        p.CisloRadku = r.radek;
        p.Polozka.Nazev = UpravNazev(r.bunky[1]);
        std::string chyba;
        for (int sk = 0; sk < 3 && chyba.empty(); ++sk) {
            if ((druh == KatalogZdroj) != (sk == 0)) continue;
            auto& hodnoty = sk == 1 ? p.Polozka.Utlum : p.Polozka.VlastniDrun;
            for (size_t i = 0; i < PocetPasem && chyba.empty(); ++i) {
                const std::string& b = r.bunky[2 + static_cast<size_t>(sk) * PocetPasem + i];
                if (auto x = CisloZCsv(b))
                    hodnoty[i] = *x;
                else
                    chyba = std::string("„") + Orizni(b) + "“ ve sloupci " + SkupinySloupcu[sk] +
                            " " + NazvyPasem[i] + " není číslo.";
            }
        }
        if (chyba.empty()) chyba = ChybaPolozky(p.Polozka, min, max);
        if (!chyba.empty()) {
            v.Chyby.push_back(ChybaNaRadku(r.radek, chyba));
            continue;
        }
        v.Polozky.push_back(std::move(p));
    }
    return v;
}

} // namespace drun
