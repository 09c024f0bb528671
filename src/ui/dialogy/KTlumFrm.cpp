#include "ui/dialogy/KTlumFrm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Matemat.h"
#include "models/Tlumic.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/spolecne/Hlaseni.h"

using namespace drun;

namespace {

int PolozkaSirky(double sirka) {
    for (int i = 0; i < 3; ++i)
        if (SirkyVlozek[i] == sirka) return i;
    return 1; // 200 mm, the start-up width
}

// Whole metres, a half to the even neighbour.
int CelaDelka(double delka) {
    if (!std::isfinite(delka) || std::fabs(delka) > 1e6) return 0;
    return static_cast<int>(std::nearbyint(delka));
}

} // namespace

QString ZpravaZadaniTlumice() {
    return QStringLiteral("Chybné zadání. Příliš mnoho vložek či vysoká rychlost.");
}

TKTlumicForm::TKTlumicForm(DrunVar& var, QWidget* parent)
    : TElementDialog(var, QStringLiteral("Kulisový tlumič drunu"), parent) {
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    RozmAEdit = PridejPole(g, 0, 0, QStringLiteral("Rozměr potrubí v mm šířka"), this, 1,
                           QStringLiteral("Šířka potrubí"));
    RozmBEdit =
        PridejPole(g, 0, 2, QStringLiteral("x výška"), this, 1, QStringLiteral("Výška potrubí"));
    DelkaEdit = PridejPole<TMIntegerEdit>(g, 1, 0, QStringLiteral("Délka"), this);
    prutokEdit = PridejPole(g, 2, 0, QStringLiteral("Průtok v m3/hod"), this);
    SirkaVlozekComboBox = new QComboBox(this);
    SirkaVlozekComboBox->addItems(
        {QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("300")});
    SirkaVlozekComboBox->setEditable(false);
    UmistiPole(g, 3, 0, QStringLiteral("Šířka vložek"), SirkaVlozekComboBox);
    PocetVlozekEdit = PridejPole<TMIntegerEdit>(g, 4, 0, QStringLiteral("Počet vložek"), this);
    g->setColumnStretch(4, 1);
    v->addLayout(g);
    v->addSpacing(6);
    v->addLayout(Tlacitka());
    PoradiTabulatoru({RozmAEdit, RozmBEdit, DelkaEdit, prutokEdit, SirkaVlozekComboBox,
                      PocetVlozekEdit, OKBtn, StornoBtn});
    NastavMeze();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TKTlumicForm::NastavMeze() {
    RozmAEdit->NastavMeze(TlumicRozmerMin, TlumicRozmerMax);
    RozmBEdit->NastavMeze(TlumicRozmerMin, TlumicRozmerMax);
    DelkaEdit->NastavMeze(TlumicDelkaMin, TlumicDelkaMax);
    prutokEdit->NastavMeze(TlumicPrutokMin, TlumicPrutokMax);
    PocetVlozekEdit->NastavMeze(TlumicPocetMin, TlumicPocetMax);
}

void TKTlumicForm::FormShow() {
    const TElementSite& e = var_.cesta.Aktualni();
    const auto* t = std::get_if<VstupyTlumic>(&e.Vstupy);
    const PosledniVstupy& p = var_.vstupy;
    RozmAEdit->NastavCislo(t ? t->A : NaMilimetry(p.PosledniA), 0);
    RozmBEdit->NastavCislo(t ? t->B : NaMilimetry(p.PosledniB), 0);
    // A remembered length of a duct or a room may lie outside 1..3 m; OK
    // refuses it until it is corrected.
    DelkaEdit->NastavCislo(CelaDelka(t ? t->Delka : p.PosledniDelka));
    prutokEdit->NastavCislo(t ? t->Prutok : p.PosledniPrutok, 1);
    SirkaVlozekComboBox->setCurrentIndex(PolozkaSirky(t ? t->SirkaVlozek : p.PosledniSirkaVlozek));
    PocetVlozekEdit->NastavCislo(t ? t->PocetVlozek : p.PosledniPocetVlozek);
    RozmAEdit->setFocus();
    RozmAEdit->selectAll();
}

bool TKTlumicForm::PredKontrola() {
    return KontrolaZadani(ZadaniTlumiceMozne(RozmAEdit->Cislo(), RozmBEdit->Cislo(),
                                             prutokEdit->Cislo(),
                                             SirkyVlozek[SirkaVlozekComboBox->currentIndex()],
                                             PocetVlozekEdit->Cislo()),
                          ZpravaZadaniTlumice());
}

bool TKTlumicForm::ZapisAVypocet() {
    ZadaniTlumice z;
    z.A = RozmAEdit->Cislo();
    z.B = RozmBEdit->Cislo();
    z.Delka = DelkaEdit->Cislo();
    z.Prutok = prutokEdit->Cislo();
    z.SirkaVlozek = SirkyVlozek[SirkaVlozekComboBox->currentIndex()];
    z.PocetVlozek = PocetVlozekEdit->Cislo();
    VysledekSouboru vysledek;
    const bool ok = Zadej([&z](DrunVar& v) { ZapisTlumic(v, z); },
                          [&vysledek](DrunVar& v) {
                              vysledek = VypocetTlumice(v);
                              return vysledek.Ok();
                          });
    if (!ok && var_.Hlasky) hlaseni().Chyba(QString::fromStdString(vysledek.Zprava));
    return ok;
}
