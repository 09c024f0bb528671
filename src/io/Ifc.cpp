#include "io/Ifc.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <new>
#include <optional>
#include <unordered_map>
#include <utility>

#include "core/Soubory.h"
#include "io/Csv.h"
#include "io/Kodovani.h"
#include "io/SoucetCest.h"

namespace drun {

namespace {

struct ChybaIfc {
    size_t Radek;
    std::string Proc;
};

// One entity instance: where its class name and its parameters lie in the text.
struct Entita {
    std::uint32_t Cislo, Radek;
    std::uint32_t Typ, DelkaTypu; // the class name; empty for a complex instance
    std::uint32_t Zacatek;        // the parameters' opening '('
    std::uint32_t Hash = 0;       // of the class name, to find the classes read quickly
};

// A parameter as the interpretation reads it.
struct Hodnota {
    enum Druh : std::uint8_t {
        Nic,
        Odvozena,
        Cislo,
        Text,
        Vycet,
        Odkaz,
        Seznam,
        Typovana,
        Binarni
    };
    Druh D = Nic;
    double X = 0;
    std::uint32_t Ref = 0;
    std::string_view S; // a text's raw bytes, an enumeration's or a typed value's name
    std::vector<Hodnota> P{};
};

constexpr int NejhlubsiVnoreni = 32;

bool JePismeno(char c) {
    return (c >= 'A' && c <= 'Z') || c == '_';
}
bool JeCislice(char c) {
    return c >= '0' && c <= '9';
}
bool JeHex(char c) {
    return JeCislice(c) || (c >= 'A' && c <= 'F');
}

std::uint32_t HashNazvu(std::string_view s) {
    std::uint32_t h = 2166136261u;
    for (char c : s)
        h = (h ^ std::uint8_t(c)) * 16777619u;
    return h;
}

// The exchange structure token by token. The same walk checks the whole file
// (collecting references) and, started at one entity, builds its parameters.
class Skener {
  public:
    explicit Skener(std::string_view t) : t_(t) {}

    std::string_view t_;
    size_t i_ = 0;
    size_t radek_ = 1;
    std::vector<std::pair<std::uint32_t, std::uint32_t>>* odkazy_ = nullptr; // (#, line)

    [[noreturn]] void Chyba(std::string proc, size_t radek = 0) const {
        throw ChybaIfc{radek ? radek : radek_, std::move(proc)};
    }
    bool Konec() const { return i_ >= t_.size(); }
    char Znak() const { return i_ < t_.size() ? t_[i_] : '\0'; }

    void Mezery() {
        while (i_ < t_.size()) {
            const char c = t_[i_];
            if (c == '\n') {
                ++radek_;
                ++i_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++i_;
            } else if (c == '/' && i_ + 1 < t_.size() && t_[i_ + 1] == '*') {
                const size_t zacatek = radek_;
                const size_t konec = t_.find("*/", i_ + 2);
                if (konec == std::string_view::npos) Chyba("neukončený komentář", zacatek);
                radek_ += size_t(std::count(t_.begin() + long(i_), t_.begin() + long(konec), '\n'));
                i_ = konec + 2;
            } else {
                return;
            }
        }
    }
    void Ocekavej(char c) {
        Mezery();
        if (Konec()) Chyba("soubor končí předčasně (chybí '" + std::string(1, c) + "')");
        if (t_[i_] != c)
            Chyba("očekáván znak '" + std::string(1, c) + "', ne '" + std::string(1, t_[i_]) + "'");
        ++i_;
    }
    std::string_view Slovo() {
        Mezery();
        const size_t z = i_;
        if (!JePismeno(Znak())) {
            if (Konec()) Chyba("soubor končí předčasně");
            Chyba("očekáváno klíčové slovo");
        }
        while (i_ < t_.size() && (JePismeno(t_[i_]) || JeCislice(t_[i_]) || t_[i_] == '-'))
            ++i_;
        return t_.substr(z, i_ - z);
    }
    void OcekavejSlovo(std::string_view s) {
        const size_t r = (Mezery(), radek_);
        if (Slovo() != s) Chyba("očekáváno " + std::string(s), r);
    }
    std::uint32_t CisloEntity() {
        ++i_; // '#'
        const size_t z = i_;
        while (i_ < t_.size() && JeCislice(t_[i_]))
            ++i_;
        std::uint32_t n = 0;
        const auto [p, e] = std::from_chars(t_.data() + z, t_.data() + i_, n);
        if (z == i_ || e != std::errc() || n == 0 || n == UINT32_MAX)
            Chyba("neplatné číslo entity");
        return n;
    }

    // A parameter list after its '('; the values into `out` when given.
    void Parametry(std::vector<Hodnota>* out, int hloubka) {
        if (hloubka > NejhlubsiVnoreni) Chyba("příliš hluboko vnořené seznamy");
        Mezery();
        if (Znak() == ')') {
            ++i_;
            if (out) out->clear();
            return;
        }
        // The values overwrite those of a vector used before, keeping its buffers.
        size_t k = 0;
        for (;;) {
            Hodnota* h = nullptr;
            if (out) {
                if (k == out->size()) out->emplace_back();
                h = &(*out)[k++];
                h->D = Hodnota::Nic;
                h->P.clear();
            }
            Parametr(h, hloubka);
            Mezery();
            const char c = Znak();
            if (c == ',') {
                ++i_;
            } else if (c == ')') {
                ++i_;
                if (out) out->resize(k);
                return;
            } else if (Konec()) {
                Chyba("soubor končí předčasně (neuzavřená závorka)");
            } else {
                Chyba("očekávána ',' nebo ')', ne '" + std::string(1, c) + "'");
            }
        }
    }

