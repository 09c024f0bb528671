#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QListView>
#include <QScatterSeries>
#include <QTest>
#include <QValueAxis>

#include "Pomocnik.h"
#include "tools/NR.h"
#include "tools/Pozadavek.h"
#include "ui/nastroje/Graf.h"
#include "ui/spolecne/Nastaveni.h"
#include "ui/tisk/GrafPrvky.h"

using namespace drun;

namespace {

// Source of `zdroj` dB in every band and `pocet` - 1 general elements behind
// it, each removing `utlum` dB; evaluated through the main window.
void PostavCestu(DrunVar& var, THlavniForm& okno, int pocet, double zdroj, double utlum) {
    ZalozVypocet(var);
    NaplnSpektrum(var.cesta.Prvni().VlastniDrun, zdroj);
    for (int i = 1; i < pocet; ++i) {
        var.cesta.VlozElement();
        TElementSite& e = var.cesta.Aktualni();
        e.NastavTyp(TypObecny);
        NaplnSpektrum(e.Utlum, utlum);
    }
    okno.PrepocitejOd(1);
}

QList<double> Y(const QXYSeries* s) {
    QList<double> y;
    for (const QPointF& p : s->points())
        y << p.y();
    return y;
}

QList<double> Pasma(const Spectrum& s) {
    return {s.begin(), s.begin() + PocetPasem};
}

// Where element n's point is drawn, in the path chart's viewport.
QPoint PoziceElementu(TGrafForm& g, int n, double y) {
    const QPointF v = g.CestaGraf->mapToPosition(QPointF(n, y), g.CestaSerie);
    return g.CestaView->mapFromScene(g.CestaGraf->mapToScene(v));
}

} // namespace

TEST_F(UiTest, NRVysledkuSRozhodujicimPasmem) {
    struct Radek {
        std::array<double, PocetPasem> zdroj;
        const char* text;
        const char* pasmo;
        const char *nc, *pasmoNC, *rc, *hintRC;
    };
    const Radek tabulka[] = {
        // No source entered: nothing to rate, nothing decides.
        {{0, 0, 0, 0, 0, 0, 0, 0}, "-", "", "-", "", "-", ""},
        {{59.2, 0, 0, 0, 0, 0, 0, 0},
         "NR 30.0",
         "63Hz",
         "NC 33.7",
         "63Hz",
         "RC 0 (R)",
         "Nejvýše pásmo 63Hz 39.2 dB nad křivkou RC"},
        {{59.2, 48.1, 39.9, 34.0, 30.0, 26.9, 24.7, 22.9},
         "NR 30.1",
         "4kHz",
         "NC 33.7",
         "63Hz",
         "RC 30 (R)",
         "Nejvýše pásmo 63Hz 9.2 dB nad křivkou RC"},
        {{80, 80, 80, 80, 80, 80, 80, 80},
         "NR 85.5",
         "8kHz",
         "NC > 70",
         "4kHz",
         "RC 80 (H)",
         "Nejvýše pásmo 8kHz 15.0 dB nad křivkou RC"},
        // 500 Hz to 2 kHz all 0.4 dB under the curve: the lowest is named
        {{60, 50, 40, 54.6, 49.6, 44.6, 30, 20},
         "NR 51.2",
         "500Hz",
         "NC 50.8",
         "500Hz",
         "RC 50 (N)",
         "Nejvýše pásmo 500Hz 0.4 dB pod křivkou RC"},
    };
    for (const Radek& r : tabulka) {
        Spectrum& z = var.cesta.Prvni().VlastniDrun;
        for (size_t i = 0; i < PocetPasem; ++i)
            z[i] = r.zdroj[i];
        SpoctiLA(z);
        okno->ZobrazZdroj();
        okno->PrepocitejOd(1);
        if (!*r.pasmo) {
            for (auto s : {StitekPanelu::NR, StitekPanelu::NC, StitekPanelu::RC}) {
                EXPECT_EQ(Stitek(s).text(), "-");
                EXPECT_EQ(Stitek(s).toolTip(), "");
            }
            continue;
        }
        EXPECT_EQ(Stitek(StitekPanelu::NR).text(), r.text);
        EXPECT_EQ(Stitek(StitekPanelu::NR).toolTip(), QStringLiteral("Rozhoduje pásmo ") + r.pasmo);
        EXPECT_TRUE(Stitek(StitekPanelu::NR)
                        .statusTip()
                        .endsWith(QStringLiteral("rozhoduje pásmo ") + r.pasmo));
        EXPECT_EQ(Stitek(StitekPanelu::NC).text(), r.nc);
        EXPECT_EQ(Stitek(StitekPanelu::NC).toolTip(),
                  QStringLiteral("Rozhoduje pásmo ") + r.pasmoNC);
        EXPECT_EQ(Stitek(StitekPanelu::RC).text(), r.rc);
        EXPECT_EQ(Stitek(StitekPanelu::RC).toolTip(), r.hintRC);
    }
}

