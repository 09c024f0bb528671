#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "Pomocnik.h"
#include "core/Cisla.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/ZZdrFrm.h"
#include "ui/hlavni/Napoveda.h"
#include "ui/nastroje/AkTlakFrm.h"
#include "ui/nastroje/PrevFrm.h"

using namespace drun;

namespace {

QStringList TextyPoli(const RadekPasem& r) {
    QStringList s;
    for (TMDoubleEdit* f : r.pole)
        s << f->text();
    return s;
}

QStringList TextyLbl(const std::array<QLabel*, 8>& r) {
    QStringList s;
    for (QLabel* l : r)
        s << l->text();
    return s;
}

} // namespace

TEST_F(UiTest, PomuckyJsouVNabidce) {
    EXPECT_TRUE(okno->Akce(Prikaz::PrevodLx)->isEnabled());
    EXPECT_TRUE(okno->Akce(Prikaz::PrevodTlaku)->isEnabled());
    EXPECT_TRUE(okno->Akce(Prikaz::Napoveda)->isEnabled());
    EXPECT_EQ(okno->Akce(Prikaz::Napoveda)->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_FALSE(okno->Okno<TAkTlakForm>()->isModal());
    EXPECT_FALSE(okno->Okno<TPrevodForm>()->isModal());
    EXPECT_EQ(okno->Okno<TAkTlakForm>()->windowTitle(),
              "Převod akustického tlaku podle vzdálenosti");
    EXPECT_EQ(okno->Okno<TPrevodForm>()->windowTitle(), "Převod");
}

TEST_F(UiTest, AkTlakZacinaZdrojemAPamatujeSiVzdalenosti) {
    Zdroj(*okno, {80, 80, 80, 80, 80, 80, 80, 80});
    TAkTlakForm* d = okno->Okno<TAkTlakForm>();
    okno->Akce(Prikaz::PrevodTlaku)->trigger();
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(TextyPoli(d->AkTlak1Hodn), QStringList(8, "80.0"));
    EXPECT_EQ(d->Vzd1Edit->text(), "1.0");
    EXPECT_EQ(d->Vzd2Edit->text(), "2.0");
    EXPECT_EQ(d->AkTlak1LALbl->text(), "87.0");
    EXPECT_EQ(TextyLbl(d->AkTlak2Hodn), QStringList(8, "74.0")); // 6.0 dB less
    EXPECT_EQ(d->AkTlak2LALbl->text(), "81.0");

    Napis(d->Vzd2Edit, "100");
    d->OKBtnClick();
    EXPECT_EQ(TextyLbl(d->AkTlak2Hodn), QStringList(8, "40.0"));
    d->StornoBtnClick();
    EXPECT_FALSE(d->isVisible());

    // The source changed meanwhile: the new spectrum, the old distances.
    Zdroj(*okno, {90, 30, 45, 90, 90, 90, 90, 90});
    okno->Akce(Prikaz::PrevodTlaku)->trigger();
    EXPECT_EQ(TextyPoli(d->AkTlak1Hodn),
              QStringList({"90.0", "30.0", "45.0", "90.0", "90.0", "90.0", "90.0", "90.0"}));
    EXPECT_EQ(d->Vzd1Edit->text(), "1.0");
    EXPECT_EQ(d->Vzd2Edit->text(), "100.0");
    EXPECT_EQ(TextyLbl(d->AkTlak2Hodn),
              QStringList({"50.0", "0.0", "5.0", "50.0", "50.0", "50.0", "50.0", "50.0"}));
    EXPECT_EQ(d->AkTlak1LALbl->text(),
              QString::fromStdString(FormatHodnota(var.cesta.Prvni().VlastniDrun[LA])));
    // the tool computes nothing in the calculation
    EXPECT_EQ(var.cesta.Pocet(), 1);
    EXPECT_EQ(Texty(RadekPanelu::Vysledek)[0], "90.0");
    EXPECT_TRUE(Zaznam().texty.isEmpty());
}

TEST_F(UiTest, AkTlakZnackyPoPsani) {
    TAkTlakForm* d = okno->Okno<TAkTlakForm>();
    Zdroj(*okno, {60, 60, 60, 60, 60, 60, 60, 60});
    okno->Akce(Prikaz::PrevodTlaku)->trigger();
    Napis(d->AkTlak1Hodn.pole[3], "70");
    QStringList cekane(8, "54.0");
    cekane[3] = "???";
    EXPECT_EQ(TextyLbl(d->AkTlak2Hodn), cekane);
    EXPECT_EQ(d->AkTlak1LALbl->text(), "nevím");
    EXPECT_EQ(d->AkTlak2LALbl->text(), "nevím");

    // A distance marks only the output L(A).
    d->OKBtnClick();
    Napis(d->Vzd1Edit, "4");
    EXPECT_EQ(d->AkTlak2LALbl->text(), "nevím");
    EXPECT_EQ(d->AkTlak2Hodn[3]->text(), "64.0");
    EXPECT_NE(d->AkTlak1LALbl->text(), "nevím");
    d->OKBtnClick(); // 4 m -> 2 m raises by 6.0 dB
    EXPECT_EQ(d->AkTlak2Hodn[0]->text(), "66.0");
    EXPECT_EQ(d->AkTlak2Hodn[3]->text(), "76.0");
    EXPECT_EQ(d->Stav().Vzd1, 4);
}

TEST_F(UiTest, AkTlakVseNeprevadi) {
    TAkTlakForm* d = okno->Okno<TAkTlakForm>();
    okno->Akce(Prikaz::PrevodTlaku)->trigger();
    ASSERT_EQ(d->AkTlak2Hodn[0]->text(), "0.0");
    Napis(d->AkTlak1Hodn.pole[0], "85");
    d->VseBtnClick();
    QStringList pole(8, "85.0");
    pole[0] = "85";
    EXPECT_EQ(TextyPoli(d->AkTlak1Hodn), pole);
    EXPECT_EQ(d->AkTlak1LALbl->text(), "92.0");
    QStringList vystup(8, "???"); // typing into 63 Hz marked that one before
    EXPECT_EQ(TextyLbl(d->AkTlak2Hodn), vystup);
    EXPECT_EQ(d->AkTlak2LALbl->text(), "nevím");

    d->OKBtnClick();
    EXPECT_EQ(TextyLbl(d->AkTlak2Hodn), QStringList(8, "79.0"));
    // Same value again: the texts do not change, the marks still appear,
    // and the 63 Hz output keeps its value.
    d->VseBtnClick();
    vystup[0] = "79.0";
    EXPECT_EQ(TextyLbl(d->AkTlak2Hodn), vystup);
    EXPECT_EQ(d->AkTlak2LALbl->text(), "nevím");
}

TEST_F(UiTest, AkTlakSpatnyVstupNicNemeni) {
    TAkTlakForm* d = okno->Okno<TAkTlakForm>();
    okno->Akce(Prikaz::PrevodTlaku)->trigger();
    struct Radek {
        TMDoubleEdit* pole;
        const char* text;
        const char* hlaseni;
    };
    const Radek tab[] = {
        {d->Vzd1Edit, "0.5", "První vzdálenost: zadejte číslo od 1 do 100."},
        {d->Vzd2Edit, "100.5", "Druhá vzdálenost: zadejte číslo od 1 do 100."},
        {d->Vzd2Edit, "1,5x", "V poli není číslo!"},
        {d->AkTlak1Hodn.pole[7], "151", "Akustický tlak 8kHz: zadejte číslo od 0 do 150."},
        {d->AkTlak1Hodn.pole[0], "abc", "V poli není číslo!"},
    };
    for (const Radek& r : tab) {
        d->FormShow();
        const AkTlakStav pred = d->Stav();
        Zaznam().Vymaz();
        Napis(r.pole, r.text);
        d->OKBtnClick();
        EXPECT_EQ(Zaznam().texty, QStringList{r.hlaseni}) << r.text;
        EXPECT_EQ(d->Stav().Vstup, pred.Vstup);
        EXPECT_EQ(d->Stav().Vystup, pred.Vystup);
        EXPECT_EQ(d->Stav().Vzd1, pred.Vzd1);
        EXPECT_EQ(d->Stav().Vzd2, pred.Vzd2);
    }
    // Vše-> validates the 63 Hz text it copies.
    d->FormShow();
    Zaznam().Vymaz();
    Napis(d->AkTlak1Hodn.pole[0], "200");
    d->VseBtnClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Akustický tlak 63Hz: zadejte číslo od 0 do 150."});
    EXPECT_EQ(d->AkTlak1Hodn.pole[1]->text(), "0.0");
}

TEST_F(UiTest, PrevodVahyAZnacky) {
    TPrevodForm* d = okno->Okno<TPrevodForm>();
    okno->Akce(Prikaz::PrevodLx)->trigger();
    ASSERT_TRUE(d->isVisible());
    EXPECT_EQ(TextyPoli(d->Hodn), QStringList(8, "0"));
    EXPECT_EQ(d->LxLbl->text(), "L(x)"); // A is checked, but not yet chosen
    EXPECT_EQ(d->VyslLxLbl->text(), "7.0");
    EXPECT_EQ(TextyLbl(d->Kor),
              QStringList({"-26.2", "-16.1", "-8.6", "-3.2", "0.0", "1.2", "1.0", "-1.1"}));

    Napis(d->Hodn.pole[1], "60");
    EXPECT_EQ(d->VyslLxLbl->text(), "nevím");
    d->OKBtnClick();
    EXPECT_EQ(d->VyslLxLbl->text(), "43.9");

    struct Radek {
        int vazeni;
        const char* nazev;
        const char* vysledek;
        QStringList korekce;
    };
    const Radek tab[] = {
        {1, "L(B)", "55.8", {"-9.3", "-4.2", "-1.3", "-0.3", "0.0", "-0.1", "-0.7", "-2.9"}},
        {2, "L(C)", "59.8", {"-0.8", "-0.2", "0.0", "0.0", "0.0", "-0.2", "-0.8", "-3.0"}},
        {0, "L(A)", "43.9", {"-26.2", "-16.1", "-8.6", "-3.2", "0.0", "1.2", "1.0", "-1.1"}},
    };
    for (const Radek& r : tab) {
        d->PrevodRadioGroup->button(r.vazeni)->click();
        EXPECT_EQ(d->LxLbl->text(), r.nazev);
        EXPECT_EQ(d->VyslLxLbl->text(), r.vysledek);
        EXPECT_EQ(TextyLbl(d->Kor), r.korekce);
    }

    // A switch converts at once with the levels as typed.
    Napis(d->Hodn.pole[1], "0");
    Napis(d->Hodn.pole[4], "80");
    d->PrevodRadioGroup->button(2)->click();
    EXPECT_EQ(d->VyslLxLbl->text(), "80.0");
    EXPECT_TRUE(Zaznam().texty.isEmpty());

    // Everything stays for the next opening.
    d->StornoBtnClick();
    EXPECT_FALSE(d->isVisible());
    okno->Akce(Prikaz::PrevodLx)->trigger();
    EXPECT_EQ(d->LxLbl->text(), "L(C)");
    EXPECT_TRUE(d->PrevodRadioGroup->button(2)->isChecked());
    EXPECT_EQ(d->Hodn.pole[4]->text(), "80");
    EXPECT_EQ(d->VyslLxLbl->text(), "80.0");
}

TEST_F(UiTest, PrevodSpatnaHodnotaNechaNevim) {
    TPrevodForm* d = okno->Okno<TPrevodForm>();
    okno->Akce(Prikaz::PrevodLx)->trigger();
    Napis(d->Hodn.pole[2], "12abc");
    d->OKBtnClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"V poli není číslo!"});
    EXPECT_EQ(d->VyslLxLbl->text(), "nevím");
    Zaznam().Vymaz();
    d->PrevodRadioGroup->button(1)->click();
    EXPECT_EQ(Zaznam().texty, QStringList{"V poli není číslo!"});
    EXPECT_EQ(d->LxLbl->text(), "L(B)");
    EXPECT_EQ(d->VyslLxLbl->text(), "nevím");
    Napis(d->Hodn.pole[2], "150");
    d->OKBtnClick();
    EXPECT_EQ(d->VyslLxLbl->text(), "148.7");
}

