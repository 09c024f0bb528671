#include <QAction>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include "Pomocnik.h"
#include "io/DataSoubor.h"
#include "ui/dialogy/MistnFrm.h"
#include "ui/dialogy/ObElFrm.h"
#include "ui/dialogy/ZZdrFrm.h"

using namespace drun;

namespace {

class HistorieTest : public UiTest {
  protected:
    // Source, two general elements and Akce, as if just opened: a new history, saved.
    void Zaklad() {
        ZalozVypocet(var);
        var.Akce = "Kancelář";
        PridejObecny(var, "Vstup", 3);
        PridejObecny(var, "Výstup", 5);
        okno->Historie().OznacUlozeno();
        okno->NaplnForm();
        okno->Historie().Nova(true);
    }
    std::string Data() {
        std::string b;
        EXPECT_TRUE(TextDat(var, b));
        return b;
    }
    // Every evaluated level: each element's subtotal and level behind, result, difference.
    std::vector<Spectrum> Urovne() {
        std::vector<Spectrum> u;
        for (int i = 1; i <= var.cesta.Pocet(); ++i)
            u.insert(u.end(), {var.cesta.Prvek(i).Mezisoucet, var.cesta.Prvek(i).ZaElementem});
        u.insert(u.end(), {var.Vysledek, var.Rozdil});
        return u;
    }
    int Zobrazeny() {
        EXPECT_EQ(Seznam()->currentIndex().row() + 1, var.cesta.AktualniCislo());
        EXPECT_EQ(
            Stitek(StitekPanelu::PopisElementu).text().section(QLatin1Char(' '), 0, 0).toInt(),
            var.cesta.AktualniCislo());
        return var.cesta.AktualniCislo();
    }
    TObecElemForm& Obecny() { return *static_cast<TObecElemForm*>(okno->Dialog(TypObecny)); }
    void ZmenObecny(int n, bool pridat, const QString& utlum) {
        Vyber(n);
        Obecny().NastavPridat(pridat);
        Obecny().FormShow();
        Napis(Obecny().Utl.pole[0], utlum);
        Obecny().OKBtnClick();
    }
    void ZmenAkci(const QString& t) {
        AkceEdit()->setText(t);
        okno->AkceEditExit();
    }
};

} // namespace

TEST_F(HistorieTest, KazdyKrokZpetAZnovu) {
    struct Krok {
        const char* text;
        int zobrazenyPred, zobrazenyPo;
        std::function<void()> proved;
    };
    const std::vector<Krok> kroky = {
        {"Přidat element 3", 2, 3, [this] { ZmenObecny(2, true, "33"); }},
        {"Změnit element 2", 2, 2, [this] { ZmenObecny(2, false, "44"); }},
        {"Vypustit element 2", 2, 1,
         [this] {
             Vyber(2);
             okno->VypustitElementClick();
         }},
        {"Změnit zdroj drunu", 3, 1,
         [this] {
             Vyber(3);
             okno->Okno<TZadZdrojForm>()->FormShow();
             Napis(okno->Okno<TZadZdrojForm>()->Zdroj.pole[0], "95");
             okno->Okno<TZadZdrojForm>()->OKBtnClick();
         }},
        {"Změnit akci", 2, 2,
         [this] {
             Vyber(2);
             ZmenAkci("Jiná akce");
         }},
        // The room's tables are in the file too.
        {"Přidat element 4", 3, 4,
         [this] {
             Vyber(3);
             auto* m = static_cast<TMistnostForm*>(okno->Dialog(TypMistnost));
             m->NastavPridat(true);
             m->FormShow();
             Napis(m->SoucPohl.pole[2], "0.55");
             m->OKBtnClick();
             EXPECT_FALSE(okno->PridatAkce(TypMistnost)->isEnabled());
         }},
    };
    for (const Krok& k : kroky) {
        SCOPED_TRACE(k.text);
        Zaklad();
        Vyber(k.zobrazenyPred);
        const std::string pred = Data();
        const auto urovnePred = Urovne();
        EXPECT_FALSE(okno->Akce(Prikaz::Zpet)->isEnabled());
        k.proved();
        EXPECT_EQ(okno->Akce(Prikaz::Zpet)->text(),
                  QStringLiteral("Zpět: ") + QString::fromUtf8(k.text));
        EXPECT_FALSE(okno->Ulozeno());
        const std::string po = Data();
        const auto urovnePo = Urovne();
        ASSERT_NE(po, pred);
        EXPECT_EQ(Zobrazeny(), k.zobrazenyPo);

        okno->ZpetItemClick();
        EXPECT_EQ(Data(), pred);
        EXPECT_EQ(Urovne(), urovnePred);
        EXPECT_EQ(Zobrazeny(), k.zobrazenyPred);
        EXPECT_EQ(AkceEdit()->text(), "Kancelář");
        EXPECT_TRUE(okno->Ulozeno());
        EXPECT_TRUE(okno->PridatAkce(TypMistnost)->isEnabled());
        EXPECT_EQ(okno->Akce(Prikaz::Znovu)->text(),
                  QStringLiteral("Znovu: ") + QString::fromUtf8(k.text));

        okno->ZnovuItemClick();
        EXPECT_EQ(Data(), po);
        EXPECT_EQ(Urovne(), urovnePo);
        EXPECT_EQ(Zobrazeny(), k.zobrazenyPo);
        EXPECT_FALSE(okno->Ulozeno());
    }
}

