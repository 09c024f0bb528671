#include "ui/OblFrm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Matemat.h"
#include "models/OblFrm.h"
#include "ui/MujEdit.h"

using namespace drun;

TObloukForm::TObloukForm(DrunVar& var, QWidget* parent)
    : TElementDialog(var, QStringLiteral("Oblouk, koleno"), parent) {
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    RozmAEdit = new TMDoubleEdit(this);
    RozmBEdit = new TMDoubleEdit(this);
    RadiusEdit = new TMDoubleEdit(this);
    PrutokEdit = new TMDoubleEdit(this);
    for (TMDoubleEdit* f : {RozmAEdit, RozmBEdit, RadiusEdit, PrutokEdit}) {
        f->setFixedWidth(80);
        f->setAlignment(Qt::AlignRight);
    }
    g->addWidget(new QLabel(QStringLiteral("Rozměry v mm: A"), this), 0, 0);
    g->addWidget(RozmAEdit, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("x B"), this), 0, 2);
    g->addWidget(RozmBEdit, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("Rádius v mm"), this), 1, 0);
    g->addWidget(RadiusEdit, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Průtok vzduchu v m3/hod"), this), 2, 0);
    g->addWidget(PrutokEdit, 2, 1);
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

    setTabOrder(RozmAEdit, RozmBEdit);
    setTabOrder(RozmBEdit, RadiusEdit);
    setTabOrder(RadiusEdit, PrutokEdit);
    setTabOrder(PrutokEdit, OKBtn);
    setTabOrder(OKBtn, StornoBtn);
    setTabOrder(StornoBtn, SPlechyRadio);
    setTabOrder(SPlechyRadio, BezPlechuRadio);
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
    const bool sam = e.Typ == TypOblouk;
    NastavDruhIndex(sam ? e.Druh - 1 : 0);
    RozmAEdit->NastavCislo(NaMilimetry(sam ? e.RozmA : var_.PosledniA), 0);
    RozmBEdit->NastavCislo(NaMilimetry(sam ? e.RozmB : var_.PosledniB), 0);
    RadiusEdit->NastavCislo(NaMilimetry(sam ? e.Radius : var_.PosledniRadius), 1);
    PrutokEdit->NastavCislo(sam ? e.Prutok : var_.PosledniPrutok, 0);
    RozmAEdit->setFocus();
    RozmAEdit->selectAll();
}

bool TObloukForm::PredKontrola() {
    return KontrolaZadani(RychlostTvarovky(PrutokEdit->Cislo(), RozmAEdit->Cislo(),
                                           RozmBEdit->Cislo()) < MaxRychlostTvarovky,
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
    return ZadejElement(
        var_, [&z](DrunVar& v) { ZapisOblouk(v, z); }, Vzdy<VypocetOblouku>);
}

void TObloukForm::Zapamatuj() {
    const TElementSite& e = var_.cesta.Aktualni();
    var_.PosledniA = e.RozmA;
    var_.PosledniB = e.RozmB;
    var_.PosledniRadius = e.Radius;
    var_.PosledniPrutok = e.Prutok;
}
