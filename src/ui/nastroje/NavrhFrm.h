#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <utility>
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
    bool Splnen = false; // nothing more needed: no remedy looked for
    std::vector<drun::KandidatTlumice> Tlumice;
    std::vector<drun::KandidatOblozeni> Oblozeni;
    double A = 0, B = 0, Q = 0; // the section (mm) and flow (m3/h) searched with
    std::string ChybaTlumice;   // why no silencer or lining was looked for, or empty
    // For each band that cannot be met: what blocks it, as the window names it.
    std::array<std::string, drun::PocetPasem> Blokuje;
    drun::PodilyHladiny Podily;
};

// "Návrh opatření": the attenuation needed behind a chosen element, the
// splitter silencers and linings that meet the requirement there, and each
// noise origin's share of the end level. In a rozvod with branches the chosen
// element's section feeds rooms besides the one shown: the remedy there is
// for every room it feeds, and is inserted into that section. Modeless;
// follows every evaluation of the main window, computing in the background so
// that the main window never waits; a computation whose result is no longer
// wanted is stopped.
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
    QLabel* MistoLbl;           // in a rozvod with branches: the section and the rooms fed there
    QTableWidget* UtlumListBox; // the attenuation needed, one row of eight bands
    QLabel* BlokujeLbl;         // the bands that cannot be met, and by whom
    QLabel* ZpravaLbl;          // why nothing is shown
    TMDoubleEdit *RozmAEdit, *RozmBEdit, *PrutokEdit;
    // Where the section and flow come from: "podle elementu 2", "zadáno", or what to type.
    QLabel* PrurezLbl;
    QTableWidget* TlumiceListBox;
    QLabel* ZadnyLbl;    // "Žádný tlumič nevyhoví", "Počítám…", "Požadavek je splněn."
    QLabel* NapajeneLbl; // in a rozvod: each fed room's end level with the candidate chosen
    QPushButton* VlozitBtn;
    // Columns of the lining table.
    enum { SloupecTloustka, SloupecDelkaOblozeni, SloupecRezervaOblozeni, SloupecLAOblozeni };
    QTableWidget* OblozeniListBox;
    QLabel* ZadneOblozeniLbl; // "Žádné obložení nevyhoví"
    QPushButton* VlozitOblozeniBtn;
    // Each origin's share of the end level per band, the loudest marked; "Celkem" last.
    QTableWidget* RozhodujeListBox;
    QLabel* RozhodujeLbl; // which origin makes which bands
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
    // Stops a background computation whose result is no longer wanted.
    void ZrusPrepocet();
    void PoziceComboBoxChange();
    // Inserts the chosen silencer behind the position: one step of the history.
    void VlozitBtnClick();
    // Inserts the chosen lining behind the position: one step of the history.
    void VlozitOblozeniBtnClick();
    bool Pocita() const { return vlakno_ != nullptr; }

  signals:
    void Spocteno();

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    void NaplnPozice();
    // In a rozvod with branches: the position's section index and own
    // element; nullopt for a plain calculation.
    std::optional<std::pair<size_t, int>> MistoVRozvodu() const;
    // Whose end level and shares the window shows: the room of the path shown.
    QString NazevZobrazene() const;
    // The section and flow at the position, from the path (PrurezNaPozici).
    void PredvyplnPole();
    void UkazPodily(const VysledekNavrhu& v);
    void UkazOblozeni(const VysledekNavrhu& v);
    // Inserts behind the position through the store and compute steps, one
    // step of the history; `chyba` is read after a failed compute step.
    // The element of the candidate chosen in the silencers' (tlumic) or the linings' table,
    // made as its dialog would make it behind the position (zapamatovat: its inputs become
    // the remembered ones); empty when none is chosen or it cannot be computed (chyba).
    std::optional<drun::TElementSite> PrvekKandidata(bool tlumic, std::string& chyba,
                                                     bool zapamatovat);
    void VlozZaPozici(bool tlumic, const QString& krok);
    // In a rozvod: each room fed at the position with the candidate chosen.
    void UkazNapajene(bool tlumic);
    std::shared_ptr<UlohaNavrhu> Uloha() const;
    void Ukaz(const VysledekNavrhu& v);
    void KresliGraf();
    void SpustVlakno();

    TDokument& dokument_;
    int pozice_ = 1;
    VysledekNavrhu vysledek_;
    QValueAxis* osaY_;
    QThread* vlakno_ = nullptr;
    std::stop_source zastav_; // of the running computation
    bool znovu_ = false;
    bool zadano_ = false; // the section or flow typed at this position
};
