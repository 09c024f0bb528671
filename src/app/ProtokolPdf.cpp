#include "app/ProtokolPdf.h"

#include <QApplication>
#include <QStringList>
#include <cerrno>
#include <clocale>
#include <string>
#include <utility>

#include "app/Prikazy.h"
#include "core/DrunVar.h"
#include "core/Platforma.h"
#include "core/Soubory.h"
#include "ui/tisk/Tisk.h"

using namespace drun;

namespace {

// Qt's own remarks (a missing runtime folder, a font) are kept back: a PDF
// that is written says nothing, a failure shows them after its reason.
QStringList& ZpravyQt() {
    // Never destroyed: Qt may still speak while the program ends.
    static auto* zpravy = new QStringList;
    return *zpravy;
}

void VypisZpravyQt() {
    for (const QString& z : std::exchange(ZpravyQt(), {}))
        drun::VypisChybu(z.toStdString() + "\n");
}

void ZadrzZpravu(QtMsgType typ, const QMessageLogContext&, const QString& zprava) {
    ZpravyQt() << zprava;
    // Qt ends the program after a fatal message: it must be seen first.
    if (typ == QtFatalMsg) VypisZpravyQt();
}

int PdfProtokolu(const Prikaz& p) {
    DrunVar var;
    if (const int s = PripravProtokol(p, var)) return s;
    const std::string& vystup = *p.Hodnota("--pdf");
    // Offscreen unless the user chose a platform: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(ZadrzZpravu);
    int argc = 1; // our own options are not Qt's
    std::string nazev = p.program;
    char* argv[] = {nazev.data(), nullptr};
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const std::string* datum = p.Hodnota("--datum");
    QByteArray pdf;
    const bool nakresleno =
        ProtokolPdf(var, datum ? *datum : DatumProtokolu().toStdString(), pdf).Ok;
    errno = 0;
    if (nakresleno && ZapisAtomicky(vystup, pdf.toStdString())) return 0;
    const int kod = errno;
    std::string duvod = nakresleno ? DuvodNelzeZapsat(vystup) : "protokol nelze vykreslit";
    if (duvod.empty()) duvod = DuvodChyby(kod); // a full disk, no permission, …
    const int status = ChybaUlozeni(p, vystup, duvod);
    VypisZpravyQt();
    return status;
}

const Rezim RezimyDrun[] = {
    {"--pdf",
     {{"--pdf", true},
      {"--pozadavek", true},
      {"--stranka", true},
      {"--datum", true},
      {"--rozvod", true},
      {"--usek", true}},
     "--pdf VÝSTUP.pdf [--pozadavek N10…N75 | --pozadavek \"v63 v125 v250 v500 v1000 v2000 "
     "v4000 v8000\"] [--stranka 25…100] [--datum TEXT] SOUBOR.DRN",
     "",
     PdfProtokolu},
};

} // namespace

int ProtokolPdfZPrikazu(int argc, char** argv) {
    return SpustPrikaz(RezimyDrun, argc, argv);
}
