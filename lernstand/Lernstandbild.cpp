#include "lernstand/Lernstandbild.h"

#include "lists/DateiErsetzen.h"
#include "ui/PdfSeite.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace lerno {

namespace {

const QColor Tinte(40, 40, 40);
const QColor Gitter(215, 215, 215);
const QColor Grenze(200, 30, 30);
const QColor Punktfarbe(20, 90, 190);
const QColor StufenFarben[3] = {QColor(90, 170, 90), QColor(235, 170, 40), QColor(205, 70, 60)};

void Panel(QPainter& p, const QRectF& r, double px)
{
    p.setPen(QPen(QColor(120, 120, 120), px));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 6 * px, 6 * px);
    p.setBrush(Qt::NoBrush);
}

} // namespace

QString Datum(const QDateTime& t) { return t.toString(QStringLiteral("dd.MM.yyyy")); }

QString FaelligText(const Listenstand& liste) { return QString::number(liste.Faellig); }

QString ArbeitText(const Listenstand& liste)
{
    return liste.Klassenarbeit.isValid() ? liste.Klassenarbeit.toString(QStringLiteral("dd.MM.yyyy"))
                                         : QStringLiteral("–");
}

QString PrognoseText(const Listenstand& liste)
{
    return liste.ErwarteteNote ? QLocale(QLocale::German).toString(*liste.ErwarteteNote, 'f', 1)
                               : QStringLiteral("–");
}

QList<QPointF> NotenPunkte(const QRectF& plot, const QList<Testeintrag>& tests)
{
    QList<QPointF> punkte;
    const qsizetype n = tests.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto note = NotenWert(tests[i].Note);
        if (!note)
            continue;
        const double x = n == 1 ? plot.center().x() : plot.left() + plot.width() * double(i) / double(n - 1);
        const double y = plot.top() + plot.height() * (*note - 1.0) / 5.0;
        punkte.append(QPointF(x, y));
    }
    return punkte;
}

QRectF NotenPlot(const QRectF& rahmen, double px)
{
    // Room for the title above, the grade numbers on the left, the dates below; the
    // first and last point keep clear of the frame.
    return rahmen.adjusted(46 * px, 36 * px, -34 * px, -34 * px);
}

