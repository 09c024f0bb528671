#include "ui/hlavni/Panely.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "core/DrunVar.h"
#include "tools/NR.h"
#include "tools/Pozadavek.h"
#include "ui/dialogy/TextHodnoty.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/tisk/GrafPrvky.h"

using namespace drun;

namespace {

// Narrowest widths of the grid's columns: captions, nine values, and the NR,
// NC and RC ratings. A wider text widens its column in all three panels.
constexpr std::array<int, 13> ZakladSloupcu{110, 52, 52, 52, 52, 52, 52, 52, 52, 52, 60, 60, 72};

QFrame* Panel(QWidget* rodic, QGridLayout*& g) {
    auto* f = new QFrame(rodic);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    g = new QGridLayout(f);
    g->setVerticalSpacing(1);
    // No spacing: a column without values (the ratings) would take none, and
    // the widened value columns of the three panels would not line up.
    g->setHorizontalSpacing(0);
    // A wider window widens the nine value columns.
    for (int i = 1; i <= 9; ++i)
        g->setColumnStretch(i, 1);
    return f;
}

QLabel* VpravoLbl(const QString& text, QWidget* rodic) {
    auto* l = new QLabel(text, rodic);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

void Zahlavi(QGridLayout* g, int radek) {
    for (int i = 0; i < 9; ++i)
        g->addWidget(VpravoLbl(i < PocetPasem
                                   ? QString::fromUtf8(NazvyPasem[static_cast<size_t>(i)])
                                   : QStringLiteral("L(A)"),
                               g->parentWidget()),
                     radek, i + 1);
}

} // namespace

TPanelyHodnot::TPanelyHodnot(QWidget* rodic) : QWidget(rodic) {
    auto* svisle = new QVBoxLayout(this);
    svisle->setContentsMargins(0, 0, 0, 0);
    svisle->setSpacing(4);
    std::array<QGridLayout*, 3> g{};

    // A row of nine values under the captions, in bold for the result.
    auto radek = [this](QGridLayout* m, int r, RadekPanelu co, const QString& nazev,
                        bool tucne = false) {
        m->addWidget(new QLabel(nazev, m->parentWidget()), r, 0);
        for (int i = 0; i < 9; ++i) {
            QLabel* l = VpravoLbl(QStringLiteral("????"), m->parentWidget());
            if (tucne) {
                QFont f = l->font();
                f.setBold(true);
                l->setFont(f);
            }
            m->addWidget(l, r, i + 1);
            radky_[static_cast<size_t>(co)][static_cast<size_t>(i)] = l;
        }
    };
    auto stitek = [this](StitekPanelu co, QLabel* l) {
        stitky_[static_cast<size_t>(co)] = l;
        return l;
    };

    zdroj_ = Panel(this, g[0]);
    NastavHint(zdroj_, QStringLiteral("Po kliknutí zadejte zdroj drunu"));
    g[0]->addWidget(new QLabel(QStringLiteral("<b>Zdroj drunu</b>"), zdroj_), 0, 0);
    QLabel* popis = stitek(StitekPanelu::PopisZdroje,
                           new QLabel(QStringLiteral("??????????????????????????"), zdroj_));
    NastavHint(popis, QStringLiteral("Po kliknutí zadejte popis"));
    g[0]->addWidget(popis, 0, 1, 1, 10);
    Zahlavi(g[0], 1);
    radek(g[0], 2, RadekPanelu::Zdroj, QStringLiteral("Akustický výkon"));
    svisle->addWidget(zdroj_);

    QFrame* element = Panel(this, g[1]);
    g[1]->addWidget(new QLabel(QStringLiteral("<b>Element</b>"), element), 0, 0);
    g[1]->addWidget(
        stitek(StitekPanelu::PopisElementu, new QLabel(QStringLiteral("------"), element)), 0, 1, 1,
        10);
    Zahlavi(g[1], 1);
    radek(g[1], 2, RadekPanelu::PredEl, QStringLiteral("Před elementem"));
    radek(g[1], 3, RadekPanelu::Utlum, QStringLiteral("Útlum"));
    radek(g[1], 4, RadekPanelu::Mezisoucet, QStringLiteral("Mezisoučet"));
    radek(g[1], 5, RadekPanelu::Vlastni, QStringLiteral("Vlastní drun"));
    radek(g[1], 6, RadekPanelu::ZaEl, QStringLiteral("Za elementem"));
    svisle->addWidget(element);

    vysledek_ = Panel(this, g[2]);
    NastavHint(vysledek_, QStringLiteral("Po kliknutí zadejte požadavek na konci sítě"));
    Zahlavi(g[2], 0);
    radek(g[2], 1, RadekPanelu::Vysledek, QStringLiteral("Výsledek celé sítě"), true);
    int sloupec = 10;
    for (auto [co, text] : {std::pair{StitekPanelu::NR, "NR ????"},
                            {StitekPanelu::NC, "NC ????"},
                            {StitekPanelu::RC, "RC ????"}}) {
        QLabel* l = stitek(co, VpravoLbl(QString::fromUtf8(text), vysledek_));
        l->setFont(R(RadekPanelu::Vysledek)[0]->font());
        g[2]->addWidget(l, 1, sloupec++);
    }
    radek(g[2], 2, RadekPanelu::Pozadavek, QStringLiteral("Požadavek"));
    g[2]->addWidget(stitek(StitekPanelu::NazevPozadavku, VpravoLbl(QString(), vysledek_)), 2, 10);
    radek(g[2], 3, RadekPanelu::Rozdil, QStringLiteral("Rozdíl"));
    for (QLabel* l : R(RadekPanelu::Pozadavek))
        NastavHint(l, QStringLiteral("Po kliknutí zadejte požadavek na konci sítě"));
    svisle->addWidget(vysledek_);
    svisle->addStretch(1); // the panels keep their height
    mrizky_ = g;
    SrovnejSloupce();

    // Clicks on the source and result panels open their dialogs; their labels
    // carry the panel's hint unless they have their own.
    for (QFrame* panel : {zdroj_, vysledek_}) {
        panel->installEventFilter(this);
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            w->installEventFilter(this);
            if (w->statusTip().isEmpty()) {
                w->setStatusTip(panel->statusTip());
                w->setToolTip(panel->toolTip());
            }
        }
    }
}

