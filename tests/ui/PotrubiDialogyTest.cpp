#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QListView>
#include <QTest>

#include "Pomocnik.h"
#include "ui/dialogy/DruhFrm.h"
#include "ui/dialogy/HrPotFrm.h"
#include "ui/dialogy/KuPotFrm.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/ViceFrm.h"
#include "ui/dialogy/VyustFrm.h"
#include "ui/dialogy/ZZdrFrm.h"

using namespace drun;

namespace {

const QString RychlostPotrubi = "Chybné zadání. Příliš vysoká rychlost v potrubí.";
const QString RychlostVyustky = "Chybné zadání. Příliš vysoká rychlost.";

class DialogyPotrubiTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        hr = qobject_cast<THrPotrubiForm*>(okno->Dialog(TypHrPotrubi));
        ku = qobject_cast<TKuPotrubiForm*>(okno->Dialog(TypKuPotrubi));
        vy = qobject_cast<TVyustkaForm*>(okno->Dialog(TypVyustka));
        vi = qobject_cast<TViceForm*>(okno->Dialog(TypVice));
        ASSERT_TRUE(hr && ku && vy && vi);
    }
    void PridejHr(const QString& a, const QString& b, const QString& l, const QString& q) {
        hr->NastavPridat(true);
        hr->FormShow();
        Napis(hr->RozmAEdit, a);
        Napis(hr->RozmBEdit, b);
        Napis(hr->DelkaEdit, l);
        Napis(hr->PrutokEdit, q);
        hr->OKBtnClick();
    }
    void PridejKu(const QString& d, const QString& l, const QString& q) {
        ku->NastavPridat(true);
        ku->FormShow();
        Napis(ku->PrumerEdit, d);
        Napis(ku->DelkaEdit, l);
        Napis(ku->PrutokEdit, q);
        ku->OKBtnClick();
    }
    void PridejVy(const QString& a, const QString& b, const QString& q, int druh, int umisteni) {
        vy->NastavPridat(true);
        vy->FormShow();
        Napis(vy->RozmAEdit, a);
        Napis(vy->RozmBEdit, b);
        Napis(vy->PrutokEdit, q);
        vy->DruhTlacitka->button(druh - 1)->setChecked(true);
        vy->UmisteniTlacitka->button(umisteni - 1)->setChecked(true);
        vy->OKBtnClick();
    }
    void PridejVice(const QString& n) {
        vi->NastavPridat(true);
        vi->FormShow();
        Napis(vi->PocetEdit, n);
        vi->OKBtnClick();
    }
    // The first n fields a table-built dialog of kind `kod` offers.
    QStringList Nabidka(int kod, int n) {
        auto* d = qobject_cast<TDruhForm*>(okno->Dialog(kod));
        d->FormShow();
        QStringList s;
        for (int i = 0; i < n; ++i)
            s << qobject_cast<QLineEdit*>(d->Pole(i))->text();
        return s;
    }
    // Nothing in the path, the remembered inputs or the saved flag moved.
    void ExpectBezZmeny(int pocet) {
        EXPECT_EQ(var.cesta.Pocet(), pocet);
        EXPECT_TRUE(okno->Ulozeno());
        EXPECT_EQ(var.vstupy.PosledniA, 0.5);
        EXPECT_EQ(var.vstupy.PosledniB, 0.5);
        EXPECT_EQ(var.vstupy.PosledniDelka, 1.0);
        EXPECT_EQ(var.vstupy.PosledniPrutok, 1000);
        EXPECT_EQ(var.vstupy.PosledniPrumer, 0.5);
    }
    THrPotrubiForm* hr = nullptr;
    TKuPotrubiForm* ku = nullptr;
    TVyustkaForm* vy = nullptr;
    TViceForm* vi = nullptr;
};

} // namespace

