#include "ui/dialogy/MistnFrm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "models/Mistnost.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextPole.h"
#include "ui/spolecne/Hlaseni.h"

using namespace drun;

TMistnostForm::TMistnostForm(DrunVar& var, QWidget* parent)
    : TElementDialog(var, QStringLiteral("Místnost"), parent) {
    auto* v = new QVBoxLayout(this);

    auto* horni = new QGridLayout;
    horni->addWidget(new QLabel(QStringLiteral("Popis"), this), 0, 0);
    PopisMistnEdit = new QLineEdit(this);
    PovolJen1250(PopisMistnEdit);
    horni->addWidget(PopisMistnEdit, 0, 1, 1, 5);
    // A field and its caption share the hint.
    auto hint = [](QWidget* pole, QLabel* popisek, const QString& text) {
        NastavHint(pole, text);
        NastavHint(popisek, text);
    };
    PlochaStenEdit = new TMDoubleEdit(this);
    hint(PlochaStenEdit,
         UmistiPole(horni, 1, 0, QStringLiteral("Plocha stěn v m2"), PlochaStenEdit),
         QStringLiteral("Součet ploch všech stěn vč. podlahy a stropu"));
    horni->addItem(new QSpacerItem(MistnostMeziSkupinami, 1), 1, 2);
    VzdalenostEdit = new TMDoubleEdit(this);
    hint(VzdalenostEdit,
         UmistiPole(horni, 1, 3, QStringLiteral("Vzdálenost od zdroje v m"), VzdalenostEdit),
         QStringLiteral("Vzdálenost sledovaného místa od zdroje drunu (vyústky)"));
    horni->setColumnStretch(5, 1);
    v->addLayout(horni);
    v->addSpacing(6);

    auto* g = new QGridLayout;
    PridejZahlaviPasem(g, 0, 1);
    SoucPohl = PridejRadekPasem(g, 1, 1, QStringLiteral("Součinitel pohltivosti stěn"), this);
    SmerSouc = PridejRadekPasem(g, 2, 1, QStringLiteral("Směrový součiitel"), this,
                                QStringLiteral("Směrový součinitel"));
    v->addLayout(g);

    SmerSoucRadioGroup =
        new QGroupBox(QStringLiteral("Zdroj drunu je (50° odklon od vodorovné roviny)"), this);
    auto* radio = new QGridLayout(SmerSoucRadioGroup);
    volby_ = new QButtonGroup(this);
    const std::array<const char*, 5> texty{"V prostoru", "Na stěně, stropě", "V hraně", "V rohu",
                                           "Jinde"};
    for (int i = 0; i < 5; ++i) {
        auto* b =
            new QRadioButton(QString::fromUtf8(texty[static_cast<size_t>(i)]), SmerSoucRadioGroup);
        SmerSoucVolba[static_cast<size_t>(i)] = b;
        volby_->addButton(b, i);
        radio->addWidget(b, 0, i);
        radio->setColumnStretch(i, 1);
    }
    radio->setHorizontalSpacing(MistnostMeziSkupinami);
    // Five even columns, whatever the length of each text.
    int sirka = 0;
    for (QRadioButton* b : SmerSoucVolba)
        sirka = std::max(sirka, b->sizeHint().width());
    for (int i = 0; i < 5; ++i)
        radio->setColumnMinimumWidth(i, sirka);
    connect(volby_, &QButtonGroup::idClicked, this, &TMistnostForm::SmerSoucRadioGroupClick);
    v->addWidget(SmerSoucRadioGroup);
    v->addSpacing(6);
    v->addLayout(Tlacitka());

    for (int i = 0; i < PocetPasem; ++i) {
        SoucPohl.pole[i]->NastavCislo(var_.vstupy.Pohltivost[static_cast<size_t>(i)], 2);
        SmerSouc.pole[i]->NastavCislo(var_.vstupy.Smerovost[static_cast<size_t>(i)], 1);
    }
    PlochaStenEdit->NastavCislo(var_.vstupy.PosledniPlochaSten, 1);
    VzdalenostEdit->NastavCislo(var_.vstupy.PosledniDelka, 1);
    SmerSoucVolba[Jinde]->setChecked(true);
    NastavMeze();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TMistnostForm::NastavMeze() {
    PlochaStenEdit->NastavMeze(MistnostPlochaMin, MistnostPlochaMax);
    VzdalenostEdit->NastavMeze(MistnostVzdalenostMin, MistnostVzdalenostMax);
    for (int i = 0; i < PocetPasem; ++i) {
        SoucPohl.pole[i]->NastavMeze(PohltivostMin, PohltivostMax);
        SmerSouc.pole[i]->NastavMeze(SmerovostMin, SmerovostMax);
    }
}

void TMistnostForm::FormShow() {
    const TElementSite& e = var_.cesta.Aktualni();
    const auto* m = std::get_if<VstupyMistnost>(&e.Vstupy);
    if (m) {
        PopisMistnEdit->setText(QString::fromStdString(e.Popis));
        PlochaStenEdit->NastavCislo(m->PlochaSten, 1);
        VzdalenostEdit->NastavCislo(m->Vzdalenost, 1);
    } else {
        // The description keeps whatever was typed last, but for a room of a rozvod.
        if (NovaBezJmena && NovaBezJmena()) PopisMistnEdit->clear();
        PlochaStenEdit->NastavCislo(var_.vstupy.PosledniPlochaSten, 1);
        VzdalenostEdit->NastavCislo(var_.vstupy.PosledniDelka, 1);
    }
    // A new room is offered the last room's tables.
    const RadaPasem& pohltivost = m ? m->Pohltivost : var_.vstupy.Pohltivost;
    const RadaPasem& smerovost = m ? m->Smerovost : var_.vstupy.Smerovost;
    for (int i = 0; i < PocetPasem; ++i) {
        SoucPohl.pole[i]->NastavCislo(pohltivost[static_cast<size_t>(i)], 2);
        SmerSouc.pole[i]->NastavCislo(smerovost[static_cast<size_t>(i)], 1);
        SmerSouc.pole[i]->setEnabled(true);
    }
    SmerSoucVolba[Jinde]->setChecked(true);
    PopisMistnEdit->setFocus();
}

void TMistnostForm::SmerSoucRadioGroupClick(int polozka) {
    if (polozka < VProstoru || polozka > Jinde) return;
    SmerSoucVolba[static_cast<size_t>(polozka)]->setChecked(true);
    const bool jinde = polozka == Jinde;
    // A source in free space radiates into the full sphere; each bounding
    // surface halves the solid angle and doubles the factor.
    const std::array<double, 4> faktor{1, 2, 4, 8};
    for (TMDoubleEdit* f : SmerSouc.pole) {
        if (!jinde) {
            const double q = faktor[static_cast<size_t>(polozka)];
            f->NastavCislo(q, QString::number(q));
        }
        f->setEnabled(jinde);
    }
}

bool TMistnostForm::PredKontrola() {
    return PoleVMezich(this) && (!PovolJmeno || PovolJmeno(PopisMistnEdit->text()));
}

bool TMistnostForm::ZapisAVypocet() {
    ZadaniMistnosti z;
    z.Popis = PopisMistnEdit->text().toStdString();
    z.PlochaSten = PlochaStenEdit->Cislo();
    z.Vzdalenost = VzdalenostEdit->Cislo();
    for (int i = 0; i < PocetPasem; ++i) {
        z.Pohltivost[static_cast<size_t>(i)] = SoucPohl.pole[i]->Cislo();
        z.Smerovost[static_cast<size_t>(i)] = SmerSouc.pole[i]->Cislo();
    }
    return Zadej([&z](DrunVar& v) { ZapisMistnost(v, z); }, Vzdy<VypocetMistnosti>);
}
