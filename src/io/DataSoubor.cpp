#include "io/DataSoubor.h"

#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Soubory.h"
#include "io/Kodovani.h"
#include "models/HrPotrubi.h"
#include "models/KuPotrubi.h"
#include "models/Mistnost.h"
#include "models/Obecny.h"
#include "models/Oblouk.h"
#include "models/Odbocka.h"
#include "models/Tlumic.h"
#include "models/Vice.h"
#include "models/Vyustka.h"

namespace drun {

namespace {

const char* const ChybaZapisu = "Nepodařilo se zapsat data!";
const char* const ChybaCteni = "Chyba při čtení datového souboru.";

// What one line (or one band row) of a record holds.
enum class Hodnota {
    Popis,      // the description, a whole line
    Param,      // a real parameter, stored as is
    ParamMm,    // a size the model holds in metres; the file carries millimetres
    Cele,       // an integer in a byte slot
    Pasma,      // eight bands of a spectrum, width 7, one decimal
    Pohltivost, // the room's absorption table, width 5, two decimals
    Smerovost,  // the room's directivity table, width 5, one decimal
};

struct Polozka {
    Hodnota druh;
    double TElementSite::*realne = nullptr;
    std::uint8_t TElementSite::*cele = nullptr;
    Spectrum TElementSite::*spektrum = nullptr;
    double min = 0, max = 0;
};

struct Typ {
    std::vector<Polozka> polozky;
    // The model's compute step; false when it refused the values.
    bool (*vypocet)(DrunVar&) = nullptr;
};

Polozka Popis() {
    return {Hodnota::Popis};
}
Polozka Mm(double TElementSite::*s, double min, double max) {
    return {Hodnota::ParamMm, s, nullptr, nullptr, min, max};
}
Polozka Param(double TElementSite::*s, double min, double max) {
    return {Hodnota::Param, s, nullptr, nullptr, min, max};
}
Polozka Cele(std::uint8_t TElementSite::*s, int min, int max) {
    return {Hodnota::Cele, nullptr, s, nullptr, double(min), double(max)};
}
Polozka Pasma(Spectrum TElementSite::*s) {
    return {Hodnota::Pasma, nullptr, nullptr, s, UrovenMin, UrovenMax};
}

// Records by type code; an empty entry is a type the program cannot rebuild.
const std::vector<Typ>& Typy() {
    using E = TElementSite;
    static const std::vector<Typ> typy = [] {
        std::vector<Typ> t(PocetTypu + 1);
        t[TypZdroj] = {{Popis(), Pasma(&E::Utlum), Pasma(&E::VlastniDrun)}, nullptr};
        t[TypObecny] = {{Popis(), Pasma(&E::Utlum), Pasma(&E::VlastniDrun)},
                        Vzdy<VypocetObecElementu>};
        t[TypHrPotrubi] = {{Popis(), Mm(&E::RozmA, HrPotRozmerMin, HrPotRozmerMax),
                            Mm(&E::RozmB, HrPotRozmerMin, HrPotRozmerMax),
                            Param(&E::Delka, HrPotDelkaMin, HrPotDelkaMax),
                            Param(&E::Prutok, HrPotPrutokMin, HrPotPrutokMax)},
                           Vzdy<VypocetHrPotrubi>};
        t[TypKuPotrubi] = {{Popis(), Mm(&E::RozmA, KuPotPrumerMin, KuPotPrumerMax),
                            Param(&E::Delka, KuPotDelkaMin, KuPotDelkaMax),
                            Param(&E::Prutok, KuPotPrutokMin, KuPotPrutokMax)},
                           Vzdy<VypocetKuPotrubi>};
        t[TypOblouk] = {
            {Popis(), Cele(&E::Druh, 1, OblPocetDruhu), Mm(&E::RozmA, OblRozmerMin, OblRozmerMax),
             Mm(&E::RozmB, OblRozmerMin, OblRozmerMax), Mm(&E::Radius, OblRadiusMin, OblRadiusMax),
             Param(&E::Prutok, OblPrutokMin, OblPrutokMax)},
            Vzdy<VypocetOblouku>};
        t[TypOdbocka] = {
            {Popis(), Mm(&E::RozmA, OdbRozmerMin, OdbRozmerMax),
             Mm(&E::RozmB, OdbRozmerMin, OdbRozmerMax), Mm(&E::RozmA2, OdbRozmerMin, OdbRozmerMax),
             Mm(&E::RozmB2, OdbRozmerMin, OdbRozmerMax), Mm(&E::Radius, OdbRadiusMin, OdbRadiusMax),
             Param(&E::Prutok2, OdbPrutokMin, OdbPrutokMax),
             Param(&E::Prutok, OdbPrutokMin, OdbPrutokMax)},
            Vzdy<VypocetOdbocky>};
        t[TypVyustka] = {{Popis(), Mm(&E::RozmA, VyustRozmerMin, VyustRozmerMax),
                          Mm(&E::RozmB, VyustRozmerMin, VyustRozmerMax),
                          Param(&E::Prutok, VyustPrutokMin, VyustPrutokMax),
                          Cele(&E::Druh, 1, VyustPocetDruhu),
                          Cele(&E::Umisteni, 1, VyustPocetUmisteni)},
                         Vzdy<VypocetVyustky>};
        // The splitter width stays in millimetres in the element.
        t[TypTlumic] = {{Popis(), Mm(&E::RozmA, TlumicRozmerMin, TlumicRozmerMax),
                         Mm(&E::RozmB, TlumicRozmerMin, TlumicRozmerMax),
                         Param(&E::Delka, TlumicDelkaMin, TlumicDelkaMax),
                         Param(&E::Prutok, TlumicPrutokMin, TlumicPrutokMax),
                         Cele(&E::Druh, TlumicPocetMin, TlumicPocetMax),
                         Param(&E::Radius, SirkyVlozek[0], std::end(SirkyVlozek)[-1])},
                        [](DrunVar& v) { return VypocetTlumice(v).Ok(); }};
        t[TypVice] = {{Popis(), Cele(&E::Druh, VicePocetMin, VicePocetMax)}, Vzdy<VypocetVice>};
        t[TypMistnost] = {{Popis(),
                           Param(&E::RozmA, MistnostPlochaMin, MistnostPlochaMax),
                           Param(&E::Delka, MistnostVzdalenostMin, MistnostVzdalenostMax),
                           {Hodnota::Pohltivost},
                           {Hodnota::Smerovost}},
                          Vzdy<VypocetMistnosti>};
        return t;
    }();
    return typy;
}

const Typ* NajdiTyp(int typ) {
    if (typ < 1 || typ > PocetTypu) return nullptr;
    const Typ& t = Typy()[static_cast<size_t>(typ)];
    return t.polozky.empty() ? nullptr : &t;
}

// ---- writing ----

// " 5.00000000000000E+0002": sign or blank, 15 significant digits, a four-digit exponent.
std::string FormatParametr(double x) {
    if (!std::isfinite(x)) x = 0;
    if (x == 0) x = 0; // no "-0"
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", x);
    std::string s = buf;
    const size_t e = s.find('E');
    std::string mantisa = s.substr(0, e);
    const char znamenko = s[e + 1];
    std::string exponent = s.substr(e + 2);
    while (exponent.size() < 4)
        exponent.insert(0, "0");
    if (mantisa[0] != '-') mantisa.insert(0, " ");
    return mantisa + "E" + znamenko + exponent;
}

std::string FormatPole(double x, int sirka, int desetin) {
    if (!std::isfinite(x)) x = 0;
    std::string s = FormatPevne(x, desetin);
    if (s.size() < static_cast<size_t>(sirka))
        s.insert(0, static_cast<size_t>(sirka) - s.size(), ' ');
    return s;
}

template <typename Pole> std::string RadekPasem(const Pole& p, int sirka, int desetin) {
    std::string r;
    for (int i = 0; i < PocetPasem; ++i)
        r += FormatPole(p[static_cast<size_t>(i)], sirka, desetin);
    return r;
}

// Windows-1250 bytes of the text; a character the code page lacks (only a
// composed description could hold one, the text fields refuse them) becomes "?".
std::string Do1250(const std::string& utf8) {
    if (auto cp = Utf8DoCp1250(utf8)) return *cp;
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        size_t n = 1;
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xF0)
            n = 4;
        else if (c >= 0xE0)
            n = 3;
        else if (c >= 0xC0)
            n = 2;
        auto znak = Utf8DoCp1250(utf8.substr(i, n));
        out += znak && znak->size() == 1 ? *znak : std::string("?");
        i += n;
    }
    return out;
}

