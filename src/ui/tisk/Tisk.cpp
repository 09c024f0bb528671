#include "ui/tisk/Tisk.h"

#include <QBuffer>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QScatterSeries>
#include <QString>

#include "core/DrunVar.h"
#include "core/Soubory.h"
#include "io/Protokol.h"
#include "ui/tisk/Grafy.h"

QString DatumProtokolu() {
    return QString::fromStdString(drun::DnesniDatum());
}

VysledekTisku VykresliProtokol(QPaintDevice& zarizeni, const std::vector<std::string>& radky) {
    QPainter p;
    if (!p.begin(&zarizeni)) return {};
    VysledekTisku v = VykresliProtokol(p, zarizeni, radky);
    if (!p.end()) v.Ok = false;
    return v;
}

VysledekTisku VykresliProtokol(QPainter& p, QPaintDevice& zarizeni,
                               const std::vector<std::string>& radky) {
    VysledekTisku v;
    p.save();
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
    p.restore();
    v.Ok = ok;
    v.Konec = y;
    return v;
}

namespace {

// The chart window's usual width: charts laid out at it look on paper as on screen.
constexpr double SirkaGrafu = 760;
constexpr double MezeraGrafu = 0.03; // of the page height, between the heading and charts

// Lays the chart out at a screen-like size in a scene of its own and scales it
// into `cil`; the scene draws through the painter, so the page gets vectors.
void VykresliGraf(QPainter& p, QChart* graf, const QRectF& cil) {
    const QRectF zdroj(0, 0, SirkaGrafu, SirkaGrafu * cil.height() / cil.width());
    QGraphicsScene scena;
    scena.addItem(graf);
    graf->setGeometry(zdroj);
    if (graf->layout()) graf->layout()->activate();
    scena.setSceneRect(zdroj);
    scena.render(&p, cil, zdroj, Qt::KeepAspectRatio);
    scena.removeItem(graf); // the caller still owns the chart
}

} // namespace

void VykresliGrafy(QPainter& p, const QRectF& stranka, const DokumentPdf& d) {
    p.save();
    QFont pismo;
    pismo.setStyleHint(QFont::SansSerif);
    pismo.setPointSizeF(13);
    pismo.setBold(true);
    p.setFont(pismo);
    p.setPen(Qt::black);
    const QFontMetricsF m(pismo, p.device());
    p.drawText(QPointF(stranka.left(), stranka.top() + m.ascent()), d.Nadpis);
    const double vrch = stranka.top() + m.lineSpacing() + stranka.height() * MezeraGrafu;
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(QPointF(stranka.left(), vrch - stranka.height() * MezeraGrafu / 2),
               QPointF(stranka.right(), vrch - stranka.height() * MezeraGrafu / 2));
    p.restore();
    if (d.Grafy.empty()) return;
    const double vyska = (stranka.bottom() - vrch) / static_cast<double>(d.Grafy.size());
    for (size_t i = 0; i < d.Grafy.size(); ++i)
        VykresliGraf(
            p, d.Grafy[i],
            QRectF(stranka.left(), vrch + static_cast<double>(i) * vyska, stranka.width(), vyska));
}

VysledekPdf VykresliDokument(QPagedPaintDevice& zarizeni, const DokumentPdf& d) {
    VysledekPdf v;
    QPainter p;
    if (!p.begin(&zarizeni)) return v;
    const VysledekTisku text = VykresliProtokol(p, zarizeni, d.Radky);
    bool ok = text.Ok && zarizeni.newPage();
    if (ok) VykresliGrafy(p, QRectF(0, 0, zarizeni.width(), zarizeni.height()), d);
    if (!p.end()) ok = false;
    v.Ok = ok;
    v.Stranek = text.Stranek + 1;
    return v;
}

bool VytvorPdf(const QString& titul, const std::function<bool(QPagedPaintDevice&)>& kresli,
               QByteArray& pdf) {
    pdf.clear();
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    bool ok = false;
    {
        QPdfWriter zapis(&buffer);
        zapis.setPageSize(QPageSize(QPageSize::A4));
        zapis.setPageMargins(QMarginsF(10, 12, 10, 12), QPageLayout::Millimeter);
        zapis.setTitle(titul);
        zapis.setCreator(QStringLiteral("DRUN"));
        ok = kresli(zapis);
    }
    buffer.close();
    if (!ok) pdf.clear();
    return ok;
}

VysledekPdf VytvorPdf(const DokumentPdf& d, QByteArray& pdf) {
    VysledekPdf v;
    VytvorPdf(
        d.Titul,
        [&](QPagedPaintDevice& z) {
            v = VykresliDokument(z, d);
            return v.Ok;
        },
        pdf);
    return v;
}

VysledekPdf ProtokolPdf(const drun::DrunVar& var, const std::string& datum, QByteArray& pdf) {
    TGrafy grafy;
    grafy.KresliSpektrum(var);
    grafy.KresliCestu(var, drun::LA);
    // Paper has no current element.
    grafy.AktualniSerie->setVisible(false);
    const QString akce = QString::fromStdString(var.Akce);
    return VytvorPdf({akce,
                      drun::TextProtokolu(var, datum),
                      QStringLiteral("Akce: ") + akce,
                      {grafy.SpektrumGraf, grafy.CestaGraf}},
                     pdf);
}

bool UlozProtokolPdf(const drun::DrunVar& var, const std::string& datum,
                     const std::string& soubor) {
    QByteArray pdf;
    if (!ProtokolPdf(var, datum, pdf).Ok) return false;
    return drun::ZapisAtomicky(soubor, pdf.toStdString());
}
