#include "ui/nastroje/NavrhFrm.h"

#include <QBrush>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "core/Cisla.h"
#include "core/DrunVyp.h"
#include "core/Matemat.h"
#include "models/Tlumic.h"
#include "tools/NR.h"
#include "ui/dialogy/ElemDialog.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextHodnoty.h"
#include "ui/hlavni/Dokument.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/tisk/GrafPrvky.h"

using namespace drun;

struct UlohaNavrhu {
    DrunVar var; // the path, the requirement, the level limits, the data file
    int k = 1;
    double a = 0, b = 0, q = 0;
};

namespace {

const QColor BarvaNelze(255, 0, 0);
const QColor BarvaTlumice(0, 130, 60);
// The bands as a sentence names them.
const QString PasmaVeVete[PocetPasem] = {QStringLiteral("63 Hz"),  QStringLiteral("125 Hz"),
                                         QStringLiteral("250 Hz"), QStringLiteral("500 Hz"),
                                         QStringLiteral("1 kHz"),  QStringLiteral("2 kHz"),
                                         QStringLiteral("4 kHz"),  QStringLiteral("8 kHz")};

// Runs on a thread of its own: only the task's copy is read.
VysledekNavrhu SpoctiNavrh(const UlohaNavrhu& u) {
    VysledekNavrhu v;
    v.Chyba = ChybaNavrhu(u.var.cesta, u.k, u.var.Pozadavek);
    if (!v.Chyba.empty()) return v;
    v.Potrebny = SpoctiPotrebnyUtlum(u.var.cesta, u.k, u.var.Pozadavek);
    v.Vlivy = CoRozhoduje(u.var.cesta);
    v.PasmoNR = SpoctiNR(u.var.Vysledek).Pasmo;
    v.ChybaTlumice = ChybaPrurezu(u.a, u.b, u.q);
    if (!v.ChybaTlumice.empty()) return v;
    const std::optional<DataTlumice> data = NactiDataTlumice(u.var.SouborTlumice);
    if (!data) {
        v.ChybaTlumice = ZpravaSouboruTlumice(u.var.SouborTlumice);
        return v;
    }
    v.Tlumice = NajdiTlumice(u.var, u.k, u.var.Pozadavek, u.a, u.b, u.q, *data);
    return v;
}

QTableWidget* Tabulka(QWidget* rodic, int radku, const QStringList& hlavicka) {
    auto* t = new QTableWidget(radku, int(hlavicka.size()), rodic);
    t->setHorizontalHeaderLabels(hlavicka);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    return t;
}

QTableWidgetItem* Bunka(const QString& text, bool cislo = true) {
    auto* b = new QTableWidgetItem(text);
    if (cislo) b->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return b;
}

QString Prvek(const Cesta& c, int cislo) {
    return QString::number(cislo) + QStringLiteral(" ") +
           QString::fromStdString(c.Prvek(cislo).NazevTypu());
}

} // namespace

