#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/Cisla.h"
#include "core/DrunVyp.h"
#include "core/Platforma.h"
#include "core/Soubory.h"
#include "models/Tlumic.h"

using namespace drun;

namespace {

// Tabulated passage widths per splitter width, as the lookups ask for them.
const std::vector<std::pair<int, std::vector<int>>> Tabulka{
    {100, {50, 75, 100, 150, 200}}, {200, {100, 150, 200, 300}}, {300, {100, 200, 300, 400}}};

// Test data whose values tell where they came from:
// attenuation w/100 + g/10 + L + band, flow noise 2 V + band.
double UtlumVzoru(int w, int g, int delka, int pasmo) {
    return w / 100 + g / 10.0 + delka + pasmo;
}
double HlukVzoru(int v, int pasmo) {
    return 2 * v + pasmo;
}

std::vector<std::string> RadkyUtlumu() {
    std::vector<std::string> r;
    for (const auto& [w, sirky] : Tabulka)
        for (int g : sirky)
            for (int delka = 1; delka <= 3; ++delka) {
                std::string s =
                    std::to_string(w) + " " + std::to_string(g) + " " + std::to_string(delka);
                for (int i = 0; i < 8; ++i)
                    s += " " + FormatCislo(UtlumVzoru(w, g, delka, i), 1);
                r.push_back(s);
            }
    return r;
}

std::vector<std::string> RadkyHluku() {
    std::vector<std::string> r;
    for (int v = 4; v <= 30; ++v) {
        std::string s = std::to_string(v);
        for (int i = 0; i < 8; ++i)
            s += " " + FormatCislo(HlukVzoru(v, i), 1);
        r.push_back(s);
    }
    return r;
}

std::string Spoj(const std::vector<std::string>& radky) {
    std::string s;
    for (const std::string& r : radky)
        s += r + "\r\n";
    return s;
}

const std::string KonecUtlumu = "-1 0 0 0 0 0 0 0 0 0 0\r\n";
const std::string KonecHluku = "-1 0 0 0 0 0 0 0 0\r\n";

std::string Soubor(const std::vector<std::string>& utlumy = RadkyUtlumu(),
                   const std::vector<std::string>& hluky = RadkyHluku()) {
    return "Test data\r\n@\r\n" + Spoj(utlumy) + KonecUtlumu + "@\r\n" + Spoj(hluky) + KonecHluku;
}

class Tlumic : public ::testing::Test {
  protected:
    void SetUp() override {
        slozka = std::filesystem::path(::testing::TempDir()) /
                 ("drun-tlumic-" + std::to_string(CisloProcesu()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(slozka);
        var.SouborTlumice = (slozka / "KL385216.CAD").string();
        Zapis(Soubor());
        var.cesta.VlozElement();
    }
    void TearDown() override { std::filesystem::remove_all(slozka); }

    void Zapis(const std::string& obsah) {
        std::ofstream f(var.SouborTlumice, std::ios::binary | std::ios::trunc);
        f << obsah;
    }
    // Stores the values into the current element and computes.
    VysledekSouboru Spocti(double a, double b, int delka, double prutok, int sirka, int pocet) {
        ZadaniTlumice z;
        z.A = a;
        z.B = b;
        z.Delka = delka;
        z.Prutok = prutok;
        z.SirkaVlozek = sirka;
        z.PocetVlozek = pocet;
        ZapisTlumic(var, z);
        return VypocetTlumice(var);
    }
    const TElementSite& E() { return var.cesta.Aktualni(); }

    std::filesystem::path slozka;
    DrunVar var;
};

} // namespace

TEST_F(Tlumic, VzorovyPriklad) {
    // 600 x 500, two 200 mm splitters: 100 mm passages, 5.56 m/s.
    const VysledekSouboru r = Spocti(600, 500, 1, 2000, 200, 2);
    ASSERT_TRUE(r.Ok()) << r.Zprava;
    for (int i = 0; i < 8; ++i) {
        EXPECT_DOUBLE_EQ(E().Utlum[i], UtlumVzoru(200, 100, 1, i));
        EXPECT_DOUBLE_EQ(E().VlastniDrun[i], HlukVzoru(6, i)); // 10 lg(2 * 0.5) = 0
    }
    Spectrum la = E().Utlum;
    SpoctiLA(la);
    EXPECT_DOUBLE_EQ(E().Utlum[LA], la[LA]);
    EXPECT_EQ(E().Typ(), TypTlumic);
    EXPECT_EQ(E().NazevTypu(), "Tlumič drunu");
    EXPECT_EQ(E().Popis, "600x500mm, délka 1.0m, 2000.0m3/hod, 2 vl. šířky 200mm");
    EXPECT_DOUBLE_EQ(E().Vstup<VstupyTlumic>().A, 600);
    EXPECT_DOUBLE_EQ(E().Vstup<VstupyTlumic>().B, 500);
    EXPECT_DOUBLE_EQ(E().Vstup<VstupyTlumic>().Delka, 1);
    EXPECT_DOUBLE_EQ(E().Vstup<VstupyTlumic>().SirkaVlozek, 200);
    EXPECT_EQ(E().Vstup<VstupyTlumic>().PocetVlozek, 2);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniA, 0.6);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniB, 0.5);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniDelka, 1);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniPrutok, 2000);
    EXPECT_EQ(var.vstupy.PosledniPocetVlozek, 2);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniSirkaVlozek, 200);
}

