#include "io/Katalog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/Cisla.h"
#include "io/Csv.h"
#include "io/Kodovani.h"

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

// ---- the catalogue file ----

const std::array<const char*, PocetDruhuKatalogu> KlicDruhu{"zdroje", "elementy"};

void PridejRetezec(std::string& s, std::string_view t) {
    s += '"';
    for (char c : t) {
        switch (c) {
        case '"':
            s += "\\\"";
            break;
        case '\\':
            s += "\\\\";
            break;
        case '\b':
            s += "\\b";
            break;
        case '\f':
            s += "\\f";
            break;
        case '\n':
            s += "\\n";
            break;
        case '\r':
            s += "\\r";
            break;
        case '\t':
            s += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char u[8];
                std::snprintf(u, sizeof u, "\\u%04x", c);
                s += u;
            } else {
                s += c;
            }
        }
    }
    s += '"';
}

// As the file has always had its numbers: an integer while the value is exactly
// one (up to 2^53), otherwise the shortest digits that read back equal, in the
// shorter of the decimal and the exponent form (the decimal one on a tie).
void PridejCisloJson(std::string& s, double x) {
    char buf[64];
    if (!std::isfinite(x)) {
        s += "null";
        return;
    }
    if (x == std::trunc(x) && std::fabs(x) <= 9007199254740992.0) {
        const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(x));
        s.append(buf, r.ptr);
        return;
    }
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    std::string_view v(buf, static_cast<size_t>(r.ptr - buf));
    if (v.front() == '-') {
        s += '-';
        v.remove_prefix(1);
    }
    const size_t e = v.find('e');
    std::string cislice;
    for (char c : v.substr(0, e))
        if (c != '.') cislice += c;
    int mocnina = 0;
    std::from_chars(v.data() + e + (v[e + 1] == '+' ? 2 : 1), v.data() + v.size(), mocnina);
    std::string exponent = cislice.substr(0, 1);
    if (cislice.size() > 1) exponent += "." + cislice.substr(1);
    exponent += mocnina < 0 ? "e-" : "e+";
    if (std::abs(mocnina) < 10) exponent += '0';
    exponent += std::to_string(std::abs(mocnina));
    const int tecka = mocnina + 1;
    std::string desetinne;
    if (tecka <= 0)
        desetinne = "0." + std::string(static_cast<size_t>(-tecka), '0') + cislice;
    else if (static_cast<size_t>(tecka) >= cislice.size())
        desetinne = cislice + std::string(static_cast<size_t>(tecka) - cislice.size(), '0');
    else
        desetinne = cislice.substr(0, static_cast<size_t>(tecka)) + "." +
                    cislice.substr(static_cast<size_t>(tecka));
    s += desetinne.size() <= exponent.size() ? desetinne : exponent;
}

// A strict JSON reader that walks the text once, counting lines for messages.
class CteniJson {
  public:
    explicit CteniJson(std::string_view t) : t_(t) {}

    int Radek() {
        Mezery();
        return radek_;
    }
    // The next significant character, '\0' at the end.
    char Dalsi() {
        Mezery();
        return i_ < t_.size() ? t_[i_] : '\0';
    }
    const std::string& Chyba() const { return chyba_; }
    bool Chyba(const std::string& proc) {
        if (chyba_.empty()) chyba_ = "chyba na řádku " + std::to_string(radek_) + ": " + proc;
        return false;
    }

