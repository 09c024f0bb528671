#include "models/Tlumic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Cisla.h"
#include "core/Matemat.h"
#include "core/Soubory.h"

namespace drun {

namespace {

constexpr char Znacka = '@';
constexpr std::size_t SloupcuUtlumu = 11; // w, passage, length, 8 bands
constexpr std::size_t SloupcuHluku = 9;   // velocity, 8 bands
constexpr double Ukonceni = -1;           // first number of a section's last row
// Below this passage velocity the flow noise is negligible.
constexpr double NejmensiRychlost = 4;
// Keeps the denominator of the interpolation off zero when both rows coincide.
constexpr double PridavekSirky = 0.01;

using Radek = std::vector<double>;

struct Rozmezi {
    double dolni, horni; // tabulated passage widths, mm
};

// Tabulated passage widths around the passage s for splitters of width w.
// Each bound belongs to the interval on its left.
std::optional<Rozmezi> RozmeziMezery(double w, double s) {
    if (w == 100) {
        if (s <= 50) return Rozmezi{50, 50};
        if (s <= 75) return Rozmezi{50, 75};
        if (s <= 100) return Rozmezi{75, 100};
        if (s <= 150) return Rozmezi{100, 150};
        if (s <= 200) return Rozmezi{150, 200};
    } else if (w == 200) {
        if (s <= 100) return Rozmezi{100, 100};
        if (s <= 150) return Rozmezi{100, 150};
        if (s <= 200) return Rozmezi{150, 200};
        // Up to 400 mm the 200 and 300 mm rows are extended.
        if (s <= 400) return Rozmezi{200, 300};
    } else if (w == 300) {
        if (s <= 100) return Rozmezi{100, 100};
        if (s <= 200) return Rozmezi{100, 200};
        if (s <= 300) return Rozmezi{200, 300};
        if (s <= 400) return Rozmezi{300, 400};
    }
    return std::nullopt;
}

double NaSude(double x) {
    const double dolni = std::floor(x);
    const double zbytek = x - dolni;
    if (zbytek > 0.5) return dolni + 1;
    if (zbytek < 0.5) return dolni;
    return std::fmod(dolni, 2) == 0 ? dolni : dolni + 1;
}

const char* const DruhSouboru = "dat tlumičů";

// The text between markers: [0] preamble, [1] attenuation, [2] flow noise.
std::vector<std::string_view> Oddily(std::string_view t) {
    std::vector<std::string_view> oddily;
    std::size_t od = 0;
    while (oddily.size() < 3) {
        const std::size_t z = t.find(Znacka, od);
        if (z == std::string_view::npos) {
            oddily.push_back(t.substr(od));
            break;
        }
        oddily.push_back(t.substr(od, z - od));
        od = z + 1;
    }
    return oddily;
}

bool Mezera(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// One table of the file: its name in messages and the range of each column.
struct Tabulka {
    const char* nazev; // "útlumů"
    std::size_t sloupcu;
    std::size_t klicu;                                  // leading key columns
    std::array<const char*, 3> nazvyKlicu;              // in messages
    std::array<std::pair<double, double>, 3> mezeKlicu; // whole numbers
    const char* pasmo;                                  // a band's value in messages
};
// Widths in mm and lengths in m as a silencer can have them; velocities up to
// what any passage reaches.
constexpr Tabulka TabulkaUtlumu{"útlumů",
                                SloupcuUtlumu,
                                3,
                                {"šířka vložky", "šířka mezery", "délka"},
                                {{{1, TlumicRozmerMax}, {1, TlumicRozmerMax}, {1, 100}}},
                                "útlum"};
constexpr Tabulka TabulkaHluku{
    "hluku proudění", SloupcuHluku, 1, {"rychlost", "", ""}, {{{1, 100}, {0, 0}, {0, 0}}},
    "hladina"};

// Why the number `t` cannot stand in column `i` of the table; empty when it can.
std::string ChybaHodnoty(const Tabulka& tab, std::size_t i, std::string_view t, double x) {
    if (i < tab.klicu) {
        const auto [min, max] = tab.mezeKlicu[i];
        if (x < min || x > max || x != std::floor(x))
            return std::string(tab.nazvyKlicu[i]) + ": " + std::string(t) + " není celé číslo od " +
                   FormatObecne(min) + " do " + FormatObecne(max);
        return {};
    }
    if (x < UrovenMin || x > UrovenMax)
        return ZpravaMimoRozsah(std::string(tab.pasmo) + " " + NazvyPasem[i - tab.klicu], t,
                                UrovenMin, UrovenMax);
    return {};
}

// A refusal at a line of the file.
struct ChybaDat {
    std::size_t radek = 0;
    std::string proc;
};

// The rows of the section `oddil` (which begins on line `radek`) up to its
// closing row; rows are counted by numbers, not lines. Whatever follows the
// closing row is not read. A word that is not a number, a value out of its
// column's range, a row cut short or a section without its closing row or
// without a row makes the data damaged.
std::optional<ChybaDat> CtiRadky(std::string_view oddil, std::size_t radek, const Tabulka& tab,
                                 std::vector<Radek>& radky) {
    Radek r;
    std::size_t radekRadku = radek; // where the row being read began
    std::size_t radekSlova = radek; // of the last number read
    std::size_t i = 0;
    while (true) {
        while (i < oddil.size() && Mezera(oddil[i]))
            radek += oddil[i++] == '\n';
        if (i == oddil.size()) break;
        const std::size_t zacatek = i;
        while (i < oddil.size() && !Mezera(oddil[i]))
            ++i;
        const std::string_view slovo = oddil.substr(zacatek, i - zacatek);
        const std::optional<double> x = CtiDouble(slovo);
        if (!x) return ChybaDat{radek, std::string(slovo) + " není číslo"};
        if (r.empty()) radekRadku = radek;
        radekSlova = radek;
        // The closing row's other numbers mean nothing.
        const bool konec = !r.empty() && r[0] == Ukonceni;
        if (!(r.empty() && *x == Ukonceni) && !konec)
            if (std::string proc = ChybaHodnoty(tab, r.size(), slovo, *x); !proc.empty())
                return ChybaDat{radek, "tabulka " + std::string(tab.nazev) + ": " + proc};
        r.push_back(*x);
        if (r.size() == tab.sloupcu) {
            if (r[0] == Ukonceni) {
                if (radky.empty())
                    return ChybaDat{radekRadku,
                                    "tabulka " + std::string(tab.nazev) + " nemá žádný řádek"};
                return std::nullopt;
            }
            radky.push_back(std::move(r));
            r.clear();
        }
    }
    if (!r.empty())
        return ChybaDat{radekRadku, "neúplný řádek tabulky " + std::string(tab.nazev) + " (" +
                                        std::to_string(r.size()) + " z " +
                                        std::to_string(tab.sloupcu) + " čísel)"};
    return ChybaDat{radekSlova, "tabulka " + std::string(tab.nazev) + " nekončí řádkem -1"};
}

// The first row that starts with the given keys.
const Radek* Najdi(const std::vector<Radek>& radky, std::initializer_list<double> klic) {
    for (const Radek& r : radky) {
        bool shoda = true;
        std::size_t k = 0;
        for (double x : klic)
            shoda = shoda && r[k++] == x;
        if (shoda) return &r;
    }
    return nullptr;
}

std::string Popis(double a, double b, double delka, double prutok, int pocet, double sirka) {
    return FormatCislo(a, 0) + "x" + FormatCislo(b, 0) + "mm, délka " + FormatCislo(delka, 1) +
           "m, " + FormatCislo(prutok, 1) + "m3/hod, " + std::to_string(pocet) + " vl. šířky " +
           FormatCislo(sirka, 0) + "mm";
}

} // namespace

std::string ZpravaSouboruTlumice(const std::string& cesta) {
    return "Soubor " + cesta + " nenalezen, poškozen, nebo zadané hodnoty mimo jeho rozsah.";
}

bool ZadaniTlumiceMozne(double aMm, double bMm, double prutok, double sirkaVlozek, int pocet) {
    const double volno = aMm - sirkaVlozek * pocet;
    if (!(volno > 0) || !(bMm > 0)) return false;
    return RychlostVPrurezu(volno, bMm, prutok) < MaxRychlostTlumice;
}

void ZapisTlumic(DrunVar& var, const ZadaniTlumice& z) {
    TElementSite& e = var.cesta.Aktualni();
    e.NastavTyp(TypTlumic);
    e.Vstup<VstupyTlumic>() = {z.A, z.B, double(z.Delka), z.Prutok, z.PocetVlozek, z.SirkaVlozek};
}

VysledekSouboru VypocetTlumice(DrunVar& var) {
    DataTlumice d;
    if (VysledekSouboru v = NactiDataTlumice(var.SouborTlumice, d); !v.Ok()) return v;
    return VypocetTlumice(var, d);
}

VysledekSouboru CtiDataTlumice(std::string_view data, const std::string& cesta, DataTlumice& d) {
    const std::vector<std::string_view> oddily = Oddily(data);
    const auto radekOd = [&](std::string_view oddil) {
        const auto od = oddil.data() - data.data();
        return std::size_t(1 + std::count(data.begin(), data.begin() + od, '\n'));
    };
    DataTlumice nova;
    const std::pair<const Tabulka*, std::vector<Radek>*> tabulky[] = {
        {&TabulkaUtlumu, &nova.Utlumy}, {&TabulkaHluku, &nova.Hluky}};
    for (std::size_t t = 0; t < 2; ++t) {
        const Tabulka& tab = *tabulky[t].first;
        std::optional<ChybaDat> ch;
        if (oddily.size() < t + 2)
            // The last line that holds anything.
            ch = ChybaDat{
                std::size_t(1 +
                            std::count(data.begin(),
                                       data.begin() +
                                           long(std::min(data.size(),
                                                         data.find_last_not_of(" \t\r\n\v\f") + 1)),
                                       '\n')),
                "chybí tabulka " + std::string(tab.nazev) + " (za značkou @)"};
        else
            ch = CtiRadky(oddily[t + 1], radekOd(oddily[t + 1]), tab, *tabulky[t].second);
        if (ch) {
            VysledekSouboru v = ChybaRadku(DruhSouboru, cesta, ch->radek, ch->proc);
            v.Kod = KodVysledku::DataTlumice;
            return v;
        }
    }
    d = std::move(nova);
    return {};
}

VysledekSouboru NactiDataTlumice(const std::string& cesta, DataTlumice& d) {
    std::string obsah;
    VysledekSouboru v = CtiTextovySoubor(cesta, DruhSouboru, obsah, NejvetsiDataTlumice);
    if (v.Ok()) v = CtiDataTlumice(obsah, cesta, d);
    if (!v.Ok()) v.Kod = KodVysledku::DataTlumice;
    return v;
}

std::string ProcTlumicNelze(const std::string& cesta) {
    DataTlumice d;
    const VysledekSouboru v = NactiDataTlumice(cesta, d);
    return v.Ok() ? ZpravaSouboruTlumice(cesta) : v.Zprava;
}

bool SpektraTlumice(const DataTlumice& d, const RozmeryTlumice& r, Spectrum& utlumVen,
                    Spectrum& drunVen) {
    const double A = r.A, B = r.B, L = r.Delka, w = r.SirkaVlozek, Q = r.Prutok;
    const int n = r.PocetVlozek;
    if (!std::isfinite(A) || !std::isfinite(B) || !std::isfinite(L) || !std::isfinite(Q) || n < 1 ||
        n > 255 || !(B > 0) || Q < 0)
        return false;
    // Splitters that fill the duct leave no passage to look up or to blow through.
    const double volno = A - w * n;
    if (!(volno > 0)) return false;
    const double s = volno / n;
    const double v = RychlostVPrurezu(volno, B, Q);

    const std::optional<Rozmezi> g = RozmeziMezery(w, s);
    if (!g) return false;
    const Radek* dolni = Najdi(d.Utlumy, {w, g->dolni, L});
    const Radek* horni = Najdi(d.Utlumy, {w, g->horni, L});
    if (!dolni || !horni) return false;

    Spectrum utlum = NulaSpektrum();
    const double podil = (s - g->dolni) / (g->horni - g->dolni + PridavekSirky);
    for (std::size_t i = 0; i < PocetPasem; ++i)
        utlum[i] = (*dolni)[3 + i] + ((*horni)[3 + i] - (*dolni)[3 + i]) * podil;

    Spectrum drun = NulaSpektrum();
    const double V = NaSude(v);
    if (V >= NejmensiRychlost) {
        const Radek* radek = Najdi(d.Hluky, {V});
        if (!radek) return false;
        // The table holds the noise of n * B = 1 m.
        const double korekce = 10 * Log10(n * B / 1000);
        for (std::size_t i = 0; i < PocetPasem; ++i)
            drun[i] = (*radek)[1 + i] + korekce;
    }
    SpoctiLA(utlum);
    SpoctiLA(drun);
    utlumVen = utlum;
    drunVen = drun;
    return true;
}

VysledekSouboru VypocetTlumice(DrunVar& var, const DataTlumice& d) {
    TElementSite& e = var.cesta.Aktualni();
    const VstupyTlumic& t = e.Vstup<VstupyTlumic>();
    const RozmeryTlumice r{t.A, t.B, t.Delka, t.SirkaVlozek, t.Prutok, t.PocetVlozek};
    Spectrum utlum, drun;
    if (!SpektraTlumice(d, r, utlum, drun))
        return {KodVysledku::DataTlumice, ZpravaSouboruTlumice(var.SouborTlumice)};
    e.Utlum = utlum;
    e.VlastniDrun = drun;
    e.Popis = Popis(r.A, r.B, r.Delka, r.Prutok, r.PocetVlozek, r.SirkaVlozek);
    var.vstupy.PosledniA = r.A * 0.001;
    var.vstupy.PosledniB = r.B * 0.001;
    var.vstupy.PosledniDelka = r.Delka;
    var.vstupy.PosledniPrutok = r.Prutok;
    var.vstupy.PosledniPocetVlozek = static_cast<std::uint8_t>(r.PocetVlozek);
    var.vstupy.PosledniSirkaVlozek = r.SirkaVlozek;
    return {};
}

} // namespace drun
