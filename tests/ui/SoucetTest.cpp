// The "Součet cest" window: its rows, the sum's own requirement and the set file.
#include <QChart>
#include <QComboBox>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>

#include "Pomocnik.h"
#include "core/Cisla.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/SoucetCest.h"
#include "models/Pomocnik.h"
#include "models/Zdroj.h"
#include "tools/Pozadavek.h"
#include "tools/Soucet.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/PozadFrm.h"
#include "ui/nastroje/SoucetFrm.h"

using namespace drun;

namespace {

class SoucetOkno : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        s = okno->Okno<TSoucetForm>();
        NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 60);
        okno->PrepocitejOd(1);
        s->Zobraz();
    }
    void TearDown() override {
        s->close();
        UiTest::TearDown();
    }
    // A calculation file of the source alone, all bands at `uroven`.
    QString Vypocet(const QString& jmeno, double uroven, const std::string& akce = "Přívod") {
        const QString cesta = slozka.path() + "/" + jmeno;
        UlozZdrojSam(cesta.toStdString(), uroven, akce);
        return cesta;
    }
    QString Bunka(QTableWidget* t, int r, int c) {
        return t->item(r, c) ? t->item(r, c)->text() : QString();
    }
    QString Soucet(int pasmo) {
        return Bunka(s->SoucetListBox, TSoucetForm::RadekSoucet, TSoucetForm::SloupecPasma + pasmo);
    }
    TSoucetForm* s = nullptr;
};

} // namespace

// The open calculation's own file added: marked, and summed once only.
TEST_F(SoucetOkno, VlastniSouborSeNecitaDvakrat) {
    const QString tento = Vypocet("Tento.DRN", 60);
    okno->OtevriSoubor(tento);
    s->PridejSoubory({tento});
    ASSERT_EQ(s->CestyListBox->rowCount(), 2);
    EXPECT_EQ(Bunka(s->CestyListBox, 1, TSoucetForm::SloupecAkce), "aktuální výpočet");
    EXPECT_EQ(Soucet(0), "60.0");
    // Saved elsewhere, the calculation is another file: both count.
    ASSERT_TRUE(okno->Dokument().Uloz(slozka.filePath("Jiny.DRN")).Ok());
    EXPECT_EQ(Bunka(s->CestyListBox, 1, TSoucetForm::SloupecAkce), "Přívod");
    EXPECT_EQ(Soucet(0), "63.0");
}