TEST_F(UiTest, NapovedaOteviraObsah) {
    TNapovedaForm* n = okno->Okno<TNapovedaForm>();
    okno->Akce(Prikaz::Napoveda)->trigger();
    ASSERT_TRUE(n->isVisible());
    EXPECT_EQ(n->Stranka->source(), TNapovedaForm::Obsah());
    const QString obsah = n->Stranka->toPlainText();
    for (const char* t : {"Obsah", "Zdroj drunu", "Kulisový tlumič drunu", "Místnost", "N křivky",
                          "Tisk protokolu", "Pomůcky"})
        EXPECT_TRUE(obsah.contains(QString::fromUtf8(t))) << t;

    n->Stranka->setSource(QUrl(QStringLiteral("qrc:/napoveda/tlumic.html")));
    EXPECT_TRUE(n->Stranka->toPlainText().contains("KL385216.CAD"));
    okno->Akce(Prikaz::Napoveda)->trigger(); // again at the contents page
    EXPECT_EQ(n->Stranka->source(), TNapovedaForm::Obsah());
}

TEST_F(UiTest, F1OteviraNapovedu) {
    okno->show();
    okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno.get()));
    okno->Okno<TNapovedaForm>()->Stranka->setSource(
        QUrl(QStringLiteral("qrc:/napoveda/mistnost.html")));
    QTest::keyClick(okno.get(), Qt::Key_F1);
    EXPECT_TRUE(okno->Okno<TNapovedaForm>()->isVisible());
    EXPECT_EQ(okno->Okno<TNapovedaForm>()->Stranka->source(), TNapovedaForm::Obsah());
}