TEST_F(DialogyPotrubiTest, RegistrovanyVNabidceAVyberu) {
    for (int typ : {TypHrPotrubi, TypKuPotrubi, TypVyustka, TypVice})
        EXPECT_TRUE(okno->PridatAkce(typ)->isEnabled()) << typ;
    EXPECT_EQ(hr->windowTitle(), "Hranaté potrubí");
    EXPECT_EQ(ku->windowTitle(), "Kruhové potrubí");
    EXPECT_EQ(vy->windowTitle(), "Vyústka, žaluzie");
    EXPECT_EQ(vi->windowTitle(), "Korekce na více drunů");
    EXPECT_EQ(vy->DruhVyustkyRadioGroup->title(), "Druh");
    EXPECT_EQ(vy->UmisteniRadioGroup->title(), "Umístění");
    EXPECT_EQ(vy->DruhTlacitka->button(6)->text(), "Protidešťová žaluzie");
    EXPECT_EQ(vy->UmisteniTlacitka->button(3)->text(), "jinde");
}

TEST_F(DialogyPotrubiTest, PredvyplneniZeZapamatovanych) {
    hr->FormShow();
    EXPECT_EQ(TextyPoli({hr->RozmAEdit, hr->RozmBEdit, hr->DelkaEdit, hr->PrutokEdit}),
              QStringList({"500", "500", "1.0", "1000"}));
    EXPECT_EQ(hr->RozmAEdit->Cislo(), 500);
    EXPECT_EQ(hr->DelkaEdit->Cislo(), 1);
    ku->FormShow();
    EXPECT_EQ(TextyPoli({ku->PrumerEdit, ku->DelkaEdit, ku->PrutokEdit}),
              QStringList({"500", "1.0", "1000"}));
    EXPECT_EQ(ku->PrumerEdit->Cislo(), 500);
    vy->DruhTlacitka->button(3)->setChecked(true);
    vy->FormShow();
    EXPECT_EQ(TextyPoli({vy->RozmAEdit, vy->RozmBEdit, vy->PrutokEdit}),
              QStringList({"500", "500", "1000"}));
    EXPECT_EQ(vy->DruhTlacitka->checkedId(), 0);
    EXPECT_EQ(vy->UmisteniTlacitka->checkedId(), 0);
    vi->FormShow();
    EXPECT_EQ(vi->PocetEdit->text(), "2");
    EXPECT_EQ(vi->PocetEdit->Cislo(), 2);
    // The other kinds share them where their range admits: no hose of 500 mm.
    EXPECT_EQ(Nabidka(TypObHrPotrubi, 5), QStringList({"500", "500", "50", "1.0", "1000"}));
    EXPECT_EQ(Nabidka(TypHadice, 2), QStringList({"200", "1.0"}));
}

TEST_F(DialogyPotrubiTest, HranatePridaniPamatujeAZobraziMilimetry) {
    PridejHr("500", "250", "10", "2000");
    ASSERT_EQ(var.cesta.Pocet(), 2);
    const TElementSite& e = var.cesta.Aktualni();
    EXPECT_EQ(e.Cislo, 2);
    EXPECT_EQ(e.Popis, "500x250mm, délka 10m, průtok 2000m3/hod");
    EXPECT_DOUBLE_EQ(e.Vstup<VstupyHrPotrubi>().A, 500);
    EXPECT_DOUBLE_EQ(e.Vstup<VstupyHrPotrubi>().B, 250);
    EXPECT_NEAR(e.VlastniDrun[0], 29.36, 0.005);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniA, 0.5);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniB, 0.25);
    EXPECT_EQ(var.vstupy.PosledniDelka, 10);
    EXPECT_EQ(var.vstupy.PosledniPrutok, 2000);
    EXPECT_FALSE(okno->Ulozeno());
    EXPECT_EQ(RadekSeznamu(1), "2     Hranaté potrubí");
    EXPECT_EQ(Stitek(StitekPanelu::PopisElementu).text(),
              "2     500x250mm, délka 10m, průtok 2000m3/hod");
    EXPECT_EQ(Texty(RadekPanelu::Utlum)[0], "6.0");
    Zaznam().Vymaz();

    // A new duct behind a duct starts from that duct's values, in millimetres.
    hr->NastavPridat(true);
    hr->FormShow();
    EXPECT_EQ(TextyPoli({hr->RozmAEdit, hr->RozmBEdit, hr->DelkaEdit, hr->PrutokEdit}),
              QStringList({"500", "250", "10.0", "2000"}));
    hr->OKBtnClick();
    ASSERT_EQ(var.cesta.Pocet(), 3);
    EXPECT_EQ(var.cesta.Aktualni().Cislo, 3);
    EXPECT_EQ(var.cesta.Aktualni().Popis, "500x250mm, délka 10.0m, průtok 2000m3/hod");
    EXPECT_EQ(var.cesta.Aktualni().Utlum, var.cesta.Prvek(2).Utlum);
    EXPECT_TRUE(Zaznam().texty.isEmpty());
}

