#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "Pomocnik.h"
#include "core/Soubory.h"
#include "models/Pomocnik.h"
#include "ui/dialogy/ObElFrm.h"
#include "ui/dialogy/ZZdrFrm.h"
#include "ui/nastroje/KatalogFrm.h"

using namespace drun;

namespace {

// Answers the next name box with `nazev` (empty: cancels it).
void OdpovezNazev(const QString& nazev) {
    PriModalnim([nazev](QWidget* w) {
        auto* d = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(d, nullptr) << w->metaObject()->className();
        if (nazev.isEmpty()) return d->reject();
        d->setTextValue(nazev);
        d->accept();
    });
}

std::vector<std::string> Nazvy(TKatalog& k, int druh) {
    std::vector<std::string> n;
    for (const PolozkaKatalogu& p : k.Polozky(druh))
        n.push_back(p.Nazev);
    return n;
}

class KatalogTest : public UiTest {
  protected:
    TKatalog& K() { return okno->Katalog(); }
    QString Soubor() const { return slozka.filePath(QStringLiteral("katalog.json")); }
    // The catalogue as another run of the program reads it from the file.
    SeznamKatalogu ZeSouboru() {
        TKatalog jiny(0, 150);
        jiny.NastavSoubor(Soubor());
        return {jiny.Polozky(KatalogZdroj), jiny.Polozky(KatalogElement)};
    }
    SeznamKatalogu Vse() { return {K().Polozky(KatalogZdroj), K().Polozky(KatalogElement)}; }
};

} // namespace

TEST_F(KatalogTest, UlozitZDialoguAVybratDoDialogu) {
    TZadZdrojForm& d = *okno->Okno<TZadZdrojForm>();
    d.FormShow();
    d.ZdrojPopisEdit->setText(QStringLiteral("Ventilátor Řada 315"));
    for (int i = 0; i < PocetPasem; ++i)
        Napis(d.Zdroj.pole[i], QString::number(70 + i) + ".25");
    OdpovezNazev(QStringLiteral("  Ventilátor Řada 315  ")); // as proposed, with stray blanks
    d.DoKataloguBtnClick();
    ASSERT_EQ(Nazvy(K(), KatalogZdroj), std::vector<std::string>{"Ventilátor Řada 315"});
    EXPECT_EQ(K().Polozky(KatalogZdroj)[0].VlastniDrun[7], 77.25);
    EXPECT_EQ(ZeSouboru(), Vse()); // written at once, Czech kept
    std::string json;
    ASSERT_EQ(CtiSoubor(Soubor().toStdString(), json), KodVysledku::Ok);
    EXPECT_NE(json.find("Ventilátor Řada 315"), std::string::npos);

    // Picked into a dialog of the general element's kind? No: each kind its own list.
    okno->Dialog(TypObecny)->FormShow();
    static_cast<TObecElemForm*>(okno->Dialog(TypObecny))->ZKataloguBtnClick();
    EXPECT_EQ(Zaznam().texty.back(), "V katalogu zatím není žádný obecný element.");

    d.NulujBtnClick();
    d.ZdrojPopisEdit->setText(QStringLiteral("jiný"));
    PriModalnim([](QWidget* w) {
        auto* v = qobject_cast<TKatalogVyber*>(w);
        ASSERT_NE(v, nullptr);
        v->Seznam->FiltrEdit->setText(QStringLiteral("xyz"));
        EXPECT_EQ(v->Seznam->SeznamListBox->count(), 0);
        v->Seznam->FiltrEdit->setText(QStringLiteral("řada"));
        ASSERT_EQ(v->Seznam->SeznamListBox->count(), 1);
        EXPECT_EQ(v->Seznam->HodnotyTabulka->item(0, 0)->text(), "70.2"); // shown, not stored
        v->OKBtnClick();
    });
    d.ZKataloguBtnClick();
    EXPECT_EQ(d.ZdrojPopisEdit->text(), "Ventilátor Řada 315");
    EXPECT_EQ(d.Zdroj.pole[0]->text(), "70.25");
    EXPECT_TRUE(d.Zdroj.pole[0]->Neovereno()); // as if typed: validated at OK
    d.OKBtnClick();
    EXPECT_EQ(var.cesta.Prvni().VlastniDrun[0], 70.25);
    EXPECT_EQ(var.cesta.Prvni().Popis, "Ventilátor Řada 315");
}

