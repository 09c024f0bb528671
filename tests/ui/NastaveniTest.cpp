// What DRUN remembers for the user (dialog folder, recent files, window
// places), its Czech standard dialogs and its command line.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QWindow>

#include "Pomocnik.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "ui/hlavni/About.h"
#include "ui/hlavni/Napoveda.h"
#include "ui/hlavni/Spusteni.h"
#include "ui/nastroje/AkTlakFrm.h"
#include "ui/nastroje/Graf.h"
#include "ui/nastroje/KatalogFrm.h"
#include "ui/nastroje/NavrhFrm.h"
#include "ui/nastroje/PrevFrm.h"
#include "ui/nastroje/ProjektFrm.h"
#include "ui/nastroje/RozvodFrm.h"
#include "ui/nastroje/SoucetFrm.h"
#include "ui/spolecne/Nastaveni.h"

namespace {

class NastaveniTest : public ::testing::Test {
  protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }
    QTemporaryDir slozka;
};

} // namespace

TEST_F(NastaveniTest, SlozkaDialoguDokumentyPakPosledniSoubor) {
    // The tests' settings never live in the user's own configuration folder.
    EXPECT_TRUE(QSettings().fileName().startsWith(QDir::tempPath()))
        << QSettings().fileName().toStdString();
    const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString prvni = SlozkaDialogu();
    EXPECT_TRUE(prvni == dokumenty || (!QDir(dokumenty).exists() && prvni == QDir::homePath()))
        << prvni.toStdString();
    EXPECT_NE(prvni, QCoreApplication::applicationDirPath());

    ZapamatujSlozku(slozka.filePath(QStringLiteral("a/../VZT.DRN")));
    EXPECT_EQ(SlozkaDialogu(), slozka.path());
    // A remembered folder that is gone: back to the first choice.
    QTemporaryDir zmizela;
    ZapamatujSlozku(zmizela.filePath(QStringLiteral("VZT.DRN")));
    zmizela.remove();
    EXPECT_EQ(SlozkaDialogu(), prvni);
}

