#pragma once

struct Prikaz;

// drun-protokol --navrh K SOUBOR.DRN --pozadavek …: the attenuation needed
// behind element K and the silencers that meet the requirement there, as
// tab-separated lines on standard output.
int ProtokolNavrhu(const Prikaz& p);

// drun-protokol --podily SOUBOR.DRN: what each noise origin alone contributes
// to the end level, band by band, and the result as "Celkem".
int ProtokolPodilu(const Prikaz& p);
