#include "ui/hlavni/Dokument.h"

#include <algorithm>

#include "app/Prikazy.h"
#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "io/DataSoubor.h"
#include "ui/hlavni/Historie.h"

using namespace drun;

TDokument::TDokument(DrunVar& var, QObject* parent)
    : QObject(parent), var_(var),
      historie_(new THistorie(
          var_, [this](const THistorie::Snimek& s, int aktualni) { ObnovKrok(s, aktualni); },
          this)) {
    connect(historie_, &THistorie::UlozenoZmeneno, this, &TDokument::StavZmenen);
}

TDokument::~TDokument() {
    // Its signals would reach this document after it is gone.
    delete historie_;
}

bool TDokument::Ulozeno() const {
    return historie_->Ulozeno();
}

bool TDokument::Prazdny() const {
    DrunVar novy;
    ZalozVypocet(novy);
    return var_.Akce.empty() && PrvniZmena(var_.cesta, Sejmi(novy)) == 0;
}

void TDokument::PrepocitejOd(int n) {
    drun::PrepocitejOd(var_, n);
    emit Prepocitano();
}

void TDokument::ZaznamenejKrok(const QString& text, int aktualniPred) {
    historie_->Zaznamenej(text, aktualniPred);
}

void TDokument::OznacUlozeno() {
    historie_->OznacUlozeno();
}

void TDokument::Novy(bool ulozeno) {
    ZalozVypocet(var_);
    soubor_.clear();
    emit Nahrazen();
    PrepocitejOd(1);
    historie_->Nova(ulozeno);
    emit StavZmenen();
}

VysledekSouboru TDokument::Otevri(const QString& soubor) {
    // A file that cannot be read leaves the calculation as it was.
    const int aktualni = var_.cesta.AktualniCislo();
    const SnimekVypoctu pred = Sejmi(var_);
    const double min = var_.MinUroven, max = var_.MaxUroven;
    VysledekSouboru v = NactiData(var_, soubor.toStdString());
    if (!v.Ok()) {
        v.Zprava = ZpravaCteni(soubor.toStdString(), v, var_);
        Obnov(var_, pred, aktualni);
        var_.MinUroven = min;
        var_.MaxUroven = max;
        drun::PrepocitejOd(var_, 1);
        var_.cesta.NajdiElement(aktualni);
        return v;
    }
    soubor_ = soubor;
    // What is shown now is what the file holds.
    emit Nahrazen();
    PrepocitejOd(1);
    VyberPrvek(var_.cesta.Pocet());
    historie_->Nova(true);
    emit StavZmenen();
    return v;
}

VysledekSouboru TDokument::Uloz(const QString& soubor) {
    const VysledekSouboru v = UlozData(var_, soubor.toStdString());
    if (v.Ok()) {
        soubor_ = soubor;
        OznacUlozeno();
        emit StavZmenen();
    }
    return v;
}

int TDokument::ZobrazenyPrvek() const {
    return zobrazeny_ > 0 ? zobrazeny_ : var_.cesta.AktualniCislo();
}

void TDokument::NastavZobrazeny(int n) {
    zobrazeny_ = n;
    emit PrvekZobrazen();
}

void TDokument::VyberPrvek(int n) {
    var_.cesta.NajdiElement(n);
    emit Vybran(var_.cesta.AktualniCislo());
}

void TDokument::NastavTextAkce(const QString& text) {
    if (text == textAkce_) return;
    textAkce_ = text;
    emit AkceUpravena();
}

void TDokument::ObnovKrok(const std::shared_ptr<const SnimekVypoctu>& s, int aktualni) {
    const int od = PrvniZmena(var_.cesta, *s);
    Obnov(var_, *s, aktualni);
    emit Nahrazen();
    const int pocet = var_.cesta.Pocet();
    PrepocitejOd(std::clamp(od == 0 ? pocet : od, 1, pocet));
    // The element shown at that step, not the first one evaluated.
    VyberPrvek(aktualni);
}