TNavrhForm::TNavrhForm(TDokument& dokument, QWidget* rodic)
    : QWidget(rodic, Qt::Window), dokument_(dokument) {
    setWindowTitle(QStringLiteral("Návrh opatření"));

    PoziceComboBox = new QComboBox(this);
    NastavHint(PoziceComboBox, QStringLiteral("Místo v cestě, za které se útlum vkládá"));
    connect(PoziceComboBox, &QComboBox::activated, this, &TNavrhForm::PoziceComboBoxChange);

    QStringList pasma;
    for (int i = 0; i < PocetPasem; ++i)
        pasma << NazevPasma(i);
    UtlumListBox = Tabulka(this, 1, pasma);
    UtlumListBox->setVerticalHeaderLabels({QStringLiteral("Potřebný útlum")});
    UtlumListBox->verticalHeader()->show();
    UtlumListBox->setSelectionMode(QAbstractItemView::NoSelection);
    UtlumListBox->setFocusPolicy(Qt::NoFocus);
    UtlumListBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    UtlumListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    UtlumListBox->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    UtlumListBox->setFixedHeight(UtlumListBox->horizontalHeader()->sizeHint().height() +
                                 UtlumListBox->rowHeight(0) + 2 * UtlumListBox->frameWidth());
    NastavHint(UtlumListBox,
               QStringLiteral("Potřebný útlum|Útlum, který musí mít element bez vlastního "
                              "drunu za zvoleným místem, aby konec cesty vyhověl požadavku"));
    BlokujeLbl = new QLabel(this);
    QPalette cervena = BlokujeLbl->palette();
    cervena.setColor(QPalette::WindowText, BarvaNelze);
    BlokujeLbl->setPalette(cervena);
    ZpravaLbl = new QLabel(this);
    ZpravaLbl->setWordWrap(true);
    ZpravaLbl->setPalette(cervena);

    auto* pole = new QGridLayout;
    RozmAEdit = PridejPole(pole, 0, 0, QStringLiteral("Rozměr potrubí v mm šířka"), this);
    RozmBEdit = PridejPole(pole, 0, 2, QStringLiteral("x výška"), this);
    // The flow on a row of its own, so the chart keeps room for its band labels.
    PrutokEdit = PridejPole(pole, 1, 0, QStringLiteral("Průtok v m3/hod"), this);
    pole->setColumnStretch(4, 1);
    RozmAEdit->NastavMeze(TlumicRozmerMin, TlumicRozmerMax);
    RozmBEdit->NastavMeze(TlumicRozmerMin, TlumicRozmerMax);
    PrutokEdit->NastavMeze(TlumicPrutokMin, TlumicPrutokMax);
    for (TMDoubleEdit* f : {RozmAEdit, RozmBEdit, PrutokEdit}) {
        // Enter validates as leaving does; a value validated is searched with.
        connect(f, &QLineEdit::returnPressed, f, [f] { f->Over(); });
        connect(f, &QLineEdit::editingFinished, this, [this, f] {
            if (!f->Neovereno()) NaplanujPrepocet();
        });
    }

    TlumiceListBox = Tabulka(this, 0,
                             {QStringLiteral("Šířka\nvložek"), QStringLiteral("Počet\nvložek"),
                              QStringLiteral("Mezera\n[mm]"), QStringLiteral("Délka\n[m]"),
                              QStringLiteral("Rychlost v\nmezerách [m/s]"),
                              QStringLiteral("Rezerva\n[dB]"), QStringLiteral("L(A)\nna konci")});
    TlumiceListBox->setSelectionBehavior(QAbstractItemView::SelectRows);
    TlumiceListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    TlumiceListBox->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    NastavHint(TlumiceListBox,
               QStringLiteral("Kulisové tlumiče, které za zvoleným místem vyhoví|Nejkratší první, "
                              "pak s nižší rychlostí v mezerách, užšími a méně vložkami"));
    connect(TlumiceListBox, &QTableWidget::itemSelectionChanged, this, [this] {
        VlozitBtn->setEnabled(TlumiceListBox->currentRow() >= 0);
        KresliGraf();
    });
    ZadnyLbl = new QLabel(QStringLiteral("Žádný tlumič nevyhoví"), this);
    ZadnyLbl->setWordWrap(true);
    VlozitBtn = new QPushButton(QStringLiteral("Vložit tlumič"), this);
    NastavHint(VlozitBtn, QStringLiteral("Vloží vybraný tlumič do cesty za zvolené místo"));
    connect(VlozitBtn, &QPushButton::clicked, this, &TNavrhForm::VlozitBtnClick);

    RozhodujeListBox = Tabulka(this, 0, {});
    RozhodujeListBox->setSelectionMode(QAbstractItemView::NoSelection);
    RozhodujeListBox->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    NastavHint(RozhodujeListBox,
               QStringLiteral("Co rozhoduje|O kolik klesne hladina na konci, když element "
                              "nebude mít vlastní drun, nebo když bude tlumit o 3 dB víc"));

    Graf = NovyGraf(QStringLiteral("Potřebný útlum a útlum tlumiče"));
    OsaPasem(Graf);
    osaY_ = OsaHladin(Graf);
    osaY_->setTitleText(QStringLiteral("Útlum [dB]"));
    PotrebnySerie = Cara(Graf, QStringLiteral("Potřebný útlum"), BarvaPozadavku, Qt::DashLine, 2);
    TlumicSerie =
        Cara(Graf, QStringLiteral("Útlum vybraného tlumiče"), BarvaTlumice, Qt::SolidLine, 2);
    for (QLineSeries* s : {PotrebnySerie, TlumicSerie}) {
        s->setPointsVisible(true);
        for (QAbstractAxis* a : Graf->axes())
            s->attachAxis(a);
    }
    GrafView = new QChartView(Graf, this);
    GrafView->setRenderHint(QPainter::Antialiasing);
    GrafView->setMinimumSize(480, 260);

    auto* pozice = new QHBoxLayout;
    pozice->addWidget(new QLabel(QStringLiteral("Za elementem"), this));
    pozice->addWidget(PoziceComboBox, 1);
    auto* tlumice = new QVBoxLayout;
    tlumice->addLayout(pole);
    tlumice->addWidget(TlumiceListBox, 1);
    tlumice->addWidget(ZadnyLbl);
    auto* vlozit = new QHBoxLayout;
    vlozit->addStretch(1);
    vlozit->addWidget(VlozitBtn);
    tlumice->addLayout(vlozit);
    auto* stred = new QHBoxLayout;
    stred->addLayout(tlumice, 1);
    stred->addWidget(GrafView, 1);
    auto* svisle = new QVBoxLayout(this);
    svisle->setContentsMargins(6, 6, 6, 6);
    svisle->addLayout(pozice);
    svisle->addWidget(ZpravaLbl);
    svisle->addWidget(UtlumListBox);
    svisle->addWidget(BlokujeLbl);
    svisle->addLayout(stred, 3);
    svisle->addWidget(new QLabel(QStringLiteral("Co rozhoduje"), this));
    svisle->addWidget(RozhodujeListBox, 2);
    resize(1180, 800);

    connect(&dokument_, &TDokument::Prepocitano, this, [this] {
        if (isVisible()) NaplanujPrepocet();
    });
}

