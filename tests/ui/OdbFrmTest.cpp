#include <QTest>

#include "Pomocnik.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/OblFrm.h"
#include "ui/dialogy/OdbFrm.h"

using namespace drun;

namespace {

class OdbockaTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        d = qobject_cast<TOdbockaForm*>(okno->Dialog(TypOdbocka));
        ASSERT_NE(d, nullptr);
    }
    QStringList Texty() const {
        return TextyPoli({d->OdbA1Edit, d->OdbB1Edit, d->OdbA2Edit, d->OdbB2Edit, d->RadiusEdit,
                          d->OdbPrutokEdit, d->CelkPrutokEdit});
    }
    // A1, B1, A2, B2, radius, branch flow, total flow: the order of the fields' texts.
    void Pridej(const QStringList& t) {
        d->NastavPridat(true);
        d->FormShow();
        TMDoubleEdit* pole[] = {d->OdbA1Edit,  d->OdbB1Edit,     d->OdbA2Edit,     d->OdbB2Edit,
                                d->RadiusEdit, d->OdbPrutokEdit, d->CelkPrutokEdit};
        for (int i = 0; i < 7; ++i)
            Napis(pole[i], t[i]);
        d->OKBtnClick();
    }
    TOdbockaForm* d = nullptr;
};

} // namespace

TEST_F(OdbockaTest, PredvyplneniZeZapamatovanychHodnot) {
    d->FormShow();
    EXPECT_EQ(Texty(), QStringList({"500", "500", "500", "500", "150.0", "1000", "1000"}));
    EXPECT_EQ(d->OdbA2Edit->Cislo(), 500);
    EXPECT_EQ(d->RadiusEdit->Cislo(), 150);
    EXPECT_EQ(d->windowTitle(), "Odbočka, rozbočka");

    d->OdbA2Edit->setText("1");
    d->show();
    EXPECT_EQ(d->OdbA2Edit->text(), "500");
    EXPECT_EQ(d->focusWidget(), d->OdbA1Edit);
    d->hide();
}

TEST_F(OdbockaTest, VzorovaOdbockaPamatujeJenPocitanySmer) {
    Pridej({"400", "200", "500", "300", "50", "1000", "3000"});
    ASSERT_EQ(var.cesta.Pocet(), 2);
    const TElementSite& e = var.cesta.Aktualni();
    EXPECT_EQ(e.Popis, "Odbočka 400x200 / 500x300mm, rádius 50mm, průtok 3000 / 1000m3/hod");
    EXPECT_NEAR(e.Utlum[0], 4.59, 0.005);
    EXPECT_NEAR(e.VlastniDrun[0], 25.3, 0.05);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniA, 0.4);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniB, 0.2);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniRadius, 0.05);
    EXPECT_EQ(var.vstupy.PosledniPrutok, 3000);
    EXPECT_EQ(var.vstupy.PosledniOdbPrutok, 1000);
    EXPECT_FALSE(okno->Ulozeno());
    EXPECT_EQ(RadekSeznamu(1), "2     Odbočka");

    // Opened on the branch: its own values, the other directions included.
    d->FormShow();
    EXPECT_EQ(Texty(), QStringList({"400", "200", "500", "300", "50.0", "1000", "3000"}));

    // Behind anything else the other directions start again at 500 x 500.
    var.cesta.NajdiElement(1);
    d->FormShow();
    EXPECT_EQ(Texty(), QStringList({"400", "200", "500", "500", "50.0", "1000", "3000"}));
}

TEST_F(OdbockaTest, RychlostVPocitanemSmeruNaObouStranachMeze) {
    struct Pripad {
        QStringList pole;
        bool prijat;
    };
    const Pripad pripady[] = {
        // 100 x 100 mm carrying 1080 m3/h is exactly 30 m/s
        {{"100", "100", "500", "500", "50", "1080", "3000"}, false},
        {{"100", "100", "500", "500", "50", "1079", "3000"}, true},
        // the other directions may be as fast as they like
        {{"500", "500", "50", "50", "50", "10", "100000"}, true},
    };
    for (const Pripad& p : pripady) {
        Zaznam().Vymaz();
        const int pocet = var.cesta.Pocet();
        okno->Historie().OznacUlozeno();
        const double odb = var.vstupy.PosledniOdbPrutok;
        Pridej(p.pole);
        if (p.prijat) {
            EXPECT_EQ(var.cesta.Pocet(), pocet + 1);
            EXPECT_TRUE(Zaznam().texty.isEmpty());
        } else {
            EXPECT_EQ(Zaznam().texty,
                      QStringList{"Chybné zadání. Příliš vysoká rychlost v potrubí."});
            EXPECT_EQ(var.cesta.Pocet(), pocet);
            EXPECT_EQ(var.vstupy.PosledniOdbPrutok, odb);
            EXPECT_TRUE(okno->Ulozeno());
        }
    }
}

TEST_F(OdbockaTest, OdbockovyPrutokNadCelkovymPrijat) {
    Pridej({"400", "200", "500", "300", "50", "3000", "1000"});
    ASSERT_EQ(var.cesta.Pocet(), 2);
    for (size_t i = 0; i < PocetPasem; ++i) {
        EXPECT_TRUE(std::isfinite(var.cesta.Aktualni().VlastniDrun[i]));
        EXPECT_GE(var.cesta.Aktualni().VlastniDrun[i], 0);
    }
    EXPECT_TRUE(Zaznam().texty.isEmpty());
}

TEST_F(OdbockaTest, MezePoli) {
    for (auto [pole, text, zprava] :
         {std::tuple{d->OdbA2Edit, "49", "Rozměr A2: zadejte číslo od 50 do 5000."},
          std::tuple{d->OdbB1Edit, "5000.5", "Rozměr B1: zadejte číslo od 50 do 5000."},
          std::tuple{d->CelkPrutokEdit, "100001",
                     "Průtok vzduchu před odbočkou: zadejte číslo od 10 do 100000."},
          std::tuple{d->OdbPrutokEdit, "9.99",
                     "Průtok vzduchu odbočením: zadejte číslo od 10 do 100000."},
          std::tuple{d->RadiusEdit, "501", "Rádius: zadejte číslo od 50 do 500."}})
        OcekavejOdmitnuti(pole, text, zprava);
}

// A prefilled value outside a field's limits is refused at OK like a typed one.
TEST_F(OdbockaTest, PredvyplnenaHodnotaMimoMezeOdmitnuta) {
    var.vstupy.PosledniPrutok = 200000;
    d->NastavPridat(true);
    d->FormShow();
    d->OKBtnClick();
    EXPECT_EQ(Zaznam().texty,
              QStringList{"Průtok vzduchu před odbočkou: zadejte číslo od 10 do 100000."});
    EXPECT_EQ(var.cesta.Pocet(), 1);
    EXPECT_TRUE(okno->Ulozeno());
}
