#include "ui/dialogy/HrPotFrm.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Matemat.h"
#include "models/HrPotrubi.h"
#include "ui/dialogy/MujEdit.h"

using namespace drun;

THrPotrubiForm::THrPotrubiForm(DrunVar& var, QWidget* parent)
    : TElementDialog(var, QStringLiteral("Hranaté potrubí"), parent) {
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    RozmAEdit =
        PridejPole(g, 0, 0, QStringLiteral("Rozměry v mm: A"), this, 1, QStringLiteral("Rozměr A"));
    RozmBEdit = PridejPole(g, 0, 2, QStringLiteral("x B"), this, 1, QStringLiteral("Rozměr B"));
    DelkaEdit = PridejPole(g, 1, 0, QStringLiteral("Délka v m"), this);
    PrutokEdit = PridejPole(g, 2, 0, QStringLiteral("Průtok vzduchu v m3/hod"), this);
    g->setColumnStretch(4, 1);
    v->addLayout(g);
    v->addSpacing(6);
    v->addLayout(Tlacitka());
    PoradiTabulatoru({RozmAEdit, RozmBEdit, DelkaEdit, PrutokEdit, OKBtn, StornoBtn});
    NastavMeze();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void THrPotrubiForm::NastavMeze() {
    RozmAEdit->NastavMeze(HrPotRozmerMin, HrPotRozmerMax);
    RozmBEdit->NastavMeze(HrPotRozmerMin, HrPotRozmerMax);
    DelkaEdit->NastavMeze(HrPotDelkaMin, HrPotDelkaMax);
    PrutokEdit->NastavMeze(HrPotPrutokMin, HrPotPrutokMax);
}

void THrPotrubiForm::FormShow() {
    const TElementSite& e = var_.cesta.Aktualni();
    const auto* h = std::get_if<VstupyHrPotrubi>(&e.Vstupy);
    const PosledniVstupy& p = var_.vstupy;
    RozmAEdit->NastavCislo(h ? h->A : NaMilimetry(p.PosledniA), 0);
    RozmBEdit->NastavCislo(h ? h->B : NaMilimetry(p.PosledniB), 0);
    DelkaEdit->NastavCislo(h ? h->Delka : p.PosledniDelka, 1);
    PrutokEdit->NastavCislo(h ? h->Prutok : p.PosledniPrutok, 0);
    RozmAEdit->setFocus();
    RozmAEdit->selectAll();
}

bool THrPotrubiForm::PredKontrola() {
    return KontrolaZadani(RychlostVPrurezu(RozmAEdit->Cislo(), RozmBEdit->Cislo(),
                                           PrutokEdit->Cislo()) < MaxRychlostPotrubi,
                          ZpravaRychlostPotrubi());
}

bool THrPotrubiForm::ZapisAVypocet() {
    ZadaniHrPotrubi z;
    z.A = RozmAEdit->Cislo();
    z.B = RozmBEdit->Cislo();
    z.Delka = DelkaEdit->Cislo();
    z.Prutok = PrutokEdit->Cislo();
    z.TextA = RozmAEdit->text().toStdString();
    z.TextB = RozmBEdit->text().toStdString();
    z.TextDelka = DelkaEdit->text().toStdString();
    z.TextPrutok = PrutokEdit->text().toStdString();
    return Zadej([&z](DrunVar& v) { ZapisHrPotrubi(v, z); }, Vzdy<VypocetHrPotrubi>);
}
