#include "io/DataSoubor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Cisla.h"
#include "core/Druhy.h"
#include "core/DrunVar.h"
#include "core/Soubory.h"
#include "io/Kodovani.h"
#include "models/Tlumic.h"
#include "models/Vypocet.h"

namespace drun {

namespace {

const char* const ChybaZapisu = "Nepodařilo se zapsat data!";
const char* const ChybaCteni = "Chyba při čtení datového souboru.";
const char* const ZacatekChyby = "Chyba při čtení datového souboru";
const char* const TextUtf8BezBom = "text v kódování UTF-8";

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
    return Utf8DoCp1250(JenCp1250(utf8)).value_or(std::string());
}

void ZapisZaznam(const TElementSite& e, const DruhElementu& d, std::string& out) {
    auto radek = [&out](const std::string& s) { out += s + "\r\n"; };
    // The accessors take the inputs as a whole; writing reads them only.
    auto& v = const_cast<VstupyElementu&>(e.Vstupy);
    for (const VstupDruhu& p : d.Vstupy) {
        switch (p.Forma) {
        case FormaVstupu::Popis:
            radek(JedenRadek(e.Popis));
            break;
        case FormaVstupu::Real:
            radek(FormatParametr(*p.Real(v)));
            break;
        case FormaVstupu::Cele:
            radek(std::to_string(*p.Cele(v)));
            break;
        case FormaVstupu::Pasma:
            if (p.Spektrum)
                radek(RadekPasem(e.*p.Spektrum, 7, 1));
            else
                radek(RadekPasem(*p.Rada(v), 7, 1));
            break;
        case FormaVstupu::Pasma5x2:
            radek(RadekPasem(*p.Rada(v), 5, 2));
            break;
        case FormaVstupu::Pasma5x1:
            radek(RadekPasem(*p.Rada(v), 5, 1));
            break;
        }
    }
}

// ---- reading ----

// Walks the bytes of a data file as its reader does: whole lines, or numbers
// token by token with the rest of the line skipped.
class Vstup {
  public:
    explicit Vstup(const std::string& b, size_t od = 0) : b_(b), i_(od), posledni_(od) {}
    size_t Pozice() const { return i_; }
    // Where the last line or token read began, or where the input ended
    // while looking for one, and its line (from 1).
    size_t Posledni() const { return posledni_; }
    size_t Radek() const {
        return size_t(1 + std::count(b_.begin(), b_.begin() + long(posledni_), '\n'));
    }

    // The next whole line without its line end; false at the end of the input.
    bool Radek(std::string& r) {
        posledni_ = std::min(i_, b_.size());
        if (i_ >= b_.size()) return false;
        size_t lf = b_.find('\n', i_);
        if (lf == std::string::npos) lf = b_.size();
        r = b_.substr(i_, lf - i_);
        // CR CR LF (a file passed through a text-mode copy) ends a line as CR LF does.
        while (!r.empty() && r.back() == '\r')
            r.pop_back();
        i_ = lf + 1;
        return true;
    }

