#pragma once

namespace drun {
struct DrunVar;
}

// Start-up of the desktop program, shared by `drun` and the UI tests.

// Names for QSettings (the user's settings live in the configuration folder
// "drun"), Qt's own Czech texts for the standard dialogs and buttons whatever
// the system's language, and Qt's dialogs rather than the desktop's (which
// would follow the system's language). Call after the QApplication exists.
void NastavAplikaci();

// The paths of DRUN.CFG, DRUN.DRN and KL385216.CAD for this executable and user.
void UmisteniZeSystemu(drun::DrunVar& var);
