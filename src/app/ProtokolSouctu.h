#pragma once

struct Prikaz;

// drun-protokol --soucet A.DRN B.DRN … [--pozadavek …]: the sum of the
// paths' end spectra as a tab-separated table on standard output. Returns the
// exit status.
int ProtokolSouctu(const Prikaz& p);
