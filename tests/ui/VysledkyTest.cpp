// Handing the results over: the PDF protocol, the CSV table and the clipboard.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextTable>

#include "Pomocnik.h"
#include "core/DrunVyp.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/Protokol.h"
#include "io/Vysledky.h"
#include "models/Zdroj.h"
#include "tools/Pozadavek.h"
#include "ui/tisk/GrafPrvky.h"
#include "ui/tisk/Tisk.h"
#include "ui/tisk/Vysledky.h"

using namespace drun;

namespace {

// The protocol's pages as pdftotext would read them.
QList<QStringList> ProtokolPoStrankach(const std::vector<std::string>& radky) {
    QList<QStringList> stranky{{}};
    for (const std::string& r : radky) {
        QString t = QString::fromStdString(r);
        if (t.startsWith(QLatin1Char('\f'))) stranky << QStringList{};
        t.replace(QLatin1Char('\t'), QLatin1Char(' '));
        if (!t.simplified().isEmpty()) stranky.last() << t.simplified();
    }
    return stranky;
}

QImage Stranka(const QString& pdf, int n, const QString& predpona) {
    Spust("pdftoppm", {"-png", "-r", "40", "-f", QString::number(n), "-l", QString::number(n),
                       "-singlefile", pdf, predpona});
    return QImage(predpona + QStringLiteral(".png"));
}

} // namespace

TEST_F(UiTest, PdfProtokoluJakoTiskSGrafem) {
    var.Akce = "Kancelář 2.12";
    for (int i = 0; i < 14; ++i)
        PridejObecny(var, "vložka " + std::to_string(i), 1);
    okno->NaplnForm();
    for (int delka : {25, 45, 60}) {
        SCOPED_TRACE(delka);
        var.parametry.DelkaStranky = delka;
        const auto radky = TextProtokolu(var, DatumProtokolu().toStdString());
        const auto ocekavane = ProtokolPoStrankach(radky);
        const QString pdf = slozka.filePath(QStringLiteral("p%1.pdf").arg(delka));
        ASSERT_TRUE(okno->ExportujPdf(pdf));
        EXPECT_TRUE(Zaznam().texty.isEmpty());
        // The protocol's pages, then the chart page.
        EXPECT_EQ(PocetStran(pdf), ocekavane.size() + 1);
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_FALSE(f.readAll().contains("/Subtype /Image")); // charts as vectors

        if (!MaNastroj("pdftotext") || !MaNastroj("pdfinfo")) continue;
        EXPECT_TRUE(Spust("pdfinfo", {pdf}).contains("Kancelář 2.12"));
        const auto text = TextStran(pdf);
        ASSERT_EQ(text.size(), ocekavane.size() + 1);
        for (qsizetype s = 0; s < ocekavane.size(); ++s)
            EXPECT_EQ(text[s], ocekavane[s]) << "page " << s + 1;
        EXPECT_EQ(text.last().first(), "Akce: Kancelář 2.12");
        // The chart's title names the three ratings, however the page wraps it.
        const QString titulek = text.last().join(' ').simplified();
        EXPECT_TRUE(titulek.contains("Spektrum na konci sítě"));
        for (const QString& h : Hodnoceni(var.Vysledek).split(QStringLiteral(", ")))
            EXPECT_TRUE(titulek.contains(h)) << h.toStdString();
        EXPECT_TRUE(titulek.contains("Křivka NC < 15")); // the legend too
    }
    if (!MaNastroj("pdftoppm")) GTEST_SKIP() << "pdftoppm missing";
    // The chart page shows the result's blue line.
    const QImage graf = Stranka(slozka.filePath("p60.pdf"), PocetStran(slozka.filePath("p60.pdf")),
                                slozka.filePath("graf"));
    ASSERT_FALSE(graf.isNull());
    int modrych = 0;
    for (int y = 0; y < graf.height(); ++y)
        for (int x = 0; x < graf.width(); ++x) {
            const QColor c = graf.pixelColor(x, y);
            modrych += c.blue() > 150 && c.red() < 60 && c.green() < 130;
        }
    EXPECT_GT(modrych, 100);
}

