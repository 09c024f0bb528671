#include <gtest/gtest.h>

#include "core/DrunVar.h"

using namespace drun;

namespace {

// Numbers 1..N along the path, the source first and only once, at most one
// room, current inside, levels finite.
void OverInvarianty(const Cesta& c) {
    EXPECT_EQ(PorusenyInvariant(c), nullptr);
    ASSERT_GE(c.Pocet(), 1);
    EXPECT_EQ(c.Prvek(1).Typ(), TypZdroj);
    for (int i = 1; i <= c.Pocet(); ++i) {
        ASSERT_EQ(c.Prvek(i).Cislo, i);
        if (i > 1) {
            EXPECT_NE(c.Prvek(i).Typ(), TypZdroj);
            EXPECT_EQ(c.Predchozi(c.Prvek(i)), &c.Prvek(i - 1));
        }
    }
    EXPECT_EQ(c.Predchozi(c.Prvek(1)), nullptr);
    EXPECT_GE(c.AktualniCislo(), 1);
    EXPECT_LE(c.AktualniCislo(), c.Pocet());
}

void Pridej(Cesta& c, int kolik, std::uint8_t typ = TypObecny) {
    for (int i = 0; i < kolik; ++i) {
        c.VlozElement();
        c.Aktualni().NastavTyp(typ);
    }
}

} // namespace

TEST(Cesta, NovyVypocetMaJenZdroj) {
    DrunVar var;
    var.Akce = "x";
    NaplnSpektrum(var.Pozadavek, 30);
    Pridej(var.cesta, 3);
    ZalozVypocet(var);
    EXPECT_EQ(var.cesta.Pocet(), 1);
    EXPECT_EQ(RadekSeznamu(var.cesta.Prvni()), "1     Zdroj drunu");
    EXPECT_EQ(var.cesta.Prvni().Popis, "Zdroj drunu");
    EXPECT_NEAR(var.cesta.Prvni().VlastniDrun[LA], 6.987, 1e-3);
    EXPECT_TRUE(var.Akce.empty());
    EXPECT_EQ(var.Pozadavek[0], 30);
    EXPECT_EQ(var.MaxUroven, 150);
    OverInvarianty(var.cesta);
}

TEST(Cesta, VlozeniDoprostredPrecisluje) {
    Cesta c;
    Pridej(c, 3); // 1..4
    c.Prvek(3).Popis = "stary3";
    c.Prvek(4).Popis = "stary4";
    c.NajdiElement(2);
    c.VlozElement();
    EXPECT_EQ(c.AktualniCislo(), 3);
    EXPECT_EQ(c.Aktualni().Typ(), TypZadny);
    EXPECT_EQ(c.Prvek(4).Popis, "stary3");
    EXPECT_EQ(c.Prvek(5).Popis, "stary4");
    OverInvarianty(c);
}

TEST(Cesta, VypusteniPrecislujeAPosouvaAktualni) {
    Cesta c;
    Pridej(c, 4); // 1..5
    for (int i = 1; i <= 5; ++i)
        c.Prvek(i).Popis = std::to_string(i);
    EXPECT_TRUE(c.VypustElement(3));
    EXPECT_EQ(c.AktualniCislo(), 2);
    EXPECT_EQ(c.Prvek(3).Popis, "4");
    EXPECT_EQ(c.Prvek(4).Popis, "5");
    OverInvarianty(c);
    EXPECT_TRUE(c.VypustElement(4)); // the last: predecessor becomes last and current
    EXPECT_EQ(c.Pocet(), 3);
    EXPECT_EQ(c.AktualniCislo(), 3);
    OverInvarianty(c);
    EXPECT_FALSE(c.VypustElement(1)); // the source stays
    EXPECT_FALSE(c.VypustElement(4));
    EXPECT_FALSE(c.VypustElement(0));
    EXPECT_EQ(c.Pocet(), 3);
}

TEST(Cesta, DlouhaCestaDrziInvarianty) {
    Cesta c;
    Pridej(c, 5000);
    OverInvarianty(c);
    // Interleave inserts and removals at varying places.
    for (int k = 0; k < 2000; ++k) {
        c.NajdiElement(1 + (k * 7919) % c.Pocet());
        if (k % 3 == 0 && c.Pocet() > 1) {
            int n = 2 + (k * 31) % (c.Pocet() - 1);
            ASSERT_TRUE(c.VypustElement(n));
            ASSERT_EQ(c.AktualniCislo(), n - 1);
        } else {
            const int pred = c.AktualniCislo();
            c.VlozElement();
            c.Aktualni().NastavTyp(TypObecny);
            ASSERT_EQ(c.AktualniCislo(), pred + 1);
        }
    }
    OverInvarianty(c);
}

TEST(Cesta, MistnostSePoznaZCesty) {
    DrunVar var;
    EXPECT_FALSE(MistnostVCeste(var));
    Pridej(var.cesta, 1, TypMistnost);
    EXPECT_TRUE(MistnostVCeste(var));
    Pridej(var.cesta, 1); // nothing keeps the room last
    EXPECT_TRUE(MistnostVCeste(var));
    Pridej(var.cesta, 1, TypMistnost); // only a damaged file could bring a second one
    EXPECT_STREQ(PorusenyInvariant(var.cesta), "druhá místnost");
    var.cesta.VypustElement(4);
    var.cesta.VypustElement(2);
    EXPECT_FALSE(MistnostVCeste(var));
}

TEST(Cesta, NahradAktualniVraciPuvodni) {
    Cesta c;
    Pridej(c, 2);
    c.NajdiElement(2);
    c.Aktualni().Popis = "puvodni";
    TElementSite kopie = c.Aktualni();
    c.Aktualni().Popis = "zmeneny";
    c.NahradAktualni(kopie);
    EXPECT_EQ(c.Prvek(2).Popis, "puvodni");
    OverInvarianty(c);
}

TEST(Akce, OrezNaSedesatZnaku) {
    std::string s;
    for (int i = 0; i < 70; ++i)
        s += "č";
    std::string o = PrvnichZnaku(s, 60);
    EXPECT_EQ(o.size(), 120u); // two bytes each, never split
    EXPECT_EQ(PrvnichZnaku("abc", 60), "abc");
}
