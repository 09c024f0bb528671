#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "io/SoucetCest.h"
#include "ui/tisk/GrafPrvky.h"

class QChart;
class QChartView;
class QLineSeries;
class QPagedPaintDevice;
class QPushButton;
class QScatterSeries;
class QTableWidget;
class QValueAxis;
class THlavniForm;
class TPozadavekForm;

// The sum's chart, in the style of the "Graf" window: each path's end
// spectrum, the sum, its requirement and the sum's NR curve. The chart is the
// caller's to own (a view takes it over, or a document deletes it).
struct TGrafSouctu {
    TGrafSouctu();
    void Kresli(const std::vector<drun::CestaSouctu>& cesty, const drun::VysledekSouctu& v);

    QChart* Graf;
    SpektrumProtiPozadavku Soucet;
    std::vector<QLineSeries*> CestySerie;
};

// "Součet cest": the end spectra of several paths into one room added up and
// set against the sum's own requirement. The current calculation is always the
// first row and follows every change; the other rows are calculation files,
// read again whenever the window is shown and on "Obnovit". Modeless.
class TSoucetForm : public QWidget {
    Q_OBJECT
  public:
    explicit TSoucetForm(THlavniForm& hlavni);

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
    // Sums what is held; the current calculation as it is now.
    void Prepocitej();
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

  private:
    void ZobrazCesty(const std::vector<drun::CestaSouctu>& cesty);
    void ZobrazSoucet();
    void PovolTlacitka();
    void NastavSoubory(const std::vector<std::string>& soubory, const drun::Spectrum& pozadavek);
    int PrvniSoubor() const { return sAktualnim_ ? 1 : 0; } // row of the first file

    THlavniForm& hlavni_;
    std::vector<drun::CestaSouctu> soubory_;
    drun::Spectrum pozadavek_;
    bool vlastniPozadavek_ = false;
    bool sAktualnim_ = true;
    drun::VysledekSouctu vysledek_;
};
