// "Přehled rozvodu": a rozvod's rooms in the project's table, following the main
// window or a file, and the exports.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <limits>

#include "Pomocnik.h"
#include "core/DrunVyp.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/Ifc.h"
#include "io/Pomocnik.h"
#include "io/Projekt.h"
#include "io/Protokol.h"
#include "io/RozvodSoubor.h"
#include "tools/Pozadavek.h"
#include "ui/dialogy/PozadFrm.h"
#include "ui/dialogy/TextHodnoty.h"
#include "ui/nastroje/ImportIfcFrm.h"
#include "ui/nastroje/ProjektFrm.h"
#include "ui/nastroje/PrutokyFrm.h"
#include "ui/nastroje/RozvodFrm.h"
#include "ui/nastroje/SestaveniRozvodu.h"
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
        for (int r = 0; r < o->MistnostiListBox->model()->rowCount(); ++r) {
            t.emplace_back();
            for (int s = 0; s < TProjektForm::PocetSloupcu; ++s)
                t.back().push_back(
                    o->MistnostiListBox->model()->index(r, s).data().toString().toStdString());
        }
        return t;
    }
    // What drun-protokol --rozvod computes from the file as it is now.
    PrehledRozvodu PrehledSouboru() {
        Rozvod r;
        EXPECT_TRUE(NactiRozvod(soubor.toStdString(), var.SouborTlumice, r).Ok());
        return SpoctiPrehledRozvodu(r);
    }
    // The table shows the overview: each row its room's line of the command line's table.
    void OcekavejPrehled(const PrehledRozvodu& pr) {
        const auto radky = RadkyPrehledu(pr.Mistnosti, pr.Prehled);
        const auto texty = Texty();
        ASSERT_EQ(texty.size() + 2, radky.size());
        for (int r = 0; r < static_cast<int>(texty.size()); ++r)
            EXPECT_EQ(texty[size_t(r)], radky[size_t(o->MistnostRadku(r)) + 1]) << r;
    }
    std::string VybranyNazev() {
        const int m = o->VybranaMistnost();
        return m < 0 ? "" : o->Prehled().Mistnosti.Mistnosti[size_t(m)].Nazev;
    }
    void DvojklikNaMistnost(int m) {
        QTableView* t = o->MistnostiListBox;
        emit t->doubleClicked(t->model()->index(o->RadekMistnosti(m), 0));
        QApplication::processEvents();
    }
    // The main window's requirement chosen as a curve in its dialog.
    void PozadavekKrivkou(const QString& krivka) {
        TPozadavekForm* p = okno->Okno<TPozadavekForm>();
        p->FormShow();
        p->PozadRadioGroupClick(1);
        p->NkrivkyComboBoxChange(p->NkrivkyComboBox->findText(krivka));
        p->OKBtnClick();
        QApplication::processEvents();
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
        const QModelIndex stav = o->MistnostiListBox->model()->index(r, TProjektForm::SloupecStav);
        EXPECT_EQ(stav.data(Qt::ForegroundRole).value<QColor>() == BarvaPrekroceni,
                  pm.Stav == StavMistnosti::Nevyhovi);
        // A room fed by several sections is marked so.
        const QModelIndex cest = o->MistnostiListBox->model()->index(r, TProjektForm::SloupecCest);
        EXPECT_EQ(cest.data(Qt::BackgroundRole).isValid(),
                  o->Sit().Mistnosti()[size_t(m)].Useky.size() > 1);
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
    EXPECT_EQ(o->MistnostiListBox->model()->rowCount(),
              static_cast<int>(nove.Mistnosti.Mistnosti.size()));
    EXPECT_EQ(o->Prehled().Mistnosti.Mistnosti.size(), nove.Mistnosti.Mistnosti.size());
    // A file without its end line (an older version's, or cut short) is shown
    // with the notice that says so.
    const QString stary = Cesta("starý.DRR");
    ASSERT_TRUE(ZapisAtomicky(stary.toStdString(), bajty.substr(0, bajty.rfind("[KONEC]"))));
    Zaznam().Vymaz();
    EXPECT_TRUE(o->OtevriRozvod(stary));
    EXPECT_EQ(Zaznam().texty,
              QStringList{QString::fromStdString(ZpravaBezKonce("rozvodu", stary.toStdString()))});
    EXPECT_EQ(o->Soubor(), stary);
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

// The main window's rozvod is shown and follows every change, shown or hidden, the selected
// room kept by its name; a double click chooses a path there. A file shown instead says it
// cannot, until "Aktuální rozvod".
TEST_F(RozvodOkno, SledujeHlavniOknoADvojklik) {
    const TDokument& d = okno->Dokument();
    okno->OtevriSoubor(soubor);
    ASSERT_TRUE(d.JeRozvod());
    EXPECT_TRUE(o->ZobrazujeDokument());
    OcekavejPrehled(SpoctiPrehledRozvodu(d.Rozvod()));
    o->VyberMistnost(1);
    const std::string vybrana = VybranyNazev();
    const auto zdroj = [&] {
        const TElementSite z = var.cesta.Prvek(1);
        okno->Dokument().ZmenPrvek(1,
                                   Element(TypZdroj,
                                           [&](TElementSite& e) {
                                               for (int i = 0; i < PocetPasem; ++i)
                                                   e.VlastniDrun[size_t(i)] =
                                                       z.VlastniDrun[size_t(i)] + 4;
                                           }),
                                   "Zdroj");
    };
    const struct {
        const char* co;
        bool skryte;
        std::function<void()> zmena;
    } zmeny[] = {
        {"zdroj", false, zdroj},
        {"zdroj, okno skryté", true, zdroj},
        // The rozvod takes the requirement after the evaluation is announced.
        {"požadavek", false, [&] { PozadavekKrivkou("N70"); }},
    };
    for (const auto& z : zmeny) {
        SCOPED_TRACE(z.co);
        const auto pred = Texty();
        if (z.skryte) o->hide();
        z.zmena();
        QApplication::processEvents();
        if (z.skryte) o->Zobraz();
        OcekavejPrehled(SpoctiPrehledRozvodu(d.Rozvod()));
        EXPECT_NE(Texty(), pred);
        EXPECT_EQ(VybranyNazev(), vybrana);
    }
    const int shown = d.Rozvod().MistnostUseku(d.Usek());
    ASSERT_GE(shown, 0);
    EXPECT_EQ(Texty()[size_t(o->RadekMistnosti(shown))][TProjektForm::SloupecPozadavek], "N70");

    // A room: its loudest section in its worst band, else its first.
    const PrehledRozvodu pr = SpoctiPrehledRozvodu(d.Rozvod());
    int dvakrat = -1;
    for (size_t m = 0; m < pr.Prehled.Mistnosti.size(); ++m) {
        const auto& useky = d.Rozvod().Mistnosti()[m].Useky;
        size_t ocekavany = useky.front();
        if (const int p = pr.Prehled.Mistnosti[m].Pasmo; p >= 0)
            for (size_t u : useky)
                if (d.Rozvod().Konec(u)[size_t(p)] > d.Rozvod().Konec(ocekavany)[size_t(p)])
                    ocekavany = u;
        if (useky.size() > 1) dvakrat = int(m);
        DvojklikNaMistnost(int(m));
        EXPECT_EQ(d.Usek(), ocekavany) << m;
    }
    // A section of the selected room, marked as shown.
    ASSERT_GE(dvakrat, 0);
    o->VyberMistnost(dvakrat);
    const size_t druhy = d.Rozvod().Mistnosti()[size_t(dvakrat)].Useky[1];
    emit o->UsekyListBox->doubleClicked(o->UsekyListBox->model()->index(1, 0));
    QApplication::processEvents();
    EXPECT_EQ(d.Usek(), druhy);
    EXPECT_TRUE(o->UsekyListBox->item(1)->text().endsWith(" – v hlavním okně"));

    // Another file: shown as read; a double click changes nothing and says why.
    const QString jiny = Cesta("jiný.DRR");
    ASSERT_TRUE(UlozRozvod(NahodnyRozvod(8, 6), jiny.toStdString()).Ok());
    ASSERT_TRUE(o->OtevriRozvod(jiny));
    EXPECT_FALSE(o->ZobrazujeDokument());
    EXPECT_TRUE(o->AktualniBtn->isEnabled());
    DvojklikNaMistnost(0);
    EXPECT_EQ(d.Usek(), druhy);
    EXPECT_TRUE(
        o->StavLbl->text().startsWith("Soubor jiný.DRR není výpočet otevřený v hlavním okně"));
    o->AktualniBtn->click();
    EXPECT_TRUE(o->ZobrazujeDokument());
    OcekavejPrehled(SpoctiPrehledRozvodu(d.Rozvod()));

    // A plain calculation: its one room against the main window's requirement.
    const QString drn = Cesta("cesta.DRN");
    ASSERT_TRUE(okno->Dokument().UlozCestu(drn).Ok());
    okno->OtevriSoubor(drn);
    ASSERT_FALSE(d.JeRozvod());
    PozadavekKrivkou("N40");
    ASSERT_EQ(o->MistnostiListBox->model()->rowCount(), 1);
    EXPECT_EQ(Texty()[0][TProjektForm::SloupecPozadavek], "N40");
    EXPECT_EQ(Texty()[0][TProjektForm::SloupecLA],
              Text(var.cesta.Posledni().ZaElementem[LA]).toStdString());
    // Its first branch makes it a rozvod, shown again instead of a file.
    ASSERT_TRUE(o->OtevriRozvod(jiny));
    ASSERT_EQ(okno->Dokument().NovaVetev(1), QString());
    EXPECT_TRUE(o->ZobrazujeDokument());
    QApplication::processEvents();
    OcekavejPrehled(SpoctiPrehledRozvodu(d.Rozvod()));
}

// The PDF: the overview under the rozvod's heading, then each room's sections' protocols,
// each as drun-protokol prints the path saved as a data file.
TEST_F(RozvodOkno, PdfSProtokolyMistnosti) {
    const Rozvod& r = o->Sit();
    const std::string datum = "8.12.2026";
    const std::vector<std::string> text = TextProtokoluRozvodu(r, o->Prehled(), var, datum);
    std::vector<std::string> protokoly;
    size_t useku = 0;
    for (const MistnostRozvodu& m : r.Mistnosti())
        for (size_t u : m.Useky) {
            DrunVar ulozena, cesta;
            ulozena.cesta.NastavPrvky(r.PrvkyCesty(u));
            ulozena.Akce = r.Akce;
            const std::string drn = Cesta("úsek.DRN").toStdString();
            ASSERT_TRUE(UlozData(ulozena, drn).Ok());
            ASSERT_TRUE(NactiData(cesta, drn).Ok());
            if (const auto p = PozadavekZTextu(m.Pozadavek)) cesta.Pozadavek = *p;
            PrepocitejOd(cesta, 1);
            std::vector<std::string> t = TextProtokolu(cesta, datum);
            t.front().insert(0, "\f");
            protokoly.insert(protokoly.end(), t.begin(), t.end());
            ++useku;
        }
    ASSERT_GT(text.size(), protokoly.size());
    const size_t prehled = text.size() - protokoly.size();
    EXPECT_EQ(std::vector(text.begin() + long(prehled), text.end()), protokoly);
    EXPECT_TRUE(std::any_of(text.begin(), text.begin() + long(prehled), [](const std::string& t) {
        return t.find("PŘEHLED MÍSTNOSTÍ ROZVODU") != std::string::npos;
    }));
    const QString pdf = Cesta("rozvod.pdf");
    ASSERT_TRUE(o->ExportujPdf(pdf));
    EXPECT_GE(PocetStran(pdf), 1 + static_cast<int>(useku));
}

namespace {

// Calculation files of two rooms sharing a trunk with a duct, each with its outlet.
class SestaveniOkno : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        for (const auto& [mistnost, prutok] : {std::pair{"Sál", 200.0}, std::pair{"Chodba", 300.0}})
            soubory << Uloz(mistnost, prutok, 80);
    }
    QString Uloz(const QString& mistnost, double prutok, double zdroj) {
        DrunVar v;
        v.Akce = "Budova";
        std::vector<TElementSite> prvky{
            Element(TypZdroj, [zdroj](TElementSite& e) { NaplnSpektrum(e.VlastniDrun, zdroj); })};
        prvky.push_back(Element(TypHrPotrubi, [](TElementSite& e) {
            e.Popis = "500x400mm, délka 2m, průtok 1000m3/hod";
            e.Vstup<VstupyHrPotrubi>() = {500, 400, 2, 1000};
        }));
        prvky.push_back(Element(TypVyustka, [prutok](TElementSite& e) {
            e.Vstup<VstupyVyustka>() = {300, 200, prutok, 1, 1};
        }));
        prvky.push_back(Element(TypMistnost, [&](TElementSite& e) {
            e.Popis = mistnost.toStdString();
            e.Vstup<VstupyMistnost>() = {100, 2};
        }));
        v.cesta.NastavPrvky(prvky);
        const QString s = slozka.path() + "/" + mistnost + ".DRN";
        EXPECT_TRUE(UlozData(v, s.toStdString()).Ok());
        return s;
    }
    double PrutokKmene() const {
        return okno->Dokument().Rozvod().Useky()[0].Prvky[1].Vstup<VstupyHrPotrubi>().Prutok;
    }
    QStringList soubory;
};

} // namespace