TEST_F(Tlumic, RozmeziAInterpolace) {
    // One splitter, so the passage s is A - w. Each bound belongs to the
    // interval on its left; a passage beyond the table fails.
    struct Pripad {
        int sirka;
        double s;
        int dolni, horni; // 0: no row fits
    } const pripady[] = {
        {100, 30, 50, 50},    {100, 50, 50, 50},    {100, 60, 50, 75},    {100, 75, 50, 75},
        {100, 80, 75, 100},   {100, 100, 75, 100},  {100, 150, 100, 150}, {100, 200, 150, 200},
        {100, 201, 0, 0},     {100, 400, 0, 0},     {200, 60, 100, 100},  {200, 100, 100, 100},
        {200, 120, 100, 150}, {200, 200, 150, 200}, {200, 300, 200, 300}, {200, 350, 200, 300},
        {200, 400, 200, 300}, {200, 401, 0, 0},     {300, 100, 100, 100}, {300, 150, 100, 200},
        {300, 200, 100, 200}, {300, 250, 200, 300}, {300, 400, 300, 400}, {300, 450, 0, 0},
    };
    for (const Pripad& p : pripady) {
        for (int delka = 1; delka <= 3; delka += 2) {
            const VysledekSouboru r = Spocti(p.sirka + p.s, 500, delka, 500, p.sirka, 1);
            if (p.dolni == 0) {
                EXPECT_FALSE(r.Ok()) << p.sirka << " " << p.s;
                EXPECT_EQ(r.Zprava, ZpravaSouboruTlumice(var.SouborTlumice));
                continue;
            }
            ASSERT_TRUE(r.Ok()) << p.sirka << " " << p.s;
            const double podil = (p.s - p.dolni) / (p.horni - p.dolni + 0.01);
            for (int i = 0; i < 8; ++i) {
                const double lo = UtlumVzoru(p.sirka, p.dolni, delka, i);
                const double hi = UtlumVzoru(p.sirka, p.horni, delka, i);
                EXPECT_NEAR(E().Utlum[i], lo + (hi - lo) * podil, 1e-9) << p.sirka << " " << p.s;
            }
        }
    }
    // The two worked cases: 200 mm passages weigh 50 / 50.01, 350 mm 150 / 100.01.
    ASSERT_TRUE(Spocti(800, 500, 1, 2000, 200, 2).Ok());
    EXPECT_NEAR(E().Utlum[0], 18 + 5 * 50 / 50.01, 1e-12);
    ASSERT_TRUE(Spocti(1100, 500, 1, 2000, 200, 2).Ok());
    EXPECT_NEAR(E().Utlum[0], 23 + 10 * 150 / 100.01, 1e-12);
}

