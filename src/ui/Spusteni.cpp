#include "ui/Spusteni.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include "core/Umisteni.h"

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

void UmisteniZeSystemu(drun::DrunVar& var) {
    const auto slozka = [](const QString& s) {
        return QDir::toNativeSeparators(s + '/').toStdString();
    };
    const std::string program = slozka(QCoreApplication::applicationDirPath());
    const std::string uzivatel =
        slozka(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/drun"));
    drun::NastavUmisteni(var, drun::Slozky(program, uzivatel), drun::LzeZapsatDoSlozky(program));
}
