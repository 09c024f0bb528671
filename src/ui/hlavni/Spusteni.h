#pragma once

#include <QString>
#include <QStringList>

namespace drun {
struct DrunVar;
}

// Start-up of the desktop program, shared by `drun` and the UI tests.

class QIcon;

// The program's icon (also the window icon of every window).
QIcon IkonaDrun();

// Names for QSettings (the user's settings live in the configuration folder
// "drun"), Qt's own Czech texts for the standard dialogs and buttons whatever
// the system's language, and Qt's dialogs rather than the desktop's (which
// would follow the system's language). Call after the QApplication exists.
void NastavAplikaci();

// The paths of DRUN.CFG, DRUN.DRN and KL385216.CAD for this executable and user.
void UmisteniZeSystemu(drun::DrunVar& var);

// What the command line asks for: `drun [SOUBOR.DRN]`, --help, --version.
struct Argumenty {
    enum class Akce { Spustit, Napoveda, Verze, Chyba };
    Akce akce = Akce::Spustit;
    QString soubor; // the data file to open, when given
    QString chyba;  // why the command line was refused
};
Argumenty CtiArgumenty(const QStringList& argumenty); // without the program's name
QString PouzitiDrun();
QString VerzeDrun();
// Prints help, version or the refusal; the exit status, or -1 to start the program.
int VyridArgumenty(const Argumenty& a);
