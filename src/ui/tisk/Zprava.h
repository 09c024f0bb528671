#pragma once

#include <string>

#include "ui/tisk/Tisk.h"

class QByteArray;
class QPagedPaintDevice;

namespace drun {
struct ObsahZpravy;
}

// The report of a rozvod or a project on A4 portrait pages: the title block,
// the summary of the rooms, their end spectra, a chart per room (three a
// page) and a page per path with its table of elements, in a proportional
// font, black on white, the failing values in one accent colour. Every page
// carries the Akce at its head and "strana N z M" at its foot; a path's
// closing block never stands alone on a page. Needs a QApplication
// (offscreen is enough).
VysledekPdf VykresliZpravu(QPagedPaintDevice& zarizeni, const drun::ObsahZpravy& z);
VysledekPdf ZpravaPdf(const drun::ObsahZpravy& z, QByteArray& pdf);
// The same written atomically to `soubor`; false leaves the old file as it was.
bool UlozZpravu(const drun::ObsahZpravy& z, const std::string& soubor);
