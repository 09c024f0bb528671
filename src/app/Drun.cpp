#include <QApplication>
#include <QLocale>

#include "core/DrunVar.h"
#include "ui/DrunMain.h"
#include "ui/Hlaseni.h"
#include "ui/Spusteni.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Numbers are always written and read with "." whatever the system says.
    QLocale::setDefault(QLocale::c());
    NastavAplikaci();

    drun::DrunVar var;
    UmisteniZeSystemu(var);
    HlaseniOkna okna;
    NastavHlaseni(&okna);

    THlavniForm hlavni(var);
    hlavni.show();
    return app.exec();
}
