#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

namespace drun {
struct ObsahZpravy;
}

// How an export went, told the user: a failure as an error naming the file
// ("<co> se nepodařilo uložit do souboru <soubor>."), a success as
// "<hotovo> <soubor>" through `ohlas` (a message box when none is given).
// Returns `ok`.
bool OhlasExport(bool ok, const QString& soubor, const QString& co, const QString& hotovo,
                 const std::function<void(const QString&)>& ohlas = {});
// True (after a message naming it) when `soubor` is one of the files the
// window has open, however spelled: an export never writes over them.
bool PrepsalByOtevreny(const QString& soubor, const QStringList& otevrene);
// `obsah` written atomically to `soubor`, then told as OhlasExport tells it.
bool ZapisExport(const QString& soubor, const std::string& obsah, const QString& co,
                 const QString& hotovo, const std::function<void(const QString&)>& ohlas = {});
// The report, signed with the author of the user's settings, drawn under a
// wait cursor and written to `soubor`, then told as OhlasExport tells it.
bool UlozZpravuOkna(drun::ObsahZpravy z, const QString& soubor, const QString& co,
                    const QString& hotovo);