TEST_F(DialogyPotrubiTest, HranateZmenaPrepiseJenTentoElement) {
    PridejHr("500", "250", "10", "2000");
    hr->NastavPridat(false);
    hr->FormShow();
    Napis(hr->DelkaEdit, "20");
    hr->OKBtnClick();
    ASSERT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(var.cesta.Aktualni().Popis, "500x250mm, délka 20m, průtok 2000m3/hod");
    EXPECT_DOUBLE_EQ(var.cesta.Aktualni().Utlum[0], 12);
    EXPECT_DOUBLE_EQ(var.cesta.Aktualni().Vstup<VstupyHrPotrubi>().A, 500); // as typed
}

// The velocity checks refuse before anything changes; one flow less passes.
TEST_F(DialogyPotrubiTest, RychlostNaObouStranachHranice) {
    struct Radek {
        int typ;
        QString a, b, q, zprava;
    };
    const Radek radky[] = {
        {TypHrPotrubi, "100", "100", "1080", RychlostPotrubi},
        {TypHrPotrubi, "100", "100", "1079", ""},
        {TypKuPotrubi, "100", "", "849", RychlostPotrubi},
        {TypKuPotrubi, "100", "", "848", ""},
        {TypVyustka, "50", "50", "300", RychlostVyustky},
        {TypVyustka, "50", "50", "10", ""},
        {TypVyustka, "100", "100", "1080", RychlostVyustky},
        {TypVyustka, "100", "100", "1079", ""},
    };
    for (const Radek& r : radky) {
        SCOPED_TRACE(testing::Message() << r.typ << " " << r.q.toStdString());
        UiTest::TearDown();
        var = DrunVar();
        SetUp();
        if (r.typ == TypHrPotrubi) PridejHr(r.a, r.b, "1", r.q);
        if (r.typ == TypKuPotrubi) PridejKu(r.a, "1", r.q);
        if (r.typ == TypVyustka) PridejVy(r.a, r.b, r.q, 1, 1);
        if (r.zprava.isEmpty()) {
            EXPECT_TRUE(Zaznam().texty.isEmpty());
            EXPECT_EQ(var.cesta.Pocet(), 2);
            EXPECT_EQ(var.cesta.Aktualni().Typ(), r.typ);
        } else {
            EXPECT_EQ(Zaznam().texty, QStringList{r.zprava});
            ExpectBezZmeny(1);
            EXPECT_EQ(Seznam()->model()->rowCount(), 1);
        }
    }
}

TEST_F(DialogyPotrubiTest, ZmenaOdmitnutaRychlostiNechaElementJakByl) {
    PridejHr("500", "250", "10", "2000");
    const TElementSite pred = var.cesta.Aktualni();
    okno->Historie().OznacUlozeno();
    hr->NastavPridat(false);
    hr->FormShow();
    Napis(hr->PrutokEdit, "100000");
    hr->OKBtnClick();
    EXPECT_EQ(Zaznam().texty, QStringList{RychlostPotrubi});
    EXPECT_EQ(var.cesta.Aktualni().Popis, pred.Popis);
    EXPECT_EQ(var.cesta.Aktualni().Vstup<VstupyHrPotrubi>().Prutok, 2000);
    EXPECT_EQ(var.vstupy.PosledniPrutok, 2000);
    EXPECT_TRUE(okno->Ulozeno());
}

