#include <gtest/gtest.h>

#include <filesystem>

#include "core/Soubory.h"
#include "io/Katalog.h"
#include "io/Kodovani.h"
#include "io/SkladKatalogu.h"
#include "models/Pomocnik.h"

using namespace drun;

namespace {

// A data line of `druh` with `nazev` and the 24 value cells given or filled.
std::string Radek(const std::string& druh, const std::string& nazev, const std::string& hodnoty) {
    return druh + ";" + nazev + ";" + hodnoty + "\r\n";
}

const std::string Zdroj8 = "80;80;80;80;80;80;80;80;;;;;;;;;;;;;;;;";
const std::string Element16 = ";;;;;;;;5;5;5;5;5;5;5;5;30;30;30;30;30;30;30;30";

std::string Hlavicka() {
    return KatalogDoCsv({});
}

} // namespace

TEST(Katalog, CsvTamAZpetBezZtraty) {
    SeznamKatalogu k;
    k[KatalogZdroj].push_back({"Ventilátor Ř-315; „tichý“", {}, Pasma8(81.25)});
    k[KatalogZdroj].push_back({"Zdroj \"B\"", {}, {0, 0.1, 1e-3, 150, 12.345678901234, 1, 2, 3}});
    k[KatalogElement].push_back({"Tlumič ŽLUŤOUČKÝ", Pasma8(7.5), Pasma8(0)});
    k[KatalogElement].push_back({"=HYPERLINK(\"x\")", Pasma8(1), Pasma8(2)});
    k[KatalogElement].push_back({"'-3 dB", Pasma8(1), Pasma8(2)});
    const std::string csv = KatalogDoCsv(k);
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF"
                                "Druh;Název;Akustický výkon 63Hz;"));
    EXPECT_NE(csv.find("\r\nZdroj drunu;\"Ventilátor Ř-315; „tichý“\";81,25;"), std::string::npos);
    EXPECT_NE(csv.find("\r\nObecný element;Tlumič ŽLUŤOUČKÝ;;;;;;;;;7,5;"), std::string::npos);
    EXPECT_NE(csv.find("\r\nObecný element;\"'=HYPERLINK(\"\"x\"\")\";"), std::string::npos);
    EXPECT_NE(csv.find("\r\nObecný element;''-3 dB;"), std::string::npos);
    // Read back whatever the line ends a spreadsheet saved it with.
    for (const char* konec : {"\r\n", "\r", "\n"}) {
        std::string text;
        for (size_t i = 0; i < csv.size(); ++i)
            if (csv.compare(i, 2, "\r\n") == 0) {
                text += konec;
                ++i;
            } else {
                text += csv[i];
            }
        const CsvKatalogu v = KatalogZCsv(text, 0, 150);
        ASSERT_TRUE(v.Ok) << v.Zprava;
        EXPECT_TRUE(v.Chyby.empty());
        SeznamKatalogu zpet;
        for (const RadekKatalogu& r : v.Polozky)
            zpet[static_cast<size_t>(r.Druh)].push_back(r.Polozka);
        EXPECT_EQ(zpet, k);
        EXPECT_EQ(v.Polozky.back().CisloRadku, 6);
    }
}

TEST(Katalog, CsvZTabulkovehoProgramu) {
    // Windows-1250 without a byte-order mark, LF lines, decimal point, quoted cells.
    const std::string utf8 = "Druh;Název\n\"Zdroj drunu\";\" Kulatý \";80.5;80;80;80;80;80;80;80\n"
                             "\n;;\n";
    const std::string cp = *Utf8DoCp1250(utf8);
    const CsvKatalogu v = KatalogZCsv(cp, 0, 150);
    ASSERT_TRUE(v.Ok) << v.Zprava;
    // Too few columns: the power alone is not a whole line.
    ASSERT_EQ(v.Chyby.size(), 1u);
    EXPECT_EQ(v.Chyby[0].Text, "Řádek 2: chybí hodnoty (řádek má 10 sloupců z 26).");
    const CsvKatalogu w = KatalogZCsv(
        Radek("Druh", "Název", "") + Radek("Zdroj drunu", "\" Kulatý \"", Zdroj8), 0, 150);
    ASSERT_EQ(w.Polozky.size(), 1u);
    EXPECT_EQ(w.Polozky[0].Polozka.Nazev, "Kulatý");
    EXPECT_EQ(w.Polozky[0].CisloRadku, 2);
}

