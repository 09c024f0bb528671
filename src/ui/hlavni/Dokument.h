#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

#include "tools/Rozvod.h"

class THistorie;
struct SnimekDokumentu;

namespace drun {
struct DrunVar;
struct VysledekSouboru;
} // namespace drun

// The calculation every window works on: the program's state, its history,
// the file it belongs to and whether it is saved. Each evaluation is
// announced, so that the main window and every tool window follow it; none of
// them needs to know the others.
//
// The calculation is one path of a rozvod: the path of the section shown. A
// plain calculation is a rozvod of one section. What is changed on the path
// is written into the rozvod at once (an element of an ancestor section for
// every branch it feeds), and the history keeps the whole rozvod.
class TDokument : public QObject {
    Q_OBJECT
  public:
    explicit TDokument(drun::DrunVar& var, QObject* parent = nullptr);
    ~TDokument() override;

    drun::DrunVar& Var() { return var_; }
    const drun::DrunVar& Var() const { return var_; }
    THistorie& Historie() const { return *historie_; }
    // The file the calculation was last opened from or saved to; empty for a new one.
    const QString& Soubor() const { return soubor_; }
    // The calculation is as it was last written, printed or opened.
    bool Ulozeno() const;

    // Still the empty calculation a new one starts with: the blank source
    // alone and no Akce.
    bool Prazdny() const;

    // Evaluates from element n and announces it (Prepocitano). A plain
    // calculation's path is its rozvod's one section, taken whole.
    void PrepocitejOd(int n);
    // A plain calculation's path changed as a whole (a file read into it) is
    // a step of the history; aktualniPred is the element shown before it.
    void ZaznamenejKrok(const QString& text, int aktualniPred);

    // The edits of the calculation. Each says what it changes and where, is
    // evaluated and announced, and is one step of the history named krok.
    // Path element n counts the path shown from 1 (the source); an element
    // of an ancestor section changes for every room it feeds.
    //
    // e behind path element n: into the section that holds element n, so
    // that every path through it gets it; behind the path's last element
    // into the section shown. A room of a rozvod with branches ends the
    // section shown. `pokracovani`: behind a branch point only into what
    // goes on in its section, the branches leaving before e.
    void VlozZa(int n, const drun::TElementSite& e, const QString& krok, bool pokracovani = false);
    // e behind own element k of section u.
    void VlozDoUseku(size_t u, int k, const drun::TElementSite& e, const QString& krok);
    // Path element n becomes e.
    void ZmenPrvek(int n, const drun::TElementSite& e, const QString& krok);
    // Path element n (not the source) goes.
    void VypustPrvek(int n, const QString& krok);
    // Akce becomes the text (at most MaxDelkaAkce characters of it).
    void ZmenAkci(const std::string& akce);
    // Where an element behind path element n goes: the section and its own
    // element it follows.
    std::pair<size_t, int> MistoZa(int n) const;
    // The sections leaving behind path element n (none: it is no branch point).
    std::vector<size_t> VetveZa(int n) const;

    // The calculation was written (or printed): this is the saved state.
    void OznacUlozeno();

    // A new calculation; work left unsaved keeps it unsaved.
    void Novy(bool ulozeno);
    // Reads a data file; the result says how it went, a failure naming the
    // file and why. A file that cannot be read changes nothing.
    drun::VysledekSouboru Otevri(const QString& soubor);
    drun::VysledekSouboru Uloz(const QString& soubor);
    // A new calculation holding the rozvod r (sections sound, evaluated), not
    // saved and without a file: its first room's path is shown.
    void NovyRozvod(drun::Rozvod r);

    // The element the user looks at: the main window's current line.
    int ZobrazenyPrvek() const;
    // The main window's list moved to element n (0: none).
    void NastavZobrazeny(int n);
    // Element n becomes the one looked at, wherever it was picked.
    void VyberPrvek(int n);

