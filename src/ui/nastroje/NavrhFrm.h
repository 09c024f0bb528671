#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "tools/Navrh.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QTableWidget;
class QThread;
class QValueAxis;
class TDokument;
class TMDoubleEdit;

// What the window asks and what it gets back, computed away from the
// window's thread on a copy of the path.
struct UlohaNavrhu;
struct VysledekNavrhu {
    std::string Chyba; // why nothing was computed, or empty
    drun::PotrebnyUtlum Potrebny;
    std::vector<drun::KandidatTlumice> Tlumice;
    std::string ChybaTlumice; // why no silencer was looked for, or empty
    std::vector<drun::VlivElementu> Vlivy;
    int PasmoNR = 0;
};

// "Návrh opatření": the attenuation needed behind a chosen element, the
// splitter silencers that meet the requirement there, and what decides the
// result. Modeless; follows every evaluation of the main window, computing
// in the background so that the main window never waits.
class TNavrhForm : public QWidget {
    Q_OBJECT
  public:
    TNavrhForm(TDokument& dokument, QWidget* rodic);
    ~TNavrhForm() override;

    // Columns of the silencer table.
    enum {
        SloupecSirka,
        SloupecPocet,
        SloupecMezera,
        SloupecDelka,
        SloupecRychlost,
        SloupecRezerva,
        SloupecLA,
        PocetSloupcu
    };

    QComboBox* PoziceComboBox;  // "Za elementem": the elements before the room
    QTableWidget* UtlumListBox; // the attenuation needed, one row of eight bands
    QLabel* BlokujeLbl;         // the bands that cannot be met, and by whom
    QLabel* ZpravaLbl;          // why nothing is shown
    TMDoubleEdit *RozmAEdit, *RozmBEdit, *PrutokEdit;
    QTableWidget* TlumiceListBox;
    QLabel* ZadnyLbl; // "Žádný tlumič nevyhoví"
    QPushButton* VlozitBtn;
    QTableWidget* RozhodujeListBox;
    QChart* Graf;
    QChartView* GrafView;
    QLineSeries *PotrebnySerie, *TlumicSerie;

    int Pozice() const { return pozice_; }
    const VysledekNavrhu& Vysledek() const { return vysledek_; }

  public slots:
    void Zobraz();
    // On showing and after an evaluation of the main window: in the
    // background, the last request winning.
    void NaplanujPrepocet();
    // Waits for a background computation and shows it.
    void DokonciPrepocet();
    void PoziceComboBoxChange();
    // Inserts the chosen silencer behind the position: one step of the history.
    void VlozitBtnClick();

  signals:
    void Spocteno();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void NaplnPozice();
    void PredvyplnPole();
    std::shared_ptr<UlohaNavrhu> Uloha() const;
    void Ukaz(const VysledekNavrhu& v);
    void KresliGraf();
    void SpustVlakno();

    TDokument& dokument_;
    int pozice_ = 1;
    VysledekNavrhu vysledek_;
    QValueAxis* osaY_;
    QThread* vlakno_ = nullptr;
    bool znovu_ = false;
};
