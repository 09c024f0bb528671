#include "ui/dialogy/VyustFrm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Matemat.h"
#include "models/Vyustka.h"
#include "ui/dialogy/MujEdit.h"

using namespace drun;

QString ZpravaRychlostVyustky() {
    return QStringLiteral("Chybné zadání. Příliš vysoká rychlost.");
}

namespace {

// A captioned group of radio items in three columns, the first one checked.
QGroupBox* RadioSkupina(const QString& titulek, const QStringList& polozky, QButtonGroup*& skupina,
                        QWidget* rodic) {
    auto* box = new QGroupBox(titulek, rodic);
    auto* g = new QGridLayout(box);
    skupina = new QButtonGroup(box);
    for (int i = 0; i < polozky.size(); ++i) {
        auto* b = new QRadioButton(polozky[i], box);
        skupina->addButton(b, i);
        g->addWidget(b, i / 3, i % 3);
    }
    skupina->button(0)->setChecked(true);
    return box;
}

} // namespace

TVyustkaForm::TVyustkaForm(DrunVar& var, QWidget* parent)
    : TElementDialog(var, QStringLiteral("Vyústka, žaluzie"), parent) {
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    RozmAEdit =
        PridejPole(g, 0, 0, QStringLiteral("Rozměry v mm: A"), this, 1, QStringLiteral("Rozměr A"));
    RozmBEdit = PridejPole(g, 0, 2, QStringLiteral("x B"), this, 1, QStringLiteral("Rozměr B"));
    PrutokEdit = PridejPole(g, 1, 0, QStringLiteral("Průtok vzduchu v m3/hod"), this);
    g->setColumnStretch(4, 1);
    v->addLayout(g);

    QStringList druhy, umisteni;
    for (const DruhVyustky& d : DruhyVyustek)
        druhy << QString::fromUtf8(d.Polozka);
    for (const UmisteniVyustky& u : UmisteniVyustek)
        umisteni << QString::fromUtf8(u.Polozka);
    DruhVyustkyRadioGroup = RadioSkupina(QStringLiteral("Druh"), druhy, DruhTlacitka, this);
    UmisteniRadioGroup = RadioSkupina(QStringLiteral("Umístění"), umisteni, UmisteniTlacitka, this);
    v->addWidget(DruhVyustkyRadioGroup);
    v->addWidget(UmisteniRadioGroup);
    v->addSpacing(6);
    v->addLayout(Tlacitka());

    PoradiTabulatoru({RozmAEdit, RozmBEdit, PrutokEdit, DruhTlacitka->button(0),
                      UmisteniTlacitka->button(0), OKBtn, StornoBtn});
    NastavMeze();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TVyustkaForm::NastavMeze() {
    RozmAEdit->NastavMeze(VyustRozmerMin, VyustRozmerMax);
    RozmBEdit->NastavMeze(VyustRozmerMin, VyustRozmerMax);
    PrutokEdit->NastavMeze(VyustPrutokMin, VyustPrutokMax);
}

void TVyustkaForm::FormShow() {
    const TElementSite& e = var_.cesta.Aktualni();
    if (const auto* v = std::get_if<VstupyVyustka>(&e.Vstupy)) {
        RozmAEdit->NastavCislo(v->A, 0);
        RozmBEdit->NastavCislo(v->B, 0);
        PrutokEdit->NastavCislo(v->Prutok, 0);
        if (QAbstractButton* b = DruhTlacitka->button(v->Druh - 1)) b->setChecked(true);
        if (QAbstractButton* b = UmisteniTlacitka->button(v->Umisteni - 1)) b->setChecked(true);
    } else {
        RozmAEdit->NastavCislo(NaMilimetry(var_.vstupy.PosledniA), 0);
        RozmBEdit->NastavCislo(NaMilimetry(var_.vstupy.PosledniB), 0);
        PrutokEdit->NastavCislo(var_.vstupy.PosledniPrutok, 0);
        DruhTlacitka->button(0)->setChecked(true);
        UmisteniTlacitka->button(0)->setChecked(true);
    }
    RozmAEdit->setFocus();
    RozmAEdit->selectAll();
}

bool TVyustkaForm::PredKontrola() {
    return KontrolaZadani(RychlostVPrurezu(RozmAEdit->Cislo(), RozmBEdit->Cislo(),
                                           PrutokEdit->Cislo()) < MaxRychlostVyustky,
                          ZpravaRychlostVyustky());
}

bool TVyustkaForm::ZapisAVypocet() {
    ZadaniVyustky z;
    z.A = RozmAEdit->Cislo();
    z.B = RozmBEdit->Cislo();
    z.Prutok = PrutokEdit->Cislo();
    z.Druh = static_cast<std::uint8_t>(DruhTlacitka->checkedId() + 1);
    z.Umisteni = static_cast<std::uint8_t>(UmisteniTlacitka->checkedId() + 1);
    z.TextA = RozmAEdit->text().toStdString();
    z.TextB = RozmBEdit->text().toStdString();
    z.TextPrutok = PrutokEdit->text().toStdString();
    return Zadej([&z](DrunVar& v) { ZapisVyustku(v, z); }, Vzdy<VypocetVyustky>);
}