void NotenverlaufZeichnen(QPainter& p, const QRectF& rahmen, const QList<Testeintrag>& tests, double px)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    Panel(p, rahmen, px);
    const QRectF plot = NotenPlot(rahmen, px);

    p.setFont(Druckschrift(10, true));
    p.setPen(Tinte);
    p.drawText(QRectF(rahmen.left() + 12 * px, rahmen.top() + 6 * px, rahmen.width() - 24 * px, 22 * px),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Noten der Tests"));

    // Grade lines 1..6, the pass line at 4 in red with its name.
    p.setFont(Druckschrift(9));
    const double links = plot.left() - 18 * px;
    const double rechts = plot.right() + 18 * px;
    for (int note = 1; note <= 6; ++note) {
        const double y = plot.top() + plot.height() * (note - 1) / 5.0;
        p.setPen(QPen(Gitter, px));
        p.drawLine(QPointF(links, y), QPointF(rechts, y));
        p.setPen(Tinte);
        p.drawText(QRectF(rahmen.left() + 4 * px, y - 9 * px, links - rahmen.left() - 10 * px, 18 * px),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(note));
    }
    const double y4 = plot.top() + plot.height() * 3 / 5.0;
    p.setPen(QPen(Grenze, 1.5 * px, Qt::DashLine));
    p.drawLine(QPointF(links, y4), QPointF(rechts, y4));
    p.setPen(Grenze);
    p.setFont(Druckschrift(8.5));
    p.drawText(QRectF(plot.right() - 220 * px, y4 - 17 * px, 220 * px + 16 * px, 15 * px),
               Qt::AlignRight | Qt::AlignBottom, QStringLiteral("bis 4: bestanden"));

    if (tests.isEmpty()) {
        p.setPen(Tinte);
        p.setFont(Druckschrift(11));
        const QRectF feld = plot.adjusted(0, 0, 0, -plot.height() * 0.45);
        QFontMetricsF fm(p.font(), p.device());
        const QString text = QStringLiteral("Mit dieser Liste hast du noch keinen Test geschrieben.");
        const QRectF hinter = QRectF(0, 0, fm.horizontalAdvance(text) + 20 * px, fm.height() + 10 * px)
                                  .translated(feld.center() - QPointF(fm.horizontalAdvance(text) / 2 + 10 * px,
                                                                     fm.height() / 2 + 5 * px));
        p.fillRect(hinter, Qt::white);
        p.drawText(feld, Qt::AlignCenter, text);
        p.restore();
        return;
    }

    const QList<QPointF> punkte = NotenPunkte(plot, tests);
    // The line between the points, then the points, each with its grade above it.
    p.setPen(QPen(Punktfarbe, 2 * px));
    for (qsizetype i = 1; i < punkte.size(); ++i)
        p.drawLine(punkte[i - 1], punkte[i]);
    p.setFont(Druckschrift(8.5, true));
    QFontMetricsF fm(p.font(), p.device());
    for (qsizetype i = 0, k = 0; i < tests.size(); ++i) {
        if (!NotenWert(tests[i].Note))
            continue;
        const QPointF pt = punkte[k++];
        p.setPen(QPen(Qt::white, 1.5 * px));
        p.setBrush(Punktfarbe);
        p.drawEllipse(pt, 5 * px, 5 * px);
        p.setBrush(Qt::NoBrush);
        // Above the point, below it for grades near 1 where the title would be.
        const bool unten = pt.y() < plot.top() + 14 * px;
        const QRectF feld(pt.x() - 30 * px, unten ? pt.y() + 7 * px : pt.y() - 7 * px - fm.height(), 60 * px,
                          fm.height());
        // On a white patch: the grade stays readable where it meets a grid or the pass line.
        const QString note = NoteAnzeigen(tests[i].Note);
        const double w = fm.horizontalAdvance(note) + 4 * px;
        p.fillRect(QRectF(pt.x() - w / 2, feld.top(), w, feld.height()), Qt::white);
        p.setPen(Punktfarbe);
        p.drawText(feld, Qt::AlignCenter, note);
    }

    // Dates under the axis; where they would collide, every k-th, always the last.
    p.setFont(Druckschrift(8));
    QFontMetricsF fd(p.font(), p.device());
    const double breite = fd.horizontalAdvance(QStringLiteral("00.00.0000")) + 8 * px;
    const double abstand = punkte.size() > 1 ? plot.width() / double(punkte.size() - 1) : plot.width();
    const qsizetype schritt = std::max<qsizetype>(1, qsizetype(std::ceil(breite / abstand)));
    p.setPen(Tinte);
    const double yDatum = plot.bottom() + 12 * px;
    for (qsizetype i = 0, k = 0; i < tests.size(); ++i) {
        if (!NotenWert(tests[i].Note))
            continue;
        const qsizetype nr = k++;
        const bool letzter = nr == punkte.size() - 1;
        if (!letzter && (nr % schritt != 0 || (punkte.size() - 1 - nr) < schritt))
            continue;
        const QPointF pt = punkte[nr];
        p.setPen(QPen(Gitter, px));
        p.drawLine(QPointF(pt.x(), plot.bottom() + 2 * px), QPointF(pt.x(), plot.bottom() + 8 * px));
        p.setPen(Tinte);
        p.drawText(QRectF(pt.x() - breite / 2, yDatum, breite, fd.height()), Qt::AlignCenter,
                   Datum(tests[i].Zeitpunkt));
    }
    p.restore();
}

std::array<qsizetype, 3> Balkenteile(const Listenstand& liste)
{
    const qsizetype a = liste.Stufen[0].Woerter;
    const qsizetype b = std::min(liste.Stufen[1].Woerter, a);
    const qsizetype c = std::min(liste.Stufen[2].Woerter, b);
    return {a - b, b - c, c};
}

QString Anzahl(const Stufenzahl& z)
{
    return z.Lesefehler ? QStringLiteral("?") : QString::number(z.Woerter);
}

std::array<QString, 3> Legende(const Listenstand& liste)
{
    return {QStringLiteral("Wörter: %1").arg(Anzahl(liste.Stufen[0])),
            QStringLiteral("in Stufe 2: %1").arg(Anzahl(liste.Stufen[1])),
            QStringLiteral("in Stufe 3: %1 (auch in Stufe 2)").arg(Anzahl(liste.Stufen[2]))};
}

