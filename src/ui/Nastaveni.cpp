#include "ui/Nastaveni.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString KlicSlozky = QStringLiteral("Dialogy/Slozka");

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