// The window and drun-protokol --pdf share the rendering: the same pages.
TEST_F(UiTest, PdfOknaAPrikazuStejne) {
    var.Akce = "Byt 3";
    for (int i = 0; i < 9; ++i)
        PridejObecny(var, "prvek", 2);
    const QString drn = slozka.filePath("Byt.DRN");
    ASSERT_TRUE(UlozData(var, drn.toStdString()).Ok());
    var.parametry.DelkaStranky = 30;
    okno->NaplnForm();
    const QString zOkna = slozka.filePath("okno.pdf"), zPrikazu = slozka.filePath("prikaz.pdf");
    ASSERT_TRUE(okno->ExportujPdf(zOkna));
    // No date given: today, written as the window writes it.
    const QByteArray vystup = Spust(DRUN_PROTOKOL, {"--pdf", zPrikazu, "--stranka", "30", drn});
    EXPECT_TRUE(vystup.isEmpty());
    ASSERT_EQ(PocetStran(zPrikazu), PocetStran(zOkna));
    EXPECT_EQ(PocetStran(zOkna), 5); // 2, 3, 3 and 1 elements, then the charts
    if (!MaNastroj("pdftoppm")) GTEST_SKIP() << "pdftoppm missing";
    for (int s = 1; s <= 5; ++s)
        EXPECT_EQ(Stranka(zOkna, s, slozka.filePath("o")),
                  Stranka(zPrikazu, s, slozka.filePath("p")))
            << "page " << s;
}

TEST_F(UiTest, NeuspesnyExportNicNenecha) {
    QDir(slozka.path()).mkdir("adresar.pdf");
    const QStringList pred = QDir(slozka.path()).entryList(QDir::AllEntries | QDir::Hidden);
    struct Radek {
        bool (THlavniForm::*exportuj)(const QString&);
        QString soubor, zprava;
    };
    const Radek tabulka[] = {
        {&THlavniForm::ExportujPdf, "neni/p.pdf", "Protokol se nepodařilo uložit do souboru "},
        {&THlavniForm::ExportujPdf, "adresar.pdf", "Protokol se nepodařilo uložit do souboru "},
        {&THlavniForm::ExportujCsv, "neni/v.csv", "Výsledky se nepodařilo uložit do souboru "},
        {&THlavniForm::ExportujCsv, "adresar.pdf", "Výsledky se nepodařilo uložit do souboru "},
    };
    for (const Radek& r : tabulka) {
        SCOPED_TRACE(r.soubor.toStdString());
        Zaznam().Vymaz();
        const QString soubor = slozka.filePath(r.soubor);
        EXPECT_FALSE((okno.get()->*r.exportuj)(soubor));
        EXPECT_EQ(Zaznam().texty, QStringList{r.zprava + soubor + "."});
        EXPECT_EQ(QDir(slozka.path()).entryList(QDir::AllEntries | QDir::Hidden), pred);
        EXPECT_TRUE(QDir(slozka.filePath("adresar.pdf")).isEmpty());
    }
}

TEST_F(UiTest, ExportCsvZMenu) {
    PridejObecny(var, "vložka; \"A\"", 3);
    okno->NaplnForm();
    VyberSoubor(slozka.filePath("vysledky"));
    okno->Akce(Prikaz::ExportCsv)->trigger();
    std::string csv;
    ASSERT_EQ(CtiSoubor(slozka.filePath("vysledky.csv").toStdString(), csv), KodVysledku::Ok);
    EXPECT_EQ(csv, VysledkyCsv(var));
    EXPECT_NE(csv.find("\r\n2;Obecný element;\"vložka; \"\"A\"\"\";Útlum;3,0;"), std::string::npos);
    // An existing file is replaced only when the user agrees.
    Zaznam().odpovedi = {false};
    VyberSoubor(slozka.filePath("vysledky.csv"));
    okno->Akce(Prikaz::ExportPdf)->trigger();
    EXPECT_EQ(Zaznam().texty.size(), 1);
    EXPECT_FALSE(QFile::exists(slozka.filePath("vysledky.csv.pdf")));
}

