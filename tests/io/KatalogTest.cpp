#include <gtest/gtest.h>

#include "io/Katalog.h"
#include "io/Kodovani.h"
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
    const std::string csv = KatalogDoCsv(k);
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBF"
                                "Druh;Název;Akustický výkon 63Hz;"));
    EXPECT_NE(csv.find("\r\nZdroj drunu;\"Ventilátor Ř-315; „tichý“\";81,25;"), std::string::npos);
    EXPECT_NE(csv.find("\r\nObecný element;Tlumič ŽLUŤOUČKÝ;;;;;;;;;7,5;"), std::string::npos);
    const CsvKatalogu v = KatalogZCsv(csv, 0, 150);
    ASSERT_TRUE(v.Ok) << v.Zprava;
    EXPECT_TRUE(v.Chyby.empty());
    SeznamKatalogu zpet;
    for (const RadekKatalogu& r : v.Polozky)
        zpet[static_cast<size_t>(r.Druh)].push_back(r.Polozka);
    EXPECT_EQ(zpet, k);
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
        EXPECT_EQ(v.Polozky[1].CisloRadku, 4);
        EXPECT_EQ(v.Polozky[1].Polozka.Utlum, Pasma8(5));
        EXPECT_EQ(v.Polozky[1].Polozka.VlastniDrun, Pasma8(30));
    }
}

TEST(Katalog, SouborKteryNeniKatalog) {
    for (const std::string& obsah :
         {std::string(), std::string("Nazev;Druh\r\n"), std::string("\xEF\xBB\xBF;\r\n"),
          std::string("Druh\r\nZdroj drunu\r\n"), std::string("\x81\x81\x81")}) {
        SCOPED_TRACE(obsah);
        const CsvKatalogu v = KatalogZCsv(obsah, 0, 150);
        EXPECT_FALSE(v.Ok);
        EXPECT_FALSE(v.Zprava.empty());
        EXPECT_TRUE(v.Polozky.empty());
    }
}
