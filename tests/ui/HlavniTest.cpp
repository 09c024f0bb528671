#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QToolButton>

#include <QTreeWidget>

#include "Pomocnik.h"
#include "core/DrunVyp.h"
#include "core/Soubory.h"
#include "io/DataSoubor.h"
#include "io/Pomocnik.h"
#include "io/RozvodSoubor.h"
#include "tools/Pozadavek.h"
#include "ui/dialogy/MistnFrm.h"
#include "ui/dialogy/ObElFrm.h"
#include "ui/dialogy/PozadFrm.h"
#include "ui/dialogy/VybElFrm.h"
#include "ui/hlavni/Dokument.h"
#include "ui/hlavni/Strom.h"

using namespace drun;

TEST_F(UiTest, PoStartuNuloveRadkyANicCerveneho) {
    const QStringList nuly{"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "7.0"};
    EXPECT_EQ(Texty(RadekPanelu::Zdroj), nuly);
    EXPECT_EQ(Texty(RadekPanelu::Vysledek), nuly);
    EXPECT_EQ(Texty(RadekPanelu::Pozadavek), nuly);
    // No requirement: no difference.
    EXPECT_EQ(Texty(RadekPanelu::Rozdil), QStringList(9, "-"));
    for (int i = 0; i < 9; ++i)
        EXPECT_NE(Barva(RadekPanelu::Rozdil, i), QColor(255, 0, 0));
    EXPECT_EQ(Texty(RadekPanelu::PredEl), QStringList(9, "---"));
    EXPECT_EQ(Seznam()->model()->rowCount(), 1);
    EXPECT_EQ(RadekSeznamu(0), "1     Zdroj drunu");
    EXPECT_EQ(Stitek(StitekPanelu::PopisZdroje).text(), "Zdroj drunu");
    EXPECT_EQ(Titulek(*okno), "DRUN");
    EXPECT_TRUE(okno->Ulozeno());
    EXPECT_TRUE(Zaznam().texty.isEmpty());
    // A source above a requirement of zeros is still not red.
    Zdroj(*okno, 40);
    EXPECT_EQ(Texty(RadekPanelu::Rozdil), QStringList(9, "-"));
    for (int i = 0; i < 9; ++i)
        EXPECT_NE(Barva(RadekPanelu::Rozdil, i), QColor(255, 0, 0));
}

// The window grows: the element list takes the added height, the panels most
// of the added width (as when maximised); the smallest size is about the one it
// opens at.
TEST_F(UiTest, OknoRosteSeSeznamem) {
    okno->show();
    QApplication::processEvents();
    const QSize puvodni = okno->size();
    const int seznam = Seznam()->height(), seznamSirka = Seznam()->width();
    const QLabel& nr = Stitek(StitekPanelu::NR);
    const QPoint panel = nr.mapTo(okno.get(), QPoint());
    okno->resize(puvodni + QSize(600, 300));
    QApplication::processEvents();
    EXPECT_GE(Seznam()->height(), seznam + 250);
    EXPECT_EQ(nr.mapTo(okno.get(), QPoint()).y(), panel.y()); // the panels keep their height
    // However much wider the screen let it get, the panels took most of it.
    const int sirsi = okno->width() - puvodni.width();
    ASSERT_GE(sirsi, 40);
    EXPECT_GE(nr.mapTo(okno.get(), QPoint()).x(), panel.x() + sirsi / 2);
    EXPECT_GT(Seznam()->width(), seznamSirka);
    okno->resize(100, 100);
    QApplication::processEvents();
    EXPECT_EQ(okno->width(), puvodni.width());
    EXPECT_NEAR(okno->height(), puvodni.height(), 20);
}

// The dialog opens on the requirement it edits; OK without a change changes nothing.
TEST_F(UiTest, PozadavekOteviraToCoUpravuje) {
    TPozadavekForm* p = okno->Okno<TPozadavekForm>();
    const struct {
        std::array<double, 8> pasma;
        int volba;
        const char* krivka;
    } radky[] = {
        {NKrivky[4], 1, "N30"},
        {*CtiPozadavek("NC35"), 1, "NC35"},
        {{50, 45, 40, 35, 30, 25, 20, 15}, 0, "---"},
        {{}, 0, "---"},
    };
    // A curve chosen before does not stay.
    p->PozadRadioGroupClick(1);
    p->NkrivkyComboBoxChange(p->NkrivkyComboBox->findText("N70"));
    for (const auto& r : radky) {
        SCOPED_TRACE(r.krivka);
        NastavPozadavek(var, r.pasma);
        p->FormShow();
        EXPECT_EQ(p->PozadRadioGroup->checkedId(), r.volba);
        EXPECT_EQ(p->NkrivkyComboBox->currentText(), r.krivka);
        QSignalSpy zmeny(p, &TPozadavekForm::PozadavekZmenen);
        p->OKBtnClick();
        EXPECT_EQ(zmeny.count(), 0);
        EXPECT_EQ(Zaznam().texty, QStringList{});
    }
}

// In the element list Enter edits, Delete removes (asked first), Insert adds;
// the Element menu shows the keys.
TEST_F(UiTest, KlavesyVSeznamu) {
    PridejObecny(var, "x", 1);
    okno->PrepocitejOd(2);
    okno->show();
    okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno.get()));
    Seznam()->setFocus();
    Vyber(2);
    Zaznam().odpovedi = {false};
    QTest::keyClick(Seznam(), Qt::Key_Delete);
    EXPECT_EQ(Zaznam().texty, QStringList{"Skutečně vypustit element č. 2?"});
    EXPECT_EQ(var.cesta.Pocet(), 2);
    QTest::keyClick(Seznam(), Qt::Key_Insert);
    EXPECT_TRUE(okno->Okno<TVyberTypForm>()->isVisible());
    // Modal: the list cannot change under it.
    EXPECT_EQ(QApplication::activeModalWidget(), okno->Okno<TVyberTypForm>());
    // The picker is wide enough for its whole title beside the title bar's buttons.
    const TVyberTypForm* vyber = okno->Okno<TVyberTypForm>();
    EXPECT_GE(vyber->width(),
              QFontMetrics(QApplication::font()).horizontalAdvance(vyber->windowTitle()) + 100);
    okno->Okno<TVyberTypForm>()->close();
    okno->activateWindow();
    Seznam()->setFocus();
    QString otevreno;
    PriModalnim([&otevreno](QWidget* w) {
        otevreno = w->metaObject()->className();
        static_cast<QDialog*>(w)->reject();
    });
    QTest::keyClick(Seznam(), Qt::Key_Return);
    EXPECT_EQ(otevreno, "TObecElemForm");
    EXPECT_EQ(okno->Akce(Prikaz::Zmenit)->shortcut(), QKeySequence(Qt::Key_Return));
    EXPECT_EQ(okno->Akce(Prikaz::Vypustit)->shortcut(), QKeySequence(Qt::Key_Delete));
    // Akce keeps its own keys.
    AkceEdit()->setFocus();
    Zaznam().Vymaz();
    QTest::keyClick(AkceEdit(), Qt::Key_Delete);
    EXPECT_EQ(Zaznam().texty, QStringList{});
}

