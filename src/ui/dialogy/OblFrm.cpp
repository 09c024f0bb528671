#include "ui/dialogy/OblFrm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Matemat.h"
#include "models/Oblouk.h"
#include "ui/dialogy/MujEdit.h"

using namespace drun;

TObloukForm::TObloukForm(DrunVar& var, QWidget* parent)
    : TElementDialog(var, QStringLiteral("Oblouk, koleno"), parent) {
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    RozmAEdit =
        PridejPole(g, 0, 0, QStringLiteral("Rozměry v mm: A"), this, 1, QStringLiteral("Rozměr A"));
    RozmBEdit = PridejPole(g, 0, 2, QStringLiteral("x B"), this, 1, QStringLiteral("Rozměr B"));
    RadiusEdit = PridejPole(g, 1, 0, QStringLiteral("Rádius v mm"), this);
    PrutokEdit = PridejPole(g, 2, 0, QStringLiteral("Průtok vzduchu v m3/hod"), this);
    g->setColumnStretch(4, 1);
    v->addLayout(g);

    DruhOblradioGroup = new QGroupBox(QStringLiteral("Typ"), this);
    auto* dg = new QHBoxLayout(DruhOblradioGroup);
    SPlechyRadio = new QRadioButton(QStringLiteral("Oblouk, koleno s vodícími plechy"));
    BezPlechuRadio = new QRadioButton(QStringLiteral("Koleno bez vodících plechů"));
    dg->addWidget(SPlechyRadio);
    dg->addSpacing(12);
    dg->addWidget(BezPlechuRadio);
    dg->addStretch();
    DruhObl = new QButtonGroup(this);
    DruhObl->addButton(SPlechyRadio, 0);
    DruhObl->addButton(BezPlechuRadio, 1);
    SPlechyRadio->setChecked(true);
    v->addWidget(DruhOblradioGroup);
    v->addSpacing(6);
    v->addLayout(Tlacitka());

    PoradiTabulatoru({RozmAEdit, RozmBEdit, RadiusEdit, PrutokEdit, OKBtn, StornoBtn, SPlechyRadio,
                      BezPlechuRadio});
    NastavMeze();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TObloukForm::NastavMeze() {
    RozmAEdit->NastavMeze(OblRozmerMin, OblRozmerMax);
    RozmBEdit->NastavMeze(OblRozmerMin, OblRozmerMax);
    RadiusEdit->NastavMeze(OblRadiusMin, OblRadiusMax);
    PrutokEdit->NastavMeze(OblPrutokMin, OblPrutokMax);
}

int TObloukForm::DruhIndex() const {
    return DruhObl->checkedId() == 1 ? 1 : 0;
}

void TObloukForm::NastavDruhIndex(int index) {
    (index == 1 ? BezPlechuRadio : SPlechyRadio)->setChecked(true);
}

void TObloukForm::FormShow() {
    const TElementSite& e = var_.cesta.Aktualni();
    const auto* o = std::get_if<VstupyOblouk>(&e.Vstupy);
    const PosledniVstupy& p = var_.vstupy;
    NastavDruhIndex(o ? o->Druh - 1 : 0);
    RozmAEdit->NastavCislo(o ? o->A : NaMilimetry(p.PosledniA), 0);
    RozmBEdit->NastavCislo(o ? o->B : NaMilimetry(p.PosledniB), 0);
    RadiusEdit->NastavCislo(o ? o->Radius : NaMilimetry(p.PosledniRadius), 1);
    PrutokEdit->NastavCislo(o ? o->Prutok : p.PosledniPrutok, 0);
    RozmAEdit->setFocus();
    RozmAEdit->selectAll();
}

bool TObloukForm::PredKontrola() {
    return KontrolaZadani(RychlostVPrurezu(RozmAEdit->Cislo(), RozmBEdit->Cislo(),
                                           PrutokEdit->Cislo()) < MaxRychlostTvarovky,
                          ZpravaRychlostPotrubi());
}

bool TObloukForm::ZapisAVypocet() {
    ZadaniOblouku z;
    z.Druh = DruhIndex() + 1;
    z.RozmA = RozmAEdit->Cislo();
    z.RozmB = RozmBEdit->Cislo();
    z.Radius = RadiusEdit->Cislo();
    z.Prutok = PrutokEdit->Cislo();
    z.TextA = RozmAEdit->text().toStdString();
    z.TextB = RozmBEdit->text().toStdString();
    z.TextRadius = RadiusEdit->text().toStdString();
    z.TextPrutok = PrutokEdit->text().toStdString();
    return Zadej([&z](DrunVar& v) { ZapisOblouk(v, z); }, Vzdy<VypocetOblouku>);
}
