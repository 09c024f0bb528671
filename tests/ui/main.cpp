#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "Pomocnik.h"
#include "ui/hlavni/Spusteni.h"

ZaznamHlaseni& Zaznam() {
    static ZaznamHlaseni z;
    return z;
}

void PriModalnim(std::function<void(QWidget*)> prace) {
    auto* t = new QTimer;
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, prace] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            t->stop();
            t->deleteLater();
            prace(w);
        }
    });
    t->start();
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's settings and configuration folders stay untouched: everything
    // the tests remember goes to a temporary folder.
    QTemporaryDir nastaveni;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(nastaveni.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(nastaveni.filePath(QStringLiteral("data"))));
    QApplication app(argc, argv);
    NastavAplikaci();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       nastaveni.filePath(QStringLiteral("config")));
    QLocale::setDefault(QLocale::c());
    NastavHlaseni(&Zaznam());
    ::testing::InitGoogleTest(&argc, argv);

    // A modal window that nobody works for two seconds is a test gone wrong:
    // fail and close it instead of hanging.
    QPointer<QWidget> videno;
    int tiku = 0;
    QTimer hlidac;
    QObject::connect(&hlidac, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w != videno) {
            videno = w;
            tiku = 0;
            return;
        }
        if (++tiku >= 8) {
            ADD_FAILURE() << "unexpected modal window: " << w->windowTitle().toStdString();
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            else
                w->close();
            tiku = 0;
        }
    });
    hlidac.start(250);
    return RUN_ALL_TESTS();
}