// The requirement last chosen comes back at the next start, its name beside its row.
TEST_F(UiTest, PozadavekPrezijeRestart) {
    EXPECT_EQ(Stitek(StitekPanelu::NazevPozadavku).text(), "");
    const struct {
        std::array<double, 8> pasma;
        const char* nazev;
    } pozadavky[] = {
        {NKrivky[4], "N30"},
        {{50, 45, 40, 35, 30, 25, 20, 15}, "vlastní"},
    };
    for (const auto& p : pozadavky) {
        NastavPozadavek(var, p.pasma);
        emit okno->Okno<TPozadavekForm>()->PozadavekZmenen();
        EXPECT_EQ(Stitek(StitekPanelu::NazevPozadavku).text(), p.nazev);
        okno->Historie().OznacUlozeno();
        okno.reset();
        DrunVar nova;
        nova.NastavSlozku(slozka.path().toStdString() + "/");
        THlavniForm dalsi(nova);
        EXPECT_EQ(nova.Pozadavek, var.Pozadavek) << p.nazev;
        EXPECT_EQ(dalsi.Panely().Stitek(StitekPanelu::NazevPozadavku).text(), p.nazev);
        okno = std::make_unique<THlavniForm>(var);
    }
}

// Every value and rating is shown whole, from quiet to thousands of dB, and
// the three panels keep one column grid; normal values keep the first size.
TEST_F(UiTest, HodnotyCeleAMrizkaPanelu) {
    okno->show();
    QApplication::processEvents();
    const int sirka = okno->width();
    NastavPozadavek(var, NKrivky[4]);
    emit okno->Okno<TPozadavekForm>()->PozadavekZmenen();
    for (double uroven : {80.0, 0.0, 5000.0, 123456.0}) {
        SCOPED_TRACE(uroven);
        Zdroj(*okno, uroven);
        // Each layout tells its parent by an event of its own.
        for (int i = 0; i < 8; ++i)
            QApplication::processEvents();
        const TPanelyHodnot& p = okno->Panely();
        std::vector<const QLabel*> stitky;
        for (auto s :
             {StitekPanelu::NR, StitekPanelu::NC, StitekPanelu::RC, StitekPanelu::NazevPozadavku})
            stitky.push_back(&p.Stitek(s));
        for (int i = 0; i < 9; ++i) {
            const int x = p.Hodnota(RadekPanelu::Zdroj, i).mapTo(&p, QPoint()).x();
            for (int r = 0; r < static_cast<int>(RadekPanelu::Pocet); ++r) {
                const QLabel& l = p.Hodnota(static_cast<RadekPanelu>(r), i);
                stitky.push_back(&l);
                EXPECT_EQ(l.mapTo(&p, QPoint()).x(), x) << r << " " << i;
            }
        }
        // The row captions too, in the smallest window.
        for (const QLabel* l : p.findChildren<QLabel*>())
            if (l->text().size() < 30 && !l->text().startsWith('<')) stitky.push_back(l);
        for (const QLabel* l : stitky)
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
                << l->text().toStdString();
        if (uroven < 100) {
            EXPECT_EQ(okno->width(), sirka);
            // Whole within the smallest window (a 1024 pixels wide screen).
            EXPECT_LE(okno->minimumSizeHint().width(), 1014);
        }
    }
    EXPECT_EQ(Stitek(StitekPanelu::NR).text(), "NR 1.5623E+05"); // the widest form
}