TEST_F(UiTest, GrafDrziCislaVysledkuPozadavkuAKrivky) {
    okno->Akce(Prikaz::Graf)->trigger();
    TGrafForm& g = *okno->Okno<TGrafForm>();
    ASSERT_TRUE(g.isVisible());
    PostavCestu(var, *okno, 2, 80, 10); // 70 dB at the end
    // No requirement: no curve, nothing exceeded, the level axis around the levels.
    NastavPozadavek(var, {0, 0, 0, 0, 0, 0, 0, 0});
    okno->PrepocitejOd(var.cesta.Pocet());
    for (const QXYSeries* s :
         std::initializer_list<const QXYSeries*>{g.PozadavekSerie, g.PrekrocenoSerie}) {
        EXPECT_FALSE(s->isVisible());
        EXPECT_EQ(s->count(), 0);
    }
    EXPECT_GE(g.SpektrumOsaY->min(), 60);
    NastavPozadavek(var, NKrivky[4]);
    okno->PrepocitejOd(var.cesta.Pocet());
    EXPECT_TRUE(g.PozadavekSerie->isVisible());

    EXPECT_EQ(Y(g.VysledekSerie), QList<double>(8, 70.0));
    EXPECT_EQ(Y(g.PozadavekSerie), Pasma(var.Pozadavek));
    // 8 kHz decides: (70 + 8) / 1.03 = 75.73
    EXPECT_EQ(g.NRSerie->name(), "Křivka NR 75.8");
    // 4 kHz: 70 + 5 * (70 - 68) / 5 = 72, beyond the table; RC 70 hisses at 8 kHz
    EXPECT_EQ(g.NCSerie->name(), "Křivka NC > 70");
    EXPECT_EQ(g.SpektrumGraf->title(), "Spektrum na konci sítě – NR 75.8, NC > 70, RC 70 (H)");
    EXPECT_DOUBLE_EQ(g.NCSerie->at(6).y(), 70.0);
    // On a low screen the level axis keeps fewer labels, not elided ones.
    EXPECT_EQ(g.SpektrumOsaY->tickInterval(), 10);
    g.resize(g.width(), 400);
    for (int i = 0; i < 8; ++i)
        QApplication::processEvents();
    EXPECT_GT(g.SpektrumOsaY->tickInterval(), 10);
    // The curve itself, worked by hand: L = A + B * 75.8 per band.
    const QList<double> nr75_8{95.382, 87.946, 82.494, 78.6292, 75.8, 73.437, 71.595, 70.074};
    ASSERT_EQ(g.NRSerie->count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_NEAR(g.NRSerie->at(i).y(), nr75_8[i], 1e-9) << i;
    EXPECT_EQ(g.PrekrocenoSerie->count(), 8);
    EXPECT_EQ(g.VysledekSerie->at(0).x(), 1);
    EXPECT_EQ(g.VysledekSerie->at(7).x(), 8);

    // A requirement met in all bands but 63 Hz and 125 Hz.
    NastavPozadavek(var, {69.9, 69.95, 70, 80, 90, 100, 110, 120});
    okno->PrepocitejOd(var.cesta.Pocet());
    ASSERT_EQ(g.PrekrocenoSerie->count(), 2);
    EXPECT_EQ(g.PrekrocenoSerie->at(0), QPointF(1, 70));
    EXPECT_EQ(g.PrekrocenoSerie->at(1), QPointF(2, 70));
    EXPECT_LE(g.SpektrumOsaY->min(), 69.9);
    EXPECT_GE(g.SpektrumOsaY->max(), 120);

    // Along the path: L(A) first, then the chosen band.
    EXPECT_EQ(Y(g.CestaSerie),
              (QList<double>{var.cesta.Prvek(1).ZaElementem[LA], var.Vysledek[LA]}));
    g.PasmoComboBox->setCurrentIndex(4);
    EXPECT_EQ(Y(g.CestaSerie), (QList<double>{80, 70}));
    EXPECT_EQ(g.CestaSerie->name(), "Hladina za elementem, 1kHz");
    EXPECT_EQ(g.AktualniSerie->points(), (QList<QPointF>{QPointF(2, 70)}));
}

TEST_F(UiTest, SkrytyGrafSeDoplniPriZobrazeni) {
    TGrafForm& g = *okno->Okno<TGrafForm>();
    PostavCestu(var, *okno, 3, 90, 5);
    EXPECT_FALSE(g.isVisible());
    g.Zobraz();
    EXPECT_EQ(Y(g.VysledekSerie), QList<double>(8, 80.0));
    EXPECT_EQ(g.CestaSerie->count(), 3);
    // A new calculation empties the path; the open window follows.
    okno->NovyVypocet();
    EXPECT_EQ(g.CestaSerie->count(), 1);
    EXPECT_EQ(Y(g.VysledekSerie), QList<double>(8, 0.0));
}

TEST_F(UiTest, KliknutiNaBodVybereElement) {
    TGrafForm& g = *okno->Okno<TGrafForm>();
    g.Zobraz();
    g.PasmoComboBox->setCurrentIndex(0);
    PostavCestu(var, *okno, 10, 90, 4);
    ASSERT_EQ(var.cesta.AktualniCislo(), 1);

    QTest::mouseClick(g.CestaView->viewport(), Qt::LeftButton, {}, PoziceElementu(g, 7, 66));
    EXPECT_EQ(var.cesta.AktualniCislo(), 7);
    EXPECT_EQ(Seznam()->currentIndex().row(), 6);
    EXPECT_TRUE(Stitek(StitekPanelu::PopisElementu).text().startsWith("7     "));
    EXPECT_EQ(Texty(RadekPanelu::ZaEl)[0], "66.0");
    EXPECT_EQ(g.AktualniSerie->at(0), QPointF(7, 66));

    // Far from every point: nothing changes.
    QTest::mouseClick(g.CestaView->viewport(), Qt::LeftButton, {}, PoziceElementu(g, 3, 60));
    EXPECT_EQ(var.cesta.AktualniCislo(), 7);

    // A click in the main window's list moves the highlight too.
    Vyber(2);
    EXPECT_EQ(g.AktualniSerie->at(0), QPointF(2, 86));
}

TEST_F(UiTest, GrafCestyOJednomADesetiTisicichElementech) {
    TGrafForm& g = *okno->Okno<TGrafForm>();
    g.Zobraz();
    g.PasmoComboBox->setCurrentIndex(0);
    ASSERT_EQ(g.CestaSerie->count(), 1);
    EXPECT_EQ(g.CestaOsaX->min(), 0.5);
    EXPECT_EQ(g.CestaOsaX->max(), 1.5);
    EXPECT_EQ(g.ElementNaPozici(PoziceElementu(g, 1, 0)), 1);

    PostavCestu(var, *okno, 10000, 120, 0.01);
    ASSERT_EQ(g.CestaSerie->count(), 10000);
    EXPECT_DOUBLE_EQ(g.CestaSerie->at(9999).y(), var.Vysledek[0]);
    EXPECT_EQ(g.CestaSerie->at(9999).x(), 10000);
    EXPECT_EQ(g.CestaOsaX->max(), 10000.5);
    EXPECT_EQ(g.CestaOsaX->tickInterval(), 1000);
    EXPECT_FALSE(g.CestaSerie->pointsVisible());
    // Dense points: the click lands on one of the element's close neighbours.
    const int n = g.ElementNaPozici(PoziceElementu(g, 5000, var.cesta.Prvek(5000).ZaElementem[0]));
    EXPECT_NEAR(n, 5000, 20);
    g.VyberElement(n);
    EXPECT_EQ(Seznam()->currentIndex().row(), n - 1);
    EXPECT_FALSE(g.grab().isNull());

    okno->NovyVypocet();
    EXPECT_EQ(g.CestaSerie->count(), 1);
}

TEST_F(UiTest, UlozeniObrazkuPngASvg) {
    TGrafForm& g = *okno->Okno<TGrafForm>();
    g.Zobraz();
    PostavCestu(var, *okno, 4, 80, 3);
    const QString png = slozka.filePath("graf.png");
    ASSERT_TRUE(g.UlozObrazek(png));
    QImage obr(png);
    EXPECT_EQ(obr.size(), g.VelikostObrazku() * 2);
    EXPECT_EQ(obr.pixelColor(0, 0), QColor(Qt::white));

    const QString svg = slozka.filePath("graf.svg");
    ASSERT_TRUE(g.UlozObrazek(svg));
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains("<svg"));
    EXPECT_TRUE(text.contains("Element č."));
    EXPECT_TRUE(Zaznam().texty.isEmpty());

    EXPECT_FALSE(g.UlozObrazek(slozka.filePath("graf.bmp")));
    EXPECT_FALSE(g.UlozObrazek(slozka.filePath("chybi/graf.png")));
    EXPECT_EQ(Zaznam().texty,
              (QStringList{"Obrázek lze uložit jen jako PNG (*.png) nebo SVG (*.svg).",
                           "Obrázek se nepodařilo uložit do souboru " +
                               slozka.filePath("chybi/graf.png") + "."}));
    EXPECT_FALSE(QFile::exists(slozka.filePath("graf.bmp")));
}