TEST_F(SestaveniOkno, ZProjektuJakoNovyNeulozenyDokument) {
    PridejObecny(var, "neuložená práce", 1);
    okno->ZaznamenejKrok(QStringLiteral("Přidat"), 1);
    const QString drp = slozka.path() + "/budova.DRP";
    ASSERT_TRUE(
        UlozProjekt({{{"A", "N30", {"Sál.DRN"}}, {"B", "N35", {"Chodba.DRN"}}}}, drp.toStdString())
            .Ok());
    // Unsaved work is asked about first; Storno keeps it.
    Zaznam().volby = {Hlaseni::Volba::Storno};
    okno->Akce(Prikaz::SestavitZProjektu)->trigger();
    EXPECT_EQ(okno->Dokument().Rozvod().Useky().size(), 1u);
    Zaznam().volby = {Hlaseni::Volba::Neukladat};
    VyberSoubor(drp);
    okno->Akce(Prikaz::SestavitZProjektu)->trigger();
    const Rozvod& r = okno->Dokument().Rozvod();
    ASSERT_EQ(r.Mistnosti().size(), 2u);
    EXPECT_EQ(r.Mistnosti()[1].Nazev, "B");
    EXPECT_EQ(r.Mistnosti()[1].Pozadavek, "N35");
    EXPECT_FALSE(okno->Dokument().Ulozeno());
    EXPECT_TRUE(okno->Dokument().Soubor().isEmpty());
    EXPECT_FALSE(okno->Akce(Prikaz::Zpet)->isEnabled()); // a new document, not a step
    // Another source is refused naming the file; the document stays.
    const QString jiny = Uloz(QStringLiteral("Sklad"), 100, 70);
    EXPECT_EQ(SestavDokumentZeSouboru(okno->Dokument(), {soubory[0], jiny}),
              "Soubor " + jiny + " začíná jiným zdrojem než soubor " + soubory[0] +
                  ": rozvod má jeden zdroj.");
    EXPECT_EQ(okno->Dokument().Rozvod().Mistnosti().size(), 2u);
}

