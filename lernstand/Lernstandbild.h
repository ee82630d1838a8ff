#pragma once
// The pictures of the overview, drawn with QPainter into any device: the window's
// widgets and the one-page PDF use the same routines, so paper and screen agree.
#include "lernstand/Uebersicht.h"

#include <QList>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace lerno {

// Where each test's point lies in the plot area: grade 1 at the top edge, 6 at the
// bottom edge, the tests evenly spaced from left to right in the order they were taken
// (a lone test in the middle). Tests with an unreadable grade get no point.
QList<QPointF> NotenPunkte(const QRectF& plot, const QList<Testeintrag>& tests);

// The plot area inside the chart's frame (the rest holds the axes and their labels).
// px is the device's pixels per screen pixel at 96 dpi.
QRectF NotenPlot(const QRectF& rahmen, double px);

// The grade chart on a white panel: grades 1..6, the pass line at 4, a point with its
// date under it for each test; a list without tests says so.
void NotenverlaufZeichnen(QPainter& p, const QRectF& rahmen, const QList<Testeintrag>& tests, double px);

// One bar of the list's words, stage 2 as its right part and stage 3 inside that, with the
// numbers in a legend.
void StufenbalkenZeichnen(QPainter& p, const QRectF& rahmen, const Listenstand& liste, double px);

// The parts of the bar: words only in stage 1, in stage 2 (not 3), in stage 3. Stage
// files may hold words the main list has lost (the editor removes only through a save):
// no part is ever negative.
std::array<qsizetype, 3> Balkenteile(const Listenstand& liste);

// A count as the table and the legend show it: "?" for a file that cannot be read.
QString Anzahl(const Stufenzahl& z);

// The legend of the bar: the same counts as the table's "Wörter", "in Stufe 2", "in Stufe 3"
// (the words each practice stage asks; a word in stage 3 is in stage 2 as well).
std::array<QString, 3> Legende(const Listenstand& liste);

// A grade as German writes it: "4,7" for "4.7" (the history keeps the point).
QString NoteAnzeigen(const QString& note);

// "12.03.2026"
QString Datum(const QDateTime& t);

// The plan's three figures as shown: the words due today ("14"), the class test's day
// ("20.03.2026", "–" for none) and the grade to expect, with a decimal comma ("2,7", "–"
// while nothing has been practised).
QString FaelligText(const Listenstand& liste);
QString ArbeitText(const Listenstand& liste);
QString PrognoseText(const Listenstand& liste);

// The overview of one list as a one-page A4 PDF: title, its counts, the stage bar, the
// grade chart and its latest tests. False when the file cannot be written.
bool LernstandPdfSchreiben(const QString& pfad, const Listenstand& liste, const QDateTime& gedruckt);

} // namespace lerno
