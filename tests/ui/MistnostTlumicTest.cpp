#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "Pomocnik.h"
#include "core/Cisla.h"
#include "core/Soubory.h"
#include "ui/dialogy/KTlumFrm.h"
#include "ui/dialogy/MistnFrm.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/ObElFrm.h"
#include "ui/dialogy/VybElFrm.h"
#include "ui/dialogy/ZZdrFrm.h"

using namespace drun;

namespace {

class MistnostTlumicTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        var.SouborTlumice = DRUN_DATA_DIR "/KL385216.CAD";
        mistnost = qobject_cast<TMistnostForm*>(okno->Dialog(TypMistnost));
        tlumic = qobject_cast<TKTlumicForm*>(okno->Dialog(TypTlumic));
        ASSERT_TRUE(mistnost && tlumic);
        okno->Okno<TZadZdrojForm>()->FormShow();
        for (TMDoubleEdit* f : okno->Okno<TZadZdrojForm>()->Zdroj.pole)
            f->NastavCislo(60);
        okno->Okno<TZadZdrojForm>()->OKBtnClick();
        okno->Historie().OznacUlozeno();
    }
    bool MistnostPovolena() const {
        const bool menu = okno->PridatAkce(TypMistnost)->isEnabled();
        EXPECT_EQ(okno->Okno<TVyberTypForm>()->Tlacitko(TypMistnost)->isEnabled(), menu);
        return menu;
    }
    void PridejMistnost(double plocha, double alfa, int umisteni) {
        mistnost->NastavPridat(true);
        mistnost->FormShow();
        mistnost->PopisMistnEdit->setText(QStringLiteral("Koupelna"));
        mistnost->PlochaStenEdit->NastavCislo(plocha);
        mistnost->VzdalenostEdit->NastavCislo(1);
        for (TMDoubleEdit* f : mistnost->SoucPohl.pole)
            f->NastavCislo(alfa, 2);
        mistnost->SmerSoucRadioGroupClick(umisteni);
        mistnost->OKBtnClick();
    }
    void VyplnTlumic(double a, double b, int delka, double prutok, int polozka, int pocet) {
        tlumic->FormShow();
        tlumic->RozmAEdit->NastavCislo(a, 0);
        tlumic->RozmBEdit->NastavCislo(b, 0);
        tlumic->DelkaEdit->NastavCislo(delka);
        tlumic->prutokEdit->NastavCislo(prutok, 1);
        tlumic->SirkaVlozekComboBox->setCurrentIndex(polozka);
        tlumic->PocetVlozekEdit->NastavCislo(pocet);
    }
    TMistnostForm* mistnost = nullptr;
    TKTlumicForm* tlumic = nullptr;
};

} // namespace

