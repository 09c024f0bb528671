#pragma once

#include <QString>
#include <QStringList>

class TDokument;

// A rozvod assembled from calculation files or from a project's rooms becomes
// a new, unsaved document. Why it cannot be built (the file and why), or
// empty; the document is then as it was.
QString SestavDokumentZeSouboru(TDokument& d, const QStringList& soubory);
QString SestavDokumentZProjektu(TDokument& d, const QString& projekt);
