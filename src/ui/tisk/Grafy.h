#pragma once

class QChart;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace drun {
struct DrunVar;
}

// The two charts of a calculation, without a window: the end-of-path spectrum
// against the requirement and its NR and NC curves, and the level along the path in
// one band. The chart window shows them; the PDF protocol draws them on its
// last page. Charts that no view has taken over are deleted with this object.
class TGrafy {
  public:
    TGrafy();
    ~TGrafy();
    TGrafy(const TGrafy&) = delete;
    TGrafy& operator=(const TGrafy&) = delete;

    void KresliSpektrum(const drun::DrunVar& var);
    // `pasmo`: 0..7 a band, 8 L(A).
    void KresliCestu(const drun::DrunVar& var, int pasmo);
    void KresliAktualni(const drun::DrunVar& var, int pasmo);

    QChart *SpektrumGraf, *CestaGraf;
    QLineSeries *VysledekSerie, *PozadavekSerie, *NRSerie, *NCSerie, *CestaSerie;
    QScatterSeries *PrekrocenoSerie, *AktualniSerie;
    QValueAxis *SpektrumOsaY, *CestaOsaX, *CestaOsaY;
};