    // The rozvod the calculation is a path of.
    const drun::Rozvod& Rozvod() const { return rozvod_; }
    bool MaVetve() const { return rozvod_.Useky().size() > 1; }
    // The rozvod's file is what the calculation is saved as: it has
    // branches, or it was opened from or saved to a *.DRR.
    bool JeRozvod() const;
    // The index of the section whose path is shown.
    size_t Usek() const { return usek_; }
    // Path element n as (section index, own element), n from 1.
    std::pair<size_t, int> MistoPrvku(int n) const { return poradi_.at(size_t(n - 1)); }
    // Path element n belongs to an ancestor of the section shown (false for a
    // number outside the path as the rozvod last took it).
    bool Sdileny(int n) const {
        return n >= 1 && size_t(n) <= poradi_.size() && poradi_[size_t(n - 1)].first != usek_;
    }
    // The rooms whose paths pass through path element n.
    int NapajiMistnosti(int n) const;
    // The rooms the last change of the path reached (0 when it reached none).
    int Dosah() const { return dosah_; }

    // Shows the path of section u (its room's requirement with it).
    void VyberUsek(size_t u);
    // The room of section u and its first section (-1 when none).
    int PrvniUsekMistnosti(int mistnost) const;
    // Structure changes, each a step of the history; an empty text when done,
    // else why not (nothing changed).
    QString NovaVetev(int n); // a new section behind path element n, then shown
    QString OdstranUsek(size_t u);
    // A copy of section u; its room named `jmeno` when one is given.
    QString KopirujUsek(size_t u, const QString& jmeno = {});
    // Why the text cannot name a room, or empty.
    static QString ChybaJmena(const QString& jmeno);
    QString PrejmenujUsek(size_t u, const QString& jmeno);
    // The rozvod's sections replaced as a whole (the same structure, other
    // elements: flows set from the rooms), one step named `krok`; the section
    // shown stays.
    void NahradUseky(std::vector<drun::Usek> useky, const QString& krok);
    // The main window's requirement became the room's of the section shown.
    void PozadavekZmenen();
    // The path shown as a data file, the document's own file and state untouched.
    drun::VysledekSouboru UlozCestu(const QString& soubor);
    // The automatic save on exit: the path shown into drn and, for a rozvod
    // with branches, the whole rozvod beside it as a *.DRR of the same name;
    // the document's own file and state untouched. On failure `selhal` names
    // the file that could not be written.
    drun::VysledekSouboru UlozZalohu(const std::string& drn, std::string& selhal);

    // Akce as typed so far, before it becomes part of the calculation.
    const QString& TextAkce() const { return textAkce_; }
    void NastavTextAkce(const QString& text);

  signals:
    // Every evaluation ends here; every window redraws.
    void Prepocitano();
    // The calculation was replaced as a whole (new, opened, a step undone or
    // redone): Akce and the source are shown anew. An evaluation follows.
    void Nahrazen();
    // Element n is to be shown (VyberPrvek).
    void Vybran(int n);
    // Another element is looked at.
    void PrvekZobrazen();
    void AkceUpravena(); // Akce typed, not yet taken
    // The saved state or the file name changed.
    void StavZmenen();
    // A change of a shared element reached that many rooms of the rozvod.
    void Dosazeno(int mistnosti);

  private:
    // Shows the calculation of a step.
    void ObnovKrok(const std::shared_ptr<const SnimekDokumentu>& s, int aktualni);
    SnimekDokumentu Sejmi(const SnimekDokumentu* predchozi) const;
    // A plain calculation's path, changed directly (a file read, a test),
    // is its one section.
    void VezmiCestu();
    // The rozvod was changed: section usek_'s path shown and evaluated with
    // path element `aktualni` current, announced, recorded as krok.
    void Zmeneno(const QString& krok, int pred, int aktualni);
    // A change recorded: how far it reached, told when it was beyond one room.
    void OhlasDosah();
    // A file's calculation is on show: a new history, saved (a new
    // document's: not saved).
    void Otevreno(bool ulozeno = true);
    // The rozvod of the path alone.
    void JedenUsek();
    // Section usek_'s path into the calculation; the element shown then.
    void UkazUsek(int aktualni);
    // A structure change done on a copy of the sections: taken, shown, a step.
    void NovaStruktura(std::vector<drun::Usek> useky, size_t usek, const QString& krok);

    drun::DrunVar& var_;
    drun::Rozvod rozvod_;
    size_t usek_ = 0;
    std::vector<std::pair<size_t, int>> poradi_; // PoradiCesty of usek_
    int dosah_ = 0;
    THistorie* historie_ = nullptr;
    QString soubor_;
    QString textAkce_;
    int zobrazeny_ = 0;
};