TNavrhForm::~TNavrhForm() {
    // Its end would be announced to this window, which is going.
    if (vlakno_) {
        vlakno_->wait();
        delete vlakno_;
    }
}

void TNavrhForm::Zobraz() {
    show();
    raise();
    activateWindow();
}

void TNavrhForm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    const bool prvni = PoziceComboBox->count() == 0;
    NaplnPozice();
    if (prvni) PredvyplnPole();
    NaplanujPrepocet();
}

void TNavrhForm::NaplnPozice() {
    const Cesta& c = dokument_.Var().cesta;
    // Places up to the room, before it.
    const int mistnost = c.CisloMistnosti();
    const int posledni = mistnost > 1 ? mistnost - 1 : c.Pocet();
    QSignalBlocker b(PoziceComboBox);
    PoziceComboBox->clear();
    for (int j = 1; j <= posledni; ++j)
        PoziceComboBox->addItem(QString::fromStdString(RadekSeznamu(c.Prvek(j))));
    pozice_ = std::clamp(pozice_, 1, posledni);
    PoziceComboBox->setCurrentIndex(pozice_ - 1);
}

void TNavrhForm::PredvyplnPole() {
    const DrunVar& var = dokument_.Var();
    const int k = std::clamp(pozice_, 1, var.cesta.Pocet());
    const std::optional<PrurezPrutok> p = PrurezElementu(var.cesta.Prvek(k));
    RozmAEdit->NastavCislo(p ? p->A : NaMilimetry(var.vstupy.PosledniA), 0);
    RozmBEdit->NastavCislo(p ? p->B : NaMilimetry(var.vstupy.PosledniB), 0);
    PrutokEdit->NastavCislo(p ? p->Q : var.vstupy.PosledniPrutok, 1);
}

void TNavrhForm::PoziceComboBoxChange() {
    pozice_ = PoziceComboBox->currentIndex() + 1;
    PredvyplnPole();
    NaplanujPrepocet();
}

std::shared_ptr<UlohaNavrhu> TNavrhForm::Uloha() const {
    const DrunVar& var = dokument_.Var();
    // The whole calculation, copied: the thread reads nothing of the window's.
    auto u = std::make_shared<UlohaNavrhu>(UlohaNavrhu{var});
    u->var.cesta.NajdiElement(1);
    u->k = pozice_;
    u->a = RozmAEdit->Cislo();
    u->b = RozmBEdit->Cislo();
    u->q = PrutokEdit->Cislo();
    return u;
}