// Qt's own dialogs speak Czech whatever the system's language.
TEST(CeskeDialogy, SouborovyDialogATlacitka) {
    QFileDialog d(nullptr, QStringLiteral("Otevřít"), QDir::tempPath());
    QStringList texty;
    for (QLabel* l : d.findChildren<QLabel*>())
        texty << l->text().remove(QLatin1Char('&'));
    for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
        texty << b->text().remove(QLatin1Char('&'));
    for (const char* t : {"Hledat v:", "Název souboru:", "Zrušit"})
        EXPECT_TRUE(texty.contains(QString::fromUtf8(t)))
            << t << ": " << texty.join('|').toStdString();
    QMessageBox m(QMessageBox::Question, QString(), QString(),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(m.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Ne"));
    EXPECT_EQ(m.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("Zrušit"));
}

namespace {

// A main window with fresh user settings.
class NaposledyTest : public UiTest {
  protected:
    void SetUp() override {
        QSettings().clear();
        UiTest::SetUp();
    }
    QString Soubor(int i) {
        const QString f = slozka.filePath(QStringLiteral("V%1.DRN").arg(i));
        drun::DrunVar jiny;
        jiny.Akce = "akce " + std::to_string(i);
        EXPECT_TRUE(drun::UlozData(jiny, f.toStdString()).Ok());
        return f;
    }
    QStringList Polozky() {
        okno->ObnovNaposledy();
        QStringList s;
        for (QAction* a : okno->findChild<QMenu*>("Naposledy")->actions())
            if (!a->isSeparator()) s << a->text() + (a->isEnabled() ? "" : " (-)");
        return s;
    }
};

} // namespace

TEST_F(NaposledyTest, PoradiLimitChybejiciAVymazani) {
    for (int i = 1; i <= 10; ++i)
        okno->OtevriSoubor(Soubor(i));
    QStringList cekane;
    for (int i = 10; i >= 3; --i)
        cekane << QStringLiteral("&%1 %2").arg(11 - i).arg(
            slozka.filePath(QStringLiteral("V%1.DRN").arg(i)));
    EXPECT_EQ(Polozky(), cekane + QStringList{"Vymazat seznam"});

    // Opened again under another spelling: it comes first, once.
    ASSERT_TRUE(QFile::link(slozka.filePath("V10.DRN"), slozka.filePath("odkaz.DRN")));
    for (const char* jinak : {"/odkaz.DRN", "/./V5.DRN"}) {
        const QString cil = slozka.filePath(jinak[1] == 'o' ? "V10.DRN" : "V5.DRN");
        okno->OtevriSoubor(slozka.path() + jinak);
        EXPECT_EQ(NaposledyOtevrene().first(), cil) << jinak;
        EXPECT_EQ(NaposledyOtevrene().size(), MaxNaposledy);
        ASSERT_EQ(NaposledyOtevrene().count(cil), 1);
    }

    // A file gone from the disk: the reader's message, dropped from the list,
    // and the calculation on screen stays.
    var.Akce = "rozpracováno";
    QFile::remove(slozka.filePath("V9.DRN"));
    Zaznam().Vymaz();
    okno->OtevriNaposledy(slozka.filePath("V9.DRN"));
    EXPECT_EQ(Zaznam().texty, QStringList{"Datový soubor " + slozka.filePath("V9.DRN") +
                                          " nenalezen, nebo je prázdný."});
    EXPECT_FALSE(NaposledyOtevrene().contains(slozka.filePath("V9.DRN")));
    EXPECT_EQ(var.Akce, "rozpracováno");

    // A menu item opens its file.
    Zaznam().Vymaz();
    okno->ObnovNaposledy();
    okno->findChild<QMenu*>("Naposledy")->actions().at(1)->trigger();
    EXPECT_EQ(Stav(), "Data přečtena ze souboru " + slozka.filePath("V10.DRN"));
    EXPECT_EQ(var.Akce, "akce 10");

    okno->ObnovNaposledy();
    okno->findChild<QMenu*>("Naposledy")->actions().last()->trigger();
    EXPECT_TRUE(NaposledyOtevrene().isEmpty());
    EXPECT_EQ(Polozky(), QStringList{"Vymazat seznam (-)"});

    // A damaged file is not remembered.
    ASSERT_TRUE(drun::ZapisAtomicky(slozka.filePath("Vadny.DRN").toStdString(), "[DRUN]\r\n"));
    okno->OtevriSoubor(slozka.filePath("Vadny.DRN"));
    EXPECT_TRUE(NaposledyOtevrene().isEmpty());
}

// The open dialog starts where the last file was opened or saved, however it was opened.
TEST_F(NaposledyTest, DialogZacinaVeSlozcePoslednihoSouboru) {
    QString videno;
    const auto Otevri = [&] {
        PriModalnim([&videno](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(d, nullptr);
            videno = d->directory().absolutePath();
            d->reject();
        });
        okno->OpenItemClick();
    };
    Otevri();
    EXPECT_EQ(videno, SlozkaDialogu());
    EXPECT_NE(videno, QCoreApplication::applicationDirPath());
    ASSERT_TRUE(QDir(slozka.path()).mkdir("pod"));
    const QString f = slozka.filePath("pod/P.DRN");
    ASSERT_TRUE(QFile::rename(Soubor(1), f));
    okno->OtevriNaposledy(f);
    Otevri();
    EXPECT_EQ(videno, slozka.filePath("pod"));
    // Another window's file dialog went elsewhere: opening and exporting still
    // start beside the open calculation.
    ZapamatujSlozku(slozka.filePath("jinde.DRS"));
    Otevri();
    EXPECT_EQ(videno, slozka.filePath("pod"));
    QString jmeno;
    PriModalnim([&videno, &jmeno](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        videno = d->directory().absolutePath();
        jmeno = d->findChild<QLineEdit*>("fileNameEdit")->text();
        d->reject();
    });
    okno->ExportPdfItemClick();
    EXPECT_EQ(videno, slozka.filePath("pod"));
    EXPECT_EQ(jmeno, "P.pdf");
}

// A file named on the command line goes through the same reading and messages.
TEST_F(NaposledyTest, SouborZPrikazoveRadky) {
    const QString chybi = slozka.filePath("Chybi.DRN");
    okno->OtevriSoubor(chybi);
    EXPECT_EQ(Zaznam().texty,
              QStringList{"Datový soubor " + chybi + " nenalezen, nebo je prázdný."});
    EXPECT_EQ(var.cesta.Pocet(), 1);
    EXPECT_TRUE(okno->Ulozeno());
}

TEST(Argumenty, Tabulka) {
    using A = Argumenty::Akce;
    struct Pripad {
        QStringList arg;
        A akce;
        QString soubor, chyba;
    };
    const Pripad pripady[] = {
        {{}, A::Spustit, {}, {}},
        {{"VZT.DRN"}, A::Spustit, "VZT.DRN", {}},
        {{"--", "-divny.DRN"}, A::Spustit, "-divny.DRN", {}},
        {{"--help"}, A::Napoveda, {}, {}},
        {{"VZT.DRN", "-h"}, A::Napoveda, {}, {}},
        {{"--version"}, A::Verze, {}, {}},
        {{"--verze"}, A::Chyba, {}, "neznámá volba: --verze"},
        {{"a.DRN", "b.DRN"}, A::Chyba, {}, "jen jeden soubor"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.arg.join(' ').toStdString());
        const Argumenty a = CtiArgumenty(p.arg);
        EXPECT_EQ(a.akce, p.akce);
        if (p.akce == A::Spustit) {
            EXPECT_EQ(a.soubor, p.soubor);
        }
        EXPECT_EQ(a.chyba, p.chyba);
    }
}

// The program itself: help and version without a window, a wrong option
// refused on standard error with status 2.
TEST(Argumenty, Program) {
    struct Pripad {
        QString arg;
        int status;
        QString vystup, chyby;
    };
    const Pripad pripady[] = {
        {"--help", 0, PouzitiDrun(), ""},
        {"--version", 0, VerzeDrun(), ""},
        {"--bla", 2, "", "drun: neznámá volba: --bla\n" + PouzitiDrun()},
        // The PDF without a window: its own refusals.
        {"--pdf", 2, "",
         "drun: --pdf bez hodnoty\nPoužití: drun --pdf VÝSTUP.pdf [--pozadavek N10…N75 | "
         "--pozadavek \"v63 v125 v250 v500 v1000 v2000 v4000 v8000\"] [--stranka 25…100] "
         "[--datum TEXT] SOUBOR.DRN\n"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.arg.toStdString());
        QProcess drun;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY")); // no window may be needed
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        drun.setProcessEnvironment(env);
        drun.start(QStringLiteral(DRUN_PROGRAM), {p.arg});
        ASSERT_TRUE(drun.waitForFinished(60000));
        EXPECT_EQ(drun.exitCode(), p.status);
        EXPECT_EQ(QString::fromUtf8(drun.readAllStandardOutput()), p.vystup);
        EXPECT_EQ(QString::fromUtf8(drun.readAllStandardError()), p.chyby);
    }
    EXPECT_EQ(VerzeDrun(), "DRUN 3.010\n");
}

TEST(Okna, PolohaSeObnovi) {
    QSettings().clear();
    const QRect kde(140, 90, 320, 200);
    {
        QWidget w;
        PamatujPolohu(&w, QStringLiteral("Zkouska"));
        w.setGeometry(kde);
        w.show();
        w.hide();
    }
    QWidget w;
    PamatujPolohu(&w, QStringLiteral("Zkouska"));
    EXPECT_EQ(w.geometry(), kde);
    // Larger than the screen: shrunk while shown there, and closed so; it
    // comes back at its own size for a screen that has room for it.
    const QSize velka = w.screen()->availableGeometry().size() + QSize(200, 150);
    w.resize(velka);
    w.show();
    EXPECT_LT(w.height(), velka.height());
    w.hide();
    w.show();
    w.hide();
    QWidget znovu;
    PamatujPolohu(&znovu, QStringLiteral("Zkouska"));
    EXPECT_EQ(znovu.size(), velka);
}

TEST_F(UiTest, OProgramuUkazujeOdkudCteSoubory) {
    okno->Okno<TAboutBox>()->show();
    const QString text = okno->Okno<TAboutBox>()->SouboryLbl->text();
    okno->Okno<TAboutBox>()->hide();
    EXPECT_EQ(text, "Konfigurační soubor: " + slozka.filePath("DRUN.CFG") +
                        "\nData kulisových tlumičů: " + slozka.filePath("KL385216.CAD") +
                        "\nKatalog: " + slozka.filePath("katalog.json") +
                        "\nAutomatické uložení: " + slozka.filePath("DRUN.DRN"));
}

TEST(Okna, NaObrazovce) {
    const QRect maly(0, 0, 1024, 700);
    const struct {
        QRect okno, cekane;
    } tabulka[] = {
        {{0, 0, 860, 760}, {0, 0, 860, 700}},         // Graf
        {{50, 40, 1040, 820}, {0, 0, 1024, 700}},     // Součet cest
        {{-30, -20, 680, 600}, {0, 0, 680, 600}},     // title bar above the screen
        {{900, 600, 300, 200}, {724, 500, 300, 200}}, // beyond the right and bottom edge
        {{10, 10, 300, 200}, {10, 10, 300, 200}},
    };
    for (const auto& r : tabulka)
        EXPECT_EQ(NaObrazovce(r.okno, maly), r.cekane) << r.okno.x() << "," << r.okno.y();
}

// Every window and dialog lies within its screen when shown, wide enough for
// its title, and each fits a 1024x700 screen with its title bar without being
// squeezed below its layout.
TEST_F(UiTest, KazdeOknoSeVejdeNaObrazovku) {
    okno->PamatujPolohyOken(); // as the program starts
    okno->show();
    const QSize maly(1024 - 8, 700 - 32);
    QList<QWidget*> okna{okno.get()};
    for (QWidget* w : okno->findChildren<QWidget*>())
        if (w->isWindow() && !qobject_cast<QMenu*>(w)) okna << w;
    EXPECT_GE(okna.size(), 20);
    for (QWidget* w : okna) {
        const std::string nazev = w->metaObject()->className();
        w->show();
        QApplication::processEvents();
        const QRect obrazovka = w->screen()->availableGeometry();
        EXPECT_TRUE(obrazovka.contains(w->frameGeometry()))
            << nazev << " " << w->frameGeometry().x() << "," << w->frameGeometry().y() << " "
            << w->frameGeometry().width() << "x" << w->frameGeometry().height() << " on "
            << obrazovka.width() << "x" << obrazovka.height();
        EXPECT_LE(w->minimumSizeHint().width(), maly.width()) << nazev;
        // Its whole title fits beside the title bar's icon and buttons.
        EXPECT_GE(w->width(),
                  QFontMetrics(QApplication::font()).horizontalAdvance(w->windowTitle()) + 100)
            << nazev;
        EXPECT_LE(w->minimumSizeHint().height(), maly.height()) << nazev;
        if (w != okno.get()) w->hide();
    }
}

// A dialog opens first over the main window's centre, and again where it was
// closed: not centred anew nor lower.
TEST_F(UiTest, DialogSeOteviraNaStejnemMiste) {
    okno->move(0, 0);
    okno->show();
    QList<QRect> ramy;
    for (int i = 0; i < 3; ++i) {
        PriModalnim([&ramy, i](QWidget* w) {
            ramy << w->frameGeometry();
            // The first time the user drags it aside, as the window system would.
            if (i == 0) w->windowHandle()->setFramePosition(w->pos() + QPoint(40, 30));
            QApplication::processEvents();
            ramy << w->frameGeometry();
            static_cast<QDialog*>(w)->reject();
        });
        okno->AboutClick();
    }
    ASSERT_EQ(ramy.size(), 6);
    EXPECT_LE((ramy[0].center() - okno->frameGeometry().center()).manhattanLength(), 4);
    EXPECT_EQ(ramy[1].topLeft(), ramy[0].topLeft() + QPoint(40, 30));
    for (int i = 2; i < 6; ++i)
        EXPECT_EQ(ramy[i], ramy[1]) << i;
}

TEST_F(UiTest, F1VNastrojiOtevreJehoNapovedu) {
    const std::pair<QWidget*, QString> okna[] = {
        {okno->Okno<TPrevodForm>(), "pomucky.html#lx"},
        {okno->Okno<TAkTlakForm>(), "pomucky.html#tlak"},
        {okno->Okno<TGrafForm>(), "pomucky.html#graf"},
        {okno->Okno<TSoucetForm>(), "soucet.html"},
        {okno->Okno<TKatalogForm>(), "katalog.html"},
        {okno->Okno<TNavrhForm>(), "navrh.html"},
        {okno->Okno<TProjektForm>(), "projekt.html"},
        {okno->Okno<TRozvodForm>(), "rozvod.html#rozvod"},
    };
    for (const auto& [w, stranka] : okna) {
        QShortcut* f1 = nullptr;
        for (QShortcut* s : w->findChildren<QShortcut*>())
            if (s->key() == QKeySequence(Qt::Key_F1)) f1 = s;
        ASSERT_NE(f1, nullptr) << stranka.toStdString();
        emit f1->activated();
        EXPECT_EQ(okno->Okno<TNapovedaForm>()->Stranka->source().toString(), stranka);
        EXPECT_TRUE(okno->Okno<TNapovedaForm>()->isVisible());
        // A section's page opens at the section's top.
        if (stranka.contains('#')) {
            QTextBrowser* t = okno->Okno<TNapovedaForm>()->Stranka;
            QApplication::processEvents();
            const int poloha = t->verticalScrollBar()->value();
            t->scrollToAnchor(stranka.section('#', 1));
            EXPECT_EQ(t->verticalScrollBar()->value(), poloha) << stranka.toStdString();
        }
    }
    okno->Okno<TNapovedaForm>()->close();
}