// Every field refuses values beyond its limits and texts that are not numbers.
TEST_F(DialogyPotrubiTest, PoleOdmitajiMimoMeze) {
    struct Radek {
        TMEdit* pole;
        QString text, zprava;
    };
    const QString neni = "V poli není číslo!";
    const Radek radky[] = {
        {hr->RozmAEdit, "49.9", "Rozměr A: zadejte číslo od 50 do 5000."},
        {hr->RozmBEdit, "5000.1", "Rozměr B: zadejte číslo od 50 do 5000."},
        {hr->DelkaEdit, "0.9", "Délka: zadejte číslo od 1 do 100."},
        {hr->DelkaEdit, "", "Délka: zadejte číslo od 1 do 100."},
        {hr->PrutokEdit, "100001", "Průtok vzduchu: zadejte číslo od 10 do 100000."},
        {hr->PrutokEdit, "1e3x", neni},
        {ku->PrumerEdit, "0", "Průměr: zadejte číslo od 50 do 5000."},
        {ku->PrumerEdit, "-200", "Průměr: zadejte číslo od 50 do 5000."},
        {ku->DelkaEdit, "101", "Délka: zadejte číslo od 1 do 100."},
        {ku->PrutokEdit, "9", "Průtok vzduchu: zadejte číslo od 10 do 100000."},
        {ku->PrutokEdit, "nan", neni},
        {vy->RozmAEdit, "20", "Rozměr A: zadejte číslo od 50 do 5000."},
        {vy->RozmBEdit, "inf", neni},
        {vy->PrutokEdit, "1e6", "Průtok vzduchu: zadejte číslo od 10 do 100000."},
        {vi->PocetEdit, "", "Počet stejných zdrojů drunu: zadejte číslo od 1 do 100."},
        {vi->PocetEdit, "101", "Počet stejných zdrojů drunu: zadejte číslo od 1 do 100."},
        {vi->PocetEdit, "2.5", neni},
        {vi->PocetEdit, "-1", "Počet stejných zdrojů drunu: zadejte číslo od 1 do 100."},
    };
    for (const Radek& r : radky) {
        SCOPED_TRACE(r.text.toStdString());
        OcekavejOdmitnuti(r.pole, r.text, r.zprava);
        ExpectBezZmeny(1);
    }
    // The limits themselves are accepted.
    Zaznam().Vymaz();
    PridejHr("5000", "50", "100", "10");
    PridejKu("50", "1", "10");
    PridejVy("5000", "5000", "100000", 7, 4);
    PridejVice("100");
    PridejVice("1");
    EXPECT_TRUE(Zaznam().texty.isEmpty());
    EXPECT_EQ(var.cesta.Pocet(), 6);
}

TEST_F(DialogyPotrubiTest, KruhovePridaniAZmena) {
    PridejKu("200", "10", "500");
    ASSERT_EQ(var.cesta.Pocet(), 2);
    const TElementSite& e = var.cesta.Aktualni();
    EXPECT_EQ(e.Popis, "průměr 200mm, délka 10m, průtok 500m3/hod");
    EXPECT_DOUBLE_EQ(e.Vstup<VstupyKuPotrubi>().Prumer, 200);
    EXPECT_NEAR(e.VlastniDrun[0], 23.25, 0.005);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniPrumer, 0.2);
    EXPECT_EQ(var.vstupy.PosledniDelka, 10);
    EXPECT_EQ(var.vstupy.PosledniPrutok, 500);
    EXPECT_EQ(var.vstupy.PosledniA, 0.5); // not its quantity
    ku->NastavPridat(false);
    ku->FormShow();
    EXPECT_EQ(TextyPoli({ku->PrumerEdit, ku->DelkaEdit, ku->PrutokEdit}),
              QStringList({"200", "10.0", "500"}));
}

