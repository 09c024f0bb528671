#include <QAction>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

#include "Pomocnik.h"
#include "core/DrunVyp.h"
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