TEST_F(UiTest, NapovedaOdkazyVedouNaStranky) {
    (void)okno->Okno<TNapovedaForm>(); // the window loads the pages
    const QStringList stranky = QDir(QStringLiteral(":/napoveda")).entryList({"*.html"});
    ASSERT_GE(stranky.size(), 15);
    QSet<QString> odkazovane;
    const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
    for (const QString& s : stranky) {
        QFile f(QStringLiteral(":/napoveda/") + s);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << s.toStdString();
        const QString html = QString::fromUtf8(f.readAll());
        EXPECT_FALSE(html.contains(QChar::ReplacementCharacter)) << s.toStdString();
        if (s != "obsah.html") {
            EXPECT_TRUE(html.contains("href=\"obsah.html\"")) << s.toStdString();
        }
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString cil = it.next().captured(1);
            EXPECT_TRUE(stranky.contains(cil)) << s.toStdString() << " -> " << cil.toStdString();
            odkazovane.insert(cil);
        }
    }
    for (const QString& s : stranky) {
        if (s != "obsah.html") {
            EXPECT_TRUE(odkazovane.contains(s)) << s.toStdString();
        }
    }
}

// Opening a tool that is already open only brings it forward: what was typed
// stays; the next opening after closing starts from the source again.
TEST_F(UiTest, OtevreneOknoNastrojeSeJenPrinese) {
    Zdroj(*okno, {60, 60, 60, 60, 60, 60, 60, 60});
    TAkTlakForm* d = okno->Okno<TAkTlakForm>();
    d->Otevri();
    ASSERT_TRUE(d->isVisible());
    Napis(d->AkTlak1Hodn.pole[0], "70");
    d->Otevri();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->AkTlak1Hodn.pole[0]->text(), "70");
    d->StornoBtnClick();
    d->Otevri();
    EXPECT_EQ(d->AkTlak1Hodn.pole[0]->text(), "60.0");
    d->StornoBtnClick();
}