    // An object at the next character: `clen(klic)` reads each member's value.
    template <class F> bool Objekt(F&& clen) {
        if (!Je('{')) return Chyba("očekávána „{“");
        if (Je('}')) return true;
        if (++hloubka_ > MaxHloubka) return Chyba("příliš hluboké vnoření");
        for (;;) {
            std::string klic;
            if (Dalsi() != '"') return Chyba("očekáván název v uvozovkách");
            if (!Retezec(klic)) return false;
            if (!Je(':')) return Chyba("očekávána dvojtečka");
            if (!clen(klic)) return false;
            if (Je(',')) continue;
            if (Je('}')) break;
            return Chyba("očekávána čárka nebo „}“");
        }
        --hloubka_;
        return true;
    }
    // An array at the next character: `prvek()` reads each element.
    template <class F> bool Pole(F&& prvek) {
        if (!Je('[')) return Chyba("očekávána „[“");
        if (Je(']')) return true;
        if (++hloubka_ > MaxHloubka) return Chyba("příliš hluboké vnoření");
        for (;;) {
            if (!prvek()) return false;
            if (Je(',')) continue;
            if (Je(']')) break;
            return Chyba("očekávána čárka nebo „]“");
        }
        --hloubka_;
        return true;
    }
    bool Retezec(std::string& s);
    // A number; `x` is empty when it lies beyond what a double holds.
    bool Cislo(std::optional<double>& x);
    // Any value, passed over.
    bool Hodnota();

  private:
    static constexpr int MaxHloubka = 200;
    void Mezery() {
        while (i_ < t_.size()) {
            const char c = t_[i_];
            if (c == '\n')
                ++radek_;
            else if (c != ' ' && c != '\t' && c != '\r')
                break;
            ++i_;
        }
    }
    bool Je(char c) {
        if (Dalsi() != c) return false;
        ++i_;
        return true;
    }
    bool Hex4(unsigned& u);

    std::string_view t_;
    size_t i_ = 0;
    int radek_ = 1;
    int hloubka_ = 0;
    std::string chyba_;
};

bool CteniJson::Hex4(unsigned& u) {
    if (t_.size() - i_ < 4) return false;
    const auto r = std::from_chars(t_.data() + i_, t_.data() + i_ + 4, u, 16);
    if (r.ptr != t_.data() + i_ + 4) return false;
    i_ += 4;
    return true;
}

bool CteniJson::Retezec(std::string& s) {
    ++i_; // the opening quote
    for (;;) {
        const size_t z = i_;
        while (i_ < t_.size() && t_[i_] != '"' && t_[i_] != '\\' &&
               static_cast<unsigned char>(t_[i_]) >= 0x20)
            ++i_;
        s.append(t_.data() + z, i_ - z);
        if (i_ >= t_.size()) return Chyba("neukončený text v uvozovkách");
        const char c = t_[i_++];
        if (c == '"') return true;
        if (c != '\\') return Chyba("řídicí znak v textu");
        if (i_ >= t_.size()) return Chyba("neukončený text v uvozovkách");
        const char e = t_[i_++];
        switch (e) {
        case '"':
        case '\\':
        case '/':
            s += e;
            break;
        case 'b':
            s += '\b';
            break;
        case 'f':
            s += '\f';
            break;
        case 'n':
            s += '\n';
            break;
        case 'r':
            s += '\r';
            break;
        case 't':
            s += '\t';
            break;
        case 'u': {
            unsigned u = 0;
            if (!Hex4(u)) return Chyba("chybný znak \\u");
            if (u >= 0xDC00 && u <= 0xDFFF) return Chyba("chybný znak \\u");
            if (u >= 0xD800 && u <= 0xDBFF) {
                unsigned d = 0;
                if (t_.substr(i_, 2) != "\\u") return Chyba("chybný znak \\u");
                i_ += 2;
                if (!Hex4(d) || d < 0xDC00 || d > 0xDFFF) return Chyba("chybný znak \\u");
                u = 0x10000 + ((u - 0xD800) << 10) + (d - 0xDC00);
            }
            if (u < 0x80) {
                s += static_cast<char>(u);
            } else if (u < 0x800) {
                s += static_cast<char>(0xC0 | (u >> 6));
                s += static_cast<char>(0x80 | (u & 0x3F));
            } else if (u < 0x10000) {
                s += static_cast<char>(0xE0 | (u >> 12));
                s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
                s += static_cast<char>(0x80 | (u & 0x3F));
            } else {
                s += static_cast<char>(0xF0 | (u >> 18));
                s += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
                s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
                s += static_cast<char>(0x80 | (u & 0x3F));
            }
            break;
        }
        default:
            return Chyba("chybné „\\“ v textu");
        }
    }
}

