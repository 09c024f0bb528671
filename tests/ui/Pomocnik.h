#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "core/DrunVar.h"
#include "models/Obecny.h"
#include "ui/dialogy/ElemDialog.h"
#include "ui/dialogy/MujEdit.h"
#include "ui/dialogy/ObElFrm.h"
#include "ui/dialogy/ZZdrFrm.h"
#include "ui/hlavni/Dokument.h"
#include "ui/hlavni/DrunMain.h"
#include "ui/hlavni/Historie.h"
#include "ui/hlavni/Panely.h"
#include "ui/nastroje/Katalog.h"
#include "ui/spolecne/Hlaseni.h"

// Readable failure output.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// Keeps every message text and answers confirmations as the test says.
class ZaznamHlaseni : public Hlaseni {
  public:
    void Chyba(const QString& t) override { texty << t; }
    void Informace(const QString& t) override { texty << t; }
    bool Potvrd(const QString& t) override {
        texty << t;
        if (odpovedi.empty()) return vychozi;
        bool a = odpovedi.front();
        odpovedi.pop_front();
        return a;
    }
    // The question about unsaved work: the next of `volby`, else the next
    // confirmation answer (yes: go on without saving, no: Storno).
    Volba ZeptejUlozeni(const QString& t) override {
        if (volby.empty()) return Potvrd(t) ? Volba::Neukladat : Volba::Storno;
        texty << t;
        const Volba v = volby.front();
        volby.pop_front();
        return v;
    }
    // The next of `zadani`; none (cancelled) when there is none left.
    std::optional<QString> ZadejText(const QString& p, const QString&) override {
        texty << p;
        if (zadani.empty()) return std::nullopt;
        QString t = zadani.front();
        zadani.pop_front();
        return t;
    }
    void Vymaz() {
        texty.clear();
        odpovedi.clear();
        volby.clear();
        zadani.clear();
        vychozi = true;
    }
    QStringList texty;
    std::deque<bool> odpovedi;
    std::deque<Volba> volby;
    std::deque<QString> zadani;
    bool vychozi = true;
};

ZaznamHlaseni& Zaznam();

// Runs `prace` on the modal window that the next exec() opens.
void PriModalnim(std::function<void(QWidget*)> prace);

// Text typed by the user over the field's content: the field takes it when it
// is left or at the dialog's OK. Erasing is typing too, so "" is validated.
inline void Napis(TMEdit* f, const QString& text) {
    f->selectAll();
    QTest::keyClick(f, Qt::Key_Backspace);
    QTest::keyClicks(f, text);
}

// Picks `soubor` in the next file dialog, or cancels it with an empty name.
inline void VyberSoubor(const QString& soubor) {
    PriModalnim([soubor](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr) << w->metaObject()->className();
        if (soubor.isEmpty()) {
            d->reject();
        } else {
            // The dialog's own name field, as if typed: the folder need not be listed yet.
            auto* jmeno = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(jmeno, nullptr);
            jmeno->setText(soubor);
            static_cast<QDialog*>(d)->accept(); // public in QDialog
        }
    });
}

// Adds a general element behind the current one through its dialog, as a user would.
inline void PridejObecny(THlavniForm& o, double utlum, double drun, const QString& popis = "x") {
    auto* d = static_cast<TObecElemForm*>(o.Dialog(drun::TypObecny));
    d->NastavPridat(true);
    d->FormShow();
    d->NazevEdit->setText(popis);
    for (int i = 0; i < 8; ++i) {
        d->Utl.pole[i]->NastavCislo(utlum);
        d->VlDrun.pole[i]->NastavCislo(drun);
    }
    d->OKBtnClick();
}

// A general element of `utlum` dB in every band behind the last one.
inline void PridejObecny(drun::DrunVar& var, const std::string& popis, double utlum) {
    var.cesta.NajdiElement(var.cesta.Pocet());
    var.cesta.VlozElement();
    drun::ZadaniObecElementu z;
    z.Popis = popis;
    z.Utlum.fill(utlum);
    drun::ZapisObecElement(var, z);
    drun::VypocetObecElementu(var);
}

// Pages of a PDF file as its page objects count them; -1 when it cannot be read.
inline int PocetStran(const QString& pdf) {
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray b = f.readAll();
    int n = 0;
    for (qsizetype i = b.indexOf("/Type /Page"); i >= 0; i = b.indexOf("/Type /Page", i + 1))
        n += b.mid(i + 11, 1) != "s";
    return n;
}

