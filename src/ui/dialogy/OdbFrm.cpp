#include "ui/dialogy/OdbFrm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Matemat.h"
#include "models/Oblouk.h"
#include "models/Odbocka.h"
#include "ui/dialogy/MujEdit.h"

using namespace drun;

TOdbockaForm::TOdbockaForm(DrunVar& var, QWidget* parent)
    : TElementDialog(var, QStringLiteral("Odbočka, rozbočka"), parent) {
    auto* v = new QVBoxLayout(this);
    auto* smery = new QHBoxLayout;
    auto* pocitany = new QGroupBox(QStringLiteral("Počítaný směr (za odbočkou)"), this);
    auto* g1 = new QGridLayout(pocitany);
    OdbA1Edit = PridejPole(g1, 0, 0, QStringLiteral("Rozměry v mm: A1"), this, 1,
                           QStringLiteral("Rozměr A1"));
    OdbB1Edit = PridejPole(g1, 0, 2, QStringLiteral("x B1"), this, 1, QStringLiteral("Rozměr B1"));
    OdbPrutokEdit =
        PridejPole(g1, 1, 0, QStringLiteral("Průtok vzduchu odbočením v m3/hod"), this, 3);
    smery->addWidget(pocitany);
    auto* ostatni = new QGroupBox(QStringLiteral("Ostatní směry (za odbočkou)"), this);
    auto* g2 = new QGridLayout(ostatni);
    OdbA2Edit = PridejPole(g2, 0, 0, QStringLiteral("Rozměry v mm: A2"), this, 1,
                           QStringLiteral("Rozměr A2"));
    OdbB2Edit = PridejPole(g2, 0, 2, QStringLiteral("x B2"), this, 1, QStringLiteral("Rozměr B2"));
    g2->setRowStretch(1, 1);
    smery->addWidget(ostatni, 0);
    v->addLayout(smery);

    auto* g = new QGridLayout;
    CelkPrutokEdit =
        PridejPole(g, 0, 0, QStringLiteral("Průtok vzduchu před odbočkou v m3/hod"), this);
    RadiusEdit = PridejPole(g, 1, 0, QStringLiteral("Rádius v mm"), this);
    g->setColumnStretch(2, 1);
    v->addLayout(g);
    v->addSpacing(6);
    v->addLayout(Tlacitka());

    PoradiTabulatoru({OdbA1Edit, OdbB1Edit, OdbA2Edit, OdbB2Edit, OdbPrutokEdit, CelkPrutokEdit,
                      RadiusEdit, OKBtn, StornoBtn});
    NastavMeze();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TOdbockaForm::NastavMeze() {
    for (TMDoubleEdit* f : {OdbA1Edit, OdbB1Edit, OdbA2Edit, OdbB2Edit})
        f->NastavMeze(OdbRozmerMin, OdbRozmerMax);
    OdbPrutokEdit->NastavMeze(OdbPrutokMin, OdbPrutokMax);
    CelkPrutokEdit->NastavMeze(OdbPrutokMin, OdbPrutokMax);
    RadiusEdit->NastavMeze(OdbRadiusMin, OdbRadiusMax);
}

void TOdbockaForm::FormShow() {
    const TElementSite& e = var_.cesta.Aktualni();
    const auto* o = std::get_if<VstupyOdbocka>(&e.Vstupy);
    const PosledniVstupy& p = var_.vstupy;
    OdbA1Edit->NastavCislo(o ? o->A : NaMilimetry(p.PosledniA), 0);
    OdbB1Edit->NastavCislo(o ? o->B : NaMilimetry(p.PosledniB), 0);
    OdbA2Edit->NastavCislo(o ? o->A2 : NaMilimetry(PosledniVstupy::VychoziA2), 0);
    OdbB2Edit->NastavCislo(o ? o->B2 : NaMilimetry(PosledniVstupy::VychoziB2), 0);
    RadiusEdit->NastavCislo(o ? o->Radius : NaMilimetry(p.PosledniRadius), 1);
    OdbPrutokEdit->NastavCislo(o ? o->OdbPrutok : p.PosledniOdbPrutok, 0);
    CelkPrutokEdit->NastavCislo(o ? o->Prutok : p.PosledniPrutok, 0);
    OdbA1Edit->setFocus();
    OdbA1Edit->selectAll();
}

bool TOdbockaForm::PredKontrola() {
    // Only the computed direction is limited; the other stream is not a duct of the path.
    return KontrolaZadani(RychlostVPrurezu(OdbA1Edit->Cislo(), OdbB1Edit->Cislo(),
                                           OdbPrutokEdit->Cislo()) < MaxRychlostTvarovky,
                          ZpravaRychlostPotrubi());
}

bool TOdbockaForm::ZapisAVypocet() {
    ZadaniOdbocky z;
    z.RozmA1 = OdbA1Edit->Cislo();
    z.RozmB1 = OdbB1Edit->Cislo();
    z.RozmA2 = OdbA2Edit->Cislo();
    z.RozmB2 = OdbB2Edit->Cislo();
    z.Radius = RadiusEdit->Cislo();
    z.CelkPrutok = CelkPrutokEdit->Cislo();
    z.OdbPrutok = OdbPrutokEdit->Cislo();
    z.TextA1 = OdbA1Edit->text().toStdString();
    z.TextB1 = OdbB1Edit->text().toStdString();
    z.TextA2 = OdbA2Edit->text().toStdString();
    z.TextB2 = OdbB2Edit->text().toStdString();
    z.TextRadius = RadiusEdit->text().toStdString();
    z.TextCelkPrutok = CelkPrutokEdit->text().toStdString();
    z.TextOdbPrutok = OdbPrutokEdit->text().toStdString();
    return Zadej([&z](DrunVar& v) { ZapisOdbocku(v, z); }, Vzdy<VypocetOdbocky>);
}