TEST_F(Tlumic, HlukPodleZaokrouhleneRychlosti) {
    // 600 x 500 with two 200 mm splitters: v = Q / 360. Three in 1600 x 1000
    // leave 1000 mm free, so v = Q / 3600 exactly and halves stay halves.
    struct Pripad {
        double a, b, prutok;
        int pocet;
        int v; // 0: no flow noise
    } const pripady[] = {
        {600, 500, 1224, 2, 0},      // 3.4 m/s
        {600, 500, 1296, 2, 4},      // 3.6
        {600, 500, 10584, 2, 29},    // 29.4
        {1600, 1000, 16200, 3, 4},   // 4.5, a half goes to the even neighbour
        {1600, 1000, 19800, 3, 6},   // 5.5
        {1600, 1000, 109800, 3, 30}, // 30.5
    };
    for (const Pripad& p : pripady) {
        ASSERT_TRUE(Spocti(p.a, p.b, 1, p.prutok, 200, p.pocet).Ok()) << p.prutok;
        const double nb = 10 * std::log10(p.pocet * p.b / 1000);
        for (int i = 0; i < 8; ++i)
            EXPECT_NEAR(E().VlastniDrun[i], p.v == 0 ? 0 : HlukVzoru(p.v, i) + nb, 1e-9)
                << p.prutok;
    }
    // Scaled by 10 lg(n B), B in metres: four splitters of 0.5 m add 3 dB,
    // one of 0.25 m takes 6 dB off.
    ASSERT_TRUE(Spocti(1200, 500, 1, 4 * 1800, 200, 4).Ok()); // s = 100, v = 10
    EXPECT_NEAR(E().VlastniDrun[0], HlukVzoru(10, 0) + 10 * std::log10(2.0), 1e-9);
    ASSERT_TRUE(Spocti(300, 250, 1, 900, 200, 1).Ok()); // s = 100, v = 10
    EXPECT_NEAR(E().VlastniDrun[7], HlukVzoru(10, 7) + 10 * std::log10(0.25), 1e-9);
}

TEST_F(Tlumic, RadkyPodlePoctuCiselAPrvniShoda) {
    // Numbers one to a line, or several rows on one line with tabs, read alike;
    // a later duplicate row does not win over the first.
    std::string vse = Soubor();
    std::string rozhazene;
    int k = 0;
    for (char c : vse.substr(vse.find('@'))) {
        if (c == ' ') c = (++k % 3 == 0) ? '\n' : (k % 3 == 1 ? '\t' : ' ');
        if (c == '\r' && k % 2 == 0) continue;
        rozhazene += c;
    }
    std::vector<std::string> utlumy = RadkyUtlumu();
    utlumy.push_back("200 100 1 99 99 99 99 99 99 99 99");
    std::vector<std::string> hluky = RadkyHluku();
    hluky.insert(hluky.begin(), "6\t1 1 1 1 1 1 1 1");
    for (const std::string& obsah : {"preamble\n" + rozhazene, Soubor(utlumy, RadkyHluku())}) {
        Zapis(obsah);
        ASSERT_TRUE(Spocti(600, 500, 1, 2000, 200, 2).Ok());
        EXPECT_DOUBLE_EQ(E().Utlum[0], UtlumVzoru(200, 100, 1, 0));
        EXPECT_DOUBLE_EQ(E().VlastniDrun[7], HlukVzoru(6, 7));
    }
    Zapis(Soubor(RadkyUtlumu(), hluky));
    ASSERT_TRUE(Spocti(600, 500, 1, 2000, 200, 2).Ok());
    EXPECT_DOUBLE_EQ(E().VlastniDrun[0], 1);
}

TEST_F(Tlumic, SouborCtenZnovuPriKazdemVypoctu) {
    ASSERT_TRUE(Spocti(600, 500, 1, 2000, 200, 2).Ok());
    std::vector<std::string> utlumy = RadkyUtlumu();
    utlumy.insert(utlumy.begin(), "200 100 1 7 7 7 7 7 7 7 7");
    Zapis(Soubor(utlumy));
    ASSERT_TRUE(Spocti(600, 500, 1, 2000, 200, 2).Ok());
    EXPECT_DOUBLE_EQ(E().Utlum[4], 7);
}

