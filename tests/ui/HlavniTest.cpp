#include <QAction>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

#include "Pomocnik.h"
#include "core/DrunVyp.h"
#include "tools/Pozadavek.h"
#include "ui/dialogy/PozadFrm.h"
#include "ui/dialogy/VybElFrm.h"

using namespace drun;

TEST_F(UiTest, PoStartuNuloveRadkyANicCerveneho) {
    const QStringList nuly{"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "7.0"};
    EXPECT_EQ(Texty(okno->Zdroj), nuly);
    EXPECT_EQ(Texty(okno->Vysl), nuly);
    EXPECT_EQ(Texty(okno->Poz), nuly);
    QStringList rozdil = nuly;
    rozdil[8] = "0.0";
    EXPECT_EQ(Texty(okno->Rozdil), rozdil);
    for (QLabel* l : okno->Rozdil)
        EXPECT_NE(l->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(Texty(okno->PredEl), QStringList(9, "---"));
    EXPECT_EQ(okno->Seznam->rowCount(), 1);
    EXPECT_EQ(okno->Seznam->data(okno->Seznam->index(0), Qt::DisplayRole).toString(),
              "1     Zdroj drunu");
    EXPECT_EQ(okno->ZdrojPopisLbl->text(), "Zdroj drunu");
    EXPECT_EQ(okno->windowTitle(), "DRUN");
    EXPECT_TRUE(okno->Ulozeno());
    EXPECT_TRUE(Zaznam().texty.isEmpty());
}

// The window grows and the element list takes the added height; the smallest
// size is about the one it opens at.
TEST_F(UiTest, OknoRosteSeSeznamem) {
    okno->show();
    QApplication::processEvents();
    const QSize puvodni = okno->size();
    const int seznam = okno->SeznamElemListBox->height();
    const int panel = okno->Vysl[0]->y();
    okno->resize(puvodni + QSize(200, 300));
    QApplication::processEvents();
    EXPECT_GE(okno->SeznamElemListBox->height(), seznam + 250);
    EXPECT_EQ(okno->Vysl[0]->y(), panel); // the panels keep their place
    okno->resize(100, 100);
    QApplication::processEvents();
    EXPECT_EQ(okno->width(), puvodni.width());
    EXPECT_NEAR(okno->height(), puvodni.height(), 20);
}

// The requirement last chosen comes back at the next start, its name beside its row.
TEST_F(UiTest, PozadavekPrezijeRestart) {
    EXPECT_EQ(okno->NazevPozLbl->text(), "");
    const struct {
        std::array<double, 8> pasma;
        const char* nazev;
    } pozadavky[] = {
        {NKrivky[4], "N30"},
        {{50, 45, 40, 35, 30, 25, 20, 15}, "vlastní"},
    };
    for (const auto& p : pozadavky) {
        NastavPozadavek(var, p.pasma);
        emit okno->Pozadavek->PozadavekZmenen();
        EXPECT_EQ(okno->NazevPozLbl->text(), p.nazev);
        okno->Historie().OznacUlozeno();
        okno.reset();
        DrunVar nova;
        nova.NastavSlozku(slozka.path().toStdString() + "/");
        THlavniForm dalsi(nova);
        EXPECT_EQ(nova.Pozadavek, var.Pozadavek) << p.nazev;
        EXPECT_EQ(dalsi.NazevPozLbl->text(), p.nazev);
        okno = std::make_unique<THlavniForm>(var);
    }
}