inline bool MaNastroj(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

// Standard output of a program that must succeed.
inline QByteArray Spust(const QString& program, const QStringList& argumenty) {
    QProcess p;
    p.start(program, argumenty);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << " " << p.readAllStandardError().data();
    return p.readAllStandardOutput();
}

// The text layer, one entry per page, each line with its runs of blanks made one.
inline QList<QStringList> TextStran(const QString& pdf) {
    const QString text = QString::fromUtf8(Spust("pdftotext", {"-layout", pdf, "-"}));
    QList<QStringList> stranky;
    for (const QString& s : text.split(QLatin1Char('\f'))) {
        QStringList radky;
        for (const QString& r : s.split(QLatin1Char('\n')))
            if (!r.simplified().isEmpty()) radky << r.simplified();
        stranky << radky;
    }
    if (!stranky.isEmpty() && stranky.last().isEmpty()) stranky.removeLast();
    return stranky;
}

inline QStringList TextyPoli(std::initializer_list<QLineEdit*> pole) {
    QStringList s;
    for (QLineEdit* f : pole)
        s << f->text();
    return s;
}

// The source's sound power typed into its dialog and confirmed.
inline void Zdroj(THlavniForm& o, const std::array<double, 8>& pasma) {
    o.Okno<TZadZdrojForm>()->FormShow();
    for (int i = 0; i < 8; ++i)
        o.Okno<TZadZdrojForm>()->Zdroj.pole[i]->NastavCislo(pasma[static_cast<size_t>(i)]);
    o.Okno<TZadZdrojForm>()->OKBtnClick();
}
inline void Zdroj(THlavniForm& o, double uroven) {
    Zdroj(o, {uroven, uroven, uroven, uroven, uroven, uroven, uroven, uroven});
}

// The title as the window shows it, the star of unsaved work in its place.
inline QString Titulek(const QWidget& w) {
    return QString(w.windowTitle())
        .replace(QStringLiteral("[*]"), w.isWindowModified() ? QStringLiteral("*") : QString());
}

// A fresh program state and main window whose files live in a temporary folder.
class UiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Zaznam().Vymaz();
        QSettings().remove(QStringLiteral("Vypocet/Pozadavek"));
        var.NastavSlozku(slozka.path().toStdString() + "/");
        okno = std::make_unique<THlavniForm>(var);
        // Never the user's own catalogue.
        okno->Katalog().NastavSoubor(slozka.filePath(QStringLiteral("katalog.json")));
    }
    void TearDown() override {
        okno->Historie().OznacUlozeno(); // closing asks nothing
        okno.reset();
    }
    // `text` typed into `pole` of an element dialog opened to add an element is
    // refused at OK with `zprava`, and the path keeps `pocet` elements.
    void OcekavejOdmitnuti(TMEdit* pole, const QString& text, const QString& zprava,
                           int pocet = 1) {
        auto* d = qobject_cast<TElementDialog*>(pole->window());
        ASSERT_NE(d, nullptr);
        SCOPED_TRACE(text.toStdString());
        Zaznam().Vymaz();
        d->NastavPridat(true);
        d->FormShow();
        Napis(pole, text);
        d->OKBtnClick();
        EXPECT_EQ(Zaznam().texty, QStringList{zprava});
        EXPECT_EQ(var.cesta.Pocet(), pocet);
    }
    // The status bar's message: what went well is told there.
    QString Stav() const { return okno->statusBar()->currentMessage(); }
    // The main window's controls, as the user finds them.
    QLineEdit* AkceEdit() const { return okno->findChild<QLineEdit*>(QStringLiteral("Akce")); }
    QListView* Seznam() const { return okno->findChild<QListView*>(QStringLiteral("Elementy")); }
    QString RadekSeznamu(int r) const { return Seznam()->model()->index(r, 0).data().toString(); }
    void Vyber(int n) { Seznam()->setCurrentIndex(Seznam()->model()->index(n - 1, 0)); }
    // What the main window's panels show.
    QStringList Texty(RadekPanelu r) const { return okno->Panely().Texty(r); }
    const QLabel& Stitek(StitekPanelu s) const { return okno->Panely().Stitek(s); }
    QColor Barva(RadekPanelu r, int pasmo) const {
        return okno->Panely().Hodnota(r, pasmo).palette().color(QPalette::WindowText);
    }
    QTemporaryDir slozka;
    drun::DrunVar var;
    std::unique_ptr<THlavniForm> okno;
};