    // A parameter list after its '(' checked as fast as it can be read: every
    // token's form, separators between values, brackets nested at most
    // NejhlubsiVnoreni deep, references collected; no value is converted.
    void Prelet() {
        const char* t = t_.data();
        const size_t n = t_.size();
        size_t i = i_;
        int hloubka = 1;
        bool poHodnote = false, poCarce = false;
        auto chyba = [&](const char* proc) {
            i_ = i;
            Chyba(proc);
        };
        auto hodnota = [&]() {
            if (poHodnote) chyba("očekávána ',' nebo ')'");
            poHodnote = true;
            poCarce = false;
        };
        auto cislice = [&]() {
            const size_t z = i;
            while (i < n && JeCislice(t[i]))
                ++i;
            return i > z;
        };
        while (hloubka > 0) {
            if (i >= n) chyba("soubor končí předčasně (neuzavřená závorka)");
            const char c = t[i];
            switch (c) {
            case ' ':
            case '\t':
            case '\r':
                ++i;
                break;
            case '\n':
                ++radek_;
                ++i;
                break;
            case ',':
                if (!poHodnote) chyba("chybí hodnota před ','");
                poHodnote = false;
                poCarce = true;
                ++i;
                break;
            case '(':
                if (poHodnote) chyba("očekávána ',' nebo ')'");
                if (++hloubka > NejhlubsiVnoreni) chyba("příliš hluboko vnořené seznamy");
                poCarce = false;
                ++i;
                break;
            case ')':
                if (poCarce) chyba("chybí hodnota před ')'");
                --hloubka;
                poHodnote = true;
                ++i;
                break;
            case '$':
            case '*':
                hodnota();
                ++i;
                break;
            case '#': {
                hodnota();
                const size_t z = ++i;
                std::uint64_t x = 0;
                while (i < n && JeCislice(t[i]) && x < UINT32_MAX)
                    x = x * 10 + std::uint64_t(t[i++] - '0');
                if (i == z || x == 0 || x >= UINT32_MAX) chyba("neplatné číslo entity");
                if (odkazy_) odkazy_->emplace_back(std::uint32_t(x), std::uint32_t(radek_));
                break;
            }
            case '\'': {
                hodnota();
                const size_t zacatek = radek_;
                for (++i;;) {
                    const void* k = std::memchr(t + i, '\'', n - i);
                    if (!k) Chyba("neukončený řetězec", zacatek);
                    const size_t j = size_t(static_cast<const char*>(k) - t);
                    radek_ += size_t(std::count(t + i, t + j, '\n'));
                    i = j + 1;
                    if (i < n && t[i] == '\'')
                        ++i;
                    else
                        break;
                }
                break;
            }
            case '.':
                hodnota();
                ++i;
                while (i < n && (JePismeno(t[i]) || JeCislice(t[i])))
                    ++i;
                if (i >= n || t[i] != '.' || t[i - 1] == '.') chyba("neukončený výčet");
                ++i;
                break;
            case '"':
                hodnota();
                ++i;
                if (!(i < n && JeHex(t[i]))) chyba("neplatná binární hodnota");
                while (i < n && JeHex(t[i]))
                    ++i;
                if (i >= n || t[i] != '"') chyba("neplatná binární hodnota");
                ++i;
                break;
            case '/':
                if (i + 1 < n && t[i + 1] == '*') {
                    i_ = i;
                    Mezery();
                    i = i_;
                } else {
                    chyba("neočekávaný znak '/'");
                }
                break;
            default:
                if (JeCislice(c) || c == '-' || c == '+') {
                    hodnota();
                    if (c == '-' || c == '+') ++i;
                    if (!cislice()) chyba("neplatné číslo");
                    if (i < n && t[i] == '.') {
                        ++i;
                        cislice();
                        if (i < n && (t[i] == 'E' || t[i] == 'e')) {
                            ++i;
                            if (i < n && (t[i] == '-' || t[i] == '+')) ++i;
                            if (!cislice()) chyba("neplatné číslo");
                        }
                    }
                    if (i < n && (JePismeno(t[i]) || t[i] == '.')) chyba("neplatné číslo");
                } else if (JePismeno(c)) {
                    // A typed value: its name, then its one parameter in brackets.
                    hodnota();
                    while (i < n && (JePismeno(t[i]) || JeCislice(t[i])))
                        ++i;
                    i_ = i;
                    Mezery();
                    i = i_;
                    if (i >= n || t[i] != '(') chyba("očekáván znak '('");
                    poHodnote = false;
                    if (++hloubka > NejhlubsiVnoreni) chyba("příliš hluboko vnořené seznamy");
                    ++i;
                } else {
                    chyba(("neočekávaný znak '" + std::string(1, c) + "'").c_str());
                }
            }
        }
        i_ = i;
    }

