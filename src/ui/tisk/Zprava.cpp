#include "ui/tisk/Zprava.h"

#include <QByteArray>
#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>
#include <optional>
#include <unordered_map>

#include "core/Cisla.h"
#include "core/DrunVar.h"
#include "core/Soubory.h"
#include "io/Zprava.h"
#include "tools/Pozadavek.h"
#include "ui/tisk/GrafPrvky.h"

using namespace drun;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A font with its measures on the device.
struct Pismo {
    Pismo(double body, bool tucne, bool kurziva, QPaintDevice* z)
        : font(Font(body, tucne, kurziva)), m(font, z) {}
    static QFont Font(double body, bool tucne, bool kurziva) {
        QFont f;
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(body);
        f.setBold(tucne);
        f.setItalic(kurziva);
        return f;
    }
    QFont font;
    QFontMetricsF m;
    // Widths measured once: the tables repeat the same numbers many times.
    double Sirka(const QString& t) const {
        const auto it = sirky.find(t);
        if (it != sirky.end()) return it->second;
        return sirky.emplace(t, m.horizontalAdvance(t)).first->second;
    }
    mutable std::unordered_map<QString, double> sirky;
};

// A column of a table, in millimetres from the left edge; numbers to the right.
struct Sloupec {
    double x, sirka;
    bool vpravo;
};

// The bands' columns after the first `sirka` millimetres of a 190 mm table.
std::vector<Sloupec> SloupcePasem(std::vector<Sloupec> pred) {
    double x = pred.empty() ? 0 : pred.back().x + pred.back().sirka;
    const double sirka = (190 - x) / (PocetPasem + 1);
    for (int i = 0; i <= PocetPasem; ++i, x += sirka)
        pred.push_back({x, sirka, true});
    return pred;
}

// Lays the report out page by page. Without a painter it only counts the
// pages, so that the drawing pass can number them "strana N z M".
class Sazba {
  public:
    Sazba(QPagedPaintDevice& z, QPainter* p, const ObsahZpravy& o, int stranek)
        : z_(z), p_(p), o_(o), stranek_(stranek), mm_(z.logicalDpiY() / 25.4),
          text_(9, false, false, &z), tucny_(9, true, false, &z), tabulka_(8, false, false, &z),
          tabulkaTucne_(8, true, false, &z), kurziva_(8, false, true, &z),
          nadpis_(13, true, false, &z), titul_(18, true, false, &z) {
        sirka_ = z.width();
        spodek_ = z.height() - 9 * mm_;
        radek_ = tabulka_.m.lineSpacing() * 1.3;
    }

    int Kresli() {
        Zahlavi();
        Titul();
        Souhrn();
        Spektra();
        Grafy();
        for (size_t i = 0; i < o_.Cesty.size(); ++i)
            for (size_t c = 0; c < o_.Cesty[i].size(); ++c)
                Cesta(i, c);
        Zapati();
        return stranka_;
    }

    bool Ok() const { return ok_; }

  private:
    QPagedPaintDevice& z_;
    QPainter* p_;
    const ObsahZpravy& o_;
    int stranek_;
    double mm_;
    Pismo text_, tucny_, tabulka_, tabulkaTucne_, kurziva_, nadpis_, titul_;
    double sirka_, spodek_, radek_, telo_ = 0, y_ = 0;
    int stranka_ = 1;
    bool ok_ = true;
    // Built on the first chart drawn.
    std::unique_ptr<QChart> graf_;
    std::optional<SpektrumProtiPozadavku> serie_;
    // What the painter holds now (-1: unknown).
    const Pismo* pismo_ = nullptr;
    int akcent_ = -1;