TEST_F(KatalogTest, ObecnyElementANahrazeniSPotvrzenim) {
    auto& d = *static_cast<TObecElemForm*>(okno->Dialog(TypObecny));
    d.NastavPridat(true);
    d.FormShow();
    d.NazevEdit->setText(QStringLiteral("Tlumič T1"));
    for (int i = 0; i < PocetPasem; ++i) {
        Napis(d.Utl.pole[i], QStringLiteral("10"));
        Napis(d.VlDrun.pole[i], QStringLiteral("20"));
    }
    Napis(d.Utl.pole[3], QStringLiteral("abc")); // refused before anything is asked
    d.DoKataloguBtnClick();
    EXPECT_EQ(Zaznam().texty, QStringList{ZpravaNeniCislo()});
    EXPECT_TRUE(Nazvy(K(), KatalogElement).empty());
    Napis(d.Utl.pole[3], QStringLiteral("10"));
    OdpovezNazev({});
    d.DoKataloguBtnClick(); // cancelled
    EXPECT_TRUE(Nazvy(K(), KatalogElement).empty());
    OdpovezNazev(QStringLiteral("Tlumič T1"));
    d.DoKataloguBtnClick();
    ASSERT_EQ(Nazvy(K(), KatalogElement), std::vector<std::string>{"Tlumič T1"});

    // The same name again: replaced only when confirmed.
    Napis(d.Utl.pole[0], QStringLiteral("12"));
    for (bool ano : {false, true}) {
        Zaznam().Vymaz();
        Zaznam().odpovedi = {ano};
        OdpovezNazev(QStringLiteral("Tlumič T1"));
        d.DoKataloguBtnClick();
        EXPECT_EQ(Zaznam().texty, QStringList{QStringLiteral(
                                      "Položka „Tlumič T1“ už v katalogu je. Nahradit ji?")});
        EXPECT_EQ(K().Polozky(KatalogElement)[0].Utlum[0], ano ? 12 : 10);
        EXPECT_EQ(K().Polozky(KatalogElement).size(), 1u);
    }
    EXPECT_EQ(ZeSouboru(), Vse());
    // A name a calculation file cannot hold is refused.
    Zaznam().Vymaz();
    OdpovezNazev(QStringLiteral("30 m²"));
    d.DoKataloguBtnClick();
    EXPECT_EQ(Zaznam().texty.size(), 1);
    EXPECT_EQ(K().Polozky(KatalogElement).size(), 1u);

    // Picked: the element added carries the values, not a reference.
    d.UtlNulujBtnClick();
    PriModalnim([](QWidget* w) { static_cast<TKatalogVyber*>(w)->OKBtnClick(); });
    d.ZKataloguBtnClick();
    d.OKBtnClick();
    ASSERT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(var.cesta.Prvek(2).Popis, "Tlumič T1");
    EXPECT_EQ(var.cesta.Prvek(2).Utlum[0], 12);
    EXPECT_EQ(var.cesta.Prvek(2).VlastniDrun[7], 20);
}

TEST_F(KatalogTest, PrejmenovatAVypustitVOkne) {
    ASSERT_TRUE(K().Uloz(KatalogZdroj, {"Alfa", {}, Pasma8(80)}));
    ASSERT_TRUE(K().Uloz(KatalogZdroj, {"Beta", {}, Pasma8(81)}));
    ASSERT_TRUE(K().Uloz(KatalogElement, {"Alfa", Pasma8(1), Pasma8(2)})); // other kind, same name
    TKatalogForm& f = *okno->Okno<TKatalogForm>();
    f.FormShow();
    TKatalogSeznam* s = f.Seznamy[KatalogZdroj];
    EXPECT_EQ(s->SeznamListBox->count(), 2);
    s->SeznamListBox->setCurrentRow(0);

    OdpovezNazev(QStringLiteral("Beta")); // taken
    f.PrejmenovatBtnClick();
    EXPECT_EQ(Zaznam().texty, QStringList{QStringLiteral("Položka „Beta“ už v katalogu je.")});
    OdpovezNazev(QStringLiteral("Čtvrtá"));
    f.PrejmenovatBtnClick();
    EXPECT_EQ(Nazvy(K(), KatalogZdroj), (std::vector<std::string>{"Beta", "Čtvrtá"}));
    EXPECT_EQ(s->Vybrany(), "Čtvrtá");
    EXPECT_EQ(K().Najdi(KatalogZdroj, "Čtvrtá")->VlastniDrun, Pasma8(80));

    for (bool ano : {false, true}) {
        Zaznam().Vymaz();
        Zaznam().odpovedi = {ano};
        f.VypustitBtnClick();
        EXPECT_EQ(Zaznam().texty,
                  QStringList{QStringLiteral("Skutečně vypustit z katalogu položku „Čtvrtá“?")});
        EXPECT_EQ(Nazvy(K(), KatalogZdroj).size(), ano ? 1u : 2u);
    }
    EXPECT_EQ(Nazvy(K(), KatalogElement), std::vector<std::string>{"Alfa"});
    EXPECT_EQ(ZeSouboru(), Vse());
}

