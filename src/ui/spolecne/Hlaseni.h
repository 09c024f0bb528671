#pragma once

#include <QString>
#include <optional>

class QEvent;
class QWidget;

namespace drun {
struct VysledekSouboru;
}

// Every message box of the program goes through here, so that tests can
// record the texts and answer confirmations without a real modal box.
class Hlaseni {
  public:
    virtual ~Hlaseni() = default;
    virtual void Chyba(const QString& text) = 0;
    virtual void Informace(const QString& text) = 0;
    virtual bool Potvrd(const QString& text) = 0; // true only for "Yes"
    // Unsaved work about to be left: "Uložit", "Neukládat" or "Storno".
    enum class Volba { Ulozit, Neukladat, Storno };
    virtual Volba ZeptejUlozeni(const QString& text) = 0;
    // A line of text asked for (`popisek` names it); none when cancelled.
    // The box of the running program unless replaced.
    virtual std::optional<QString> ZadejText(const QString& popisek, const QString& vychozi);
};

// The message boxes of the running program.
class HlaseniOkna : public Hlaseni {
  public:
    void Chyba(const QString& text) override;
    void Informace(const QString& text) override;
    bool Potvrd(const QString& text) override;
    Volba ZeptejUlozeni(const QString& text) override;
};

// The installed implementation; the program installs HlaseniOkna, tests a recorder.
Hlaseni& hlaseni();
void NastavHlaseni(Hlaseni* h);

// True while a message box raised through hlaseni() is open.
bool HlaseniOtevreno();

// "Short|Long" hint: the tool tip gets the short part, the status bar the long one.
void NastavHint(QWidget* w, const QString& hint);
// A window beside the main window passes the status hint of the control under
// the mouse on to the main window's status bar. True when `e` was such a hint.
bool PredejHint(QWidget* okno, QEvent* e);

// A file's name for a window title with the star of unsaved work right behind
// it, shown by setWindowModified; a "[*]" in the name itself is kept as it is.
QString NazevSHvezdickou(const QString& nazev);

// The result of a file operation: its confirmation as information, its
// failure as an error (nothing when there is no text).
void Ohlas(const drun::VysledekSouboru& v);

// A name as a message quotes it: „name“.
inline QString Uvozovky(const QString& s) {
    return QStringLiteral("„") + s + QStringLiteral("“");
}
