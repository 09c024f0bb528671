#pragma once

#include <QAbstractListModel>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QLineEdit;
class QListView;
class QPushButton;
class QAction;
class QMenu;
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
class TProjektForm;
class TRozvodForm;
class TNavrhForm;
class TKatalog;
class TKatalogForm;
class TDokument;
class THistorie;
class TStromRozvodu;
class TPanelyHodnot;

#include "core/Vstupy.h"

namespace drun {
struct DrunVar;
struct SnimekVypoctu;
struct TElementSite;
struct VysledekSouboru;
} // namespace drun

// The element list: one line per element, read straight from the path.
class SeznamModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit SeznamModel(drun::DrunVar& var, QObject* parent = nullptr)
        : QAbstractListModel(parent), var_(var) {}
    // Elements of the rozvod's shared sections are marked with the rooms they feed.
    const TDokument* Dokument = nullptr;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void Obnov(); // the path changed shape or content

  private:
    drun::DrunVar& var_;
};

// Commands of the main window. Each is one QAction (one text, one hint, one
// enabled state) serving its menu item and, where it has one, its toolbar
// button. A new command: add its name here (before Pocet) and a row to the
// table in THlavniForm::VytvorPrikazy (DrunMain.cpp) naming its menu, text,
// hint, shortcut, icon and the slot it calls; the row's place among the rows
// of its menu is its place in the menu.
enum class Prikaz {
    Novy,
    Otevrit,
    Ulozit,
    UlozitJako,
    UlozitCestu,
    Tisk,
    ExportPdf,
    ExportCsv,
    Projekt,
    SestavitZeSouboru,
    SestavitZProjektu,
    ImportIfc,
    Konec,
    Zpet,
    Znovu,
    Kopirovat,
    Zdroj,
    Vypustit,
    Zmenit,
    Pozadavek,
    NovaVetev,
    PrejmenovatUsek,
    KopirovatUsek,
    OdstranitUsek,
    Prutoky,
    Parametry,
    Katalog,
    PrevodLx,
    PrevodTlaku,
    Graf,
    Soucet,
    ProjektPomucky,
    Rozvod,
    Navrh,
    Napoveda,
    OProgramu,
    Pocet
};

class THlavniForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit THlavniForm(drun::DrunVar& var, QWidget* parent = nullptr);
    ~THlavniForm() override;

    // An element dialog for a type code; types without one stay disabled.
    void RegistrujDialog(int typ, TElementDialog* dialog);
    TElementDialog* Dialog(int typ) const;

    QAction* Akce(Prikaz p) const { return prikazy_[static_cast<size_t>(p)]; }
    // The "Přidat element" submenu's item of a type code 2..10.
    QAction* PridatAkce(int typ) const { return pridat_[static_cast<size_t>(typ)]; }
    // The calculation, its history, file and saved state.
    TDokument& Dokument() const { return *dokument_; }
    THistorie& Historie() const;
    bool Ulozeno() const;

    // What the read-out panels show.
    const TPanelyHodnot& Panely() const { return *panely_; }
    drun::DrunVar& Var() { return var_; }
    TKatalog& Katalog() const { return *katalog_; }
    // A tool window or dialog of the main window, by its class.
    template <class T> T* Okno() const {
        return findChild<T*>(QString(), Qt::FindDirectChildrenOnly);
    }
    // Shows element n and makes it the list's current line.
    void VyberPrvek(int n);
    // Whether a printer is there to print on; tests replace it.
    std::function<bool()> JeTiskarna;

    // The document's history and state, for the main window's own commands.
    void ZaznamenejKrok(const QString& text, int aktualniPred);
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
    // Writes to the file the calculation came from; a new one asks for a name.
    void SaveItemClick();
    void SaveAsItemClick();
    // Opens a data file as "Otevřít..." does once the file is chosen.
    void OtevriSoubor(const QString& soubor);
    // A file from "Naposledy otevřené"; a missing one is refused and dropped.
    void OtevriNaposledy(const QString& soubor);
    void ObnovNaposledy(); // rebuilds the "Naposledy otevřené" menu
    // The main window and the tools come back where they were.
    void PamatujPolohyOken();
    void TiskItemClick(); // the print dialog first
    void ParametryClick();
    void KatalogItemClick();
    void GrafClick();
    void SoucetClick();
    void ProjektClick();
    void RozvodClick();
    void NavrhClick();
    // The rozvod: a branch behind the element selected; the section shown
    // renamed (its room), copied or removed with its branches; its path saved alone.
    void NovaVetevClick();
    void PrejmenovatUsekClick();
    void KopirovatUsekClick();
    void OdstranitUsekClick();
    void UlozitCestuClick();
    // A rozvod from calculation files or a project, as a new document.
    void SestavitZeSouboruClick();
    void SestavitZProjektuClick();
    // A rozvod from a building model's duct network, as a new document.
    void ImportIfcClick();
    void PrutokyClick();
    // Prints the protocol on a set-up printer; false (after the message) on failure.
    bool TiskProtokolu(QPrinter& tiskarna);
    // Handing the results over: the clipboard, PDF and CSV.
    void KopirovatVysledkyClick();
    void ExportPdfItemClick();
    void ExportCsvItemClick();
    // Write the file atomically; false (after the message) on failure.
    bool ExportujPdf(const QString& soubor);
    bool ExportujCsv(const QString& soubor);
    void PrevodLxClick();
    void PrevodTlakuClick();
    void NapovedaClick();
    void AkceEditExit();
    void AktualizujMistnost();

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    bool event(QEvent* e) override;

  private:
    // Section u as a window names what it acts on: its room, or the rooms it feeds.
    QString PopisUseku(size_t u) const;
    // What an element dialog acts on: the section of the current element (pridat: of the
    // element behind it); "" for a plain calculation.
    QString KontextPrvku(bool pridat) const;
    // A room name another section already ends in is taken only when the user says so.
    bool PovolJmenoMistnosti(size_t u, const QString& jmeno);
    // Whether a new element behind path element n goes only into the continuation of the
    // path shown (asked at a branch point).
    bool DoPokracovani(int n);
    // "Nová větev" behind path element n where a branch already leaves: the user may copy
    // it with a room of a new name. True when that was answered (done or cancelled).
    bool KopieVetve(int n);
    void VytvorPrikazy();
    void PotvrdAkci();
    QWidget* VytvorPanely();
    // Enter, Delete and Insert in the element list.
    void KlavesySeznamu();
    // An evaluation of the document shown: the list, the panels, the room's commands.
    void UkazPrepocet();
    // Unsaved work is asked about before it is left: saved first, left or kept.
    // True when the caller may go on.
    bool PustitPrace(const QString& otazka);
    bool UlozDo(const QString& soubor);
    void NactiSoubor(const QString& soubor);
    void ObnovTitulek();
    // A file read or written: success in the status bar, failure as a message.
    void OhlasVeStavu(const drun::VysledekSouboru& v);
    // A file's name with another extension, for the export dialogs.
    QString JmenoExportu(const QString& pripona, const QString& vychozi) const;
    // Where the open and export dialogs start: beside the open calculation.
    QString SlozkaVypoctu() const;
    void UkazVSeznamu(int n); // element n the list's current line, scrolled to
    void UkazStrom();         // the rozvod's tree comes out
    // An element to be added at the room or behind it is inserted before it.
    void PredMistnost();

    drun::DrunVar& var_;
    TDokument* dokument_;
    std::array<TElementDialog*, drun::PocetTypu + 1> dialogy_{}; // by type code
    std::array<QAction*, static_cast<size_t>(Prikaz::Pocet)> prikazy_{};
    std::array<QAction*, drun::PocetTypu + 1> pridat_{}; // by type code 2..
    TPanelyHodnot* panely_ = nullptr;
    std::unique_ptr<TKatalog> katalog_;
    // Controls and the windows that live as long as the main window.
    QLineEdit* AkceEdit;
    QListView* SeznamElemListBox;
    SeznamModel* Seznam;
    QPushButton *PridatElemBtn, *ZmenElemBtn, *VypustElemBtn;
    QMenu* NaposledyMenu;         // "Naposledy otevřené"
    QMenu* pridatMenu_ = nullptr; // "Přidat element"
    TVyberTypForm* VyberTyp;
    TZadZdrojForm* ZadZdroj;
    TPozadavekForm* Pozadavek;
    TAboutBox* AboutBox;
    TGrafForm* Graf;
    TParametryForm* ParametryForm;
    TAkTlakForm* AkTlak;
    TPrevodForm* Prevod;
    TNapovedaForm* Napoveda;
    TSoucetForm* Soucet;
    TProjektForm* Projekt;
    TRozvodForm* Rozvod;
    TStromRozvodu* Strom;
    TNavrhForm* Navrh;
    bool vetvil_ = false; // the document shown last had branches
    QString dosahZmeny_;  // what the last change reached, kept in the status bar
    TKatalogForm* KatalogForm;
};
