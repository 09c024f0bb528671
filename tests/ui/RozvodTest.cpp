// "Přehled rozvodu": a rozvod file's rooms in the project's table, and the exports.
#include <QListWidget>
#include <QTableWidget>
#include <limits>

#include "Pomocnik.h"
#include "core/Soubory.h"
#include "io/Pomocnik.h"
#include "io/RozvodSoubor.h"
#include "ui/dialogy/TextHodnoty.h"
#include "ui/nastroje/ProjektFrm.h"
#include "ui/nastroje/RozvodFrm.h"
#include "ui/tisk/GrafPrvky.h"

using namespace drun;

namespace {

class RozvodOkno : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        o = okno->Okno<TRozvodForm>();
        soubor = Cesta("dům.DRR");
        ASSERT_TRUE(UlozRozvod(NahodnyRozvod(7, 14), soubor.toStdString()).Ok());
        okno->Akce(Prikaz::Rozvod)->trigger();
        ASSERT_TRUE(o->isVisible());
        ASSERT_TRUE(o->OtevriRozvod(soubor));
    }
    void TearDown() override {
        o->close();
        UiTest::TearDown();
    }
    QString Cesta(const QString& jmeno) { return slozka.path() + "/" + jmeno; }
    // The table's texts, row by row as shown.
    std::vector<std::vector<std::string>> Texty() {
        std::vector<std::vector<std::string>> t;
        for (int r = 0; r < o->MistnostiListBox->rowCount(); ++r) {
            t.emplace_back();
            for (int s = 0; s < TProjektForm::PocetSloupcu; ++s)
                t.back().push_back(o->MistnostiListBox->item(r, s)->text().toStdString());
        }
        return t;
    }
    // What drun-protokol --rozvod computes from the file as it is now.
    PrehledRozvodu PrehledSouboru() {
        Rozvod r;
        EXPECT_TRUE(NactiRozvod(soubor.toStdString(), var.SouborTlumice, r).Ok());
        return SpoctiPrehledRozvodu(r);
    }
    TRozvodForm* o = nullptr;
    QString soubor;
};

} // namespace

