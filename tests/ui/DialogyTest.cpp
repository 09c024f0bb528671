#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>
#include <QValidator>

#include "Pomocnik.h"
#include "core/Cisla.h"
#include "core/Druhy.h"
#include "models/Vypocet.h"
#include "tools/Pozadavek.h"
#include "ui/dialogy/DruhFrm.h"
#include "ui/dialogy/HrPotFrm.h"
#include "ui/dialogy/KTlumFrm.h"
#include "ui/dialogy/KuPotFrm.h"
#include "ui/dialogy/MistnFrm.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/ObElFrm.h"
#include "ui/dialogy/OblFrm.h"
#include "ui/dialogy/OdbFrm.h"
#include "ui/dialogy/PozadFrm.h"
#include "ui/dialogy/ViceFrm.h"
#include "ui/dialogy/VybElFrm.h"
#include "ui/dialogy/VyustFrm.h"
#include "ui/dialogy/ZZdrFrm.h"

using namespace drun;

namespace {

TObecElemForm* Obecny(THlavniForm& o) {
    return static_cast<TObecElemForm*>(o.Dialog(TypObecny));
}

// One round of the focus chain from the first of `pole`, reduced to those listed.
std::vector<QWidget*> KoloFokusu(const std::vector<QWidget*>& pole) {
    std::vector<QWidget*> videno;
    QWidget* w = pole.front();
    do {
        if (std::find(pole.begin(), pole.end(), w) != pole.end()) videno.push_back(w);
        w = w->nextInFocusChain();
    } while (w != pole.front());
    return videno;
}

} // namespace

TEST_F(UiTest, ZdrojVseAStorno) {
    TZadZdrojForm* d = okno->Okno<TZadZdrojForm>();
    d->FormShow();
    Napis(d->Zdroj.pole[0], "85");
    d->VseBtnClick();
    for (TMDoubleEdit* f : d->Zdroj.pole)
        EXPECT_EQ(f->text(), f == d->Zdroj.pole[0] ? "85" : "85.0");
    d->StornoBtnClick();
    EXPECT_EQ(var.cesta.Prvni().VlastniDrun[0], 0);
    EXPECT_TRUE(okno->Ulozeno());

    Zdroj(*okno, 80);
    EXPECT_EQ(Texty(RadekPanelu::Zdroj)[8], "87.0");
    EXPECT_EQ(Texty(RadekPanelu::Vysledek)[8], "87.0");
    EXPECT_FALSE(okno->Ulozeno());
    d->FormShow();
    d->NulujBtnClick();
    d->ZdrojPopisEdit->setText("Ventilátor");
    d->OKBtnClick();
    EXPECT_EQ(Stitek(StitekPanelu::PopisZdroje).text(), "Ventilátor");
    EXPECT_EQ(Texty(RadekPanelu::Zdroj)[8], "7.0");
}

