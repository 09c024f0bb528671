#include "ui/spolecne/Nastaveni.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QScreen>
#include <QSettings>
#include <QSize>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace {

const QString KlicSlozky = QStringLiteral("Dialogy/Slozka");
const QString KlicNaposledy = QStringLiteral("Soubory/Naposledy");
const QString KlicAutora = QStringLiteral("Zprava/Autor");

void UlozNaposledy(const QStringList& s) {
    QSettings().setValue(KlicNaposledy, s);
}

// The size a remembered window was given, kept apart from its geometry: a
// screen too small for it shrinks it while shown there, not for good.
QString KlicVelikosti(const QString& klic) {
    return QStringLiteral("Velikosti/") + klic;
}

// Shows the window again where it was hidden, within the screen, and saves
// its geometry each time it is hidden (closing hides it too).
class StrazcePolohy : public QObject {
  public:
    StrazcePolohy(QWidget* okno, const QString& nazev) : QObject(okno), klic_(nazev) {
        if (!klic_.isEmpty()) chtena_ = QSettings().value(KlicVelikosti(klic_)).toSize();
        if (chtena_.isValid()) okno->resize(chtena_);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* okno = static_cast<QWidget*>(o);
        if (e->type() == QEvent::Show) {
            // Left to itself, a dialog is centred anew at each opening, and an
            // X11 window manager puts it by its client area the first time and
            // by its frame after that: one title bar lower. A dialog not yet
            // placed is centred over its window (within the screen) after this.
            if (poloha_) okno->move(*poloha_);
            // Left as the last screen fitted it, it is shown at the size wanted
            // (and fitted anew); resized since, that is the size wanted now.
            if (!klic_.isEmpty() && !okno->isMaximized()) {
                if (naObrazovce_.isValid() && okno->size() == naObrazovce_)
                    okno->resize(chtena_);
                else
                    chtena_ = okno->size();
            }
            RozsirProTitulek(okno);
            const bool centruje =
                qobject_cast<QDialog*>(okno) && !okno->testAttribute(Qt::WA_Moved);
            VejdiSeNaObrazovku(okno, !centruje);
            naObrazovce_ = okno->size();
        }
        if (e->type() == QEvent::Hide && !okno->isMinimized()) {
            poloha_ = okno->pos();
            if (!klic_.isEmpty()) {
                // Resized by the user while shown: that is the size wanted now.
                if (!okno->isMaximized() && okno->size() != naObrazovce_) chtena_ = okno->size();
                QSettings s;
                s.setValue(klic_, okno->saveGeometry());
                if (chtena_.isValid()) s.setValue(KlicVelikosti(klic_), chtena_);
            }
        }
        return false;
    }

  private:
    QString klic_;
    std::optional<QPoint> poloha_; // the frame's, when it was last hidden
    QSize chtena_;                 // the size wanted, before a screen fitted it
    QSize naObrazovce_;            // the size the screen left it when shown
};

} // namespace

QString SlozkaDialogu() {
    const QString ulozena = QSettings().value(KlicSlozky).toString();
    if (!ulozena.isEmpty() && QFileInfo(ulozena).isDir()) return ulozena;
    const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!dokumenty.isEmpty() && QFileInfo(dokumenty).isDir()) return dokumenty;
    return QDir::homePath();
}

void ZapamatujSlozku(const QString& soubor) {
    if (soubor.isEmpty()) return;
    QSettings().setValue(KlicSlozky, QFileInfo(soubor).absolutePath());
}

QString AutorZpravy() {
    return QSettings().value(KlicAutora).toString();
}

void NastavAutoraZpravy(const QString& autor) {
    QSettings().setValue(KlicAutora, autor);
}

QStringList NaposledyOtevrene() {
    QStringList s = QSettings().value(KlicNaposledy).toStringList();
    s.removeAll(QString());
    return s.mid(0, MaxNaposledy);
}

void PridejNaposledy(const QString& soubor) {
    // One spelling per file, so that "a/../V.DRN" and "V.DRN" are one entry.
    const QFileInfo f(soubor);
    const QString cesta = f.exists() ? f.canonicalFilePath() : f.absoluteFilePath();
    QStringList s = NaposledyOtevrene();
    s.removeAll(cesta);
    s.prepend(cesta);
    UlozNaposledy(s.mid(0, MaxNaposledy));
    ZapamatujSlozku(cesta);
}

void OdeberNaposledy(const QString& soubor) {
    QStringList s = NaposledyOtevrene();
    s.removeAll(soubor);
    UlozNaposledy(s);
}

void VymazNaposledy() {
    QSettings().remove(KlicNaposledy);
}

QRect NaObrazovce(const QRect& ram, const QRect& dostupne) {
    QRect r(ram.topLeft(), ram.size().boundedTo(dostupne.size()));
    r.moveLeft(std::clamp(r.left(), dostupne.left(), dostupne.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), dostupne.top(), dostupne.bottom() - r.height() + 1));
    return r;
}

int SirkaProTitulek(const QWidget* okno) {
    constexpr int TitulekNavic = 140; // the icon and three buttons
    const QFont titulek = QApplication::font("QWorkspaceTitleBar");
    return QFontMetrics(titulek).horizontalAdvance(okno->windowTitle()) + TitulekNavic;
}

void RozsirProTitulek(QWidget* okno) {
    const int sirka = SirkaProTitulek(okno);
    if (okno->width() >= sirka) return;
    // A layout that fixes the size would undo a minimum set on the window.
    auto* box = qobject_cast<QBoxLayout*>(okno->layout());
    if (box && box->sizeConstraint() == QLayout::SetFixedSize &&
        (box->direction() == QBoxLayout::TopToBottom ||
         box->direction() == QBoxLayout::BottomToTop)) {
        const QMargins m = box->contentsMargins();
        box->addStrut(sirka - m.left() - m.right());
        box->activate();
        return;
    }
    okno->setMaximumWidth(std::max(okno->maximumWidth(), sirka));
    okno->setMinimumWidth(sirka);
    okno->resize(sirka, okno->height());
}

void VejdiSeNaObrazovku(QWidget* okno, bool poloha) {
    const QScreen* s = okno->screen();
    if (!s || okno->isMaximized() || okno->isFullScreen()) return;
    // Before the window manager frames it, leave room for a title bar.
    QSize okraj = okno->frameGeometry().size() - okno->geometry().size();
    if (okraj.isEmpty()) okraj = QSize(8, 32);
    const QRect dostupne = s->availableGeometry();
    const QRect ram =
        NaObrazovce(QRect(okno->frameGeometry().topLeft(), okno->size() + okraj), dostupne);
    const QSize velikost = ram.size() - okraj;
    // Only a window larger than the screen gets a smaller minimum of its own;
    // the others keep following their layout.
    if (okno->minimumWidth() > velikost.width() || okno->minimumHeight() > velikost.height())
        okno->setMinimumSize(okno->minimumSize().boundedTo(velikost));
    if (velikost != okno->size()) okno->resize(velikost);
    if (poloha && ram.topLeft() != okno->frameGeometry().topLeft()) okno->move(ram.topLeft());
}

void HlidejObrazovku(QWidget* okno) {
    okno->installEventFilter(new StrazcePolohy(okno, QString()));
}

void PamatujPolohu(QWidget* okno, const QString& nazev) {
    const QString klic = QStringLiteral("Okna/") + nazev;
    const QByteArray g = QSettings().value(klic).toByteArray();
    if (!g.isEmpty()) okno->restoreGeometry(g);
    okno->installEventFilter(new StrazcePolohy(okno, klic));
}