TEST_F(KatalogTest, ImportSChybnymRadkemAExportZpet) {
    ASSERT_TRUE(K().Uloz(KatalogZdroj, {"Stávající", {}, Pasma8(60)}));
    const QString csv = slozka.filePath(QStringLiteral("vyrobce.csv"));
    std::string obsah = KatalogDoCsv({});
    obsah += "Zdroj drunu;Stávající;61;61;61;61;61;61;61;61;;;;;;;;;;;;;;;;\r\n" // kept as is
             "Obecný element;Klapka K2;;;;;;;;;0,5;1;1,5;2;2;2;2;2;40;38;35;30;25;20;15;10\r\n"
             "Obecný element;Vadný;;;;;;;;;x;1;1;1;1;1;1;1;1;1;1;1;1;1;1;1\r\n"
             "Zdroj drunu;Fan DN 400;88,5;90;91;92;89;85;80;75;;;;;;;;;;;;;;;;\r\n";
    ASSERT_TRUE(ZapisAtomicky(csv.toStdString(), obsah));
    okno->Okno<TKatalogForm>()->FormShow();
    okno->Okno<TKatalogForm>()->Importuj(csv);
    EXPECT_EQ(Zaznam().texty,
              QStringList{QStringLiteral(
                  "Do katalogu přidáno položek: 2.\nVynechané řádky (2):\n"
                  "Řádek 2: položka „Stávající“ už v katalogu je s jinými hodnotami, zůstávají "
                  "původní.\nŘádek 4: „x“ ve sloupci Útlum 63Hz není číslo.")});
    EXPECT_EQ(Nazvy(K(), KatalogZdroj), (std::vector<std::string>{"Fan DN 400", "Stávající"}));
    EXPECT_EQ(K().Najdi(KatalogZdroj, "Stávající")->VlastniDrun, Pasma8(60));
    EXPECT_EQ(K().Najdi(KatalogElement, "Klapka K2")->Utlum[2], 1.5);
    EXPECT_EQ(okno->Okno<TKatalogForm>()->Seznamy[KatalogElement]->SeznamListBox->count(), 1);

    // Exported and read into an empty catalogue: the same entries.
    const QString ven = slozka.filePath(QStringLiteral("ven.csv"));
    ASSERT_TRUE(okno->Okno<TKatalogForm>()->Exportuj(ven));
    const SeznamKatalogu puvodni = Vse();
    K().NastavSoubor(slozka.filePath(QStringLiteral("druhy.json")));
    Zaznam().Vymaz();
    okno->Okno<TKatalogForm>()->Importuj(ven);
    EXPECT_EQ(Zaznam().texty, QStringList{QStringLiteral("Do katalogu přidáno položek: 3.")});
    EXPECT_EQ(Vse(), puvodni);
    // Once more: nothing new, nothing lost.
    okno->Okno<TKatalogForm>()->Importuj(ven);
    EXPECT_EQ(Vse(), puvodni);

    Zaznam().Vymaz();
    okno->Okno<TKatalogForm>()->Importuj(slozka.filePath(QStringLiteral("neni.csv")));
    EXPECT_EQ(Zaznam().texty.size(), 1);
    EXPECT_EQ(Vse(), puvodni);
}