    void Parametr(Hodnota* h, int hloubka) {
        Mezery();
        if (Konec()) Chyba("soubor končí předčasně");
        const char c = t_[i_];
        if (c == '$' || c == '*') {
            ++i_;
            if (h) h->D = c == '$' ? Hodnota::Nic : Hodnota::Odvozena;
        } else if (c == '#') {
            const std::uint32_t n = CisloEntity();
            if (odkazy_) odkazy_->emplace_back(n, std::uint32_t(radek_));
            if (h) {
                h->D = Hodnota::Odkaz;
                h->Ref = n;
            }
        } else if (c == '\'') {
            const size_t zacatek = radek_;
            const size_t z = ++i_;
            for (;;) {
                const size_t k = t_.find_first_of("'\n", i_);
                if (k == std::string_view::npos) Chyba("neukončený řetězec", zacatek);
                i_ = k + 1;
                if (t_[k] == '\n') {
                    ++radek_;
                } else if (i_ < t_.size() && t_[i_] == '\'') {
                    ++i_;
                } else {
                    break;
                }
            }
            if (h) {
                h->D = Hodnota::Text;
                h->S = t_.substr(z, i_ - 1 - z);
            }
        } else if (c == '.') {
            const size_t z = ++i_;
            while (i_ < t_.size() && (JePismeno(t_[i_]) || JeCislice(t_[i_])))
                ++i_;
            if (i_ == z || Znak() != '.') Chyba("neukončený výčet");
            if (h) {
                h->D = Hodnota::Vycet;
                h->S = t_.substr(z, i_ - z);
            }
            ++i_;
        } else if (c == '"') {
            const size_t z = ++i_;
            while (i_ < t_.size() && JeHex(t_[i_]))
                ++i_;
            if (Znak() != '"' || i_ == z) Chyba("neplatná binární hodnota");
            ++i_;
            if (h) h->D = Hodnota::Binarni;
        } else if (c == '(') {
            ++i_;
            if (h) h->D = Hodnota::Seznam;
            Parametry(h ? &h->P : nullptr, hloubka + 1);
        } else if (JePismeno(c)) {
            const std::string_view s = Slovo();
            Ocekavej('(');
            Hodnota* uvnitr = nullptr;
            if (h) {
                h->D = Hodnota::Typovana;
                h->S = s;
                h->P.resize(1);
                uvnitr = &h->P[0];
                uvnitr->D = Hodnota::Nic;
                uvnitr->P.clear();
            }
            Parametr(uvnitr, hloubka + 1);
            Ocekavej(')');
        } else if (JeCislice(c) || c == '-' || c == '+') {
            const size_t z = i_;
            if (c == '-' || c == '+') ++i_;
            const size_t cislice = i_;
            while (i_ < t_.size() && JeCislice(t_[i_]))
                ++i_;
            if (i_ == cislice) Chyba("neplatné číslo");
            bool real = false;
            if (Znak() == '.') {
                real = true;
                ++i_;
                while (i_ < t_.size() && JeCislice(t_[i_]))
                    ++i_;
                if (Znak() == 'E' || Znak() == 'e') {
                    ++i_;
                    if (Znak() == '-' || Znak() == '+') ++i_;
                    const size_t exp = i_;
                    while (i_ < t_.size() && JeCislice(t_[i_]))
                        ++i_;
                    if (i_ == exp) Chyba("neplatné číslo");
                }
            }
            if (h || real) {
                // from_chars takes no '+' and no bare trailing point the way the format writes it.
                std::string cislo(t_.substr(z, i_ - z));
                if (cislo[0] == '+') cislo.erase(0, 1);
                double x = 0;
                const auto [p, e] = std::from_chars(cislo.data(), cislo.data() + cislo.size(), x);
                if (e != std::errc() || p != cislo.data() + cislo.size() || !std::isfinite(x))
                    Chyba("neplatné číslo " + cislo);
                if (h) {
                    h->D = Hodnota::Cislo;
                    h->X = x;
                }
            }
        } else {
            Chyba("neočekávaný znak '" + std::string(1, c) + "'");
        }
    }
};

// The bytes of a text parameter as UTF-8: the doubled apostrophe, the
// backslash and the \X\, \X2\, \X4\ and \S\ encodings decoded; a line break
// and control characters become blanks so that a name stays one line.
std::string Dekoduj(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    auto pridej = [&r](std::uint32_t cp) {
        if (cp < 0x20 || cp == 0x7F || (cp >= 0xD800 && cp < 0xE000) || cp > 0x10FFFF) cp = ' ';
        if (cp < 0x80) {
            r += char(cp);
        } else if (cp < 0x800) {
            r += char(0xC0 | (cp >> 6));
            r += char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            r += char(0xE0 | (cp >> 12));
            r += char(0x80 | ((cp >> 6) & 0x3F));
            r += char(0x80 | (cp & 0x3F));
        } else {
            r += char(0xF0 | (cp >> 18));
            r += char(0x80 | ((cp >> 12) & 0x3F));
            r += char(0x80 | ((cp >> 6) & 0x3F));
            r += char(0x80 | (cp & 0x3F));
        }
    };
    auto hex = [&s](size_t i, size_t n, std::uint32_t& cp) {
        if (i + n > s.size()) return false;
        const auto [p, e] = std::from_chars(s.data() + i, s.data() + i + n, cp, 16);
        return e == std::errc() && p == s.data() + i + n;
    };
    for (size_t i = 0; i < s.size();) {
        const char c = s[i];
        std::uint32_t cp = 0;
        if (c == '\'' && i + 1 < s.size() && s[i + 1] == '\'') {
            r += '\'';
            i += 2;
        } else if (c == '\\' && s.substr(i, 2) == "\\\\") {
            r += '\\';
            i += 2;
        } else if (s.substr(i, 3) == "\\X\\" && hex(i + 3, 2, cp)) {
            pridej(cp);
            i += 5;
        } else if (s.substr(i, 3) == "\\S\\" && i + 3 < s.size()) {
            pridej(std::uint32_t(static_cast<unsigned char>(s[i + 3])) + 128);
            i += 4;
        } else if (s.substr(i, 4) == "\\X2\\" || s.substr(i, 4) == "\\X4\\") {
            const size_t n = s[i + 2] == '2' ? 4 : 8;
            i += 4;
            while (hex(i, n, cp)) {
                pridej(cp);
                i += n;
            }
            if (s.substr(i, 4) == "\\X0\\") i += 4;
        } else if (s.substr(i, 2) == "\\P" && i + 3 < s.size() && s[i + 3] == '\\') {
            i += 4; // a code page switch: the \S\ characters are read as Latin-1
        } else {
            r += c == '\n' || c == '\r' ? ' ' : c;
            ++i;
        }
    }
    return JePlatneUtf8(r) ? JedenRadek(std::move(r)) : JedenRadek(OpravUtf8(r));
}

// The classes read, by name.
enum class Cteno : std::uint8_t {
    Prvek,
    Obecny, // an IFC2X3 generic flow element: its type says what it is
    Port,
    Typ,
    Vnoreni,
    PortKPrvku,
    SpojeniPortu,
    TypPrvku,
    Vlastnosti,
    Obsazeni,
    Odkaz,
    Skupina,
    System,
    Prostor,
    Projekt,
};

struct Trida {
    Cteno Co;
    TridaPrvku Prvek = TridaPrvku::Jiny;
};

const std::unordered_map<std::string_view, Trida>& Tridy() {
    using T = TridaPrvku;
    static const std::unordered_map<std::string_view, Trida> t{
        {"IFCDUCTSEGMENT", {Cteno::Prvek, T::Potrubi}},
        {"IFCDUCTFITTING", {Cteno::Prvek, T::Tvarovka}},
        {"IFCAIRTERMINAL", {Cteno::Prvek, T::Koncovy}},
        {"IFCFAN", {Cteno::Prvek, T::Ventilator}},
        {"IFCUNITARYEQUIPMENT", {Cteno::Prvek, T::Jednotka}},
        {"IFCDUCTSILENCER", {Cteno::Prvek, T::Tlumic}},
        {"IFCDAMPER", {Cteno::Prvek, T::Klapka}},
        {"IFCFILTER", {Cteno::Prvek, T::Filtr}},
        {"IFCAIRTOAIRHEATRECOVERY", {Cteno::Prvek, T::Rekuperace}},
        {"IFCSENSOR", {Cteno::Prvek, T::Cidlo}},
        {"IFCFLOWINSTRUMENT", {Cteno::Prvek, T::Cidlo}},
        {"IFCFLOWSEGMENT", {Cteno::Obecny, T::Potrubi}},
        {"IFCFLOWFITTING", {Cteno::Obecny, T::Tvarovka}},
        {"IFCFLOWTERMINAL", {Cteno::Obecny, T::Koncovy}},
        {"IFCFLOWMOVINGDEVICE", {Cteno::Obecny, T::Ventilator}},
        {"IFCFLOWCONTROLLER", {Cteno::Obecny, T::Jiny}},
        {"IFCFLOWTREATMENTDEVICE", {Cteno::Obecny, T::Jiny}},
        {"IFCENERGYCONVERSIONDEVICE", {Cteno::Obecny, T::Jiny}},
        {"IFCDISTRIBUTIONCONTROLELEMENT", {Cteno::Obecny, T::Jiny}},
        {"IFCDUCTSEGMENTTYPE", {Cteno::Typ, T::Potrubi}},
        {"IFCDUCTFITTINGTYPE", {Cteno::Typ, T::Tvarovka}},
        {"IFCAIRTERMINALTYPE", {Cteno::Typ, T::Koncovy}},
        {"IFCFANTYPE", {Cteno::Typ, T::Ventilator}},
        {"IFCUNITARYEQUIPMENTTYPE", {Cteno::Typ, T::Jednotka}},
        {"IFCDUCTSILENCERTYPE", {Cteno::Typ, T::Tlumic}},
        {"IFCDAMPERTYPE", {Cteno::Typ, T::Klapka}},
        {"IFCFILTERTYPE", {Cteno::Typ, T::Filtr}},
        {"IFCAIRTOAIRHEATRECOVERYTYPE", {Cteno::Typ, T::Rekuperace}},
        {"IFCSENSORTYPE", {Cteno::Typ, T::Cidlo}},
        {"IFCDISTRIBUTIONPORT", {Cteno::Port}},
        {"IFCRELNESTS", {Cteno::Vnoreni}},
        {"IFCRELCONNECTSPORTTOELEMENT", {Cteno::PortKPrvku}},
        {"IFCRELCONNECTSPORTS", {Cteno::SpojeniPortu}},
        {"IFCRELDEFINESBYTYPE", {Cteno::TypPrvku}},
        {"IFCRELDEFINESBYPROPERTIES", {Cteno::Vlastnosti}},
        {"IFCRELCONTAINEDINSPATIALSTRUCTURE", {Cteno::Obsazeni}},
        {"IFCRELREFERENCEDINSPATIALSTRUCTURE", {Cteno::Odkaz}},
        {"IFCRELASSIGNSTOGROUP", {Cteno::Skupina}},
        {"IFCSYSTEM", {Cteno::System}},
        {"IFCDISTRIBUTIONSYSTEM", {Cteno::System}},
        {"IFCDISTRIBUTIONCIRCUIT", {Cteno::System}},
        {"IFCSPACE", {Cteno::Prostor}},
        {"IFCPROJECT", {Cteno::Projekt}},
    };
    return t;
}

// What the units make of the file's numbers: factors to m, rad, m3/s, Pa, Hz.
struct Jednotky {
    double Delka = 1, Uhel = 1, Prutok = 1, Tlak = 1, Frekvence = 1;
};

constexpr double NaMm = 1000, NaStupne = 180 / 3.14159265358979323846, NaM3h = 3600;

class Cteni {
  public:
    Cteni(std::string_view t, std::vector<Entita>& e) : t_(t), e_(e) {}

