#include <gtest/gtest.h>

#include "core/Cisla.h"
#include "core/DrunVyp.h"
#include "models/Obecny.h"
#include "models/Zdroj.h"

using namespace drun;

TEST(Zdroj, ZapisNastaviVykonAUrovenZa) {
    DrunVar var;
    var.cesta.VlozElement();
    ZadaniZdroje z;
    z.Popis = "Ventilátor";
    z.Vykon.fill(80);
    ZapisZdroj(var, z);
    EXPECT_EQ(var.cesta.AktualniCislo(), 1);
    EXPECT_EQ(var.cesta.Prvni().Popis, "Ventilátor");
    EXPECT_EQ(FormatHodnota(var.cesta.Prvni().VlastniDrun[LA]), "87.0");
    EXPECT_EQ(var.cesta.Prvni().ZaElementem, var.cesta.Prvni().VlastniDrun);
}

TEST(ObecnyElement, ZapisAVypocetLA) {
    DrunVar var;
    var.cesta.VlozElement();
    ZadaniObecElementu z;
    z.Popis = "";
    z.Utlum = {0, 0, 0, 0, 0, 0, 0, 0};
    z.VlastniDrun = {0, 0, 0, 0, 0, 0, 0, 0};
    ZapisObecElement(var, z);
    VypocetObecElementu(var);
    const TElementSite& e = var.cesta.Aktualni();
    EXPECT_EQ(e.Typ(), TypObecny);
    EXPECT_EQ(e.NazevTypu(), "Obecný element");
    EXPECT_EQ(FormatHodnota(e.Utlum[LA]), "7.0");
    // a zero element passes the level unchanged
    NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 65);
    PrepocitejOd(var, 1);
    EXPECT_EQ(var.Vysledek, var.cesta.Prvni().VlastniDrun);
}