void ZapisZaznam(const DrunVar& var, const TElementSite& e, const Typ& t, std::string& out) {
    auto radek = [&out](const std::string& s) { out += s + "\r\n"; };
    for (const Polozka& p : t.polozky) {
        switch (p.druh) {
        case Hodnota::Popis:
            radek(JedenRadek(e.Popis));
            break;
        case Hodnota::Param:
            radek(FormatParametr(e.*p.realne));
            break;
        case Hodnota::ParamMm:
            radek(FormatParametr(e.*p.realne * 1000));
            break;
        case Hodnota::Cele:
            radek(std::to_string(int(e.*p.cele)));
            break;
        case Hodnota::Pasma:
            radek(RadekPasem(e.*p.spektrum, 7, 1));
            break;
        case Hodnota::Pohltivost:
            radek(RadekPasem(var.vstupy.Pohltivost, 5, 2));
            break;
        case Hodnota::Smerovost:
            radek(RadekPasem(var.vstupy.Smerovost, 5, 1));
            break;
        }
    }
}

// ---- reading ----

// Walks the bytes of a data file as its reader does: whole lines, or numbers
// token by token with the rest of the line skipped.
class Vstup {
  public:
    explicit Vstup(const std::string& b) : b_(b) {}

    // The next whole line without its line end; false at the end of the input.
    bool Radek(std::string& r) {
        if (i_ >= b_.size()) return false;
        size_t lf = b_.find('\n', i_);
        if (lf == std::string::npos) lf = b_.size();
        r = b_.substr(i_, lf - i_);
        if (!r.empty() && r.back() == '\r') r.pop_back();
        i_ = lf + 1;
        return true;
    }