TEST_F(Tlumic, SelhaniNechaPrvekBezeZmeny) {
    auto bez = [](std::vector<std::string> r, const std::string& zacatek) {
        std::erase_if(r, [&](const std::string& x) { return x.rfind(zacatek, 0) == 0; });
        return r;
    };
    std::vector<std::string> spatne = RadkyUtlumu();
    spatne[20] += " 1,5"; // 1,5 is no number (and the row count goes wrong)
    std::vector<std::string> pismena = RadkyHluku();
    pismena[5] = "9 1 2 3 4 5 6 7 12abc";
    const std::string cely = Soubor();
    // A damaged level: finite, but no silencer attenuates or hisses like that.
    std::vector<std::string> nesmysl = RadkyUtlumu();
    for (std::string& r : nesmysl)
        if (r.rfind("200 100 1 ", 0) == 0) r = r.substr(0, r.rfind(' ')) + " 3810";
    std::vector<std::string> zaporny = RadkyHluku();
    for (std::string& r : zaporny)
        if (r.rfind("6 ", 0) == 0) r = r.substr(0, r.rfind(' ')) + " -5";
    // Data that are not whole are refused by their reader, naming the line
    // and why; inputs the whole data do not cover keep the general message.
    const std::string radek =
        "Chyba při čtení souboru dat tlumičů " + var.SouborTlumice + ", řádek ";
    struct Pripad {
        const char* nazev;
        std::optional<std::string> obsah; // none: no file at all
        double a, prutok;
        int pocet, sirka;
        std::string zprava; // empty: the general message
    } const pripady[] = {
        {"chybi soubor", std::nullopt, 600, 2000, 2, 200,
         "Soubor dat tlumičů " + var.SouborTlumice + " nenalezen, nebo je prázdný."},
        {"prazdny soubor", "", 600, 2000, 2, 200,
         "Soubor dat tlumičů " + var.SouborTlumice + " nenalezen, nebo je prázdný."},
        {"bez znacky", "no marker here 200 100 1 1 2 3 4 5 6 7 8", 600, 2000, 2, 200,
         radek + "1: chybí tabulka útlumů (za značkou @)."},
        {"bez druhe znacky", cely.substr(0, cely.rfind('@')), 600, 2000, 2, 200,
         radek + "42: chybí tabulka hluku proudění (za značkou @)."},
        {"chybi radek utlumu", Soubor(bez(RadkyUtlumu(), "200 100 1 ")), 600, 2000, 2, 200, ""},
        {"chybi radek hluku", Soubor(RadkyUtlumu(), bez(RadkyHluku(), "6 ")), 600, 2000, 2, 200,
         ""},
        {"rychlost nad tabulkou", cely, 600, 11200, 2, 200, ""},
        {"mezera mimo tabulku", cely, 500, 2000, 1, 100, ""},
        {"carka v cisle", Soubor(spatne), 600, 2000, 2, 200, radek + "23: 1,5 není číslo."},
        {"pismena v cisle", Soubor(RadkyUtlumu(), pismena), 600, 2000, 2, 200,
         radek + "49: 12abc není číslo."},
        {"useknuty radek", cely.substr(0, cely.find("200 150 1") + 12), 600, 2000, 2, 200,
         radek + "21: neúplný řádek tabulky útlumů (4 z 11 čísel)."},
        {"vlozky zaplni sirku", cely, 600, 2000, 2, 300, ""},
        {"vlozky presahuji", cely, 600, 2000, 3, 300, ""},
        {"zadna vlozka", cely, 600, 2000, 0, 200, ""},
        {"nesmyslny utlum", Soubor(nesmysl), 600, 2000, 2, 200,
         radek + "18: tabulka útlumů: útlum 8kHz: 3810 není číslo od 0 do 150."},
        {"zaporny hluk", Soubor(RadkyUtlumu(), zaporny), 600, 2000, 2, 200,
         radek + "46: tabulka hluku proudění: hladina 8kHz: -5 není číslo od 0 do 150."},
    };
    for (const Pripad& p : pripady) {
        if (p.obsah)
            Zapis(*p.obsah);
        else
            std::filesystem::remove(var.SouborTlumice);
        // A silencer already in place is the element being changed.
        var.cesta.NajdiElement(1);
        var.cesta.VypustElement(2);
        var.cesta.VlozElement();
        NaplnSpektrum(var.cesta.Aktualni().Utlum, 3);
        var.cesta.Aktualni().Popis = "dříve";
        const TElementSite pred = E();
        const double pametA = var.vstupy.PosledniA;
        const int pametPocet = var.vstupy.PosledniPocetVlozek;
        VysledekSouboru r;
        ZadaniTlumice z{p.a, 500, 1, p.prutok, static_cast<double>(p.sirka), p.pocet};
        const bool ok = ZadejElement(
            var, false, [&](DrunVar& v) { ZapisTlumic(v, z); },
            [&](DrunVar& v) {
                r = VypocetTlumice(v);
                return r.Ok();
            });
        EXPECT_FALSE(ok) << p.nazev;
        EXPECT_EQ(r.Zprava, p.zprava.empty()
                                ? "Soubor " + var.SouborTlumice +
                                      " nenalezen, poškozen, nebo zadané hodnoty mimo jeho rozsah."
                                : p.zprava)
            << p.nazev;
        EXPECT_EQ(ProcTlumicNelze(var.SouborTlumice), r.Zprava) << p.nazev;
        EXPECT_EQ(E().Typ(), pred.Typ()) << p.nazev;
        EXPECT_EQ(E().Popis, "dříve") << p.nazev;
        EXPECT_EQ(E().Utlum, pred.Utlum) << p.nazev;
        EXPECT_EQ(E().VlastniDrun, pred.VlastniDrun) << p.nazev;
        EXPECT_EQ(E().Vstupy, pred.Vstupy) << p.nazev;
        EXPECT_EQ(var.vstupy.PosledniA, pametA) << p.nazev;
        EXPECT_EQ(var.vstupy.PosledniPocetVlozek, pametPocet) << p.nazev;

        // Adding: the new element leaves the path again.
        EXPECT_FALSE(ZadejElement(
            var, true, [&](DrunVar& v) { ZapisTlumic(v, z); },
            [](DrunVar& v) { return VypocetTlumice(v).Ok(); }))
            << p.nazev;
        EXPECT_EQ(var.cesta.Pocet(), 2) << p.nazev;
        EXPECT_EQ(var.cesta.AktualniCislo(), 2) << p.nazev;
    }
}

