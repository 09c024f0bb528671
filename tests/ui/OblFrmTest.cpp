#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

#include "Pomocnik.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/OblFrm.h"
#include "ui/dialogy/OdbFrm.h"

using namespace drun;

namespace {

class ObloukTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        d = qobject_cast<TObloukForm*>(okno->Dialog(TypOblouk));
        ASSERT_NE(d, nullptr);
    }
    void Vypln(const QString& a, const QString& b, const QString& r, const QString& q,
               int druh = 0) {
        Napis(d->RozmAEdit, a);
        Napis(d->RozmBEdit, b);
        Napis(d->RadiusEdit, r);
        Napis(d->PrutokEdit, q);
        d->NastavDruhIndex(druh);
    }
    // Adds a bend behind the current element through the dialog's OK.
    void Pridej(const QString& a, const QString& b, const QString& r, const QString& q,
                int druh = 0) {
        d->NastavPridat(true);
        d->FormShow();
        Vypln(a, b, r, q, druh);
        d->OKBtnClick();
    }
    TObloukForm* d = nullptr;
};

} // namespace

TEST_F(ObloukTest, PredvyplneniZeZapamatovanychHodnot) {
    d->NastavDruhIndex(1);
    d->FormShow();
    EXPECT_EQ(TextyPoli({d->RozmAEdit, d->RozmBEdit, d->RadiusEdit, d->PrutokEdit}),
              QStringList({"500", "500", "150.0", "1000"}));
    EXPECT_EQ(d->RozmAEdit->Cislo(), 500);
    EXPECT_EQ(d->RadiusEdit->Cislo(), 150);
    EXPECT_EQ(d->PrutokEdit->Cislo(), 1000);
    EXPECT_EQ(d->DruhIndex(), 0);
    EXPECT_EQ(d->windowTitle(), "Oblouk, koleno");
    EXPECT_EQ(d->DruhOblradioGroup->title(), "Typ");

    // Showing the window fills it and puts the focus into side A.
    d->NastavDruhIndex(1);
    d->RozmAEdit->setText("1");
    d->show();
    EXPECT_EQ(d->RozmAEdit->text(), "500");
    EXPECT_EQ(d->DruhIndex(), 0);
    EXPECT_EQ(d->focusWidget(), d->RozmAEdit);
    d->hide();
}

TEST_F(ObloukTest, PridaniZapiseVypoctePamatujeAPrepocita) {
    Pridej("500", "250", "150", "2000");
    ASSERT_EQ(var.cesta.Pocet(), 2);
    const TElementSite& e = var.cesta.Aktualni();
    EXPECT_EQ(e.Typ(), TypOblouk);
    EXPECT_EQ(e.Vstup<VstupyOblouk>().Druh, 1);
    EXPECT_EQ(e.Popis, "oblouk, koleno s plechy 500x250mm, rádius 150mm, průtok 2000m3/hod");
    EXPECT_NEAR(e.VlastniDrun[0], 31.1, 0.05);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniA, 0.5);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniB, 0.25);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniRadius, 0.15);
    EXPECT_EQ(var.vstupy.PosledniPrutok, 2000);
    EXPECT_FALSE(okno->Ulozeno());
    EXPECT_EQ(RadekSeznamu(1), "2     Oblouk");
    EXPECT_EQ(Stitek(StitekPanelu::PopisElementu).text(),
              "2     " + QString::fromStdString(e.Popis));
    EXPECT_TRUE(Zaznam().texty.isEmpty());

    // Opened again on the bend: its own values, the kind and the radius with one decimal.
    Pridej("500", "250", "150", "2000", 1);
    EXPECT_EQ(var.cesta.Aktualni().Popis,
              "koleno bez plechů 500x250mm, rádius 150mm, průtok 2000m3/hod");
    d->NastavDruhIndex(0);
    d->FormShow();
    EXPECT_EQ(d->DruhIndex(), 1);
    EXPECT_EQ(TextyPoli({d->RozmAEdit, d->RozmBEdit, d->RadiusEdit, d->PrutokEdit}),
              QStringList({"500", "250", "150.0", "2000"}));
}

