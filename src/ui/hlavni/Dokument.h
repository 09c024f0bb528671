#pragma once

#include <QObject>
#include <QString>
#include <memory>

class THistorie;

namespace drun {
struct DrunVar;
struct SnimekVypoctu;
struct VysledekSouboru;
} // namespace drun

// The calculation every window works on: the program's state, its history,
// the file it belongs to and whether it is saved. Each evaluation is
// announced, so that the main window and every tool window follow it; none of
// them needs to know the others.
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

    // Evaluates from element n and announces it (Prepocitano).
    void PrepocitejOd(int n);
    // A change is done and evaluated: it becomes a step of the history;
    // aktualniPred is the element shown before it.
    void ZaznamenejKrok(const QString& text, int aktualniPred);
    // The calculation was written (or printed): this is the saved state.
    void OznacUlozeno();

    // A new calculation; work left unsaved keeps it unsaved.
    void Novy(bool ulozeno);
    // Reads a data file; the result says how it went, a failure naming the
    // file and why. A file that cannot be read changes nothing.
    drun::VysledekSouboru Otevri(const QString& soubor);
    drun::VysledekSouboru Uloz(const QString& soubor);

    // The element the user looks at: the main window's current line.
    int ZobrazenyPrvek() const;
    // The main window's list moved to element n (0: none).
    void NastavZobrazeny(int n);
    // Element n becomes the one looked at, wherever it was picked.
    void VyberPrvek(int n);

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

  private:
    // Shows the calculation of a step, evaluated from its first changed element.
    void ObnovKrok(const std::shared_ptr<const drun::SnimekVypoctu>& s, int aktualni);

    drun::DrunVar& var_;
    THistorie* historie_;
    QString soubor_;
    QString textAkce_;
    int zobrazeny_ = 0;
};
