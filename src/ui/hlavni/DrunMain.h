#pragma once

#include <QAbstractListModel>
#include <QMainWindow>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;
class QAction;
class QMenu;
class QFrame;
class TElementDialog;
class TVyberTypForm;
class TZadZdrojForm;
class TPozadavekForm;
class TAboutBox;
class TGrafForm;
class TParametryForm;
class QPrinter;
class TAkTlakForm;
class TPrevodForm;
class TNapovedaForm;
class TSoucetForm;
class TKatalog;
class TKatalogForm;
class QUndoStack;

namespace drun {
struct DrunVar;
struct SnimekVypoctu;
struct TElementSite;
} // namespace drun

// The element list: one line per element, read straight from the path.
class SeznamModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit SeznamModel(drun::DrunVar& var, QObject* parent = nullptr)
        : QAbstractListModel(parent), var_(var) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void Obnov(); // the path changed shape or content

  private:
    drun::DrunVar& var_;
};

// Nine value labels of one row (eight bands and L(A)).
using RadekHodnot = std::array<QLabel*, 9>;

class THlavniForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit THlavniForm(drun::DrunVar& var, QWidget* parent = nullptr);
    ~THlavniForm() override;

    // An element dialog for a type code; types without one stay disabled.
    void RegistrujDialog(int typ, TElementDialog* dialog);
    TElementDialog* Dialog(int typ) const;

    // Rows and controls, for the tests and the companion windows.
    drun::DrunVar& Var() { return var_; }
    QLabel* ZdrojPopisLbl;
    RadekHodnot Zdroj;
    QLabel* PorElemLbl;
    RadekHodnot PredEl, UtlEl, MezEl, VlEl, ZaEl;
    RadekHodnot Vysl, Poz, Rozdil;
    QLineEdit* AkceEdit;
    QListView* SeznamElemListBox;
    SeznamModel* Seznam;
    QPushButton *PridatElemBtn, *ZmenElemBtn, *VypustElemBtn;
    QToolButton *NovyVypBtn, *OpenBtn, *SaveBtn, *PrintBtn, *ExitBtn;
    QAction *NovyItem, *OpenItem, *SaveItem, *TiskItem, *ExitItem;
    QAction *ZdrojDrunuItem, *VypustitElementItem, *ZmenElementItem, *PoadaveknakonciItem;
    std::array<QAction*, 11> PridatItem{}; // by type code 2..10
    QAction *ParametryItem, *PrevodnItem, *Pevodaktlaku1, *NapovedaItem, *AboutItem;
    QMenu* PomuckyMenu;
    QMenu* NaposledyMenu; // "Naposledy otevřené"
    QMenu* UpravyMenu;
    // Undo and redo of every change to what the file holds.
    QUndoStack* Historie;
    QAction *ZpetItem, *ZnovuItem;
    static constexpr int MaxKrokuHistorie = 200;
    QAction *KopirovatVysledkyItem, *ExportPdfItem, *ExportCsvItem;
    TVyberTypForm* VyberTyp;
    TZadZdrojForm* ZadZdroj;
    TPozadavekForm* Pozadavek;
    TAboutBox* AboutBox;
    TGrafForm* Graf;
    QAction* GrafItem;
    QLabel* NRLbl; // NR rating of the result, the deciding band in its hint
    TParametryForm* ParametryForm;
    TAkTlakForm* AkTlak;
    TPrevodForm* Prevod;
    TNapovedaForm* Napoveda;
    TSoucetForm* Soucet;
    QAction* SoucetItem;
    std::unique_ptr<TKatalog> Katalog;
    TKatalogForm* KatalogForm;
    QAction* KatalogItem;

    // A change is done and evaluated: it becomes a step of the history;
    // aktualniPred is the element shown before it.
    void ZaznamenejKrok(const QString& text, int aktualniPred);
    // Shows the calculation of a step, evaluated from its first changed element.
    void ObnovKrok(const std::shared_ptr<const drun::SnimekVypoctu>& s, int aktualni);
    // The calculation was written (or printed): this is the saved state.
    void OznacUlozeno();
    int ZobrazenyPrvek() const;

  public slots:
    // Evaluates from element n and shows everything.
    void PrepocitejOd(int n);
    void ZobrazElement(const drun::TElementSite& e);
    void ZobrazVysledek();
    void ZobrazPozadavek();
    void ZobrazZdroj();
    void NaplnForm();
    void NovaHistorie(); // "Nový" and an opened file start here
    void ZpetItemClick();
    void ZnovuItemClick();

    void NovyVypocet();
    void ZmenElem();
    void VypustitElementClick();
    void PridatElemBtnClick();
    void PridatTyp(int typ); // the "Přidat element" submenu and the picker
    void SeznamElemListBoxClick();
    void ZadejZdrojDrunu();
    void PozadavekNaKonciSite();
    void AboutClick();
    void OpenItemClick();
    void SaveItemClick();
    // Opens a data file as "Otevřít..." does once the file is chosen.
    void OtevriSoubor(const QString& soubor);
    // A file from "Naposledy otevřené"; a missing one is refused and dropped.
    void OtevriNaposledy(const QString& soubor);
    void ObnovNaposledy(); // rebuilds the "Naposledy otevřené" menu
    // The main window and the tools come back where they were.
    void PamatujPolohyOken();
    void PrintItemClick(); // prints at once on the default printer
    void TiskItemClick();  // the print dialog first
    void ParametryClick();
    void KatalogItemClick();
    // Prints the protocol on a set-up printer; false (after the message) on failure.
    bool TiskProtokolu(QPrinter& tiskarna);
    // Handing the results over (ui/tisk/Vysledky.cpp): the clipboard, PDF and CSV.
    void KopirovatVysledkyClick();
    void ExportPdfItemClick();
    void ExportCsvItemClick();
    // Write the file atomically; false (after the message) on failure.
    bool ExportujPdf(const QString& soubor);
    bool ExportujCsv(const QString& soubor);
    void PrevodnItemClick();
    void Pevodaktlaku1Click();
    void NapovedaClick();
    void AkceEditChange();
    void AkceEditExit();
    // Save and print are offered only when the calculation can be written.
    void PovolUlozeniTisk(bool povolit);
    void AktualizujMistnost();

  signals:
    // Every evaluation ends here; companion windows redraw.
    void Prepocitano();

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void VytvorHistorii();
    void PotvrdAkci();
    void VytvorMenu();
    QWidget* VytvorPanely();
    void Zapis(const RadekHodnot& r, const std::array<double, 9>& s);

    drun::DrunVar& var_;
    std::array<TElementDialog*, 11> dialogy_{};
    QFrame* ZdrojPanel;
    QFrame* VysledekPanel;
    QMenu* nastaveniMenu_ = nullptr;
    std::shared_ptr<const drun::SnimekVypoctu> stav_; // the calculation as the history last saw it
};
