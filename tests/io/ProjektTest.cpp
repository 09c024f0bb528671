// The project file *.DRP and the overview of its rooms.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/Cisla.h"
#include "core/Soubory.h"
#include "io/Projekt.h"
#include "models/Pomocnik.h"

using namespace drun;
namespace fs = std::filesystem;

namespace {

class ProjektTest : public ::testing::Test {
  protected:
    void SetUp() override {
        slozka = SlozkaTestu("drun-projekt-Přízemí-");
        fs::create_directories(slozka / "rozvody");
        soubor = TextCesty(slozka / "budova.DRP");
    }
    void TearDown() override { fs::remove_all(slozka); }
    fs::path slozka;
    std::string soubor;
    // A file in the test's folder, by its UTF-8 name, with the system's separators.
    std::string V(const std::string& jmeno) const {
        return TextCesty((slozka / CestaSouboru(jmeno)).lexically_normal());
    }
};

// An absolute path on this system.
#ifdef _WIN32
const std::string Abs = "C:\\abs\\x.DRN";
#else
const std::string Abs = "/abs/x.DRN";
#endif

} // namespace

TEST_F(ProjektTest, TamAZpetBajtProBajt) {
    Projekt p;
    p.Mistnosti = {{"Kancelář 101", "N30", {"rozvody/přívod.DRN", "odvod 101.DRN"}},
                   {"Sklad", "40 35.5 30 25 20 15 10 5", {"rozvody/přívod.DRN", Abs}},
                   {"Chodba", "N25", {}}};
    ASSERT_TRUE(UlozProjekt(p, soubor).Ok());
    std::string bajty;
    ASSERT_EQ(CtiSoubor(soubor, bajty), KodVysledku::Ok);
    EXPECT_EQ(bajty, "[DRUN PROJEKT]\r\n"
                     "[MISTNOST]\r\nNazev=Kancelář 101\r\nPozadavek=N30\r\n"
                     "Cesta=rozvody/přívod.DRN\r\nCesta=odvod 101.DRN\r\n"
                     "[MISTNOST]\r\nNazev=Sklad\r\nPozadavek=40 35.5 30 25 20 15 10 5\r\n"
                     "Cesta=rozvody/přívod.DRN\r\nCesta=" +
                         Abs +
                         "\r\n"
                         "[MISTNOST]\r\nNazev=Chodba\r\nPozadavek=N25\r\n[KONEC]\r\n");
    Projekt zpet;
    ASSERT_EQ(NactiProjekt(soubor, zpet).Zprava, "");
    // Cut short anywhere before its end line is whole, the file is refused or
    // read with the notice that the end line is missing; never taken silently
    // as a smaller project.
    for (size_t n = 0; n + 2 < bajty.size(); ++n) {
        Projekt kus;
        const VysledekSouboru v = CtiProjektZTextu(bajty.substr(0, n), soubor, kus);
        EXPECT_TRUE(!v.Ok() || v.Zprava == ZpravaBezKonce("projektu", soubor)) << n;
    }
    ASSERT_TRUE(UlozProjekt(zpet, soubor).Ok());
    std::string znovu;
    CtiSoubor(soubor, znovu);
    EXPECT_EQ(znovu, bajty);
    // LF line ends and blank lines at the end are read too; a file of the
    // previous version, without the end line, with a notice.
    const VysledekSouboru stary =
        CtiProjektZTextu("[DRUN PROJEKT]\n[MISTNOST]\nPozadavek=N30\nNazev=A\n\n", soubor, zpet);
    ASSERT_TRUE(stary.Ok());
    EXPECT_EQ(stary.Zprava, "Soubor projektu " + soubor +
                                " nemá na konci řádek [KONEC]: je ze starší verze DRUN, nebo byl "
                                "zkrácen. Přečten je tak, jak je.");
    ASSERT_EQ(zpet.Mistnosti.size(), 1u);
    EXPECT_EQ(zpet.Mistnosti[0].Nazev, "A");
    // A limit in dB(A): its bands L_A + K_A, its L(A) the limit itself.
    ASSERT_TRUE(
        CtiProjektZTextu("[DRUN PROJEKT]\n[MISTNOST]\nNazev=A\nPozadavek=LA32.5\n", soubor, zpet)
            .Ok());
    EXPECT_EQ(PozadavekMistnosti(zpet.Mistnosti[0])[0], 53.5);
    EXPECT_EQ(PozadavekMistnosti(zpet.Mistnosti[0])[LA], 32.5);

    // Paths: relative from the project's folder, absolute as written; moved
    // elsewhere, the project names the same files.
    EXPECT_EQ(CestaNaDisku(soubor, "rozvody/přívod.DRN"), V("rozvody/přívod.DRN"));
    EXPECT_EQ(CestaNaDisku(soubor, Abs), Abs);
    EXPECT_EQ(CestaVProjektu(soubor, V("rozvody/a.DRN")), "rozvody/a.DRN");
    EXPECT_EQ(CestaVProjektu(soubor, TextCesty(slozka.parent_path() / "a.DRN")),
              TextCesty(slozka.parent_path() / "a.DRN"));
    PresunProjekt(p, soubor, V("rozvody/nový.DRP"));
    EXPECT_EQ(p.Mistnosti[0].Cesty, (std::vector<std::string>{"přívod.DRN", V("odvod 101.DRN")}));
    EXPECT_EQ(p.Mistnosti[1].Cesty[1], Abs);
}

