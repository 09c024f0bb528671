#include "io/Katalog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include <nlohmann/json.hpp>

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

using Json = nlohmann::json;

const std::array<const char*, PocetDruhuKatalogu> KlicDruhu{"zdroje", "elementy"};

// As the file has always had its numbers: an integer while the value is exactly
// one (up to 2^53), otherwise the shortest text that reads back equal.
void PridejCisloJson(std::string& s, double x) {
    if (!std::isfinite(x))
        s += "null";
    else if (x == std::trunc(x) && std::fabs(x) <= 9007199254740992.0)
        PridejPresne(s, x + 0.0, TvarPresne::Pevny);
    else
        PridejPresne(s, x);
}

// The line of the last character the library has read that is not a blank:
// when it reports a value, the line the value ends on.
struct Stopa {
    int Radek = 1;
    int Konce = 0; // line ends read after that character
};

// The text's characters for the library, counting lines on the way.
class ZnakySRadky {
  public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    ZnakySRadky(const char* p, Stopa* stopa) : p_(p), stopa_(stopa) {}
    reference operator*() const { return *p_; }
    ZnakySRadky& operator++() {
        if (*p_ == '\n') {
            ++stopa_->Konce;
        } else if (*p_ != ' ' && *p_ != '\t' && *p_ != '\r') {
            stopa_->Radek += stopa_->Konce;
            stopa_->Konce = 0;
        }
        ++p_;
        return *this;
    }
    ZnakySRadky operator++(int) {
        ZnakySRadky i = *this;
        ++*this;
        return i;
    }
    bool operator==(const ZnakySRadky& o) const { return p_ == o.p_; }

  private:
    const char* p_;
    Stopa* stopa_;
};

// The library's reasons for refusing a text, in the program's words; the
// first that its message holds is given.
constexpr std::array<std::pair<std::string_view, std::string_view>, 13> Duvody{{
    {"missing closing quote", "neukončený text v uvozovkách"},
    {"control character", "řídicí znak v textu"},
    {"surrogate", "chybný znak \\u"},
    {"'\\u'", "chybný znak \\u"},
    {"after backslash", "chybné „\\“ v textu"},
    {"invalid number", "chybné číslo"},
    {"number overflow", "číslo mimo rozsah"},
    {"unexpected end of input", "soubor předčasně končí"},
    {"expected end of input", "za koncem katalogu pokračuje text"},
    {"object key", "očekáván název v uvozovkách"},
    {"object separator", "očekávána dvojtečka"},
    {"parsing object -", "očekávána čárka nebo „}“"},
    {"parsing array -", "očekávána čárka nebo „]“"},
}};

std::string Duvod(std::string_view zprava) {
    // What follows is the text read, which may hold anything.
    zprava = zprava.substr(0, zprava.find("; last read:"));
    for (const auto& [anglicky, cesky] : Duvody)
        if (zprava.find(anglicky) != std::string_view::npos) return std::string(cesky);
    return "neočekávaný znak";
}

// The library gives up the whole text at a number that a double cannot hold;
// the catalogue leaves out only the entry that holds it. Such a number, where
// the library points, is made an empty object of its length (the lines stay),
// which the reader leaves out as any value that is not a number. False when
// the library does not point at a number.
bool BezPreteceni(std::string& text, size_t pozice, const std::string& cislo) {
    if (cislo.size() < 2 || pozice < cislo.size() || pozice > text.size() ||
        text.compare(pozice - cislo.size(), cislo.size(), cislo) != 0)
        return false;
    text.replace(pozice - cislo.size(), cislo.size(),
                 "{" + std::string(cislo.size() - 2, ' ') + "}");
    return true;
}

// The catalogue from the library's events (its SAX interface): each entry
// knows its line, and a bad one is left out alone.
class CteniKatalogu {
  public:
    CteniKatalogu(const Stopa& stopa, double min, double max, JsonKatalogu& v)
        : stopa_(stopa), min_(min), max_(max), v_(v) {}

    // Entries left out, with their lines, in the order they were found.
    std::vector<std::pair<int, std::string>> Vynechane;
    // The library's refusal; 0 when the text was read.
    int Chyba = 0;
    size_t Pozice = 0;    // just past the character it stopped at
    std::string Posledni; // the text it read last
    std::string Zprava;