TEST_F(UiTest, SchrankaVeDvouPodobach) {
    ZapisZdroj(var, {"Ventilátor", {60, 60, 60, 60, 60, 60, 60, 60}});
    PridejObecny(var, "-tlumič <A&B>", 10);
    NastavPozadavek(var, {40, 45, 50, 55, 50, 50, 60, 70});
    okno->NaplnForm();
    struct Radek {
        QLocale jazyk;
        QString zdroj, rozdil;
    };
    const Radek tabulka[] = {
        {QLocale(QLocale::Czech, QLocale::CzechRepublic),
         "1\tZdroj drunu\tVentilátor\tAkustický výkon\t60,0\t60,0\t60,0\t60,0\t60,0\t60,0\t60,0\t"
         "60,0\t",
         "\tRozdíl\t\t\t10,0\t5,0\t0,0\t-5,0\t0,0\t0,0\t-10,0\t-20,0\t"},
        {QLocale::c(),
         "1\tZdroj drunu\tVentilátor\tAkustický výkon\t60.0\t60.0\t60.0\t60.0\t60.0\t60.0\t60.0\t"
         "60.0\t",
         "\tRozdíl\t\t\t10.0\t5.0\t0.0\t-5.0\t0.0\t0.0\t-10.0\t-20.0\t"},
    };
    for (const Radek& r : tabulka) {
        SCOPED_TRACE(r.jazyk.name().toStdString());
        const QStringList radky = VysledkyJakoText(var, r.jazyk).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(radky.size(), 1 + 1 + 4 + 3);
        EXPECT_EQ(radky[0], "Číslo\tElement\tPopis\tŘádek\t63Hz\t125Hz\t250Hz\t500Hz\t1kHz\t2kHz\t"
                            "4kHz\t8kHz\tL(A)");
        EXPECT_TRUE(radky[1].startsWith(r.zdroj)) << radky[1].toStdString();
        EXPECT_TRUE(radky[2].startsWith("2\tObecný element\t'-tlumič <A&B>\tÚtlum\t"));
        EXPECT_TRUE(radky.last().startsWith(r.rozdil)) << radky.last().toStdString();

        // Pasted into a word processor: a table, the positive differences red.
        QTextDocument doc;
        doc.setHtml(VysledkyJakoHtml(var, r.jazyk));
        QTextTable* t = nullptr;
        for (QTextFrame* f : doc.rootFrame()->childFrames())
            if ((t = qobject_cast<QTextTable*>(f))) break;
        ASSERT_NE(t, nullptr);
        ASSERT_EQ(t->rows(), radky.size());
        ASSERT_EQ(t->columns(), 13);
        EXPECT_EQ(t->cellAt(2, 2).firstCursorPosition().block().text(), "-tlumič <A&B>");
        const int rozdil = t->rows() - 1;
        for (int s = 4; s < 13; ++s) {
            const QTextTableCell c = t->cellAt(rozdil, s);
            QTextCursor k = c.firstCursorPosition();
            k.movePosition(QTextCursor::NextCharacter);
            const bool cervena = k.charFormat().foreground().color() == QColor(255, 0, 0);
            EXPECT_EQ(cervena, var.Rozdil[static_cast<size_t>(s - 4)] > 0) << s;
            EXPECT_EQ(c.firstCursorPosition().block().text(), radky.last().split('\t')[s]);
        }
    }

    // The menu command puts both flavours on the clipboard in the user's locale.
    okno->Akce(Prikaz::Kopirovat)->trigger();
    const QMimeData* m = QApplication::clipboard()->mimeData();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->text(), VysledkyJakoText(var, QLocale::system()));
    EXPECT_EQ(m->html(), VysledkyJakoHtml(var, QLocale::system()));
}

TEST_F(UiTest, MenuUpravyAExporty) {
    QStringList menu;
    for (QAction* a : okno->menuBar()->actions())
        menu << a->text().remove('&');
    ASSERT_GE(menu.size(), 3);
    EXPECT_EQ(menu.mid(0, 3), (QStringList{"Soubor", "Úpravy", "Element"}));
    // Zpět and Znovu come first, as in every program's edit menu.
    EXPECT_EQ(okno->menuBar()->actions().value(1)->menu()->actions().value(3),
              okno->Akce(Prikaz::Kopirovat));
    EXPECT_EQ(okno->Akce(Prikaz::Kopirovat)->text().remove('&'), "Kopírovat výsledky");
    EXPECT_EQ(okno->Akce(Prikaz::Kopirovat)->shortcut(), QKeySequence("Ctrl+Shift+C"));
    EXPECT_EQ(okno->Akce(Prikaz::ExportPdf)->text().remove('&'), "Export protokolu do PDF...");
    EXPECT_EQ(okno->Akce(Prikaz::ExportCsv)->text().remove('&'), "Export výsledků do CSV...");
    // Akce being typed is taken before an export, which stays offered meanwhile.
    AkceEdit()->setText("Psaná akce");
    EXPECT_TRUE(okno->Akce(Prikaz::ExportCsv)->isEnabled());
    VyberSoubor(QString());
    okno->Akce(Prikaz::ExportCsv)->trigger();
    EXPECT_EQ(var.Akce, "Psaná akce");
}