    // The next blank-delimited token, skipping blanks and line ends before it;
    // false at the end of the input.
    bool Token(std::string& t) {
        while (i_ < b_.size() && Oddelovac(b_[i_]))
            ++i_;
        if (i_ >= b_.size()) return false;
        const size_t od = i_;
        while (i_ < b_.size() && !Oddelovac(b_[i_]))
            ++i_;
        t = b_.substr(od, i_ - od);
        return true;
    }

    void PreskocRadek() {
        const size_t lf = b_.find('\n', i_);
        i_ = lf == std::string::npos ? b_.size() : lf + 1;
    }

  private:
    static bool Oddelovac(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    const std::string& b_;
    size_t i_ = 0;
};

// A line of the file as text of the program, control characters as blanks:
// Windows-1250 to UTF-8, or UTF-8 (a file that begins with its byte-order
// mark) limited to what Windows-1250 can hold, as a typed text is. False for
// a byte Windows-1250 leaves undefined or a character it lacks.
bool TextZRadku(const std::string& radek, bool jeUtf8, std::string& utf8) {
    const std::string r = JedenRadek(radek);
    if (jeUtf8) {
        if (!Utf8DoCp1250(r)) return false;
        utf8 = r;
        return true;
    }
    auto u = Cp1250DoUtf8(r);
    if (!u) return false;
    utf8 = std::move(*u);
    return true;
}

bool CtiReal(Vstup& v, double min, double max, double& x) {
    std::string t;
    if (!v.Token(t)) return false; // the file ends inside a record
    auto d = CtiDouble(t);
    if (!d || *d < min || *d > max) return false;
    x = *d;
    return true;
}

// One record's values, kept apart from the path until the record is complete.
struct Zaznam {
    std::string popis;
    std::vector<double> hodnoty;             // parameters and integers in order
    std::vector<std::array<double, 8>> rady; // band rows in order
};

bool CtiZaznam(Vstup& v, bool jeUtf8, const Typ& t, Zaznam& z) {
    for (const Polozka& p : t.polozky) {
        switch (p.druh) {
        case Hodnota::Popis: {
            std::string r;
            if (!v.Radek(r) || !TextZRadku(r, jeUtf8, z.popis)) return false;
            break;
        }
        case Hodnota::Param:
        case Hodnota::ParamMm: {
            double x;
            if (!CtiReal(v, p.min, p.max, x)) return false;
            v.PreskocRadek();
            z.hodnoty.push_back(x);
            break;
        }
        case Hodnota::Cele: {
            std::string t;
            if (!v.Token(t)) return false;
            auto n = CtiInt(t);
            if (!n || *n < p.min || *n > p.max) return false;
            v.PreskocRadek();
            z.hodnoty.push_back(*n);
            break;
        }
        case Hodnota::Pasma:
        case Hodnota::Pohltivost:
        case Hodnota::Smerovost: {
            double min = p.min, max = p.max;
            if (p.druh == Hodnota::Pohltivost) min = PohltivostMin, max = PohltivostMax;
            if (p.druh == Hodnota::Smerovost) min = SmerovostMin, max = SmerovostMax;
            std::array<double, 8> rada{};
            for (double& x : rada)
                if (!CtiReal(v, min, max, x)) return false;
            v.PreskocRadek();
            z.rady.push_back(rada);
            break;
        }
        }
    }
    return true;
}

// Puts a read record into the current element as a dialog's store step does.
void UlozZaznam(DrunVar& var, const Typ& t, const Zaznam& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.Popis = z.popis;
    size_t h = 0, r = 0;
    for (const Polozka& p : t.polozky) {
        switch (p.druh) {
        case Hodnota::Popis:
            break;
        case Hodnota::Param:
        case Hodnota::ParamMm:
            e.*p.realne = z.hodnoty[h++];
            break;
        case Hodnota::Cele:
            e.*p.cele = static_cast<std::uint8_t>(z.hodnoty[h++]);
            break;
        case Hodnota::Pasma: {
            Spectrum& s = e.*p.spektrum;
            for (int i = 0; i < PocetPasem; ++i)
                s[i] = z.rady[r][static_cast<size_t>(i)];
            ++r;
            break;
        }
        case Hodnota::Pohltivost:
            for (int i = 0; i < PocetPasem; ++i)
                var.vstupy.Pohltivost[static_cast<size_t>(i)] = z.rady[r][static_cast<size_t>(i)];
            ++r;
            break;
        case Hodnota::Smerovost:
            for (int i = 0; i < PocetPasem; ++i)
                var.vstupy.Smerovost[static_cast<size_t>(i)] = z.rady[r][static_cast<size_t>(i)];
            ++r;
            break;
        }
    }
}

KodVysledku Cti(DrunVar& var, const std::string& bajty, std::string& akce) {
    constexpr KodVysledku Poskozen = KodVysledku::Poskozen;
    const bool jeUtf8 = bajty.starts_with(BomUtf8);
    const std::string text = jeUtf8 ? std::string(BezBom(bajty)) : std::string();
    Vstup v(jeUtf8 ? text : bajty);
    std::string r;
    if (!v.Radek(r)) return Poskozen; // "[DRUN]", any text
    // A Windows-1250 line holds a character per byte; UTF-8 is cut after converting.
    if (!v.Radek(r) || !TextZRadku(jeUtf8 ? r : r.substr(0, MaxDelkaAkce), jeUtf8, akce))
        return Poskozen;
    akce = PrvnichZnaku(akce, MaxDelkaAkce);
    if (!v.Radek(r)) return Poskozen; // "[ZDROJ DRUNU]", any text
    bool zdroj = false, mistnost = false;
    for (;;) {
        std::string t;
        // The program always ends the list with "0": a file without it was cut short.
        if (!v.Token(t)) return Poskozen;
        const auto kod = CtiInt(t);
        if (!kod) return Poskozen;
        v.PreskocRadek();
        if (*kod == 0) return zdroj ? KodVysledku::Ok : Poskozen;
        // The source comes first and only once; a path has one room at the most.
        if ((*kod == TypZdroj) == zdroj) return Poskozen;
        if (*kod == TypMistnost && std::exchange(mistnost, true)) return Poskozen;
        const Typ* typ = NajdiTyp(*kod);
        if (!typ) return Poskozen;
        Zaznam z;
        if (!CtiZaznam(v, jeUtf8, *typ, z)) return Poskozen;
        if (*kod == TypZdroj) {
            var.cesta.NajdiElement(1);
            TElementSite& e = var.cesta.Aktualni();
            e.Popis = z.popis;
            for (int i = 0; i < PocetPasem; ++i)
                e.VlastniDrun[i] = z.rady[1][static_cast<size_t>(i)];
            SpoctiLA(e.VlastniDrun);
            e.ZaElementem = e.VlastniDrun;
            zdroj = true;
            continue;
        }
        var.cesta.VlozElement();
        var.cesta.Aktualni().NastavTyp(static_cast<std::uint8_t>(*kod));
        UlozZaznam(var, *typ, z);
        // The silencer's model rebuilds its description; the others keep the file's.
        // Only the silencer can fail, for want of its data.
        if (!typ->vypocet(var)) return KodVysledku::DataTlumice;
    }
}

} // namespace

