#include "app/ProtokolPdf.h"

#include <QApplication>
#include <QStringList>
#include <cerrno>
#include <clocale>
#include <functional>
#include <string>
#include <utility>

#include "app/Prikazy.h"
#include "core/DrunVar.h"
#include "core/Platforma.h"
#include "core/Soubory.h"
#include "io/Protokol.h"
#include "io/RozvodSoubor.h"
#include "io/SoucetCest.h"
#include "io/Zprava.h"
#include "tools/Rozvod.h"
#include "ui/hlavni/Spusteni.h"
#include "ui/spolecne/Nastaveni.h"
#include "ui/tisk/Tisk.h"
#include "ui/tisk/Zprava.h"

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

// Qt started offscreen (unless the user chose a platform: no display is
// needed), `kresli` draws the PDF, which is written atomically to `vystup`.
// The exit status; a failure says why.
int NakresliPdf(const Prikaz& p, const std::string& vystup,
                const std::function<bool(QByteArray&)>& kresli) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(ZadrzZpravu);
    int argc = 1; // our own options are not Qt's
    std::string nazev = p.program;
    char* argv[] = {nazev.data(), nullptr};
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QByteArray pdf;
    const bool nakresleno = kresli(pdf);
    errno = 0;
    if (nakresleno && ZapisAtomicky(vystup, pdf.toStdString())) return 0;
    const int kod = errno;
    std::string duvod = nakresleno ? DuvodNelzeZapsat(vystup) : "protokol nelze vykreslit";
    if (duvod.empty()) duvod = DuvodChyby(kod); // a full disk, no permission, …
    const int status = ChybaUlozeni(p, vystup, duvod);
    VypisZpravyQt();
    return status;
}

int PdfProtokolu(const Prikaz& p) {
    DrunVar var;
    if (const int s = PripravProtokol(p, var)) return s;
    const std::string* datum = p.Hodnota("--datum");
    return NakresliPdf(p, *p.Hodnota("--pdf"), [&](QByteArray& pdf) {
        return ProtokolPdf(var, datum ? *datum : DatumProtokolu().toStdString(), pdf).Ok;
    });
}

// The report of a rozvod or a project: the files read and their overview
// computed before Qt starts.
int PdfZpravy(const Prikaz& p) {
    const std::string& vystup = *p.Hodnota("--zprava");
    if (vystup.empty()) return SpatnePouziti(p, "--zprava bez výstupního souboru");
    const std::string* rozvod = p.Hodnota("--rozvod");
    const std::string* projekt = p.Hodnota("--projekt");
    if (!rozvod == !projekt)
        return SpatnePouziti(p, "zpráva je o rozvodu (--rozvod) nebo o projektu (--projekt)");
    const std::string& soubor = rozvod ? *rozvod : *projekt;
    if (soubor.empty())
        return SpatnePouziti(p, rozvod ? "chybí soubor rozvodu" : "chybí soubor projektu");
    if (!p.soubory.empty())
        return SpatnePouziti(p, "se zprávou nelze uvést další soubor: " + p.soubory[0]);
    const std::string* h = p.Hodnota("--datum");
    if (h && !h->empty() && !JednaRadka(*h))
        return SpatnePouziti(p, "datum nesmí obsahovat řídicí znaky");
    if (const int s = OdmitniPrepsaniVstupu(p, vystup, {soubor})) return s;
    DrunVar var;
    NastavUmisteniProgramu(p, var);
    ObsahZpravy z;
    const std::string datum = h ? *h : DnesniDatum();
    if (rozvod) {
        Rozvod r;
        if (const int s = NactiRozvodPrikazu(p, soubor, var, r)) return s;
        z = ZpravaRozvodu(r, SpoctiPrehledRozvodu(r), soubor, datum);
    } else {
        Projekt pr;
        if (const int s = NactiProjektPrikazu(p, soubor, pr)) return s;
        z = ZpravaProjektu(pr, SpoctiPrehled(pr, soubor, var.SouborTlumice), soubor,
                           var.SouborTlumice, datum);
    }
    // A place that cannot take the PDF is reported before it is drawn.
    if (const std::string duvod = DuvodNelzeZapsat(vystup); !duvod.empty())
        return ChybaUlozeni(p, vystup, duvod);
    return NakresliPdf(p, vystup, [&](QByteArray& pdf) {
        NastavAplikaci(); // the user's settings: the author
        z.Autor = AutorZpravy().toStdString();
        return ZpravaPdf(z, pdf).Ok;
    });
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
    {"--zprava",
     {{"--zprava", true}, {"--rozvod", true}, {"--projekt", true}, {"--datum", true}},
     "--zprava VÝSTUP.pdf (--rozvod ROZVOD.DRR | --projekt PROJEKT.DRP) [--datum TEXT]",
     "se zprávou nelze použít volbu ",
     PdfZpravy},
};

} // namespace

int ProtokolPdfZPrikazu(int argc, char** argv) {
    return SpustPrikaz(RezimyDrun, argc, argv);
}