// One value per quantity, whichever dialog entered it last.
TEST_F(DialogyPotrubiTest, ZapamatovaneHodnotySdiliTypy) {
    PridejHr("400", "300", "5", "1500");
    vy->FormShow(); // current is the duct, not an outlet
    EXPECT_EQ(TextyPoli({vy->RozmAEdit, vy->RozmBEdit, vy->PrutokEdit}),
              QStringList({"400", "300", "1500"}));
    ku->FormShow();
    EXPECT_EQ(TextyPoli({ku->PrumerEdit, ku->DelkaEdit, ku->PrutokEdit}),
              QStringList({"500", "5.0", "1500"}));
    PridejKu("315", "2", "800");
    hr->FormShow();
    EXPECT_EQ(TextyPoli({hr->RozmAEdit, hr->RozmBEdit, hr->DelkaEdit, hr->PrutokEdit}),
              QStringList({"400", "300", "2.0", "800"}));
    PridejVy("300", "150", "500", 1, 1);
    hr->FormShow();
    EXPECT_EQ(TextyPoli({hr->RozmAEdit, hr->RozmBEdit, hr->DelkaEdit, hr->PrutokEdit}),
              QStringList({"300", "150", "2.0", "500"}));
    EXPECT_EQ(Nabidka(TypKlapka, 3), QStringList({"300", "150", "500"}));
    EXPECT_EQ(Nabidka(TypHadice, 2), QStringList({"315", "2.0"}));
    EXPECT_EQ(Nabidka(TypObKuPotrubi, 4), QStringList({"315", "25", "2.0", "500"}));
    // A flow the damper's pressure drop cannot take: its usual inputs whole.
    var.vstupy.PosledniPrutok = 100000;
    EXPECT_EQ(Nabidka(TypKlapka, 3), QStringList({"500", "400", "3600"}));
}

TEST_F(DialogyPotrubiTest, VyustkaPridaniDruhUmisteniAPredvyplneni) {
    PridejVy("300", "150", "500", 1, 1);
    ASSERT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(var.cesta.Aktualni().Popis,
              "Vyústka 300x150mm, průtok500m3/hod, na stěně (stropě), 2 řadá, 100% otevř.");
    EXPECT_EQ(Texty(RadekPanelu::Utlum)[0], "9.0");
    EXPECT_EQ(Texty(RadekPanelu::Vlastni)[0], "36.5");
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniA, 0.3);
    EXPECT_DOUBLE_EQ(var.vstupy.PosledniB, 0.15);
    EXPECT_EQ(var.vstupy.PosledniPrutok, 500);

    PridejVy("600", "600", "2000", 7, 3);
    EXPECT_EQ(var.cesta.Aktualni().Popis, "Žaluzie 600x600mm, průtok2000m3/hod");
    EXPECT_EQ(var.cesta.Aktualni().Vstup<VstupyVyustka>().Druh, 7);
    EXPECT_EQ(var.cesta.Aktualni().Vstup<VstupyVyustka>().Umisteni, 3);
    // Behind an outlet the dialog offers that outlet, kind and position included.
    vy->DruhTlacitka->button(0)->setChecked(true);
    vy->NastavPridat(true);
    vy->FormShow();
    EXPECT_EQ(TextyPoli({vy->RozmAEdit, vy->RozmBEdit, vy->PrutokEdit}),
              QStringList({"600", "600", "2000"}));
    EXPECT_EQ(vy->DruhTlacitka->checkedId(), 6);
    EXPECT_EQ(vy->UmisteniTlacitka->checkedId(), 2);
    // Behind something else it starts from kind 1 and position 1.
    var.cesta.NajdiElement(1);
    vy->FormShow();
    EXPECT_EQ(vy->DruhTlacitka->checkedId(), 0);
    EXPECT_EQ(vy->UmisteniTlacitka->checkedId(), 0);
}

