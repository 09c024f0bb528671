#include "ui/dialogy/ElemDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/spolecne/Hlaseni.h"

TPlnenyDialog::TPlnenyDialog(const QString& titulek, bool modalni, QWidget* parent)
    : QDialog(parent), titulek_(titulek) {
    setWindowTitle(titulek);
    setModal(modalni);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

void TPlnenyDialog::Otevri() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    show();
}

bool TPlnenyDialog::event(QEvent* e) {
    return PredejHint(this, e) || QDialog::event(e);
}

void TPlnenyDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    const QString k = Kontext ? Kontext() : QString();
    setWindowTitle(k.isEmpty() ? titulek_ : titulek_ + QStringLiteral(" – ") + k);
    FormShow();
}

TElementDialog::TElementDialog(drun::DrunVar& var, const QString& titulek, QWidget* parent)
    : TPlnenyDialog(titulek, true, parent), var_(var) {
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    StornoBtn = new QPushButton(QStringLiteral("Storno"), this);
    OKBtn->setDefault(true);
    // Clicking Storno must not validate the field being left.
    StornoBtn->setFocusPolicy(Qt::TabFocus);
    OKBtn->setFocusPolicy(Qt::TabFocus);
    connect(OKBtn, &QPushButton::clicked, this, &TElementDialog::OKBtnClick);
    connect(StornoBtn, &QPushButton::clicked, this, &TElementDialog::StornoBtnClick);
}

QLayout* TElementDialog::Tlacitka() {
    auto* h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(OKBtn);
    h->addWidget(StornoBtn);
    return h;
}

void TElementDialog::PoradiTabulatoru(std::initializer_list<QWidget*> poradi) {
    QWidget* predchozi = nullptr;
    for (QWidget* w : poradi) {
        if (predchozi) setTabOrder(predchozi, w);
        predchozi = w;
    }
}

void TElementDialog::OKBtnClick() {
    if (!TMEdit::OverVse(this)) return;
    if (!PredKontrola()) return;
    prvek_.reset();
    if (!ZapisAVypocet() || !prvek_) return;
    accept();
    const drun::TElementSite e = *std::exchange(prvek_, std::nullopt);
    emit ElementZadan(e);
}

bool TElementDialog::Zadej(const std::function<void(drun::DrunVar&)>& zapis,
                           const std::function<bool(drun::DrunVar&)>& vypocet) {
    prvek_ = drun::PopisElementu(var_, pridat_, zapis, vypocet);
    return prvek_.has_value();
}

void TElementDialog::StornoBtnClick() {
    reject();
}

bool TElementDialog::KontrolaZadani(bool pripustne, const QString& zprava) {
    if (!PoleVMezich(this)) return false;
    if (pripustne) return true;
    hlaseni().Chyba(zprava);
    return false;
}

QString ZpravaRychlostPotrubi() {
    return QStringLiteral("Chybné zadání. Příliš vysoká rychlost v potrubí.");
}

QLabel* UmistiPole(QGridLayout* g, int radek, int sloupec, const QString& popisek, QWidget* pole,
                   int sirkaPopisku, const QString& nazev) {
    auto* l = new QLabel(popisek, pole->parentWidget());
    if (auto* m = qobject_cast<TMEdit*>(pole))
        m->Nazev = nazev.isEmpty() ? NazevZPopisku(popisek) : nazev;
    pole->setFixedWidth(80);
    if (auto* t = qobject_cast<QLineEdit*>(pole)) t->setAlignment(Qt::AlignRight);
    g->addWidget(l, radek, sloupec, 1, sirkaPopisku);
    g->addWidget(pole, radek, sloupec + sirkaPopisku);
    return l;
}

void PridejZahlaviPasem(QGridLayout* g, int radek, int sloupec) {
    for (int i = 0; i < drun::PocetPasem; ++i) {
        auto* l = new QLabel(QString::fromUtf8(drun::NazvyPasem[static_cast<size_t>(i)]));
        l->setAlignment(Qt::AlignCenter);
        g->addWidget(l, radek, sloupec + i);
    }
}

RadekPasem PridejRadekPasem(QGridLayout* g, int radek, int sloupec, const QString& nazev,
                            QWidget* rodic, const QString& nazevPole) {
    RadekPasem r{};
    g->addWidget(new QLabel(nazev, rodic), radek, sloupec - 1);
    const QString radku = nazevPole.isEmpty() ? NazevZPopisku(nazev) : nazevPole;
    for (int i = 0; i < drun::PocetPasem; ++i) {
        r.pole[i] = new TMDoubleEdit(rodic);
        const QString pasmo = QString::fromUtf8(drun::NazvyPasem[static_cast<size_t>(i)]);
        r.pole[i]->Nazev = radku.isEmpty() ? pasmo : radku + QLatin1Char(' ') + pasmo;
        r.pole[i]->setFixedWidth(56);
        r.pole[i]->setAlignment(Qt::AlignRight);
        g->addWidget(r.pole[i], radek, sloupec + i);
    }
    return r;
}

bool PoleVMezich(QWidget* w) {
    for (TMEdit* f : w->findChildren<TMEdit*>()) {
        if (!f->isEnabled()) continue;
        double min = 0, max = 0, x = 0;
        if (auto* d = qobject_cast<TMDoubleEdit*>(f)) {
            min = d->Min, max = d->Max, x = d->Cislo();
        } else if (auto* i = qobject_cast<TMIntegerEdit*>(f)) {
            min = i->Min, max = i->Max, x = i->Cislo();
        } else {
            continue;
        }
        if (x >= min && x <= max) continue;
        hlaseni().Chyba(ZpravaRozsah(f->Nazev, min, max));
        f->setFocus(Qt::OtherFocusReason);
        f->selectAll();
        return false;
    }
    return true;
}