bool CteniJson::Cislo(std::optional<double>& x) {
    const size_t z = i_;
    auto cislice = [&] {
        const size_t k = i_;
        while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9')
            ++i_;
        return i_ > k;
    };
    if (i_ < t_.size() && t_[i_] == '-') ++i_;
    if (i_ < t_.size() && t_[i_] == '0')
        ++i_;
    else if (!cislice())
        return Chyba("chybné číslo");
    if (i_ < t_.size() && t_[i_] == '.') {
        ++i_;
        if (!cislice()) return Chyba("chybné číslo");
    }
    if (i_ < t_.size() && (t_[i_] == 'e' || t_[i_] == 'E')) {
        ++i_;
        if (i_ < t_.size() && (t_[i_] == '+' || t_[i_] == '-')) ++i_;
        if (!cislice()) return Chyba("chybné číslo");
    }
    double d = 0;
    const auto r = std::from_chars(t_.data() + z, t_.data() + i_, d);
    x.reset();
    if (r.ec == std::errc() && r.ptr == t_.data() + i_) x = d;
    return true;
}

bool CteniJson::Hodnota() {
    switch (Dalsi()) {
    case '{':
        return Objekt([this](const std::string&) { return Hodnota(); });
    case '[':
        return Pole([this] { return Hodnota(); });
    case '"': {
        std::string s;
        return Retezec(s);
    }
    case 't':
    case 'f':
    case 'n':
        for (std::string_view slovo : {"true", "false", "null"})
            if (t_.substr(i_, slovo.size()) == slovo) {
                i_ += slovo.size();
                return true;
            }
        return Chyba("neznámé slovo");
    default:
        if (Dalsi() == '-' || (Dalsi() >= '0' && Dalsi() <= '9')) {
            std::optional<double> x;
            return Cislo(x);
        }
        return Chyba(Dalsi() == '\0' ? "soubor předčasně končí" : "neočekávaný znak");
    }
}

// Eight numbers of bands: true when the value is such an array; false with the
// reader's error set when the text is not JSON.
bool CtiPasma(CteniJson& c, std::array<double, PocetPasem>& h, bool& dobre) {
    dobre = false;
    if (c.Dalsi() != '[') return c.Hodnota();
    size_t n = 0;
    bool cisla = true;
    const bool ok = c.Pole([&] {
        const char z = c.Dalsi();
        if (z != '-' && (z < '0' || z > '9')) {
            cisla = false;
            return c.Hodnota();
        }
        std::optional<double> x;
        if (!c.Cislo(x)) return false;
        if (!x) cisla = false;
        if (n < PocetPasem && x) h[n] = *x;
        ++n;
        return true;
    });
    dobre = ok && cisla && n == PocetPasem;
    return ok;
}

bool Prazdny(const ZaznamCsv& r) {
    for (const std::string& b : r.Bunky)
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
    if (p.Nazev.find_first_not_of(" \t") == std::string::npos) return "Položka nemá název.";
    if (!JeRadekCp1250(p.Nazev))
        return "Název „" + p.Nazev + "“ obsahuje znaky, které soubor výpočtu neuloží.";
    for (const auto* r : {&p.Utlum, &p.VlastniDrun})
        for (double x : *r)
            if (!std::isfinite(x) || x < min || x > max)
                return "Hodnoty musí být čísla od " + FormatObecne(min) + " do " +
                       FormatObecne(max) + ".";
    return {};
}