TEST_F(ObloukTest, RychlostOdTricetiOdmitnutaNaObouStranachMeze) {
    // 100 x 100 mm: 1080 m3/h is exactly 30 m/s.
    struct Pripad {
        const char* prutok;
        bool prijat;
    };
    for (const Pripad& p : {Pripad{"1080", false}, Pripad{"100000", false}, Pripad{"1079", true}}) {
        Zaznam().Vymaz();
        const int pocet = var.cesta.Pocet();
        const double a = var.vstupy.PosledniA;
        okno->Historie().OznacUlozeno();
        Pridej("100", "100", "50", p.prutok);
        if (p.prijat) {
            EXPECT_EQ(var.cesta.Pocet(), pocet + 1);
            EXPECT_TRUE(Zaznam().texty.isEmpty());
            EXPECT_DOUBLE_EQ(var.vstupy.PosledniA, 0.1);
        } else {
            EXPECT_EQ(Zaznam().texty,
                      QStringList{"Chybné zadání. Příliš vysoká rychlost v potrubí."});
            EXPECT_EQ(var.cesta.Pocet(), pocet);
            EXPECT_EQ(var.vstupy.PosledniA, a);
            EXPECT_TRUE(okno->Ulozeno());
            EXPECT_EQ(d->result(), QDialog::Rejected);
        }
    }
}

TEST_F(ObloukTest, NepotvrzenePoleSeOveriPredOK) {
    for (auto [pole, text, zprava] :
         {std::tuple{d->RadiusEdit, "49.9", "Rádius: zadejte číslo od 50 do 500."},
          std::tuple{d->RozmAEdit, "5001", "Rozměr A: zadejte číslo od 50 do 5000."},
          std::tuple{d->PrutokEdit, "9", "Průtok vzduchu: zadejte číslo od 10 do 100000."},
          std::tuple{d->RozmBEdit, "1,5x", "V poli není číslo!"}})
        OcekavejOdmitnuti(pole, text, zprava);
    // the limits themselves are accepted
    Pridej("50", "5000", "500", "10");
    EXPECT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(var.cesta.Aktualni().Popis,
              "oblouk, koleno s plechy 50x5000mm, rádius 500mm, průtok 10m3/hod");
}

TEST_F(ObloukTest, ZmenaPrepiseAktualniPrvek) {
    Pridej("500", "250", "150", "2000");
    d->NastavPridat(false);
    d->FormShow();
    Napis(d->RadiusEdit, "200");
    d->OKBtnClick();
    ASSERT_EQ(var.cesta.Pocet(), 2);
    EXPECT_DOUBLE_EQ(var.cesta.Aktualni().Vstup<VstupyOblouk>().Radius, 200);
    EXPECT_EQ(var.cesta.Aktualni().Popis,
              "oblouk, koleno s plechy 500x250mm, rádius 200mm, průtok 2000m3/hod");
}

TEST_F(ObloukTest, PridaniPresHlavniOknoASdileneHodnotyProOdbocku) {
    PriModalnim([this](QWidget* w) {
        auto* o = qobject_cast<TObloukForm*>(w);
        ASSERT_NE(o, nullptr);
        Napis(o->RozmAEdit, "400");
        Napis(o->RozmBEdit, "300");
        Napis(o->RadiusEdit, "100");
        Napis(o->PrutokEdit, "1500");
        o->OKBtnClick();
    });
    okno->PridatTyp(TypOblouk);
    ASSERT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(var.cesta.Aktualni().Typ(), TypOblouk);

    // A branch behind the bend starts from what the bend remembered.
    auto* odb = qobject_cast<TOdbockaForm*>(okno->Dialog(TypOdbocka));
    ASSERT_NE(odb, nullptr);
    odb->FormShow();
    EXPECT_EQ(TextyPoli({odb->OdbA1Edit, odb->OdbB1Edit, odb->OdbA2Edit, odb->OdbB2Edit,
                         odb->RadiusEdit, odb->OdbPrutokEdit, odb->CelkPrutokEdit}),
              QStringList({"400", "300", "500", "500", "100.0", "1000", "1500"}));
}

// A prefilled value outside a field's limits is refused at OK like a typed one.
TEST_F(ObloukTest, PredvyplnenaHodnotaMimoMezeOdmitnuta) {
    var.vstupy.PosledniRadius = 0.6;
    d->NastavPridat(true);
    d->FormShow();
    d->OKBtnClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Rádius: zadejte číslo od 50 do 500."});
    EXPECT_EQ(var.cesta.Pocet(), 1);
    EXPECT_TRUE(okno->Ulozeno());
}