TEST_F(Tlumic, NizkaRychlostBezDruhehoOddiluSeOdmitne) {
    // 3.4 m/s rounds to 3: no flow noise is looked up, yet data without
    // their second section are damaged data, not data that happen to suffice.
    const std::string cely = Soubor();
    Zapis(cely.substr(0, cely.rfind('@')));
    EXPECT_FALSE(Spocti(600, 500, 1, 1224, 200, 2).Ok());
    EXPECT_EQ(E().VlastniDrun, NulaSpektrum());
}

// The data are whole or refused: both tables, each row complete and in range,
// each section closed. Damaged data are never data without a silencer that
// fits: the search refuses them as it refuses a missing file.
TEST_F(Tlumic, DataCelaNeboOdmitnuta) {
    const std::string cely = Soubor();
    std::string skutecna;
    ASSERT_EQ(CtiSoubor(std::string(DRUN_DATA_DIR) + "/KL385216.CAD", skutecna), KodVysledku::Ok);
    const auto nahrad = [](std::string s, const std::string& co, const std::string& cim) {
        return s.replace(s.find(co), co.size(), cim);
    };
    // The second section's rows zeroed, its closing row kept.
    std::string nulove = skutecna.substr(0, skutecna.rfind('@') + 1) + "\r\n";
    for (int v = 4; v <= 30; ++v)
        nulove += "0 0 0 0 0 0 0 0 0\r\n";
    nulove += "-1 0 0 0 0 0 0 0 0\r\n";
    const std::size_t rez = skutecna.find('\n', 3000) + 1; // a line end after 3000 bytes
    const std::string radek =
        "Chyba při čtení souboru dat tlumičů " + var.SouborTlumice + ", řádek ";
    const std::pair<std::string, std::string> pripady[] = {
        {cely, ""},
        {skutecna, ""},
        {cely.substr(0, cely.rfind('@')),
         radek + "42: chybí tabulka hluku proudění (za značkou @)."},
        {Soubor({}, RadkyHluku()), radek + "3: tabulka útlumů nemá žádný řádek."},
        {Soubor(RadkyUtlumu(), {}), radek + "44: tabulka hluku proudění nemá žádný řádek."},
        {"DATA\r\n@ nic než smetí @ ani tady\r\n", radek + "2: nic není číslo."},
        {"bez značky 200 100 1 1 2 3 4 5 6 7 8", radek + "1: chybí tabulka útlumů (za značkou @)."},
        // One byte changed in a row: a blank splits a number, a letter spoils one.
        {nahrad(skutecna, "100  50 2    8.0", "100  50 2    8 0"),
         radek + "18: tabulka útlumů: šířka vložky: 47.9 není celé číslo od 1 do 5000."},
        {nahrad(skutecna, "100  75 1    3.2", "100  75 1    3x2"), radek + "20: 3x2 není číslo."},
        {nulove, radek + "58: tabulka hluku proudění: rychlost: 0 není celé číslo od 1 do 100."},
        {skutecna.substr(0, rez), radek + "50: tabulka útlumů nekončí řádkem -1."},
        {cely.substr(0, cely.rfind("-1")), radek + "70: tabulka hluku proudění nekončí řádkem -1."},
    };
    for (const auto& [obsah, zprava] : pripady) {
        SCOPED_TRACE(obsah.substr(0, 40));
        Zapis(obsah);
        DataTlumice d;
        d.Hluky.push_back({1});
        const VysledekSouboru v = NactiDataTlumice(var.SouborTlumice, d);
        EXPECT_EQ(v.Zprava, zprava);
        EXPECT_EQ(v.Kod, zprava.empty() ? KodVysledku::Ok : KodVysledku::DataTlumice);
        if (!zprava.empty()) {
            EXPECT_EQ(d.Hluky.size(), 1u); // a refusal leaves the data
        }
    }
    // A file above the reader's limit is told by its size.
    Zapis(cely + std::string(4u << 20, ' '));
    DataTlumice d;
    EXPECT_EQ(NactiDataTlumice(var.SouborTlumice, d).Zprava,
              "Chyba při čtení souboru dat tlumičů " + var.SouborTlumice +
                  ": soubor je větší než 4 MB.");
}