    bool null() { return Hodnota(Typ::Jine); }
    bool boolean(bool) { return Hodnota(Typ::Jine); }
    bool number_integer(Json::number_integer_t x) { return Cislo(static_cast<double>(x)); }
    bool number_unsigned(Json::number_unsigned_t x) { return Cislo(static_cast<double>(x)); }
    bool number_float(Json::number_float_t, const std::string& t) {
        // Read again from its text: the library's conversion follows the locale's
        // decimal point, and a value beyond a double's range is no number here.
        std::string tecka = t;
        for (char& c : tecka)
            if ((c < '0' || c > '9') && c != '-' && c != '+' && c != 'e' && c != 'E') c = '.';
        double x = 0;
        const auto r = std::from_chars(tecka.data(), tecka.data() + tecka.size(), x);
        if (r.ec != std::errc() || r.ptr != tecka.data() + tecka.size()) return Hodnota(Typ::Jine);
        return Cislo(x);
    }
    bool string(std::string& t) {
        text_ = &t;
        return Hodnota(Typ::Text);
    }
    bool binary(Json::binary_t&) { return Hodnota(Typ::Jine); }
    bool start_object(std::size_t) { return Zacatek(Typ::Objekt); }
    bool start_array(std::size_t) { return Zacatek(Typ::Pole); }
    bool end_object() { return Konec(); }
    bool end_array() { return Konec(); }
    bool key(std::string& k) {
        if (preskoc_ > 0) return true;
        if (uroven_ == Uroven::Katalog) {
            klic_ = k;
        } else if (uroven_ == Uroven::Polozka) {
            nazev_ = k == "nazev";
            pole_ = nullptr;
            // A source keeps its sound power where an element keeps its self-noise.
            if (k == (druh_ == KatalogZdroj ? "vykon" : "vlastniDrun")) {
                pole_ = &p_.VlastniDrun;
                dobre_ = &maDrun_;
            } else if (druh_ == KatalogElement && k == "utlum") {
                pole_ = &p_.Utlum;
                dobre_ = &maUtlum_;
            }
        }
        return true;
    }
    bool parse_error(std::size_t pozice, const std::string& posledni, const Json::exception& e) {
        Chyba = e.id;
        Pozice = pozice;
        Posledni = posledni;
        Zprava = e.what();
        return false;
    }

  private:
    enum class Typ { Objekt, Pole, Cislo, Text, Jine };
    // Where the reader stands: outside, in the catalogue object, in one of its
    // lists, in an entry, in an entry's bands.
    enum class Uroven { Mimo, Katalog, Seznam, Polozka, Pasma };