// An element goes where the user adds it, also when it equals its neighbour: behind a trunk
// element into the trunk for every branch, behind the path's end into the section shown (an
// empty branch too); each one step undone.
TEST_F(UiTest, PrvekTamKamHoUzivatelPridal) {
    TDokument& d = okno->Dokument();
    const Rozvod& r = d.Rozvod();
    PridejObecny(*okno, 1, 0, "A");
    PridejObecny(*okno, 2, 0, "B");
    ASSERT_EQ(d.NovaVetev(3), QString());
    PridejObecny(*okno, 3, 0, "C");
    d.VyberUsek(0);
    ASSERT_EQ(d.NovaVetev(3), QString());
    // The sections' own elements after the source, each branch after its branch point.
    const auto obsah = [&r] {
        std::string t;
        for (const Usek& u : r.Useky()) {
            if (!t.empty()) t += '|' + std::to_string(u.ZaElementem) + ':';
            for (const TElementSite& e : u.Prvky)
                if (e.Typ() != TypZdroj) t += e.Popis;
        }
        return t;
    };
    const std::string puvodni = "AB|3:C|3:";
    ASSERT_EQ(obsah(), puvodni);
    const struct {
        size_t usek;
        int za; // path element selected, 0 the path's last
        const char* popis;
        double utlum;
        int odpoved; // to the question at a branch point; -1 none asked
        const char* po;
    } pripady[] = {
        {1, 2, "B", 2, -1, "ABB|4:C|4:"},
        {2, 2, "B", 2, -1, "ABB|4:C|4:"},
        {1, 0, "C", 3, -1, "AB|3:CC|3:"},
        {2, 0, "B", 2, -1, "AB|3:C|3:B"},
        // Behind the branch point: before every branch, or only the path shown goes on.
        {1, 3, "X", 5, 1, "ABX|4:C|4:"},
        {1, 3, "X", 5, 0, "AB|3:XC|3:"},
        {0, 0, "X", 5, 1, "ABX|4:C|4:"},
        {0, 0, "X", 5, 0, "ABX|3:C|3:"},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(std::string(p.po) + " " + std::to_string(p.odpoved));
        d.VyberUsek(p.usek);
        Vyber(p.za > 0 ? p.za : var.cesta.Pocet());
        Zaznam().Vymaz();
        if (p.odpoved >= 0) Zaznam().odpovedi = {p.odpoved == 1};
        PridejObecny(*okno, p.utlum, 0, p.popis);
        EXPECT_EQ(Zaznam().texty.size(), p.odpoved >= 0 ? 1 : 0);
        EXPECT_EQ(obsah(), p.po);
        for (size_t s = 0; s < r.Useky().size(); ++s) {
            DrunVar sama;
            sama.cesta.NastavPrvky(r.PrvkyCesty(s));
            PrepocitejOd(sama, 1);
            EXPECT_EQ(sama.Vysledek, r.Konec(s)) << s;
        }
        okno->Akce(Prikaz::Zpet)->trigger();
        EXPECT_EQ(obsah(), puvodni);
    }
}

