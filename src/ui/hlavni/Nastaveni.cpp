#include "ui/hlavni/Nastaveni.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace {

const QString KlicSlozky = QStringLiteral("Dialogy/Slozka");
const QString KlicNaposledy = QStringLiteral("Soubory/Naposledy");

void UlozNaposledy(const QStringList& s) {
    QSettings().setValue(KlicNaposledy, s);
}

// Saves the window's geometry each time it is hidden (closing hides it too).
class StrazcePolohy : public QObject {
  public:
    StrazcePolohy(QWidget* okno, const QString& nazev) : QObject(okno), klic_(nazev) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Hide && !static_cast<QWidget*>(o)->isMinimized())
            QSettings().setValue(klic_, static_cast<QWidget*>(o)->saveGeometry());
        return false;
    }

  private:
    QString klic_;
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

void PamatujPolohu(QWidget* okno, const QString& nazev) {
    const QString klic = QStringLiteral("Okna/") + nazev;
    const QByteArray g = QSettings().value(klic).toByteArray();
    if (!g.isEmpty()) okno->restoreGeometry(g);
    okno->installEventFilter(new StrazcePolohy(okno, klic));
}
