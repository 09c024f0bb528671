#pragma once

struct Prikaz;

// drun-protokol --ifc MODEL.ifc: the model's systems, its sources and the
// terminals each reaches. With --zdroj ID --ulozit VYSTUP.DRR [--prutoky
// SOUBOR.csv]: the rozvod from that source written, the import's report on
// standard output. Exit status: 0 done, 1 a file refused or the source's
// network refused (the message says why), 2 bad options.
int ProtokolIfc(const Prikaz& p);