TEST_F(ProjektTest, PoskozenySeOdmitne) {
    const std::string m = "[MISTNOST]\r\nNazev=A\r\nPozadavek=N30\r\n";
    const std::pair<std::string, std::string> pripady[] = {
        {"", "1: chybí záhlaví [DRUN PROJEKT]"},
        {"[DRUN SOUCET]\r\n" + m, "1: chybí záhlaví [DRUN PROJEKT]"},
        {"[DRUN PROJEKT]\r\nNazev=A\r\n", "2: očekáván řádek [MISTNOST]"},
        {"[DRUN PROJEKT]\r\n[MISTNOST]\r\nPozadavek=N30\r\n", "2: místnost bez názvu"},
        {"[DRUN PROJEKT]\r\n[MISTNOST]\r\nNazev=\r\nPozadavek=N30\r\n", "3: místnost bez názvu"},
        {"[DRUN PROJEKT]\r\n[MISTNOST]\r\nNazev= \xC2\xA0\r\nPozadavek=N30\r\n",
         "3: neplatný název místnosti (žádný viditelný znak)"},
        {"[DRUN PROJEKT]\r\n[MISTNOST]\r\nNazev=A\u202E\r\nPozadavek=N30\r\n",
         "3: neplatný název místnosti (formátovací znak U+202E)"},
        {"[DRUN PROJEKT]\r\n" + m + "[MISTNOST]\r\nNazev=B\r\n", "5: místnost bez požadavku"},
        {"[DRUN PROJEKT]\r\n[MISTNOST]\r\nNazev=A\r\nPozadavek=N31\r\n", "4: neplatný požadavek"},
        {"[DRUN PROJEKT]\r\n[MISTNOST]\r\nNazev=A\r\nPozadavek=1 2 3\r\n", "4: neplatný požadavek"},
        {"[DRUN PROJEKT]\r\n[MISTNOST]\r\nNazev=A\r\nPozadavek=LA32.55\r\n",
         "4: neplatný požadavek"},
        {"[DRUN PROJEKT]\r\n" + m + "Cesta=\r\n", "5: prázdná cesta"},
        {"[DRUN PROJEKT]\r\n" + m + "Nazev=B\r\n", "5: název místnosti je uveden dvakrát"},
        {"[DRUN PROJEKT]\r\n" + m + "Pozadavek=N30\r\n", "5: požadavek je uveden dvakrát"},
        {"[DRUN PROJEKT]\r\n" + m + "\r\nCesta=a.DRN\r\n", "5: prázdný řádek"},
        {"[DRUN PROJEKT]\r\n" + m + "cesta=a.DRN\r\n", "5: neznámý řádek"},
        {"[DRUN PROJEKT]\r\n" + m + "Cesta=a\tb.DRN\r\n", "5: neplatný znak"},
        {"[DRUN PROJEKT]\r\n" + m + "Cesta=\xE1.DRN\r\n", "5: text není v kódování UTF-8"},
        {"[DRUN PROJEKT]\r\n" + m + "[KONEC]\r\nCesta=a.DRN\r\n",
         "6: za řádkem [KONEC] nesmí nic být"},
    };
    Projekt p;
    p.Mistnosti = {{"Původní", "N40", {"a.DRN"}}};
    for (const auto& [text, chyba] : pripady) {
        SCOPED_TRACE(text);
        const VysledekSouboru v = CtiProjektZTextu(text, soubor, p);
        EXPECT_EQ(v.Kod, KodVysledku::Poskozen);
        EXPECT_EQ(v.Zprava,
                  "Chyba při čtení souboru projektu " + soubor + ", řádek " + chyba + ".");
        ASSERT_EQ(p.Mistnosti.size(), 1u);
        EXPECT_EQ(p.Mistnosti[0].Nazev, "Původní");
    }
    EXPECT_EQ(NactiProjekt(soubor, p).Zprava,
              "Soubor projektu " + soubor + " nenalezen, nebo je prázdný.");
    // What cannot be read back is not written, and the old file stays.
    ASSERT_TRUE(ZapisAtomicky(soubor, "staré"));
    for (const auto& [mistnost, chyba] : std::vector<std::pair<MistnostProjektu, std::string>>{
             {{"", "N30", {}}, "Místnost „“ nelze zapsat: místnost bez názvu."},
             {{"A\r\nB", "N30", {}},
              "Místnost „A\r\nB“ nelze zapsat: neplatný název místnosti (řídicí znak U+000D)."},
             {{" ", "N30", {}},
              "Místnost „ “ nelze zapsat: neplatný název místnosti (žádný viditelný znak)."},
             {{"A", "N31", {}}, "Místnost „A“ nelze zapsat: neplatný požadavek."},
             {{"A", "N30", {""}}, "Místnost „A“ nelze zapsat: prázdná cesta."}}) {
        p.Mistnosti = {mistnost};
        EXPECT_EQ(UlozProjekt(p, soubor).Zprava, chyba);
    }
    std::string obsah;
    CtiSoubor(soubor, obsah);
    EXPECT_EQ(obsah, "staré");
}