// The fan estimate shows the fan's L(W) as drun-protokol --ventilator prints
// it, fills the bands (one decimal) and the description; its refusals name the
// field and fill nothing. Opened again it holds the values last given, and a
// description typed is replaced only when the user agrees.
TEST_F(UiTest, ZdrojOdhadZParametruVentilatoru) {
    TZadZdrojForm* d = okno->Okno<TZadZdrojForm>();
    const struct {
        QStringList pole; // flow, pressure, speed, ratio, blades
        int druh;
        QString chyba, pasma, popis, lw;
    } pripady[] = {
        {{"", "600", "1250", "1", ""}, 0, "Průtok musí být 10 až 1000000 m3/h.", "", "", "-"},
        {{"16000", "600", "1250", "1", "2.5"}, 2, "Počet lopatek musí být 2 až 100.", "", "", "-"},
        {{"16000", "600", "1250", "1", ""},
         0,
         "",
         "90.4 88.8 86.3 82.9 78.6 73.4 67.2 60.2",
         "odhad z parametrů: RR, 16000m3/hod, 600Pa, 1250ot/min",
         "96.0 dB"},
        {{"40000", "800", "1450", "1", "8"},
         2,
         "",
         "103.3 104.9 109.6 105.4 104.3 102.3 99.3 95.5",
         "odhad z parametrů: AM, 40000m3/hod, 800Pa, 1450ot/min, 8 lopatek",
         "110.5 dB"},
        {{"5000", "400", "900", "0.8", ""},
         1,
         "",
         "",
         "odhad z parametrů: T, 5000m3/hod, 400Pa, 900ot/min, V/Vopt 0.8",
         "89.5 dB"},
    };
    const QString lw = QStringLiteral("Akustický výkon ventilátoru L(W) ");
    for (const auto& r : pripady) {
        SCOPED_TRACE(r.popis.toStdString());
        Zaznam().Vymaz();
        d->FormShow();
        d->NulujBtnClick();
        bool prijat = false;
        PriModalnim([&](QWidget* w) {
            auto* o = qobject_cast<TOdhadVentilatoruForm*>(w);
            ASSERT_NE(o, nullptr);
            const QList<QLineEdit*> pole{o->PrutokEdit, o->TlakEdit, o->OtackyEdit, o->PomerEdit,
                                         o->LopatekEdit};
            for (int i = 0; i < pole.size(); ++i)
                if (auto* m = qobject_cast<TMEdit*>(pole[i]))
                    Napis(m, r.pole[i]);
                else
                    pole[i]->setText(r.pole[i]);
            o->DruhComboBox->setCurrentIndex(r.druh);
            o->OKBtnClick();
            EXPECT_EQ(o->VykonLbl->text(), lw + r.lw);
            prijat = o->result() == QDialog::Accepted;
            if (!prijat) o->reject();
        });
        d->OdhadBtnClick();
        EXPECT_EQ(Zaznam().texty, r.chyba.isEmpty() ? QStringList{} : QStringList{r.chyba});
        EXPECT_EQ(prijat, r.chyba.isEmpty());
        QStringList pasma;
        for (TMDoubleEdit* f : d->Zdroj.pole)
            pasma << f->text();
        if (!r.pasma.isEmpty()) {
            EXPECT_EQ(pasma.join(' '), r.pasma);
        }
        if (!r.chyba.isEmpty()) {
            EXPECT_EQ(pasma.join(' '), "0 0 0 0 0 0 0 0");
        }
        if (!r.popis.isEmpty()) {
            EXPECT_EQ(d->ZdrojPopisEdit->text(), r.popis);
        }
    }
    // The source takes the last estimate's bands.
    d->OKBtnClick();
    EXPECT_EQ(var.cesta.Prvni().Popis,
              "odhad z parametrů: T, 5000m3/hod, 400Pa, 900ot/min, V/Vopt 0.8");
    EXPECT_GT(var.cesta.Prvni().VlastniDrun[0], 0);
    for (const bool nahradit : {false, true}) {
        d->FormShow();
        d->ZdrojPopisEdit->selectAll();
        QTest::keyClicks(d->ZdrojPopisEdit, QStringLiteral("Ventilator VZT 1"));
        Zaznam().Vymaz();
        Zaznam().odpovedi = {nahradit};
        QStringList pole;
        QString vykon;
        PriModalnim([&](QWidget* w) {
            auto* o = qobject_cast<TOdhadVentilatoruForm*>(w);
            ASSERT_NE(o, nullptr);
            pole = TextyPoli(
                {o->PrutokEdit, o->TlakEdit, o->OtackyEdit, o->PomerEdit, o->LopatekEdit});
            vykon = o->VykonLbl->text();
            o->OKBtnClick();
        });
        d->OdhadBtnClick();
        EXPECT_EQ(pole, (QStringList{"5000", "400", "900", "0.8", ""}));
        EXPECT_EQ(vykon, lw + "89.5 dB");
        EXPECT_EQ(Zaznam().texty,
                  QStringList{"Nahradit popis zdroje „Ventilator VZT 1“ popisem odhadu?"});
        EXPECT_EQ(d->ZdrojPopisEdit->text(),
                  nahradit ? "odhad z parametrů: T, 5000m3/hod, 400Pa, 900ot/min, V/Vopt 0.8"
                           : "Ventilator VZT 1");
        EXPECT_EQ(d->Zdroj.pole[0]->text(), "83.8");
    }
}

TEST_F(UiTest, ZmenaZdrojePrepocitaCelouCestu) {
    Zdroj(*okno, 80);
    PridejObecny(*okno, 10, 0);
    PridejObecny(*okno, 10, 0);
    EXPECT_EQ(Texty(RadekPanelu::Vysledek)[0], "60.0");
    Zdroj(*okno, 90);
    EXPECT_EQ(Texty(RadekPanelu::Vysledek)[0], "70.0");
    EXPECT_EQ(var.cesta.AktualniCislo(), 1);
    EXPECT_EQ(Seznam()->currentIndex().row(), 0);
}