bool TPanelyHodnot::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && (w == zdroj_ || zdroj_->isAncestorOf(w))) {
            emit ZdrojKliknut();
            return true;
        }
        if (w && (w == vysledek_ || vysledek_->isAncestorOf(w))) {
            emit PozadavekKliknut();
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void TPanelyHodnot::SrovnejSloupce() {
    // Every text whole, and the columns of the three panels equally wide.
    std::array<int, ZakladSloupcu.size()> sirky = ZakladSloupcu;
    auto rozsir = [&sirky](size_t sloupec, const QLabel* l) {
        sirky[sloupec] = std::max(sirky[sloupec], l->sizeHint().width());
    };
    for (const Radek& r : radky_)
        for (size_t i = 0; i < r.size(); ++i)
            rozsir(i + 1, r[i]);
    rozsir(10, &Stitek(StitekPanelu::NR));
    rozsir(10, &Stitek(StitekPanelu::NazevPozadavku));
    rozsir(11, &Stitek(StitekPanelu::NC));
    rozsir(12, &Stitek(StitekPanelu::RC));
    for (QGridLayout* g : mrizky_)
        for (size_t i = 0; i < sirky.size(); ++i)
            if (g->columnMinimumWidth(static_cast<int>(i)) != sirky[i])
                g->setColumnMinimumWidth(static_cast<int>(i), sirky[i]);
}

void TPanelyHodnot::Zapis(RadekPanelu r, const std::array<double, 9>& s) {
    for (size_t i = 0; i < 9; ++i)
        R(r)[i]->setText(Text(s[i]));
}

void TPanelyHodnot::ZobrazZdroj(const TElementSite& zdroj) {
    stitky_[static_cast<size_t>(StitekPanelu::PopisZdroje)]->setText(
        QString::fromStdString(zdroj.Popis));
    Zapis(RadekPanelu::Zdroj, zdroj.VlastniDrun);
    bezZdroje_ = std::all_of(zdroj.VlastniDrun.begin(), zdroj.VlastniDrun.begin() + PocetPasem,
                             [](double d) { return d == 0; });
    ZobrazHodnoceni();
    SrovnejSloupce();
}

void TPanelyHodnot::ZobrazElement(const TElementSite& e, const TElementSite* pred) {
    stitky_[static_cast<size_t>(StitekPanelu::PopisElementu)]->setText(
        QString::number(e.Cislo) + QStringLiteral("     ") + QString::fromStdString(e.Popis));
    if (pred) {
        Zapis(RadekPanelu::PredEl, pred->ZaElementem);
    } else {
        for (QLabel* l : R(RadekPanelu::PredEl))
            l->setText(QStringLiteral("---"));
    }
    Zapis(RadekPanelu::Utlum, e.Utlum);
    Zapis(RadekPanelu::Mezisoucet, e.Mezisoucet);
    Zapis(RadekPanelu::Vlastni, e.VlastniDrun);
    Zapis(RadekPanelu::ZaEl, e.ZaElementem);
    SrovnejSloupce();
}

void TPanelyHodnot::ZobrazVysledek(const std::array<double, 9>& vysledek,
                                   const std::array<double, 9>& rozdil, bool sPozadavkem) {
    Zapis(RadekPanelu::Vysledek, vysledek);
    hodnoceny_ = vysledek;
    ZobrazHodnoceni();
    Zapis(RadekPanelu::Rozdil, rozdil);
    for (size_t i = 0; i < 9; ++i) {
        QLabel* l = R(RadekPanelu::Rozdil)[i];
        // Without a requirement there is nothing to exceed.
        if (!sPozadavkem) l->setText(QStringLiteral("-"));
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, sPozadavkem && rozdil[i] > 0
                                             ? QColor(255, 0, 0)
                                             : palette().color(QPalette::WindowText));
        l->setPalette(p);
    }
    SrovnejSloupce();
}

