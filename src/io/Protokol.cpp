#include "io/Protokol.h"

#include <cstdio>
#include <ctime>
#include <string_view>

#include "core/Cisla.h"
#include "core/Druhy.h"
#include "core/DrunVar.h"
#include "core/Platforma.h"
#include "io/Projekt.h"
#include "io/SoucetCest.h"

namespace drun {

namespace {

const std::string Okraj = "     ";
const std::string Cara = std::string(79, '_') + " ";

size_t DelkaUtf8(const std::string& s) {
    size_t n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

// The values separated by tabs, appended to r.
void PridejHodnoty(std::string& r, const Spectrum& s, int pocet = 9, int desetin = 1) {
    for (int i = 0; i < pocet; ++i) {
        if (i > 0) r += '\t';
        PridejCislo(r, s[static_cast<size_t>(i)], desetin);
    }
}

class Tiskarna {
  public:
    Tiskarna(const DrunVar& var, const PrijemceRadku& out) : var_(var), out_(out) {}

    // The margin and the parts (texts, or spectra as their nine values); an
    // empty line has no margin. One buffer serves every line.
    template <class... Casti> void Radek(const Casti&... casti) {
        radek_.clear();
        if (strankaZacina_) radek_ += '\f';
        strankaZacina_ = false;
        const size_t zacatek = radek_.size();
        radek_ += Okraj;
        (Pridej(casti), ...);
        if (radek_.size() == zacatek + Okraj.size()) radek_.resize(zacatek);
        out_(radek_);
        ++radku_;
    }

    // The title block of the first page (7 lines), then the page heading.
    void Titul(const std::string& nazev, const std::string& datum) {
        Radek();
        Radek();
        Radek();
        // The version stands in the same column whatever the title's length.
        const size_t znaku = DelkaUtf8(nazev);
        Radek(nazev + std::string(znaku < 70 ? 70 - znaku : 1, ' ') + "Ver. 3.010");
        Radek(Cara);
        Radek(datum);
        Radek();
        ZahlaviStranky();
    }

    void ZahlaviStranky() {
        Radek("Akce:" + var_.Akce);
        char cislo[16];
        std::snprintf(cislo, sizeof cislo, "%2d", stranka_);
        Radek(std::string(69, '_') + "list č." + cislo);
        Radek();
        Radek("OKTÁVY\t63Hz\t125Hz\t250Hz\t500Hz\t1kHz\t2kHz\t4kHz\t8kHz\tL(A)");
        Radek(Cara);
    }

    // A block of `vyska` lines must end on this page: with fewer than that
    // left below the counter, the page is closed first.
    void Kontrola(int prah) {
        if (radku_ <= var_.parametry.DelkaStranky - prah) return;
        strankaZacina_ = true;
        ++stranka_;
        radku_ = 0;
        Radek();
        Radek();
        Radek();
        ZahlaviStranky();
    }

    int radku_ = 0;
    int stranka_ = 1;

  private:
    const DrunVar& var_;
    const PrijemceRadku& out_;
    bool strankaZacina_ = false;
    std::string radek_;

    void Pridej(std::string_view text) { radek_ += text; }
    void Pridej(const Spectrum& s) { PridejHodnoty(radek_, s); }
};

std::string Hodnoty(const Spectrum& s, int pocet = 9, int desetin = 1) {
    std::string r;
    PridejHodnoty(r, s, pocet, desetin);
    return r;
}

std::string Hodnoty8(const std::array<double, PocetPasem>& t, int desetin) {
    Spectrum s{};
    for (int i = 0; i < PocetPasem; ++i)
        s[static_cast<size_t>(i)] = t[static_cast<size_t>(i)];
    return Hodnoty(s, PocetPasem, desetin);
}

std::string Pole5(double x) {
    std::string s = FormatCislo(x, 1);
    if (s.size() < 5) s.insert(0, 5 - s.size(), ' ');
    return s;
}

// A caption line with the nine values under the column heading below it.
void Pod(Tiskarna& t, const std::string& nadpis, const Spectrum& s) {
    t.Radek(nadpis);
    t.Radek("\t\t", s);
}

// Heights of the blocks the page checks leave room for.
constexpr int VyskaNejvetsihoBloku = 9; // the room
constexpr int PrahZaveru = 10;          // the closing block, its first rule included
constexpr int VyskaBlokuCesty = 3;      // a path of the sum
constexpr int PrahZaveruSouctu = 9;     // the sum's closing block

} // namespace

void RadkyProtokolu(const DrunVar& var, const std::string& datum, const PrijemceRadku& radek) {
    Tiskarna t(var, radek);
    t.Titul("VÝPOČET DRUNU VE VZT ZAŘÍZENÍ", datum);
    // The source.
    const TElementSite& zdroj = var.cesta.Prvek(1);
    Pod(t, "ZDROJ DRUNU: " + zdroj.Popis, zdroj.VlastniDrun);
    t.Radek();

    for (int n = 2; n <= var.cesta.Pocet(); ++n) {
        t.Kontrola(VyskaNejvetsihoBloku);
        const TElementSite& e = var.cesta.Prvek(n);
        const DruhElementu* druh = Druh(e.Typ());
        if (!druh || e.Typ() == TypZdroj) continue;
        t.Radek(std::to_string(e.Cislo), "-", druh->Nazev, "-", e.Popis);
        // The room's inputs are part of its block.
        if (const auto* m = std::get_if<VstupyMistnost>(&e.Vstupy)) {
            t.Radek("Plocha stěn " + Pole5(m->PlochaSten) + "m2, vzdálenost od zdroje " +
                    Pole5(m->Vzdalenost) + "m");
            t.Radek("Součinitel pohltivosti stěn");
            t.Radek("\t\t" + Hodnoty8(m->Pohltivost, 2));
            t.Radek("Směrový součinitel");
            t.Radek("\t\t" + Hodnoty8(m->Smerovost, 1));
        }
        for (const RadekSpektra& r : RadkySpekter(*druh, e))
            t.Radek(std::string(r.Protokol) + "\t", *r.Hodnoty);
        t.Radek();
    }

    // The closing block, its first rule counted with it so that nothing
    // prints past the page length: the result, the requirement and the
    // difference always stand on one page.
    t.Kontrola(PrahZaveru);
    t.Radek(Cara);
    Pod(t, "VÝSLEDEK CELÉ SÍTĚ:", var.Vysledek);
    Pod(t, "POŽADAVEK NA KONCI SÍTĚ:", var.Pozadavek);
    Pod(t, "ROZDÍL:", var.Rozdil);
    t.Radek(Cara);
}

bool ZapisProtokol(const DrunVar& var, const std::string& datum, std::FILE* f) {
    bool ok = true;
    RadkyProtokolu(var, datum, [&ok, f](const std::string& r) {
        ok = ok && std::fwrite(r.data(), 1, r.size(), f) == r.size() && std::fputc('\n', f) != EOF;
    });
    return ok && std::fflush(f) == 0;
}

std::vector<std::string> TextProtokolu(const DrunVar& var, const std::string& datum) {
    std::vector<std::string> out;
    RadkyProtokolu(var, datum, [&out](const std::string& r) { out.push_back(r); });
    return out;
}

std::vector<std::string> TextProtokoluSouctu(const DrunVar& var,
                                             const std::vector<CestaSouctu>& cesty,
                                             const VysledekSouctu& v, const std::string& datum) {
    std::vector<std::string> out;
    const PrijemceRadku sber = [&out](const std::string& r) { out.push_back(r); };
    Tiskarna t(var, sber);
    t.Titul("SOUČET DRUNU Z VÍCE CEST", datum);
    int n = 0;
    for (const CestaSouctu& c : cesty) {
        t.Kontrola(VyskaBlokuCesty);
        t.Radek(std::to_string(++n) + "-" + c.Nazev + "-" + (c.Ok ? c.Akce : c.Zprava));
        t.Radek(c.Ok ? "\t\t" + Hodnoty(c.Konec) : "NEZAPOČTENO");
        t.Radek();
    }
    t.Kontrola(PrahZaveruSouctu);
    t.Radek(Cara);
    Pod(t, "SOUČET:", v.Soucet);
    Pod(t, "POŽADAVEK:", v.Pozadavek);
    Pod(t, "ROZDÍL:", v.Rozdil);
    t.Radek("NR SOUČTU: " + FormatHodnota(v.NR.N) + " (rozhoduje pásmo " +
            NazvyPasem[static_cast<size_t>(v.NR.Pasmo)] + ")");
    t.Radek(Cara);
    return out;
}

std::vector<std::string> TextProtokoluProjektu(const DrunVar& var, const Projekt& p,
                                               const PrehledProjektu& pr, const std::string& datum,
                                               const std::string& nazev) {
    std::vector<std::string> out;
    const PrijemceRadku sber = [&out](const std::string& r) { out.push_back(r); };
    Tiskarna t(var, sber);
    t.Titul(nazev, datum);
    for (size_t i = 0; i < p.Mistnosti.size() && i < pr.Mistnosti.size(); ++i) {
        const MistnostProjektu& m = p.Mistnosti[i];
        const PrehledMistnosti& r = pr.Mistnosti[i];
        t.Kontrola(VyskaBlokuCesty + 1);
        t.Radek(std::to_string(i + 1) + "-" + m.Nazev + "-" + TextStavu(r.Stav));
        if (r.Stav == StavMistnosti::Chyba) {
            t.Radek("\t\t" + r.Cesta + ": " + r.Zprava);
        } else {
            const std::string nc = TextNCSouctu(r.Soucet.Soucet);
            t.Radek("\t\tL(A) " + FormatHodnota(r.Soucet.Soucet[LA]) + "   NR " +
                    FormatHodnota(r.Soucet.NR.N) + (nc.empty() ? "" : "   NC " + nc) +
                    "   požadavek " + m.Pozadavek);
            if (r.Pasmo >= 0)
                t.Radek("\t\tpásmo " + std::string(NazvyPasem[static_cast<size_t>(r.Pasmo)]) +
                        "   rezerva " + FormatHodnota(r.Rezerva) + " dB   cesta " + r.Cesta);
        }
        t.Radek();
    }
    t.Kontrola(3);
    t.Radek(Cara);
    t.Radek("NEVYHOVÍ: " + std::to_string(pr.Nevyhovi) + " z " +
            std::to_string(p.Mistnosti.size()) + " místností");
    t.Radek(Cara);
    return out;
}

std::string CeskeDatum(int den, int mesic, int rok) {
    return std::to_string(den) + "." + std::to_string(mesic) + "." + std::to_string(rok);
}

std::string DnesniDatum() {
    std::tm tm{};
    if (!MistniCas(std::time(nullptr), tm)) return {};
    return CeskeDatum(tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900);
}

std::string ProtokolJakoText(const std::vector<std::string>& radky) {
    std::string s;
    for (const std::string& r : radky)
        s += r + "\n";
    return s;
}

} // namespace drun