TEST_F(HistorieTest, UlozenoPodleHistorie) {
    Zaklad();
    EXPECT_EQ(okno->menuBar()->actions().value(1)->menu()->actions().value(0),
              okno->Akce(Prikaz::Zpet));
    EXPECT_EQ(okno->Akce(Prikaz::Zpet)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(okno->Akce(Prikaz::Znovu)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    ZmenAkci("A");
    VyberSoubor(slozka.filePath(QStringLiteral("H.DRN")));
    okno->SaveItemClick();
    EXPECT_TRUE(okno->Ulozeno());
    ZmenAkci("B");
    EXPECT_FALSE(okno->Ulozeno());
    ZmenAkci("B"); // no change, no step
    EXPECT_EQ(okno->Historie().PocetKroku(), 2);
    // Back to the saved state, before it, and forward again.
    const struct {
        bool zpet;
        const char* akce;
        bool ulozeno;
    } cesta[] = {
        {true, "A", true}, {true, "Kancelář", false}, {false, "A", true}, {false, "B", false}};
    for (const auto& c : cesta) {
        c.zpet ? okno->ZpetItemClick() : okno->ZnovuItemClick();
        EXPECT_EQ(var.Akce, c.akce);
        EXPECT_EQ(okno->Ulozeno(), c.ulozeno) << c.akce;
    }
    // Text still being typed into Akce is its own step, undone first.
    AkceEdit()->setText("C");
    okno->ZpetItemClick();
    EXPECT_EQ(var.Akce, "B");
    EXPECT_FALSE(okno->Akce(Prikaz::Znovu)->text().isEmpty());

    // "Nový" and opening a file start a new history.
    okno->NovyVypocet();
    EXPECT_EQ(okno->Historie().PocetKroku(), 0);
    EXPECT_FALSE(okno->Akce(Prikaz::Zpet)->isEnabled());
    ZmenAkci("D");
    okno->OtevriSoubor(slozka.filePath(QStringLiteral("H.DRN")));
    EXPECT_EQ(okno->Historie().PocetKroku(), 0);
    EXPECT_TRUE(okno->Ulozeno());
    EXPECT_EQ(okno->Akce(Prikaz::Zpet)->text(), "Zpět");

    // Nový over unsaved work: a step of the new calculation undone never makes it look saved.
    ZmenAkci("E");
    okno->NovyVypocet();
    EXPECT_FALSE(okno->Ulozeno());
    ZmenAkci("F");
    okno->ZpetItemClick();
    EXPECT_FALSE(okno->Ulozeno());
}

TEST_F(HistorieTest, OkBezZmenyNeniKrok) {
    const std::vector<std::pair<const char*, std::function<void()>>> beze_zmeny = {
        {"element", [this] { ZmenObecny(2, false, "3"); }},
        {"zdroj",
         [this] {
             okno->Okno<TZadZdrojForm>()->FormShow();
             okno->Okno<TZadZdrojForm>()->OKBtnClick();
         }},
        {"akce", [this] { ZmenAkci("Kancelář"); }},
    };
    for (const auto& [co, proved] : beze_zmeny) {
        SCOPED_TRACE(co);
        Zaklad();
        proved();
        EXPECT_EQ(okno->Historie().PocetKroku(), 0);
        EXPECT_TRUE(okno->Ulozeno());
        EXPECT_EQ(Titulek(*okno), "DRUN");
    }
}

TEST_F(HistorieTest, StoKrokuZpet) {
    Zaklad();
    for (int i = 1; i <= 120; ++i)
        ZmenAkci(QString::number(i));
    for (int i = 0; i < 100; ++i)
        okno->ZpetItemClick();
    EXPECT_EQ(var.Akce, "20");
    for (int i = 0; i < 100; ++i)
        okno->ZnovuItemClick();
    EXPECT_EQ(var.Akce, "120");
}