TEST(Katalog, ChybnyRadekSeHlasiACteSeDal) {
    struct Pripad {
        std::string radek;
        std::string chyba;
        int dalsi = 4; // the line of the good entry after it
    };
    const std::vector<Pripad> pripady = {
        {Radek("Ventilátor", "A", Zdroj8),
         "neznámý druh „Ventilátor“ (má být „Zdroj drunu“ nebo „Obecný element“)."},
        {Radek("Zdroj drunu", "A", "80;80"), "chybí hodnoty (řádek má 4 sloupců z 26)."},
        {Radek("Zdroj drunu", " ", Zdroj8), "Položka nemá název."},
        {Radek("Zdroj drunu", "30 m²", Zdroj8),
         "Název „30 m²“ obsahuje znaky, které soubor výpočtu neuloží."},
        {Radek("Zdroj drunu", "A", "80;80;abc;80;80;80;80;80;;;;;;;;;;;;;;;;"),
         "„abc“ ve sloupci Akustický výkon 250Hz není číslo."},
        {Radek("Zdroj drunu", "A", "80;80;80;80;80;80;80;nan;;;;;;;;;;;;;;;;"),
         "„nan“ ve sloupci Akustický výkon 8kHz není číslo."},
        {Radek("Zdroj drunu", "A", "150,5;80;80;80;80;80;80;80;;;;;;;;;;;;;;;;"),
         "Hodnoty musí být čísla od 0 do 150."},
        {Radek("Obecný element", "B", ";;;;;;;;-1;5;5;5;5;5;5;5;30;30;30;30;30;30;30;30"),
         "Hodnoty musí být čísla od 0 do 150."},
        {Radek("Obecný element", "B", Zdroj8), "„“ ve sloupci Útlum 63Hz není číslo."},
        {Radek("Obecný element", "B", ";;;;;;;;5;5;5;5;5;5;5;5;30;30;30;30;30;30;30;1,2,3"),
         "„1,2,3“ ve sloupci Vlastní drun 8kHz není číslo."},
        {Radek("Zdroj drunu", "\"A\r\nB\"", Zdroj8),
         "Název „A\r\nB“ obsahuje znaky, které soubor výpočtu neuloží.", 5},
        {Radek("Zdroj drunu", "\"A", Zdroj8), "uvozovky otevřené na tomto řádku nejsou uzavřeny."},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.radek);
        const std::string csv = Hlavicka() + Radek("Zdroj drunu", "Dobrý", Zdroj8) + p.radek +
                                Radek("Obecný element", "Také dobrý", Element16);
        const CsvKatalogu v = KatalogZCsv(csv, 0, 150);
        ASSERT_TRUE(v.Ok);
        ASSERT_EQ(v.Chyby.size(), 1u);
        EXPECT_EQ(v.Chyby[0].Text, "Řádek 3: " + p.chyba);
        ASSERT_EQ(v.Polozky.size(), 2u);
        EXPECT_EQ(v.Polozky[1].CisloRadku, p.dalsi);
        EXPECT_EQ(v.Polozky[1].Polozka.Utlum, Pasma8(5));
        EXPECT_EQ(v.Polozky[1].Polozka.VlastniDrun, Pasma8(30));
    }
}

TEST(Katalog, SouborKteryNeniKatalog) {
    for (const std::string& obsah :
         {std::string(), std::string("Nazev;Druh\r\n"), std::string("\xEF\xBB\xBF;\r\n"),
          std::string("Druh\r\nZdroj drunu\r\n"), std::string("\x81\x81\x81"), Hlavicka(),
          Hlavicka() + "\r;;\r\n", std::string("\"Druh;Název\r\n")}) {
        SCOPED_TRACE(obsah);
        const CsvKatalogu v = KatalogZCsv(obsah, 0, 150);
        EXPECT_FALSE(v.Ok);
        EXPECT_FALSE(v.Zprava.empty());
        EXPECT_TRUE(v.Polozky.empty());
    }
}