TEST_F(UiTest, ObecnyElementPridaniPredvyplneniZmenaAStorno) {
    Zdroj(*okno, 80);
    okno->Historie().OznacUlozeno();
    PridejObecny(*okno, 10, 70, "Tlumicí vložka");
    ASSERT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(var.cesta.AktualniCislo(), 2);
    EXPECT_FALSE(okno->Ulozeno());
    EXPECT_EQ(Seznam()->model()->rowCount(), 2);
    EXPECT_EQ(RadekSeznamu(1), "2     Obecný element");
    EXPECT_EQ(Stitek(StitekPanelu::PopisElementu).text(), "2     Tlumicí vložka");
    EXPECT_EQ(Texty(RadekPanelu::ZaEl)[0], "73.0");
    EXPECT_EQ(Texty(RadekPanelu::PredEl)[0], "80.0");

    // Adding behind a general element offers its values.
    TObecElemForm* d = Obecny(*okno);
    Napis(d->Utl.pole[0], "33"); // leftover text that FormShow must replace
    d->NastavPridat(true);
    d->FormShow();
    EXPECT_EQ(d->NazevEdit->text(), "Tlumicí vložka");
    EXPECT_EQ(d->Utl.pole[0]->text(), "10.0");
    EXPECT_EQ(d->VlDrun.pole[7]->text(), "70.0");
    d->OKBtnClick(); // a second, identical element behind it
    EXPECT_EQ(var.cesta.Pocet(), 3);
    EXPECT_EQ(var.cesta.Prvek(3).Popis, "Tlumicí vložka");

    // Adding behind the source keeps what the dialog last held.
    var.cesta.NajdiElement(1);
    d->UtlNulujBtnClick();
    d->NastavPridat(true);
    d->FormShow();
    EXPECT_EQ(d->Utl.pole[0]->text(), "0");
    EXPECT_EQ(d->VlDrun.pole[0]->text(), "70.0"); // the other row untouched
    d->OKBtnClick();
    EXPECT_EQ(var.cesta.Pocet(), 4);
    EXPECT_EQ(var.cesta.AktualniCislo(), 2); // inserted right behind the source

    // Change mode edits in place.
    d->NastavPridat(false);
    var.cesta.NajdiElement(3);
    d->FormShow();
    Napis(d->Utl.pole[0], "20"); // typed, not yet validated: OK takes it
    d->OKBtnClick();
    EXPECT_EQ(var.cesta.Pocet(), 4);
    EXPECT_DOUBLE_EQ(var.cesta.Prvek(3).Utlum[0], 20);

    // Storno in add mode changes nothing at all.
    okno->Historie().OznacUlozeno();
    d->NastavPridat(true);
    d->FormShow();
    Napis(d->Utl.pole[0], "5");
    d->StornoBtnClick();
    EXPECT_EQ(var.cesta.Pocet(), 4);
    EXPECT_EQ(Seznam()->model()->rowCount(), 4);
    EXPECT_TRUE(okno->Ulozeno());
}

TEST_F(UiTest, OkSNeplatnymTextemNicNezmeni) {
    TObecElemForm* d = Obecny(*okno);
    d->NastavPridat(true);
    d->FormShow();
    Napis(d->VlDrun.pole[3], "151");
    d->VlDrun.pole[3]->setFocus();
    d->OKBtnClick();
    EXPECT_EQ(Zaznam().texty,
              QStringList{"Vlastní drun elementu 500Hz: zadejte číslo od 0 do 150."});
    EXPECT_EQ(var.cesta.Pocet(), 1);
    EXPECT_TRUE(okno->Ulozeno());
}

TEST_F(UiTest, RozdilCervenyJenNadNulou) {
    Zdroj(*okno, 40);
    // requirement 40.04 in band 1, 39.96 in band 2, exactly 40 in the rest
    TPozadavekForm* p = okno->Okno<TPozadavekForm>();
    p->FormShow();
    for (TMDoubleEdit* f : p->Hodn.pole)
        f->NastavCislo(40);
    p->Hodn.pole[0]->NastavCislo(40.04, 2);
    p->Hodn.pole[1]->NastavCislo(39.96, 2);
    p->OKBtnClick();
    const QColor cervena(255, 0, 0);
    EXPECT_EQ(Texty(RadekPanelu::Rozdil)[0], "0.0");
    EXPECT_NE(Barva(RadekPanelu::Rozdil, 0), cervena);
    EXPECT_EQ(Texty(RadekPanelu::Rozdil)[1], "0.0");
    EXPECT_EQ(Barva(RadekPanelu::Rozdil, 1), cervena);
    EXPECT_NE(Barva(RadekPanelu::Rozdil, 2), cervena);
}