    void Index() {
        std::uint32_t nejvic = 0;
        for (const Entita& x : e_)
            nejvic = std::max(nejvic, x.Cislo);
        if (nejvic <= 8 * e_.size() + 1024) {
            primo_.assign(size_t(nejvic) + 1, UINT32_MAX);
            for (size_t i = 0; i < e_.size(); ++i) {
                std::uint32_t& m = primo_[e_[i].Cislo];
                if (m != UINT32_MAX) Dvakrat(i);
                m = std::uint32_t(i);
            }
        } else {
            serazene_.reserve(e_.size());
            for (size_t i = 0; i < e_.size(); ++i)
                serazene_.emplace_back(e_[i].Cislo, std::uint32_t(i));
            std::sort(serazene_.begin(), serazene_.end());
            for (size_t i = 1; i < serazene_.size(); ++i)
                if (serazene_[i].first == serazene_[i - 1].first)
                    Dvakrat(std::max(serazene_[i].second, serazene_[i - 1].second));
        }
    }
    [[noreturn]] void Dvakrat(size_t i) const {
        throw ChybaIfc{e_[i].Radek, "entita #" + std::to_string(e_[i].Cislo) + " už je definována"};
    }
    // The index of entity #n; nullptr when the file holds none.
    const Entita* Najdi(std::uint32_t n) const {
        if (!primo_.empty()) {
            if (n >= primo_.size() || primo_[n] == UINT32_MAX) return nullptr;
            return &e_[primo_[n]];
        }
        const auto it = std::lower_bound(serazene_.begin(), serazene_.end(),
                                         std::pair<std::uint32_t, std::uint32_t>(n, 0));
        if (it == serazene_.end() || it->first != n) return nullptr;
        return &e_[it->second];
    }
    std::string_view Typ(const Entita& e) const { return t_.substr(e.Typ, e.DelkaTypu); }
    std::string_view Typ(std::uint32_t n) const {
        const Entita* e = Najdi(n);
        return e ? Typ(*e) : std::string_view();
    }

    // The parameters of an entity (a complex instance has none to read), into
    // a vector of the pool: reading allocates only while the pool grows.
    std::vector<Hodnota> Atributy(const Entita& e) const {
        std::vector<Hodnota> a;
        if (!volne_.empty()) {
            a = std::move(volne_.back());
            volne_.pop_back();
        }
        if (e.DelkaTypu == 0) {
            a.clear();
            return a;
        }
        Skener s(t_);
        s.i_ = e.Zacatek + 1;
        s.radek_ = e.Radek;
        s.Parametry(&a, 0);
        return a;
    }

    // The checked readings of one entity's parameters.
    struct Atr {
        Atr(const Cteni& cteni, const Entita& entita)
            : c(cteni), e(entita), a(cteni.Atributy(entita)) {}
        Atr(const Atr&) = delete;
        Atr& operator=(const Atr&) = delete;
        ~Atr() {
            if (c.volne_.size() < 64) c.volne_.push_back(std::move(a));
        }
        const Cteni& c;
        const Entita& e;
        std::vector<Hodnota> a;
        [[noreturn]] void Chyba(size_t i, const std::string& co) const {
            throw ChybaIfc{e.Radek, std::string(c.Typ(e)) + ": parametr " + std::to_string(i + 1) +
                                        " má být " + co};
        }
        const Hodnota* Ma(size_t i) const {
            return i < a.size() && a[i].D != Hodnota::Nic && a[i].D != Hodnota::Odvozena ? &a[i]
                                                                                         : nullptr;
        }
        std::string Text(size_t i) const {
            const Hodnota* h = Ma(i);
            if (!h) return {};
            if (h->D == Hodnota::Typovana && h->P[0].D == Hodnota::Text) return Dekoduj(h->P[0].S);
            if (h->D != Hodnota::Text) Chyba(i, "text");
            return Dekoduj(h->S);
        }
        std::string_view Vycet(size_t i) const {
            const Hodnota* h = Ma(i);
            if (!h) return {};
            if (h->D != Hodnota::Vycet) Chyba(i, "výčet");
            return h->S;
        }
        std::uint32_t Odkaz(size_t i) const {
            const Hodnota* h = Ma(i);
            if (!h) return 0;
            if (h->D != Hodnota::Odkaz) Chyba(i, "odkaz na entitu");
            return h->Ref;
        }
        std::vector<std::uint32_t> Odkazy(size_t i) const {
            std::vector<std::uint32_t> r;
            const Hodnota* h = Ma(i);
            if (!h) return r;
            if (h->D == Hodnota::Odkaz) return {h->Ref};
            if (h->D != Hodnota::Seznam) Chyba(i, "seznam odkazů");
            for (const Hodnota& p : h->P) {
                if (p.D != Hodnota::Odkaz) Chyba(i, "seznam odkazů");
                r.push_back(p.Ref);
            }
            return r;
        }
        std::optional<double> Cislo(size_t i) const {
            const Hodnota* h = Ma(i);
            if (!h) return std::nullopt;
            if (h->D == Hodnota::Typovana) h = &h->P[0];
            if (h->D != Hodnota::Cislo) Chyba(i, "číslo");
            return h->X;
        }
        double Kladne(size_t i) const {
            const auto x = Cislo(i);
            if (!x) Chyba(i, "číslo");
            if (!(*x > 0)) Chyba(i, "kladné číslo");
            return *x;
        }
        std::array<double, 3> Bod(size_t i) const {
            std::array<double, 3> b{};
            const Hodnota* h = Ma(i);
            if (!h) return b;
            if (h->D != Hodnota::Seznam || h->P.size() > 3) Chyba(i, "souřadnice");
            for (size_t k = 0; k < h->P.size(); ++k) {
                if (h->P[k].D != Hodnota::Cislo) Chyba(i, "souřadnice");
                b[k] = h->P[k].X;
            }
            return b;
        }
    };
    Atr Nacti(const Entita& e) const { return Atr(*this, e); }
    // Entity #n of one of the classes, or nullptr when it is of another.
    const Entita* Tridy(std::uint32_t n, std::initializer_list<std::string_view> tridy) const {
        const Entita* e = Najdi(n);
        if (!e) return nullptr;
        for (std::string_view t : tridy)
            if (Typ(*e) == t) return e;
        return nullptr;
    }

    // The factor of a unit to its SI unit without prefix.
    double Faktor(std::uint32_t n, int hloubka = 0) const {
        const Entita* e = Najdi(n);
        if (!e || hloubka > 8) return 1;
        const std::string_view typ = Typ(*e);
        const Atr a = Nacti(*e);
        if (typ == "IFCSIUNIT") {
            double f = 1;
            static const std::pair<std::string_view, double> predpony[] = {
                {"EXA", 1e18},  {"PETA", 1e15},  {"TERA", 1e12},   {"GIGA", 1e9},
                {"MEGA", 1e6},  {"KILO", 1e3},   {"HECTO", 1e2},   {"DECA", 1e1},
                {"DECI", 1e-1}, {"CENTI", 1e-2}, {"MILLI", 1e-3},  {"MICRO", 1e-6},
                {"NANO", 1e-9}, {"PICO", 1e-12}, {"FEMTO", 1e-15}, {"ATTO", 1e-18}};
            const std::string_view p = a.Vycet(2);
            for (const auto& [nazev, x] : predpony)
                if (p == nazev) f = x;
            const std::string_view jm = a.Vycet(3);
            if (jm == "SQUARE_METRE") return f * f;
            if (jm == "CUBIC_METRE") return f * f * f;
            return f;
        }
        if (typ == "IFCCONVERSIONBASEDUNIT" || typ == "IFCCONVERSIONBASEDUNITWITHOFFSET") {
            const Entita* m = Najdi(a.Odkaz(3));
            if (!m || Typ(*m) != "IFCMEASUREWITHUNIT") return 1;
            const Atr mw = Nacti(*m);
            const auto x = mw.Cislo(0);
            if (!x || !(*x > 0)) mw.Chyba(0, "kladné číslo");
            return *x * Faktor(mw.Odkaz(1), hloubka + 1);
        }
        if (typ == "IFCDERIVEDUNIT") {
            double f = 1;
            for (std::uint32_t prvek : a.Odkazy(0)) {
                const Entita* d = Najdi(prvek);
                if (!d || Typ(*d) != "IFCDERIVEDUNITELEMENT") continue;
                const Atr da = Nacti(*d);
                const auto exp = da.Cislo(1);
                f *= std::pow(Faktor(da.Odkaz(0), hloubka + 1), exp ? *exp : 1);
            }
            return f;
        }
        return 1;
    }
    // The unit type an entity of a unit stands for.
    std::string_view DruhJednotky(std::uint32_t n) const {
        const Entita* e = Najdi(n);
        if (!e) return {};
        const std::string_view typ = Typ(*e);
        if (typ != "IFCSIUNIT" && typ != "IFCCONVERSIONBASEDUNIT" &&
            typ != "IFCCONVERSIONBASEDUNITWITHOFFSET" && typ != "IFCDERIVEDUNIT")
            return {};
        return Nacti(*e).Vycet(1);
    }
    void NactiJednotky(std::uint32_t prirazeni) {
        const Entita* e = Najdi(prirazeni);
        if (!e || Typ(*e) != "IFCUNITASSIGNMENT") return;
        for (std::uint32_t u : Nacti(*e).Odkazy(0)) {
            const std::string_view druh = DruhJednotky(u);
            double* cil = druh == "LENGTHUNIT"               ? &j_.Delka
                          : druh == "PLANEANGLEUNIT"         ? &j_.Uhel
                          : druh == "VOLUMETRICFLOWRATEUNIT" ? &j_.Prutok
                          : druh == "PRESSUREUNIT"           ? &j_.Tlak
                          : druh == "FREQUENCYUNIT"          ? &j_.Frekvence
                                                             : nullptr;
            if (cil) *cil = Faktor(u);
        }
    }

