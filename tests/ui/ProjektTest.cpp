// The "Projekt" window: rooms, their paths and requirements, and the exports.
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

#include "Pomocnik.h"
#include "core/Soubory.h"
#include "io/SoucetCest.h"
#include "models/Pomocnik.h"
#include "tools/Pozadavek.h"
#include "ui/dialogy/PozadFrm.h"
#include "ui/nastroje/ProjektFrm.h"
#include "ui/nastroje/SoucetFrm.h"
#include "ui/tisk/GrafPrvky.h"

using namespace drun;

namespace {

class ProjektOkno : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        p = okno->Okno<TProjektForm>();
        for (auto [jmeno, uroven] :
             {std::pair{"pokoj.DRN", 40.0}, {"přívod.DRN", 46.0}, {"odvod.DRN", 46.0}})
            UlozZdrojSam(Cesta(jmeno).toStdString(), uroven, jmeno);
        soubor = Cesta("budova.DRP");
        ASSERT_TRUE(ZapisAtomicky(soubor.toStdString(),
                                  "[DRUN PROJEKT]\r\n"
                                  "[MISTNOST]\r\nNazev=Pokoj\r\nPozadavek=N60\r\n"
                                  "Cesta=pokoj.DRN\r\nCesta=přívod.DRN\r\n"
                                  "[MISTNOST]\r\nNazev=Sál\r\nPozadavek=N30\r\n"
                                  "Cesta=přívod.DRN\r\nCesta=odvod.DRN\r\n[KONEC]\r\n"));
        p->Zobraz();
        ASSERT_TRUE(p->OtevriProjekt(soubor));
    }
    void TearDown() override {
        p->close();
        UiTest::TearDown();
    }
    QString Cesta(const QString& jmeno) { return slozka.path() + "/" + jmeno; }
    QString Bunka(int radek, int sloupec) {
        return p->MistnostiListBox->model()->index(radek, sloupec).data().toString();
    }
    TProjektForm* p = nullptr;
    QString soubor;
};

} // namespace