TEST_F(UiTest, HintyOkenVeStavovemRadkuHlavnihoOkna) {
    auto* mistnost = qobject_cast<TMistnostForm*>(okno->Dialog(TypMistnost));
    ASSERT_NE(mistnost, nullptr);
    for (QWidget* w : std::initializer_list<QWidget*>{
             okno->Okno<TVyberTypForm>()->Tlacitko(TypMistnost),
             okno->Okno<TVyberTypForm>()->Tlacitko(TypObecny), mistnost->PlochaStenEdit}) {
        SCOPED_TRACE(w->statusTip().toStdString());
        ASSERT_FALSE(w->statusTip().isEmpty());
        QStatusTipEvent e(w->statusTip()); // what the mouse over the control sends
        QApplication::sendEvent(w, &e);
        EXPECT_EQ(okno->statusBar()->currentMessage(), w->statusTip());
    }
}

TEST_F(UiTest, PozadavekRezimyAKrivky) {
    TPozadavekForm* p = okno->Okno<TPozadavekForm>();
    ASSERT_NE(p->findChild<QGroupBox*>(), nullptr);
    EXPECT_EQ(p->findChild<QGroupBox*>()->title(), ""); // the radio group has no caption
    p->FormShow();
    EXPECT_EQ(p->PozadRadioGroup->checkedId(), 0);
    EXPECT_FALSE(p->NkrivkyComboBox->isEnabled());
    EXPECT_EQ(p->NkrivkyComboBox->count(), 27); // "---", N10..N75, NC15..NC70
    p->PozadRadioGroupClick(1);
    EXPECT_TRUE(p->NkrivkyComboBox->isEnabled());
    EXPECT_FALSE(p->Hodn.pole[0]->isEnabled());
    p->NkrivkyComboBoxChange(5);
    EXPECT_EQ(p->Hodn.pole[0]->text(), "59.2");
    p->NkrivkyComboBoxChange(18);
    EXPECT_EQ(p->NkrivkyComboBox->currentText(), "NC30");
    EXPECT_EQ(p->Hodn.pole[7]->text(), "27.0");
    p->NkrivkyComboBoxChange(5);
    p->NkrivkyComboBoxChange(0); // "---" leaves the curve's values
    EXPECT_EQ(p->Hodn.pole[0]->text(), "59.2");
    p->NkrivkyComboBoxChange(5);
    p->OKBtnClick();
    EXPECT_EQ(Texty(RadekPanelu::Pozadavek), (QStringList{"59.2", "48.1", "39.9", "34.0", "30.0",
                                                          "26.9", "24.7", "22.9", "39.2"}));
    EXPECT_DOUBLE_EQ(var.Pozadavek[7], 22.9);

    // A curve picked and then Storno: requirement unchanged, the dialog opens on it again.
    p->FormShow();
    p->NkrivkyComboBoxChange(14);
    p->StornoBtnClick();
    EXPECT_DOUBLE_EQ(var.Pozadavek[0], 59.2);
    p->FormShow();
    EXPECT_EQ(p->Hodn.pole[0]->text(), "59.2");
    EXPECT_EQ(p->NkrivkyComboBox->currentText(), "N30");

    // Back to per-octave: list to "---", values stay for editing.
    p->PozadRadioGroupClick(0);
    EXPECT_EQ(p->NkrivkyComboBox->currentText(), "---");
    EXPECT_EQ(p->Hodn.pole[0]->text(), "59.2");
    EXPECT_TRUE(p->Hodn.pole[0]->isEnabled());

    // Vynulovat then Storno changes nothing; Vynulovat then OK stores zeros.
    p->NulujBtnClick();
    p->StornoBtnClick();
    EXPECT_DOUBLE_EQ(var.Pozadavek[0], 59.2);
    p->FormShow();
    p->PozadRadioGroupClick(1);
    p->NulujBtnClick();
    EXPECT_EQ(p->PozadRadioGroup->checkedId(), 0);
    EXPECT_EQ(p->Hodn.pole[0]->text(), "0");
    p->OKBtnClick();
    EXPECT_EQ(Texty(RadekPanelu::Pozadavek)[8], "7.0");

    // The requirement survives a new calculation and does not touch the saved flag.
    EXPECT_TRUE(okno->Ulozeno());
    p->NkrivkyComboBoxChange(1);
    p->OKBtnClick();
    okno->NovyVypocet();
    EXPECT_DOUBLE_EQ(var.Pozadavek[0], 43.4);
    EXPECT_EQ(Texty(RadekPanelu::Pozadavek)[0], "43.4");
}

