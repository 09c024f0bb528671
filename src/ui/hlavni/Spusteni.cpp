#include "ui/hlavni/Spusteni.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTranslator>
#include <cstdio>

#include "core/Umisteni.h"

static void NactiZdrojIkony() {
    Q_INIT_RESOURCE(ikona);
}

QIcon IkonaDrun() {
    NactiZdrojIkony(); // the resource sits in a static library
    // Drawn from the SVG at the usual sizes, so no icon-engine plugin is needed.
    QSvgRenderer svg(QStringLiteral(":/drun.svg"));
    QIcon ikona;
    for (int velikost : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap p(velikost, velikost);
        p.fill(Qt::transparent);
        QPainter malir(&p);
        svg.render(&malir);
        malir.end();
        ikona.addPixmap(p);
    }
    return ikona;
}

void NastavAplikaci() {
    QCoreApplication::setOrganizationName(QStringLiteral("drun"));
    QCoreApplication::setApplicationName(QStringLiteral("DRUN"));
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.drun.Drun"));
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication::setWindowIcon(IkonaDrun());
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
    const drun::SlozkyProgramu s = drun::Slozky(program, uzivatel);
    drun::NastavUmisteni(var, s, drun::SouboryVedleProgramu(s));
}

Argumenty CtiArgumenty(const QStringList& argumenty) {
    Argumenty a;
    bool jenSoubory = false;
    const auto odmitni = [&a](const QString& proc) {
        a.akce = Argumenty::Akce::Chyba;
        a.chyba = proc;
        return a;
    };
    for (const QString& s : argumenty) {
        if (!jenSoubory && s == QStringLiteral("--")) {
            jenSoubory = true;
        } else if (!jenSoubory && (s == QStringLiteral("-h") || s == QStringLiteral("--help"))) {
            a.akce = Argumenty::Akce::Napoveda;
            return a;
        } else if (!jenSoubory && (s == QStringLiteral("-v") || s == QStringLiteral("--version"))) {
            a.akce = Argumenty::Akce::Verze;
            return a;
        } else if (!jenSoubory && s.startsWith(QLatin1Char('-')) && s != QStringLiteral("-")) {
            return odmitni(QStringLiteral("neznámá volba: ") + s);
        } else if (!a.soubor.isEmpty()) {
            return odmitni(QStringLiteral("jen jeden soubor"));
        } else {
            a.soubor = s;
        }
    }
    return a;
}

QString PouzitiDrun() {
    return QStringLiteral("Použití: drun [SOUBOR.DRN]\n"
                          "         drun --pdf VÝSTUP.pdf [--pozadavek …] [--stranka 25…100] "
                          "[--datum TEXT] SOUBOR.DRN\n"
                          "         drun --zprava VÝSTUP.pdf (--rozvod ROZVOD.DRR | --projekt "
                          "PROJEKT.DRP) [--datum TEXT]\n"
                          "Výpočet drunu ve VZT zařízení; se zadaným souborem ho rovnou otevře.\n"
                          "  --pdf VÝSTUP.pdf  uloží protokol souboru do PDF bez okna\n"
                          "  --zprava VÝSTUP.pdf  uloží zprávu o rozvodu nebo projektu do PDF "
                          "bez okna\n"
                          "  -h, --help        vypíše tuto nápovědu\n"
                          "  -v, --version     vypíše verzi programu\n");
}

QString VerzeDrun() {
    return QStringLiteral("DRUN " DRUN_VERZE "\n");
}

int VyridArgumenty(const Argumenty& a) {
    switch (a.akce) {
    case Argumenty::Akce::Spustit:
        return -1;
    case Argumenty::Akce::Napoveda:
        std::fputs(PouzitiDrun().toUtf8().constData(), stdout);
        return 0;
    case Argumenty::Akce::Verze:
        std::fputs(VerzeDrun().toUtf8().constData(), stdout);
        return 0;
    case Argumenty::Akce::Chyba:
        std::fputs(("drun: " + a.chyba + "\n" + PouzitiDrun()).toUtf8().constData(), stderr);
        return 2;
    }
    return -1;
}