    // A property's value converted by its measure to the graph's units.
    std::optional<double> Velicina(const Hodnota& h, std::uint32_t jednotka) const {
        if (h.D != Hodnota::Typovana || h.P[0].D != Hodnota::Cislo) return std::nullopt;
        const double x = h.P[0].X;
        const std::string_view m = h.S;
        const double vlastni = jednotka ? Faktor(jednotka) : 0;
        auto jako = [&](double vychozi, double na) {
            return x * (vlastni ? vlastni : vychozi) * na;
        };
        if (m == "IFCLENGTHMEASURE" || m == "IFCPOSITIVELENGTHMEASURE") return jako(j_.Delka, NaMm);
        if (m == "IFCVOLUMETRICFLOWRATEMEASURE") return jako(j_.Prutok, NaM3h);
        if (m == "IFCPRESSUREMEASURE") return jako(j_.Tlak, 1);
        if (m == "IFCROTATIONALFREQUENCYMEASURE" || m == "IFCFREQUENCYMEASURE")
            return jako(j_.Frekvence, 60);
        return x;
    }

    std::string_view t_;
    std::vector<Entita>& e_;
    std::vector<std::uint32_t> primo_;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> serazene_;
    Jednotky j_;
    mutable std::vector<std::vector<Hodnota>> volne_;
};

// The header's schema: the first name of FILE_SCHEMA.
std::string Schema(const Hodnota& h) {
    if (h.D == Hodnota::Seznam && !h.P.empty() && h.P[0].D == Hodnota::Text)
        return Dekoduj(h.P[0].S);
    return {};
}

// The file split and checked; the header's schema returned.
std::string Rozdel(std::string_view t, std::vector<Entita>& e,
                   std::vector<std::pair<std::uint32_t, std::uint32_t>>& odkazy) {
    Skener s(t);
    s.odkazy_ = &odkazy;
    if (t.starts_with(BomUtf8)) s.i_ = DelkaBom;
    s.Mezery();
    if (s.Konec()) s.Chyba("soubor je prázdný");
    s.OcekavejSlovo("ISO-10303-21");
    s.Ocekavej(';');
    s.OcekavejSlovo("HEADER");
    s.Ocekavej(';');
    std::string schema;
    size_t radekSchematu = 0;
    for (;;) {
        const size_t radek = (s.Mezery(), s.radek_);
        const std::string_view slovo = s.Slovo();
        if (slovo == "ENDSEC") break;
        if (slovo == "FILE_SCHEMA") radekSchematu = radek;
        s.Ocekavej('(');
        std::vector<Hodnota> a;
        s.Parametry(slovo == "FILE_SCHEMA" ? &a : nullptr, 0);
        s.Ocekavej(';');
        if (slovo == "FILE_SCHEMA" && !a.empty()) schema = Schema(a[0]);
    }
    s.Ocekavej(';');
    if (!schema.starts_with("IFC2X3") && !schema.starts_with("IFC4"))
        s.Chyba(schema.empty() ? "záhlaví neuvádí schéma (FILE_SCHEMA)"
                               : "schéma " + schema + " se nečte (jen IFC2X3, IFC4, IFC4X3)",
                radekSchematu);
    bool data = false;
    for (;;) {
        const size_t r = (s.Mezery(), s.radek_);
        const std::string_view slovo = s.Slovo();
        if (slovo == "END-ISO-10303-21") {
            s.Ocekavej(';');
            break;
        }
        if (slovo != "DATA") s.Chyba("očekáváno DATA nebo END-ISO-10303-21", r);
        data = true;
        s.Mezery();
        if (s.Znak() == '(') {
            ++s.i_;
            s.Parametry(nullptr, 0);
        }
        s.Ocekavej(';');
        for (;;) {
            s.Mezery();
            if (s.Konec()) s.Chyba("soubor končí předčasně (chybí ENDSEC a END-ISO-10303-21)");
            if (s.Znak() != '#') {
                s.OcekavejSlovo("ENDSEC");
                s.Ocekavej(';');
                break;
            }
            Entita x{};
            x.Radek = std::uint32_t(s.radek_);
            x.Cislo = s.CisloEntity();
            s.Ocekavej('=');
            s.Mezery();
            if (s.Znak() == '(') {
                // A complex instance: its partial records, none of them read.
                ++s.i_;
                do {
                    s.Slovo();
                    s.Ocekavej('(');
                    s.Parametry(nullptr, 0);
                    s.Mezery();
                } while (s.Znak() != ')' && !s.Konec());
                s.Ocekavej(')');
            } else {
                const std::string_view typ = s.Slovo();
                x.Typ = std::uint32_t(typ.data() - t.data());
                x.DelkaTypu = std::uint32_t(typ.size());
                s.Ocekavej('(');
                x.Zacatek = std::uint32_t(s.i_ - 1);
                x.Hash = HashNazvu(typ);
                s.Prelet();
            }
            s.Ocekavej(';');
            e.push_back(x);
        }
    }
    s.Mezery();
    if (!s.Konec()) s.Chyba("za END-ISO-10303-21; následuje další text");
    if (!data) s.Chyba("soubor nemá oddíl DATA");
    return schema;
}

// Sizes of a body's profile and its solid, in the graph's units.
struct Tvar {
    double Prumer = 0, A = 0, B = 0, Delka = 0, Uhel = 0, Radius = 0;
};

class Sestaveni {
  public:
    Sestaveni(Cteni& c, GrafSite& g) : c_(c), g_(g) {}

    void Profil(std::uint32_t n, Tvar& v, std::array<double, 3>* stred) const {
        const Entita* e = c_.Najdi(n);
        if (!e) return;
        const std::string_view typ = c_.Typ(*e);
        const bool kruh = typ == "IFCCIRCLEPROFILEDEF" || typ == "IFCCIRCLEHOLLOWPROFILEDEF";
        const bool obdelnik = typ == "IFCRECTANGLEPROFILEDEF" ||
                              typ == "IFCRECTANGLEHOLLOWPROFILEDEF" ||
                              typ == "IFCROUNDEDRECTANGLEPROFILEDEF";
        if (!kruh && !obdelnik) return;
        const Cteni::Atr a = c_.Nacti(*e);
        const double f = c_.j_.Delka * NaMm;
        if (kruh) {
            v.Prumer = 2 * a.Kladne(3) * f;
        } else {
            v.A = a.Kladne(3) * f;
            v.B = a.Kladne(4) * f;
        }
        if (stred) {
            if (const Entita* p = c_.Tridy(a.Odkaz(2), {"IFCAXIS2PLACEMENT2D"}))
                if (const Entita* b = c_.Tridy(c_.Nacti(*p).Odkaz(0), {"IFCCARTESIANPOINT"}))
                    *stred = c_.Nacti(*b).Bod(0);
        }
    }