// A limit in dB(A): its bands shown, its L(A) the limit, shown again as the limit.
TEST_F(UiTest, PozadavekLimitLA) {
    TPozadavekForm* p = okno->Okno<TPozadavekForm>();
    p->FormShow();
    p->PozadRadioGroupClick(2);
    EXPECT_TRUE(p->LimitLAEdit->isEnabled());
    EXPECT_FALSE(p->NkrivkyComboBox->isEnabled());
    EXPECT_FALSE(p->Hodn.pole[0]->isEnabled());
    Zaznam().Vymaz();
    p->OKBtnClick(); // nothing typed
    EXPECT_EQ(Zaznam().texty, QStringList{"Limit: zadejte číslo od 6 do 129."});
    EXPECT_EQ(var.Pozadavek[0], 0);
    p->LimitLAEdit->VlozText("35");
    EXPECT_EQ(p->Hodn.pole[0]->text(), "56.0");
    p->OKBtnClick();
    EXPECT_EQ(Texty(RadekPanelu::Pozadavek), (QStringList{"56.0", "46.0", "39.0", "33.0", "30.0",
                                                          "29.0", "29.0", "31.0", "35.0"}));
    EXPECT_EQ(TextPozadavku(var.Pozadavek), "LA35");
    p->PozadRadioGroupClick(0);
    p->FormShow();
    EXPECT_EQ(p->PozadRadioGroup->checkedId(), 2);
    EXPECT_EQ(p->LimitLAEdit->text(), "35");
    // Two decimals or a band beyond 150 dB: refused, the requirement kept.
    for (const auto& [text, zprava] : std::vector<std::pair<QString, QString>>{
             {"32.55", "Limit v dB(A) se zadává nejvýš s jedním desetinným místem."},
             {"129.1", "Limit: zadejte číslo od 6 do 129."}}) {
        Zaznam().Vymaz();
        p->LimitLAEdit->VlozText(text);
        p->OKBtnClick();
        EXPECT_EQ(Zaznam().texty, QStringList{zprava});
        EXPECT_EQ(var.Pozadavek[LA], 35);
    }
    // Per octave, the same bands are levels: their L(A) is their own.
    p->LimitLAEdit->VlozText("35");
    p->PozadRadioGroupClick(0);
    p->OKBtnClick();
    EXPECT_EQ(Texty(RadekPanelu::Pozadavek)[8], "39.0");
    p->FormShow();
    EXPECT_EQ(p->PozadRadioGroup->checkedId(), 0);
}

TEST_F(UiTest, VypusteniElementu) {
    okno->VypustitElementClick(); // only the source
    EXPECT_EQ(Zaznam().texty, QStringList{"Zdroj drunu nelze odstranit"});
    Zdroj(*okno, 80);
    for (int i = 0; i < 4; ++i)
        PridejObecny(*okno, 1, 0, QString::number(i + 2));
    okno->Historie().OznacUlozeno();

    // Nothing selected: the last element is proposed.
    Seznam()->setCurrentIndex(QModelIndex());
    Zaznam().Vymaz();
    Zaznam().odpovedi = {false};
    okno->VypustitElementClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Skutečně vypustit element č. 5?"});
    EXPECT_EQ(var.cesta.Pocet(), 5);

    // Element 3 selected, confirmed.
    Vyber(3);
    Zaznam().Vymaz();
    okno->VypustitElementClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Skutečně vypustit element č. 3?"});
    EXPECT_EQ(var.cesta.Pocet(), 4);
    EXPECT_EQ(var.cesta.AktualniCislo(), 2);
    EXPECT_EQ(var.cesta.Prvek(3).Popis, "4");
    EXPECT_EQ(Seznam()->model()->rowCount(), 4);
    EXPECT_EQ(Seznam()->currentIndex().row(), 1);
    EXPECT_EQ(Texty(RadekPanelu::Vysledek)[0], "77.0");
    EXPECT_FALSE(okno->Ulozeno()); // a removal changes what the file holds

    // The source selected: refused.
    Vyber(1);
    Zaznam().Vymaz();
    okno->VypustitElementClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Zdroj drunu nelze odstranit"});
}

