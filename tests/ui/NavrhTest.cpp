// The "Návrh opatření" window on the path with a known remedy.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QUndoStack>

#include "Pomocnik.h"
#include "io/Pomocnik.h"
#include "io/RozvodSoubor.h"
#include "models/Pomocnik.h"
#include "tools/Pozadavek.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextHodnoty.h"
#include "ui/nastroje/NavrhFrm.h"

using namespace drun;

namespace {

QStringList Radek(QTableWidget* t, int r) {
    QStringList s;
    for (int c = 0; c < t->columnCount(); ++c)
        s << (t->item(r, c) ? t->item(r, c)->text() : QString());
    return s;
}

} // namespace

TEST_F(UiTest, NavrhOpatreniVlozeniAZpet) {
    var.SouborTlumice = std::string(DRUN_DATA_DIR) + "/KL385216.CAD";
    CestaSTlumenim(var);
    okno->PrepocitejOd(1);
    okno->Historie().Nova(true); // as after opening it
    TNavrhForm* n = okno->Okno<TNavrhForm>();
    n->Zobraz();
    n->DokonciPrepocet();
    // Nothing without a requirement.
    EXPECT_TRUE(n->ZpravaLbl->isVisible());
    EXPECT_EQ(n->ZpravaLbl->text(),
              QStringLiteral("Požadavek na konci sítě není zadán (je "
                             "nulový ve všech pásmech): nejprve jej zadejte."));
    EXPECT_EQ(n->TlumiceListBox->rowCount(), 0);

    NastavPozadavek(var, *CtiPozadavek("N45"));
    okno->PrepocitejOd(var.cesta.Pocet());
    n->DokonciPrepocet();
    EXPECT_FALSE(n->ZpravaLbl->isVisible());
    // The room is no place for it; the fan is the first choice, the duct after it gives the
    // section.
    EXPECT_EQ(n->PoziceComboBox->count(), 2);
    EXPECT_EQ(n->Pozice(), 1);
    EXPECT_EQ(TextyPoli({n->RozmAEdit, n->RozmBEdit, n->PrutokEdit}),
              (QStringList{"600", "400", "4000.0"}));
    EXPECT_EQ(n->PrurezLbl->text(), "podle elementu 2");
    EXPECT_EQ(Radek(n->UtlumListBox, 0).join(' '), "0.0 7.5 15.2 17.6 17.2 16.0 14.2 11.9");
    // Behind the duct its section and flow come in.
    n->PoziceComboBox->setCurrentIndex(1);
    n->PoziceComboBoxChange();
    EXPECT_EQ(TextyPoli({n->RozmAEdit, n->RozmBEdit, n->PrutokEdit}),
              (QStringList{"600", "400", "4000.0"}));
    EXPECT_EQ(n->PrurezLbl->text(), "podle elementu 2");
    n->DokonciPrepocet();
    ASSERT_EQ(n->TlumiceListBox->rowCount(), 4);
    EXPECT_EQ(Radek(n->TlumiceListBox, 0).mid(0, 6),
              (QStringList{"100", "3", "100", "2", "9.3", "2.4"}));
    EXPECT_FALSE(n->ZadnyLbl->isVisible());
    ASSERT_GT(n->RozhodujeListBox->rowCount(), 0);
    EXPECT_EQ(n->RozhodujeListBox->item(0, 0)->text(), "1 Zdroj drunu");
    // The fan and the duct's flow noise, the fan making every band (bold), then the result.
    ASSERT_EQ(n->RozhodujeListBox->rowCount(), 3);
    QStringList celkem{"Celkem"};
    for (size_t i = 0; i <= LA; ++i)
        celkem << QString::fromStdString(FormatHodnota(var.Vysledek[i]));
    EXPECT_EQ(Radek(n->RozhodujeListBox, 2), celkem);
    EXPECT_TRUE(n->RozhodujeListBox->item(0, 1)->font().bold());
    EXPECT_FALSE(n->RozhodujeListBox->item(1, 1)->font().bold());
    EXPECT_EQ(n->RozhodujeLbl->text(),
              "Převládá 63 Hz, 125 Hz, 250 Hz, 500 Hz, 1 kHz, 2 kHz, 4 kHz, 8 kHz: 1 Zdroj drunu.");
    // The lining for each thickness, the shortest first.
    ASSERT_EQ(n->OblozeniListBox->rowCount(), 2);
    EXPECT_EQ(Radek(n->OblozeniListBox, 0).mid(0, 3), (QStringList{"50", "4", "0.3"}));
    EXPECT_EQ(Radek(n->OblozeniListBox, 1).mid(0, 3), (QStringList{"25", "7", "0.2"}));
    EXPECT_FALSE(n->ZadneOblozeniLbl->isVisible());
    // Inserted as one step that meets, and undone.
    n->OblozeniListBox->selectRow(1);
    n->VlozitOblozeniBtnClick();
    ASSERT_EQ(var.cesta.Pocet(), 4);
    EXPECT_EQ(var.cesta.Prvek(3).Popis, "600x400mm, obložení 25mm, délka 7m, průtok 4000m3/hod");
    EXPECT_EQ(var.cesta.Prvek(3).Typ(), TypObHrPotrubi);
    for (size_t i = 0; i < PocetPasem; ++i)
        EXPECT_LE(var.Vysledek[i], var.Pozadavek[i]) << i;
    EXPECT_EQ(okno->Historie().PocetKroku(), 1);
    okno->ZpetItemClick();
    ASSERT_EQ(var.cesta.Pocet(), 3);
    n->DokonciPrepocet();

    // Inserted behind the duct: one step, the requirement met, undone whole.
    n->TlumiceListBox->selectRow(0);
    n->VlozitBtnClick();
    ASSERT_EQ(var.cesta.Pocet(), 4);
    EXPECT_EQ(var.cesta.Prvek(3).Typ(), TypTlumic);
    for (size_t i = 0; i < PocetPasem; ++i)
        EXPECT_LE(var.Vysledek[i], var.Pozadavek[i]) << i;
    EXPECT_EQ(okno->Historie().PocetKroku(), 1);
    EXPECT_EQ(Texty(RadekPanelu::Vysledek)[LA],
              QString::fromStdString(FormatHodnota(var.Vysledek[LA])));
    n->DokonciPrepocet();
    EXPECT_EQ(Radek(n->UtlumListBox, 0).join(' '), "0.0 0.0 0.0 0.0 0.0 0.0 0.0 0.0");
    // Met: no more silencers offered.
    EXPECT_EQ(n->ZadnyLbl->text(), QStringLiteral("Požadavek je splněn."));
    EXPECT_TRUE(n->ZadnyLbl->isVisible());
    EXPECT_EQ(n->TlumiceListBox->rowCount(), 0);
    EXPECT_EQ(n->OblozeniListBox->rowCount(), 0);
    EXPECT_FALSE(n->VlozitBtn->isEnabled());
    okno->ZpetItemClick();
    EXPECT_EQ(var.cesta.Pocet(), 3);

    // A small fast outlet behind the duct: its own noise cannot be silenced in front of it.
    VlozHlucnouVyustku(var, 2);
    NastavPozadavek(var, *CtiPozadavek("N25"));
    okno->PrepocitejOd(1);
    n->DokonciPrepocet();
    EXPECT_TRUE(Radek(n->UtlumListBox, 0).contains("nelze"));
    EXPECT_TRUE(n->BlokujeLbl->text().contains(": vlastní drun elementu 3 Vyústka"))
        << n->BlokujeLbl->text().toStdString();
    n->close();
}

