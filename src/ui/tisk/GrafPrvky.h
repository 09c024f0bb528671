#pragma once

#include <QColor>
#include <QString>

#include "core/DrunVar.h"

class QCategoryAxis;
class QChart;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The pieces every chart of the program is drawn with, so that they all look alike.
extern const QColor BarvaVysledku;
extern const QColor BarvaPozadavku;
extern const QColor BarvaNR;
extern const QColor BarvaNC;
extern const QColor BarvaPrekroceni;

// "63Hz" … "8kHz" for 0..7, "L(A)" for 8.
QString NazevPasma(int i);

namespace drun {
struct HodnoceniNR;
struct HodnoceniNC;
struct HodnoceniRC;
} // namespace drun
// "Short|Long" hints of the three ratings (see NastavHint): the deciding band,
// for RC the band furthest above its curve and by how much.
QString HintNR(const drun::HodnoceniNR& h);
QString HintNC(const drun::HodnoceniNC& h);
QString HintRC(const drun::HodnoceniRC& h);
// The three ratings of a spectrum in one line: "NR 30.0, NC 26.7, RC 25 (R)".
QString Hodnoceni(const drun::Spectrum& s);
// A text as a chart's title or a series' name: the chart reads both as rich
// text, where "NC < 15" or a file "a<b.DRN" would lose everything after '<'.
QString TextGrafu(const QString& text);
// A chart with its title, the legend below, no animation.
QChart* NovyGraf(const QString& titul);
// The eight bands as categories along the bottom, centred on 1..8.
QCategoryAxis* OsaPasem(QChart* graf);
// Levels in dB on the left.
QValueAxis* OsaHladin(QChart* graf);
// Sets the range and the tick interval together (see the definition).
void NastavRozsah(QValueAxis* osa, double min, double max, double krok);
// Whole tens of dB around the values, with a little room at both ends.
// The label step: 10 dB, 20 above 160 dB, or the next of 50, 100, 200,
// 500, … that leaves no more than `intervalu` intervals in `rozsah`.
double KrokHladin(double rozsah, int intervalu);
void NastavRozsahHladin(QValueAxis* osa, double min, double max);
QLineSeries* Cara(QChart* graf, const QString& nazev, const QColor& barva, Qt::PenStyle styl,
                  qreal sirka);
QScatterSeries* Body(QChart* graf, const QString& nazev, const QColor& barva, qreal velikost);

// A spectrum against its requirement and the spectrum's own NR and NC
// curves, drawn alike in every chart: the five series and the level axis.
struct SpektrumProtiPozadavku {
    QLineSeries *Spektrum, *Pozadavek, *NR;
    QScatterSeries* Prekroceno;
    QValueAxis* OsaY;
    QLineSeries* NC;
};
// Adds them to `graf` over the band axis; the spectrum is called `nazev`.
SpektrumProtiPozadavku PridejSpektrum(QChart* graf, const QString& nazev);
// Draws `s` against `pozadavek`, its points red where `rozdil` is above 0 (as
// the difference row is red), the NR curve of `s` named "Křivka NR …" and
// `priponaNR`, and its NC curve named "Křivka NC …" likewise. The level axis
// covers them and the levels min..max besides.
void KresliProtiPozadavku(const SpektrumProtiPozadavku& g, const drun::Spectrum& s,
                          const drun::Spectrum& pozadavek, const drun::Spectrum& rozdil, double min,
                          double max, const QString& priponaNR = {});