TEST_F(ProjektTest, PrehledSdilenaCestaANejhorsiPasmo) {
    // Rooms of hand-summed levels: 40 + 46 dB = 46.97 dB, 46 + 46 dB = 49.01 dB.
    UlozZdrojSam(V("pokoj.DRN"), 40, "Pokoj");
    UlozZdrojSam(V("rozvody/přívod.DRN"), 46, "Přívod");
    UlozZdrojSam(V("odvod.DRN"), 46, "Odvod");
    Projekt p;
    p.Mistnosti = {{"Pokoj", "0 50 50 50 50 50 50 50", {"pokoj.DRN", "rozvody/přívod.DRN"}},
                   {"Sál", "N30", {"rozvody/přívod.DRN", "odvod.DRN"}},
                   {"Chodba", "N30", {"chybí.DRN"}},
                   {"Sklad", "0 0 0 0 0 0 0 0", {"odvod.DRN"}}};
    const PrehledProjektu pr = SpoctiPrehled(p, soubor, "KL385216.CAD");
    // The shared supply path is read once and counted in both rooms.
    EXPECT_EQ(pr.Soubory.size(), 4u);
    EXPECT_EQ(pr.Nevyhovi, 1);
    EXPECT_TRUE(pr.Chyba);
    EXPECT_EQ(FormatHodnota(pr.Mistnosti[1].Soucet.Soucet[0]), "49.0");
    const std::string chybi = V("chybí.DRN");
    EXPECT_EQ(pr.Mistnosti[2].Zprava, "Datový soubor " + chybi + " nenalezen, nebo je prázdný.");
    // 63 Hz has no requirement; the other bands tie and the lower one is named.
    EXPECT_EQ(TabulkaPrehledu(p, pr),
              "Místnost\tCest\tL(A)\tNR\tNC\tPožadavek\tPásmo\tRezerva\tCesta\tStav\n"
              "Pokoj\t2\t54.0\t53.4\t50.0\t0 50 50 50 50 50 50 50\t125Hz\t3.0\trozvody/přívod.DRN"
              "\tvyhoví\n"
              "Sál\t2\t56.0\t55.4\t52.1\tN30\t8kHz\t-26.1\trozvody/přívod.DRN\tnevyhoví\n"
              "Chodba\t1\t\t\t\tN30\t\t\tchybí.DRN\tchyba\n"
              "Sklad\t1\t53.0\t52.5\t49.0\t0 0 0 0 0 0 0 0\t\t\t\tvyhoví\n"
              "Nevyhoví\t1\n"
              "Chyba\t1\n");
    EXPECT_EQ(
        CsvPrehledu(p, pr).rfind(
            "\xEF\xBB\xBFMístnost;Cest;L(A);NR;NC;Požadavek;Pásmo;Rezerva;Cesta;Stav\r\n"
            "Pokoj;2;54,0;53,4;50,0;0 50 50 50 50 50 50 50;125Hz;3,0;rozvody/přívod.DRN;vyhoví\r\n",
            0),
        0u);
    // A name a spreadsheet would run is written as text; a negative margin stays a number.
    p.Mistnosti[3].Nazev = "=Sklad";
    const std::string csv = CsvPrehledu(p, pr);
    EXPECT_NE(csv.find("\r\n'=Sklad;1;53,0;"), std::string::npos);
    EXPECT_NE(csv.find(";-26,1;"), std::string::npos);
    const std::vector<CestaSouctu> c = CestyMistnosti(pr, p.Mistnosti[1], soubor);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[1].Nazev, "odvod.DRN");
    EXPECT_EQ(c[1].Akce, "Odvod");
}