TEST_F(UiTest, UlozitObrazekPresDialogDoplniPriponu) {
    TGrafForm& g = *okno->Okno<TGrafForm>();
    g.Zobraz();
    const QString jmeno = slozka.filePath("spektrum");
    ZapamatujSlozku(jmeno); // the dialog starts in the folder of the last file
    PriModalnim([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        d->selectNameFilter("Obrázek SVG (*.svg)");
        auto* pole = d->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(pole, nullptr);
        pole->setText("spektrum");
        QMetaObject::invokeMethod(d, "accept");
    });
    g.UlozitBtnClick();
    EXPECT_TRUE(QFile::exists(jmeno + ".svg"));
    EXPECT_FALSE(QFile::exists(jmeno));
    EXPECT_TRUE(Zaznam().texty.isEmpty());
}

// Levels of thousands of dB keep a readable level axis: at most 16 labels.
TEST(GrafPrvky, OsaHladinProExtremy) {
    struct Radek {
        double min, max, dolni, horni, krok;
    } tabulka[] = {
        {0, 80, -10, 90, 10},
        {0, 140, -10, 150, 10},
        {0, 150, -10, 160, 20},
        {0, 300, -10, 310, 20},
        {0, 310, -10, 320, 50},
        {0, 8000, -10, 8010, 1000},
        {-5000, 5000, -5010, 5010, 1000},
        {70, 70, 60, 80, 10},
        {0, 1e6, -10, 1000010, 100000},
    };
    QValueAxis osa;
    for (const Radek& r : tabulka) {
        SCOPED_TRACE(r.max);
        NastavRozsahHladin(&osa, r.min, r.max);
        EXPECT_EQ(osa.min(), r.dolni);
        EXPECT_EQ(osa.max(), r.horni);
        EXPECT_EQ(osa.tickInterval(), r.krok);
    }
    // A low chart: as few intervals as fit its height.
    EXPECT_EQ(KrokHladin(110, 6), 20);
    EXPECT_EQ(KrokHladin(110, 2), 100);
}