    // The first solid of the body found, through mapped items and clippings.
    bool Teleso(std::uint32_t n, Tvar& v, int hloubka) const {
        const Entita* e = c_.Najdi(n);
        if (!e || hloubka > 6) return false;
        const std::string_view typ = c_.Typ(*e);
        if (typ == "IFCEXTRUDEDAREASOLID") {
            const Cteni::Atr a = c_.Nacti(*e);
            Profil(a.Odkaz(0), v, nullptr);
            v.Delka = a.Kladne(3) * c_.j_.Delka;
            return true;
        }
        if (typ == "IFCREVOLVEDAREASOLID") {
            const Cteni::Atr a = c_.Nacti(*e);
            std::array<double, 3> stred{};
            Profil(a.Odkaz(0), v, &stred);
            v.Uhel = a.Kladne(3) * c_.j_.Uhel * NaStupne;
            if (const Entita* osa = c_.Tridy(a.Odkaz(2), {"IFCAXIS1PLACEMENT"})) {
                const Cteni::Atr o = c_.Nacti(*osa);
                std::array<double, 3> bod{}, smer{0, 0, 1};
                if (const Entita* b = c_.Tridy(o.Odkaz(0), {"IFCCARTESIANPOINT"}))
                    bod = c_.Nacti(*b).Bod(0);
                if (const Entita* d = c_.Tridy(o.Odkaz(1), {"IFCDIRECTION"}))
                    smer = c_.Nacti(*d).Bod(0);
                const double m = std::hypot(smer[0], smer[1], smer[2]);
                if (m > 0) {
                    double w[3], s = 0;
                    for (int k = 0; k < 3; ++k) {
                        w[k] = stred[size_t(k)] - bod[size_t(k)];
                        s += w[k] * smer[size_t(k)] / m;
                    }
                    for (int k = 0; k < 3; ++k)
                        w[k] -= s * smer[size_t(k)] / m;
                    v.Radius = std::hypot(w[0], w[1], w[2]) * c_.j_.Delka * NaMm;
                }
            }
            return true;
        }
        if (typ == "IFCMAPPEDITEM") {
            const Entita* mapa = c_.Tridy(c_.Nacti(*e).Odkaz(0), {"IFCREPRESENTATIONMAP"});
            if (!mapa) return false;
            return Reprezentace(c_.Nacti(*mapa).Odkaz(1), v, hloubka + 1);
        }
        if (typ == "IFCBOOLEANCLIPPINGRESULT" || typ == "IFCBOOLEANRESULT")
            return Teleso(c_.Nacti(*e).Odkaz(1), v, hloubka + 1);
        return false;
    }
    bool Reprezentace(std::uint32_t n, Tvar& v, int hloubka) const {
        const Entita* e = c_.Tridy(n, {"IFCSHAPEREPRESENTATION"});
        if (!e) return false;
        for (std::uint32_t polozka : c_.Nacti(*e).Odkazy(3))
            if (Teleso(polozka, v, hloubka)) return true;
        return false;
    }
    Tvar TvarPrvku(std::uint32_t reprezentace) const {
        Tvar v;
        const Entita* e = c_.Tridy(reprezentace, {"IFCPRODUCTDEFINITIONSHAPE"});
        if (!e) return v;
        const std::vector<std::uint32_t> r = c_.Nacti(*e).Odkazy(2);
        // The body first: other representations (axis, box) carry no profile.
        for (std::uint32_t n : r)
            if (const Entita* s = c_.Tridy(n, {"IFCSHAPEREPRESENTATION"}))
                if (c_.Nacti(*s).Text(1) == "Body" && Reprezentace(n, v, 0)) return v;
        for (std::uint32_t n : r)
            if (Reprezentace(n, v, 0)) return v;
        return v;
    }

    // Every property of the sets given, by name: (value, its own unit).
    void Vlastnosti(std::uint32_t sada, PrvekGrafu* p, PortGrafu* port) const {
        const Entita* e = c_.Najdi(sada);
        if (!e) return;
        const std::string_view typ = c_.Typ(*e);
        const Cteni::Atr a = c_.Nacti(*e);
        if (typ == "IFCELEMENTQUANTITY") {
            for (std::uint32_t q : a.Odkazy(5))
                if (const Entita* d = c_.Tridy(q, {"IFCQUANTITYLENGTH"})) {
                    const Cteni::Atr qa = c_.Nacti(*d);
                    if (p && qa.Text(0) == "Length" && p->Delka == 0)
                        if (const auto x = qa.Cislo(3); x && *x > 0) p->Delka = *x * c_.j_.Delka;
                }
            return;
        }
        if (typ != "IFCPROPERTYSET") return;
        const std::string nazevSady = a.Text(2);
        for (std::uint32_t v : a.Odkazy(4)) {
            const Entita* d = c_.Najdi(v);
            if (!d) continue;
            const Cteni::Atr va = c_.Nacti(*d);
            const std::string jm = va.Text(0);
            if (c_.Typ(*d) == "IFCPROPERTYTABLEVALUE") {
                if (p && nazevSady.find("SoundAttenuation") != std::string::npos) Utlum(va, *p);
                continue;
            }
            if (c_.Typ(*d) != "IFCPROPERTYSINGLEVALUE" || !va.Ma(2)) continue;
            const auto x = c_.Velicina(va.a[2], va.Odkaz(3));
            if (!x || !std::isfinite(*x) || *x < 0) continue;
            if (port) {
                if (jm == "NominalDiameter") port->Prumer = *x;
                if (jm == "NominalWidth") port->A = *x;
                if (jm == "NominalHeight") port->B = *x;
            }
            if (!p) continue;
            if ((jm == "AirFlowRate" || jm == "NominalAirFlowRate") && p->Prutok == 0)
                p->Prutok = *x;
            if (jm == "NominalTotalPressure" && p->Tlak == 0) p->Tlak = *x;
            if (jm == "NominalRotationSpeed" && p->Otacky == 0) p->Otacky = *x;
        }
    }
    // An insertion loss by frequency: the octave bands 63 Hz .. 8 kHz.
    static void Utlum(const Cteni::Atr& a, PrvekGrafu& p) {
        const Hodnota* f = a.Ma(2);
        const Hodnota* u = a.Ma(3);
        if (!f || !u || f->D != Hodnota::Seznam || u->D != Hodnota::Seznam) return;
        for (size_t i = 0; i < f->P.size() && i < u->P.size(); ++i) {
            const Hodnota& fi = f->P[i].D == Hodnota::Typovana ? f->P[i].P[0] : f->P[i];
            const Hodnota& ui = u->P[i].D == Hodnota::Typovana ? u->P[i].P[0] : u->P[i];
            if (fi.D != Hodnota::Cislo || ui.D != Hodnota::Cislo || !(fi.X > 0)) continue;
            const double pasmo = std::log2(fi.X / 62.5);
            const long k = std::lround(pasmo);
            if (k < 0 || k > 7 || std::abs(pasmo - double(k)) > 0.1) continue;
            if (ui.X != 0 && std::isfinite(ui.X)) {
                p.Utlum[size_t(k)] = ui.X;
                p.MaUtlum = true;
            }
        }
    }

