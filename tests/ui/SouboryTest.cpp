#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "Pomocnik.h"
#include "core/DrunVyp.h"
#include "core/Konfigurace.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/Kodovani.h"
#include "io/Protokol.h"
#include "models/Obecny.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/ParametryFrm.h"
#include "ui/tisk/Tisk.h"

using namespace drun;

namespace {

std::string Obsah(const QString& soubor) {
    std::string s;
    CtiSoubor(soubor.toStdString(), s);
    return s;
}

} // namespace

TEST_F(UiTest, UlozeniATiskJsouKDispozici) {
    // The toolbar's buttons are the menu's commands themselves.
    auto* lista = okno->findChild<QToolBar*>();
    ASSERT_NE(lista, nullptr);
    QList<QAction*> tlacitka;
    for (QAction* a : lista->actions())
        if (qobject_cast<QToolButton*>(lista->widgetForAction(a))) tlacitka << a;
    EXPECT_EQ(tlacitka, (QList<QAction*>{okno->Akce(Prikaz::Novy), okno->Akce(Prikaz::Otevrit),
                                         okno->Akce(Prikaz::Ulozit), okno->Akce(Prikaz::Tisk),
                                         okno->Akce(Prikaz::Konec)}));
    for (QAction* a : tlacitka)
        EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
    // Without a desktop theme printing shows a printer, not the style's list symbol.
    EXPECT_NE(okno->Akce(Prikaz::Tisk)->icon().pixmap(24).toImage(),
              okno->style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(24).toImage());
    AkceEdit()->setText("píše se");
    for (QAction* a : {okno->Akce(Prikaz::Ulozit), okno->Akce(Prikaz::Tisk),
                       okno->Akce(Prikaz::Otevrit), okno->Akce(Prikaz::Parametry)})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(UiTest, UlozitAOtevrit) {
    var.Akce = "Kancelář";
    PridejObecny(var, "Vložka", 3);
    PridejObecny(var, "Druhá", 5);
    okno->NaplnForm();
    okno->Historie().Nova(false);
    const QString soubor = slozka.filePath("Moje.DRN");
    VyberSoubor(soubor);
    okno->SaveItemClick();
    EXPECT_TRUE(Zaznam().texty.isEmpty());
    EXPECT_EQ(Stav(), "Data jsou uložena v souboru " + soubor);
    EXPECT_TRUE(okno->Ulozeno());
    const std::string bajty = Obsah(soubor);
    EXPECT_EQ(bajty.substr(0, 18), *Utf8DoCp1250("[DRUN]\r\nKancelář\r\n"));

    // Open it into a fresh calculation: the last element is current and selected.
    okno->NovyVypocet();
    Zaznam().Vymaz();
    VyberSoubor(soubor);
    okno->OpenItemClick();
    EXPECT_TRUE(Zaznam().texty.isEmpty());
    EXPECT_EQ(Stav(), "Data přečtena ze souboru " + soubor);
    EXPECT_EQ(var.cesta.Pocet(), 3);
    EXPECT_EQ(var.cesta.AktualniCislo(), 3);
    EXPECT_EQ(Seznam()->currentIndex().row(), 2);
    EXPECT_EQ(AkceEdit()->text(), "Kancelář");
    EXPECT_TRUE(Stitek(StitekPanelu::PopisElementu).text().endsWith("Druhá"));
    EXPECT_EQ(Seznam()->model()->rowCount(), 3);
    EXPECT_TRUE(okno->Ulozeno());
}

TEST_F(UiTest, UlozeniPresExistujiciSouborSePta) {
    const QString soubor = slozka.filePath("A.DRN");
    ASSERT_TRUE(ZapisAtomicky(soubor.toStdString(), "puvodni"));
    PridejObecny(var, "x", 1);
    okno->Historie().Nova(false);
    Zaznam().odpovedi = {false};
    VyberSoubor(soubor);
    okno->SaveItemClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Soubor " + soubor + " již existuje. Nahradit?"});
    EXPECT_EQ(Obsah(soubor), "puvodni");
    EXPECT_FALSE(okno->Ulozeno());

    Zaznam().Vymaz();
    Zaznam().odpovedi = {true};
    VyberSoubor(soubor);
    okno->SaveItemClick();
    EXPECT_EQ(Zaznam().texty.size(), 1);
    EXPECT_EQ(Obsah(soubor).substr(0, 6), "[DRUN]");
    EXPECT_TRUE(okno->Ulozeno());

    // A read-only file that cannot take the calculation stays as it was.
    QFile::setPermissions(soubor, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const std::string ulozeny = Obsah(soubor);
    Zaznam().Vymaz();
    okno->Historie().Nova(false);
    VyberSoubor(soubor);
    okno->SaveAsItemClick();
    EXPECT_EQ(Zaznam().texty, (QStringList{"Soubor " + soubor + " již existuje. Nahradit?",
                                           "Nepodařilo se zapsat data!"}));
    EXPECT_EQ(Obsah(soubor), ulozeny);
    EXPECT_FALSE(okno->Ulozeno());
}

TEST_F(UiTest, OtevreniNeulozenehoSePta) {
    const QString soubor = slozka.filePath("B.DRN");
    {
        DrunVar jiny;
        PridejObecny(jiny, "ze souboru", 2);
        ASSERT_TRUE(UlozData(jiny, soubor.toStdString()).Ok());
    }
    PridejObecny(var, "neuloženo", 1);
    okno->PrepocitejOd(2);
    okno->Historie().Nova(false);
    Zaznam().odpovedi = {false};
    okno->OpenItemClick(); // Storno: no file dialog follows
    EXPECT_EQ(Zaznam().texty, QStringList{"Výpočet není uložen. Pokračovat?"});
    EXPECT_EQ(var.cesta.Prvek(2).Popis, "neuloženo");

    // Cancelling the dialog changes nothing and asks nothing.
    Zaznam().Vymaz();
    Zaznam().odpovedi = {true};
    VyberSoubor(QString());
    okno->OpenItemClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Výpočet není uložen. Pokračovat?"});
    EXPECT_EQ(var.cesta.Prvek(2).Popis, "neuloženo");
}

// A file that cannot be read changes nothing: the calculation, its file, its
// history and its saved state stay; the message names the file and why.
TEST_F(UiTest, VadnySouborNicNemeni) {
    const QString soubor = slozka.filePath("Vadny.DRN");
    ASSERT_TRUE(
        ZapisAtomicky(soubor.toStdString(), "[DRUN]\r\nA\r\n[ZDROJ DRUNU]\r\n1\r\nZ\r\n1 2 3\r\n"));
    PridejObecny(var, "x", 1);
    okno->PrepocitejOd(2);
    AkceEdit()->setText("Sklad");
    okno->AkceEditExit();
    NaplnSpektrum(var.Pozadavek, 40);
    const QString titulek = Titulek(*okno);
    const std::array<double, 9> vysledek = var.Vysledek;
    VyberSoubor(soubor);
    Zaznam().volby = {Hlaseni::Volba::Neukladat};
    okno->OpenItemClick();
    EXPECT_EQ(Zaznam().texty, (QStringList{"Výpočet není uložen. Pokračovat?",
                                           "Chyba při čtení datového souboru " + soubor +
                                               ", řádek 6: element typu 1: soubor končí "
                                               "uvnitř záznamu (chybí Útlum 500Hz)."}));
    EXPECT_EQ(var.cesta.Pocet(), 2);
    EXPECT_EQ(var.cesta.Prvek(2).Popis, "x");
    EXPECT_EQ(var.Akce, "Sklad");
    EXPECT_EQ(var.Vysledek, vysledek);
    EXPECT_EQ(Seznam()->model()->rowCount(), 2);
    EXPECT_EQ(okno->Dokument().Soubor(), QString());
    EXPECT_EQ(Titulek(*okno), titulek);
    EXPECT_FALSE(okno->Ulozeno());
    EXPECT_TRUE(okno->Akce(Prikaz::Zpet)->isEnabled());
    EXPECT_EQ(var.Pozadavek[0], 40); // opening never touches the requirement

    Zaznam().Vymaz();
    okno->Historie().OznacUlozeno();
    const QString prazdny = slozka.filePath("Prazdny.DRN");
    ASSERT_TRUE(ZapisAtomicky(prazdny.toStdString(), ""));
    VyberSoubor(prazdny);
    okno->OpenItemClick();
    EXPECT_EQ(Zaznam().texty,
              QStringList{"Datový soubor " + prazdny + " nenalezen, nebo je prázdný."});
}

// A second window left empty does not replace the first one's saved work.
TEST_F(UiTest, PrazdneOknoNeprepiseAutomatickeUlozeni) {
    const QString autosave = QString::fromStdString(var.SouborDat);
    ASSERT_TRUE(ZapisAtomicky(var.SouborDat, "prace jineho okna"));
    var.parametry.AutoUlozeni = true;
    okno->show();
    EXPECT_TRUE(okno->close());
    EXPECT_EQ(Obsah(autosave), "prace jineho okna");
    EXPECT_EQ(Zaznam().texty, QStringList{});
}

TEST_F(UiTest, KonecUkladaPotichu) {
    PridejObecny(var, "x", 1);
    okno->PrepocitejOd(2);
    // Text still being typed into Akce is taken into the stored calculation.
    AkceEdit()->setText("konec");
    okno->Historie().OznacUlozeno();
    var.parametry.AutoUlozeni = true;
    okno->show();
    // The new Akce is a change of the calculation: asked about, then stored.
    EXPECT_TRUE(okno->close());
    EXPECT_EQ(Zaznam().texty, QStringList{"Výpočet není uložen. Skutečně skončit?"});
    EXPECT_TRUE(var.Hlasky);
    const std::string drn = Obsah(QString::fromStdString(var.SouborDat));
    EXPECT_EQ(drn.substr(0, 15), "[DRUN]\r\nkonec\r\n");
}

// Uložit writes to the file the calculation came from; the title names it, * while unsaved.
TEST_F(UiTest, UlozitBezDialoguATitulek) {
    const QString soubor = slozka.filePath("scenario1.DRN");
    {
        DrunVar jiny;
        PridejObecny(jiny, "ze souboru", 2);
        ASSERT_TRUE(UlozData(jiny, soubor.toStdString()).Ok());
    }
    okno->OtevriSoubor(soubor);
    EXPECT_EQ(Titulek(*okno), "scenario1.DRN – DRUN");
    AkceEdit()->setText("Změna");
    okno->AkceEditExit();
    EXPECT_EQ(Titulek(*okno), "scenario1.DRN* – DRUN");
    EXPECT_EQ(okno->Akce(Prikaz::Ulozit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(okno->Akce(Prikaz::UlozitJako)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    okno->Akce(Prikaz::Ulozit)->trigger(); // no dialog: one would fail the test
    std::string bajty;
    ASSERT_TRUE(TextDat(var, bajty));
    EXPECT_EQ(Obsah(soubor), bajty);
    EXPECT_EQ(Titulek(*okno), "scenario1.DRN – DRUN");
    EXPECT_TRUE(Zaznam().texty.isEmpty());

    // The question about unsaved work, each answer, before "Nový".
    const struct {
        Hlaseni::Volba volba;
        const char* akce;
        int pocet;    // elements after it
        bool zapsano; // the file holds the change
        const char* titulek;
    } odpovedi[] = {
        {Hlaseni::Volba::Ulozit, "A1", 1, true, "DRUN"},
        {Hlaseni::Volba::Neukladat, "A2", 1, false, "DRUN*"},
        {Hlaseni::Volba::Storno, "A3", 2, false, "scenario1.DRN* – DRUN"},
    };
    for (const auto& o : odpovedi) {
        SCOPED_TRACE(o.akce);
        okno->OtevriSoubor(soubor);
        AkceEdit()->setText(o.akce);
        okno->AkceEditExit();
        Zaznam().Vymaz();
        Zaznam().volby = {o.volba};
        okno->NovyVypocet();
        EXPECT_EQ(Zaznam().texty, QStringList{"Výpočet není uložen. Skutečně nový výpočet?"});
        EXPECT_EQ(var.cesta.Pocet(), o.pocet);
        EXPECT_EQ(Obsah(soubor).find(o.akce) != std::string::npos, o.zapsano);
        EXPECT_EQ(Titulek(*okno), o.titulek);
        okno->Historie().OznacUlozeno();
    }
}

TEST_F(UiTest, KonecBezUkladani) {
    var.parametry.AutoUlozeni = false;
    okno->Historie().Nova(false);
    okno->show();
    Zaznam().odpovedi = {false};
    EXPECT_FALSE(okno->close());
    EXPECT_EQ(Zaznam().texty, QStringList{"Výpočet není uložen. Skutečně skončit?"});
    Zaznam().odpovedi = {true};
    EXPECT_TRUE(okno->close());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(var.SouborDat)));
}

TEST_F(UiTest, KonecSNepovedenymUlozenimSeZepta) {
    PridejObecny(var, "x", 1); // real work: an empty calculation is not saved
    var.parametry.AutoUlozeni = true;
    var.SouborDat = slozka.filePath("neni/DRUN.DRN").toStdString();
    okno->show();
    Zaznam().odpovedi = {false};
    EXPECT_FALSE(okno->close());
    EXPECT_EQ(Zaznam().texty,
              (QStringList{"Automatické uložení do souboru " + slozka.filePath("neni/DRUN.DRN") +
                               " se nepodařilo: složka " + slozka.filePath("neni") + " neexistuje.",
                           "Výpočet není uložen. Skutečně skončit?"}));
    Zaznam().odpovedi = {true};
    EXPECT_TRUE(okno->close());
}

TEST_F(UiTest, KonecSNeulozenymANeOdpovediNicNezapise) {
    var.parametry.AutoUlozeni = true;
    okno->Historie().Nova(false);
    okno->show();
    Zaznam().odpovedi = {false};
    EXPECT_FALSE(okno->close());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(var.SouborDat)));
}

// ---- configuration at start-up and the parameters dialog ----

class KonfiguraceUi : public UiTest {
  protected:
    void Start(const std::string& cfg) {
        okno.reset();
        DrunVar cista;
        var.parametry = cista.parametry;
        ASSERT_TRUE(ZapisAtomicky(var.SouborCfg, cfg));
        Zaznam().Vymaz();
        okno = std::make_unique<THlavniForm>(var);
    }
};

TEST_F(KonfiguraceUi, StartCteKonfiguraciPotichu) {
    Start("[DRUN]\r\n45\r\nFALSE\r\n");
    EXPECT_EQ(var.parametry.DelkaStranky, 45);
    EXPECT_FALSE(var.parametry.AutoUlozeni);
    Start("[DRUN]\r\n24\r\nFALSE\r\n");
    EXPECT_EQ(var.parametry.DelkaStranky, 60);
    EXPECT_TRUE(var.parametry.AutoUlozeni);
    EXPECT_TRUE(Zaznam().texty.isEmpty());
    EXPECT_TRUE(var.Hlasky);
}

TEST_F(KonfiguraceUi, DialogParametru) {
    Start("[DRUN]\r\n50\r\nTRUE\r\n");
    TParametryForm* d = okno->Okno<TParametryForm>();
    d->FormShow();
    EXPECT_EQ(d->DelkaStranyEdit->text(), "50");
    EXPECT_TRUE(d->AutoSaveBox->isChecked());

    // "Ulož" then "Storno": the file keeps the new values, the working ones go back.
    Napis(d->DelkaStranyEdit, "80");
    d->AutoSaveBox->setChecked(false);
    d->SaveCfgButtonClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Parametry uloženy do konfiguračního souboru."});
    EXPECT_EQ(Obsah(QString::fromStdString(var.SouborCfg)), "[DRUN]\r\n80\r\nFALSE\r\n");
    d->StornoButonClick();
    EXPECT_EQ(var.parametry.DelkaStranky, 50);
    EXPECT_TRUE(var.parametry.AutoUlozeni);

    // "Reset" then "Storno".
    var.parametry = {33, false};
    d->FormShow();
    d->ResetButtonClick();
    EXPECT_EQ(var.parametry.DelkaStranky, 60);
    EXPECT_EQ(d->DelkaStranyEdit->text(), "60");
    EXPECT_TRUE(d->AutoSaveBox->isChecked());
    d->StornoButonClick();
    EXPECT_EQ(var.parametry.DelkaStranky, 33);
    EXPECT_FALSE(var.parametry.AutoUlozeni);

    // OK takes the fields; a length outside 25..100 is refused and nothing changes.
    Zaznam().Vymaz();
    d->FormShow();
    Napis(d->DelkaStranyEdit, "101");
    d->OKButtonClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Délka stránky: zadejte číslo od 25 do 100."});
    EXPECT_EQ(var.parametry.DelkaStranky, 33);
    Napis(d->DelkaStranyEdit, "25");
    d->AutoSaveBox->setChecked(true);
    d->OKButtonClick();
    EXPECT_EQ(var.parametry.DelkaStranky, 25);
    EXPECT_TRUE(var.parametry.AutoUlozeni);
    EXPECT_EQ(Obsah(QString::fromStdString(var.SouborCfg)), "[DRUN]\r\n80\r\nFALSE\r\n");
}

TEST_F(KonfiguraceUi, ParametryZMenuJsouModalni) {
    Start("");
    QString titulek;
    PriModalnim([&](QWidget* w) {
        titulek = w->windowTitle();
        auto* d = static_cast<TParametryForm*>(w);
        Napis(d->DelkaStranyEdit, "70");
        d->OKButtonClick();
    });
    okno->Akce(Prikaz::Parametry)->trigger();
    EXPECT_EQ(titulek, "Parametry výpočtu");
    EXPECT_EQ(var.parametry.DelkaStranky, 70);
}

TEST_F(KonfiguraceUi, ChybaZapisuKonfigurace) {
    Start("");
    var.SouborCfg = slozka.filePath("neni/DRUN.CFG").toStdString();
    TParametryForm* d = okno->Okno<TParametryForm>();
    d->FormShow();
    Napis(d->DelkaStranyEdit, "40");
    d->SaveCfgButtonClick();
    EXPECT_EQ(Zaznam().texty, QStringList{"Chyba při zápisu konfiguračního souboru!"});
    EXPECT_EQ(var.parametry.DelkaStranky, 40);
}

// ---- printing ----

TEST_F(UiTest, TiskDoPdf) {
    var.parametry.DelkaStranky = 25;
    for (int i = 0; i < 4; ++i)
        PridejObecny(var, "prvek", 2);
    okno->PrepocitejOd(3);
    okno->Historie().Nova(false);
    QPrinter tiskarna(QPrinter::HighResolution);
    tiskarna.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = slozka.filePath("protokol.pdf");
    tiskarna.setOutputFileName(pdf);
    EXPECT_TRUE(okno->TiskProtokolu(tiskarna));
    EXPECT_TRUE(Zaznam().texty.isEmpty());
    EXPECT_TRUE(okno->Ulozeno());
    EXPECT_EQ(var.cesta.AktualniCislo(), 3); // current element as before
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray obsah = f.readAll();
    EXPECT_TRUE(obsah.startsWith("%PDF"));
    EXPECT_EQ(obsah.count("/Type /Page\n") + obsah.count("/Type /Page\r") +
                  obsah.count("/Type /Page>") + obsah.count("/Type /Page "),
              3);
}

TEST_F(UiTest, ChybaTiskarny) {
    okno->Historie().Nova(false);
    QPrinter tiskarna;
    tiskarna.setOutputFormat(QPrinter::PdfFormat);
    tiskarna.setOutputFileName(slozka.filePath("neni/protokol.pdf"));
    EXPECT_FALSE(okno->TiskProtokolu(tiskarna));
    EXPECT_EQ(Zaznam().texty, QStringList{"Chyba při zápisu na tiskárnu!"});
    EXPECT_FALSE(okno->Ulozeno());
}

TEST_F(UiTest, TiskovyDialogStornoNetiskne) {
    // Without a printer the program says so and where the protocol can go instead.
    okno->JeTiskarna = [] { return false; };
    okno->Akce(Prikaz::Tisk)->trigger();
    EXPECT_EQ(Zaznam().texty,
              QStringList{"Není k dispozici žádná tiskárna. Protokol lze uložit "
                          "příkazem „Export protokolu do PDF...“ v nabídce Soubor."});
    Zaznam().Vymaz();
    okno->JeTiskarna = [] { return true; };
    okno->Historie().Nova(false);
    QString titulek;
    PriModalnim([&](QWidget* w) {
        titulek = w->metaObject()->className();
        static_cast<QDialog*>(w)->reject();
    });
    okno->Akce(Prikaz::Tisk)->trigger();
    EXPECT_EQ(titulek, "QPrintDialog");
    EXPECT_TRUE(Zaznam().texty.isEmpty());
    EXPECT_FALSE(okno->Ulozeno());
}

namespace {

// First and last inked pixel column of a row band of the image.
std::pair<int, int> Inkoust(const QImage& img, int y0, int y1) {
    int od = img.width(), po = -1;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128) {
                od = std::min(od, x);
                po = std::max(po, x);
            }
    return {od, po};
}

} // namespace

