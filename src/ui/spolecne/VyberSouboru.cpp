#include "ui/spolecne/VyberSouboru.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "ui/spolecne/Hlaseni.h"
#include "ui/spolecne/Nastaveni.h"

QString SouborKUlozeni(QWidget* rodic, const QString& titulek, const QString& filtr,
                       const QString& pripona, const QString& jmeno) {
    QFileDialog d(rodic, titulek,
                  jmeno.isEmpty() ? SlozkaDialogu() : QDir(SlozkaDialogu()).filePath(jmeno), filtr);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(pripona);
    // Asked through Hlaseni, like every other question of the program.
    d.setOption(QFileDialog::DontConfirmOverwrite);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    const QString soubor = d.selectedFiles().constFirst();
    ZapamatujSlozku(soubor);
    if (QFileInfo::exists(soubor) && !hlaseni().Potvrd(QStringLiteral("Soubor ") + soubor +
                                                       QStringLiteral(" již existuje. Nahradit?")))
        return {};
    return soubor;
}
