// The "Návrh opatření" window on the path with a known remedy.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoStack>

#include "Pomocnik.h"
#include "models/Pomocnik.h"
#include "tools/Pozadavek.h"
#include "ui/dialogy/MujEdit.h"
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
    // The room is no place for it; the fan is the first choice, its section the remembered one.
    EXPECT_EQ(n->PoziceComboBox->count(), 2);
    EXPECT_EQ(n->Pozice(), 1);
    EXPECT_EQ(Radek(n->UtlumListBox, 0).join(' '), "0.0 7.5 15.2 17.6 17.2 16.0 14.2 11.9");
    // Behind the duct its section and flow come in.
    n->PoziceComboBox->setCurrentIndex(1);
    n->PoziceComboBoxChange();
    EXPECT_EQ(TextyPoli({n->RozmAEdit, n->RozmBEdit, n->PrutokEdit}),
              (QStringList{"600", "400", "4000.0"}));
    n->DokonciPrepocet();
    ASSERT_EQ(n->TlumiceListBox->rowCount(), 4);
    EXPECT_EQ(Radek(n->TlumiceListBox, 0).mid(0, 6),
              (QStringList{"100", "3", "100", "2", "9.3", "2.4"}));
    EXPECT_FALSE(n->ZadnyLbl->isVisible());
    ASSERT_GT(n->RozhodujeListBox->rowCount(), 0);
    EXPECT_EQ(n->RozhodujeListBox->item(0, 0)->text(), "1 Zdroj drunu");

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
