#include <QApplication>
#include <QLocale>
#include <QTimer>

#include "app/ProtokolPdf.h"
#include "core/DrunVar.h"
#include "core/Platforma.h"
#include "core/Soubory.h"
#include "io/Zaloha.h"
#include "ui/hlavni/DrunMain.h"
#include "ui/hlavni/Spusteni.h"
#include "ui/spolecne/Hlaseni.h"

int main(int argc, char* argv[]) {
    // --pdf draws the protocol without a window (and without a display).
    if (const int konec = ProtokolPdfZPrikazu(argc, argv); konec >= 0) return konec;
    // --help and --version answer without a window (and without a display).
    QStringList argumenty;
    for (int i = 1; i < argc; ++i)
        argumenty << QString::fromLocal8Bit(argv[i]);
    const Argumenty a = CtiArgumenty(argumenty);
    if (const int konec = VyridArgumenty(a); konec >= 0) return konec;

    QApplication app(argc, argv);
    // Numbers are always written and read with "." whatever the system says.
    QLocale::setDefault(QLocale::c());
    NastavAplikaci();

    drun::DrunVar var;
    UmisteniZeSystemu(var);
    // What saves killed midway left beside the settings and the file to open.
    for (const std::string& soubor : {var.SouborCfg, a.soubor.toStdString()})
        if (!soubor.empty())
            drun::UklidDocasne(drun::TextCesty(drun::CestaSouboru(soubor).parent_path()));
    // An automatic save cut short between the rozvod and its path: the path follows the rozvod.
    drun::SrovnejZalohu(var.SouborDat, var.SouborTlumice);
    HlaseniOkna okna;
    NastavHlaseni(&okna);

    THlavniForm hlavni(var);
    hlavni.PamatujPolohyOken();
    hlavni.show();
    // A file named on the command line opens as through "Otevřít...".
    if (!a.soubor.isEmpty())
        QTimer::singleShot(0, &hlavni, [&hlavni, &a] { hlavni.OtevriSoubor(a.soubor); });
    return app.exec();
}