void TNavrhForm::NaplanujPrepocet() {
    NaplnPozice();
    SpustVlakno();
}

void TNavrhForm::SpustVlakno() {
    if (vlakno_) {
        // The running one is out of date: its successor starts when it ends.
        znovu_ = true;
        return;
    }
    auto u = Uloha();
    auto v = std::make_shared<VysledekNavrhu>();
    vlakno_ = QThread::create([u, v] { *v = SpoctiNavrh(*u); });
    connect(vlakno_, &QThread::finished, this, [this, v] {
        vlakno_->deleteLater();
        vlakno_ = nullptr;
        if (znovu_) {
            znovu_ = false;
            SpustVlakno();
            return;
        }
        Ukaz(*v);
    });
    vlakno_->start(QThread::LowPriority);
}

void TNavrhForm::DokonciPrepocet() {
    while (vlakno_) {
        vlakno_->wait();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

void TNavrhForm::Ukaz(const VysledekNavrhu& v) {
    vysledek_ = v;
    const Cesta& c = dokument_.Var().cesta;
    const bool lze = v.Chyba.empty();
    ZpravaLbl->setText(QString::fromStdString(v.Chyba));
    ZpravaLbl->setVisible(!lze);

    // Bands blocked by the same element share a line.
    std::vector<std::pair<int, QStringList>> blokuje;
    for (int i = 0; i < PocetPasem; ++i) {
        const auto p = static_cast<size_t>(i);
        QString text;
        if (lze) switch (v.Potrebny.Stav[p]) {
            case StavPasma::BezPozadavku:
                text = QStringLiteral("-");
                break;
            case StavPasma::Utlum:
                text = Text(v.Potrebny.Utlum[p]);
                break;
            case StavPasma::Nelze:
                text = QStringLiteral("nelze");
                const int j = v.Potrebny.Blokuje[p];
                auto it = std::find_if(blokuje.begin(), blokuje.end(),
                                       [j](const auto& b) { return b.first == j; });
                if (it == blokuje.end()) it = blokuje.insert(blokuje.end(), {j, {}});
                it->second << PasmaVeVete[p];
                break;
            }
        QTableWidgetItem* b = Bunka(text);
        if (lze && v.Potrebny.Stav[p] == StavPasma::Nelze) b->setForeground(QBrush(BarvaNelze));
        UtlumListBox->setItem(0, i, b);
    }
    QStringList radky;
    for (const auto& [j, pasma] : blokuje)
        radky << pasma.join(QStringLiteral(", ")) + QStringLiteral(": ") +
                     (j > 0 && j <= c.Pocet()
                          ? QStringLiteral("vlastní drun elementu ") + Prvek(c, j)
                          : QStringLiteral("nelze ani úplným útlumem"));
    BlokujeLbl->setText(radky.join(QStringLiteral("\n")));
    BlokujeLbl->setVisible(!radky.isEmpty());

    TlumiceListBox->setRowCount(0);
    TlumiceListBox->setRowCount(int(v.Tlumice.size()));
    for (int r = 0; r < int(v.Tlumice.size()); ++r) {
        const KandidatTlumice& t = v.Tlumice[size_t(r)];
        const QString hodnoty[PocetSloupcu] = {QString::number(t.Rozmery.SirkaVlozek),
                                               QString::number(t.Rozmery.PocetVlozek),
                                               QString::fromStdString(FormatCislo(t.Mezera, 0)),
                                               QString::number(t.Rozmery.Delka),
                                               Text(t.Rychlost),
                                               Text(t.Rezerva),
                                               Text(t.Konec[LA])};
        for (int s = 0; s < PocetSloupcu; ++s)
            TlumiceListBox->setItem(r, s, Bunka(hodnoty[s]));
    }
    ZadnyLbl->setText(v.ChybaTlumice.empty() ? QStringLiteral("Žádný tlumič nevyhoví")
                                             : QString::fromStdString(v.ChybaTlumice));
    ZadnyLbl->setVisible(lze && v.Tlumice.empty());
    if (!v.Tlumice.empty()) TlumiceListBox->selectRow(0);
    VlozitBtn->setEnabled(!v.Tlumice.empty());

    const QString pasmo = PasmaVeVete[v.PasmoNR];
    RozhodujeListBox->setColumnCount(5);
    RozhodujeListBox->setHorizontalHeaderLabels(
        {QStringLiteral("Element"), QStringLiteral("Bez vlastního drunu: ") + pasmo,
         QStringLiteral("L(A)"), QStringLiteral("Útlum +3 dB: ") + pasmo, QStringLiteral("L(A)")});
    RozhodujeListBox->setRowCount(0);
    RozhodujeListBox->setRowCount(int(v.Vlivy.size()));
    for (int r = 0; r < int(v.Vlivy.size()); ++r) {
        const VlivElementu& x = v.Vlivy[size_t(r)];
        const auto p = static_cast<size_t>(v.PasmoNR);
        RozhodujeListBox->setItem(
            r, 0,
            Bunka(x.Cislo <= c.Pocet() ? Prvek(c, x.Cislo) : QString::number(x.Cislo), false));
        RozhodujeListBox->setItem(r, 1, Bunka(Text(x.BezDrunu[p])));
        RozhodujeListBox->setItem(r, 2, Bunka(Text(x.BezDrunu[LA])));
        RozhodujeListBox->setItem(r, 3, Bunka(Text(x.VyssiUtlum[p])));
        RozhodujeListBox->setItem(r, 4, Bunka(Text(x.VyssiUtlum[LA])));
    }
    KresliGraf();
    emit Spocteno();
}

void TNavrhForm::KresliGraf() {
    QList<QPointF> potrebny, tlumic;
    double max = 10;
    if (vysledek_.Chyba.empty())
        for (int i = 0; i < PocetPasem; ++i) {
            const auto p = static_cast<size_t>(i);
            if (vysledek_.Potrebny.Stav[p] != StavPasma::Utlum) continue;
            potrebny << QPointF(i + 1, vysledek_.Potrebny.Utlum[p]);
            max = std::max(max, vysledek_.Potrebny.Utlum[p]);
        }
    const int r = TlumiceListBox->currentRow();
    if (r >= 0 && r < int(vysledek_.Tlumice.size()))
        for (int i = 0; i < PocetPasem; ++i) {
            const double u = vysledek_.Tlumice[size_t(r)].Utlum[size_t(i)];
            tlumic << QPointF(i + 1, u);
            max = std::max(max, u);
        }
    PotrebnySerie->replace(potrebny);
    TlumicSerie->replace(tlumic);
    NastavRozsah(osaY_, 0, 10 * std::ceil(max / 10 + 0.05), 10);
}

void TNavrhForm::VlozitBtnClick() {
    const int r = TlumiceListBox->currentRow();
    if (r < 0 || r >= int(vysledek_.Tlumice.size())) return;
    DrunVar& var = dokument_.Var();
    const int k = pozice_;
    // The path may have changed since the list was made.
    if (const std::string chyba = ChybaNavrhu(var.cesta, k, var.Pozadavek); !chyba.empty()) {
        hlaseni().Chyba(QString::fromStdString(chyba));
        return;
    }
    const RozmeryTlumice& t = vysledek_.Tlumice[size_t(r)].Rozmery;
    const ZadaniTlumice z{t.A, t.B, int(t.Delka), t.Prutok, t.SirkaVlozek, t.PocetVlozek};
    const int pred = dokument_.ZobrazenyPrvek();
    var.cesta.NajdiElement(k);
    std::string chyba;
    const bool ok = ZadejElement(
        var, true, [&](DrunVar& v) { ZapisTlumic(v, z); },
        [&](DrunVar& v) {
            const VysledekSouboru s = VypocetTlumice(v);
            chyba = s.Zprava;
            return s.Ok();
        });
    if (!ok) {
        var.cesta.NajdiElement(pred);
        hlaseni().Chyba(QString::fromStdString(chyba));
        return;
    }
    dokument_.PrepocitejOd(k + 1);
    dokument_.ZaznamenejKrok(QStringLiteral("Vložit tlumič za element ") + QString::number(k),
                             pred);
}