TEST_F(MistnostTlumicTest, MistnostJenJednaAZvyseniVMaleMistnosti) {
    EXPECT_TRUE(MistnostPovolena());
    // A tiled room of 30 m2, outlet on the wall: 4.3 dB above the power.
    PridejMistnost(30, 0.05, TMistnostForm::NaStene);
    ASSERT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(RadekSeznamu(1), "2     Místnost");
    EXPECT_EQ(Stitek(StitekPanelu::PopisElementu).text(), "2     Koupelna");
    EXPECT_EQ(Texty(RadekPanelu::Utlum)[0], "-4.3");
    EXPECT_EQ(Texty(RadekPanelu::ZaEl)[0], "64.3");
    EXPECT_EQ(Texty(RadekPanelu::Vysledek)[7], "64.3");
    EXPECT_FALSE(okno->Ulozeno());
    EXPECT_FALSE(MistnostPovolena());
    okno->PridatTyp(TypMistnost); // refused without opening anything
    EXPECT_EQ(var.cesta.Pocet(), 2);

    // Added with the room selected: before it, said in the status bar; cancelled: nothing moves.
    PriModalnim([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    okno->PridatTyp(TypObecny);
    EXPECT_EQ(var.cesta.AktualniCislo(), 2);
    PriModalnim([](QWidget* w) {
        auto* d = qobject_cast<TObecElemForm*>(w);
        ASSERT_NE(d, nullptr);
        d->NazevEdit->setText("před místností");
        d->OKBtnClick();
    });
    okno->PridatElemBtnClick(); // through the picker, which closes once the element is added
    okno->PridatTyp(TypObecny);
    EXPECT_FALSE(okno->Okno<TVyberTypForm>()->isVisible());
    ASSERT_EQ(var.cesta.Pocet(), 3);
    EXPECT_EQ(var.cesta.Prvek(2).Typ(), TypObecny);
    EXPECT_EQ(var.cesta.Prvek(3).Typ(), TypMistnost);
    EXPECT_EQ(Stav(), "Nový element se vloží před místnost.");
    okno->ZpetItemClick();
    ASSERT_EQ(var.cesta.Pocet(), 2);

    // Changing the existing room is still possible and shows its values.
    mistnost->NastavPridat(false);
    mistnost->PopisMistnEdit->setText(QStringLiteral("jiný text"));
    mistnost->FormShow();
    EXPECT_EQ(mistnost->PopisMistnEdit->text(), "Koupelna");
    EXPECT_EQ(mistnost->PlochaStenEdit->text(), "30.0");
    EXPECT_EQ(mistnost->VzdalenostEdit->text(), "1.0");
    EXPECT_EQ(mistnost->SoucPohl.pole[0]->text(), "0.05");
    EXPECT_EQ(mistnost->SmerSouc.pole[7]->text(), "2.0");
    EXPECT_TRUE(mistnost->SmerSoucVolba[TMistnostForm::Jinde]->isChecked());
    mistnost->PlochaStenEdit->NastavCislo(100);
    for (TMDoubleEdit* f : mistnost->SoucPohl.pole)
        f->NastavCislo(0.1, 2);
    mistnost->OKBtnClick();
    EXPECT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(Texty(RadekPanelu::Utlum)[0], "2.8");
    EXPECT_EQ(Texty(RadekPanelu::Vysledek)[0], "57.2");

    // Removing the room gives the menu item and the picker button back.
    Vyber(2);
    okno->VypustitElementClick();
    EXPECT_EQ(var.cesta.Pocet(), 1);
    EXPECT_TRUE(MistnostPovolena());
}

TEST_F(MistnostTlumicTest, UmisteniZdrojeAStorno) {
    mistnost->NastavPridat(true);
    // The placement choices stand apart by the gap between the field groups.
    mistnost->show();
    for (size_t i = 1; i < mistnost->SmerSoucVolba.size(); ++i)
        EXPECT_GE(mistnost->SmerSoucVolba[i]->x() -
                      mistnost->SmerSoucVolba[i - 1]->geometry().right() - 1,
                  MistnostMeziSkupinami)
            << i;
    mistnost->hide();
    mistnost->FormShow();
    EXPECT_EQ(mistnost->PlochaStenEdit->text(), "100.0");
    EXPECT_EQ(mistnost->SoucPohl.pole[3]->text(), "0.10");
    mistnost->SmerSoucRadioGroupClick(TMistnostForm::VProstoru);
    for (TMDoubleEdit* f : mistnost->SmerSouc.pole) {
        EXPECT_EQ(f->text(), "1");
        EXPECT_FALSE(f->isEnabled());
    }
    mistnost->SmerSoucVolba[TMistnostForm::VRohu]->click();
    mistnost->SmerSoucRadioGroupClick(TMistnostForm::Jinde);
    for (TMDoubleEdit* f : mistnost->SmerSouc.pole) {
        EXPECT_EQ(f->text(), "8");
        EXPECT_DOUBLE_EQ(f->Cislo(), 8);
        EXPECT_TRUE(f->isEnabled());
    }
    mistnost->StornoBtnClick();
    EXPECT_EQ(var.cesta.Pocet(), 1);
    EXPECT_TRUE(okno->Ulozeno());
    EXPECT_DOUBLE_EQ(var.vstupy.Smerovost[0], 2);
    // The next showing starts again from the tables, with "Jinde".
    mistnost->FormShow();
    EXPECT_EQ(mistnost->SmerSouc.pole[0]->text(), "2.0");
    EXPECT_TRUE(mistnost->SmerSouc.pole[0]->isEnabled());
}

TEST_F(MistnostTlumicTest, TlumicPridanyDialogem) {
    tlumic->NastavPridat(true);
    tlumic->FormShow();
    // From the remembered inputs: 500 x 500, 1 m, 1000 m3/h, one 200 mm splitter.
    EXPECT_EQ(tlumic->RozmAEdit->text(), "500");
    EXPECT_EQ(tlumic->DelkaEdit->text(), "1");
    EXPECT_EQ(tlumic->prutokEdit->text(), "1000.0");
    EXPECT_EQ(tlumic->SirkaVlozekComboBox->currentText(), "200");
    EXPECT_EQ(tlumic->PocetVlozekEdit->text(), "1");
    VyplnTlumic(600, 500, 1, 2000, 1, 2);
    tlumic->OKBtnClick();
    ASSERT_EQ(var.cesta.Pocet(), 2);
    const TElementSite& e = var.cesta.Aktualni();
    EXPECT_EQ(e.Typ(), TypTlumic);
    EXPECT_EQ(Stitek(StitekPanelu::PopisElementu).text(),
              "2     600x500mm, délka 1.0m, 2000.0m3/hod, 2 vl. šířky 200mm");
    EXPECT_EQ(Texty(RadekPanelu::Utlum)[4], "37.8");   // the 200/100/1 m row
    EXPECT_EQ(Texty(RadekPanelu::Vlastni)[0], "40.8"); // the 6 m/s row
    EXPECT_EQ(var.vstupy.PosledniPocetVlozek, 2);
    EXPECT_FALSE(okno->Ulozeno());
    EXPECT_TRUE(Zaznam().texty.isEmpty());

    // Changing it shows the sides in millimetres again; a second one added
    // behind it starts from its values.
    tlumic->NastavPridat(false);
    tlumic->FormShow();
    EXPECT_EQ(tlumic->RozmAEdit->text(), "600");
    EXPECT_EQ(tlumic->RozmBEdit->text(), "500");
    EXPECT_EQ(tlumic->prutokEdit->text(), "2000.0");
    EXPECT_EQ(tlumic->PocetVlozekEdit->text(), "2");
    tlumic->NastavPridat(true);
    tlumic->FormShow();
    tlumic->SirkaVlozekComboBox->setCurrentIndex(2);
    tlumic->PocetVlozekEdit->NastavCislo(1);
    tlumic->OKBtnClick();
    EXPECT_EQ(var.cesta.Pocet(), 3);
    EXPECT_DOUBLE_EQ(var.cesta.Aktualni().Vstup<VstupyTlumic>().SirkaVlozek, 300);
}

TEST_F(MistnostTlumicTest, TlumicKontrolaPredOK) {
    tlumic->NastavPridat(true);
    // Two 300 mm splitters fill a 600 mm duct; 10800 m3/h is 30 m/s.
    for (auto [polozka, prutok] : {std::pair{2, 500.0}, std::pair{1, 10800.0}}) {
        Zaznam().Vymaz();
        VyplnTlumic(600, 500, 1, prutok, polozka, 2);
        tlumic->OKBtnClick();
        EXPECT_EQ(Zaznam().texty,
                  QStringList{"Chybné zadání. Příliš mnoho vložek či vysoká rychlost."});
        EXPECT_EQ(var.cesta.Pocet(), 1);
    }
    // A remembered length from a duct is refused until it is corrected.
    var.vstupy.PosledniDelka = 5;
    Zaznam().Vymaz();
    tlumic->FormShow();
    EXPECT_EQ(tlumic->DelkaEdit->text(), "5");
    tlumic->OKBtnClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Délka: zadejte číslo od 1 do 3."});
    EXPECT_EQ(var.cesta.Pocet(), 1);
    EXPECT_TRUE(okno->Ulozeno());
}

TEST_F(MistnostTlumicTest, TlumicSelhaniVypoctu) {
    tlumic->NastavPridat(true);
    VyplnTlumic(600, 500, 1, 2000, 1, 2);
    tlumic->OKBtnClick();
    ASSERT_EQ(var.cesta.Pocet(), 2);
    const Spectrum utlum = var.cesta.Aktualni().Utlum;
    okno->Historie().OznacUlozeno();

    // No data file: adding takes the new element out again.
    var.SouborTlumice = slozka.filePath("KL385216.CAD").toStdString();
    const QString chybi = QString::fromStdString("Soubor dat tlumičů " + var.SouborTlumice +
                                                 " nenalezen, nebo je prázdný.");
    VyplnTlumic(600, 500, 1, 2000, 1, 2);
    tlumic->OKBtnClick();
    EXPECT_EQ(Zaznam().texty, QStringList{chybi});
    EXPECT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(var.cesta.AktualniCislo(), 2);
    // Damaged data: their line and why, never a silencer from part of them.
    Zaznam().Vymaz();
    ASSERT_TRUE(ZapisAtomicky(var.SouborTlumice, "DATA\r\n@\r\n200 100 1 1 2 3 4 5 6 7 8\r\n"));
    VyplnTlumic(600, 500, 1, 2000, 1, 2);
    tlumic->OKBtnClick();
    EXPECT_EQ(Zaznam().texty, QStringList{QString::fromStdString(
                                  "Chyba při čtení souboru dat tlumičů " + var.SouborTlumice +
                                  ", řádek 3: tabulka útlumů nekončí řádkem -1.")});
    EXPECT_EQ(var.cesta.Pocet(), 2);
    std::filesystem::remove(var.SouborTlumice);

    // Changing: the element keeps what it held, values typed are not kept.
    Zaznam().Vymaz();
    tlumic->NastavPridat(false);
    VyplnTlumic(900, 700, 2, 3000, 0, 3);
    tlumic->OKBtnClick();
    EXPECT_EQ(Zaznam().texty, QStringList{chybi});
    const TElementSite& e = var.cesta.Aktualni();
    EXPECT_EQ(e.Utlum, utlum);
    EXPECT_DOUBLE_EQ(e.Vstup<VstupyTlumic>().A, 600);
    EXPECT_EQ(e.Vstup<VstupyTlumic>().PocetVlozek, 2);
    EXPECT_EQ(e.Popis, "600x500mm, délka 1.0m, 2000.0m3/hod, 2 vl. šířky 200mm");
    EXPECT_TRUE(okno->Ulozeno());

    // One 100 mm splitter in 500 mm leaves 400 mm, beyond the table; without
    // messages nothing is shown.
    Zaznam().Vymaz();
    var.SouborTlumice = DRUN_DATA_DIR "/KL385216.CAD";
    var.Hlasky = false;
    tlumic->NastavPridat(true);
    VyplnTlumic(500, 500, 1, 2000, 0, 1);
    tlumic->OKBtnClick();
    EXPECT_TRUE(Zaznam().texty.isEmpty());
    EXPECT_EQ(var.cesta.Pocet(), 2);
}

TEST_F(MistnostTlumicTest, PridaniPresVyberTypu) {
    // Through the picker and the real modal dialog: silencer, then the room;
    // the picker waits for no dialog behind it, and comes back after Storno.
    okno->PridatElemBtnClick();
    PriModalnim([this](QWidget* w) {
        EXPECT_EQ(w, tlumic);
        EXPECT_FALSE(okno->Okno<TVyberTypForm>()->isVisible());
        EXPECT_EQ(w->windowTitle(), "Kulisový tlumič drunu");
        VyplnTlumic(600, 500, 1, 2000, 1, 2);
        tlumic->OKBtnClick();
    });
    okno->Okno<TVyberTypForm>()->Tlacitko(TypTlumic)->click();
    EXPECT_FALSE(okno->Okno<TVyberTypForm>()->isVisible());
    okno->PridatElemBtnClick();
    PriModalnim([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    okno->Okno<TVyberTypForm>()->Tlacitko(TypObecny)->click();
    EXPECT_TRUE(okno->Okno<TVyberTypForm>()->isVisible());
    PriModalnim([this](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Místnost");
        mistnost->OKBtnClick();
    });
    okno->Okno<TVyberTypForm>()->Tlacitko(TypMistnost)->click();
    EXPECT_EQ(var.cesta.Pocet(), 3);
    EXPECT_EQ(var.cesta.Posledni().Typ(), TypMistnost);
    EXPECT_FALSE(okno->Okno<TVyberTypForm>()->Tlacitko(TypMistnost)->isEnabled());
    okno->Okno<TVyberTypForm>()->close();
}