    Cteni& c_;
    GrafSite& g_;
};

} // namespace

long long PocetEntitIfc(std::string_view t) {
    const size_t data = t.find("DATA;");
    if (data == std::string_view::npos) return -1;
    // Where each entity starts and on which line, as a reader must know them.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> entity;
    entity.reserve(t.size() / 64);
    std::uint32_t radek = 1 + std::uint32_t(std::count(t.begin(), t.begin() + long(data), '\n'));
    size_t zacatek = data + 5;
    for (size_t i = data + 5; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '\n') {
            ++radek;
        } else if (c == '\'') {
            const size_t k = t.find('\'', i + 1);
            if (k == std::string_view::npos) return -1;
            i = k; // a doubled apostrophe is two strings here: the same split
        } else if (c == '/' && i + 1 < t.size() && t[i + 1] == '*') {
            const size_t k = t.find("*/", i + 2);
            if (k == std::string_view::npos) return -1;
            i = k + 1;
        } else if (c == ';') {
            entity.emplace_back(std::uint32_t(zacatek), radek);
            zacatek = i + 1;
        }
    }
    return (long long)entity.size() - 2; // ENDSEC; and END-ISO-10303-21;
}

long long RozdelIfc(std::string_view text) {
    try {
        std::vector<Entita> ent;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> odkazy;
        ent.reserve(text.size() / 64);
        odkazy.reserve(text.size() / 32);
        Rozdel(text, ent, odkazy);
        return (long long)ent.size();
    } catch (const ChybaIfc&) {
        return -1;
    }
}

VysledekSouboru CtiIfcZTextu(std::string_view text, const std::string& soubor, GrafSite& vysledek) {
    if (text.size() >= UINT32_MAX)
        return {KodVysledku::NelzeCist,
                "Chyba při čtení souboru IFC " + soubor + ": " + TextVelikosti(NejvetsiIfc) + "."};
    try {
        std::vector<Entita> ent;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> odkazy;
        GrafSite g;
        ent.reserve(text.size() / 64);
        odkazy.reserve(text.size() / 32);
        g.Schema = Rozdel(text, ent, odkazy);
        Cteni c(text, ent);
        c.Index();
        for (const auto& [n, radek] : odkazy)
            if (!c.Najdi(n))
                throw ChybaIfc{radek, "odkaz na chybějící entitu #" + std::to_string(n)};
        odkazy = {};

        // The classes read, grouped.
        const auto& tridy = Tridy();
        static const auto podleHashe = [&tridy] {
            std::unordered_map<std::uint32_t, std::pair<std::string_view, Cteno>> m;
            for (const auto& [nazev, t] : tridy)
                m.emplace(HashNazvu(nazev), std::pair(nazev, t.Co));
            return m;
        }();
        std::vector<std::pair<Cteno, size_t>> ctene;
        for (size_t i = 0; i < ent.size(); ++i) {
            const auto it = podleHashe.find(ent[i].Hash);
            if (it != podleHashe.end() && it->second.first == c.Typ(ent[i]))
                ctene.emplace_back(it->second.second, i);
        }
        auto kazda = [&](Cteno co, auto f) {
            for (const auto& [k, i] : ctene)
                if (k == co) f(ent[i]);
        };
        kazda(Cteno::Projekt, [&](const Entita& e) { c.NactiJednotky(c.Nacti(e).Odkaz(8)); });

        std::unordered_map<std::uint32_t, size_t> prvky, porty;
        auto pridejPrvek = [&](const Entita& e, TridaPrvku t) {
            const Cteni::Atr a = c.Nacti(e);
            PrvekGrafu p;
            p.Cislo = e.Cislo;
            p.Guid = a.Text(0);
            p.Nazev = a.Text(2);
            p.Entita = std::string(c.Typ(e));
            p.Trida = t;
            if (t != TridaPrvku::Jiny || c.Typ(e).starts_with("IFCFLOW")) p.Znacka = a.Text(7);
            prvky.emplace(e.Cislo, g.Prvky.size());
            g.Prvky.push_back(std::move(p));
        };
        for (const auto& [k, i] : ctene)
            if (k == Cteno::Prvek || k == Cteno::Obecny)
                pridejPrvek(ent[i], tridy.at(c.Typ(ent[i])).Prvek);

        // Ports and their elements; an element of another class owning a port joins too.
        std::unordered_map<std::uint32_t, std::uint32_t> vlastnik;
        auto prirad = [&](const Entita& rel, std::uint32_t port, std::uint32_t prvek) {
            if (c.Typ(port) != "IFCDISTRIBUTIONPORT") return;
            const auto [it, nove] = vlastnik.emplace(port, prvek);
            if (!nove && it->second != prvek)
                throw ChybaIfc{rel.Radek, "port #" + std::to_string(port) + " patří dvěma prvkům"};
        };
        kazda(Cteno::Vnoreni, [&](const Entita& e) {
            const Cteni::Atr a = c.Nacti(e);
            const std::uint32_t kdo = a.Odkaz(4);
            if (c.Typ(kdo) == "IFCDISTRIBUTIONPORT") return;
            for (std::uint32_t n : a.Odkazy(5))
                prirad(e, n, kdo);
        });
        kazda(Cteno::PortKPrvku, [&](const Entita& e) {
            const Cteni::Atr a = c.Nacti(e);
            prirad(e, a.Odkaz(4), a.Odkaz(5));
        });
        kazda(Cteno::Port, [&](const Entita& e) {
            const auto it = vlastnik.find(e.Cislo);
            if (it == vlastnik.end()) return;
            if (!prvky.count(it->second)) {
                const Entita* p = c.Najdi(it->second);
                if (!p || p->DelkaTypu == 0) return;
                pridejPrvek(*p, TridaPrvku::Jiny);
            }
            PortGrafu p;
            p.Cislo = e.Cislo;
            p.Prvek = prvky.at(it->second);
            porty.emplace(e.Cislo, g.Porty.size());
            g.Prvky[p.Prvek].Porty.push_back(g.Porty.size());
            g.Porty.push_back(std::move(p));
        });
        kazda(Cteno::SpojeniPortu, [&](const Entita& e) {
            const Cteni::Atr a = c.Nacti(e);
            const std::uint32_t x = a.Odkaz(4), y = a.Odkaz(5);
            for (std::uint32_t n : {x, y})
                if (c.Typ(n) != "IFCDISTRIBUTIONPORT")
                    throw ChybaIfc{e.Radek, "spojení portů #" + std::to_string(e.Cislo) +
                                                " spojuje entitu, která není port"};
            const auto ix = porty.find(x), iy = porty.find(y);
            if (ix == porty.end() || iy == porty.end() || x == y) return;
            auto& sx = g.Porty[ix->second].Spoje;
            if (std::find(sx.begin(), sx.end(), iy->second) != sx.end()) return;
            sx.push_back(iy->second);
            g.Porty[iy->second].Spoje.push_back(ix->second);
        });

        // Types: what a generic element is, a fitting's kind, the type's property sets.
        std::unordered_map<std::uint32_t, std::uint32_t> typPrvku;
        kazda(Cteno::TypPrvku, [&](const Entita& e) {
            const Cteni::Atr a = c.Nacti(e);
            const std::uint32_t typ = a.Odkaz(5);
            for (std::uint32_t n : a.Odkazy(4))
                typPrvku[n] = typ;
        });
        std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> sady;
        kazda(Cteno::Vlastnosti, [&](const Entita& e) {
            const Cteni::Atr a = c.Nacti(e);
            const std::uint32_t sada = a.Odkaz(5);
            for (std::uint32_t n : a.Odkazy(4))
                sady[n].push_back(sada);
        });
        std::unordered_map<std::uint32_t, std::string> prostor;
        auto vProstoru = [&](Cteno co) {
            kazda(co, [&](const Entita& e) {
                const Cteni::Atr a = c.Nacti(e);
                const Entita* s = c.Tridy(a.Odkaz(5), {"IFCSPACE"});
                if (!s) return;
                const Cteni::Atr sa = c.Nacti(*s);
                std::string nazev = sa.Text(2);
                const std::string dlouhy = sa.Text(7);
                if (!dlouhy.empty() && dlouhy != nazev)
                    nazev = nazev.empty() ? dlouhy : nazev + " " + dlouhy;
                if (nazev.empty()) nazev = CisloEntity(s->Cislo);
                for (std::uint32_t n : a.Odkazy(4))
                    prostor.emplace(n, nazev);
            });
        };
        vProstoru(Cteno::Obsazeni);
        vProstoru(Cteno::Odkaz);

        Sestaveni s(c, g);
        for (PrvekGrafu& p : g.Prvky) {
            const Entita& e = *c.Najdi(p.Cislo);
            const Cteni::Atr a = c.Nacti(e);
            std::string_view predurceny =
                a.a.size() > 8 && a.a[8].D == Hodnota::Vycet ? a.a[8].S : "";
            std::vector<std::uint32_t> sadyPrvku = sady[p.Cislo];
            if (const auto it = typPrvku.find(p.Cislo); it != typPrvku.end()) {
                if (const Entita* t = c.Najdi(it->second)) {
                    const auto tt = tridy.find(c.Typ(*t));
                    if (tt != tridy.end() && tt->second.Co == Cteno::Typ &&
                        p.Trida == TridaPrvku::Jiny)
                        p.Trida = tt->second.Prvek;
                    if (tt != tridy.end() && tt->second.Co == Cteno::Typ &&
                        tt->second.Prvek != p.Trida && p.Entita.starts_with("IFCFLOW"))
                        p.Trida = tt->second.Prvek;
                    const Cteni::Atr ta = c.Nacti(*t);
                    if ((predurceny.empty() || predurceny == "USERDEFINED" ||
                         predurceny == "NOTDEFINED") &&
                        ta.a.size() > 9 && ta.a[9].D == Hodnota::Vycet)
                        predurceny = ta.a[9].S;
                    if (ta.a.size() > 5 && ta.a[5].D == Hodnota::Seznam)
                        for (std::uint32_t n : ta.Odkazy(5))
                            sadyPrvku.push_back(n);
                    for (std::uint32_t n : sady[it->second])
                        sadyPrvku.push_back(n);
                }
            }
            if (p.Trida == TridaPrvku::Tvarovka)
                p.Tvar = predurceny == "BEND"         ? DruhTvarovky::Oblouk
                         : predurceny == "JUNCTION"   ? DruhTvarovky::Odbocka
                         : predurceny == "TRANSITION" ? DruhTvarovky::Prechod
                         : predurceny.empty() || predurceny == "NOTDEFINED" ||
                                 predurceny == "USERDEFINED"
                             ? DruhTvarovky::Nezname
                             : DruhTvarovky::Jiny;
            const Tvar v = s.TvarPrvku(a.Odkaz(6));
            p.Prumer = v.Prumer;
            p.A = v.A;
            p.B = v.B;
            p.Delka = v.Delka;
            p.Uhel = v.Uhel;
            p.Radius = v.Radius;
            for (std::uint32_t n : sadyPrvku)
                s.Vlastnosti(n, &p, nullptr);
            if (const auto it = prostor.find(p.Cislo); it != prostor.end()) p.Prostor = it->second;
        }
        for (PortGrafu& p : g.Porty)
            for (std::uint32_t n : sady[p.Cislo])
                s.Vlastnosti(n, nullptr, &p);

        std::unordered_map<std::uint32_t, size_t> systemy;
        kazda(Cteno::System, [&](const Entita& e) {
            const Cteni::Atr a = c.Nacti(e);
            systemy.emplace(e.Cislo, g.Systemy.size());
            g.Systemy.push_back({e.Cislo, a.Text(0), a.Text(2)});
        });
        kazda(Cteno::Skupina, [&](const Entita& e) {
            const Cteni::Atr a = c.Nacti(e);
            const auto it = systemy.find(a.Odkaz(6));
            if (it == systemy.end()) return;
            for (std::uint32_t n : a.Odkazy(4))
                if (const auto p = prvky.find(n); p != prvky.end())
                    g.Systemy[it->second].Prvky.push_back(p->second);
        });
        vysledek = std::move(g);
        return {};
    } catch (const ChybaIfc& ch) {
        return ChybaRadku("IFC", soubor, ch.Radek, ch.Proc);
    } catch (const std::bad_alloc&) {
        return {KodVysledku::NelzeCist,
                "Chyba při čtení souboru IFC " + soubor + ": nedostatek paměti."};
    }
}