// A room has one name: typed in its dialog, renamed in the tree or in its description, one
// step each; a name another section ends in only when the user sums the two; a new room of
// a rozvod is offered no earlier name. Its dialogs say which room they act on.
TEST_F(UiTest, JednoJmenoMistnosti) {
    TDokument& d = okno->Dokument();
    const Rozvod& r = d.Rozvod();
    auto& m = *static_cast<TMistnostForm*>(okno->Dialog(TypMistnost));
    const auto mistnost = [&](const QString& jmeno, bool pridat) {
        m.NastavPridat(pridat);
        m.show();
        m.PopisMistnEdit->setText(jmeno);
        m.OKBtnClick();
        m.hide();
    };
    PridejObecny(*okno, 1, 0, "A");
    ASSERT_EQ(d.NovaVetev(2), QString());
    mistnost("Zasedačka", true);
    d.VyberUsek(0);
    ASSERT_EQ(d.NovaVetev(2), QString());
    m.NastavPridat(true);
    m.show();
    EXPECT_EQ(m.PopisMistnEdit->text(), "");
    EXPECT_EQ(m.windowTitle(), m.windowTitle().section(" – ", 0, 0) + " – úsek 3");
    m.hide();
    Zaznam().Vymaz();
    Zaznam().odpovedi = {false};
    mistnost("Zasedačka", true);
    EXPECT_EQ(Zaznam().texty,
              QStringList{"Místnost „Zasedačka“ už napájí úsek 2. Sečíst obě cesty do jedné "
                          "místnosti?"});
    EXPECT_EQ(r.Mistnosti().size(), 1u);
    EXPECT_FALSE(MistnostVCeste(var));
    Zaznam().odpovedi = {true};
    mistnost("Zasedačka", true);
    ASSERT_EQ(r.Mistnosti().size(), 1u);
    EXPECT_EQ(r.Mistnosti()[0].Useky.size(), 2u);

    // Renamed in its description, then in the tree: the section and the element agree.
    d.VyberUsek(1);
    Vyber(var.cesta.Pocet());
    mistnost("Kuchyň", false);
    EXPECT_EQ(r.Useky()[1].Mistnost, "Kuchyň");
    EXPECT_EQ(r.Useky()[1].Prvky.back().Popis, "Kuchyň");
    okno->Akce(Prikaz::Zpet)->trigger();
    EXPECT_EQ(r.Useky()[1].Mistnost, "Zasedačka");
    EXPECT_EQ(r.Useky()[1].Prvky.back().Popis, "Zasedačka");
    // Not a name: nothing changes.
    EXPECT_TRUE(d.PrejmenujUsek(1, QString::fromUtf8("A\u202E")).startsWith("Neplatné jméno"));
    EXPECT_EQ(r.Useky()[1].Mistnost, "Zasedačka");
    ASSERT_EQ(d.PrejmenujUsek(1, "Sklad"), QString());
    EXPECT_EQ(r.Useky()[1].Prvky.back().Popis, "Sklad");
    auto& p = *okno->Okno<TPozadavekForm>();
    p.show();
    EXPECT_TRUE(p.windowTitle().endsWith(" – místnost Sklad (úsek 2)"))
        << p.windowTitle().toStdString();
    p.hide();

    // A new branch where one leaves already: empty as before, or a copy with a new room.
    d.VyberUsek(0);
    Vyber(2);
    const size_t pocet = r.Useky().size();
    Zaznam().Vymaz();
    Zaznam().odpovedi = {false};
    Zaznam().zadani = {"Sál"};
    okno->Akce(Prikaz::NovaVetev)->trigger();
    ASSERT_EQ(r.Useky().size(), pocet + 1);
    EXPECT_EQ(r.Useky().back().Mistnost, "Sál");
    EXPECT_EQ(r.Useky().back().Prvky.back().Popis, "Sál");
    EXPECT_EQ(r.Useky().back().Prvky.size(), r.Useky()[1].Prvky.size());
    EXPECT_EQ(d.Usek(), pocet);
    okno->Akce(Prikaz::Zpet)->trigger();
    EXPECT_EQ(r.Useky().size(), pocet);
    Zaznam().odpovedi = {true};
    okno->Akce(Prikaz::NovaVetev)->trigger();
    EXPECT_TRUE(r.Useky().back().Prvky.empty());
}

