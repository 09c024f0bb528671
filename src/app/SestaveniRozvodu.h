#pragma once

struct Prikaz;

// drun-protokol --sestav VYSTUP.DRR SOUBOR.DRN… | --sestav VYSTUP.DRR --projekt
// PROJEKT.DRP: the rozvod assembled from the files or the project written.
// 0 written, 1 refused (the file and why on standard error), 2 bad options
// (an output that is one of the inputs among them).
int SestaveniRozvodu(const Prikaz& p);

// drun-protokol --prutoky R.DRR --vystup R2.DRR: the flows carried up from
// the rooms (a room without an outlet keeps what its path's end carries), the
// changes printed, the rozvod written. 0 written, 3 written
// with elements left as they were, 1 a file that cannot be read or written
// or rooms without a flow, 2 bad options.
int PrutokyRozvodu(const Prikaz& p);