    // The text at x (device units), its top at y; to the left of x + sirka when `vpravo`.
    void Napis(const Pismo& f, double x, double y, const QString& t, double sirka = 0,
               bool vpravo = false, bool akcent = false) {
        if (!p_ || t.isEmpty()) return;
        QString s = t;
        double w = f.Sirka(s);
        if (sirka > 0 && w > sirka) {
            s = f.m.elidedText(s, Qt::ElideRight, sirka);
            w = f.m.horizontalAdvance(s);
        }
        const double tx = vpravo ? x + sirka - w : x;
        // The painter's state changes only when it must: each change costs the PDF.
        if (pismo_ != &f) p_->setFont(f.font);
        pismo_ = &f;
        if (akcent_ != int(akcent)) p_->setPen(akcent ? BarvaPrekroceni : QColor(Qt::black));
        akcent_ = akcent;
        p_->drawText(QPointF(tx, y + f.m.ascent()), s);
    }

    void Cara(double y, double tloustka = 0.15) {
        if (!p_) return;
        p_->setPen(QPen(Qt::black, tloustka * mm_));
        akcent_ = -1;
        p_->drawLine(QPointF(0, y), QPointF(sirka_, y));
    }

    void Zahlavi() {
        Napis(kurziva_, 0, 0, QStringLiteral("Akce: ") + Q(o_.Akce), sirka_ * 0.65);
        Napis(kurziva_, sirka_ * 0.65, 0, Q(o_.Titul), sirka_ * 0.35, true);
        const double pod = kurziva_.m.lineSpacing() + 1 * mm_;
        Cara(pod);
        telo_ = y_ = pod + 4 * mm_;
    }

    void Zapati() {
        const double y = spodek_ + 3 * mm_;
        Cara(y - 1 * mm_);
        Napis(kurziva_, 0, y, Q(o_.Soubor), sirka_ * 0.7);
        Napis(kurziva_, sirka_ * 0.7, y,
              QStringLiteral("strana %1 z %2").arg(stranka_).arg(stranek_), sirka_ * 0.3, true);
    }

    void NovaStranka() {
        Zapati();
        if (p_ && !z_.newPage()) ok_ = false;
        pismo_ = nullptr;
        akcent_ = -1;
        ++stranka_;
        Zahlavi();
    }

    // Room for `vyska` below, else a new page.
    void Misto(double vyska) {
        if (y_ + vyska > spodek_ && y_ > telo_) NovaStranka();
    }

    void Nadpis(const QString& t) {
        Misto(nadpis_.m.lineSpacing() + 4 * radek_);
        Napis(nadpis_, 0, y_, t, sirka_);
        y_ += nadpis_.m.lineSpacing() + 2 * mm_;
    }

    // One row of a table; `akcent` marks the cells of failing values.
    void Radek(const std::vector<Sloupec>& s, const std::vector<QString>& texty, const Pismo& f,
               const std::vector<char>& akcent = {}) {
        for (size_t i = 0; i < s.size() && i < texty.size(); ++i) {
            const bool a = i < akcent.size() && akcent[i];
            Napis(a ? tabulkaTucne_ : f, s[i].x * mm_ + (s[i].vpravo ? 0 : 0.5 * mm_), y_, texty[i],
                  s[i].sirka * mm_ - 1 * mm_, s[i].vpravo, a);
        }
        y_ += radek_;
    }

    // The column heads, a rule under them.
    void Hlavicka(const std::vector<Sloupec>& s, const std::vector<QString>& texty) {
        Radek(s, texty, tabulkaTucne_);
        Cara(y_ - 0.25 * radek_, 0.2);
    }

    // A row that must fit the page, the heads again on a new one.
    void RadekSHlavickou(const std::vector<Sloupec>& s, const std::vector<QString>& hlavicka,
                         const std::vector<QString>& texty, const std::vector<char>& akcent = {},
                         const Pismo* f = nullptr) {
        if (y_ + radek_ > spodek_) {
            NovaStranka();
            Hlavicka(s, hlavicka);
        }
        Radek(s, texty, f ? *f : tabulka_, akcent);
    }

    static std::vector<QString> HlavickaPasem(const QString& prvni, const QString& druhy = {}) {
        std::vector<QString> h{prvni};
        if (!druhy.isNull()) h.push_back(druhy);
        for (int i = 0; i <= PocetPasem; ++i)
            h.push_back(NazevPasma(i));
        return h;
    }

