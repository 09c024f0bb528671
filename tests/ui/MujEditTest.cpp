#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QVBoxLayout>

#include "Pomocnik.h"
#include "ui/dialogy/MujEdit.h"

namespace {

// A small window with two fields, shown and active, like a dialog in use.
struct DvePole {
    DvePole() {
        auto* v = new QVBoxLayout(&okno);
        a = new TMDoubleEdit(&okno);
        b = new TMDoubleEdit(&okno);
        i = new TMIntegerEdit(&okno);
        a->Nazev = QStringLiteral("Rozměr A");
        v->addWidget(a);
        v->addWidget(b);
        v->addWidget(i);
        a->NastavMeze(50, 5000);
        b->NastavMeze(0, 150);
        i->NastavMeze(1, 100);
        a->NastavCislo(500, 0);
        b->NastavCislo(0, QStringLiteral("0"));
        i->NastavCislo(2);
        okno.show();
        okno.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&okno));
        a->setFocus();
    }
    void Napis(TMEdit* f, const QString& text) {
        f->setFocus();
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClicks(f, text);
    }
    QWidget okno;
    TMDoubleEdit* a;
    TMDoubleEdit* b;
    TMIntegerEdit* i;
};

} // namespace

TEST(MujEdit, ZpravaRozsahu) {
    EXPECT_EQ(ZpravaRozsah("Útlum 63Hz", 0, 150), "Útlum 63Hz: zadejte číslo od 0 do 150.");
    EXPECT_EQ(ZpravaRozsah("", 0.01, 1), "Zadejte číslo od 0.01 do 1.");
    EXPECT_EQ(ZpravaRozsah("Průtok", 10, 100000), "Průtok: zadejte číslo od 10 do 100000.");
    // A field's name is its caption without the accelerator, colon and unit.
    for (const auto& [popisek, nazev] : std::vector<std::pair<QString, QString>>{
             {"Průtok vzduchu v m3/hod", "Průtok vzduchu"},
             {"Rozměr A (podél os listů) v mm", "Rozměr A (podél os listů)"},
             {"Akustický tlak [dB]", "Akustický tlak"},
             {"&Pásmo podél cesty:", "Pásmo podél cesty"},
             {"Ve vzdálenosti", "Ve vzdálenosti"},
             {"Otáčky za minutu", "Otáčky za minutu"}})
        EXPECT_EQ(NazevZPopisku(popisek), nazev);
}

TEST(MujEdit, CarkaSeMeniNaTecku) {
    Zaznam().Vymaz();
    DvePole p;
    p.Napis(p.b, "12,5");
    EXPECT_EQ(p.b->text(), "12.5");
    EXPECT_TRUE(p.b->Over());
    EXPECT_DOUBLE_EQ(p.b->Cislo(), 12.5);
    EXPECT_TRUE(Zaznam().texty.isEmpty());
}

TEST(MujEdit, OpustenimPoleSeOveri) {
    struct Pripad {
        const char* text;
        const char* zprava; // nullptr: accepted
        double cislo;
    };
    const Pripad pripady[] = {
        {"abc", "V poli není číslo!", 500},
        {"nan", "V poli není číslo!", 500},
        {"12abc", "V poli není číslo!", 500},
        {"0x20", "V poli není číslo!", 500},
        {"", "Rozměr A: zadejte číslo od 50 do 5000.", 500}, // empty becomes "0"
        {"49.99", "Rozměr A: zadejte číslo od 50 do 5000.", 500},
        {"5000.01", "Rozměr A: zadejte číslo od 50 do 5000.", 500},
        {"50", nullptr, 50},
        {"5000", nullptr, 5000},
        {"2.5e3", nullptr, 2500},
    };
    for (const Pripad& c : pripady) {
        Zaznam().Vymaz();
        DvePole p;
        p.Napis(p.a, c.text);
        QTest::keyClick(p.a, Qt::Key_Tab); // leave the field
        if (c.zprava) {
            EXPECT_EQ(Zaznam().texty, QStringList{c.zprava}) << c.text;
            EXPECT_TRUE(p.a->hasFocus()) << c.text; // the focus comes back
        } else {
            EXPECT_TRUE(Zaznam().texty.isEmpty()) << c.text;
            EXPECT_TRUE(p.b->hasFocus()) << c.text;
        }
        EXPECT_DOUBLE_EQ(p.a->Cislo(), c.cislo) << c.text;
        if (std::string(c.text).empty()) {
            EXPECT_EQ(p.a->text(), "0");
        }
    }
}

TEST(MujEdit, CeleCislo) {
    Zaznam().Vymaz();
    DvePole p;
    p.Napis(p.i, "1.5");
    EXPECT_FALSE(p.i->Over());
    EXPECT_EQ(Zaznam().texty, QStringList{"V poli není číslo!"});
    p.Napis(p.i, "");
    EXPECT_FALSE(p.i->Over()); // "0" is below the minimum 1
    EXPECT_EQ(Zaznam().texty.last(), "Zadejte číslo od 1 do 100.");
    EXPECT_EQ(p.i->Cislo(), 2);
    p.Napis(p.i, "100");
    EXPECT_TRUE(p.i->Over());
    EXPECT_EQ(p.i->Cislo(), 100);
}

// The real modal box, raised while the field loses the focus: one box only,
// no recursion when the box itself takes the focus, and the focus returns.
TEST(MujEdit, SkutecneModalniHlaseniPriOpusteniPole) {
    HlaseniOkna okna;
    struct Pocitej : Hlaseni {
        explicit Pocitej(Hlaseni& c) : cil(c) {}
        void Chyba(const QString& t) override {
            ++pocet;
            cil.Chyba(t);
        }
        void Informace(const QString& t) override { cil.Informace(t); }
        bool Potvrd(const QString& t) override { return cil.Potvrd(t); }
        Volba ZeptejUlozeni(const QString& t) override { return cil.ZeptejUlozeni(t); }
        Hlaseni& cil;
        int pocet = 0;
    } pocitej(okna);
    NastavHlaseni(&pocitej);
    {
        DvePole p;
        p.Napis(p.a, "abc");
        QString text;
        PriModalnim([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            text = box->text();
            // Clicking around while the box is open must not validate again.
            p.b->setFocus();
            box->accept();
        });
        QTest::keyClick(p.a, Qt::Key_Tab);
        EXPECT_EQ(text, "V poli není číslo!");
        EXPECT_EQ(pocitej.pocet, 1);
        EXPECT_EQ(p.okno.focusWidget(), p.a);
        // The window manager gives the window back its activation.
        p.okno.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&p.okno));
        EXPECT_TRUE(p.a->hasFocus());
        EXPECT_EQ(pocitej.pocet, 1);
        EXPECT_DOUBLE_EQ(p.a->Cislo(), 500);
    }
    NastavHlaseni(&Zaznam());
}

TEST(MujEdit, OverVseZastaviNaPrvnimChybnem) {
    Zaznam().Vymaz();
    DvePole p;
    p.Napis(p.b, "151"); // still focused, not yet validated
    EXPECT_TRUE(p.b->Neovereno());
    EXPECT_FALSE(TMEdit::OverVse(&p.okno));
    EXPECT_EQ(Zaznam().texty, QStringList{"Zadejte číslo od 0 do 150."});
    p.Napis(p.b, "150");
    EXPECT_TRUE(TMEdit::OverVse(&p.okno));
    EXPECT_DOUBLE_EQ(p.b->Cislo(), 150);
}