// A rozvod nested as deep as a file may be opens with its tree whole; a branch one level
// deeper is refused.
TEST_F(UiTest, NejhlubsiRozvodVOkne) {
    std::vector<Usek> useky(NejvetsiHloubkaRozvodu);
    for (size_t i = 0; i < useky.size(); ++i) {
        useky[i].Id = int(i) + 1;
        useky[i].Rodic = int(i);
        useky[i].ZaElementem = i > 0;
        useky[i].Prvky = {i > 0 ? Obecny(0.1, 0) : Element(TypZdroj, [](TElementSite& e) {
            NaplnSpektrum(e.VlastniDrun, 80);
        })};
    }
    Rozvod r;
    r.NastavUseky(useky);
    const QString f = slozka.filePath(QStringLiteral("hluboky.DRR"));
    ASSERT_TRUE(UlozRozvod(r, f.toStdString()).Ok());
    okno->show();
    okno->OtevriSoubor(f);
    QApplication::processEvents();
    TStromRozvodu& strom = *okno->Okno<TStromRozvodu>();
    const size_t posledni = useky.size() - 1;
    ASSERT_NE(strom.Polozka(posledni), nullptr);
    strom.Strom->setCurrentItem(strom.Polozka(posledni));
    QApplication::processEvents();
    EXPECT_EQ(okno->Dokument().Usek(), posledni);
    EXPECT_EQ(var.cesta.Pocet(), NejvetsiHloubkaRozvodu);
    Zaznam().Vymaz();
    Vyber(NejvetsiHloubkaRozvodu);
    okno->Akce(Prikaz::NovaVetev)->trigger();
    EXPECT_EQ(Zaznam().texty, QStringList{"Nová větev by ležela v 1001. úrovni, rozvod smí mít "
                                          "nejvýše 1000 úrovní úseků."});
}