VysledekSouboru NactiIfc(const std::string& soubor, GrafSite& g) {
    std::string bajty;
    const VysledekSouboru v = CtiTextovySoubor(soubor, "IFC", bajty, NejvetsiIfc);
    if (!v.Ok()) return v;
    return CtiIfcZTextu(bajty, soubor, g);
}

ImportIfc ImportujIfc(const GrafSite& g, size_t zdroj, const std::map<size_t, double>& prutoky) {
    ImportIfc i = ImportujGraf(g, zdroj, prutoky);
    for (Usek& u : i.Useky)
        for (TElementSite& e : u.Prvky)
            e.Popis = JenCp1250(e.Popis);
    return i;
}

VysledekSouboru CtiPrutokyIfcZTextu(std::string_view bajty, const std::string& soubor,
                                    const GrafSite& g, const std::vector<KoncovyPrvek>& koncove,
                                    std::map<size_t, double>& vysledek) {
    const auto chyba = [&soubor](size_t radek, const std::string& proc) {
        return ChybaRadku("průtoků", soubor, radek, proc);
    };
    const std::optional<std::string> text = TextCsv(bajty);
    if (!text) return chyba(1, "text není v UTF-8 ani ve Windows-1250");
    std::map<size_t, double> prutoky;
    for (const ZaznamCsv& z : ZaznamyCsv(*text)) {
        if (z.NeuzavrenoNaRadku) return chyba(size_t(z.NeuzavrenoNaRadku), "neuzavřené uvozovky");
        if (z.Bunky.size() == 1 && z.Bunky[0].empty()) continue;
        if (z.Bunky.size() != 2) return chyba(size_t(z.Radek), "očekávány dvě buňky: prvek;průtok");
        if (z.Radek == 1 && z.Bunky[0] == "Koncový prvek") continue;
        const std::string& id = z.Bunky[0];
        std::vector<size_t> nalezene;
        for (const KoncovyPrvek& k : koncove) {
            const PrvekGrafu& p = g.Prvky[k.Prvek];
            if (p.Guid == id || CisloEntity(p.Cislo) == id) {
                nalezene = {k.Prvek};
                break;
            }
            if (p.Nazev == id) nalezene.push_back(k.Prvek);
        }
        if (nalezene.empty()) return chyba(size_t(z.Radek), "síť zdroje nemá koncový prvek " + id);
        if (nalezene.size() > 1)
            return chyba(size_t(z.Radek), "název " + id + " má " + std::to_string(nalezene.size()) +
                                              " koncových prvků, uveďte GlobalId nebo #číslo");
        const std::optional<double> q = CisloZCsv(z.Bunky[1]);
        if (!q || !(*q > 0) || !std::isfinite(*q))
            return chyba(size_t(z.Radek), "průtok musí být kladné číslo v m3/hod");
        prutoky[nalezene[0]] = *q;
    }
    vysledek = std::move(prutoky);
    return {};
}

VysledekSouboru CtiPrutokyIfc(const std::string& soubor, const GrafSite& g,
                              const std::vector<KoncovyPrvek>& koncove,
                              std::map<size_t, double>& prutoky) {
    std::string bajty;
    const VysledekSouboru v = CtiTextovySoubor(soubor, "průtoků", bajty);
    if (!v.Ok()) return v;
    return CtiPrutokyIfcZTextu(bajty, soubor, g, koncove, prutoky);
}

} // namespace drun