    // The nine values, failing bands marked against `pozadavek`.
    static void PridejHodnoty(const Spectrum& s, const Spectrum* pozadavek,
                              std::vector<QString>& texty, std::vector<char>& akcent) {
        for (int i = 0; i <= LA; ++i) {
            texty.push_back(Q(FormatHodnota(s[size_t(i)])));
            akcent.push_back(pozadavek && i < PocetPasem && Prekroceno(s, *pozadavek, i));
        }
    }

    void Titul() {
        Napis(titul_, 0, y_, Q(o_.Titul), sirka_);
        y_ += titul_.m.lineSpacing() + 4 * mm_;
        const std::pair<const char*, std::string> polozky[] = {{"Akce:", o_.Akce},
                                                               {"Soubor:", o_.Soubor},
                                                               {"Datum:", o_.Datum},
                                                               {"Program:", "DRUN " DRUN_VERZE},
                                                               {"Zpracoval:", o_.Autor}};
        for (const auto& [nazev, hodnota] : polozky) {
            Napis(tucny_, 0, y_, QString::fromUtf8(nazev), 30 * mm_);
            Napis(text_, 30 * mm_, y_, Q(hodnota), sirka_ - 30 * mm_);
            y_ += text_.m.lineSpacing() * 1.2;
        }
        y_ += 8 * mm_;
    }

    void Souhrn() {
        Nadpis(QStringLiteral("Souhrn místností"));
        const std::vector<Sloupec> s{{0, 50, false},   {50, 12, true},   {62, 13, true},
                                     {75, 12, true},   {87, 13, true},   {100, 14, false},
                                     {114, 28, false}, {142, 13, false}, {155, 15, true},
                                     {170, 20, false}};
        const auto radky = SouhrnZpravy(o_);
        std::vector<QString> hlavicka;
        for (const std::string& t : radky.front())
            hlavicka.push_back(Q(t));
        Hlavicka(s, hlavicka);
        for (size_t i = 1; i < radky.size(); ++i) {
            std::vector<QString> texty;
            for (const std::string& t : radky[i])
                texty.push_back(Q(t));
            const bool spatne = o_.Prehled.Mistnosti[i - 1].Stav != StavMistnosti::Vyhovi;
            std::vector<char> akcent(s.size(), 0);
            akcent[8] = akcent[9] = spatne;
            RadekSHlavickou(s, hlavicka, texty, akcent);
        }
        Cara(y_ - 0.25 * radek_, 0.2);
        y_ += 1 * mm_;
        Misto(radek_);
        Napis(tucny_, 0, y_, Q(NevyhoviZpravy(o_)), sirka_);
        y_ += text_.m.lineSpacing() + 8 * mm_;
    }

    void Spektra() {
        Nadpis(QStringLiteral("Spektra v místnostech (dB)"));
        Napis(kurziva_, 0, y_,
              QStringLiteral("Tučně a barevně: pásma, v nichž hladina překračuje požadavek "
                             "místnosti."),
              sirka_);
        y_ += kurziva_.m.lineSpacing() + 1 * mm_;
        const std::vector<Sloupec> s = SloupcePasem({{0, 46, false}});
        const std::vector<QString> hlavicka = HlavickaPasem(QStringLiteral("Místnost"));
        Hlavicka(s, hlavicka);
        for (size_t i = 0; i < o_.Mistnosti.Mistnosti.size(); ++i) {
            const PrehledMistnosti& r = o_.Prehled.Mistnosti[i];
            std::vector<QString> texty{Q(o_.Mistnosti.Mistnosti[i].Nazev)};
            std::vector<char> akcent{0};
            if (r.Stav == StavMistnosti::Chyba) {
                texty.push_back(QStringLiteral("nelze spočítat"));
                akcent.push_back(1);
                RadekSHlavickou({s[0], {s[1].x, 190 - s[1].x, false}}, hlavicka, texty, akcent);
                continue;
            }
            PridejHodnoty(r.Soucet.Soucet, &r.Soucet.Pozadavek, texty, akcent);
            RadekSHlavickou(s, hlavicka, texty, akcent);
        }
        Cara(y_ - 0.25 * radek_, 0.2);
    }

