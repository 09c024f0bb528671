#include "ui/hlavni/Dokument.h"

#include <QFileInfo>
#include <algorithm>

#include "core/DrunVar.h"
#include "core/DrunVyp.h"
#include "core/Snimek.h"
#include "io/DataSoubor.h"
#include "io/Kodovani.h"
#include "io/RozvodSoubor.h"
#include "io/Zaloha.h"
#include "models/Tlumic.h"
#include "tools/Pozadavek.h"
#include "tools/UpravyRozvodu.h"
#include "ui/hlavni/Historie.h"

using namespace drun;

namespace {

bool JeSouborRozvodu(const QString& soubor) {
    return QFileInfo(soubor).suffix().compare(QStringLiteral("DRR"), Qt::CaseInsensitive) == 0;
}

} // namespace

TDokument::TDokument(DrunVar& var, QObject* parent) : QObject(parent), var_(var) {
    JedenUsek();
    historie_ = new THistorie(
        var_, [this](const SnimekDokumentu* p) { return Sejmi(p); },
        [this](const THistorie::Snimek& s, int aktualni) { ObnovKrok(s, aktualni); }, this);
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
    return !MaVetve() && var_.Akce.empty() && PrvniZmena(var_.cesta, drun::Sejmi(novy)) == 0;
}

bool TDokument::JeRozvod() const {
    return MaVetve() || JeSouborRozvodu(soubor_);
}

void TDokument::PrepocitejOd(int n) {
    drun::PrepocitejOd(var_, n);
    VezmiCestu();
    emit Prepocitano();
}

void TDokument::ZaznamenejKrok(const QString& text, int aktualniPred) {
    VezmiCestu();
    historie_->Zaznamenej(text, aktualniPred);
}

void TDokument::VezmiCestu() {
    if (!MaVetve()) JedenUsek();
}

void TDokument::OhlasDosah() {
    const int d = dosah_;
    dosah_ = 0;
    if (MaVetve() && d > 1) emit Dosazeno(d);
}

void TDokument::OznacUlozeno() {
    historie_->OznacUlozeno();
}

void TDokument::Novy(bool ulozeno) {
    ZalozVypocet(var_);
    soubor_.clear();
    rozvod_ = drun::Rozvod();
    JedenUsek();
    emit Nahrazen();
    PrepocitejOd(1);
    historie_->Nova(ulozeno);
    emit StavZmenen();
}

VysledekSouboru TDokument::Otevri(const QString& soubor) {
    if (JeSouborRozvodu(soubor)) {
        // Read aside: a file that cannot be read leaves everything as it was.
        drun::Rozvod r;
        VysledekSouboru v = NactiRozvod(soubor.toStdString(), var_.SouborTlumice, r);
        if (!v.Ok()) return v;
        rozvod_ = std::move(r);
        // A notice of the reader (a file without its end line) stays said.
        v.Zprava = "Rozvod přečten ze souboru " + soubor.toStdString() +
                   (v.Zprava.empty() ? "" : ". " + v.Zprava);
        size_t chybnych = 0;
        for (size_t u = 0; u < rozvod_.Useky().size(); ++u)
            chybnych += rozvod_.ChybaCesty(u);
        if (chybnych > 0)
            v.Zprava +=
                "; tlumič na cestě " + std::to_string(chybnych) +
                " úseků nelze spočítat z dat tlumičů: " + ProcTlumicNelze(var_.SouborTlumice);
        const auto& m = rozvod_.Mistnosti();
        usek_ = m.empty() ? 0 : m.front().Useky.front();
        soubor_ = soubor;
        UkazUsek(1);
        Otevreno();
        return v;
    }
    // A file that cannot be read leaves the calculation as it was.
    const int aktualni = var_.cesta.AktualniCislo();
    const SnimekVypoctu pred = drun::Sejmi(var_);
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
    rozvod_ = drun::Rozvod();
    JedenUsek();
    Otevreno();
    return v;
}

