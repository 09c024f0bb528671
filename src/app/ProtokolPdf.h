#pragma once

// drun --pdf VÝSTUP.pdf [--pozadavek …] [--stranka …] [--datum …] SOUBOR.DRN:
// the protocol with its charts as a PDF, drawn by the window's own printing
// code offscreen, without a window; drun-protokol --pdf hands over to it. The
// exit status, or -1 when the command line does not ask for a PDF.
int ProtokolPdfZPrikazu(int argc, char** argv);