// A rozvod in the main window: a section's path chosen in the tree, a shared element added
// for every room it feeds, the structure changed and every change undone as a whole; saved
// as *.DRR byte for byte, a path alone as *.DRN.
TEST_F(UiTest, RozvodVHlavnimOkne) {
    const QString f = slozka.filePath(QStringLiteral("dům.DRR"));
    ASSERT_TRUE(UlozRozvod(NahodnyRozvod(3, 12), f.toStdString()).Ok());
    okno->OtevriSoubor(f);
    TDokument& d = okno->Dokument();
    ASSERT_TRUE(d.MaVetve());
    EXPECT_FALSE(okno->Okno<TStromRozvodu>()->isHidden());
    const auto text = [&d] {
        std::string t;
        EXPECT_TRUE(TextRozvodu(d.Rozvod(), t).Ok());
        return t;
    };
    std::string puvodni;
    CtiSoubor(f.toStdString(), puvodni);
    EXPECT_EQ(text(), puvodni);

    // The deepest room's path, from the tree; its ancestors' elements marked shared.
    const Rozvod& r = d.Rozvod();
    size_t u = 0;
    for (size_t s = 0; s < r.Useky().size(); ++s)
        if (r.MistnostUseku(s) >= 0 && r.PoradiCesty(s).size() > r.PoradiCesty(u).size()) u = s;
    TStromRozvodu& strom = *okno->Okno<TStromRozvodu>();
    strom.Strom->setCurrentItem(strom.Polozka(u));
    ASSERT_EQ(d.Usek(), u);
    // Each section named with its room, a room that fails the overview marked red.
    const PrehledRozvodu prehled = SpoctiPrehledRozvodu(r);
    for (size_t s = 0; s < r.Useky().size(); ++s) {
        const int m = r.MistnostUseku(s);
        const std::string text = strom.Polozka(s)->text(0).toStdString();
        const std::string jmeno =
            NazevUseku(r.Useky()[s].Id) + (m < 0 ? "" : ": " + r.Useky()[s].Mistnost);
        EXPECT_EQ(text.substr(0, jmeno.size()), jmeno);
        // A branch says where it leaves.
        if (s > 0) {
            EXPECT_NE(text.find(" — za elementem " + std::to_string(r.Useky()[s].ZaElementem)),
                      std::string::npos)
                << text;
        }
        EXPECT_EQ(strom.Polozka(s)->foreground(0).color() == QColor(200, 0, 0),
                  m >= 0 && prehled.Prehled.Mistnosti[size_t(m)].Stav != StavMistnosti::Vyhovi);
    }
    ASSERT_EQ(var.cesta.Pocet(), int(r.PoradiCesty(u).size()));
    EXPECT_EQ(RadekSeznamu(0), QString::fromStdString(drun::RadekSeznamu(var.cesta.Prvek(1))) +
                                   "   [napájí " + PocetMistnosti(int(r.Mistnosti().size())) + "]");

    // The room's requirement is the path's; a new one becomes the room's, a step undone.
    const size_t m = size_t(r.MistnostUseku(u));
    const auto poz = PozadavekZTextu(r.Mistnosti()[m].Pozadavek);
    EXPECT_EQ(var.Pozadavek, poz ? *poz : NulaSpektrum());
    var.Pozadavek = *PozadavekZTextu("N35");
    emit okno->Okno<TPozadavekForm>()->PozadavekZmenen();
    EXPECT_EQ(r.Mistnosti()[m].Pozadavek, "N35");
    okno->Akce(Prikaz::Zpet)->trigger();
    EXPECT_EQ(text(), puvodni);

    // An element behind the source goes into the trunk: every room's path holds it and
    // evaluates as that path alone.
    auto& obecny = *static_cast<TObecElemForm*>(okno->Dialog(TypObecny));
    Vyber(1);
    obecny.NastavPridat(true);
    obecny.FormShow();
    for (int i = 0; i < 8; ++i)
        Napis(obecny.Utl.pole[i], "6");
    obecny.OKBtnClick();
    ASSERT_EQ(r.Useky()[0].Prvky.size(), NahodnyRozvod(3, 12).Useky()[0].Prvky.size() + 1);
    EXPECT_EQ(Stav(), "Změna se týká " + PocetMistnosti(int(r.Mistnosti().size())) + " rozvodu.");
    // A menu's hint does not take its place.
    QStatusTipEvent tip(QStringLiteral("Nápověda nabídky"));
    QApplication::sendEvent(okno.get(), &tip);
    EXPECT_EQ(Stav(), "Změna se týká " + PocetMistnosti(int(r.Mistnosti().size())) + " rozvodu.");
    for (size_t s = 0; s < r.Useky().size(); ++s) {
        DrunVar sama;
        sama.cesta.NastavPrvky(r.PrvkyCesty(s));
        PrepocitejOd(sama, 1);
        EXPECT_EQ(sama.Vysledek, r.Konec(s)) << s;
    }
    EXPECT_EQ(var.Vysledek, r.Konec(u));
    const std::string sPrvkem = text();
    okno->Akce(Prikaz::Zpet)->trigger();
    EXPECT_EQ(text(), puvodni);
    okno->Akce(Prikaz::Znovu)->trigger();
    EXPECT_EQ(text(), sPrvkem);
    // Removing it asks, naming the rooms it feeds.
    Zaznam().Vymaz();
    Vyber(2);
    okno->Akce(Prikaz::Vypustit)->trigger();
    ASSERT_EQ(Zaznam().texty.size(), 1);
    EXPECT_TRUE(Zaznam().texty[0].contains("ze sdíleného úseku (napájí "))
        << Zaznam().texty[0].toStdString();
    EXPECT_EQ(text(), puvodni);

    // A branch behind the source, renamed only with a room; a room renamed, a section
    // copied and one removed with its branches; each a step undone.
    const size_t pocet = r.Useky().size();
    Vyber(1);
    okno->Akce(Prikaz::NovaVetev)->trigger();
    ASSERT_EQ(r.Useky().size(), pocet + 1);
    EXPECT_EQ(d.Usek(), pocet);
    EXPECT_EQ(var.cesta.Pocet(), 1);
    Zaznam().Vymaz();
    okno->Akce(Prikaz::PrejmenovatUsek)->trigger();
    EXPECT_EQ(Zaznam().texty.size(), 1);
    d.VyberUsek(u);
    Zaznam().zadani = {"Kuchyň"};
    okno->Akce(Prikaz::PrejmenovatUsek)->trigger();
    EXPECT_EQ(r.Useky()[u].Mistnost, "Kuchyň");
    okno->Akce(Prikaz::KopirovatUsek)->trigger();
    EXPECT_EQ(r.Useky().size(), pocet + 2);
    EXPECT_EQ(r.Useky().back().Mistnost, "Kuchyň (kopie)");
    d.VyberUsek(1);
    const size_t vetvi = r.Vetve(1).size();
    okno->Akce(Prikaz::OdstranitUsek)->trigger();
    EXPECT_EQ(r.Useky().size(), pocet + 2 - vetvi);
    for (int i = 0; i < 3; ++i)
        okno->Akce(Prikaz::Zpet)->trigger();
    EXPECT_EQ(r.Useky().size(), pocet + 1);
    okno->Akce(Prikaz::Zpet)->trigger();
    EXPECT_EQ(text(), puvodni);

    // Saved as the rozvod it is; a path alone as a calculation file; a rozvod with
    // branches never as a calculation file.
    okno->Akce(Prikaz::Znovu)->trigger();
    okno->Akce(Prikaz::Ulozit)->trigger();
    std::string ulozeno;
    CtiSoubor(f.toStdString(), ulozeno);
    EXPECT_EQ(ulozeno, text());
    d.VyberUsek(u);
    const QString cesta = slozka.filePath(QStringLiteral("kuchyň.DRN"));
    VyberSoubor(cesta);
    okno->Akce(Prikaz::UlozitCestu)->trigger();
    DrunVar sama;
    ASSERT_TRUE(NactiData(sama, cesta.toStdString()).Ok());
    EXPECT_EQ(sama.cesta.Pocet(), var.cesta.Pocet());
    EXPECT_EQ(d.Soubor(), f);
    const VysledekSouboru v = d.Uloz(slozka.filePath(QStringLiteral("x.DRN")));
    EXPECT_FALSE(v.Ok());
    EXPECT_NE(v.Zprava.find("(*.DRR)"), std::string::npos);

    // The automatic save on exit keeps every branch: the whole rozvod beside DRUN.DRN.
    var.parametry.AutoUlozeni = true;
    okno->Historie().OznacUlozeno();
    EXPECT_TRUE(okno->close());
    std::string zaloha;
    const std::string drr = var.SouborDat.substr(0, var.SouborDat.size() - 4) + ".DRR";
    CtiSoubor(drr, zaloha);
    EXPECT_EQ(zaloha, text());
}
