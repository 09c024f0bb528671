#pragma once

#include <QGraphicsObject>
#include <QWidget>
#include <string>
#include <vector>

#include "io/SoucetCest.h"
#include "tools/Soucet.h"
#include "ui/tisk/GrafPrvky.h"

class QChart;
class QChartView;
class QLineSeries;
class QPagedPaintDevice;
class QPushButton;
class QScatterSeries;
class QTableWidget;
class QValueAxis;
class TDokument;
class TPozadavekForm;

// The lines of many paths as one item under the series, painted into a
// pixmap once and again only when they, the plot area or the axes change, so
// that a change of the sum does not repaint thousands of lines.
class TVrstvaCest : public QGraphicsObject {
  public:
    // `mapa`: a series over both axes, whose values the lines are mapped as.
    TVrstvaCest(QChart* graf, QLineSeries* mapa);
    void Nastav(std::vector<drun::Spectrum> konce);
    size_t Pocet() const { return konce_.size(); }
    QRectF boundingRect() const override { return obdelnik_; }
    void paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) override;

  private:
    void Prekresli();
    QChart* graf_;
    QLineSeries* mapa_;
    std::vector<drun::Spectrum> konce_;
    QRectF obdelnik_;
};

// The sum's chart, in the style of the "Graf" window: each path's end
// spectrum, the sum, its requirement and the sum's NR curve. The chart is the
// caller's to own (a view takes it over, or a document deletes it).
struct TGrafSouctu {
    TGrafSouctu();
    // Up to this many paths after the first are series with their names in
    // the legend; more are drawn as one layer with one legend entry.
    static constexpr size_t MaloCest = 30;
    // Every path that was read, and the sum.
    void Kresli(const std::vector<drun::CestaSouctu>& cesty, const drun::VysledekSouctu& v);
    // The first path (one that was read) and the sum again; the other paths
    // stay as last drawn.
    void KresliPrvni(const drun::CestaSouctu& prvni, const drun::VysledekSouctu& v);
    // The sum against its requirement, its ratings in the title.
    void KresliSoucet(const drun::VysledekSouctu& v, double min, double max);

    QChart* Graf;
    SpektrumProtiPozadavku Soucet;
    std::vector<QLineSeries*> CestySerie;
    TVrstvaCest* Vrstva;
    QLineSeries* DalsiCesty; // the layer's legend entry, no points

  private:
    // The range of the paths after the first, for the level axis.
    double minOstatnich_ = 0, maxOstatnich_ = 0;
};

// "Součet cest": the end spectra of several paths into one room added up and
// set against the sum's own requirement. The current calculation is always the
// first row and follows every change, which redraws that row and the sum
// alone; the other rows are calculation files, read once whenever the window
// is shown, a set is opened and on "Obnovit". Modeless.
class TSoucetForm : public QWidget {
    Q_OBJECT
  public:
    TSoucetForm(TDokument& dokument, QWidget* rodic);

    // Columns of both tables: file, Akce, eight bands, L(A), NR.
    static constexpr int SloupecAkce = 1, SloupecPasma = 2, SloupecLA = 10, SloupecNR = 11;
    // Rows of the lower table.
    static constexpr int RadekSoucet = 0, RadekPozadavek = 1, RadekRozdil = 2;

    QTableWidget* CestyListBox;  // row 0 "Aktuální výpočet", then the files
    QTableWidget* SoucetListBox; // "Součet", "Požadavek", "Rozdíl"
    QPushButton *PridatBtn, *OdebratBtn, *ObnovitBtn, *PozadavekBtn, *OtevritSaduBtn,
        *UlozitSaduBtn, *TiskBtn, *PdfBtn;
    TPozadavekForm* PozadavekForm;
    TGrafSouctu Graf;
    QChartView* GrafView;

    // The paths as summed: the current calculation first (unless a room of a
    // project is shown), then the files.
    std::vector<drun::CestaSouctu> Cesty() const;
    const drun::VysledekSouctu& Vysledek() const { return vysledek_; }
    // The files of the set (absolute paths), in their order.
    std::vector<std::string> Soubory() const;
    // The sum's requirement: the calculation's until one of its own is given.
    drun::Spectrum Pozadavek() const;
    bool VlastniPozadavek() const { return vlastniPozadavek_; }

    // The printed page of the sum: protocol-style lines.
    std::vector<std::string> TextTisku(const std::string& datum) const;
    // The printed page and then the chart page, on a printer set up by the caller.
    bool VykresliTisk(QPagedPaintDevice& zarizeni);

    bool SAktualnim() const { return sAktualnim_; }

  public slots:
    // The sum with the current calculation.
    void Zobraz();
    // A room of a project: its files and requirement alone.
    void ZobrazMistnost(const QString& nazev, const std::vector<std::string>& soubory,
                        const drun::Spectrum& pozadavek);
    void PridejSoubory(const QStringList& soubory);
    void PridatBtnClick();
    void OdebratBtnClick(); // the selected row; the current calculation stays
    // Reads every file again, then sums.
    void Obnov();
    // Sums what is held and shows every row; the current calculation as it is now.
    void Prepocitej();
    // The current calculation changed: its row, the sum and their lines only.
    void PrepocitejAktualni();
    void PozadavekBtnClick();
    bool UlozSadu(const QString& soubor);
    bool OtevriSadu(const QString& soubor);
    void UlozitSaduBtnClick();
    void OtevritSaduBtnClick();
    void TiskBtnClick(); // the print dialog first
    // The same pages as a PDF, written atomically; reports a failure.
    bool ExportujPdf(const QString& soubor);
    void PdfBtnClick();

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    drun::CestaSouctu Aktualni() const;
    void NactiSoubory();
    // The files and the current calculation (none: the files alone).
    void Secti(const drun::CestaSouctu* aktualni);
    void ZobrazRadek(int r, const drun::CestaSouctu& c);
    void ZobrazSoucet();
    void PovolTlacitka();
    void NastavSoubory(const std::vector<std::string>& soubory, const drun::Spectrum& pozadavek);
    int PrvniSoubor() const { return sAktualnim_ ? 1 : 0; } // row of the first file
    // A file that is the calculation open in the main window: shown, not summed again.
    bool JeOtevreny(const drun::CestaSouctu& c) const;
    // The paths that are summed, drawn and printed.
    std::vector<drun::CestaSouctu> Secitane() const;

    TDokument& dokument_;
    std::vector<drun::CestaSouctu> soubory_;
    // The files' end spectra summed, the current calculation is added to them.
    drun::CastecnySoucet soucetSouboru_;
    // The files were read since the window was shown.
    bool nacteno_ = false;
    drun::Spectrum pozadavek_;
    bool vlastniPozadavek_ = false;
    bool sAktualnim_ = true;
    drun::VysledekSouctu vysledek_;
    QString otevreny_; // the main window's file when last seen
};