std::string KatalogDoJson(const SeznamKatalogu& katalog) {
    std::string s = "{\n";
    // The keys in alphabetical order, as the file has always had them.
    for (int druh : {KatalogElement, KatalogZdroj}) {
        s += "    ";
        PridejRetezec(s, KlicDruhu[static_cast<size_t>(druh)]);
        s += ": [\n";
        const auto& seznam = katalog[static_cast<size_t>(druh)];
        for (size_t i = 0; i < seznam.size(); ++i) {
            const PolozkaKatalogu& p = seznam[i];
            s += "        {\n            \"nazev\": ";
            PridejRetezec(s, p.Nazev);
            auto pasma = [&s](const char* klic, const std::array<double, PocetPasem>& h,
                              bool posledni) {
                s += ",\n            \"";
                s += klic;
                s += "\": [\n";
                for (size_t b = 0; b < PocetPasem; ++b) {
                    s += "                ";
                    PridejCisloJson(s, h[b]);
                    s += b + 1 < PocetPasem ? ",\n" : "\n";
                }
                s += "            ]";
                if (posledni) s += '\n';
            };
            if (druh == KatalogZdroj) {
                pasma("vykon", p.VlastniDrun, true);
            } else {
                pasma("utlum", p.Utlum, false);
                pasma("vlastniDrun", p.VlastniDrun, true);
            }
            s += i + 1 < seznam.size() ? "        },\n" : "        }\n";
        }
        s += druh == KatalogElement ? "    ],\n" : "    ]\n";
    }
    return s + "}\n";
}

JsonKatalogu KatalogZJson(std::string_view json, double min, double max) {
    JsonKatalogu v;
    if (json.starts_with(BomUtf8)) json.remove_prefix(DelkaBom);
    CteniJson c(json);
    if (c.Dalsi() != '{') {
        v.Chyba = c.Dalsi() == '\0' ? "soubor je prázdný" : "soubor neobsahuje katalog";
        return v;
    }
    // Entries left out with their lines; names repeated are found after each
    // list, so that they come out in the file's order in the end.
    std::vector<std::pair<int, std::string>> vynechane;
    auto vynechej = [&vynechane](int radek, std::string proc) {
        vynechane.emplace_back(radek, std::move(proc));
    };
    const bool ok = c.Objekt([&](const std::string& klic) {
        int druh = -1;
        for (int d = 0; d < PocetDruhuKatalogu; ++d)
            if (klic == KlicDruhu[static_cast<size_t>(d)]) druh = d;
        if (druh < 0) return c.Hodnota();
        const std::string seznam = std::string("„") + klic + "“";
        // A key given twice: the last one holds, as for any other reader.
        auto& s = v.Polozky[static_cast<size_t>(druh)];
        s.clear();
        if (c.Dalsi() != '[') {
            vynechej(c.Radek(), "chybný seznam " + seznam + ".");
            return c.Hodnota();
        }
        std::vector<int> radky; // of the entries kept
        const bool cely = c.Pole([&] {
            const int radek = c.Radek();
            PolozkaKatalogu p;
            bool nazev = false, pasma = druh == KatalogZdroj, pasma2 = false;
            if (c.Dalsi() != '{') {
                if (!c.Hodnota()) return false;
                vynechej(radek, "chybná položka v seznamu " + seznam + ".");
                return true;
            }
            const bool cela = c.Objekt([&](const std::string& k) {
                if (k == "nazev") {
                    nazev = c.Dalsi() == '"';
                    p.Nazev.clear();
                    return nazev ? c.Retezec(p.Nazev) : c.Hodnota();
                }
                if (druh == KatalogZdroj && k == "vykon") return CtiPasma(c, p.VlastniDrun, pasma2);
                if (druh == KatalogElement && k == "utlum") return CtiPasma(c, p.Utlum, pasma);
                if (druh == KatalogElement && k == "vlastniDrun")
                    return CtiPasma(c, p.VlastniDrun, pasma2);
                return c.Hodnota();
            });
            if (!cela) return false;
            std::string proc;
            if (!nazev || !pasma || !pasma2)
                proc = "chybná položka v seznamu " + seznam + ".";
            else if (const std::string ch = ChybaPolozky(p, min, max); !ch.empty())
                proc = "položka „" + p.Nazev + "“: " + ch;
            else if (p.Nazev.front() == ' ' || p.Nazev.back() == ' ' || p.Nazev.front() == '\t' ||
                     p.Nazev.back() == '\t')
                proc = "položka „" + p.Nazev + "“ má v názvu mezery na začátku nebo na konci.";
            if (proc.empty()) {
                s.push_back(std::move(p));
                radky.push_back(radek);
            } else {
                vynechej(radek, std::move(proc));
            }
            return true;
        });
        if (!cely) return false;
        std::unordered_set<std::string_view> nazvy(s.size());
        size_t j = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            if (!nazvy.insert(s[i].Nazev).second) {
                vynechej(radky[i], "název „" + s[i].Nazev + "“ je tam dvakrát.");
                continue;
            }
            if (i != j) {
                nazvy.erase(s[i].Nazev);
                s[j] = std::move(s[i]);
                nazvy.insert(s[j].Nazev);
            }
            ++j;
        }
        s.resize(j);
        return true;
    });
    std::stable_sort(vynechane.begin(), vynechane.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [radek, proc] : vynechane)
        v.Vynechane.push_back("řádek " + std::to_string(radek) + ": " + proc);
    if (ok && c.Dalsi() != '\0') c.Chyba("za koncem katalogu pokračuje text");
    if (!c.Chyba().empty()) {
        v.Chyba = c.Chyba();
        v.Polozky = {};
        v.Vynechane.clear();
    }
    return v;
}