QString NoteAnzeigen(const QString& note)
{
    return QString(note).replace(u'.', u',');
}

void StufenbalkenZeichnen(QPainter& p, const QRectF& rahmen, const Listenstand& liste, double px)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    Panel(p, rahmen, px);
    const auto teile = Balkenteile(liste);
    const qsizetype summe = teile[0] + teile[1] + teile[2];
    const QRectF balken(rahmen.left() + 12 * px, rahmen.top() + 10 * px, rahmen.width() - 24 * px, 16 * px);

    // The whole bar is the list; stage 2 its right part, stage 3 inside that, a little
    // lower, so the stage-2 colour round it shows that those words count there too.
    p.setPen(Qt::NoPen);
    p.setBrush(summe == 0 ? QColor(235, 235, 235) : StufenFarben[0]);
    p.drawRect(balken);
    if (summe > 0) {
        const double w2 = balken.width() * double(teile[1] + teile[2]) / double(summe);
        const double w3 = balken.width() * double(teile[2]) / double(summe);
        p.setBrush(StufenFarben[1]);
        p.drawRect(QRectF(balken.right() - w2, balken.top(), w2, balken.height()));
        p.setBrush(StufenFarben[2]);
        p.drawRect(QRectF(balken.right() - w3, balken.top() + 3 * px, w3, balken.height() - 6 * px));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 120, 120), px));
    p.drawRect(balken);

    // The legend: a swatch and "in Stufe 2: 2" for each count.
    p.setFont(Druckschrift(9));
    QFontMetricsF fm(p.font(), p.device());
    const auto texte = Legende(liste);
    double lx = balken.left();
    const double ly = balken.bottom() + 6 * px;
    for (int s = 0; s < 3; ++s) {
        const QString& t = texte[s];
        p.fillRect(QRectF(lx, ly + (fm.height() - 10 * px) / 2, 10 * px, 10 * px), StufenFarben[s]);
        p.setPen(Tinte);
        p.drawText(QRectF(lx + 14 * px, ly, fm.horizontalAdvance(t) + 4 * px, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, t);
        lx += 14 * px + fm.horizontalAdvance(t) + 22 * px;
    }
    if (summe == 0) {
        p.setPen(Tinte);
        p.drawText(balken, Qt::AlignCenter, QStringLiteral("Die Liste ist leer."));
    }
    p.restore();
}