void TPanelyHodnot::ZobrazHodnoceni() {
    auto hodnoceni = [this](StitekPanelu co, const QString& text, const QString& hint) {
        QLabel* l = stitky_[static_cast<size_t>(co)];
        l->setText(bezZdroje_ ? QStringLiteral("-") : text);
        NastavHint(l, bezZdroje_ ? QString() : hint);
    };
    // Without a source there is no noise to rate.
    const HodnoceniNR nr = SpoctiNR(hodnoceny_);
    hodnoceni(StitekPanelu::NR, QStringLiteral("NR ") + Text(nr.N), HintNR(nr));
    const HodnoceniNC nc = SpoctiNC(hodnoceny_);
    hodnoceni(StitekPanelu::NC, QString::fromStdString(PopisNC(nc)), HintNC(nc));
    const HodnoceniRC rc = SpoctiRC(hodnoceny_);
    hodnoceni(StitekPanelu::RC, QString::fromStdString(PopisRC(rc)), HintRC(rc));
}

void TPanelyHodnot::ZobrazPozadavek(const std::array<double, 9>& pozadavek) {
    Zapis(RadekPanelu::Pozadavek, pozadavek);
    // A curve by its name, other levels as the user's own; none while all are zero.
    const std::string text = TextPozadavku(pozadavek);
    const bool nula = std::all_of(pozadavek.begin(), pozadavek.begin() + PocetPasem,
                                  [](double d) { return d == 0; });
    stitky_[static_cast<size_t>(StitekPanelu::NazevPozadavku)]->setText(
        nula                                  ? QString()
        : text.find(' ') == std::string::npos ? QString::fromStdString(text)
                                              : QStringLiteral("vlastní"));
    SrovnejSloupce();
}

QStringList TPanelyHodnot::Texty(RadekPanelu r) const {
    QStringList s;
    for (const QLabel* l : R(r))
        s << l->text();
    return s;
}

const QLabel& TPanelyHodnot::Hodnota(RadekPanelu r, int pasmo) const {
    return *R(r)[static_cast<size_t>(pasmo)];
}

const QLabel& TPanelyHodnot::Stitek(StitekPanelu s) const {
    return *stitky_[static_cast<size_t>(s)];
}