    // The next blank-delimited token, skipping blanks and line ends before it;
    // false at the end of the input.
    bool Token(std::string& t) {
        const size_t od = std::min(i_, b_.size());
        while (i_ < b_.size() && Oddelovac(b_[i_]))
            ++i_;
        // At the end, the last line that holds anything (never before where
        // the search began: a caller counts lines from there).
        const size_t obsah = b_.find_last_not_of(" \t\r\n");
        posledni_ = i_ < b_.size() ? i_ : std::max(od, obsah == std::string::npos ? 0 : obsah + 1);
        if (i_ >= b_.size()) return false;
        const size_t zacatek = i_;
        while (i_ < b_.size() && !Oddelovac(b_[i_]))
            ++i_;
        t = b_.substr(zacatek, i_ - zacatek);
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
    size_t posledni_ = 0;
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

// A number of the field `nazev` within [min, max], or why not.
std::string CtiReal(Vstup& v, const std::string& nazev, double min, double max, double& x) {
    std::string t;
    if (!v.Token(t)) return "soubor končí uvnitř záznamu (chybí " + nazev + ")";
    const auto d = CtiDouble(t);
    if (!d) return nazev + ": " + t + " není číslo";
    if (*d < min || *d > max) return ZpravaMimoRozsah(nazev, t, min, max);
    x = *d;
    return {};
}

// Reads one record into the inputs of its kind and the description; why it
// cannot (the first value that is missing, not a number or out of its range,
// named with its field), or empty.
std::string CtiZaznam(Vstup& v, bool jeUtf8, const DruhElementu& d, TElementSite& e) {
    VstupyElementu& vstupy = e.Vstupy;
    for (const VstupDruhu& p : d.Vstupy) {
        switch (p.Forma) {
        case FormaVstupu::Popis: {
            std::string r;
            if (!v.Radek(r)) return "soubor končí uvnitř záznamu (chybí popis)";
            if (!TextZRadku(r, jeUtf8, e.Popis)) return "popis obsahuje znak mimo Windows-1250";
            break;
        }
        case FormaVstupu::Real:
            if (auto proc = CtiReal(v, p.Nazev, p.Min, p.Max, *p.Real(vstupy)); !proc.empty())
                return proc;
            v.PreskocRadek();
            break;
        case FormaVstupu::Cele: {
            std::string t;
            if (!v.Token(t))
                return "soubor končí uvnitř záznamu (chybí " + std::string(p.Nazev) + ")";
            auto n = CtiInt(t);
            if (!n || *n < p.Min || *n > p.Max) return ZpravaMimoRozsah(p.Nazev, t, p.Min, p.Max);
            *p.Cele(vstupy) = *n;
            v.PreskocRadek();
            break;
        }
        case FormaVstupu::Pasma:
        case FormaVstupu::Pasma5x2:
        case FormaVstupu::Pasma5x1: {
            RadaPasem rada{};
            for (size_t i = 0; i < rada.size(); ++i) {
                const std::string nazev = std::string(p.Nazev) + " " + NazvyPasem[i];
                if (auto proc = CtiReal(v, nazev, p.Min, p.Max, rada[i]); !proc.empty())
                    return proc;
            }
            v.PreskocRadek();
            if (!p.Cteni) break;
            if (p.Spektrum)
                std::copy(rada.begin(), rada.end(), (e.*p.Spektrum).begin());
            else
                *p.Rada(vstupy) = rada;
            break;
        }
        }
    }
    // What its dialog refuses is as damaged as a value out of range.
    if (d.Kontrola)
        if (std::string proc = d.Kontrola(e.Vstupy); !proc.empty()) return proc;
    // A value written by hand with more than the 15 digits the file keeps
    // reads as it will be written back, so that the element computes the same
    // after a save.
    for (const VstupDruhu& p : d.Vstupy)
        if (p.Forma == FormaVstupu::Real) {
            double& x = *p.Real(vstupy);
            x = CtiDouble(FormatParametr(x)).value_or(x);
        }
    return {};
}

// UTF-8 without its byte-order mark: valid UTF-8 holding a multi-byte
// character, which Windows-1250 Czech text practically never is.
bool JeUtf8BezBom(const std::string& bajty) {
    if (bajty.starts_with(BomUtf8)) return false;
    const bool vicebajtove = std::any_of(
        bajty.begin(), bajty.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return vicebajtove && JePlatneUtf8(bajty);
}

// What reading came to: the code, and for a damaged file the line and why.
struct Precteno {
    KodVysledku Kod = KodVysledku::Ok;
    size_t Radek = 0;
    std::string Proc;
    int Neznamy = 0; // a later version's element kind
};

Precteno Cti(DrunVar& var, const std::string& bajty, std::string& akce) {
    const bool jeUtf8 = bajty.starts_with(BomUtf8) || JeUtf8BezBom(bajty);
    const std::string text = jeUtf8 ? std::string(BezBom(bajty)) : std::string();
    Vstup v(jeUtf8 ? text : bajty);
    const auto poskozen = [&v](std::string proc) {
        return Precteno{KodVysledku::Poskozen, v.Radek(), std::move(proc)};
    };
    std::string r;
    const char* const Zkracen = "soubor končí před seznamem elementů";
    if (!v.Radek(r)) return poskozen(Zkracen); // "[DRUN]", any text
    // A Windows-1250 line holds a character per byte; UTF-8 is cut after converting.
    if (!v.Radek(r)) return poskozen(Zkracen);
    if (!TextZRadku(jeUtf8 ? r : r.substr(0, MaxDelkaAkce), jeUtf8, akce))
        return poskozen("název akce obsahuje znak mimo Windows-1250");
    akce = PrvnichZnaku(akce, MaxDelkaAkce);
    if (!v.Radek(r)) return poskozen(Zkracen); // "[ZDROJ DRUNU]", any text
    bool zdroj = false, mistnost = false;
    for (;;) {
        std::string t;
        // The program always ends the list with "0": a file without it was cut short.
        if (!v.Token(t)) return poskozen("seznam elementů nekončí řádkem 0 (soubor je zkrácen)");
        const auto kod = CtiInt(t);
        if (!kod) return poskozen("očekáván typ elementu, nebo 0 na konci: " + t);
        v.PreskocRadek();
        if (*kod == 0) return zdroj ? Precteno{} : poskozen("chybí zdroj drunu");
        const DruhElementu* druh = Druh(*kod);
        if (!druh) {
            Precteno p = poskozen("neznámý typ elementu " + t);
            // A later version's kind: said as such, not as damage.
            if (*kod > PocetTypu) p.Neznamy = *kod;
            return p;
        }
        // The source comes first and only once; a path has one room at the most.
        if ((*kod == TypZdroj) == zdroj)
            return poskozen(zdroj ? "druhý zdroj drunu" : "cesta nezačíná zdrojem drunu");
        if (*kod == TypMistnost && std::exchange(mistnost, true))
            return poskozen("druhá místnost v cestě");
        if (*kod == TypZdroj) {
            var.cesta.NajdiElement(1);
        } else {
            var.cesta.VlozElement();
        }
        TElementSite& e = var.cesta.Aktualni();
        e.NastavTyp(static_cast<std::uint8_t>(*kod));
        if (std::string proc = CtiZaznam(v, jeUtf8, *druh, e); !proc.empty())
            return poskozen("element typu " + t + ": " + proc);
        zdroj = true;
        // The silencer's model rebuilds its description; the others keep the file's.
        // Only the silencer can fail, for want of its data.
        if (!SpoctiPrvek(var)) return Precteno{KodVysledku::DataTlumice, v.Radek(), {}};
    }
}

} // namespace

void ZapisElement(const TElementSite& e, int kod, std::string& text) {
    const DruhElementu* druh = Druh(kod);
    if (!druh) return;
    text += std::to_string(kod) + "\r\n";
    ZapisZaznam(e, *druh, text);
}

std::string CtiElement(const std::string& text, size_t& pozice, bool jeUtf8, int kod,
                       TElementSite& e) {
    const DruhElementu* druh = Druh(kod);
    if (!druh) return "neznámý typ elementu " + std::to_string(kod);
    Vstup v(text, pozice);
    e.NastavTyp(static_cast<std::uint8_t>(kod));
    std::string proc = CtiZaznam(v, jeUtf8, *druh, e);
    pozice = proc.empty() ? v.Pozice() : v.Posledni();
    return proc;
}

bool ZnamyTyp(int typ) {
    return Druh(typ) != nullptr;
}

bool TextDat(const DrunVar& var, std::string& bajty) {
    std::string out;
    auto radek = [&out](const std::string& s) { out += s + "\r\n"; };
    radek("[DRUN]");
    radek(JedenRadek(PrvnichZnaku(var.Akce, MaxDelkaAkce)));
    radek("[ZDROJ DRUNU]");
    for (int n = 1; n <= var.cesta.Pocet(); ++n) {
        const TElementSite& e = var.cesta.Prvek(n);
        const int kod = n == 1 ? int(TypZdroj) : int(e.Typ());
        const DruhElementu* druh = Druh(kod);
        if (!druh || (n == 1 && e.Typ() != TypZdroj))
            return false; // an element that the file could not give back
        ZapisElement(e, kod, out);
    }
    radek("0");
    bajty = Do1250(out);
    // Windows-1250 bytes that happen to read as UTF-8 would be read back as
    // UTF-8: such a file is written as UTF-8 with its mark, which every
    // version reads, so what is written reads back the same.
    if (JeUtf8BezBom(bajty))
        if (auto utf8 = Cp1250DoUtf8(bajty)) bajty = BomUtf8 + *utf8;
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
    const Precteno p = Cti(var, bajty, akce);
    if (p.Kod != KodVysledku::Ok) {
        ZalozVypocet(var);
        var.vstupy = puvodni;
        if (p.Neznamy)
            return {p.Kod, "Datový soubor obsahuje element typu " + std::to_string(p.Neznamy) +
                               ", který tato verze DRUN nezná."};
        // A fault in the silencer data is named first: the calculation file is sound.
        if (p.Kod == KodVysledku::DataTlumice)
            return {p.Kod, ProcTlumicNelze(var.SouborTlumice) + "\n" + ChybaCteni};
        return {p.Kod, std::string(ZacatekChyby) + ", řádek " + std::to_string(p.Radek) + ": " +
                           p.Proc + "."};
    }
    var.Akce = akce;
    if (JeUtf8BezBom(bajty)) return {KodVysledku::Ok, TextUtf8BezBom};
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
    if (v.Ok())
        v.Zprava =
            "Data přečtena ze souboru " + soubor + (v.Zprava.empty() ? "" : " (" + v.Zprava + ")");
    // "Datový soubor obsahuje element typu ..." and "Chyba při čtení datového
    // souboru, řádek ..." name the file.
    else if (v.Zprava.starts_with("Datový soubor obsahuje"))
        v.Zprava.insert(std::string_view("Datový soubor").size(), " " + soubor);
    else if (v.Kod == KodVysledku::Poskozen && v.Zprava.starts_with(ZacatekChyby))
        v.Zprava.insert(std::string_view(ZacatekChyby).size(), " " + soubor);
    return v;
}

std::string ZpravaCteni(const std::string& soubor, const VysledekSouboru& v, const DrunVar& var) {
    switch (v.Kod) {
    case KodVysledku::NelzeCist: {
        // Found without opening it again: a FIFO would block.
        const std::string duvod = DuvodNecitelnosti(soubor, NejvetsiDatovySoubor);
        return "Chyba při čtení datového souboru " + soubor + ": " +
               (duvod.empty() ? "chyba při čtení" : duvod) + ".";
    }
    case KodVysledku::DataTlumice:
        // The calculation file is sound: the fault lies in the silencer data.
        return ProcTlumicNelze(var.SouborTlumice) + " Tlumič v datovém souboru " + soubor +
               " nelze spočítat.";
    default:
        return v.Zprava;
    }
}

} // namespace drun