TEST_F(SoucetOkno, ZivyPrvniRadekPridaniAOdebrani) {
    QTableWidget* t = s->CestyListBox;
    ASSERT_EQ(t->rowCount(), 1);
    EXPECT_EQ(Bunka(t, 0, 0), "Aktuální výpočet");
    EXPECT_EQ(Soucet(0), "60.0");
    // The first row follows the calculation and its Akce as it is typed.
    NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 70);
    okno->PrepocitejOd(1);
    QTest::keyClicks(AkceEdit(), "Sklad 2");
    EXPECT_EQ(Bunka(t, 0, TSoucetForm::SloupecPasma + 3), "70.0");
    EXPECT_EQ(Bunka(t, 0, TSoucetForm::SloupecAkce), "Sklad 2");
    EXPECT_EQ(Soucet(0), "70.0");
    const QTableWidgetItem* hodnoceni =
        s->SoucetListBox->item(TSoucetForm::RadekSoucet, TSoucetForm::SloupecAkce);
    EXPECT_EQ(hodnoceni->text(), "NC > 70, RC 70 (H)");
    EXPECT_EQ(hodnoceni->toolTip(), "NC > 70: Rozhoduje pásmo 4kHz\n"
                                    "RC 70 (H): Nejvýše pásmo 8kHz 15.0 dB nad křivkou RC");
    EXPECT_TRUE(s->Graf.Graf->title().endsWith("– NR 75.8, NC > 70, RC 70 (H)"));

    // Two more paths of 70 dB: three equal paths give +4.8 dB.
    s->PridejSoubory({Vypocet("a.DRN", 70), Vypocet("b.DRN", 70, "Odvod")});
    ASSERT_EQ(t->rowCount(), 3);
    EXPECT_EQ(Bunka(t, 2, 0), "b.DRN");
    EXPECT_EQ(Bunka(t, 2, TSoucetForm::SloupecAkce), "Odvod");
    EXPECT_EQ(Soucet(7), "74.8");
    EXPECT_EQ(Bunka(t, 1, TSoucetForm::SloupecNR), "NR 75.8");
    // A change in the main window redraws the first row and the sum alone.
    t->item(2, TSoucetForm::SloupecPasma)->setData(Qt::UserRole, 1);
    s->Graf.CestySerie[2]->setObjectName("b");
    NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 60);
    okno->PrepocitejOd(1);
    EXPECT_EQ(Soucet(7), "73.2");
    EXPECT_EQ(s->Graf.CestySerie[0]->at(7).y(), 60);
    EXPECT_EQ(t->item(2, TSoucetForm::SloupecPasma)->data(Qt::UserRole), 1);
    EXPECT_EQ(s->Graf.CestySerie[2]->objectName(), "b");
    // Change after change the sum is what summing every path again gives.
    for (double zdroj : {75.0, 95.0, 0.0, 61.5}) {
        NaplnSpektrum(var.cesta.Prvni().VlastniDrun, zdroj);
        okno->PrepocitejOd(1);
        EXPECT_EQ(s->Vysledek().Soucet, SoucetSpekter(KonceCest(s->Cesty()))) << zdroj;
    }
    NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 70);
    okno->PrepocitejOd(1);

    // A file that cannot be read is marked with the message and not summed.
    const QString chybi = slozka.path() + "/c.DRN";
    s->PridejSoubory({chybi});
    ASSERT_EQ(t->rowCount(), 4);
    EXPECT_EQ(Bunka(t, 3, TSoucetForm::SloupecAkce),
              "Datový soubor " + chybi + " nenalezen, nebo je prázdný. Do součtu se nepočítá.");
    EXPECT_EQ(t->columnSpan(3, TSoucetForm::SloupecAkce), TSoucetForm::SloupecNR);
    EXPECT_EQ(Soucet(7), "74.8");
    // ... until it is there and the window reads the files again.
    Vypocet("c.DRN", 70);
    s->ObnovitBtn->click();
    EXPECT_EQ(Bunka(t, 3, TSoucetForm::SloupecAkce), "Přívod");
    EXPECT_EQ(Soucet(7), "76.0");
    // A file changed elsewhere is read again when the window is shown again.
    Vypocet("c.DRN", 0);
    s->close();
    s->Zobraz();
    EXPECT_EQ(Soucet(7), "74.8");

    // The current calculation cannot be removed; a file can.
    t->selectRow(0);
    EXPECT_FALSE(s->OdebratBtn->isEnabled());
    s->OdebratBtnClick();
    EXPECT_EQ(t->rowCount(), 4);
    t->selectRow(1);
    EXPECT_TRUE(s->OdebratBtn->isEnabled());
    s->OdebratBtn->click();
    ASSERT_EQ(t->rowCount(), 3);
    EXPECT_EQ(Bunka(t, 1, 0), "b.DRN");
    EXPECT_EQ(Soucet(7), "73.0");
    EXPECT_TRUE(Zaznam().texty.isEmpty());
}

