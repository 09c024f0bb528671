#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// What DRUN remembers for the user between runs (QSettings, in the user's
// configuration folder; never DRUN.CFG, whose format is fixed).

// The folder every file dialog starts in: that of the file last opened or
// saved, the first time the user's documents folder; never the program's own.
QString SlozkaDialogu();
// Call with the file a dialog opened or saved, so the next dialog starts there.
void ZapamatujSlozku(const QString& soubor);