TEST_F(Tlumic, AdresarMistoSouboru) {
    var.SouborTlumice = slozka.string();
    EXPECT_FALSE(Spocti(600, 500, 1, 2000, 200, 2).Ok());
}

TEST(TlumicVstup, KontrolaPredOK) {
    // The splitters must leave width free and the passages stay below 30 m/s.
    EXPECT_FALSE(ZadaniTlumiceMozne(600, 500, 100, 300, 2));
    EXPECT_FALSE(ZadaniTlumiceMozne(600, 500, 100, 300, 3));
    EXPECT_TRUE(ZadaniTlumiceMozne(600, 500, 10799, 200, 2));  // 29.997 m/s
    EXPECT_FALSE(ZadaniTlumiceMozne(600, 500, 10800, 200, 2)); // 30 m/s
}

TEST(TlumicData, KazdyHledanyRadekJeVDodanemSouboru) {
    DrunVar var;
    var.SouborTlumice = std::string(DRUN_DATA_DIR) + "/KL385216.CAD";
    var.cesta.VlozElement();
    auto spocti = [&](double a, double b, int delka, double prutok, int sirka) {
        ZapisTlumic(var, ZadaniTlumice{a, b, delka, prutok, static_cast<double>(sirka), 1});
        const VysledekSouboru r = VypocetTlumice(var);
        EXPECT_TRUE(r.Ok()) << a << " " << sirka << " " << delka << " " << prutok;
        return var.cesta.Aktualni();
    };
    for (const auto& [w, sirky] : Tabulka) {
        std::array<Spectrum, 3> predchozi{};
        for (auto g = sirky.rbegin(); g != sirky.rend(); ++g) {
            Spectrum kratsi{};
            for (int delka = 1; delka <= 3; ++delka) {
                const Spectrum u = spocti(w + *g, 500, delka, 100, w).Utlum;
                const auto nejvetsi = std::max_element(u.begin(), u.begin() + 8) - u.begin();
                EXPECT_GE(nejvetsi, 3) << w << " " << *g << " " << delka; // 500 Hz .. 2 kHz
                EXPECT_LE(nejvetsi, 5) << w << " " << *g << " " << delka;
                EXPECT_LT(u[0], 30) << w << " " << *g << " " << delka;
                for (int i = 0; i < 8; ++i) {
                    if (delka > 1) {
                        EXPECT_GT(u[i], kratsi[i]) << w << " " << *g;
                    }
                    if (g != sirky.rbegin()) {
                        EXPECT_GT(u[i], predchozi[delka - 1][i]) << w << " " << *g;
                    }
                }
                kratsi = u;
                predchozi[delka - 1] = u;
            }
        }
    }
    // Thin splitters absorb less at low frequencies than thick ones.
    EXPECT_LT(spocti(200, 500, 1, 100, 100).Utlum[0], spocti(300, 500, 1, 100, 200).Utlum[0]);
    EXPECT_LT(spocti(300, 500, 1, 100, 200).Utlum[0], spocti(400, 500, 1, 100, 300).Utlum[0]);

    // Flow noise for every velocity 4..30 (one 0.2 m splitter of 1 m: v = Q / 360),
    // rising by 50..60 lg v.
    Spectrum pomalu{}, rychle{};
    for (int v = 4; v <= 30; ++v) {
        const Spectrum d = spocti(300, 1000, 1, 360.0 * v, 200).VlastniDrun;
        if (v == 4) pomalu = d;
        if (v == 30) rychle = d;
    }
    for (int i = 0; i < 8; ++i) {
        const double sklon = (rychle[i] - pomalu[i]) / std::log10(30.0 / 4);
        EXPECT_GE(sklon, 50);
        EXPECT_LE(sklon, 60);
    }
}
