#include "ui/nastroje/SestaveniRozvodu.h"

#include "core/DrunVar.h"
#include "io/SestaveniZeSouboru.h"
#include "tools/Rozvod.h"
#include "ui/hlavni/Dokument.h"

using namespace drun;

namespace {

template <class F> QString Sestav(TDokument& d, F sestav) {
    Rozvod r;
    const VysledekSouboru v = sestav(r);
    if (!v.Ok()) return QString::fromStdString(v.Zprava);
    d.NovyRozvod(std::move(r));
    return {};
}

} // namespace

QString SestavDokumentZeSouboru(TDokument& d, const QStringList& soubory) {
    std::vector<std::string> s;
    for (const QString& f : soubory)
        s.push_back(f.toStdString());
    return Sestav(d, [&](Rozvod& r) { return SestavZeSouboru(s, d.Var().SouborTlumice, r); });
}

QString SestavDokumentZProjektu(TDokument& d, const QString& projekt) {
    return Sestav(d, [&](Rozvod& r) {
        return SestavZProjektu(projekt.toStdString(), d.Var().SouborTlumice, r);
    });
}
