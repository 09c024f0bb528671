#include "models/Tlumic.h"

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
// The real file has a few kilobytes; anything huge is not it.
constexpr std::uintmax_t NejvetsiSoubor = 4u << 20;

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

std::optional<std::string> NactiSoubor(const std::string& cesta) {
    std::string obsah;
    if (CtiNeprazdny(cesta, obsah, NejvetsiSoubor) != KodVysledku::Ok) return std::nullopt;
    return obsah;
}

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

// Rows of a section up to its terminator row; rows are counted by numbers,
// not lines. Whatever follows the terminator is not read. A word that is not
// a number, or a section that stops inside a row, makes the file damaged.
std::optional<std::vector<Radek>> CtiRadky(std::string_view oddil, std::size_t sloupcu) {
    std::vector<Radek> radky;
    Radek r;
    std::size_t i = 0;
    while (true) {
        while (i < oddil.size() && Mezera(oddil[i]))
            ++i;
        if (i == oddil.size()) break;
        const std::size_t zacatek = i;
        while (i < oddil.size() && !Mezera(oddil[i]))
            ++i;
        const std::optional<double> x = CtiDouble(oddil.substr(zacatek, i - zacatek));
        if (!x) return std::nullopt;
        r.push_back(*x);
        if (r.size() == sloupcu) {
            if (r[0] == Ukonceni) return radky;
            radky.push_back(std::move(r));
            r.clear();
        }
    }
    if (!r.empty()) return std::nullopt;
    return radky;
}

// The band values of a row lie within the program's level limits; anything
// else is a damaged file, not a silencer.
bool HladinyVMezich(const Radek& r, std::size_t prvni, const DrunVar& var) {
    for (std::size_t i = prvni; i < prvni + PocetPasem; ++i)
        if (r[i] < var.MinUroven || r[i] > var.MaxUroven) return false;
    return true;
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
    const std::optional<DataTlumice> d = NactiDataTlumice(var.SouborTlumice);
    if (!d) return {KodVysledku::DataTlumice, ZpravaSouboruTlumice(var.SouborTlumice)};
    return VypocetTlumice(var, *d);
}

DataTlumice CtiDataTlumice(std::string_view data) {
    DataTlumice d;
    const std::vector<std::string_view> oddily = Oddily(data);
    if (oddily.size() >= 2) {
        if (auto r = CtiRadky(oddily[1], SloupcuUtlumu)) {
            d.UtlumyOk = true;
            d.Utlumy = std::move(*r);
        }
    }
    if (oddily.size() >= 3) {
        if (auto r = CtiRadky(oddily[2], SloupcuHluku)) {
            d.HlukyOk = true;
            d.Hluky = std::move(*r);
        }
    }
    return d;
}

std::optional<DataTlumice> NactiDataTlumice(const std::string& cesta) {
    const std::optional<std::string> obsah = NactiSoubor(cesta);
    if (!obsah) return std::nullopt;
    DataTlumice d = CtiDataTlumice(*obsah);
    // Data from which not one table reads are damaged, not data without silencers.
    if (!(d.UtlumyOk && !d.Utlumy.empty()) && !(d.HlukyOk && !d.Hluky.empty())) return std::nullopt;
    return d;
}

bool SpektraTlumice(const DataTlumice& d, const RozmeryTlumice& r, const DrunVar& var,
                    Spectrum& utlumVen, Spectrum& drunVen) {
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
    if (!g || !d.UtlumyOk) return false;
    const Radek* dolni = Najdi(d.Utlumy, {w, g->dolni, L});
    const Radek* horni = Najdi(d.Utlumy, {w, g->horni, L});
    if (!dolni || !horni) return false;
    if (!HladinyVMezich(*dolni, 3, var) || !HladinyVMezich(*horni, 3, var)) return false;

    Spectrum utlum = NulaSpektrum();
    const double podil = (s - g->dolni) / (g->horni - g->dolni + PridavekSirky);
    for (std::size_t i = 0; i < PocetPasem; ++i)
        utlum[i] = (*dolni)[3 + i] + ((*horni)[3 + i] - (*dolni)[3 + i]) * podil;

    Spectrum drun = NulaSpektrum();
    const double V = NaSude(v);
    if (V >= NejmensiRychlost) {
        if (!d.HlukyOk) return false;
        const Radek* radek = Najdi(d.Hluky, {V});
        if (!radek || !HladinyVMezich(*radek, 1, var)) return false;
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
    if (!SpektraTlumice(d, r, var, utlum, drun))
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