// A computation under way says so and offers nothing; a newer request stops
// it and only the newer answer is shown; closing the window stops it unshown.
// A typed section stays through a change of the path; a new window takes the
// path's, never what an earlier calculation left.
TEST_F(UiTest, NavrhOpatreniPocitaRusiAPamatuje) {
    var.SouborTlumice = std::string(DRUN_DATA_DIR) + "/KL385216.CAD";
    CestaSTlumenim(var);
    NastavPozadavek(var, *CtiPozadavek("N45"));
    okno->PrepocitejOd(1);
    TNavrhForm* n = okno->Okno<TNavrhForm>();
    QSignalSpy spocteno(n, &TNavrhForm::Spocteno);
    n->Zobraz();
    n->NaplanujPrepocet();
    EXPECT_TRUE(n->Pocita());
    EXPECT_EQ(n->ZadnyLbl->text(), QStringLiteral("Počítám…"));
    EXPECT_TRUE(n->ZadnyLbl->isVisible());
    EXPECT_FALSE(n->VlozitBtn->isEnabled());
    n->DokonciPrepocet();
    EXPECT_EQ(spocteno.count(), 1);
    EXPECT_EQ(n->ZadnyLbl->text(), QStringLiteral("Žádný tlumič nevyhoví"));

    n->PoziceComboBox->setCurrentIndex(1);
    n->PoziceComboBoxChange();
    Napis(n->RozmAEdit, "700");
    EXPECT_TRUE(n->RozmAEdit->Over());
    EXPECT_EQ(n->PrurezLbl->text(), QStringLiteral("zadáno"));
    okno->PrepocitejOd(1);
    EXPECT_EQ(n->RozmAEdit->text(), "700");
    n->close();
    n->DokonciPrepocet();
    EXPECT_EQ(spocteno.count(), 1);

    TNavrhForm nove(okno->Dokument(), nullptr);
    nove.Zobraz();
    EXPECT_EQ(TextyPoli({nove.RozmAEdit, nove.RozmBEdit, nove.PrutokEdit}),
              (QStringList{"600", "400", "4000.0"}));
    EXPECT_EQ(nove.PrurezLbl->text(), "podle elementu 2");
    nove.DokonciPrepocet();
    // No element with a section: empty fields that say what to type.
    okno->Dokument().Var().cesta.VypustElement(2);
    okno->PrepocitejOd(1);
    EXPECT_EQ(TextyPoli({nove.RozmAEdit, nove.RozmBEdit, nove.PrutokEdit}),
              (QStringList{"", "", ""}));
    nove.DokonciPrepocet();
    EXPECT_EQ(nove.ZadnyLbl->text(), nove.PrurezLbl->text());
    EXPECT_TRUE(nove.PrurezLbl->text().startsWith(QStringLiteral("Žádný element cesty nemá")));
    nove.DokonciPrepocet();
    nove.close();
    // A window going away while computing stops the computation and leaves.
    nove.NaplanujPrepocet();
    EXPECT_TRUE(nove.Pocita());
}