    void Graf(size_t i, const QRectF& cil) {
        if (!p_) return;
        if (!graf_) {
            graf_.reset(NovyGraf({}));
            serie_ = PridejSpektrum(graf_.get(), QStringLiteral("Spektrum v místnosti"));
        }
        const VysledekSouctu& v = o_.Prehled.Mistnosti[i].Soucet;
        // Only the bands that fail are marked, as in the tables.
        Spectrum znacky{};
        for (int k = 0; k < PocetPasem; ++k)
            znacky[size_t(k)] = Prekroceno(v.Soucet, v.Pozadavek, k) ? 1 : -1;
        graf_->setTitle(TextGrafu(Q(o_.Mistnosti.Mistnosti[i].Nazev) + QStringLiteral(" – ") +
                                  Hodnoceni(v.Soucet)));
        KresliProtiPozadavku(*serie_, v.Soucet, v.Pozadavek, znacky, v.Soucet[0], v.Soucet[0]);
        // The legend takes the curves' new names from posted events.
        QCoreApplication::sendPostedEvents();
        VykresliGraf(*p_, graf_.get(), cil);
        pismo_ = nullptr;
        akcent_ = -1;
    }

    void Grafy() {
        NovaStranka();
        Nadpis(QStringLiteral("Grafy místností"));
        const double vyska = (spodek_ - y_) / 3;
        for (size_t i = 0; i < o_.Prehled.Mistnosti.size(); ++i) {
            if (o_.Prehled.Mistnosti[i].Stav == StavMistnosti::Chyba) continue;
            if (y_ + vyska > spodek_ + 1) NovaStranka();
            Graf(i, QRectF(0, y_, sirka_, vyska - 2 * mm_));
            y_ += vyska;
        }
    }