// A file written by the earlier versions reads in and is written back byte for byte.
TEST(Katalog, JsonJakoDosud) {
    std::string dosud;
    ASSERT_EQ(CtiSoubor(std::string(DRUN_TEST_DATA) + "/katalog.json", dosud), KodVysledku::Ok);
    const JsonKatalogu v = KatalogZJson(dosud, 0, 150);
    ASSERT_EQ(v.Chyba, "");
    EXPECT_TRUE(v.Vynechane.empty());
    ASSERT_EQ(v.Polozky[KatalogZdroj].size(), 2u);
    EXPECT_EQ(v.Polozky[KatalogZdroj][1].Nazev, "Zdroj \"B\" \\ C/D");
    EXPECT_EQ(v.Polozky[KatalogZdroj][0].VlastniDrun[4], 1e-5);
    EXPECT_EQ(v.Polozky[KatalogElement][1].VlastniDrun[0], 0.00012345);
    EXPECT_EQ(KatalogDoJson(v.Polozky), dosud);
    EXPECT_EQ(KatalogDoJson({}), "{\n    \"elementy\": [\n    ],\n    \"zdroje\": [\n    ]\n}\n");
}

// One bad entry leaves out that entry only, told with its line; a file that is
// not JSON at all is told with the line where it breaks.
TEST(Katalog, JsonSChybami) {
    const std::string a = R"({"nazev": "A", "vykon": [1,1,1,1,1,1,1,1]})";
    const std::string spatna = "řádek 1: chybná položka v seznamu „zdroje“.";
    struct Pripad {
        std::string json;
        std::string chyba;                  // of the whole file
        std::vector<std::string> vynechane; // entries left out
        size_t zdroju = 0;                  // sources read
    };
    const Pripad pripady[] = {
        {"", "soubor je prázdný", {}},
        {"[1, 2]", "soubor neobsahuje katalog", {}},
        {"{ \"zdroje\": [", "chyba na řádku 1: soubor předčasně končí", {}},
        {"{\n\"zdroje\": [\n" + a + ",\n" + a + "\n]\n}\n",
         "",
         {"řádek 4: název „A“ je tam dvakrát."},
         1},
        {"{\"zdroje\": {\"nazev\": \"A\"}}", "", {"řádek 1: chybný seznam „zdroje“."}},
        {"{\"zdroje\": [{\"nazev\": \"A\", \"vykon\": [1, 2, 3]},\n" + a + "]}", "", {spatna}, 1},
        {R"({"zdroje": [{"nazev": "A", "vykon": [1, 2, 3, 4, 5, 6, 7, "8"]}, 7]})",
         "",
         {spatna, spatna}},
        {R"({"elementy": [{"nazev": "A", "utlum": [1,1,1,1,1,1,1,1], "vlastniDrun": [1,1,1,1,1,1,1,200]}]})",
         "",
         {"řádek 1: položka „A“: Hodnoty musí být čísla od 0 do 150."}},
        {R"({"zdroje": [{"nazev": " A", "vykon": [1,1,1,1,1,1,1,1e999]}]})", "", {spatna}},
        {R"({"zdroje": [{"nazev": " A", "vykon": [1,1,1,1,1,1,1,1]}]})",
         "",
         {"řádek 1: položka „ A“ má v názvu mezery na začátku nebo na konci."}},
        {R"({"zdroje": [{"nazev": "\u0041\u0159", "vykon": [1,1,1,1,1,1,1,1], "x": [{}, null, true]}]})",
         "",
         {},
         1},
        {R"({"zdroje": [{"nazev": "\ud800", "vykon": [1,1,1,1,1,1,1,1]}]})",
         "chyba na řádku 1: chybný znak \\u",
         {}},
        {"{\"zdroje\": []}\n}", "chyba na řádku 2: za koncem katalogu pokračuje text", {}},
        {"{\"zdroje\": [01]}", "chyba na řádku 1: očekávána čárka nebo „]“", {}},
        {"{\"zdroje\" []}", "chyba na řádku 1: očekávána dvojtečka", {}},
        {"{\n\"zdroje\": [{\"nazev\": \"A\nB\"}]}", "chyba na řádku 2: řídicí znak v textu", {}},
        // A number beyond a double is no number, in a text it is a name.
        {R"({"zdroje": [{"nazev": "1e999", "vykon": [1,1,1,1,1,1,1,1]}, -1e400]})",
         "",
         {spatna},
         1},
        // A byte that is not UTF-8 leaves out its entry alone.
        {"{\"zdroje\": [{\"nazev\": \"Tlumi\xE8\", \"vykon\": [1,1,1,1,1,1,1,1]},\n" + a + "]}",
         "",
         {"řádek 1: položka „Tlumi\uFFFD“: Název „Tlumi\uFFFD“ obsahuje znaky, které soubor "
          "výpočtu neuloží."},
         1},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.json);
        const JsonKatalogu v = KatalogZJson(p.json, 0, 150);
        EXPECT_EQ(v.Chyba, p.chyba);
        EXPECT_EQ(v.Vynechane, p.vynechane);
        EXPECT_EQ(v.Polozky[KatalogZdroj].size(), p.zdroju);
    }
}

