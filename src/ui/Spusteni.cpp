#include "ui/Spusteni.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

void NastavAplikaci() {
    QCoreApplication::setOrganizationName(QStringLiteral("drun"));
    QCoreApplication::setApplicationName(QStringLiteral("DRUN"));
    QGuiApplication::setDesktopFileName(QStringLiteral("drun"));
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    // The whole program is Czech, so Qt's texts are too.
    auto* preklad = new QTranslator(qApp);
    if (preklad->load(QStringLiteral("qtbase_cs"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(preklad);
    else
        delete preklad;
}