TEST_F(UiTest, NovyVypocetSPotvrzenim) {
    Zdroj(*okno, 80);
    PridejObecny(*okno, 1, 0);
    Zaznam().odpovedi = {false};
    okno->NovyVypocet();
    EXPECT_EQ(Zaznam().texty, QStringList{"Výpočet není uložen. Skutečně nový výpočet?"});
    EXPECT_EQ(var.cesta.Pocet(), 2);
    okno->NovyVypocet(); // answered Yes
    EXPECT_EQ(var.cesta.Pocet(), 1);
    EXPECT_EQ(Seznam()->model()->rowCount(), 1);
    EXPECT_EQ(Texty(RadekPanelu::Zdroj)[0], "0.0");
    EXPECT_EQ(Texty(RadekPanelu::Vysledek)[8], "7.0");
    EXPECT_FALSE(okno->Ulozeno()); // a new calculation leaves the flag
    Zaznam().Vymaz();
    okno->Historie().OznacUlozeno();
    okno->NovyVypocet();
    EXPECT_TRUE(Zaznam().texty.isEmpty());
}

TEST_F(UiTest, KlikVSeznamuAZmenaPresExec) {
    Zdroj(*okno, 80);
    PridejObecny(*okno, 5, 0, "první");
    PridejObecny(*okno, 5, 0, "druhý");
    Vyber(2);
    okno->SeznamElemListBoxClick();
    EXPECT_EQ(var.cesta.AktualniCislo(), 2);
    EXPECT_EQ(Stitek(StitekPanelu::PopisElementu).text(), "2     první");
    EXPECT_EQ(Texty(RadekPanelu::PredEl)[0], "80.0");
    Vyber(1);
    okno->SeznamElemListBoxClick();
    EXPECT_EQ(Texty(RadekPanelu::PredEl), QStringList(9, "---"));

    // "Změnit element" on element 2 through the real modal dialog, then Storno.
    Vyber(2);
    okno->SeznamElemListBoxClick();
    QString titulek;
    PriModalnim([&](QWidget* w) {
        titulek = w->windowTitle();
        static_cast<TObecElemForm*>(w)->StornoBtnClick();
    });
    okno->ZmenElem();
    EXPECT_EQ(titulek, "Obecný element");
    EXPECT_FALSE(okno->Dialog(TypObecny)->Pridat());
    EXPECT_EQ(var.cesta.AktualniCislo(), 2);
    EXPECT_EQ(var.cesta.Pocet(), 3);
}

