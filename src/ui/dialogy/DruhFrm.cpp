#include "ui/dialogy/DruhFrm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Druhy.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "models/Vypocet.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/spolecne/Hlaseni.h"

using namespace drun;

TDruhForm::TDruhForm(DrunVar& var, int kod, QWidget* parent, const QString& titulek)
    : TElementDialog(var, titulek.isEmpty() ? QString::fromUtf8(Druh(kod)->Nazev) : titulek,
                     parent),
      druh_(*Druh(kod)) {
    auto* v = new QVBoxLayout(this);
    auto* g = new QGridLayout;
    std::vector<QWidget*> poradi;
    int radek = 0;
    for (const VstupDruhu& p : druh_.Vstupy) {
        if (p.Forma == FormaVstupu::Popis) continue;
        const QString popisek = QString::fromUtf8(p.Popisek);
        PoleVstupu f;
        switch (p.Forma) {
        case FormaVstupu::Real: {
            auto* e = PridejPole(g, radek++, 0, popisek, this);
            e->NastavMeze(p.Min, p.Max);
            f.Pole = e;
            break;
        }
        case FormaVstupu::Cele:
            if (!p.Volby.empty()) {
                auto* c = new QComboBox(this);
                for (const char* t : p.Volby)
                    c->addItem(QString::fromUtf8(t));
                UmistiPole(g, radek++, 0, popisek, c);
                c->setFixedWidth(c->sizeHint().width());
                f.Pole = c;
            } else {
                auto* e = PridejPole<TMIntegerEdit>(g, radek++, 0, popisek, this);
                e->NastavMeze(int(p.Min), int(p.Max));
                f.Pole = e;
            }
            break;
        default: {
            // A band row behind its caption, under the band names, across the dialog.
            auto* pasma = new QGridLayout;
            PridejZahlaviPasem(pasma, 0, 1);
            f.Pasma = PridejRadekPasem(pasma, 1, 1, popisek, this);
            for (TMDoubleEdit* e : f.Pasma.pole)
                e->NastavMeze(p.Min, p.Max);
            f.Pole = f.Pasma.pole[0];
            g->addLayout(pasma, radek++, 0, 1, 3);
            break;
        }
        }
        if (p.Forma == FormaVstupu::Real || p.Forma == FormaVstupu::Cele)
            poradi.push_back(f.Pole);
        else
            poradi.insert(poradi.end(), std::begin(f.Pasma.pole), std::end(f.Pasma.pole));
        pole_.push_back(f);
    }
    g->setColumnStretch(2, 1);
    v->addLayout(g);
    v->addSpacing(6);
    v->addLayout(Tlacitka());
    poradi.push_back(OKBtn);
    poradi.push_back(StornoBtn);
    for (size_t i = 1; i < poradi.size(); ++i)
        setTabOrder(poradi[i - 1], poradi[i]);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TDruhForm::FormShow() {
    const TElementSite& e = var_.cesta.Aktualni();
    VstupyElementu v = e.Typ() == druh_.Kod ? e.Vstupy : NabidnuteVstupy(druh_.Kod, var_.vstupy);
    size_t i = 0;
    for (const VstupDruhu& p : druh_.Vstupy) {
        if (p.Forma == FormaVstupu::Popis) continue;
        const PoleVstupu& f = pole_[i++];
        if (p.Real) {
            static_cast<TMDoubleEdit*>(f.Pole)->NastavCislo(*p.Real(v), p.Desetin);
        } else if (p.Cele) {
            if (auto* c = qobject_cast<QComboBox*>(f.Pole))
                c->setCurrentIndex(*p.Cele(v) - int(p.Min));
            else
                static_cast<TMIntegerEdit*>(f.Pole)->NastavCislo(*p.Cele(v));
        } else if (p.Rada) {
            for (int b = 0; b < PocetPasem; ++b)
                f.Pasma.pole[b]->NastavCislo((*p.Rada(v))[static_cast<size_t>(b)], p.Desetin);
        }
    }
    if (!pole_.empty()) {
        pole_.front().Pole->setFocus();
        if (auto* t = qobject_cast<QLineEdit*>(pole_.front().Pole)) t->selectAll();
    }
}

VstupyElementu TDruhForm::Zadani() const {
    VstupyElementu v = VychoziVstupy(druh_.Kod);
    size_t i = 0;
    for (const VstupDruhu& p : druh_.Vstupy) {
        if (p.Forma == FormaVstupu::Popis) continue;
        const PoleVstupu& f = pole_[i++];
        if (p.Real) {
            *p.Real(v) = static_cast<TMDoubleEdit*>(f.Pole)->Cislo();
        } else if (p.Cele) {
            if (auto* c = qobject_cast<QComboBox*>(f.Pole))
                *p.Cele(v) = int(p.Min) + c->currentIndex();
            else
                *p.Cele(v) = static_cast<TMIntegerEdit*>(f.Pole)->Cislo();
        } else if (p.Rada) {
            for (int b = 0; b < PocetPasem; ++b)
                (*p.Rada(v))[static_cast<size_t>(b)] = f.Pasma.pole[b]->Cislo();
        }
    }
    return v;
}

bool TDruhForm::PredKontrola() {
    if (!PoleVMezich(this)) return false;
    if (!druh_.Kontrola) return true;
    const std::string chyba = druh_.Kontrola(Zadani());
    if (chyba.empty()) return true;
    hlaseni().Chyba(QString::fromStdString(chyba));
    return false;
}

bool TDruhForm::ZapisAVypocet() {
    const VstupyElementu v = Zadani();
    TextyVstupu texty;
    for (const PoleVstupu& f : pole_) {
        if (auto* t = qobject_cast<QLineEdit*>(f.Pole); t && f.Pole != f.Pasma.pole[0])
            texty.push_back(t->text().toStdString());
        else if (auto* c = qobject_cast<QComboBox*>(f.Pole))
            texty.push_back(c->currentText().toStdString());
        else
            texty.emplace_back();
    }
    return Zadej([&](DrunVar& x) { ZapisPrvek(x, v, texty); }, SpoctiPrvek);
}
