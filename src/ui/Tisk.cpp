#include "ui/Tisk.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include "io/Protokol.h"

VysledekTisku VykresliProtokol(QPaintDevice& zarizeni, const std::vector<std::string>& radky) {
    VysledekTisku v;
    QPainter p;
    if (!p.begin(&zarizeni)) return v;
    QFont pismo(QStringLiteral("Courier"));
    pismo.setStyleHint(QFont::TypeWriter);
    pismo.setFixedPitch(true);
    pismo.setPointSizeF(10);
    p.setFont(pismo);
    p.setPen(Qt::black);
    const QFontMetricsF m(p.font(), &zarizeni);
    // Columns are placed by character cells, so the tab stops hold even if a
    // glyph of the substituted font is not exactly one cell wide.
    const double sirkaZnaku = m.horizontalAdvance(QLatin1Char('M'));
    const double vyskaRadku = m.lineSpacing();
    const double vyskaStranky = zarizeni.height();
    auto* strankove = dynamic_cast<QPagedPaintDevice*>(&zarizeni);

    bool ok = true;
    v.Stranek = 1;
    double y = 0;
    auto novaStranka = [&] {
        ++v.Stranek;
        y = 0;
        if (strankove && !strankove->newPage()) ok = false;
    };
    for (const std::string& r : radky) {
        QString radek = QString::fromStdString(r);
        if (radek.startsWith(QLatin1Char('\f'))) {
            radek.remove(0, 1);
            novaStranka();
        } else if (y + vyskaRadku > vyskaStranky && y > 0) {
            novaStranka();
        }
        if (!ok) break;
        const bool kreslit = strankove || v.Stranek == 1;
        int sloupec = 0;
        const QStringList useky = radek.split(QLatin1Char('\t'));
        for (int i = 0; i < useky.size(); ++i) {
            if (i > 0)
                sloupec = (sloupec / drun::TabulatorProtokolu + 1) * drun::TabulatorProtokolu;
            if (kreslit && !useky[i].isEmpty())
                p.drawText(QPointF(sloupec * sirkaZnaku, y + m.ascent()), useky[i]);
            sloupec += static_cast<int>(useky[i].size());
        }
        y += vyskaRadku;
    }
    if (!p.end()) ok = false;
    v.Ok = ok;
    return v;
}