void TDokument::Otevreno(bool ulozeno) {
    // What is shown now is what the file holds.
    emit Nahrazen();
    PrepocitejOd(1);
    VyberPrvek(var_.cesta.Pocet());
    historie_->Nova(ulozeno);
    emit StavZmenen();
}

void TDokument::NovyRozvod(drun::Rozvod r) {
    rozvod_ = std::move(r);
    const auto& m = rozvod_.Mistnosti();
    usek_ = m.empty() ? 0 : m.front().Useky.front();
    soubor_.clear();
    UkazUsek(1);
    Otevreno(false);
}

void TDokument::NahradUseky(std::vector<drun::Usek> useky, const QString& krok) {
    NovaStruktura(std::move(useky), usek_, krok);
}

VysledekSouboru TDokument::Uloz(const QString& soubor) {
    VysledekSouboru v;
    if (JeSouborRozvodu(soubor)) {
        v = UlozRozvod(rozvod_, soubor.toStdString());
    } else if (MaVetve()) {
        v.Kod = KodVysledku::NelzeZapsat;
        v.Zprava = "Rozvod s větvemi lze uložit jen do souboru rozvodu (*.DRR). Cestu jednoho "
                   "úseku uložíte příkazem „Uložit cestu jako...“.";
        return v;
    } else {
        v = UlozData(var_, soubor.toStdString());
    }
    if (v.Ok()) {
        soubor_ = soubor;
        OznacUlozeno();
        emit StavZmenen();
    }
    return v;
}

VysledekSouboru TDokument::UlozCestu(const QString& soubor) {
    return UlozData(var_, soubor.toStdString());
}