TEST_F(RozvodOkno, TabulkaJakoPrikazovaRadkaAObnoveni) {
    const PrehledRozvodu pr = PrehledSouboru();
    const auto radky = RadkyPrehledu(pr.Mistnosti, pr.Prehled);
    ASSERT_EQ(pr.Chyb, 0);
    ASSERT_GT(pr.Prehled.Nevyhovi, 0);
    const auto texty = Texty();
    ASSERT_EQ(texty.size() + 2, radky.size()); // the header and the "Nevyhoví" line
    // Every room's row as the command line's; the worst margin first, rooms without a
    // requirement last.
    double predchozi = -std::numeric_limits<double>::infinity();
    bool bezPozadavku = false;
    for (int r = 0; r < static_cast<int>(texty.size()); ++r) {
        const int m = o->MistnostRadku(r);
        ASSERT_GE(m, 0);
        EXPECT_EQ(texty[static_cast<size_t>(r)], radky[static_cast<size_t>(m) + 1]);
        const PrehledMistnosti& pm = pr.Prehled.Mistnosti[static_cast<size_t>(m)];
        if (pm.Pasmo < 0) {
            bezPozadavku = true;
            continue;
        }
        EXPECT_FALSE(bezPozadavku) << r;
        EXPECT_GE(pm.Rezerva, predchozi) << r;
        predchozi = pm.Rezerva;
        EXPECT_TRUE(texty[static_cast<size_t>(r)][TProjektForm::SloupecCesta].starts_with("úsek "));
        const QTableWidgetItem* stav = o->MistnostiListBox->item(r, TProjektForm::SloupecStav);
        EXPECT_EQ(stav->foreground().color() == BarvaPrekroceni,
                  pm.Stav == StavMistnosti::Nevyhovi);
    }
    // The selected room's sections, each with its level.
    o->VyberMistnost(0);
    const MistnostRozvodu& m0 = o->Sit().Mistnosti()[0];
    ASSERT_EQ(o->UsekyListBox->count(), static_cast<int>(m0.Useky.size()));
    EXPECT_EQ(o->UsekyListBox->item(0)->text(),
              QString::fromStdString(NazevUseku(o->Sit().Useky()[m0.Useky[0]].Id)) + " – L(A) " +
                  Text(o->Sit().Konec(m0.Useky[0])[LA]));

    // A damaged file is refused naming it and why; nothing changes, on opening or
    // on "Obnovit" of the open one.
    std::string bajty;
    CtiSoubor(soubor.toStdString(), bajty);
    const QString zly = Cesta("zlý.DRR");
    const std::string poskozene =
        bajty.substr(0, bajty.find("[USEK]\r\nId=2")) + "[USEK]\r\nId=x\r\n";
    for (const QString& f : {zly, soubor}) {
        ASSERT_TRUE(ZapisAtomicky(f.toStdString(), poskozene));
        Rozvod r;
        const std::string proc = NactiRozvod(f.toStdString(), var.SouborTlumice, r).Zprava;
        EXPECT_NE(proc.find(f.toStdString()), std::string::npos) << proc;
        Zaznam().Vymaz();
        EXPECT_FALSE(f == zly ? o->OtevriRozvod(f) : o->Obnov());
        EXPECT_EQ(Zaznam().texty, QStringList{QString::fromStdString(proc)});
        EXPECT_EQ(Texty(), texty);
        EXPECT_EQ(o->Soubor(), soubor);
        EXPECT_EQ(o->VybranaMistnost(), 0);
    }
    // "Obnovit" shows the file as changed meanwhile, the same room selected by its name
    // (a room both files have, at another place in each).
    Rozvod zmeneny;
    int pred = -1, po = -1;
    for (unsigned seed = 8; seed < 40 && pred < 0; ++seed) {
        zmeneny = NahodnyRozvod(seed, 8);
        for (size_t k = 0; k < zmeneny.Mistnosti().size() && pred < 0; ++k)
            for (size_t m = 0; m < o->Sit().Mistnosti().size(); ++m)
                if (m != k && o->Sit().Mistnosti()[m].Nazev == zmeneny.Mistnosti()[k].Nazev)
                    pred = static_cast<int>(m), po = static_cast<int>(k);
    }
    ASSERT_GE(pred, 0);
    ASSERT_TRUE(UlozRozvod(zmeneny, soubor.toStdString()).Ok());
    o->VyberMistnost(pred);
    ASSERT_TRUE(o->Obnov());
    EXPECT_EQ(o->VybranaMistnost(), po);
    EXPECT_EQ(o->UsekyListBox->count(),
              static_cast<int>(zmeneny.Mistnosti()[static_cast<size_t>(po)].Useky.size()));
    const PrehledRozvodu nove = PrehledSouboru();
    EXPECT_EQ(o->MistnostiListBox->rowCount(), static_cast<int>(nove.Mistnosti.Mistnosti.size()));
    EXPECT_EQ(o->Prehled().Mistnosti.Mistnosti.size(), nove.Mistnosti.Mistnosti.size());
}

TEST_F(RozvodOkno, ExportPdfACsv) {
    const QString pdf = Cesta("rozvod.pdf"), csv = Cesta("rozvod.csv");
    ASSERT_TRUE(o->ExportujPdf(pdf));
    EXPECT_GE(PocetStran(pdf), 1);
    ASSERT_TRUE(o->ExportujCsv(csv));
    std::string bajty;
    CtiSoubor(csv.toStdString(), bajty);
    EXPECT_EQ(bajty, TabulkaRozvodu(PrehledSouboru(), true));
    // The open rozvod is never written over.
    Zaznam().Vymaz();
    EXPECT_FALSE(o->ExportujCsv(soubor));
    EXPECT_EQ(Zaznam().texty, QStringList{"Soubor " + soubor +
                                          " je otevřen v tomto okně; export by ho přepsal. "
                                          "Zvolte jiný soubor."});
}
