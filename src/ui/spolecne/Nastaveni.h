#pragma once

#include <QString>
#include <QStringList>

class QRect;
class QWidget;

// What DRUN remembers for the user between runs (QSettings, in the user's
// configuration folder; never DRUN.CFG, whose format is fixed).

// The folder every file dialog starts in: that of the file last opened or
// saved, the first time the user's documents folder; never the program's own.
QString SlozkaDialogu();
// Call with the file a dialog opened or saved, so the next dialog starts there.
void ZapamatujSlozku(const QString& soubor);

// The author line of a report ("Zpracoval:"); empty until the user gives one.
QString AutorZpravy();
void NastavAutoraZpravy(const QString& autor);

// "Naposledy otevřené": the files last opened or saved, newest first.
constexpr int MaxNaposledy = 8;
QStringList NaposledyOtevrene();
// Puts the file first (once), keeping at most MaxNaposledy; file dialogs
// then start in its folder.
void PridejNaposledy(const QString& soubor);
void OdeberNaposledy(const QString& soubor);
void VymazNaposledy();

// The window comes back where it was (and as large): restores it now and
// remembers it whenever it is hidden or closed. Each time it is shown it is
// kept within the screen's available area.
void PamatujPolohu(QWidget* okno, const QString& nazev);
// Each time the window is shown it is kept within the screen's available area.
void HlidejObrazovku(QWidget* okno);
// A window's frame moved and shrunk into the available area `dostupne`.
QRect NaObrazovce(const QRect& ram, const QRect& dostupne);
// How wide a window must be for its whole title beside the title bar's icon
// and buttons, so that no window manager cuts it.
int SirkaProTitulek(const QWidget* okno);
// Widens the window (or the layout that fixes its size) to SirkaProTitulek.
void RozsirProTitulek(QWidget* okno);
// Keeps the window within its screen, smaller if need be, and lets it be shrunk
// that far; without `poloha` only its size, the place being left to the caller.
void VejdiSeNaObrazovku(QWidget* okno, bool poloha = true);
