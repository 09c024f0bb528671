#include "ui/hlavni/Strom.h"

#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>
#include <unordered_map>

#include "core/Druhy.h"
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

// An item asks the tree for what it shows when the view paints it: the texts
// and marks of many thousand sections cost nothing until they are seen. Its
// section and Id are those it was built for, so that a changed structure is
// told from changed texts.
class PolozkaUseku : public QTreeWidgetItem {
  public:
    PolozkaUseku(const TStromRozvodu& strom, size_t u, int id)
        : QTreeWidgetItem(UserType), strom_(strom), u_(u), id_(id) {}
    QVariant data(int sloupec, int role) const override {
        if (sloupec != 0) return QTreeWidgetItem::data(sloupec, role);
        if (role == RoleUseku) return qulonglong(u_);
        if (role == RoleId) return id_;
        const QVariant v = strom_.DataUseku(u_, role);
        return v.isValid() ? v : QTreeWidgetItem::data(sloupec, role);
    }

  private:
    const TStromRozvodu& strom_;
    size_t u_;
    int id_;
};

} // namespace

QString PocetMistnosti(int n) {
    const char* tvar = n == 1 ? "místnost" : n >= 2 && n <= 4 ? "místnosti" : "místností";
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(tvar);
}

TStromRozvodu::TStromRozvodu(TDokument& dokument, QWidget* rodic)
    : QDockWidget(QStringLiteral("Rozvod"), rodic), dokument_(dokument), cervena_(CervenaZnacka()) {
    setObjectName(QStringLiteral("StromRozvodu"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    Strom = new QTreeWidget(this);
    Strom->setObjectName(QStringLiteral("Strom"));
    Strom->setHeaderHidden(true);
    Strom->setColumnCount(1);
    Strom->setMinimumWidth(150);
    // Rows of one height: the view lays out a wide rozvod without asking every row.
    Strom->setUniformRowHeights(true);
    setWidget(Strom);
    toggleViewAction()->setText(QStringLiteral("&Strom rozvodu"));
    toggleViewAction()->setStatusTip(QStringLiteral("Zobrazí nebo skryje úseky rozvodu"));
    connect(Strom, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* i) {
        if (!plni_ && i) dokument_.VyberUsek(i->data(0, RoleUseku).toULongLong());
    });
    connect(&dokument_, &TDokument::Prepocitano, this, &TStromRozvodu::Obnov);
}

QTreeWidgetItem* TStromRozvodu::Polozka(size_t u) const {
    return u < polozky_.size() ? polozky_[u] : nullptr;
}

QVariant TStromRozvodu::DataUseku(size_t u, int role) const {
    const Rozvod& r = dokument_.Rozvod();
    if (u >= r.Useky().size()) return {};
    const Usek& s = r.Useky()[u];
    const int m = r.MistnostUseku(u);
    const bool znamy = m >= 0 && size_t(m) < stavy_.size();
    const bool vyhovi = !znamy || stavy_[size_t(m)] == StavMistnosti::Vyhovi;
    switch (role) {
    case Qt::DisplayRole: {
        QString text = QStringLiteral("úsek ") + QString::number(s.Id);
        if (!s.Mistnost.empty()) text += QStringLiteral(": ") + QString::fromStdString(s.Mistnost);
        // Where the branch leaves: the parent's element, as the element list names it.
        if (const int rodic = r.Index(s.Rodic); rodic >= 0) {
            const auto& prvky = r.Useky()[size_t(rodic)].Prvky;
            QString prvek;
            if (s.ZaElementem >= 1 && size_t(s.ZaElementem) <= prvky.size()) {
                const TElementSite& e = prvky[size_t(s.ZaElementem - 1)];
                prvek = (QString::fromUtf8(NazevTypu(e.Typ())) + QLatin1Char(' ') +
                         QString::fromStdString(e.Popis))
                            .trimmed();
                if (prvek.size() > 40) prvek = prvek.left(39) + QStringLiteral("…");
            }
            text += QStringLiteral(" — za elementem ") + QString::number(s.ZaElementem);
            // Behind the trunk the section goes without saying.
            if (rodic != 0) text += QStringLiteral(" úseku ") + QString::number(s.Rodic);
            if (!prvek.isEmpty()) text += QStringLiteral(" (") + prvek + QLatin1Char(')');
        }
        return text;
    }
    case Qt::ToolTipRole: {
        QString tip = s.Rodic == 0 ? QStringLiteral("Úsek se zdrojem")
                                   : QStringLiteral("Odbočuje za elementem %1 úseku %2")
                                         .arg(s.ZaElementem)
                                         .arg(s.Rodic);
        if (znamy)
            tip += QStringLiteral("; místnost ") + QString::fromUtf8(TextStavu(stavy_[size_t(m)]));
        return tip;
    }
    case Qt::DecorationRole:
        return vyhovi ? QVariant() : QVariant(cervena_);
    case Qt::ForegroundRole:
        return vyhovi ? QVariant() : QVariant(QBrush(QColor(200, 0, 0)));
    default:
        return {};
    }
}

void TStromRozvodu::Obnov() {
    if (isHidden()) return; // filled as it comes out
    const Rozvod& r = dokument_.Rozvod();
    const PrehledRozvodu p = SpoctiPrehledRozvodu(r);
    stavy_.clear();
    for (const PrehledMistnosti& m : p.Prehled.Mistnosti)
        stavy_.push_back(m.Stav);
    const size_t n = r.Useky().size();
    // The items as they are when only texts and marks change: a choice made in the tree
    // is not pulled from under the tree's own signal.
    bool stejne = polozky_.size() == n;
    for (size_t u = 0; stejne && u < n; ++u) {
        const QTreeWidgetItem* rodic = polozky_[u]->parent();
        stejne = (rodic ? rodic->data(0, RoleId).toInt() : 0) == r.Useky()[u].Rodic &&
                 polozky_[u]->data(0, RoleId).toInt() == r.Useky()[u].Id;
    }
    plni_ = true;
    if (!stejne) {
        Strom->clear();
        polozky_.assign(n, nullptr);
        // Built apart and put in at once: the view takes in the whole tree in one step.
        std::unordered_map<int, size_t> podleId;
        std::vector<QList<QTreeWidgetItem*>> deti(n);
        QList<QTreeWidgetItem*> koreny;
        for (size_t u = 0; u < n; ++u) {
            const Usek& s = r.Useky()[u];
            auto* i = new PolozkaUseku(*this, u, s.Id);
            polozky_[u] = i;
            const auto rodic = podleId.find(s.Rodic);
            (rodic == podleId.end() ? koreny : deti[rodic->second]).append(i);
            podleId[s.Id] = u;
        }
        for (size_t u = 0; u < n; ++u)
            if (!deti[u].isEmpty()) polozky_[u]->addChildren(deti[u]);
        Strom->addTopLevelItems(koreny);
        Strom->expandAll();
    } else {
        // The items ask for their texts and marks anew as they are painted.
        Strom->viewport()->update();
    }
    if (dokument_.Usek() < n && Strom->currentItem() != polozky_[dokument_.Usek()])
        Strom->setCurrentItem(polozky_[dokument_.Usek()]);
    plni_ = false;
}