TEST_F(SoucetOkno, VlastniPozadavekACervenyRozdil) {
    // Until it has its own, the sum takes the calculation's requirement.
    NastavPozadavek(var, {60, 60, 60, 60, 60, 60, 60, 60});
    okno->ZobrazPozadavek();
    okno->PrepocitejOd(1);
    EXPECT_EQ(Bunka(s->SoucetListBox, TSoucetForm::RadekPozadavek, TSoucetForm::SloupecPasma),
              "60.0");
    EXPECT_FALSE(s->VlastniPozadavek());

    PriModalnim([](QWidget* w) {
        auto* d = static_cast<TPozadavekForm*>(w);
        EXPECT_EQ(d->Hodn.pole[0]->text(), "60.0");
        d->PozadRadioGroupClick(1);
        d->NkrivkyComboBoxChange(5); // N30
        d->OKBtnClick();
    });
    s->PozadavekBtn->click();
    EXPECT_TRUE(s->VlastniPozadavek());
    EXPECT_EQ(TextPozadavku(s->Pozadavek()), "N30");
    // The calculation's requirement is untouched, on the main window too.
    EXPECT_EQ(var.Pozadavek[0], 60);
    EXPECT_EQ(Texty(RadekPanelu::Pozadavek)[0], "60.0");
    EXPECT_EQ(Texty(RadekPanelu::Rozdil)[0], "0.0");

    // 60 dB against N30: 63 Hz 0.8, 125 Hz 11.9 above.
    const QTableWidget* t = s->SoucetListBox;
    const auto rozdil = [&](int i) {
        return t->item(TSoucetForm::RadekRozdil, TSoucetForm::SloupecPasma + i);
    };
    EXPECT_EQ(rozdil(0)->text(), "0.8");
    EXPECT_EQ(rozdil(0)->foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(rozdil(LA)->foreground().color(), QColor(255, 0, 0));
    // Exactly 0 is not red.
    NaplnSpektrum(var.cesta.Prvni().VlastniDrun, 0);
    var.cesta.Prvni().VlastniDrun[0] = 59.2;
    okno->PrepocitejOd(1);
    EXPECT_EQ(rozdil(0)->text(), "0.0");
    EXPECT_NE(rozdil(0)->foreground().color(), QColor(255, 0, 0));
    // Just under it, the difference keeps its sign.
    var.cesta.Prvni().VlastniDrun[0] = 59.16;
    okno->PrepocitejOd(1);
    EXPECT_EQ(rozdil(0)->text(), "-0.0");
    EXPECT_NE(rozdil(0)->foreground().color(), QColor(255, 0, 0));
    // A new requirement of the calculation no longer changes the sum's.
    NastavPozadavek(var, {1, 1, 1, 1, 1, 1, 1, 1});
    okno->PrepocitejOd(1);
    EXPECT_EQ(TextPozadavku(s->Pozadavek()), "N30");
}

TEST_F(SoucetOkno, MnohoCestJednouVrstvou) {
    // Beyond a few dozen, the files are one layer with one legend entry.
    QStringList soubory;
    for (size_t i = 0; i <= TGrafSouctu::MaloCest; ++i)
        soubory << Vypocet(QString("c%1.DRN").arg(i), 40);
    s->PridejSoubory(soubory);
    const auto legenda = [&] {
        QApplication::processEvents(); // the legend lays its markers out
        QStringList nazvy;
        for (QLegendMarker* m : s->Graf.Graf->legend()->markers())
            if (m->isVisible()) nazvy << m->label();
        return nazvy;
    };
    EXPECT_EQ(s->Graf.CestySerie.size(), 1u);
    EXPECT_EQ(s->Graf.Vrstva->Pocet(), TGrafSouctu::MaloCest + 1);
    EXPECT_TRUE(legenda().contains("Další cesty (31)"));
    EXPECT_FALSE(legenda().contains("c0.DRN"));
    // A few less, and each is its own line again.
    s->CestyListBox->selectRow(1);
    s->OdebratBtn->click();
    EXPECT_EQ(s->Graf.CestySerie.size(), TGrafSouctu::MaloCest + 1);
    EXPECT_EQ(s->Graf.Vrstva->Pocet(), 0u);
    EXPECT_TRUE(legenda().contains("c1.DRN"));
    EXPECT_FALSE(legenda().contains("Další cesty (0)"));
}

TEST_F(SoucetOkno, SadaTamAZpetAPoskozena) {
    const QString a = Vypocet("a.DRN", 50), b = Vypocet("b.DRN", 40);
    s->PridejSoubory({a, b});
    PriModalnim([](QWidget* w) {
        auto* d = static_cast<TPozadavekForm*>(w);
        d->NulujBtnClick();
        Napis(d->Hodn.pole[0], "45.5");
        d->OKBtnClick();
    });
    s->PozadavekBtnClick();
    const QString sada = slozka.path() + "/pokoj.DRS";
    ASSERT_TRUE(s->UlozSadu(sada));
    EXPECT_EQ(Zaznam().texty, QStringList{"Sada je uložena v souboru " + sada});
    std::string bajty;
    CtiSoubor(sada.toStdString(), bajty);
    EXPECT_EQ(bajty, "[DRUN SOUCET]\r\na.DRN\r\nb.DRN\r\n[POZADAVEK]\r\n45.5 0 0 0 0 0 0 0\r\n"
                     "[KONEC]\r\n");

    // A damaged set is refused and nothing changes.
    Zaznam().Vymaz();
    const QString poskozena = slozka.path() + "/zla.DRS";
    ASSERT_TRUE(
        ZapisAtomicky(poskozena.toStdString(), "[DRUN SOUCET]\r\nx.DRN\r\n[POZADAVEK]\r\nN99\r\n"));
    EXPECT_FALSE(s->OtevriSadu(poskozena));
    EXPECT_EQ(Zaznam().texty,
              QStringList{"Chyba při čtení souboru sady " + poskozena +
                          ", řádek 4: požadavek není křivka N10 až N75 ani NC15 až NC70 ani "
                          "osm hladin od 0 do 150 dB."});
    EXPECT_EQ(s->CestyListBox->rowCount(), 3);
    EXPECT_EQ(TextPozadavku(s->Pozadavek()), "45.5 0 0 0 0 0 0 0");
    // A set of the previous version, without its end line, opens with a notice.
    const QString stara = slozka.path() + "/stará.DRS";
    ASSERT_TRUE(ZapisAtomicky(stara.toStdString(), "[DRUN SOUCET]\r\n[POZADAVEK]\r\nN30\r\n"));
    Zaznam().Vymaz();
    EXPECT_TRUE(s->OtevriSadu(stara));
    EXPECT_EQ(Zaznam().texty,
              QStringList{QString::fromStdString(ZpravaBezKonce("sady", stara.toStdString()))});

    // Read back into a fresh window and written again: the same bytes.
    s->close();
    okno.reset();
    okno = std::make_unique<THlavniForm>(var);
    s = okno->Okno<TSoucetForm>();
    s->Zobraz();
    ASSERT_TRUE(s->OtevriSadu(sada));
    EXPECT_EQ(s->CestyListBox->rowCount(), 3);
    EXPECT_EQ(Bunka(s->CestyListBox, 2, TSoucetForm::SloupecPasma), "40.0");
    EXPECT_EQ(s->Soubory(), (std::vector<std::string>{a.toStdString(), b.toStdString()}));
    const QString znovu = slozka.path() + "/znovu.DRS";
    ASSERT_TRUE(s->UlozSadu(znovu));
    std::string druhe;
    CtiSoubor(znovu.toStdString(), druhe);
    EXPECT_EQ(druhe, bajty);
}

TEST_F(SoucetOkno, TiskAPdfSGrafem) {
    s->PridejSoubory({Vypocet("a.DRN", 50), Vypocet("b.DRN", 40)});
    const QString pdf = slozka.path() + "/soucet.pdf";
    ASSERT_TRUE(s->ExportujPdf(pdf));
    EXPECT_EQ(Zaznam().texty, QStringList{"Součet je uložen v souboru " + pdf});
    // The sum's page, then the chart page.
    EXPECT_EQ(PocetStran(pdf), 2);
    // The printer gets the same pages.
    const QString tisk = slozka.path() + "/tisk.pdf";
    QPrinter t;
    t.setOutputFormat(QPrinter::PdfFormat);
    t.setOutputFileName(tisk);
    EXPECT_TRUE(s->VykresliTisk(t));
    EXPECT_EQ(PocetStran(tisk), 2);
    // A file that cannot be written: the message, nothing written.
    Zaznam().Vymaz();
    const QString spatne = slozka.path() + "/neni/soucet.pdf";
    EXPECT_FALSE(s->ExportujPdf(spatne));
    EXPECT_EQ(Zaznam().texty,
              QStringList{"Součet se nepodařilo uložit do souboru " + spatne + "."});
    EXPECT_FALSE(QFile::exists(spatne));
}