TEST_F(SestaveniOkno, PrutokyZmenyPredPouzitimAJedenKrokZpet) {
    ASSERT_EQ(SestavDokumentZeSouboru(okno->Dokument(), soubory), "");
    TPrutokyForm d(okno->Dokument(), okno.get());
    d.FormShow();
    EXPECT_EQ(d.MistnostiTab->rowCount(), 0);
    ASSERT_EQ(d.ZmenyTab->rowCount(), 1);
    QStringList radek;
    for (int s = 0; s < 6; ++s)
        radek << d.ZmenyTab->item(0, s)->text();
    EXPECT_EQ(radek.join('|'), "1|2|Hranaté potrubí|Průtok|1000.0|500.0");
    EXPECT_EQ(PrutokKmene(), 1000); // nothing before "Použít"
    d.OKBtnClick();
    EXPECT_EQ(PrutokKmene(), 500);
    EXPECT_EQ(okno->Dokument().Rozvod().Useky()[0].Prvky[1].Popis,
              "500x400mm, délka 2m, průtok 500m3/hod");
    okno->Akce(Prikaz::Zpet)->trigger();
    EXPECT_EQ(PrutokKmene(), 1000);
    EXPECT_FALSE(okno->Akce(Prikaz::Zpet)->isEnabled());
}