TEST_F(ProjektOkno, TabulkaUpravyAObnoveni) {
    QTableView* t = p->MistnostiListBox;
    // The room that fails comes first, by its margin.
    ASSERT_EQ(t->model()->rowCount(), 2);
    EXPECT_EQ(Bunka(0, TProjektForm::SloupecNazev), "Sál");
    EXPECT_EQ(Bunka(0, TProjektForm::SloupecRezerva), "-26.1");
    EXPECT_EQ(Bunka(0, TProjektForm::SloupecStav), "nevyhoví");
    EXPECT_EQ(
        t->model()->index(0, TProjektForm::SloupecStav).data(Qt::ForegroundRole).value<QColor>(),
        BarvaPrekroceni);
    EXPECT_EQ(Bunka(1, TProjektForm::SloupecStav), "vyhoví");
    EXPECT_EQ(Bunka(1, TProjektForm::SloupecCesta), "přívod.DRN");
    // Any column sorts.
    t->sortByColumn(TProjektForm::SloupecNazev, Qt::AscendingOrder);
    EXPECT_EQ(Bunka(0, TProjektForm::SloupecNazev), "Pokoj");

    // A name is refused when empty; a room is added with the calculation's requirement.
    Zaznam().Vymaz();
    EXPECT_FALSE(p->PridejMistnost("  "));
    EXPECT_EQ(Zaznam().texty, QStringList{"Název místnosti nesmí být prázdný."});
    EXPECT_FALSE(p->PrejmenujMistnost(0, "a\tb"));
    // Nor one that hides or reorders what it shows.
    Zaznam().Vymaz();
    EXPECT_FALSE(p->PrejmenujMistnost(0, QStringLiteral("Sál\u202E")));
    EXPECT_EQ(Zaznam().texty, QStringList{"Neplatný název místnosti: formátovací znak U+202E."});
    ASSERT_TRUE(p->PridejMistnost("Chodba"));
    EXPECT_EQ(p->VybranaMistnost(), 2);
    EXPECT_EQ(p->Projekt().Mistnosti[2].Pozadavek, TextPozadavku(var.Pozadavek));
    p->PridejCesty({Cesta("odvod.DRN"), Cesta("chybí.DRN")});
    EXPECT_EQ(p->Projekt().Mistnosti[2].Cesty,
              (std::vector<std::string>{"odvod.DRN", "chybí.DRN"}));
    EXPECT_EQ(p->CestyListBox->count(), 2);
    const int r = p->RadekMistnosti(2);
    EXPECT_TRUE(Bunka(r, TProjektForm::SloupecStav).startsWith("chyba: Datový soubor "));
    p->CestyListBox->setCurrentRow(1);
    p->OdebratCestuBtnClick();
    // Its requirement alone, through the requirement dialog.
    PriModalnim([](QWidget* w) {
        auto* d = static_cast<TPozadavekForm*>(w);
        d->PozadRadioGroupClick(1);
        d->NkrivkyComboBoxChange(3); // N20
        d->OKBtnClick();
    });
    p->PozadavekBtnClick();
    EXPECT_EQ(p->Projekt().Mistnosti[2].Pozadavek, "N20");
    EXPECT_EQ(p->Projekt().Mistnosti[1].Pozadavek, "N30");
    ASSERT_TRUE(p->PrejmenujMistnost(2, "Chodba 2"));
    EXPECT_EQ(Titulek(*p), "Projekt – budova.DRP*");
    ASSERT_TRUE(p->UlozProjekt(soubor));
    EXPECT_EQ(Titulek(*p), "Projekt – budova.DRP");
    std::string bajty;
    CtiSoubor(soubor.toStdString(), bajty);
    EXPECT_NE(bajty.find("[MISTNOST]\r\nNazev=Chodba 2\r\nPozadavek=N20\r\nCesta=odvod.DRN\r\n"),
              std::string::npos);

    // A path file changed on disk shows after "Obnovit", not before.
    UlozZdrojSam(Cesta("odvod.DRN").toStdString(), 20, "tišší");
    p->PridejMistnost("Sklad"); // a change of the project alone reads nothing again
    EXPECT_EQ(Bunka(p->RadekMistnosti(1), TProjektForm::SloupecLA), "56.0");
    p->Obnov();
    const int sal = p->RadekMistnosti(1);
    EXPECT_EQ(Bunka(sal, TProjektForm::SloupecCesta), "přívod.DRN");
    EXPECT_EQ(Bunka(sal, TProjektForm::SloupecLA), "53.0");

    // A room opens as its sum, without the current calculation; a path in the main window.
    p->OtevriMistnost(1);
    TSoucetForm* s = okno->Okno<TSoucetForm>();
    EXPECT_FALSE(s->SAktualnim());
    ASSERT_EQ(s->CestyListBox->rowCount(), 2);
    EXPECT_EQ(TextPozadavku(s->Pozadavek()), "N30");
    // From the menu the sum has the current calculation again.
    s->Zobraz();
    EXPECT_TRUE(s->SAktualnim());
    EXPECT_EQ(s->CestyListBox->rowCount(), 3);
    s->close();
    p->OtevriCestu(1, 1);
    EXPECT_EQ(var.Akce, "tišší");

    // Unsaved changes are asked about; "no" keeps the window and the project.
    Zaznam().Vymaz();
    Zaznam().odpovedi = {false};
    EXPECT_FALSE(p->close());
    EXPECT_EQ(Zaznam().texty, QStringList{"Projekt není uložen. Pokračovat bez uložení?"});
    EXPECT_EQ(p->Projekt().Mistnosti.size(), 4u);
    // A damaged project is refused with its line and nothing changes.
    const QString zly = Cesta("zlý.DRP");
    ASSERT_TRUE(ZapisAtomicky(zly.toStdString(), "[DRUN PROJEKT]\r\n[MISTNOST]\r\nNazev=A\r\n"));
    Zaznam().Vymaz();
    EXPECT_FALSE(p->OtevriProjekt(zly));
    EXPECT_EQ(Zaznam().texty.last(),
              "Chyba při čtení souboru projektu " + zly + ", řádek 2: místnost bez požadavku.");
    EXPECT_EQ(p->Projekt().Mistnosti.size(), 4u);
    // A project of the previous version, without its end line, opens with a notice.
    const QString stary = Cesta("starý.DRP");
    ASSERT_TRUE(ZapisAtomicky(stary.toStdString(),
                              "[DRUN PROJEKT]\r\n[MISTNOST]\r\nNazev=A\r\nPozadavek=N30\r\n"));
    Zaznam().Vymaz();
    Zaznam().odpovedi = {true};
    EXPECT_TRUE(p->OtevriProjekt(stary));
    EXPECT_EQ(Zaznam().texty.last(),
              QString::fromStdString(ZpravaBezKonce("projektu", stary.toStdString())));
    EXPECT_EQ(p->Projekt().Mistnosti.size(), 1u);
    // A new project's paths are written relative to where it is saved.
    p->NovyBtnClick();
    ASSERT_TRUE(p->PridejMistnost("Nová"));
    p->PridejCesty({Cesta("odvod.DRN")});
    ASSERT_TRUE(p->UlozProjekt(Cesta("nový.DRP")));
    EXPECT_EQ(p->Projekt().Mistnosti[0].Cesty, std::vector<std::string>{"odvod.DRN"});
}

TEST_F(ProjektOkno, ExportPdfACsv) {
    const QString pdf = Cesta("projekt.pdf"), csv = Cesta("projekt.csv");
    ASSERT_TRUE(p->ExportujPdf(pdf));
    // The overview, then each room's sum with its chart on one page.
    EXPECT_EQ(PocetStran(pdf), 3);
    ASSERT_TRUE(p->ExportujCsv(csv));
    std::string bajty;
    CtiSoubor(csv.toStdString(), bajty);
    EXPECT_EQ(bajty, CsvPrehledu(p->Projekt(), p->Prehled()));
    EXPECT_NE(bajty.find("\r\nSál;2;56,0;"), std::string::npos);
    Zaznam().Vymaz();
    const QString spatne = Cesta("neni/projekt.pdf");
    EXPECT_FALSE(p->ExportujPdf(spatne));
    EXPECT_EQ(Zaznam().texty,
              QStringList{"Projekt se nepodařilo uložit do souboru " + spatne + "."});
    // The open project itself, however spelled, is never written over.
    std::string projekt;
    CtiSoubor(soubor.toStdString(), projekt);
    for (const QString& sam : {soubor, slozka.path() + "/./budova.DRP"}) {
        Zaznam().Vymaz();
        EXPECT_FALSE(p->ExportujCsv(sam));
        EXPECT_EQ(Zaznam().texty, QStringList{"Soubor " + sam +
                                              " je otevřen v tomto okně; export by ho přepsal. "
                                              "Zvolte jiný soubor."});
    }
    std::string potom;
    CtiSoubor(soubor.toStdString(), potom);
    EXPECT_EQ(potom, projekt);
}