bool LernstandPdfSchreiben(const QString& pfad, const Listenstand& liste, const QDateTime& gedruckt)
{
    const QString titel = QStringLiteral("Lernstand: %1").arg(liste.Name);
    const auto pdf = PdfSeiteBauen(titel, [&](QPainter& p, const QRectF& seite, double mm) {
        // Screen pixels at 96 dpi to device pixels: the routines above draw in those.
        const double px = mm * 25.4 / 96.0;
        double y = 0;
        p.setPen(Qt::black);
        p.setFont(Druckschrift(18, true));
        QFontMetricsF ft(p.font(), p.device());
        p.drawText(QRectF(0, y, seite.width(), ft.height() * 1.2), Qt::AlignLeft | Qt::AlignVCenter, titel);
        p.setFont(Druckschrift(9));
        p.drawText(QRectF(0, y, seite.width(), ft.height() * 1.2), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Stand: %1").arg(Datum(gedruckt)));
        y += ft.height() * 1.2 + 5 * mm;

        // The counts as a small table: a header row, one value row.
        const QString kopf[] = {QStringLiteral("Wörter"), QStringLiteral("in Stufe 2"), QStringLiteral("in Stufe 3"),
                                QStringLiteral("Tests"), QStringLiteral("letzte Note"), QStringLiteral("am")};
        const Testeintrag* letzter = liste.letzterTest();
        const QString werte[] = {Anzahl(liste.Stufen[0]), Anzahl(liste.Stufen[1]),
                                 Anzahl(liste.Stufen[2]), QString::number(liste.Tests.size()),
                                 letzter ? NoteAnzeigen(letzter->Note) : QStringLiteral("–"),
                                 letzter ? Datum(letzter->Zeitpunkt) : QStringLiteral("–")};
        const double spalte = seite.width() / 6;
        const double zeile = 8 * mm;
        auto tabelle = [&](const QString* k, const QString* w, int n) {
            for (int i = 0; i < n; ++i) {
                p.setPen(Qt::black);
                p.setFont(Druckschrift(10, true));
                p.drawText(QRectF(i * spalte, y, spalte, zeile), Qt::AlignCenter, k[i]);
                p.setFont(Druckschrift(12));
                p.drawText(QRectF(i * spalte, y + zeile, spalte, zeile), Qt::AlignCenter, w[i]);
            }
            p.setPen(QPen(Qt::black, 0.3 * mm));
            p.drawLine(QPointF(0, y + zeile), QPointF(n * spalte, y + zeile));
            p.setPen(QPen(QColor(150, 150, 150), 0.2 * mm));
            p.drawLine(QPointF(0, y + 2 * zeile), QPointF(n * spalte, y + 2 * zeile));
            y += 2 * zeile + 4 * mm;
        };
        tabelle(kopf, werte, 6);
        // The plan to the class test under the counts.
        const QString planKopf[] = {QStringLiteral("heute fällig"), QStringLiteral("Klassenarbeit"),
                                    QStringLiteral("erwartete Note")};
        const QString plan[] = {FaelligText(liste), ArbeitText(liste), PrognoseText(liste)};
        tabelle(planKopf, plan, 3);
        y += 2 * mm;

        StufenbalkenZeichnen(p, QRectF(0, y, seite.width(), 50 * px), liste, px);
        y += 50 * px + 5 * mm;
        NotenverlaufZeichnen(p, QRectF(0, y, seite.width(), 95 * mm), liste.Tests, px);
        y += 95 * mm + 7 * mm;

        // The latest tests, newest first, as many as the page holds.
        if (!liste.Tests.isEmpty()) {
            p.setPen(Qt::black);
            p.setFont(Druckschrift(11, true));
            p.drawText(QRectF(0, y, seite.width(), zeile), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("Die letzten Tests"));
            y += zeile;
            const QString tk[] = {QStringLiteral("Datum"), QStringLiteral("Uhrzeit"), QStringLiteral("Richtung"),
                                  QStringLiteral("richtig"), QStringLiteral("falsch"), QStringLiteral("Note")};
            const double breiten[] = {0.17, 0.12, 0.35, 0.12, 0.12, 0.12};
            auto reihe = [&](const QString* texte, bool fett) {
                double x = 0;
                p.setFont(Druckschrift(fett ? 10 : 10.5, fett));
                for (int i = 0; i < 6; ++i) {
                    const double w = breiten[i] * seite.width();
                    p.drawText(QRectF(x + 1 * mm, y, w - 2 * mm, zeile), (i >= 3 ? Qt::AlignRight : Qt::AlignLeft)
                               | Qt::AlignVCenter, texte[i]);
                    x += w;
                }
                y += zeile;
            };
            p.setPen(Qt::black);
            reihe(tk, true);
            p.setPen(QPen(Qt::black, 0.3 * mm));
            p.drawLine(QPointF(0, y), QPointF(seite.width(), y));
            for (qsizetype i = liste.Tests.size() - 1; i >= 0 && y + zeile <= seite.height() - 2 * mm; --i) {
                const Testeintrag& t = liste.Tests[i];
                const QString texte[] = {
                    Datum(t.Zeitpunkt), t.Zeitpunkt.toString(QStringLiteral("HH:mm")),
                    t.richtung == Richtung::FremdNachDeutsch ? QStringLiteral("Fremdsprache -> Deutsch")
                                                             : QStringLiteral("Deutsch -> Fremdsprache"),
                    QString::number(t.Richtige), QString::number(t.Falsche), NoteAnzeigen(t.Note)};
                p.setPen(Qt::black);
                reihe(texte, false);
                p.setPen(QPen(QColor(190, 190, 190), 0.2 * mm));
                p.drawLine(QPointF(0, y), QPointF(seite.width(), y));
            }
        }
        return true;
    });
    return pdf && DateiErsetzen(pfad, *pdf);
}

} // namespace lerno