TEST_F(SestaveniOkno, PrutokMistnostiBezVyustkyAPonechanyPrvek) {
    // A third room behind the same duct, without an outlet.
    DrunVar v;
    ASSERT_TRUE(NactiData(v, soubory[0].toStdString()).Ok());
    v.cesta.VypustElement(v.cesta.Pocet() - 1);
    v.cesta.Posledni().Popis = "Sklad";
    const QString sklad = slozka.path() + "/Sklad.DRN";
    ASSERT_TRUE(UlozData(v, sklad.toStdString()).Ok());
    ASSERT_EQ(SestavDokumentZeSouboru(okno->Dokument(), soubory << sklad), "");
    TPrutokyForm d(okno->Dokument(), okno.get());
    d.FormShow();
    ASSERT_EQ(d.MistnostiTab->rowCount(), 1);
    EXPECT_EQ(d.MistnostiTab->item(0, 0)->text(), "Sklad");
    // Nothing at its end carries a flow: it must be typed.
    Zaznam().Vymaz();
    d.OKBtnClick();
    EXPECT_EQ(Zaznam().texty.size(), 1);
    EXPECT_EQ(PrutokKmene(), 1000);
    // Too much for the duct: listed in red with why, left as it was.
    Napis(d.PrutokEdit[0], QStringLiteral("30000"));
    ASSERT_TRUE(d.PrutokEdit[0]->Over());
    d.Prepocitej();
    ASSERT_EQ(d.ZmenyTab->rowCount(), 1);
    EXPECT_EQ(d.ZmenyTab->item(0, 6)->text(),
              "ponechán: Příliš vysoká rychlost vzduchu v průřezu.");
    EXPECT_EQ(d.ZmenyTab->item(0, 0)->foreground().color(), QColor(Qt::red));
    Napis(d.PrutokEdit[0], QStringLiteral("400"));
    d.OKBtnClick();
    EXPECT_EQ(PrutokKmene(), 900);
}

