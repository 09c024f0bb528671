#include "ui/tisk/Export.h"

#include <QApplication>

#include "core/Platforma.h"
#include "core/Soubory.h"
#include "io/Zprava.h"
#include "ui/spolecne/Hlaseni.h"
#include "ui/spolecne/Nastaveni.h"
#include "ui/tisk/Zprava.h"

bool PrepsalByOtevreny(const QString& soubor, const QStringList& otevrene) {
    for (const QString& o : otevrene) {
        if (o.isEmpty() || !drun::TentyzSoubor(soubor.toStdString(), o.toStdString())) continue;
        hlaseni().Chyba(QStringLiteral("Soubor ") + soubor +
                        QStringLiteral(" je otevřen v tomto okně; export by ho přepsal. Zvolte "
                                       "jiný soubor."));
        return true;
    }
    return false;
}

bool OhlasExport(bool ok, const QString& soubor, const QString& co, const QString& hotovo,
                 const std::function<void(const QString&)>& ohlas) {
    if (!ok) {
        hlaseni().Chyba(co + QStringLiteral(" se nepodařilo uložit do souboru ") + soubor +
                        QStringLiteral("."));
        return false;
    }
    const QString zprava = hotovo + QLatin1Char(' ') + soubor;
    if (ohlas)
        ohlas(zprava);
    else
        hlaseni().Informace(zprava);
    return true;
}

bool ZapisExport(const QString& soubor, const std::string& obsah, const QString& co,
                 const QString& hotovo, const std::function<void(const QString&)>& ohlas) {
    return OhlasExport(drun::ZapisAtomicky(soubor.toStdString(), obsah), soubor, co, hotovo, ohlas);
}

bool UlozZpravuOkna(drun::ObsahZpravy z, const QString& soubor, const QString& co,
                    const QString& hotovo) {
    z.Autor = AutorZpravy().toStdString();
    // A large rozvod's report takes a while.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = UlozZpravu(z, soubor.toStdString());
    QApplication::restoreOverrideCursor();
    return OhlasExport(ok, soubor, co, hotovo);
}