    void Cesta(size_t i, size_t ci) {
        const MistnostProjektu& m = o_.Mistnosti.Mistnosti[i];
        const CestaZpravy& c = o_.Cesty[i][ci];
        NovaStranka();
        const QString nazev = Q(m.Nazev);
        Napis(nadpis_, 0, y_, nazev, sirka_);
        y_ += nadpis_.m.lineSpacing() + 1 * mm_;
        QString popis = (o_.Rozvod ? QString() : QStringLiteral("cesta ")) + Q(c.Nazev);
        if (!c.Akce.empty()) popis += QStringLiteral(" (") + Q(c.Akce) + QStringLiteral(")");
        popis += QStringLiteral(" – požadavek ") +
                 (m.Pozadavek.empty() ? QStringLiteral("žádný") : Q(m.Pozadavek));
        if (o_.Cesty[i].size() > 1)
            popis += QStringLiteral(" – %1. z %2 %3 místnosti")
                         .arg(ci + 1)
                         .arg(o_.Cesty[i].size())
                         .arg(o_.Rozvod ? QStringLiteral("úseků") : QStringLiteral("cest"));
        Napis(text_, 0, y_, popis, sirka_);
        y_ += text_.m.lineSpacing() + 3 * mm_;
        if (!c.Chyba.empty()) {
            Napis(tucny_, 0, y_, Q(c.Chyba), sirka_, false, true);
            y_ += text_.m.lineSpacing();
            return;
        }

        const std::vector<Sloupec> s = SloupcePasem({{0, 8, true}, {8, 44, false}});
        const std::vector<QString> hlavicka =
            HlavickaPasem(QStringLiteral("Č."), QStringLiteral("Element"));
        Hlavicka(s, hlavicka);
        const double zaver = 4 * radek_ + 3 * mm_;
        for (size_t n = 0; n < c.Prvky.size(); ++n) {
            const PrvekZpravy& e = c.Prvky[n];
            const double blok = radek_ * double(1 + e.Spektra.size()) + 1 * mm_;
            // The last element keeps the closing block company.
            if (y_ + blok + (n + 1 == c.Prvky.size() ? zaver : 0) > spodek_) {
                NovaStranka();
                Napis(kurziva_, 0, y_, nazev + QStringLiteral(" – pokračování"), sirka_);
                y_ += kurziva_.m.lineSpacing() + 1 * mm_;
                Hlavicka(s, hlavicka);
            }
            const QString sdileny =
                e.Mistnosti > 1 ? QStringLiteral("společný pro %1 místností").arg(e.Mistnosti)
                                : QString();
            const double poznamka = sdileny.isEmpty() ? 0 : kurziva_.m.horizontalAdvance(sdileny);
            Napis(tabulkaTucne_, 0, y_, QString::number(e.Cislo), s[0].sirka * mm_ - 1 * mm_, true);
            Napis(tabulkaTucne_, s[1].x * mm_ + 0.5 * mm_, y_, Q(e.Nazev),
                  sirka_ - s[1].x * mm_ - poznamka - 3 * mm_);
            Napis(kurziva_, sirka_ - poznamka, y_, sdileny, poznamka, true);
            y_ += radek_;
            for (const auto& [popisek, hodnoty] : e.Spektra) {
                std::vector<QString> texty{{}, QStringLiteral("   ") + QString::fromUtf8(popisek)};
                std::vector<char> akcent{0, 0};
                PridejHodnoty(hodnoty, nullptr, texty, akcent);
                Radek(s, texty, tabulka_, akcent);
            }
            y_ += 1 * mm_;
        }
        Cara(y_ - 0.5 * mm_, 0.2);
        y_ += 1 * mm_;
        const std::pair<QString, const Spectrum*> zaverecne[] = {
            {QStringLiteral("Výsledek"), &c.Vysledek},
            {QStringLiteral("Požadavek"), &c.Pozadavek},
            {QStringLiteral("Rozdíl"), &c.Rozdil}};
        QStringList spatne;
        for (int k = 0; k < PocetPasem; ++k)
            if (Prekroceno(c.Vysledek, c.Pozadavek, k)) spatne << NazevPasma(k);
        for (const auto& [popisek, hodnoty] : zaverecne) {
            std::vector<QString> texty{{}, popisek};
            std::vector<char> akcent{0, 0};
            const bool znac = hodnoty != &c.Pozadavek;
            for (int k = 0; k <= LA; ++k) {
                texty.push_back(Q(FormatHodnota((*hodnoty)[size_t(k)])));
                akcent.push_back(znac && k < PocetPasem && Prekroceno(c.Vysledek, c.Pozadavek, k));
            }
            Radek(s, texty, tabulkaTucne_, akcent);
        }
        const QString verdikt =
            !MaPozadavek(c.Pozadavek) ? QStringLiteral("Místnost nemá požadavek.")
            : spatne.isEmpty()        ? QStringLiteral("Cesta požadavku vyhoví.")
                                      : QStringLiteral("Cesta požadavku nevyhoví v pásmech ") +
                                     spatne.join(QStringLiteral(", ")) + QLatin1Char('.');
        Napis(tucny_, 0, y_ + 1 * mm_, verdikt, sirka_, false, !spatne.isEmpty());
        y_ += text_.m.lineSpacing() + 1 * mm_;
    }
};

} // namespace

VysledekPdf VykresliZpravu(QPagedPaintDevice& zarizeni, const ObsahZpravy& z) {
    VysledekPdf v;
    // First the pages are counted, then drawn with their number of pages.
    const int stranek = Sazba(zarizeni, nullptr, z, 0).Kresli();
    QPainter p;
    if (!p.begin(&zarizeni)) return v;
    Sazba sazba(zarizeni, &p, z, stranek);
    v.Stranek = sazba.Kresli();
    v.Ok = p.end() && sazba.Ok() && v.Stranek == stranek;
    return v;
}

VysledekPdf ZpravaPdf(const ObsahZpravy& z, QByteArray& pdf) {
    VysledekPdf v;
    VytvorPdf(
        Q(z.Titul + " – " + z.Akce),
        [&](QPagedPaintDevice& d) {
            v = VykresliZpravu(d, z);
            return v.Ok;
        },
        pdf);
    return v;
}

bool UlozZpravu(const ObsahZpravy& z, const std::string& soubor) {
    QByteArray pdf;
    if (!ZpravaPdf(z, pdf).Ok) return false;
    return ZapisAtomicky(soubor, pdf.toStdString());
}
