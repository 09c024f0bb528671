#include "ui/hlavni/Strom.h"

#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>
#include <map>

#include "io/RozvodSoubor.h"
#include "ui/hlavni/Dokument.h"

using namespace drun;

namespace {

constexpr int RoleUseku = Qt::UserRole;  // the section's index
constexpr int RoleId = Qt::UserRole + 1; // its Id

QIcon CervenaZnacka() {
    QPixmap p(12, 12);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setBrush(QColor(200, 0, 0));
    m.setPen(Qt::NoPen);
    m.drawEllipse(1, 1, 10, 10);
    return QIcon(p);
}

} // namespace

QString PocetMistnosti(int n) {
    const char* tvar = n == 1 ? "místnost" : n >= 2 && n <= 4 ? "místnosti" : "místností";
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(tvar);
}

TStromRozvodu::TStromRozvodu(TDokument& dokument, QWidget* rodic)
    : QDockWidget(QStringLiteral("Rozvod"), rodic), dokument_(dokument) {
    setObjectName(QStringLiteral("StromRozvodu"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    Strom = new QTreeWidget(this);
    Strom->setObjectName(QStringLiteral("Strom"));
    Strom->setHeaderHidden(true);
    Strom->setColumnCount(1);
    Strom->setMinimumWidth(150);
    setWidget(Strom);
    toggleViewAction()->setText(QStringLiteral("&Strom rozvodu"));
    toggleViewAction()->setStatusTip(QStringLiteral("Zobrazí nebo skryje úseky rozvodu"));
    connect(Strom, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* i) {
        if (!plni_ && i) dokument_.VyberUsek(i->data(0, RoleUseku).toULongLong());
    });
    connect(&dokument_, &TDokument::Prepocitano, this, &TStromRozvodu::Obnov);
}

QTreeWidgetItem* TStromRozvodu::Polozka(size_t u) const {
    for (QTreeWidgetItemIterator it(Strom); *it; ++it)
        if ((*it)->data(0, RoleUseku).toULongLong() == u) return *it;
    return nullptr;
}

void TStromRozvodu::Obnov() {
    if (isHidden()) return; // filled as it comes out
    const Rozvod& r = dokument_.Rozvod();
    const PrehledRozvodu p = SpoctiPrehledRozvodu(r);
    const size_t n = r.Useky().size();
    // The items as they are when only texts and marks change: a choice made in the tree
    // is not pulled from under the tree's own signal.
    std::vector<QTreeWidgetItem*> polozky;
    for (QTreeWidgetItemIterator it(Strom); *it; ++it)
        polozky.push_back(*it);
    bool stejne = polozky.size() == n;
    for (size_t u = 0; stejne && u < n; ++u) {
        const QTreeWidgetItem* rodic = polozky[u]->parent();
        stejne = polozky[u]->data(0, RoleUseku).toULongLong() == u &&
                 (rodic ? rodic->data(0, RoleId).toInt() : 0) == r.Useky()[u].Rodic &&
                 polozky[u]->data(0, RoleId).toInt() == r.Useky()[u].Id;
    }
    plni_ = true;
    if (!stejne) {
        Strom->clear();
        polozky.clear();
        std::map<int, QTreeWidgetItem*> podleId;
        for (size_t u = 0; u < n; ++u) {
            const Usek& s = r.Useky()[u];
            const auto rodic = podleId.find(s.Rodic);
            auto* i = rodic == podleId.end() ? new QTreeWidgetItem(Strom)
                                             : new QTreeWidgetItem(rodic->second);
            i->setData(0, RoleUseku, qulonglong(u));
            i->setData(0, RoleId, s.Id);
            podleId[s.Id] = i;
            polozky.push_back(i);
        }
        Strom->expandAll();
    }
    const QIcon cervena = CervenaZnacka();
    for (size_t u = 0; u < n; ++u) {
        const Usek& s = r.Useky()[u];
        QTreeWidgetItem* i = polozky[u];
        QString text = QStringLiteral("úsek ") + QString::number(s.Id);
        if (!s.Mistnost.empty()) text += QStringLiteral(": ") + QString::fromStdString(s.Mistnost);
        i->setText(0, text);
        QString tip = s.Rodic == 0 ? QStringLiteral("Úsek se zdrojem")
                                   : QStringLiteral("Odbočuje za elementem %1 úseku %2")
                                         .arg(s.ZaElementem)
                                         .arg(s.Rodic);
        bool vyhovi = true;
        if (const int m = r.MistnostUseku(u); m >= 0 && size_t(m) < p.Prehled.Mistnosti.size()) {
            const StavMistnosti stav = p.Prehled.Mistnosti[size_t(m)].Stav;
            tip += QStringLiteral("; místnost ") + QString::fromUtf8(TextStavu(stav));
            vyhovi = stav == StavMistnosti::Vyhovi;
        }
        i->setIcon(0, vyhovi ? QIcon() : cervena);
        i->setForeground(0, vyhovi ? Strom->palette().text() : QBrush(QColor(200, 0, 0)));
        i->setToolTip(0, tip);
    }
    if (dokument_.Usek() < n && Strom->currentItem() != polozky[dokument_.Usek()])
        Strom->setCurrentItem(polozky[dokument_.Usek()]);
    plni_ = false;
}
