#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include "Pomocnik.h"

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
    QApplication app(argc, argv);
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
            if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
            else w->close();
            tiku = 0;
        }
    });
    hlidac.start(250);
    return RUN_ALL_TESTS();
}
