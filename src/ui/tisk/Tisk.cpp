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
#include <algorithm>

#include "core/DrunVar.h"
#include "core/Soubory.h"
#include "io/Protokol.h"
#include "ui/tisk/Grafy.h"

QString DatumProtokolu() {
    return QString::fromStdString(drun::DnesniDatum());
}

namespace {

constexpr double VelikostPisma = 10; // points
constexpr double NejmensiPismo = 4;

// The protocol's fixed-pitch font on `zarizeni`, 10 points unless a page of
// `delkaStranky` lines needs a smaller one to fit the device's page.
struct PismoTisku {
    QFont Pismo;
    double SirkaZnaku = 0, VyskaRadku = 0, Ascent = 0;
};

PismoTisku Pismo(QPaintDevice& zarizeni, double velikost) {
    PismoTisku p;
    p.Pismo = QFont(QStringLiteral("Courier"));
    p.Pismo.setStyleHint(QFont::TypeWriter);
    p.Pismo.setFixedPitch(true);
    p.Pismo.setPointSizeF(velikost);
    const QFontMetricsF m(p.Pismo, &zarizeni);
    // Columns are placed by character cells, so the tab stops hold even if a
    // glyph of the substituted font is not exactly one cell wide.
    p.SirkaZnaku = m.horizontalAdvance(QLatin1Char('M'));
    p.VyskaRadku = m.lineSpacing();
    p.Ascent = m.ascent();
    return p;
}

PismoTisku PismoProtokolu(QPaintDevice& zarizeni, int delkaStranky) {
    double velikost = VelikostPisma;
    PismoTisku p = Pismo(zarizeni, velikost);
    // Font sizes do not scale the line spacing exactly: shrink until it fits.
    for (int i = 0;
         i < 50 && velikost > NejmensiPismo && delkaStranky * p.VyskaRadku > zarizeni.height();
         ++i) {
        velikost =
            std::max(NejmensiPismo,
                     velikost * std::min(0.98, zarizeni.height() / (delkaStranky * p.VyskaRadku)));
        p = Pismo(zarizeni, velikost);
    }
    return p;
}

} // namespace

int RadkuNaStranku(QPaintDevice& zarizeni) {
    return static_cast<int>(zarizeni.height() / Pismo(zarizeni, VelikostPisma).VyskaRadku);
}

VysledekTisku VykresliProtokol(QPaintDevice& zarizeni, const std::vector<std::string>& radky,
                               int delkaStranky) {
    QPainter p;
    if (!p.begin(&zarizeni)) return {};
    VysledekTisku v = VykresliProtokol(p, zarizeni, radky, delkaStranky);
    if (!p.end()) v.Ok = false;
    return v;
}

VysledekTisku VykresliProtokol(QPainter& p, QPaintDevice& zarizeni,
                               const std::vector<std::string>& radky, int delkaStranky) {
    VysledekTisku v;
    p.save();
    const PismoTisku pismo = PismoProtokolu(zarizeni, delkaStranky);
    p.setFont(pismo.Pismo);
    p.setPen(Qt::black);
    const double vyskaStranky = zarizeni.height();
    // A line longer than the page is wide is cut, its last cell an ellipsis.
    const int sloupcu = std::max(1, static_cast<int>(zarizeni.width() / pismo.SirkaZnaku));
    auto* strankove = dynamic_cast<QPagedPaintDevice*>(&zarizeni);

    bool ok = true;
    v.Stranek = 1;
    double y = 0;
    auto novaStranka = [&] {
        ++v.Stranek;
        y = 0;
        if (strankove && !strankove->newPage()) ok = false;
    };
    struct Usek {
        int Sloupec;
        QString Text;
    };
    std::vector<Usek> useky;
    for (const std::string& r : radky) {
        QString radek = QString::fromStdString(r);
        if (radek.startsWith(QLatin1Char('\f'))) {
            radek.remove(0, 1);
            novaStranka();
        } else if (y + pismo.VyskaRadku > vyskaStranky && y > 0) {
            novaStranka();
        }
        if (!ok) break;
        useky.clear();
        int sloupec = 0;
        const QStringList casti = radek.split(QLatin1Char('\t'));
        for (int i = 0; i < casti.size(); ++i) {
            if (i > 0)
                sloupec = (sloupec / drun::TabulatorProtokolu + 1) * drun::TabulatorProtokolu;
            useky.push_back({sloupec, casti[i]});
            sloupec += static_cast<int>(casti[i].size());
        }
        if (sloupec > sloupcu) {
            const int mez = sloupcu - 1; // the ellipsis' cell
            while (!useky.empty() && useky.back().Sloupec >= mez)
                useky.pop_back();
            if (!useky.empty()) useky.back().Text.truncate(mez - useky.back().Sloupec);
            useky.push_back({mez, QStringLiteral("…")});
        }
        if (strankove || v.Stranek == 1)
            for (const Usek& u : useky)
                if (!u.Text.isEmpty())
                    p.drawText(QPointF(u.Sloupec * pismo.SirkaZnaku, y + pismo.Ascent), u.Text);
        y += pismo.VyskaRadku;
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

} // namespace

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
    const VysledekTisku text = VykresliProtokol(p, zarizeni, d.Radky, d.DelkaStranky);
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
                      {grafy.SpektrumGraf, grafy.CestaGraf},
                      var.parametry.DelkaStranky},
                     pdf);
}

bool UlozProtokolPdf(const drun::DrunVar& var, const std::string& datum,
                     const std::string& soubor) {
    QByteArray pdf;
    if (!ProtokolPdf(var, datum, pdf).Ok) return false;
    return drun::ZapisAtomicky(soubor, pdf.toStdString());
}