bool ZnamyTyp(int typ) {
    return NajdiTyp(typ) != nullptr;
}

bool TextDat(const DrunVar& var, std::string& bajty) {
    std::string out;
    auto radek = [&out](const std::string& s) { out += s + "\r\n"; };
    radek("[DRUN]");
    radek(JedenRadek(PrvnichZnaku(var.Akce, MaxDelkaAkce)));
    radek("[ZDROJ DRUNU]");
    for (int n = 1; n <= var.cesta.Pocet(); ++n) {
        const TElementSite& e = var.cesta.Prvek(n);
        const int kod = n == 1 ? int(TypZdroj) : int(e.Typ);
        const Typ* typ = NajdiTyp(kod);
        if (!typ) return false; // an element that the file could not give back
        radek(std::to_string(kod));
        ZapisZaznam(var, e, *typ, out);
    }
    radek("0");
    bajty = Do1250(out);
    return true;
}

VysledekSouboru UlozData(DrunVar& var, const std::string& soubor) {
    std::string bajty;
    if (!TextDat(var, bajty) || !ZapisAtomicky(soubor, bajty))
        return {KodVysledku::NelzeZapsat, ChybaZapisu};
    return {KodVysledku::Ok, "Data jsou uložena v souboru " + soubor};
}

VysledekSouboru NactiDataZTextu(DrunVar& var, const std::string& bajty) {
    // Computing a read element may change the remembered inputs; a failed read puts them back.
    const PosledniVstupy puvodni = var.vstupy;
    ZalozVypocet(var);
    std::string akce;
    const KodVysledku kod = Cti(var, bajty, akce);
    if (kod != KodVysledku::Ok) {
        ZalozVypocet(var);
        var.vstupy = puvodni;
        // A fault in the silencer data is named first: the calculation file is sound.
        if (kod == KodVysledku::DataTlumice)
            return {kod, ZpravaSouboruTlumice(var.SouborTlumice) + "\n" + ChybaCteni};
        return {kod, ChybaCteni};
    }
    var.Akce = akce;
    return {};
}

VysledekSouboru NactiData(DrunVar& var, const std::string& soubor) {
    std::string bajty;
    const KodVysledku s = CtiNeprazdny(soubor, bajty, NejvetsiDatovySoubor);
    if (s == KodVysledku::Chybi) {
        ZalozVypocet(var);
        return {KodVysledku::Chybi, "Datový soubor " + soubor + " nenalezen, nebo je prázdný."};
    }
    if (s == KodVysledku::NelzeCist) {
        ZalozVypocet(var);
        return {KodVysledku::NelzeCist, ChybaCteni};
    }
    VysledekSouboru v = NactiDataZTextu(var, bajty);
    if (v.Ok()) v.Zprava = "Data přečtena ze souboru " + soubor;
    return v;
}

} // namespace drun
