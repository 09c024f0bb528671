#include "ui/dialogy/ViceFrm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "models/Vice.h"
#include "ui/dialogy/MujEdit.h"

using namespace drun;

TViceForm::TViceForm(DrunVar& var, QWidget* parent)
    : TElementDialog(var, QStringLiteral("Korekce na více drunů"), parent) {
    auto* v = new QVBoxLayout(this);
    auto* h = new QHBoxLayout;
    PocetEdit = new TMIntegerEdit(this);
    PocetEdit->setFixedWidth(60);
    PocetEdit->setAlignment(Qt::AlignRight);
    h->addWidget(new QLabel(QStringLiteral("Počet stejných zdrojů drunu"), this));
    h->addWidget(PocetEdit);
    h->addStretch();
    v->addLayout(h);
    v->addSpacing(6);
    v->addLayout(Tlacitka());
    PoradiTabulatoru({PocetEdit, OKBtn, StornoBtn});
    NastavMeze();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TViceForm::NastavMeze() {
    PocetEdit->NastavMeze(VicePocetMin, VicePocetMax);
}

void TViceForm::FormShow() {
    const TElementSite& e = var_.cesta.Aktualni();
    const auto* v = std::get_if<VstupyVice>(&e.Vstupy);
    PocetEdit->NastavCislo(v ? v->PocetZdroju : var_.vstupy.PosledniPocetZdroju);
    PocetEdit->setFocus();
    PocetEdit->selectAll();
}

// A count put into the field by the program is checked like a typed one.
bool TViceForm::PredKontrola() {
    return PoleVMezich(this);
}

bool TViceForm::ZapisAVypocet() {
    ZadaniVice z;
    z.Pocet = PocetEdit->Cislo();
    z.TextPocet = PocetEdit->text().toStdString();
    return ZadejElement(
        var_, Pridat(), [&z](DrunVar& v) { ZapisVice(v, z); }, Vzdy<VypocetVice>);
}