// The boundaries of a room's verdict: exactly at the limit it passes; 0.01 dB
// over it fails and the margin keeps its sign; the first unreadable path is
// the one named; a room without paths is an error.
TEST_F(ProjektTest, HraniceVerdiktuMistnosti) {
    UlozZdrojSam(V("a.DRN"), 40, "A");
    UlozZdrojSam(V("b.DRN"), 37, "B");
    const std::string P = "40 40 40 40 40 40 40 40";
    const struct {
        MistnostProjektu mistnost;
        std::string konec; // the overview's line of the room from the band on
    } pripady[] = {
        {{"Na mezi", P, {"a.DRN"}}, "63Hz\t0.0\ta.DRN\tvyhoví"},
        {{"Nad mezí", P, {"b.DRN", "b.DRN"}}, "63Hz\t-0.0\tb.DRN\tnevyhoví"},
        {{"Dvě chybí", P, {"a.DRN", "chybí 1.DRN", "chybí 2.DRN"}}, "\t\tchybí 1.DRN\tchyba"},
        {{"Prázdná", P, {}}, "\t\t(bez cest)\tchyba"},
    };
    for (const auto& r : pripady) {
        SCOPED_TRACE(r.mistnost.Nazev);
        const Projekt p{{r.mistnost}};
        const PrehledProjektu pr = SpoctiPrehled(p, soubor, "KL385216.CAD");
        const std::string t = TabulkaPrehledu(p, pr);
        const size_t z = t.find('\t' + P + '\t') + P.size() + 2;
        EXPECT_EQ(t.substr(z, t.find('\n', z) - z), r.konec);
        EXPECT_EQ(pr.Chyba, r.konec.ends_with("chyba"));
    }
}
