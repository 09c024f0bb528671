#include "ui/dialogy/KuPotFrm.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Matemat.h"
#include "models/HrPotrubi.h"
#include "models/KuPotrubi.h"
#include "ui/dialogy/MujEdit.h"

using namespace drun;

TKuPotrubiForm::TKuPotrubiForm(DrunVar& var, QWidget* parent)
    : TElementDialog(var, QStringLiteral("Kruhové potrubí"), parent) {
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    PrumerEdit = PridejPole(g, 0, 0, QStringLiteral("Průměr v mm"), this);
    DelkaEdit = PridejPole(g, 1, 0, QStringLiteral("Délka v m"), this);
    PrutokEdit = PridejPole(g, 2, 0, QStringLiteral("Průtok vzduchu v m3/hod"), this);
    g->setColumnStretch(2, 1);
    v->addLayout(g);
    v->addSpacing(6);
    v->addLayout(Tlacitka());
    PoradiTabulatoru({PrumerEdit, DelkaEdit, PrutokEdit, OKBtn, StornoBtn});
    NastavMeze();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TKuPotrubiForm::NastavMeze() {
    PrumerEdit->NastavMeze(KuPotPrumerMin, KuPotPrumerMax);
    DelkaEdit->NastavMeze(KuPotDelkaMin, KuPotDelkaMax);
    PrutokEdit->NastavMeze(KuPotPrutokMin, KuPotPrutokMax);
}

void TKuPotrubiForm::FormShow() {
    const TElementSite& e = var_.cesta.Aktualni();
    const auto* k = std::get_if<VstupyKuPotrubi>(&e.Vstupy);
    const PosledniVstupy& p = var_.vstupy;
    PrumerEdit->NastavCislo(k ? k->Prumer : NaMilimetry(p.PosledniPrumer), 0);
    DelkaEdit->NastavCislo(k ? k->Delka : p.PosledniDelka, 1);
    PrutokEdit->NastavCislo(k ? k->Prutok : p.PosledniPrutok, 0);
    PrumerEdit->setFocus();
    PrumerEdit->selectAll();
}

bool TKuPotrubiForm::PredKontrola() {
    return KontrolaZadani(RychlostKuPotrubi(PrumerEdit->Cislo(), PrutokEdit->Cislo()) <
                              MaxRychlostPotrubi,
                          ZpravaRychlostPotrubi());
}

bool TKuPotrubiForm::ZapisAVypocet() {
    ZadaniKuPotrubi z;
    z.Prumer = PrumerEdit->Cislo();
    z.Delka = DelkaEdit->Cislo();
    z.Prutok = PrutokEdit->Cislo();
    z.TextPrumer = PrumerEdit->text().toStdString();
    z.TextDelka = DelkaEdit->text().toStdString();
    z.TextPrutok = PrutokEdit->text().toStdString();
    return ZadejElement(
        var_, Pridat(), [&z](DrunVar& v) { ZapisKuPotrubi(v, z); }, Vzdy<VypocetKuPotrubi>);
}
