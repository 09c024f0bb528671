// Handing the results over: the clipboard's two flavours of the result table
// and the main window's export commands (PDF protocol, CSV table).
#include "ui/tisk/Vysledky.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QStatusBar>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/Soubory.h"
#include "io/Vysledky.h"
#include "ui/hlavni/DrunMain.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/spolecne/VyberSouboru.h"
#include "ui/tisk/Tisk.h"

using namespace drun;

namespace {

QString Cislo(double x, const QLocale& jazyk) {
    // The program's one rounding, only the separator follows the locale.
    QString s = QString::fromStdString(FormatHodnota(x));
    return s.replace(QLatin1Char('.'), jazyk.decimalPoint());
}

// A cell of the text flavour: tabs and line breaks would shift the columns,
// and a spreadsheet pasted into must not run it as a formula.
QString BunkaTextu(std::string s) {
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return QString::fromStdString(BezVzorce(s));
}

QString BunkaHtml(const std::string& s) {
    return QString::fromStdString(s).toHtmlEscaped();
}

} // namespace

QString VysledkyJakoText(const DrunVar& var, const QLocale& jazyk) {
    QStringList radky;
    QStringList hlavicka;
    for (const char* s : SloupceVysledku())
        hlavicka << QString::fromUtf8(s);
    radky << hlavicka.join(QLatin1Char('\t'));
    ProchazejVysledky(var, [&](const RadekVysledku& r) {
        QStringList b{BunkaTextu(r.Cislo), BunkaTextu(r.Element), BunkaTextu(r.Popis),
                      BunkaTextu(r.Radek)};
        for (double x : *r.Hodnoty)
            b << Cislo(x, jazyk);
        radky << b.join(QLatin1Char('\t'));
    });
    return radky.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString VysledkyJakoHtml(const DrunVar& var, const QLocale& jazyk) {
    QString h =
        QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n"
                       "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>");
    for (const char* s : SloupceVysledku())
        h += QStringLiteral("<th>") + BunkaHtml(s) + QStringLiteral("</th>");
    h += QStringLiteral("</tr>\n");
    ProchazejVysledky(var, [&](const RadekVysledku& r) {
        // The result row is bold, as in the window.
        const bool tucne = r.Cislo.empty() && r.Hodnoty == &var.Vysledek;
        auto obal = [tucne](const QString& t) {
            return tucne ? QStringLiteral("<b>") + t + QStringLiteral("</b>") : t;
        };
        h += QStringLiteral("<tr>");
        for (const std::string* s : {&r.Cislo, &r.Element, &r.Popis, &r.Radek})
            h += QStringLiteral("<td>") + obal(BunkaHtml(*s)) + QStringLiteral("</td>");
        for (double x : *r.Hodnoty) {
            const QString t = obal(Cislo(x, jazyk));
            if (r.JeRozdil && x > 0)
                h += QStringLiteral("<td align=\"right\" style=\"color:#ff0000\">"
                                    "<font color=\"#ff0000\">") +
                     t + QStringLiteral("</font></td>");
            else
                h += QStringLiteral("<td align=\"right\">") + t + QStringLiteral("</td>");
        }
        h += QStringLiteral("</tr>\n");
    });
    return h + QStringLiteral("</table>\n</body></html>\n");
}

QMimeData* VysledkyProSchranku(const DrunVar& var, const QLocale& jazyk) {
    auto* m = new QMimeData;
    m->setText(VysledkyJakoText(var, jazyk));
    m->setHtml(VysledkyJakoHtml(var, jazyk));
    return m;
}

// ---- the main window's commands ----

void THlavniForm::KopirovatVysledkyClick() {
    // The program formats numbers with "."; a spreadsheet expects the user's own separator.
    QApplication::clipboard()->setMimeData(VysledkyProSchranku(var_, QLocale::system()));
    statusBar()->showMessage(QStringLiteral("Výsledky jsou ve schránce"), 5000);
}

void THlavniForm::ExportPdfItemClick() {
    const QString soubor = SouborKUlozeni(
        this, QStringLiteral("Export protokolu do PDF"), QStringLiteral("Dokumenty PDF (*.pdf)"),
        QStringLiteral("pdf"), JmenoExportu(QStringLiteral("pdf"), QStringLiteral("protokol.pdf")));
    if (!soubor.isEmpty()) ExportujPdf(soubor);
}

void THlavniForm::ExportCsvItemClick() {
    const QString soubor = SouborKUlozeni(
        this, QStringLiteral("Export výsledků do CSV"), QStringLiteral("Tabulky CSV (*.csv)"),
        QStringLiteral("csv"), JmenoExportu(QStringLiteral("csv"), QStringLiteral("vysledky.csv")));
    if (!soubor.isEmpty()) ExportujCsv(soubor);
}

QString THlavniForm::JmenoExportu(const QString& pripona, const QString& vychozi) const {
    // The calculation's own name: "scenario1.DRN" exports as "scenario1.pdf".
    if (soubor_.isEmpty()) return vychozi;
    return QFileInfo(soubor_).completeBaseName() + QLatin1Char('.') + pripona;
}

bool THlavniForm::ExportujPdf(const QString& soubor) {
    if (!UlozProtokolPdf(var_, DatumProtokolu().toStdString(), soubor.toStdString())) {
        hlaseni().Chyba(QStringLiteral("Protokol se nepodařilo uložit do souboru ") + soubor +
                        QStringLiteral("."));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Protokol je uložen v souboru ") + soubor, 5000);
    return true;
}

bool THlavniForm::ExportujCsv(const QString& soubor) {
    if (!ZapisAtomicky(soubor.toStdString(), VysledkyCsv(var_))) {
        hlaseni().Chyba(QStringLiteral("Výsledky se nepodařilo uložit do souboru ") + soubor +
                        QStringLiteral("."));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Výsledky jsou uloženy v souboru ") + soubor, 5000);
    return true;
}
