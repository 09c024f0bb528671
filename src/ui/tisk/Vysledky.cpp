// Handing the results over: the clipboard's two flavours of the result table.
#include "ui/tisk/Vysledky.h"

#include <QLocale>
#include <QMimeData>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "io/Vysledky.h"

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