// The import dialog: the fan chosen, the flows the model lacks typed, the
// rozvod opened as a new unsaved document.
TEST_F(SestaveniOkno, ImportIfcJakoNovyNeulozenyDokument) {
    const QString ifc = QStringLiteral(DRUN_TEST_DATA "/ifc/vzt_ifc4_mm.ifc");
    GrafSite model;
    ASSERT_TRUE(NactiIfc(ifc.toStdString(), model).Ok());
    TImportIfcForm d(okno->Dokument(), model, ifc, okno.get());
    d.FormShow();
    ASSERT_EQ(d.KoncoveTab->rowCount(), 3);
    EXPECT_EQ(d.KoncoveTab->item(0, 1)->text(), QStringLiteral("101 Kancelář"));
    ASSERT_TRUE(d.PrutokEdit[0] && d.PrutokEdit[2]);
    EXPECT_EQ(d.PrutokEdit[1], nullptr); // the model's 300 m3/h
    EXPECT_TRUE(d.ZpravaEdit->toPlainText().contains(
        QStringLiteral("Vyústka ZUL 400x400 (úsek 2): průtok, druh vyústky")));
    d.PrutokEdit[0]->NastavCislo(250, 0);
    d.PrutokEdit[2]->NastavCislo(150, 0);
    d.Prepocitej();
    EXPECT_TRUE(d.ZpravaEdit->toPlainText().contains(
        QStringLiteral("Vyústka ZUL 400x400 (úsek 2): druh vyústky\n")));
    EXPECT_EQ(d.TextTisku()[0], "DRUN – import z IFC: " + ifc.toStdString());
    d.OKBtnClick();
    const Rozvod& r = okno->Dokument().Rozvod();
    ASSERT_EQ(r.Mistnosti().size(), 3u);
    EXPECT_NEAR(r.Useky()[0].Prvky[2].Vstup<VstupyHrPotrubi>().Prutok, 700, 1e-9);
    EXPECT_FALSE(okno->Dokument().Ulozeno());
    EXPECT_TRUE(okno->Dokument().Soubor().isEmpty());
    EXPECT_EQ(okno->Akce(Prikaz::ImportIfc)->text(), QStringLiteral("Importovat z &IFC…"));
}