VysledekSouboru TDokument::UlozZalohu(const std::string& drn, std::string& selhal) {
    // The path alone would lose every other branch.
    return drun::UlozZalohu(var_, MaVetve() ? &rozvod_ : nullptr, drn, selhal);
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

int TDokument::NapajiMistnosti(int n) const {
    if (n < 1 || size_t(n) > poradi_.size()) return 0;
    const auto [u, k] = poradi_[size_t(n - 1)];
    return rozvod_.NapajeneMistnosti(u, k);
}

int TDokument::PrvniUsekMistnosti(int mistnost) const {
    const auto& m = rozvod_.Mistnosti();
    return mistnost >= 0 && size_t(mistnost) < m.size() ? int(m[size_t(mistnost)].Useky.front())
                                                        : -1;
}

void TDokument::VyberUsek(size_t u) {
    if (u >= rozvod_.Useky().size() || u == usek_) return;
    usek_ = u;
    UkazUsek(1);
    emit Nahrazen();
    PrepocitejOd(1);
    VyberPrvek(var_.cesta.Pocet());
}

void TDokument::UkazUsek(int aktualni) {
    var_.cesta.NastavPrvky(rozvod_.PrvkyCesty(usek_));
    var_.cesta.NajdiElement(aktualni);
    var_.Akce = rozvod_.Akce;
    poradi_ = rozvod_.PoradiCesty(usek_);
    // The room's requirement is the path's; a room of a rozvod without one has none.
    if (const int m = rozvod_.MistnostUseku(usek_); m >= 0 && JeRozvod()) {
        const auto p = PozadavekZTextu(rozvod_.Mistnosti()[size_t(m)].Pozadavek);
        var_.Pozadavek = p ? *p : NulaSpektrum();
    }
}

void TDokument::JedenUsek() {
    drun::Usek u;
    u.Id = 1;
    // A room keeps the name and requirement the rozvod gave it.
    if (rozvod_.Useky().size() == 1) {
        const drun::Usek& byl = rozvod_.Useky().front();
        u.Id = byl.Id;
        u.Mistnost = byl.Mistnost;
        u.Pozadavek = byl.Pozadavek;
    }
    for (int i = 1; i <= var_.cesta.Pocet(); ++i)
        u.Prvky.push_back(var_.cesta.Prvek(i));
    std::vector<drun::Usek> useky{std::move(u)};
    PojmenujMistnosti(useky);
    rozvod_.Akce = var_.Akce;
    rozvod_.NastavUseky(std::move(useky));
    usek_ = 0;
    poradi_ = rozvod_.PoradiCesty(0);
}

std::pair<size_t, int> TDokument::MistoZa(int n) const {
    // Behind the path's end: the section shown goes on, even when it has no
    // element of its own yet.
    if (n >= int(poradi_.size())) return {usek_, int(rozvod_.Useky()[usek_].Prvky.size())};
    return poradi_[size_t(std::max(n, 1) - 1)];
}

std::vector<size_t> TDokument::VetveZa(int n) const {
    std::vector<size_t> vetve;
    if (n < 1 || size_t(n) > poradi_.size()) return vetve;
    const auto [u, k] = poradi_[size_t(n - 1)];
    for (size_t s = 0; s < rozvod_.Useky().size(); ++s)
        if (rozvod_.Useky()[s].Rodic == rozvod_.Useky()[u].Id &&
            rozvod_.Useky()[s].ZaElementem == k)
            vetve.push_back(s);
    return vetve;
}

void TDokument::Zmeneno(const QString& krok, int pred, int aktualni) {
    UkazUsek(aktualni);
    drun::PrepocitejOd(var_, 1);
    var_.cesta.NajdiElement(aktualni);
    emit Prepocitano();
    historie_->Zaznamenej(krok, pred);
    OhlasDosah();
}

void TDokument::VlozZa(int n, const TElementSite& e, const QString& krok, bool pokracovani) {
    VezmiCestu();
    const int pred = ZobrazenyPrvek();
    auto [u, k] = MistoZa(n);
    if (pokracovani && n < int(poradi_.size()) && poradi_[size_t(n)].first != u) {
        // The path shown goes on in a branch: its start is the continuation.
        u = poradi_[size_t(n)].first, k = 0;
        pokracovani = false;
    }
    if (e.Typ() == TypMistnost || pokracovani) {
        std::vector<drun::Usek> useky = rozvod_.Useky();
        // A room ends a path: in a rozvod with branches it ends the section shown.
        if (e.Typ() == TypMistnost && MaVetve()) u = usek_, k = int(useky[usek_].Prvky.size());
        VlozDoPokracovani(useky, u, k, e);
        if (e.Typ() == TypMistnost) {
            // The room is named by its description; none: a name of its own.
            if (KonciMistnosti(useky[u])) useky[u].Mistnost = e.Popis;
            PojmenujMistnosti(useky);
            if (JeRozvod() && MaPozadavek(var_.Pozadavek) && useky[u].Pozadavek.empty())
                useky[u].Pozadavek = TextPozadavku(var_.Pozadavek);
        }
        rozvod_.NastavUseky(std::move(useky));
        dosah_ = e.Typ() == TypMistnost ? 1 : rozvod_.NapajeneMistnosti(u, k + 1);
    } else {
        dosah_ = rozvod_.VlozPrvek(u, k, e);
    }
    // The new element's place in the path shown.
    poradi_ = rozvod_.PoradiCesty(usek_);
    int nove = n + 1;
    for (size_t i = 0; i < poradi_.size(); ++i)
        if (poradi_[i] == std::pair{u, k + 1}) nove = int(i) + 1;
    Zmeneno(krok, pred, nove);
}

void TDokument::VlozDoUseku(size_t u, int k, const TElementSite& e, const QString& krok) {
    VezmiCestu();
    const int pred = ZobrazenyPrvek();
    dosah_ = rozvod_.VlozPrvek(u, k, e);
    Zmeneno(krok, pred, pred);
}

void TDokument::ZmenPrvek(int n, const TElementSite& e, const QString& krok) {
    VezmiCestu();
    if (n < 1 || size_t(n) > poradi_.size()) return;
    const int pred = ZobrazenyPrvek();
    const auto [u, k] = poradi_[size_t(n - 1)];
    const drun::Usek& s = rozvod_.Useky()[u];
    if (e.Typ() == TypMistnost && !e.Popis.empty() && e.Popis != s.Mistnost &&
        size_t(k) == s.Prvky.size()) {
        // A room described anew is renamed: one name, one step.
        std::vector<drun::Usek> useky = rozvod_.Useky();
        useky[u].Prvky[size_t(k - 1)] = e;
        useky[u].Mistnost = e.Popis;
        rozvod_.NastavUseky(std::move(useky));
        dosah_ = 1;
    } else {
        dosah_ = rozvod_.ZmenPrvek(u, k, e);
    }
    Zmeneno(krok, pred, n);
}

void TDokument::VypustPrvek(int n, const QString& krok) {
    VezmiCestu();
    if (n < 2 || size_t(n) > poradi_.size()) return;
    const auto [u, k] = poradi_[size_t(n - 1)];
    dosah_ = rozvod_.NapajeneMistnosti(u, k);
    std::vector<drun::Usek> useky = rozvod_.Useky();
    VypustZUseku(useky, u, k);
    rozvod_.NastavUseky(std::move(useky));
    Zmeneno(krok, n, n - 1);
}

void TDokument::ZmenAkci(const std::string& akce) {
    var_.Akce = PrvnichZnaku(akce, MaxDelkaAkce);
    rozvod_.Akce = var_.Akce;
    historie_->Zaznamenej(QStringLiteral("Změnit akci"), ZobrazenyPrvek());
}

void TDokument::NovaStruktura(std::vector<drun::Usek> useky, size_t usek, const QString& krok) {
    const int pred = ZobrazenyPrvek();
    rozvod_.NastavUseky(std::move(useky));
    usek_ = std::min(usek, rozvod_.Useky().size() - 1);
    UkazUsek(1);
    emit Nahrazen();
    PrepocitejOd(1);
    VyberPrvek(var_.cesta.Pocet());
    historie_->Zaznamenej(krok, pred);
}

QString TDokument::NovaVetev(int n) {
    if (n < 1 || n > var_.cesta.Pocet())
        return QStringLiteral("Vyberte element, za kterým větev začne.");
    const auto [s, k] = poradi_[size_t(n - 1)];
    std::vector<drun::Usek> useky = rozvod_.Useky();
    if (const std::string c = ChybaVetve(useky, s, k); !c.empty()) return QString::fromStdString(c);
    // The room shown keeps the requirement it was calculated with.
    if (const int m = rozvod_.MistnostUseku(usek_);
        m >= 0 && useky[usek_].Pozadavek.empty() && MaPozadavek(var_.Pozadavek) &&
        rozvod_.Mistnosti()[size_t(m)].Pozadavek.empty())
        useky[usek_].Pozadavek = TextPozadavku(var_.Pozadavek);
    const size_t nova = drun::NovaVetev(useky, s, k);
    NovaStruktura(std::move(useky), nova,
                  QStringLiteral("Nová větev za elementem ") + QString::number(n));
    return {};
}

QString TDokument::OdstranUsek(size_t u) {
    if (u == 0) return QStringLiteral("První úsek (se zdrojem) nelze odstranit.");
    std::vector<drun::Usek> useky = rozvod_.Useky();
    const int id = useky[u].Id;
    // The section shown stays when it is not among those removed, else its parent.
    const std::vector<size_t> pryc = rozvod_.Vetve(u);
    size_t zobrazit = usek_;
    if (std::find(pryc.begin(), pryc.end(), usek_) != pryc.end())
        zobrazit = size_t(rozvod_.Index(useky[u].Rodic));
    const int idZobrazeneho = useky[zobrazit].Id;
    drun::OdstranVetev(useky, u);
    size_t novy = 0;
    for (size_t i = 0; i < useky.size(); ++i)
        if (useky[i].Id == idZobrazeneho) novy = i;
    NovaStruktura(std::move(useky), novy, QStringLiteral("Odstranit úsek ") + QString::number(id));
    return {};
}

QString TDokument::KopirujUsek(size_t u, const QString& jmeno) {
    if (u == 0) return QStringLiteral("První úsek (se zdrojem) nelze kopírovat.");
    std::vector<drun::Usek> useky = rozvod_.Useky();
    const int id = useky[u].Id;
    const size_t kopie = drun::KopirujUsek(useky, u);
    // The copy's room under the name given.
    if (!jmeno.trimmed().isEmpty() && !useky[kopie].Mistnost.empty()) {
        if (const QString c = ChybaJmena(jmeno); !c.isEmpty()) return c;
        if (const std::string c = PrejmenujMistnost(useky, kopie, jmeno.trimmed().toStdString());
            !c.empty())
            return QString::fromStdString(c);
    }
    NovaStruktura(std::move(useky), kopie, QStringLiteral("Kopírovat úsek ") + QString::number(id));
    return {};
}

QString TDokument::ChybaJmena(const QString& jmeno) {
    // A name as the rozvod's file holds it; the room element's description
    // carries it into a path's file.
    if (const std::string c = ChybaNazvu(jmeno.trimmed().toStdString());
        !c.empty() && !jmeno.trimmed().isEmpty())
        return QStringLiteral("Neplatné jméno místnosti: ") + QString::fromStdString(c) +
               QLatin1Char('.');
    if (!JeRadekCp1250(jmeno.trimmed().toStdString()))
        return QStringLiteral("Jméno místnosti smí obsahovat jen znaky, které uloží soubor "
                              "výpočtu (kódování Windows-1250).");
    return {};
}

QString TDokument::PrejmenujUsek(size_t u, const QString& jmeno) {
    if (const QString c = ChybaJmena(jmeno); !c.isEmpty()) return c;
    std::vector<drun::Usek> useky = rozvod_.Useky();
    if (const std::string c = PrejmenujMistnost(useky, u, jmeno.trimmed().toStdString());
        !c.empty())
        return QString::fromStdString(c);
    const QString krok = QStringLiteral("Přejmenovat úsek ") + QString::number(useky[u].Id);
    NovaStruktura(std::move(useky), usek_, krok);
    return {};
}

void TDokument::PozadavekZmenen() {
    const int m = rozvod_.MistnostUseku(usek_);
    if (m < 0 || !JeRozvod()) return;
    std::vector<drun::Usek> useky = rozvod_.Useky();
    // One text for the room, on the section shown.
    for (size_t s : rozvod_.Mistnosti()[size_t(m)].Useky)
        useky[s].Pozadavek.clear();
    if (MaPozadavek(var_.Pozadavek)) useky[usek_].Pozadavek = TextPozadavku(var_.Pozadavek);
    rozvod_.NastavUseky(std::move(useky));
    historie_->Zaznamenej(QStringLiteral("Změnit požadavek"), ZobrazenyPrvek());
}

SnimekDokumentu TDokument::Sejmi(const SnimekDokumentu* predchozi) const {
    return {SejmiRozvod(rozvod_, predchozi ? &predchozi->Rozvod : nullptr), usek_};
}

void TDokument::ObnovKrok(const std::shared_ptr<const SnimekDokumentu>& s, int aktualni) {
    rozvod_.NastavUseky(UsekySnimku(s->Rozvod));
    rozvod_.Akce = s->Rozvod.Akce;
    usek_ = std::min(s->Usek, rozvod_.Useky().size() - 1);
    UkazUsek(aktualni);
    emit Nahrazen();
    PrepocitejOd(1);
    // The element shown at that step, not the first one evaluated.
    VyberPrvek(aktualni);
}
