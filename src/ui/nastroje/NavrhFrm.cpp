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
#include "io/Projekt.h"
#include "io/RozvodSoubor.h"
#include "models/Obecny.h"
#include "models/Tlumic.h"
#include "models/Vypocet.h"
#include "tools/Pozadavek.h"
#include "ui/dialogy/ElemDialog.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/TextHodnoty.h"
#include "ui/hlavni/Dokument.h"
#include "ui/hlavni/Strom.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/tisk/GrafPrvky.h"

using namespace drun;

struct UlohaNavrhu {
    DrunVar var; // the path, the requirement, the level limits, the data file
    int k = 1;
    double a = 0, b = 0, q = 0;
    // In a rozvod with branches: a copy of it, and the position as section Id
    // and own element.
    std::optional<Rozvod> rozvod{};
    int id = 0, kUseku = 0;
    std::stop_source zastav{}; // requested when the result is no longer wanted
};

namespace {

const QColor BarvaNelze(255, 0, 0);
const QColor BarvaTlumice(0, 130, 60);
// The bands as a sentence names them.
const QString PasmaVeVete[PocetPasem] = {QStringLiteral("63 Hz"),  QStringLiteral("125 Hz"),
                                         QStringLiteral("250 Hz"), QStringLiteral("500 Hz"),
                                         QStringLiteral("1 kHz"),  QStringLiteral("2 kHz"),
                                         QStringLiteral("4 kHz"),  QStringLiteral("8 kHz")};

const QString TextZadejtePrurez =
    QStringLiteral("Žádný element cesty nemá obdélníkový průřez: zadejte rozměr potrubí "
                   "a průtok v místě opatření.");
const QString TextPocitam = QStringLiteral("Počítám…");
const char* const VlastniDrun = "vlastní drun elementu ";
const char* const NelzeUplnym = "nelze ani úplným útlumem";

std::string Misto(int id, int k) {
    return std::to_string(id) + ':' + std::to_string(k);
}

// The remedy for every room fed behind the position; silencers and linings
// are offered only when something is needed, as for a single path.
VysledekNavrhu SpoctiNavrhVRozvodu(const UlohaNavrhu& u, VysledekNavrhu v) {
    const Rozvod& r = *u.rozvod;
    v.Chyba = ChybaNavrhuRozvodu(r, u.id, u.kUseku);
    if (!v.Chyba.empty()) return v;
    for (size_t s : r.Napajene(size_t(r.Index(u.id)), u.kUseku))
        if (r.ChybaCesty(s)) {
            v.Chyba = ZpravaTlumiceUseku(u.var.SouborTlumice, r.Useky()[s].Id);
            return v;
        }
    const std::string chybaPrurezu = ChybaPrurezu(u.a, u.b, u.q);
    DataTlumice data;
    const VysledekSouboru cteni = chybaPrurezu.empty()
                                      ? NactiDataTlumice(u.var.SouborTlumice, data)
                                      : VysledekSouboru{KodVysledku::DataTlumice, {}};
    NavrhRozvodu n = SpoctiNavrhRozvodu(r, u.id, u.kUseku, u.var, u.a, u.b, u.q,
                                        cteni.Ok() ? &data : nullptr, u.zastav.get_token());
    v.Potrebny = n.Utlum;
    for (size_t i = 0; i < PocetPasem; ++i) {
        if (n.Utlum.Stav[i] != StavPasma::Nelze) continue;
        const BlokujeRozvod& b = n.Blokuje[i];
        v.Blokuje[i] =
            (b.Cislo == 0
                 ? std::string(NelzeUplnym)
                 : VlastniDrun + Misto(b.Usek, b.Cislo) + ' ' +
                       r.Useky()[size_t(r.Index(b.Usek))].Prvky[size_t(b.Cislo - 1)].NazevTypu()) +
            " (místnost " + b.Mistnost + ')';
    }
    v.Splnen = PozadavekSplnen(v.Potrebny);
    if (v.Splnen) return v;
    v.ChybaTlumice = chybaPrurezu;
    if (!v.ChybaTlumice.empty()) return v;
    v.Oblozeni = std::move(n.Oblozeni);
    if (!cteni.Ok()) {
        v.ChybaTlumice = cteni.Zprava;
        return v;
    }
    v.Tlumice = std::move(n.Tlumice);
    return v;
}

// Runs on a thread of its own: only the task's copy is read. Once a stop is
// requested the answer is incomplete and thrown away.
VysledekNavrhu SpoctiNavrh(const UlohaNavrhu& u) {
    const std::stop_token stop = u.zastav.get_token();
    VysledekNavrhu v;
    v.A = u.a;
    v.B = u.b;
    v.Q = u.q;
    v.Podily = PodilyNaKonci(u.var.cesta);
    if (u.rozvod) return SpoctiNavrhVRozvodu(u, std::move(v));
    const Cesta& c = u.var.cesta;
    v.Chyba = ChybaNavrhu(c, u.k, u.var.Pozadavek);
    if (!v.Chyba.empty()) return v;
    v.Potrebny = SpoctiPotrebnyUtlum(c, u.k, u.var.Pozadavek, stop);
    for (size_t i = 0; i < PocetPasem; ++i) {
        const int j = v.Potrebny.Blokuje[i];
        if (v.Potrebny.Stav[i] == StavPasma::Nelze)
            v.Blokuje[i] = j > 0 && j <= c.Pocet()
                               ? VlastniDrun + std::to_string(j) + ' ' + c.Prvek(j).NazevTypu()
                               : NelzeUplnym;
    }
    v.Splnen = PozadavekSplnen(v.Potrebny);
    if (v.Splnen) return v;
    v.ChybaTlumice = ChybaPrurezu(u.a, u.b, u.q);
    if (!v.ChybaTlumice.empty()) return v;
    v.Oblozeni = NajdiOblozeni(c, u.k, u.var.Pozadavek, u.a, u.b, u.q, stop);
    DataTlumice data;
    if (const VysledekSouboru cteni = NactiDataTlumice(u.var.SouborTlumice, data); !cteni.Ok()) {
        v.ChybaTlumice = cteni.Zprava;
        return v;
    }
    v.Tlumice = NajdiTlumice(u.var, u.k, u.var.Pozadavek, u.a, u.b, u.q, data, stop);
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
    MistoLbl = new QLabel(this);
    NastavHint(MistoLbl, QStringLiteral("Útlum za tímto elementem dostanou všechny místnosti, "
                                        "které napájí"));

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
    RozmAEdit = PridejPole(pole, 0, 0, QStringLiteral("Rozměr potrubí v mm šířka"), this, 1,
                           QStringLiteral("Šířka potrubí"));
    RozmBEdit =
        PridejPole(pole, 0, 2, QStringLiteral("x výška"), this, 1, QStringLiteral("Výška potrubí"));
    // The flow on a row of its own, so the chart keeps room for its band labels.
    PrutokEdit = PridejPole(pole, 1, 0, QStringLiteral("Průtok v m3/hod"), this);
    PrurezLbl = new QLabel(this);
    PrurezLbl->setWordWrap(true);
    NastavHint(PrurezLbl, QStringLiteral("Odkud je rozměr potrubí a průtok v místě opatření"));
    pole->addWidget(PrurezLbl, 1, 2, 1, 3);
    pole->setColumnStretch(4, 1);
    RozmAEdit->NastavMeze(TlumicRozmerMin, TlumicRozmerMax);
    RozmBEdit->NastavMeze(TlumicRozmerMin, TlumicRozmerMax);
    PrutokEdit->NastavMeze(TlumicPrutokMin, TlumicPrutokMax);
    for (TMDoubleEdit* f : {RozmAEdit, RozmBEdit, PrutokEdit}) {
        // Enter validates as leaving does; a value validated is searched with.
        connect(f, &QLineEdit::returnPressed, f, [f] { f->Over(); });
        connect(f, &TMEdit::Prevzato, this, &TNavrhForm::NaplanujPrepocet);
        // Typed values stay until the place changes or another calculation comes.
        connect(f, &QLineEdit::textEdited, this, [this] {
            zadano_ = true;
            PrurezLbl->setText(QStringLiteral("zadáno"));
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
        VlozitBtn->setEnabled(!Pocita() && TlumiceListBox->currentRow() >= 0);
        KresliGraf();
        UkazNapajene(true);
    });
    NapajeneLbl = new QLabel(this);
    NapajeneLbl->setWordWrap(true);
    NapajeneLbl->hide();
    ZadnyLbl = new QLabel(QStringLiteral("Žádný tlumič nevyhoví"), this);
    ZadnyLbl->setWordWrap(true);
    VlozitBtn = new QPushButton(QStringLiteral("Vložit tlumič"), this);
    NastavHint(VlozitBtn, QStringLiteral("Vloží vybraný tlumič do cesty za zvolené místo"));
    connect(VlozitBtn, &QPushButton::clicked, this, &TNavrhForm::VlozitBtnClick);

    OblozeniListBox = Tabulka(this, 0,
                              {QStringLiteral("Obložení\n[mm]"), QStringLiteral("Délka\n[m]"),
                               QStringLiteral("Rezerva\n[dB]"), QStringLiteral("L(A)\nna konci")});
    OblozeniListBox->setSelectionBehavior(QAbstractItemView::SelectRows);
    OblozeniListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    OblozeniListBox->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    OblozeniListBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    OblozeniListBox->setFixedHeight(OblozeniListBox->horizontalHeader()->sizeHint().height() +
                                    int(TloustkyOblozeni.size()) *
                                        OblozeniListBox->verticalHeader()->defaultSectionSize() +
                                    2 * OblozeniListBox->frameWidth());
    NastavHint(OblozeniListBox,
               QStringLiteral("Obložené hranaté potrubí za zvoleným místem|Pro každou tloušťku "
                              "obložení nejkratší délka v celých metrech, která vyhoví"));
    connect(OblozeniListBox, &QTableWidget::itemSelectionChanged, this, [this] {
        VlozitOblozeniBtn->setEnabled(!Pocita() && OblozeniListBox->currentRow() >= 0);
        UkazNapajene(false);
    });
    ZadneOblozeniLbl = new QLabel(QStringLiteral("Žádné obložení nevyhoví"), this);
    VlozitOblozeniBtn = new QPushButton(QStringLiteral("Vložit obložení"), this);
    NastavHint(VlozitOblozeniBtn,
               QStringLiteral("Vloží vybrané obložené potrubí do cesty za zvolené místo"));
    connect(VlozitOblozeniBtn, &QPushButton::clicked, this, &TNavrhForm::VlozitOblozeniBtnClick);

    RozhodujeListBox = Tabulka(this, 0, {});
    RozhodujeListBox->setSelectionMode(QAbstractItemView::NoSelection);
    RozhodujeListBox->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    NastavHint(RozhodujeListBox,
               QStringLiteral("Co rozhoduje|Hladina, kterou na konci cesty dává každý zdroj "
                              "drunu sám: zdroj a vlastní drun každého elementu, zeslabený "
                              "útlumem elementů za ním; tučně ten, který v pásmu převládá"));
    RozhodujeLbl = new QLabel(this);
    RozhodujeLbl->setWordWrap(true);

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
    pozice->addWidget(MistoLbl);
    auto* tlumice = new QVBoxLayout;
    tlumice->addLayout(pole);
    tlumice->addWidget(TlumiceListBox, 1);
    tlumice->addWidget(ZadnyLbl);
    auto* vlozit = new QHBoxLayout;
    vlozit->addStretch(1);
    vlozit->addWidget(VlozitBtn);
    tlumice->addLayout(vlozit);
    tlumice->addWidget(NapajeneLbl);
    tlumice->addWidget(new QLabel(QStringLiteral("Obložené potrubí"), this));
    tlumice->addWidget(OblozeniListBox);
    auto* oblozeni = new QHBoxLayout;
    oblozeni->addWidget(ZadneOblozeniLbl);
    oblozeni->addStretch(1);
    oblozeni->addWidget(VlozitOblozeniBtn);
    tlumice->addLayout(oblozeni);
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
    svisle->addWidget(new QLabel(
        QStringLiteral("Co rozhoduje: hladina, kterou na konci cesty dává každý zdroj drunu sám "
                       "[dB]"),
        this));
    svisle->addWidget(RozhodujeListBox, 1);
    svisle->addWidget(RozhodujeLbl);
    resize(1180, 800);

    // The path's section follows its changes unless typed; a calculation
    // replaced brings its own.
    connect(&dokument_, &TDokument::Nahrazen, this, [this] { zadano_ = false; });
    connect(&dokument_, &TDokument::Prepocitano, this, [this] {
        if (!isVisible()) return;
        NaplnPozice();
        if (!zadano_) PredvyplnPole();
        NaplanujPrepocet();
    });
}

TNavrhForm::~TNavrhForm() {
    // Asked to stop, the computation ends at its next candidate; its end would
    // be announced to this window, which is going.
    if (vlakno_) {
        zastav_.request_stop();
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
    // Shown again, perhaps on another calculation: the path's values.
    NaplnPozice();
    PredvyplnPole();
    NaplanujPrepocet();
}

void TNavrhForm::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (!e->spontaneous()) ZrusPrepocet();
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
    const std::optional<std::pair<size_t, int>> m = MistoVRozvodu();
    if (m) {
        const Rozvod& r = dokument_.Rozvod();
        MistoLbl->setText(
            QStringLiteral("Za elementem %1 (úsek %2) – napájí ")
                .arg(pozice_)
                .arg(QString::fromStdString(Misto(r.Useky()[m->first].Id, m->second))) +
            PocetMistnosti(r.NapajeneMistnosti(m->first, m->second)));
    }
    MistoLbl->setVisible(m.has_value());
    // Whose end level the candidates show: the room of the path shown.
    const QString konec = QStringLiteral("L(A)\nna konci") +
                          (m ? QStringLiteral("\n") + NazevZobrazene() : QString());
    for (QTableWidget* t : {TlumiceListBox, OblozeniListBox})
        if (QTableWidgetItem* h = t->horizontalHeaderItem(t->columnCount() - 1)) h->setText(konec);
}

QString TNavrhForm::NazevZobrazene() const {
    // The end level and the shares are those of the path shown, of its room.
    const Rozvod& r = dokument_.Rozvod();
    const Usek& s = r.Useky()[dokument_.Usek()];
    return s.Mistnost.empty() ? QStringLiteral("úsek ") + QString::number(s.Id)
                              : QString::fromStdString(s.Mistnost);
}

std::optional<std::pair<size_t, int>> TNavrhForm::MistoVRozvodu() const {
    if (!dokument_.MaVetve() || pozice_ < 1 || pozice_ > dokument_.Var().cesta.Pocet())
        return std::nullopt;
    return dokument_.MistoPrvku(pozice_);
}

void TNavrhForm::PredvyplnPole() {
    zadano_ = false;
    const PrurezNaMiste m = PrurezNaPozici(dokument_.Var().cesta, pozice_);
    if (m.Cislo == 0) {
        for (TMDoubleEdit* f : {RozmAEdit, RozmBEdit, PrutokEdit})
            f->NastavCislo(0, QString());
        PrurezLbl->setText(TextZadejtePrurez);
        return;
    }
    RozmAEdit->NastavCislo(m.Hodnoty.A, 0);
    RozmBEdit->NastavCislo(m.Hodnoty.B, 0);
    PrutokEdit->NastavCislo(m.Hodnoty.Q, 1);
    PrurezLbl->setText(QStringLiteral("podle elementu %1").arg(m.Cislo));
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
    if (const auto m = MistoVRozvodu()) {
        u->rozvod = dokument_.Rozvod();
        u->id = u->rozvod->Useky()[m->first].Id;
        u->kUseku = m->second;
    }
    return u;
}

void TNavrhForm::NaplanujPrepocet() {
    NaplnPozice();
    SpustVlakno();
}

void TNavrhForm::ZrusPrepocet() {
    zastav_.request_stop();
    znovu_ = false;
}

void TNavrhForm::SpustVlakno() {
    // Until the answer comes nothing offered can be inserted.
    ZadnyLbl->setText(TextPocitam);
    ZadnyLbl->setVisible(true);
    ZadneOblozeniLbl->setText(TextPocitam);
    ZadneOblozeniLbl->setVisible(true);
    VlozitBtn->setEnabled(false);
    VlozitOblozeniBtn->setEnabled(false);
    if (vlakno_) {
        // The running one is out of date: stopped, its successor starts when it ends.
        zastav_.request_stop();
        znovu_ = true;
        return;
    }
    auto u = Uloha();
    zastav_ = u->zastav;
    auto v = std::make_shared<VysledekNavrhu>();
    vlakno_ = QThread::create([u, v] { *v = SpoctiNavrh(*u); });
    connect(vlakno_, &QThread::finished, this, [this, u, v] {
        vlakno_->deleteLater();
        vlakno_ = nullptr;
        if (znovu_) {
            znovu_ = false;
            SpustVlakno();
            return;
        }
        if (!u->zastav.stop_requested()) Ukaz(*v);
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
    const bool lze = v.Chyba.empty();
    ZpravaLbl->setText(QString::fromStdString(v.Chyba));
    ZpravaLbl->setVisible(!lze);

    // Bands blocked by the same element share a line.
    std::vector<std::pair<std::string, QStringList>> blokuje;
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
                const std::string& j = v.Blokuje[p];
                auto it = std::find_if(blokuje.begin(), blokuje.end(),
                                       [&j](const auto& b) { return b.first == j; });
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
                     QString::fromStdString(j);
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
    const bool chybiPrurez =
        RozmAEdit->text().isEmpty() || RozmBEdit->text().isEmpty() || PrutokEdit->text().isEmpty();
    ZadnyLbl->setText(v.Splnen                 ? QStringLiteral("Požadavek je splněn.")
                      : v.ChybaTlumice.empty() ? QStringLiteral("Žádný tlumič nevyhoví")
                      : chybiPrurez            ? TextZadejtePrurez
                                               : QString::fromStdString(v.ChybaTlumice));
    ZadnyLbl->setVisible(lze && v.Tlumice.empty());
    if (!v.Tlumice.empty()) TlumiceListBox->selectRow(0);
    VlozitBtn->setEnabled(!v.Tlumice.empty());
    UkazOblozeni(v);
    // The fed rooms with the first silencer, else the first lining; then with the one chosen.
    UkazNapajene(!v.Tlumice.empty());
    UkazPodily(v);
    KresliGraf();
    emit Spocteno();
}

void TNavrhForm::UkazOblozeni(const VysledekNavrhu& v) {
    OblozeniListBox->setRowCount(0);
    OblozeniListBox->setRowCount(int(v.Oblozeni.size()));
    for (int r = 0; r < int(v.Oblozeni.size()); ++r) {
        const KandidatOblozeni& o = v.Oblozeni[size_t(r)];
        const QString hodnoty[] = {QString::number(o.Tloustka), QString::number(o.Delka),
                                   Text(o.Rezerva), Text(o.Konec[LA])};
        for (int s = 0; s < 4; ++s)
            OblozeniListBox->setItem(r, s, Bunka(hodnoty[s]));
    }
    // Met, refused or failed: the silencers' line says why for both.
    ZadneOblozeniLbl->setText(QStringLiteral("Žádné obložení nevyhoví"));
    ZadneOblozeniLbl->setVisible(v.Chyba.empty() && !v.Splnen && v.ChybaTlumice.empty() &&
                                 v.Oblozeni.empty());
    if (!v.Oblozeni.empty()) OblozeniListBox->selectRow(0);
    VlozitOblozeniBtn->setEnabled(!v.Oblozeni.empty());
}

void TNavrhForm::UkazPodily(const VysledekNavrhu& v) {
    const Cesta& c = dokument_.Var().cesta;
    const PodilyHladiny& p = v.Podily;
    QStringList hlavicka{QStringLiteral("Element")};
    for (int i = 0; i < PocetPasem; ++i)
        hlavicka << NazevPasma(i);
    hlavicka << QStringLiteral("L(A)");
    RozhodujeListBox->setColumnCount(int(hlavicka.size()));
    RozhodujeListBox->setHorizontalHeaderLabels(hlavicka);
    RozhodujeListBox->setRowCount(0);
    RozhodujeListBox->setRowCount(int(p.Puvody.size()) + (p.Puvody.empty() ? 0 : 1));
    const auto nazev = [&](int j) { return j <= c.Pocet() ? Prvek(c, j) : QString::number(j); };
    std::vector<std::pair<int, QStringList>> rozhoduje;
    for (int r = 0; r < int(p.Puvody.size()); ++r) {
        const PodilPuvodu& x = p.Puvody[size_t(r)];
        RozhodujeListBox->setItem(r, 0, Bunka(nazev(x.Cislo), false));
        for (size_t i = 0; i <= LA; ++i) {
            const bool ma = i == LA ? x.MaLA() : x.Ma[i];
            QTableWidgetItem* b = Bunka(ma ? Text(x.Uroven[i]) : QStringLiteral("-"));
            if (i < PocetPasem && p.Rozhoduje[i] == x.Cislo) {
                QFont f = b->font();
                f.setBold(true);
                b->setFont(f);
            }
            RozhodujeListBox->setItem(r, int(i) + 1, b);
        }
    }
    if (!p.Puvody.empty()) {
        const int r = int(p.Puvody.size());
        RozhodujeListBox->setItem(r, 0, Bunka(QStringLiteral("Celkem"), false));
        for (size_t i = 0; i <= LA; ++i)
            RozhodujeListBox->setItem(r, int(i) + 1, Bunka(Text(p.Celkem[i])));
    }
    // Bands made by the same origin share a line.
    for (int i = 0; i < PocetPasem; ++i) {
        const int j = p.Rozhoduje[size_t(i)];
        if (j == 0) continue;
        auto it = std::find_if(rozhoduje.begin(), rozhoduje.end(),
                               [j](const auto& b) { return b.first == j; });
        if (it == rozhoduje.end()) it = rozhoduje.insert(rozhoduje.end(), {j, {}});
        it->second << PasmaVeVete[i];
    }
    QStringList radky;
    for (const auto& [j, pasma] : rozhoduje)
        radky << pasma.join(QStringLiteral(", ")) + QStringLiteral(": ") + nazev(j);
    RozhodujeLbl->setText(radky.isEmpty()
                              ? QString()
                              : QStringLiteral("Převládá ") + radky.join(QStringLiteral("; ")) +
                                    QStringLiteral("."));
    RozhodujeLbl->setVisible(!radky.isEmpty());
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

std::optional<TElementSite> TNavrhForm::PrvekKandidata(bool tlumic, std::string& chyba,
                                                       bool zapamatovat) {
    const QTableWidget* t = tlumic ? TlumiceListBox : OblozeniListBox;
    const int r = t->currentRow();
    const size_t pocet = tlumic ? vysledek_.Tlumice.size() : vysledek_.Oblozeni.size();
    if (Pocita() || r < 0 || size_t(r) >= pocet) return std::nullopt;
    std::function<void(DrunVar&)> zapis;
    std::function<bool(DrunVar&)> vypocet = SpoctiPrvek;
    if (tlumic) {
        const RozmeryTlumice& m = vysledek_.Tlumice[size_t(r)].Rozmery;
        const ZadaniTlumice z{m.A, m.B, int(m.Delka), m.Prutok, m.SirkaVlozek, m.PocetVlozek};
        zapis = [z](DrunVar& v) { ZapisTlumic(v, z); };
        vypocet = [&chyba](DrunVar& v) {
            const VysledekSouboru s = VypocetTlumice(v);
            chyba = s.Zprava;
            return s.Ok();
        };
    } else {
        const KandidatOblozeni& o = vysledek_.Oblozeni[size_t(r)];
        const VstupyObHrPotrubi vstupy = VstupyOblozeni(o, vysledek_.A, vysledek_.B, vysledek_.Q);
        // A lined rectangular duct like one its dialog adds, its texts as the dialog would show
        // them.
        const TextyVstupu texty{FormatObecne(vstupy.A), FormatObecne(vstupy.B),
                                std::to_string(o.Tloustka), std::to_string(o.Delka),
                                FormatObecne(vstupy.Prutok)};
        zapis = [vstupy, texty](DrunVar& v) { ZapisPrvek(v, vstupy, texty); };
    }
    // Made as the dialog would make it behind the position.
    DrunVar& var = dokument_.Var();
    DrunVar kopie = var;
    kopie.cesta.NajdiElement(pozice_);
    std::optional<TElementSite> e = PopisElementu(kopie, true, zapis, vypocet);
    if (e && zapamatovat) var.vstupy = kopie.vstupy;
    return e;
}

void TNavrhForm::VlozitBtnClick() {
    VlozZaPozici(true, QStringLiteral("Vložit tlumič za element "));
}

void TNavrhForm::VlozitOblozeniBtnClick() {
    VlozZaPozici(false, QStringLiteral("Vložit obložení za element "));
}

void TNavrhForm::VlozZaPozici(bool tlumic, const QString& krok) {
    DrunVar& var = dokument_.Var();
    const int k = pozice_;
    const auto m = MistoVRozvodu();
    const int id = m ? dokument_.Rozvod().Useky()[m->first].Id : 0;
    if ((tlumic ? TlumiceListBox : OblozeniListBox)->currentRow() < 0 || Pocita()) return;
    // The path may have changed since the list was made.
    if (const std::string c = m ? ChybaNavrhuRozvodu(dokument_.Rozvod(), id, m->second)
                                : ChybaNavrhu(var.cesta, k, var.Pozadavek);
        !c.empty()) {
        hlaseni().Chyba(QString::fromStdString(c));
        return;
    }
    // The document puts it there, in a rozvod for every room fed there.
    std::string chyba;
    const std::optional<TElementSite> e = PrvekKandidata(tlumic, chyba, true);
    if (!e) {
        hlaseni().Chyba(QString::fromStdString(chyba));
        return;
    }
    if (m)
        dokument_.VlozDoUseku(m->first, m->second, *e,
                              krok + QString::fromStdString(Misto(id, m->second)));
    else
        dokument_.VlozZa(k, *e, krok + QString::number(k));
}

void TNavrhForm::UkazNapajene(bool tlumic) {
    // In a rozvod: every room fed there, its end level and margin with the candidate chosen.
    const auto m = MistoVRozvodu();
    std::string chyba;
    const std::optional<TElementSite> e = m ? PrvekKandidata(tlumic, chyba, false) : std::nullopt;
    NapajeneLbl->setVisible(e.has_value());
    if (!e) return;
    const Rozvod& r = dokument_.Rozvod();
    const std::vector<size_t> napajene = r.Napajene(m->first, m->second);
    std::vector<Spectrum> konce;
    r.KonceS(m->first, m->second, napajene, *e, konce);
    QStringList radky;
    std::vector<int> videne;
    for (size_t u : napajene) {
        const int mi = r.MistnostUseku(u);
        if (mi < 0 || std::find(videne.begin(), videne.end(), mi) != videne.end()) continue;
        videne.push_back(mi);
        // As the overview judges the room: its sections' ends summed, the smallest margin.
        const MistnostRozvodu& mr = r.Mistnosti()[size_t(mi)];
        std::vector<Spectrum> jeji;
        for (size_t v : mr.Useky)
            jeji.push_back(konce[v]);
        const auto p = PozadavekZTextu(mr.Pozadavek);
        PrehledMistnosti pm;
        VyhodnotMistnost(jeji, p ? *p : NulaSpektrum(), pm);
        radky << QString::fromStdString(mr.Nazev) + QStringLiteral(": L(A) ") +
                     Text(pm.Soucet.Soucet[LA]) + QStringLiteral(" dB") +
                     (pm.Pasmo < 0 ? QStringLiteral(", bez požadavku")
                                   : QStringLiteral(", rezerva ") + Text(pm.Rezerva) +
                                         QStringLiteral(" dB"));
    }
    NapajeneLbl->setText((tlumic ? QStringLiteral("S vybraným tlumičem: ")
                                 : QStringLiteral("S vybraným obložením: ")) +
                         radky.join(QStringLiteral("; ")));
}