TEST_F(DialogyPotrubiTest, ViceZdrojuPocetPamatujeAZvysiUroven) {
    okno->Okno<TZadZdrojForm>()->FormShow();
    for (TMDoubleEdit* f : okno->Okno<TZadZdrojForm>()->Zdroj.pole)
        f->NastavCislo(60);
    okno->Okno<TZadZdrojForm>()->OKBtnClick();
    PridejVice("4");
    ASSERT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(var.cesta.Aktualni().Popis, "korekce na počet zdrojů drunu. Počet= 4");
    EXPECT_EQ(var.cesta.Aktualni().Vstup<VstupyVice>().PocetZdroju, 4);
    EXPECT_EQ(var.vstupy.PosledniPocetZdroju, 4);
    EXPECT_EQ(Texty(RadekPanelu::Vysledek)[0], "66.0");
    EXPECT_EQ(RadekSeznamu(1), "2     Více zdrojů");
    // behind another type the last confirmed count is offered
    PridejHr("500", "500", "1", "1000");
    vi->FormShow();
    EXPECT_EQ(vi->PocetEdit->text(), "4");
    var.cesta.NajdiElement(2);
    PridejVice("1");
    EXPECT_EQ(var.cesta.Aktualni().Cislo, 3);
    EXPECT_EQ(var.vstupy.PosledniPocetZdroju, 1);
    vi->FormShow(); // current is a correction: its own count
    EXPECT_EQ(vi->PocetEdit->text(), "1");
}

// The main window's menu and "Změnit element" open the dialogs modally.
TEST_F(DialogyPotrubiTest, PresHlavniOkno) {
    PriModalnim([](QWidget* w) {
        auto* d = qobject_cast<THrPotrubiForm*>(w);
        ASSERT_NE(d, nullptr);
        Napis(d->RozmAEdit, "500");
        Napis(d->RozmBEdit, "250");
        Napis(d->DelkaEdit, "10");
        Napis(d->PrutokEdit, "2000");
        d->OKBtnClick();
    });
    okno->PridatAkce(TypHrPotrubi)->trigger();
    ASSERT_EQ(var.cesta.Pocet(), 2);
    QStringList videno;
    PriModalnim([&videno](QWidget* w) {
        auto* d = qobject_cast<THrPotrubiForm*>(w);
        ASSERT_NE(d, nullptr);
        videno = TextyPoli({d->RozmAEdit, d->RozmBEdit, d->DelkaEdit, d->PrutokEdit});
        d->StornoBtnClick();
    });
    okno->ZmenElem();
    EXPECT_EQ(videno, QStringList({"500", "250", "10.0", "2000"}));
    EXPECT_EQ(var.cesta.Pocet(), 2);
    EXPECT_DOUBLE_EQ(var.cesta.Aktualni().Vstup<VstupyHrPotrubi>().A, 500);
}

TEST_F(DialogyPotrubiTest, StornoNicNemeni) {
    for (TElementDialog* d : {static_cast<TElementDialog*>(hr), static_cast<TElementDialog*>(ku),
                              static_cast<TElementDialog*>(vy), static_cast<TElementDialog*>(vi)}) {
        d->NastavPridat(true);
        d->FormShow();
        d->StornoBtnClick();
    }
    ExpectBezZmeny(1);
    EXPECT_EQ(Seznam()->model()->rowCount(), 1);
}

// A prefilled value outside the field's limits is refused at OK like a typed one.
TEST_F(DialogyPotrubiTest, PredvyplnenaHodnotaMimoMezeOdmitnuta) {
    var.vstupy.PosledniDelka = 0.5;
    hr->NastavPridat(true);
    hr->FormShow();
    hr->OKBtnClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Délka: zadejte číslo od 1 do 100."});
    EXPECT_EQ(var.cesta.Pocet(), 1);
    Zaznam().Vymaz();
    var.vstupy.PosledniPocetZdroju = 0;
    vi->FormShow();
    vi->OKBtnClick();
    EXPECT_EQ(Zaznam().texty,
              QStringList{"Počet stejných zdrojů drunu: zadejte číslo od 1 do 100."});
    EXPECT_EQ(var.cesta.Pocet(), 1);
    EXPECT_TRUE(okno->Ulozeno());
}