int PridejDoKatalogu(SeznamKatalogu& k, const std::vector<RadekKatalogu>& polozky,
                     std::vector<ChybnyRadek>& chyby, const PoradiNazvu& poradi) {
    auto pred = [&poradi](const PolozkaKatalogu& a, const PolozkaKatalogu& b) {
        return poradi ? poradi(a.Nazev, b.Nazev) : a.Nazev < b.Nazev;
    };
    std::array<std::unordered_map<std::string, size_t>, PocetDruhuKatalogu> index;
    std::array<size_t, PocetDruhuKatalogu> puvodne{};
    for (size_t d = 0; d < PocetDruhuKatalogu; ++d) {
        puvodne[d] = k[d].size();
        for (size_t i = 0; i < k[d].size(); ++i)
            index[d].emplace(k[d][i].Nazev, i);
    }
    int n = 0;
    for (const RadekKatalogu& r : polozky) {
        auto& s = k[static_cast<size_t>(r.Druh)];
        const auto [i, novy] =
            index[static_cast<size_t>(r.Druh)].emplace(r.Polozka.Nazev, s.size());
        if (novy) {
            s.push_back(r.Polozka);
            ++n;
        } else if (!(s[i->second] == r.Polozka)) {
            chyby.push_back(ChybaNaRadku(r.CisloRadku, "položka „" + r.Polozka.Nazev +
                                                           "“ už v katalogu je s jinými "
                                                           "hodnotami, zůstávají původní."));
        }
    }
    // The new entries sorted among themselves, then merged: no sort of the whole list.
    for (size_t d = 0; d < PocetDruhuKatalogu; ++d) {
        auto& s = k[d];
        const auto nove = s.begin() + static_cast<std::ptrdiff_t>(puvodne[d]);
        std::stable_sort(nove, s.end(), pred);
        std::inplace_merge(s.begin(), nove, s.end(), pred);
    }
    return n;
}

std::string KatalogDoCsv(const SeznamKatalogu& katalog) {
    ZapisCsv z;
    z.Text("Druh").Text("Název");
    for (const char* skupina : SkupinySloupcu)
        for (const char* pasmo : NazvyPasem)
            z.Text(std::string(skupina) + " " + pasmo);
    z.Konec();
    for (int druh = 0; druh < PocetDruhuKatalogu; ++druh) {
        for (const PolozkaKatalogu& p : katalog[static_cast<size_t>(druh)]) {
            z.Text(NazvyDruhuKatalogu[static_cast<size_t>(druh)]).Text(p.Nazev);
            // A source fills the power columns, an element the other two groups.
            for (int sk = 0; sk < 3; ++sk) {
                const bool vyplnit = (druh == KatalogZdroj) == (sk == 0);
                const auto& hodnoty = sk == 1 ? p.Utlum : p.VlastniDrun;
                for (double x : hodnoty)
                    vyplnit ? z.Cislo(x) : z.Prazdna();
            }
            z.Konec();
        }
    }
    return z.Vezmi();
}