// In a rozvod with branches the remedy behind a trunk element is for every
// room it feeds, and goes into the trunk; a room fed also from before the
// position names what blocks it.
TEST_F(UiTest, NavrhOpatreniVRozvodu) {
    var.SouborTlumice = std::string(DRUN_DATA_DIR) + "/KL385216.CAD";
    const auto mistnost = [](double plocha) {
        return Element(TypMistnost, [=](TElementSite& e) {
            e.Vstup<VstupyMistnost>().PlochaSten = plocha, e.Vstup<VstupyMistnost>().Vzdalenost = 2;
        });
    };
    const TElementSite zdroj = Element(TypZdroj, [](TElementSite& e) {
        const double v[] = {80, 78, 76, 72, 68, 64, 60, 56};
        std::copy(std::begin(v), std::end(v), e.VlastniDrun.begin());
    });
    const TElementSite potrubi = Element(TypHrPotrubi, [](TElementSite& e) {
        e.Vstup<VstupyHrPotrubi>() = {600, 400, 8, 4000};
    });
    Rozvod r;
    r.NastavUseky({{1, 0, 0, "", "", {zdroj, Obecny(1, 0), potrubi}},
                   {2, 1, 3, "Kancelář", "N45", {Obecny(2, 0), mistnost(120)}},
                   {3, 1, 3, "Sál", "N45", {mistnost(300)}},
                   {4, 1, 3, "Kancelář", "", {Obecny(6, 0), mistnost(120)}},
                   {5, 1, 2, "Sklad", "N20", {Obecny(30, 0), mistnost(50)}}});
    const QString soubor = slozka.filePath(QStringLiteral("dům.DRR"));
    ASSERT_TRUE(UlozRozvod(r, soubor.toStdString()).Ok());
    okno->OtevriSoubor(soubor);
    TDokument& d = okno->Dokument();
    ASSERT_TRUE(d.MaVetve());
    d.VyberUsek(1); // Kancelář: the trunk, then its own element and the room
    std::string pred;
    ASSERT_TRUE(TextRozvodu(d.Rozvod(), pred).Ok());
    TNavrhForm* n = okno->Okno<TNavrhForm>();
    n->Zobraz();
    // Behind the source: the trunk duct's section and flow.
    EXPECT_EQ(TextyPoli({n->RozmAEdit, n->RozmBEdit, n->PrutokEdit}),
              (QStringList{"600", "400", "4000.0"}));
    EXPECT_EQ(n->PrurezLbl->text(), "podle elementu 3");
    // The end level shown is the room's of the path shown.
    EXPECT_EQ(n->TlumiceListBox->horizontalHeaderItem(6)->text(), "L(A)\nna konci\nKancelář");
    // Behind its own element the other section to Kancelář stays as it is:
    // the fan reaches the room through it.
    n->PoziceComboBox->setCurrentIndex(3);
    n->PoziceComboBoxChange();
    n->DokonciPrepocet();
    EXPECT_EQ(n->MistoLbl->text(), QStringLiteral("Za elementem 4 (úsek 2:1) – napájí 1 místnost"));
    // Its section is the trunk duct's before it.
    EXPECT_EQ(TextyPoli({n->RozmAEdit, n->PrutokEdit}), (QStringList{"600", "4000.0"}));
    EXPECT_EQ(n->PrurezLbl->text(), "podle elementu 3");
    EXPECT_TRUE(Radek(n->UtlumListBox, 0).contains("nelze"));
    EXPECT_TRUE(n->BlokujeLbl->text().endsWith(
        ": vlastní drun elementu 1:1 Zdroj drunu (místnost Kancelář)"))
        << n->BlokujeLbl->text().toStdString();

    // Behind the trunk's duct: its section and flow, both rooms behind it.
    n->PoziceComboBox->setCurrentIndex(2);
    n->PoziceComboBoxChange();
    n->DokonciPrepocet();
    EXPECT_EQ(n->MistoLbl->text(),
              QStringLiteral("Za elementem 3 (úsek 1:3) – napájí 2 místnosti"));
    DataTlumice data;
    ASSERT_TRUE(NactiDataTlumice(var.SouborTlumice, data).Ok());
    const NavrhRozvodu ocek = SpoctiNavrhRozvodu(d.Rozvod(), 1, 3, var, 600, 400, 4000, &data);
    EXPECT_EQ("Potřebný útlum\t" + Radek(n->UtlumListBox, 0).join('\t').toStdString() + "\n",
              RadekUtlumu(ocek.Utlum));
    EXPECT_EQ(n->TlumiceListBox->rowCount(), int(ocek.Tlumice.size()));
    EXPECT_EQ(n->OblozeniListBox->rowCount(), int(ocek.Oblozeni.size()));
    // The first offered, into the trunk: every room it feeds meets, one step.
    // The candidate chosen shows each fed room as it will be once inserted.
    QString nahled;
    if (n->TlumiceListBox->rowCount() > 0) {
        n->TlumiceListBox->selectRow(0);
        nahled = n->NapajeneLbl->text();
        n->VlozitBtnClick();
    } else {
        ASSERT_GT(n->OblozeniListBox->rowCount(), 0);
        n->OblozeniListBox->selectRow(0);
        nahled = n->NapajeneLbl->text();
        n->VlozitOblozeniBtnClick();
    }
    ASSERT_EQ(d.Rozvod().Useky()[0].Prvky.size(), 4u);
    EXPECT_EQ(var.cesta.Pocet(), 6);
    EXPECT_EQ(okno->Historie().PocetKroku(), 1);
    const PrehledRozvodu p = SpoctiPrehledRozvodu(d.Rozvod());
    ASSERT_EQ(p.Prehled.Mistnosti.size(), 3u);
    for (size_t m = 0; m < 2; ++m) { // Kancelář, Sál
        const PrehledMistnosti& pm = p.Prehled.Mistnosti[m];
        EXPECT_EQ(pm.Stav, StavMistnosti::Vyhovi) << m;
        EXPECT_TRUE(nahled.contains(QString::fromStdString(d.Rozvod().Mistnosti()[m].Nazev) +
                                    ": L(A) " + Text(pm.Soucet.Soucet[LA]) + " dB, rezerva " +
                                    Text(pm.Rezerva) + " dB"))
            << nahled.toStdString();
    }
    n->DokonciPrepocet();
    EXPECT_EQ(n->ZadnyLbl->text(), QStringLiteral("Požadavek je splněn."));
    const QString sTlumicem = slozka.filePath(QStringLiteral("s tlumičem.DRR"));
    ASSERT_TRUE(UlozRozvod(d.Rozvod(), sTlumicem.toStdString()).Ok());
    okno->ZpetItemClick();
    std::string po;
    ASSERT_TRUE(TextRozvodu(d.Rozvod(), po).Ok());
    EXPECT_EQ(po, pred);
    // A flow typed is searched with once taken.
    Napis(n->PrutokEdit, "3000");
    EXPECT_TRUE(n->PrutokEdit->Over());
    n->DokonciPrepocet();
    EXPECT_EQ(n->Vysledek().Q, 3000);
    // The section's fields name themselves.
    Zaznam().Vymaz();
    Napis(n->RozmAEdit, "10");
    n->RozmAEdit->Over();
    EXPECT_EQ(Zaznam().texty, QStringList{"Šířka potrubí: zadejte číslo od 50 do 5000."});
    // A trunk whose silencer its data cannot compute: nothing is designed behind it.
    var.SouborTlumice = "/neni/KL385216.CAD";
    okno->OtevriSoubor(sTlumicem);
    n->DokonciPrepocet();
    EXPECT_EQ(n->ZpravaLbl->text(),
              QStringLiteral("Soubor dat tlumičů /neni/KL385216.CAD nenalezen, nebo je prázdný. "
                             "Tlumič na cestě úseku 1 nelze spočítat."));
    EXPECT_EQ(n->TlumiceListBox->rowCount(), 0);
    n->close();
}
