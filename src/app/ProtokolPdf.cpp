// drun-protokol --pdf: the protocol with its charts drawn by the window's own
// printing code, in a module that only this mode loads.
#include "app/ProtokolPdf.h"

#include <QApplication>
#include <clocale>
#include <iostream>
#include <string>

#include "ui/tisk/Tisk.h"

// The PDF needs Qt's painting but no display: offscreen unless the user chose
// a platform. Standard output stays empty. Today's date is written as the
// window writes it, so that both PDFs of one file are the same.
extern "C" __attribute__((visibility("default"))) int
drun_protokol_pdf(const drun::DrunVar& var, const char* datum, const char* vystup, char* argv0) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1; // our own options are not Qt's
    char* argv[] = {argv0, nullptr};
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (!UlozProtokolPdf(var, datum ? std::string(datum) : DatumProtokolu().toStdString(),
                         vystup)) {
        std::cerr << "Protokol se nepodařilo uložit do souboru " << vystup << ".\n";
        return 1;
    }
    return 0;
}