CsvKatalogu KatalogZCsv(const std::string& obsah, double min, double max) {
    CsvKatalogu v;
    const std::optional<std::string> text = TextCsv(obsah);
    if (!text) {
        v.Zprava = "Soubor nelze přečíst jako text.";
        return v;
    }
    const std::vector<ZaznamCsv> zaznamy = ZaznamyCsv(*text);
    if (zaznamy.empty() || zaznamy[0].NeuzavrenoNaRadku || zaznamy[0].Bunky.size() < 2 ||
        Orizni(zaznamy[0].Bunky[0]) != "Druh" || Orizni(zaznamy[0].Bunky[1]) != "Název") {
        v.Zprava = "Soubor není katalog DRUN: první řádek musí začínat „Druh;Název“.";
        return v;
    }
    v.Ok = true;
    bool data = false;
    for (size_t z = 1; z < zaznamy.size(); ++z) {
        const ZaznamCsv& r = zaznamy[z];
        if (r.NeuzavrenoNaRadku) {
            data = true;
            v.Chyby.push_back(ChybaNaRadku(r.NeuzavrenoNaRadku,
                                           "uvozovky otevřené na tomto řádku nejsou uzavřeny."));
            continue;
        }
        if (Prazdny(r)) continue;
        data = true;
        const std::string druhText = Orizni(r.Bunky[0]);
        int druh = -1;
        for (int d = 0; d < PocetDruhuKatalogu; ++d)
            if (druhText == NazvyDruhuKatalogu[static_cast<size_t>(d)]) druh = d;
        if (druh < 0) {
            v.Chyby.push_back(
                ChybaNaRadku(r.Radek, "neznámý druh „" + druhText +
                                          "“ (má být „Zdroj drunu“ nebo „Obecný element“)."));
            continue;
        }
        if (r.Bunky.size() < PocetSloupcu) {
            v.Chyby.push_back(
                ChybaNaRadku(r.Radek, "chybí hodnoty (řádek má " + std::to_string(r.Bunky.size()) +
                                          " sloupců z " + std::to_string(PocetSloupcu) + ")."));
            continue;
        }
        RadekKatalogu p;
        p.Druh = druh;
        p.CisloRadku = r.Radek;
        p.Polozka.Nazev = UpravNazev(ZrusBezVzorce(Orizni(r.Bunky[1])));
        std::string chyba;
        for (int sk = 0; sk < 3 && chyba.empty(); ++sk) {
            if ((druh == KatalogZdroj) != (sk == 0)) continue;
            auto& hodnoty = sk == 1 ? p.Polozka.Utlum : p.Polozka.VlastniDrun;
            for (size_t i = 0; i < PocetPasem && chyba.empty(); ++i) {
                const std::string& b = r.Bunky[2 + static_cast<size_t>(sk) * PocetPasem + i];
                if (auto x = CisloZCsv(b))
                    hodnoty[i] = *x;
                else
                    chyba = std::string("„") + Orizni(b) + "“ ve sloupci " + SkupinySloupcu[sk] +
                            " " + NazvyPasem[i] + " není číslo.";
            }
        }
        if (chyba.empty()) chyba = ChybaPolozky(p.Polozka, min, max);
        if (!chyba.empty()) {
            v.Chyby.push_back(ChybaNaRadku(r.Radek, chyba));
            continue;
        }
        v.Polozky.push_back(std::move(p));
    }
    if (!data) {
        v.Ok = false;
        v.Zprava = "Soubor neobsahuje žádný datový řádek, do katalogu nebylo nic přidáno.";
    }
    return v;
}

} // namespace drun