    void Vynechej(std::string proc) { Vynechane.emplace_back(stopa_.Radek, std::move(proc)); }
    std::string Seznam() const {
        return std::string("„") + KlicDruhu[static_cast<size_t>(druh_)] + "“";
    }
    bool Cislo(double x) {
        cislo_ = x;
        return Hodnota(Typ::Cislo);
    }
    bool Zacatek(Typ t) {
        if (preskoc_ > 0) {
            ++preskoc_;
            return true;
        }
        const Uroven pred = uroven_;
        Hodnota(t);
        if (uroven_ == pred) preskoc_ = 1; // a value passed over
        return true;
    }
    // A value where the reader stands; a container it knows is entered.
    bool Hodnota(Typ t) {
        if (preskoc_ > 0) return true;
        switch (uroven_) {
        case Uroven::Mimo:
            if (t == Typ::Objekt) uroven_ = Uroven::Katalog;
            break;
        case Uroven::Katalog: {
            druh_ = -1;
            for (int d = 0; d < PocetDruhuKatalogu; ++d)
                if (klic_ == KlicDruhu[static_cast<size_t>(d)]) druh_ = d;
            if (druh_ < 0) break;
            // A key given twice: the last one holds, as for any other reader.
            v_.Polozky[static_cast<size_t>(druh_)].clear();
            radky_.clear();
            if (t == Typ::Pole)
                uroven_ = Uroven::Seznam;
            else
                Vynechej("chybný seznam " + Seznam() + ".");
            break;
        }
        case Uroven::Seznam:
            if (t == Typ::Objekt) {
                uroven_ = Uroven::Polozka;
                p_ = {};
                radek_ = stopa_.Radek;
                nazev_ = false;
                pole_ = nullptr;
                maNazev_ = false;
                maUtlum_ = druh_ == KatalogZdroj;
                maDrun_ = false;
            } else {
                Vynechej("chybná položka v seznamu " + Seznam() + ".");
            }
            break;
        case Uroven::Polozka:
            if (nazev_) {
                maNazev_ = t == Typ::Text;
                p_.Nazev = maNazev_ ? std::move(*text_) : std::string();
            } else if (pole_) {
                *dobre_ = false;
                if (t == Typ::Pole) {
                    uroven_ = Uroven::Pasma;
                    n_ = 0;
                    cisla_ = true;
                }
            }
            break;
        case Uroven::Pasma:
            if (t == Typ::Cislo && n_ < PocetPasem) (*pole_)[n_] = cislo_;
            cisla_ = cisla_ && t == Typ::Cislo;
            ++n_;
            break;
        }
        return true;
    }
    bool Konec() {
        if (preskoc_ > 0) {
            --preskoc_;
            return true;
        }
        switch (uroven_) {
        case Uroven::Pasma:
            *dobre_ = cisla_ && n_ == PocetPasem;
            uroven_ = Uroven::Polozka;
            break;
        case Uroven::Polozka:
            KonecPolozky();
            uroven_ = Uroven::Seznam;
            break;
        case Uroven::Seznam:
            KonecSeznamu();
            uroven_ = Uroven::Katalog;
            break;
        case Uroven::Katalog:
        case Uroven::Mimo:
            uroven_ = Uroven::Mimo;
            break;
        }
        return true;
    }
    void KonecPolozky() {
        std::string proc;
        if (!maNazev_ || !maUtlum_ || !maDrun_)
            proc = "chybná položka v seznamu " + Seznam() + ".";
        else if (const std::string ch = ChybaPolozky(p_, min_, max_); !ch.empty())
            proc = "položka „" + p_.Nazev + "“: " + ch;
        else if (p_.Nazev != Orizni(p_.Nazev))
            proc = "položka „" + p_.Nazev + "“ má v názvu mezery na začátku nebo na konci.";
        if (proc.empty()) {
            v_.Polozky[static_cast<size_t>(druh_)].push_back(std::move(p_));
            radky_.push_back(radek_);
        } else {
            Vynechane.emplace_back(radek_, std::move(proc));
        }
    }
    // A name repeated in the list leaves out each entry after the first.
    void KonecSeznamu() {
        auto& s = v_.Polozky[static_cast<size_t>(druh_)];
        std::unordered_set<std::string_view> nazvy(s.size());
        size_t j = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            if (!nazvy.insert(s[i].Nazev).second) {
                Vynechane.emplace_back(radky_[i], "název „" + s[i].Nazev + "“ je tam dvakrát.");
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
    }

    const Stopa& stopa_;
    double min_, max_;
    JsonKatalogu& v_;
    Uroven uroven_ = Uroven::Mimo;
    int preskoc_ = 0; // containers open in a value passed over
    std::string klic_;
    int druh_ = -1;
    std::vector<int> radky_; // of the entries kept in the list being read
    PolozkaKatalogu p_;
    int radek_ = 0;
    bool nazev_ = false;                                      // the entry's value is its name
    std::array<double, PocetPasem>* pole_ = nullptr;          // or these bands
    bool* dobre_ = nullptr;                                   // set when the bands are whole
    bool maNazev_ = false, maUtlum_ = false, maDrun_ = false; // the entry has them whole
    size_t n_ = 0;
    bool cisla_ = false;
    double cislo_ = 0;
    std::string* text_ = nullptr;
};

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
    auto retezec = [](const std::string& t) {
        return Json(t).dump(-1, ' ', false, Json::error_handler_t::replace);
    };
    std::string s = "{\n";
    // The keys in alphabetical order, as the file has always had them.
    for (int druh : {KatalogElement, KatalogZdroj}) {
        s += "    " + retezec(KlicDruhu[static_cast<size_t>(druh)]) + ": [\n";
        const auto& seznam = katalog[static_cast<size_t>(druh)];
        for (size_t i = 0; i < seznam.size(); ++i) {
            const PolozkaKatalogu& p = seznam[i];
            s += "        {\n            \"nazev\": " + retezec(p.Nazev);
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
    json = BezBom(json);
    const size_t zacatek = json.find_first_not_of(" \t\r\n");
    if (zacatek == std::string_view::npos || json[zacatek] != '{') {
        v.Chyba =
            zacatek == std::string_view::npos ? "soubor je prázdný" : "soubor neobsahuje katalog";
        return v;
    }
    // A byte that is no UTF-8 stops the library; as a replacement character it
    // only makes the name that holds it one the catalogue refuses.
    std::string text(json);
    if (!JePlatneUtf8(text)) text = OpravUtf8(text);
    std::vector<std::pair<int, std::string>> vynechane;
    // Each such number costs a reading of the whole text: a file with more is
    // refused rather than read for long.
    constexpr int NejvicPreteceni = 64;
    constexpr int PretekloCislo = 406; // the library's "number overflow"
    for (int preteceni = 0;; ++preteceni) {
        v = {};
        Stopa stopa;
        CteniKatalogu c(stopa, min, max, v);
        Json::sax_parse(ZnakySRadky(text.data(), &stopa),
                        ZnakySRadky(text.data() + text.size(), &stopa), &c);
        vynechane = std::move(c.Vynechane);
        if (c.Chyba == PretekloCislo && preteceni < NejvicPreteceni &&
            BezPreteceni(text, c.Pozice, c.Posledni))
            continue;
        if (c.Chyba != 0) {
            // The line of the character the library stopped at (past the end: the last).
            const size_t konec = std::clamp<size_t>(c.Pozice, 1, text.size() + 1) - 1;
            const auto radek = 1 + std::count(text.begin(), text.begin() + konec, '\n');
            v = {};
            v.Chyba = "chyba na řádku " + std::to_string(radek) + ": " + Duvod(c.Zprava);
            return v;
        }
        break;
    }
    std::stable_sort(vynechane.begin(), vynechane.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [radek, proc] : vynechane)
        v.Vynechane.push_back("řádek " + std::to_string(radek) + ": " + proc);
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