namespace {

class SkladTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(slozka); }
    void TearDown() override { std::filesystem::remove_all(slozka); }
    std::filesystem::path slozka = SlozkaTestu("drun-katalog-");
    std::string soubor = (slozka / "katalog.json").string();
};

} // namespace

// Two programs on one file: each change is made against the file as it is now.
TEST_F(SkladTest, DvaBehyNeztratiPolozky) {
    SkladKatalogu a(soubor, 0, 150), b(soubor, 0, 150);
    EXPECT_TRUE(a.Obnov().Ok());
    EXPECT_TRUE(b.Obnov().Ok());
    EXPECT_TRUE(a.Uloz(KatalogZdroj, {"Alfa", {}, Pasma8(80)}).Ok());
    EXPECT_TRUE(b.Uloz(KatalogElement, {"Beta", Pasma8(1), Pasma8(2)}).Ok());
    EXPECT_TRUE(b.Uloz(KatalogZdroj, {"Gama", {}, Pasma8(70)}).Ok());
    ASSERT_NE(b.Najdi(KatalogZdroj, "Alfa"), nullptr);
    const unsigned verze = a.Verze();
    EXPECT_TRUE(a.Obnov().Ok());
    EXPECT_GT(a.Verze(), verze);
    EXPECT_EQ(a.Polozky(KatalogZdroj).size(), 2u);
    EXPECT_TRUE(a.Vypust(KatalogZdroj, "Gama").Ok());
    const VysledekSouboru r = b.Prejmenuj(KatalogZdroj, "Gama", "Delta");
    EXPECT_EQ(r.Kod, KodVysledku::Chybi);
    EXPECT_EQ(r.Zprava, "Položka „Gama“ v katalogu už není.");
    EXPECT_TRUE(b.Prejmenuj(KatalogZdroj, "Alfa", "Beta").Ok()); // the other kind's name
    std::string json;
    ASSERT_EQ(CtiSoubor(soubor, json), KodVysledku::Ok);
    const JsonKatalogu v = KatalogZJson(json, 0, 150);
    EXPECT_EQ(v.Polozky, (SeznamKatalogu{b.Polozky(KatalogZdroj), b.Polozky(KatalogElement)}));
    EXPECT_EQ(v.Polozky[KatalogZdroj].size(), 1u);
}