TEST_F(UiTest, NapovedyAStavovyRadek) {
    EXPECT_EQ(okno->Akce(Prikaz::Otevrit)->toolTip(), "Otevřít");
    EXPECT_EQ(okno->Akce(Prikaz::Otevrit)->statusTip(), "Otevře uložený soubor");
    EXPECT_EQ(okno->Akce(Prikaz::Novy)->statusTip(), "Nový výpočet");
    EXPECT_EQ(okno->Akce(Prikaz::Konec)->statusTip(), "Ukončí program");
    EXPECT_EQ(AkceEdit()->statusTip(), "Libovolný text - max. 60 znaků");
    EXPECT_EQ(okno->PridatAkce(TypMistnost)->statusTip(), "Místnost (může být jen jedna)");
    EXPECT_EQ(okno->Akce(Prikaz::Novy)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(okno->Akce(Prikaz::Konec)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
}

TEST_F(UiTest, AkceSeUlozi) {
    AkceEdit()->setText(QString(70, QChar(u'ř')));
    okno->Historie().OznacUlozeno();
    okno->AkceEditExit();
    EXPECT_EQ(QString::fromStdString(var.Akce).size(), 60);
    EXPECT_FALSE(okno->Ulozeno()); // Akce is part of the file
    okno->Historie().OznacUlozeno();
    okno->AkceEditExit(); // the same text again is no change
    EXPECT_TRUE(okno->Ulozeno());
    // A character the data file cannot hold is refused by the field.
    QString cizi = QStringLiteral("ab中c");
    QString ceske = QStringLiteral("Kancelář 2.12 – přízemí");
    int pozice = 0;
    EXPECT_EQ(AkceEdit()->validator()->validate(cizi, pozice), QValidator::Invalid);
    EXPECT_EQ(AkceEdit()->validator()->validate(ceske, pozice), QValidator::Acceptable);
}

TEST_F(UiTest, KonecSNeulozenymVypoctem) {
    okno->show();
    okno->Historie().Nova(false);
    Zaznam().odpovedi = {false};
    EXPECT_FALSE(okno->close());
    EXPECT_EQ(Zaznam().texty, QStringList{"Výpočet není uložen. Skutečně skončit?"});
    EXPECT_TRUE(okno->isVisible());
    Zaznam().odpovedi = {true};
    EXPECT_TRUE(okno->close());
}

// Tab goes through an element dialog's fields in reading order, then OK and
// Storno (the bend's kind comes last).
TEST_F(UiTest, PoradiTabulatoruPrvkovychDialogu) {
    auto* hr = qobject_cast<THrPotrubiForm*>(okno->Dialog(TypHrPotrubi));
    auto* ku = qobject_cast<TKuPotrubiForm*>(okno->Dialog(TypKuPotrubi));
    auto* ob = qobject_cast<TObloukForm*>(okno->Dialog(TypOblouk));
    auto* od = qobject_cast<TOdbockaForm*>(okno->Dialog(TypOdbocka));
    auto* vy = qobject_cast<TVyustkaForm*>(okno->Dialog(TypVyustka));
    auto* tl = qobject_cast<TKTlumicForm*>(okno->Dialog(TypTlumic));
    auto* vi = qobject_cast<TViceForm*>(okno->Dialog(TypVice));
    ASSERT_TRUE(hr && ku && ob && od && vy && tl && vi);
    const std::vector<std::vector<QWidget*>> poradi{
        {hr->RozmAEdit, hr->RozmBEdit, hr->DelkaEdit, hr->PrutokEdit},
        {ku->PrumerEdit, ku->DelkaEdit, ku->PrutokEdit},
        {ob->RozmAEdit, ob->RozmBEdit, ob->RadiusEdit, ob->PrutokEdit},
        {od->OdbA1Edit, od->OdbB1Edit, od->OdbA2Edit, od->OdbB2Edit, od->OdbPrutokEdit,
         od->CelkPrutokEdit, od->RadiusEdit},
        {vy->RozmAEdit, vy->RozmBEdit, vy->PrutokEdit, vy->DruhTlacitka->button(0),
         vy->UmisteniTlacitka->button(0)},
        {tl->RozmAEdit, tl->RozmBEdit, tl->DelkaEdit, tl->prutokEdit, tl->SirkaVlozekComboBox,
         tl->PocetVlozekEdit},
        {vi->PocetEdit},
    };
    for (std::vector<QWidget*> cekane : poradi) {
        QWidget* d = cekane.front()->window();
        SCOPED_TRACE(d->windowTitle().toStdString());
        auto tlacitka = d->findChildren<QPushButton*>();
        for (const char* text : {"OK", "Storno"})
            for (QPushButton* b : tlacitka)
                if (b->text() == QString::fromUtf8(text)) cekane.push_back(b);
        if (d == ob) {
            cekane.push_back(ob->SPlechyRadio);
            cekane.push_back(ob->BezPlechuRadio);
        }
        std::vector<QWidget*> videno = KoloFokusu(cekane);
        EXPECT_EQ(videno, cekane);
    }
}

// Every dialog the table builds: the focus runs through its fields in the
// file's order, then OK and Storno; an element of its kind shown and confirmed
// keeps its inputs, and its description is composed anew.
TEST_F(UiTest, DialogyZTabulkyVratiElement) {
    int dialogu = 0;
    for (const DruhElementu& d : Druhy()) {
        auto* f = qobject_cast<TDruhForm*>(okno->Dialog(d.Kod));
        if (!f) continue;
        ++dialogu;
        SCOPED_TRACE(d.Nazev);
        EXPECT_TRUE(okno->PridatAkce(d.Kod)->isEnabled());
        EXPECT_TRUE(okno->Okno<TVyberTypForm>()->Tlacitko(d.Kod)->isEnabled());
        // The middle of each range at the decimals shown: no value the dialog offers.
        VstupyElementu v = VychoziVstupy(d.Kod);
        const auto stred = [](const VstupDruhu& p) {
            const double k = std::pow(10, p.Desetin);
            return std::round((p.Min + p.Max) / 2 * k) / k;
        };
        std::vector<QWidget*> cekane;
        int i = 0;
        for (const VstupDruhu& p : d.Vstupy) {
            if (p.Forma == FormaVstupu::Popis) continue;
            if (p.Real) *p.Real(v) = stred(p);
            if (p.Cele) *p.Cele(v) = int(stred(p));
            if (p.Rada) {
                p.Rada(v)->fill(stred(p));
                cekane.insert(cekane.end(), f->Pasma(i).pole, f->Pasma(i).pole + PocetPasem);
            } else {
                cekane.push_back(f->Pole(i));
            }
            ++i;
        }
        cekane.push_back(f->findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly));
        ASSERT_TRUE(!d.Kontrola || d.Kontrola(v).empty());
        var.cesta.NajdiElement(var.cesta.Pocet());
        var.cesta.VlozElement();
        var.cesta.Aktualni().Vstupy = v;
        var.cesta.Aktualni().Popis = "přečteno";
        ASSERT_TRUE(SpoctiPrvek(var));
        const int pocet = var.cesta.Pocet();
        Zaznam().Vymaz();
        f->NastavPridat(false);
        f->FormShow();
        f->OKBtnClick();
        EXPECT_TRUE(Zaznam().texty.isEmpty()) << Zaznam().texty.join(" ").toStdString();
        EXPECT_EQ(var.cesta.Pocet(), pocet);
        EXPECT_EQ(var.cesta.Aktualni().Vstupy, v);
        EXPECT_NE(var.cesta.Aktualni().Popis, "přečteno");
        EXPECT_FALSE(var.cesta.Aktualni().Popis.empty());
        EXPECT_EQ(KoloFokusu(cekane), cekane);
    }
    EXPECT_EQ(dialogu, 7); // the circular duct, the several sources and the five new kinds
}

// What the table-built dialogs refuse, and a description as typed.
TEST_F(UiTest, DialogyZTabulkyOdmitnutiAPopis) {
    auto* ob = qobject_cast<TDruhForm*>(okno->Dialog(TypObHrPotrubi));
    auto* ko = qobject_cast<TDruhForm*>(okno->Dialog(TypKomora));
    auto* kl = qobject_cast<TDruhForm*>(okno->Dialog(TypKlapka));
    ASSERT_TRUE(ob && ko && kl);
    const auto pole = [](TDruhForm* f, int i) { return qobject_cast<TMEdit*>(f->Pole(i)); };
    OcekavejOdmitnuti(pole(ob, 2), "24", ZpravaRozsah("Tloušťka obložení", 25, 100));
    OcekavejOdmitnuti(pole(ko, 7), "601", "Posunutí výstupu do strany může být nejvýš 600 mm.");
    OcekavejOdmitnuti(ko->Pasma(9).pole[3], "1.01",
                      ZpravaRozsah("Součinitel pohltivosti obložení 500Hz", 0.01, 1));
    // 500 x 400 mm at 3600 m3/h: 5 m/s, whose velocity pressure is 15 Pa.
    var.vstupy.PosledniB = 0.4, var.vstupy.PosledniPrutok = 3600;
    OcekavejOdmitnuti(pole(kl, 3), "14", "Tlaková ztráta je pro tento průtok příliš malá.");
    ob->NastavPridat(true);
    ob->FormShow();
    for (auto [i, t] : {std::pair{0, "500"}, {1, "250"}, {2, "50"}, {3, "3"}, {4, "2000"}})
        Napis(pole(ob, i), t);
    ob->OKBtnClick();
    ASSERT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(var.cesta.Aktualni().Popis, "500x250mm, obložení 50mm, délka 3m, průtok 2000m3/hod");
    EXPECT_EQ(var.cesta.Aktualni().Vstup<VstupyObHrPotrubi>(),
              (VstupyObHrPotrubi{500, 250, 50, 3, 2000}));
    kl->NastavPridat(true);
    kl->FormShow();
    qobject_cast<QComboBox*>(kl->Pole(4))->setCurrentIndex(0);
    kl->OKBtnClick();
    // The damper is offered the duct's section and flow.
    EXPECT_EQ(var.cesta.Aktualni().Popis,
              "500x250mm, jednolistá, průtok 2000m3/hod, tlaková ztráta 50Pa");
}