TEST_F(KatalogTest, PoskozenyKatalogSeUschovaPredZapisem) {
    const std::vector<std::string> poskozene = {
        "",
        "{ \"zdroje\": [",
        "[1, 2]",
        R"({"zdroje": {"nazev": "A"}})",
        R"({"zdroje": [{"nazev": "A", "vykon": [1, 2, 3]}]})",
        R"({"zdroje": [{"nazev": "", "vykon": [1,1,1,1,1,1,1,1]}]})",
    };
    for (const std::string& obsah : poskozene) {
        SCOPED_TRACE(obsah);
        Zaznam().Vymaz();
        QFile::remove(Soubor() + ".poskozeny");
        ASSERT_TRUE(ZapisAtomicky(Soubor().toStdString(), obsah));
        K().NastavSoubor(Soubor());
        EXPECT_TRUE(K().Polozky(KatalogZdroj).empty());
        EXPECT_TRUE(K().Polozky(KatalogElement).empty());
        ASSERT_EQ(Zaznam().texty.size(), 1); // once
        EXPECT_TRUE(Zaznam().texty[0].startsWith(QStringLiteral("Soubor katalogu ")));
        EXPECT_FALSE(QFile::exists(Soubor() + ".poskozeny")); // the file stays for the user
        ASSERT_TRUE(K().Uloz(KatalogZdroj, {"Nový", {}, Pasma8(1)}));
        EXPECT_EQ(Zaznam().texty.last(),
                  "Poškozený soubor katalogu byl uschován jako " + Soubor() + ".poskozeny.");
        std::string stranou;
        ASSERT_EQ(CtiSoubor((Soubor() + ".poskozeny").toStdString(), stranou), KodVysledku::Ok);
        EXPECT_EQ(stranou, obsah);
        EXPECT_EQ(ZeSouboru(), Vse());
    }
}

// Two running programs: neither loses the other's entries, and the open
// window's list follows what the other one stored.
TEST_F(KatalogTest, DveOknaSdilejiKatalog) {
    TKatalog jiny(0, 150);
    jiny.NastavSoubor(Soubor());
    TKatalogForm& f = *okno->Okno<TKatalogForm>();
    f.FormShow();
    ASSERT_TRUE(jiny.Uloz(KatalogZdroj, {"Jinde", {}, Pasma8(50)}));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return f.Seznamy[KatalogZdroj]->SeznamListBox->count() == 1; }));
    ASSERT_TRUE(K().Uloz(KatalogZdroj, {"Tady", {}, Pasma8(60)}));
    EXPECT_EQ(Nazvy(jiny, KatalogZdroj), (std::vector<std::string>{"Jinde"})); // not yet seen
    ASSERT_TRUE(jiny.Uloz(KatalogElement, {"Klapka", Pasma8(1), Pasma8(2)}));
    EXPECT_EQ(Nazvy(jiny, KatalogZdroj), (std::vector<std::string>{"Jinde", "Tady"}));
    EXPECT_EQ(ZeSouboru(),
              (SeznamKatalogu{jiny.Polozky(KatalogZdroj), jiny.Polozky(KatalogElement)}));
    K().Obnov();
    EXPECT_EQ(ZeSouboru(), Vse());
}

// The catalogue of earlier versions, a folder deeper, is moved once and never
// over a catalogue already in the new place.
TEST_F(KatalogTest, JednaSlozkaDat) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString novy = data + "/drun/katalog.json", stary = data + "/drun/DRUN/katalog.json";
    for (bool uzJe : {false, true}) {
        SCOPED_TRACE(uzJe);
        QDir(data + "/drun").removeRecursively();
        ASSERT_TRUE(QDir().mkpath(data + "/drun/DRUN"));
        ASSERT_TRUE(ZapisAtomicky(stary.toStdString(), "starý"));
        ASSERT_TRUE(!uzJe || ZapisAtomicky(novy.toStdString(), "nový"));
        EXPECT_EQ(TKatalog::VychoziSoubor(), novy);
        std::string obsah;
        ASSERT_EQ(CtiSoubor(novy.toStdString(), obsah), KodVysledku::Ok);
        EXPECT_EQ(obsah, uzJe ? "nový" : "starý");
        EXPECT_EQ(QFile::exists(stary), uzJe);
        EXPECT_EQ(QFileInfo::exists(data + "/drun/DRUN"), uzJe); // nothing else was there
    }
    QDir(data + "/drun").removeRecursively();
}