TEST(Tisk, TabulatoryKazdychOsmZnaku) {
    // The same glyph behind "\t\t", behind a label of 11 characters and its tab,
    // and after 16 blanks lands in the same column (17).
    auto vykresli = [](const std::string& radek) {
        QImage img(900, 60, QImage::Format_RGB32);
        img.fill(Qt::white);
        EXPECT_TRUE(VykresliProtokol(img, {radek}).Ok);
        return img;
    };
    const auto a = Inkoust(vykresli("\t\tW"), 0, 60);
    const auto b = Inkoust(vykresli("     OKTÁVY\tW"), 0, 60);
    const auto c = Inkoust(vykresli(std::string(16, ' ') + "W"), 0, 60);
    EXPECT_GT(a.first, 0);
    EXPECT_EQ(a, c);
    EXPECT_EQ(b.second, a.second); // the W is the rightmost ink of the heading row
    EXPECT_LT(b.first, a.first);

    QImage img(900, 200, QImage::Format_RGB32);
    const VysledekTisku v = VykresliProtokol(img, {"a", "\fdruhá stránka", "b", "\f"});
    EXPECT_TRUE(v.Ok);
    EXPECT_EQ(v.Stranek, 3);
}

// The protocol's pages are the paper's pages at every page length, also
// where that many lines need a smaller font than 10 points.
TEST(Tisk, PdfMaTolikStranKolikProtokol) {
    DrunVar var;
    for (int i = 0; i < 40; ++i)
        PridejObecny(var, "prvek", 1);
    PrepocitejOd(var, 1);
    QTemporaryDir d;
    for (int delka : {25, 30, 60, 70, 85, 100}) {
        SCOPED_TRACE(delka);
        var.parametry.DelkaStranky = delka;
        const auto radky = TextProtokolu(var, "1.1.2026");
        int predelu = 0;
        for (const auto& r : radky)
            predelu += !r.empty() && r[0] == '\f';
        QPdfWriter pdf(d.filePath("p.pdf"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        const VysledekTisku v = VykresliProtokol(pdf, radky, delka);
        EXPECT_TRUE(v.Ok);
        EXPECT_EQ(v.Stranek, predelu + 1);
    }
}

// Lines that exactly fill a page stay on it; the next one opens a page.
TEST(Tisk, ZlomNaSpoduStranky) {
    QTemporaryDir d;
    QPdfWriter pdf(d.filePath("p.pdf"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    QImage img(900, 300, QImage::Format_RGB32);
    for (QPaintDevice* z : std::initializer_list<QPaintDevice*>{&img, &pdf}) {
        const int n = RadkuNaStranku(*z);
        ASSERT_GT(n, 3);
        for (auto [radku, stranek] :
             {std::pair{n - 1, 1}, {n, 1}, {n + 1, 2}, {2 * n, 2}, {2 * n + 1, 3}}) {
            SCOPED_TRACE(std::to_string(radku) + " lines of " + std::to_string(n));
            img.fill(Qt::white);
            const VysledekTisku v =
                VykresliProtokol(*z, std::vector<std::string>(static_cast<size_t>(radku), "W"));
            EXPECT_TRUE(v.Ok);
            EXPECT_EQ(v.Stranek, stranek);
        }
    }
    // The page's last line is drawn on it, in its lowest tenth.
    img.fill(Qt::white);
    VykresliProtokol(img, std::vector<std::string>(static_cast<size_t>(RadkuNaStranku(img)), "W"));
    EXPECT_GE(Inkoust(img, img.height() * 9 / 10, img.height()).second, 0);
}

// A line wider than the page ends inside it with an ellipsis; short lines
// are drawn whole.
TEST(Tisk, DlouhyRadekSeZkrati) {
    QImage img(400, 60, QImage::Format_RGB32);
    auto sirka = [&](const std::string& radek) {
        img.fill(Qt::white);
        EXPECT_TRUE(VykresliProtokol(img, {radek}).Ok);
        return Inkoust(img, 0, img.height()).second;
    };
    const int plny = sirka(std::string(300, 'W'));
    EXPECT_LT(plny, img.width() - 1);
    EXPECT_GT(plny, img.width() * 8 / 10);
    EXPECT_EQ(sirka(std::string(299, 'W') + "\tW"), plny);
    EXPECT_EQ(sirka("\t\t\t\t\t\t\t\t\t\t\t\t\t\t\tW"), plny);
    EXPECT_LT(sirka("HHH"), img.width() / 10);
}

// Every free-text field of the program ends up in the data file or the
// protocol: each must refuse what Windows-1250 cannot hold and line breaks.
TEST_F(UiTest, TextovaPoleJenWindows1250) {
    int poli = 0;
    for (QLineEdit* e : okno->findChildren<QLineEdit*>()) {
        if (qobject_cast<TMEdit*>(e) || e->isReadOnly()) continue;
        if (qobject_cast<QComboBox*>(e->parentWidget())) continue;
        SCOPED_TRACE(e->objectName().toStdString() + " in " +
                     e->window()->windowTitle().toStdString());
        ASSERT_NE(e->validator(), nullptr);
        QString t = QStringLiteral("30 m²");
        int pos = 0;
        EXPECT_EQ(e->validator()->validate(t, pos), QValidator::Invalid);
        t = QStringLiteral("řádek\nřádek");
        EXPECT_EQ(e->validator()->validate(t, pos), QValidator::Invalid);
        t = QStringLiteral("Kancelář č. 5 – 30 m2");
        EXPECT_EQ(e->validator()->validate(t, pos), QValidator::Acceptable);
        ++poli;
    }
    EXPECT_GE(poli, 4); // Akce, the source, the general element, the room
}
