// The report of a rozvod and of a project: read back from the PDF's text, its
// numbers are the protocols' and the overview's, its pages counted right.
#include <QRegularExpression>

#include "Pomocnik.h"
#include "core/Cisla.h"
#include "core/DrunVyp.h"
#include "io/DataSoubor.h"
#include "io/Pomocnik.h"
#include "io/Projekt.h"
#include "io/Protokol.h"
#include "io/RozvodSoubor.h"
#include "tools/Rozvod.h"
#include "ui/dialogy/ParametryFrm.h"
#include "ui/hlavni/Spusteni.h"
#include "ui/nastroje/ProjektFrm.h"
#include "ui/nastroje/RozvodFrm.h"
#include "ui/spolecne/Nastaveni.h"

using namespace drun;

namespace {

// drun-protokol's standard output; its exit status into `status`.
QByteArray Protokol(const QStringList& argumenty, int* status = nullptr) {
    QProcess p;
    p.start(QStringLiteral(DRUN_PROTOKOL), argumenty);
    EXPECT_TRUE(p.waitForFinished(120000));
    if (status)
        *status = p.exitCode();
    else
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

// The nine values ending a line (a spectrum's row), or none.
QStringList Spektrum(const QString& radek) {
    static const QRegularExpression cislo(QStringLiteral("^-?[0-9]+\\.[0-9]$"));
    const QStringList slova = radek.simplified().split(QLatin1Char(' '));
    if (slova.size() < 9) return {};
    const QStringList konec = slova.mid(slova.size() - 9);
    for (const QString& s : konec)
        if (!cislo.match(s).hasMatch()) return {};
    return konec;
}

// Every spectrum's row of the lines from..to, in order.
QList<QStringList> Spektra(const QStringList& radky, qsizetype od = 0, qsizetype po = -1) {
    QList<QStringList> s;
    for (qsizetype i = od; i < (po < 0 ? radky.size() : po); ++i)
        if (const QStringList c = Spektrum(radky[i]); !c.isEmpty()) s << c;
    return s;
}

QStringList Radky(const QByteArray& text) {
    QStringList r;
    for (const QString& t : QString::fromUtf8(text).split(QLatin1Char('\n')))
        if (!t.simplified().isEmpty()) r << t.simplified();
    return r;
}

// The pages' lines, each page's first line the running header with the Akce
// and its last "strana N z M".
QStringList CtiZpravu(const QString& pdf, const QString& akce) {
    const QList<QStringList> stranky = TextStran(pdf);
    EXPECT_EQ(stranky.size(), PocetStran(pdf));
    QStringList vse;
    for (qsizetype s = 0; s < stranky.size(); ++s) {
        SCOPED_TRACE(s + 1);
        EXPECT_TRUE(stranky[s].first().startsWith(QStringLiteral("Akce: ") + akce))
            << stranky[s].first().toStdString();
        EXPECT_TRUE(stranky[s].last().endsWith(
            QStringLiteral("strana %1 z %2").arg(s + 1).arg(stranky.size())))
            << stranky[s].last().toStdString();
        // A path's closing block never starts a page: an element stands above it.
        bool prvek = false;
        for (const QString& r : stranky[s]) {
            if (r.startsWith(QStringLiteral("Výsledek "))) {
                EXPECT_TRUE(prvek);
            }
            prvek = prvek || r.startsWith(QStringLiteral("Za elementem "));
        }
        vse << stranky[s];
    }
    return vse;
}

// A path's page: the room's name as its heading, under it the path's line;
// the lines from there to the next path's heading. Empty when missing.
const QRegularExpression RadekCesty(QStringLiteral("^(úsek [0-9]+|cesta .*) – požadavek "));
QStringList StrankaCesty(const QStringList& radky, const QString& mistnost, const QString& cesta) {
    for (qsizetype i = 0; i + 1 < radky.size(); ++i) {
        if (radky[i] != mistnost || !radky[i + 1].startsWith(cesta + QStringLiteral(" "))) continue;
        qsizetype k = i + 2;
        while (k < radky.size() && !RadekCesty.match(radky[k]).hasMatch())
            ++k;
        return radky.mid(i, k - i);
    }
    return {};
}

} // namespace

// Every room of a random rozvod: its heading, its sections' numbers as
// --rozvod --usek prints them, its end spectrum and summary as the overview;
// the window's report is the command line's.
TEST_F(UiTest, ZpravaRozvoduJakoProtokoly) {
    if (!MaNastroj(QStringLiteral("pdftotext"))) GTEST_SKIP() << "pdftotext chybí";
    const QString drr = slozka.filePath(QStringLiteral("dům.DRR"));
    ASSERT_TRUE(UlozRozvod(NahodnyRozvod(23, 16), drr.toStdString()).Ok());
    Rozvod r;
    ASSERT_TRUE(NactiRozvod(drr.toStdString(), var.SouborTlumice, r).Ok());
    const PrehledRozvodu pr = SpoctiPrehledRozvodu(r);
    NastavAutoraZpravy(QStringLiteral("Ing. Jana Nováková"));
    const QString pdf = slozka.filePath(QStringLiteral("zpráva.pdf"));
    Protokol({QStringLiteral("--rozvod"), drr, QStringLiteral("--zprava"), pdf});
    const QStringList radky = CtiZpravu(pdf, QString::fromStdString(r.Akce));
    EXPECT_TRUE(radky.contains(QStringLiteral("Zpracoval: Ing. Jana Nováková")));
    EXPECT_TRUE(radky.contains(QStringLiteral("Datum: ") + QString::fromStdString(DnesniDatum())));

    const auto tabulka = RadkyPrehledu(pr.Mistnosti, pr.Prehled);
    for (size_t m = 0; m < r.Mistnosti().size(); ++m) {
        const QString nazev = QString::fromStdString(r.Mistnosti()[m].Nazev);
        SCOPED_TRACE(nazev.toStdString());
        // The summary's row: the overview's fields, the state last.
        QStringList souhrn;
        for (int i : {0, 1, 2, 3, 4})
            souhrn << QString::fromStdString(tabulka[m + 1][size_t(i)]);
        EXPECT_TRUE(std::any_of(radky.begin(), radky.end(), [&](const QString& t) {
            return t.startsWith(souhrn.join(' ') + ' ') &&
                   t.endsWith(QString::fromStdString(tabulka[m + 1][9]));
        }));
        // The end spectrum.
        QStringList konec{nazev};
        for (double x : pr.Prehled.Mistnosti[m].Soucet.Soucet)
            konec << QString::fromStdString(FormatHodnota(x));
        EXPECT_TRUE(radky.contains(konec.join(' ')));
        for (size_t u : r.Mistnosti()[m].Useky) {
            const QString id = QString::number(r.Useky()[u].Id);
            const QStringList strana = StrankaCesty(radky, nazev, QStringLiteral("úsek ") + id);
            ASSERT_FALSE(strana.isEmpty()) << "úsek " << id.toStdString();
            const QStringList protokol =
                Radky(Protokol({QStringLiteral("--rozvod"), drr, QStringLiteral("--usek"), id}));
            EXPECT_GE(Spektra(strana).size(), 5);
            EXPECT_EQ(Spektra(strana), Spektra(protokol)) << "úsek " << id.toStdString();
        }
    }

    // The window draws the same report.
    auto* o = okno->Okno<TRozvodForm>();
    ASSERT_TRUE(o->OtevriRozvod(drr));
    const QString zOkna = slozka.filePath(QStringLiteral("okno.pdf"));
    ASSERT_TRUE(o->ExportujZpravu(zOkna));
    EXPECT_EQ(TextStran(zOkna), TextStran(pdf));
    o->close();
    NastavAutoraZpravy({});
}

// The author line is the user's setting, given in Parametry and kept only at OK.
TEST_F(UiTest, AutorZpravyZParametru) {
    TParametryForm d(var);
    for (const bool ok : {false, true}) {
        d.FormShow();
        EXPECT_EQ(d.AutorEdit->text(), AutorZpravy());
        d.AutorEdit->setText(QStringLiteral("  Ing.  Petr Malý "));
        if (ok)
            d.OKButtonClick();
        else
            d.StornoButonClick();
        EXPECT_EQ(AutorZpravy(), ok ? QStringLiteral("Ing. Petr Malý") : QString());
    }
    NastavAutoraZpravy({});
}

// A project's report: each path's numbers as drun-protokol prints the path
// file against its room's requirement; an unreadable path says why.
TEST_F(UiTest, ZpravaProjektuJakoProtokoly) {
    if (!MaNastroj(QStringLiteral("pdftotext"))) GTEST_SKIP() << "pdftotext chybí";
    const Rozvod r = NahodnyRozvod(31, 8);
    Projekt p;
    for (size_t u = 1; u < r.Useky().size(); ++u) {
        DrunVar v;
        v.Akce = "cesta " + std::to_string(u);
        v.cesta.NastavPrvky(r.PrvkyCesty(u));
        ASSERT_TRUE(
            UlozData(v, slozka.filePath(QStringLiteral("c%1.DRN").arg(u)).toStdString()).Ok());
    }
    // Paths longer than a page, of every length a page of elements can end with:
    // the table goes on, its closing block always with its last element.
    std::vector<std::string> dlouhe;
    DrunVar dlouha;
    dlouha.cesta.NastavPrvky(r.PrvkyCesty(1));
    for (int i = 0; i < 72; ++i) {
        PridejObecny(dlouha, "vložka " + std::to_string(i), 0.2);
        if (i < 60) continue;
        dlouhe.push_back("dlouhá" + std::to_string(i) + ".DRN");
        ASSERT_TRUE(
            UlozData(dlouha, slozka.filePath(QString::fromStdString(dlouhe.back())).toStdString())
                .Ok());
    }
    p.Mistnosti = {{"Sál", "N40", dlouhe},
                   {"Kancelář", "N30", {"c1.DRN", "c2.DRN"}},
                   {"Sklad", "0 0 0 0 0 0 0 0", {"c3.DRN"}},
                   {"Chodba", "LA40", {"c4.DRN", "NENÍ.DRN"}}};
    const QString drp = slozka.filePath(QStringLiteral("budova.DRP"));
    ASSERT_TRUE(UlozProjekt(p, drp.toStdString()).Ok());
    const QString pdf = slozka.filePath(QStringLiteral("projekt.pdf"));
    Protokol({QStringLiteral("--projekt"), drp, QStringLiteral("--zprava"), pdf,
              QStringLiteral("--datum"), QStringLiteral("8.12.2026")});
    const QStringList radky = CtiZpravu(pdf, QStringLiteral("budova"));
    EXPECT_TRUE(radky.contains(QStringLiteral("Datum: 8.12.2026")));
    EXPECT_TRUE(
        radky.contains(QStringLiteral("Nevyhoví ") +
                       QString::fromStdString(std::to_string(
                           SpoctiPrehled(p, drp.toStdString(), var.SouborTlumice).Nevyhovi)) +
                       QStringLiteral(" z 4 místností, 1 nelze spočítat.")));
    EXPECT_TRUE(radky.contains(QStringLiteral("Sál – pokračování")));
    for (const MistnostProjektu& m : p.Mistnosti)
        for (const std::string& c : m.Cesty) {
            SCOPED_TRACE(c);
            const QString soubor = slozka.filePath(QString::fromStdString(c));
            const QStringList strana =
                StrankaCesty(radky, QString::fromStdString(m.Nazev),
                             QStringLiteral("cesta ") + QString::fromStdString(c));
            ASSERT_FALSE(strana.isEmpty());
            // One long path is enough to compare: the others differ only in length.
            if (m.Nazev == "Sál" && c != dlouhe.front()) continue;
            if (c == "NENÍ.DRN") {
                EXPECT_TRUE(strana.join(' ').contains(QStringLiteral("nenalezen")));
                continue;
            }
            QStringList argumenty{soubor};
            if (!m.Pozadavek.empty())
                argumenty << QStringLiteral("--pozadavek") << QString::fromStdString(m.Pozadavek);
            EXPECT_EQ(Spektra(strana), Spektra(Radky(Protokol(argumenty))));
        }

    // The window draws the same report (of today).
    Protokol({QStringLiteral("--projekt"), drp, QStringLiteral("--zprava"), pdf});
    auto* o = okno->Okno<TProjektForm>();
    ASSERT_TRUE(o->OtevriProjekt(drp));
    const QString zOkna = slozka.filePath(QStringLiteral("okno.pdf"));
    ASSERT_TRUE(o->ExportujZpravu(zOkna));
    EXPECT_EQ(TextStran(zOkna), TextStran(pdf));
    o->close();
}