// A damaged file: the good entries are used, the file is kept beside before
// the next write, and a second damaged file does not overwrite the first.
TEST_F(SkladTest, PoskozenySouborSeUschova) {
    const std::string poskozeny =
        R"({"zdroje": [{"nazev": "A", "vykon": [1,1,1,1,1,1,1,1]}, {"nazev": "B"}]})";
    for (const std::string& stranou : {soubor + ".poskozeny", soubor + ".poskozeny-2"}) {
        ASSERT_TRUE(ZapisAtomicky(soubor, poskozeny));
        SkladKatalogu s(soubor, 0, 150);
        const VysledekSouboru r = s.Obnov();
        EXPECT_EQ(r.Kod, KodVysledku::Poskozen);
        EXPECT_EQ(r.Zprava, "Soubor katalogu " + soubor +
                                " je poškozený, tyto položky byly vynechány:\n"
                                "řádek 1: chybná položka v seznamu „zdroje“.\n"
                                "Před příštím uložením katalogu se soubor uschová vedle s příponou "
                                ".poskozeny.");
        EXPECT_TRUE(s.Obnov().Zprava.empty()); // told once
        ASSERT_EQ(s.Polozky(KatalogZdroj).size(), 1u);
        EXPECT_FALSE(std::filesystem::exists(stranou));
        const VysledekSouboru u = s.Uloz(KatalogZdroj, {"C", {}, Pasma8(3)});
        EXPECT_EQ(u.Zprava, "Poškozený soubor katalogu byl uschován jako " + stranou + ".");
        std::string obsah;
        ASSERT_EQ(CtiSoubor(stranou, obsah), KodVysledku::Ok);
        EXPECT_EQ(obsah, poskozeny);
        EXPECT_TRUE(s.Uloz(KatalogZdroj, {"D", {}, Pasma8(4)}).Zprava.empty()); // kept once
        SkladKatalogu jiny(soubor, 0, 150);
        EXPECT_TRUE(jiny.Obnov().Zprava.empty());
        EXPECT_EQ(jiny.Polozky(KatalogZdroj).size(), 3u);
    }
    // A file that cannot be read is told once and never written over.
    std::filesystem::remove(soubor);
    std::filesystem::create_directory(soubor);
    SkladKatalogu s(soubor, 0, 150);
    EXPECT_EQ(s.Obnov().Kod, KodVysledku::NelzeCist);
    EXPECT_TRUE(s.Obnov().Ok());
    EXPECT_EQ(s.Uloz(KatalogZdroj, {"E", {}, Pasma8(5)}).Zprava,
              "Katalog se neuloží, protože soubor " + soubor + " nelze přečíst.");
    EXPECT_TRUE(std::filesystem::is_directory(soubor));
}

// An import adds new names once, keeps what is there and tells the difference.
TEST_F(SkladTest, ImportSIndexemNazvu) {
    SkladKatalogu s(soubor, 0, 150);
    ASSERT_TRUE(s.Uloz(KatalogZdroj, {"M", {}, Pasma8(60)}).Ok());
    std::vector<RadekKatalogu> radky;
    for (const char* n : {"Z", "A", "M", "A", "K", "A"}) {
        const int radek = static_cast<int>(radky.size()) + 2;
        radky.push_back({KatalogZdroj, {n, {}, Pasma8(radek == 7 ? 1 : 60)}, radek});
    }
    std::vector<ChybnyRadek> chyby{{1, "Řádek 1: x"}};
    int pridano = 0;
    ASSERT_TRUE(s.Pridej(radky, chyby, pridano).Ok());
    EXPECT_EQ(pridano, 3);
    ASSERT_EQ(chyby.size(), 2u);
    EXPECT_EQ(chyby[1].Text,
              "Řádek 7: položka „A“ už v katalogu je s jinými hodnotami, zůstávají původní.");
    std::vector<std::string> nazvy;
    for (const PolozkaKatalogu& p : s.Polozky(KatalogZdroj))
        nazvy.push_back(p.Nazev);
    EXPECT_EQ(nazvy, (std::vector<std::string>{"A", "K", "M", "Z"}));
    EXPECT_EQ(s.Najdi(KatalogZdroj, "K")->Nazev, "K");
}
