#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QByteArray;
class QChart;
class QPaintDevice;
class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace drun {
struct DrunVar;
}

// Renders the protocol's text lines onto a paint device in a fixed-pitch font
// of 10 points: tab stops every 8 characters, a new page at each form feed and
// whenever a line would not fit the page. A printer or a PDF writer gets every
// page; any other device (an image) only the first. With `delkaStranky` the
// font shrinks where needed so that a page of that many lines is one page of
// the device, and the protocol's own page breaks are the only ones. A line
// wider than the page is cut inside it and ends with "…".
struct VysledekTisku {
    bool Ok = false;
    int Stranek = 0;
    double Konec = 0; // where the last line ended on the last page
};
VysledekTisku VykresliProtokol(QPaintDevice& zarizeni, const std::vector<std::string>& radky,
                               int delkaStranky = 0);
// The same into a painter already active on `zarizeni`, from its current page on.
VysledekTisku VykresliProtokol(QPainter& p, QPaintDevice& zarizeni,
                               const std::vector<std::string>& radky, int delkaStranky = 0);
// How many lines of the 10-point font one page of `zarizeni` holds.
int RadkuNaStranku(QPaintDevice& zarizeni);

// The date of the title block: today, "7.12.2026" whatever the system's language.
QString DatumProtokolu();

// PDF documents: text pages rendered exactly as printed (A4), then one page
// with charts drawn as vectors under a heading. Text and charts need a
// QApplication (offscreen is enough), nothing else; the bytes are written by
// the caller, atomically.
//
// Reuse for another document of this kind: fill your own charts (TGrafy, or
// any QChart not shown in a view) and call DokumentPdf with your lines.
struct DokumentPdf {
    QString Titul;                  // the document's title (Akce)
    std::vector<std::string> Radky; // as the printer gets them, form feeds kept
    QString Nadpis;                 // heading of the chart page
    std::vector<QChart*> Grafy;     // one above the other on the chart page
    int DelkaStranky = 0;           // lines of a text page (see VykresliProtokol)
};
struct VysledekPdf {
    bool Ok = false;
    int Stranek = 0; // text pages plus the chart page
};
VysledekPdf VytvorPdf(const DokumentPdf& d, QByteArray& pdf);
// A PDF of the same page set-up whose pages `kresli` draws itself.
bool VytvorPdf(const QString& titul, const std::function<bool(QPagedPaintDevice&)>& kresli,
               QByteArray& pdf);
// The same document on a paged device the caller has set up (a printer).
VysledekPdf VykresliDokument(QPagedPaintDevice& zarizeni, const DokumentPdf& d);

// The heading and charts of a document into `oblast` of the current page.
void VykresliGrafy(QPainter& p, const QRectF& oblast, const DokumentPdf& d);
// One chart not shown in a view into `cil`, as vectors, laid out as the chart
// window would lay it out.
void VykresliGraf(QPainter& p, QChart* graf, const QRectF& cil);

// The printed protocol of the evaluated calculation with the charts of its
// result (the end spectrum against the requirement, L(A) along the path),
// titled with the Akce. Shared by the window's export and drun-protokol --pdf.
VysledekPdf ProtokolPdf(const drun::DrunVar& var, const std::string& datum, QByteArray& pdf);
// The same written atomically to `soubor`; false leaves the old file as it was.
bool UlozProtokolPdf(const drun::DrunVar& var, const std::string& datum, const std::string& soubor);
