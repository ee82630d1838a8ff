#include "transfer/PdfDruck.h"

#include "lists/DateiErsetzen.h"
#include "ui/PdfSeite.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

namespace lerno {

bool PdfSchreiben(const QString& pfad, const QString& titel, const QList<WortPaar>& paare, Druckart art)
{
    const auto pdf = PdfImSpeicher([&](QIODevice& ziel) { return PdfZeichnen(ziel, titel, paare, art); });
    return pdf && DateiErsetzen(pfad, *pdf);
}

bool PdfZeichnen(QIODevice& ziel, const QString& titel, const QList<WortPaar>& paare, Druckart art)
{
    const bool vokabelZeigen = art != Druckart::OhneVokabel;
    const bool bedeutungZeigen = art != Druckart::OhneBedeutung;
    const QString namenszeile = QStringLiteral("Name: ______________________________     Datum: ______________");
    QPdfWriter writer(&ziel);
    PdfEinrichten(writer, titel);

    QPainter p;
    if (!p.begin(&writer))
        return false;

    const QRectF seite = QRectF(writer.pageLayout().paintRectPixels(PdfDpi)).translated(
        -writer.pageLayout().paintRectPixels(PdfDpi).topLeft());
    const double luecke = PdfMm(4);      // space each column keeps from the fold line
    const double polster = PdfMm(1.6);   // space above and below a row's text
    const double mitte = seite.center().x();
    const QRectF links(seite.left(), 0, mitte - luecke - seite.left(), 0);
    const QRectF rechts(mitte + luecke, 0, seite.right() - mitte - luecke, 0);

    const QFont titelSchrift = Druckschrift(18, true);
    const QFont kopfSchrift = Druckschrift(11, true);
    const QFont textSchrift = Druckschrift(12);
    const QFont fussSchrift = Druckschrift(9);
    QTextOption umbruch;
    umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    auto hoehe = [&](const QString& text, const QRectF& spalte, const QFont& f) {
        p.setFont(f);
        return p.boundingRect(QRectF(spalte.left(), 0, spalte.width(), 1e6), text, umbruch).height();
    };

    // First pass: row heights and the page each row lands on.
    const double nameHoehe = art == Druckart::Liste ? 0 : hoehe(namenszeile, seite, textSchrift) + PdfMm(6);
    const double titelHoehe = hoehe(titel, seite, titelSchrift) + PdfMm(6) + nameHoehe;
    const double kopfHoehe = hoehe(QStringLiteral("Vokabel"), links, kopfSchrift) + 2 * polster;
    const double fussHoehe = hoehe(QStringLiteral("Seite"), seite, fussSchrift) + PdfMm(4);
    QList<double> zeilenHoehe;
    QList<int> seiteVon;
    int seiten = 1;
    double y = titelHoehe + kopfHoehe;
    for (const WortPaar& paar : paare) {
        // An empty column keeps the height of one written line at least.
        const double h = std::max({vokabelZeigen ? hoehe(paar.Vokabel, links, textSchrift) : 0.0,
                                   bedeutungZeigen ? hoehe(paar.Bedeutung, rechts, textSchrift) : 0.0,
                                   art == Druckart::Liste ? 0.0 : PdfMm(8)}) + 2 * polster;
        if (y + h > seite.bottom() - fussHoehe && y > kopfHoehe + (seiten == 1 ? titelHoehe : 0)) {
            ++seiten;
            y = kopfHoehe;
        }
        zeilenHoehe.append(h);
        seiteVon.append(seiten);
        y += h;
    }

    // Second pass: draw.
    const QPen linie(QColor(150, 150, 150), PdfMm(0.2));
    QPen falz(Qt::black, PdfMm(0.3), Qt::DashLine);
    qsizetype i = 0;
    for (int s = 1; s <= seiten; ++s) {
        if (s > 1)
            writer.newPage();
        y = 0;
        if (s == 1) {
            p.setFont(titelSchrift);
            p.setPen(Qt::black);
            p.drawText(QRectF(seite.left(), 0, seite.width(), titelHoehe - nameHoehe), titel, umbruch);
            if (nameHoehe > 0) {
                p.setFont(textSchrift);
                p.drawText(QRectF(seite.left(), titelHoehe - nameHoehe, seite.width(), nameHoehe), namenszeile, umbruch);
            }
            y = titelHoehe;
        }
        const double tabelleOben = y;
        p.setFont(kopfSchrift);
        p.setPen(Qt::black);
        p.drawText(QRectF(links.left(), y + polster, links.width(), kopfHoehe), QStringLiteral("Vokabel"), umbruch);
        p.drawText(QRectF(rechts.left(), y + polster, rechts.width(), kopfHoehe), QStringLiteral("Bedeutung"), umbruch);
        y += kopfHoehe;
        p.setPen(QPen(Qt::black, PdfMm(0.3)));
        p.drawLine(QPointF(seite.left(), y), QPointF(seite.right(), y));

        p.setFont(textSchrift);
        for (; i < paare.size() && seiteVon[i] == s; ++i) {
            p.setPen(Qt::black);
            if (vokabelZeigen)
                p.drawText(QRectF(links.left(), y + polster, links.width(), zeilenHoehe[i]), paare[i].Vokabel, umbruch);
            if (bedeutungZeigen)
                p.drawText(QRectF(rechts.left(), y + polster, rechts.width(), zeilenHoehe[i]), paare[i].Bedeutung, umbruch);
            y += zeilenHoehe[i];
            p.setPen(linie);
            p.drawLine(QPointF(seite.left(), y), QPointF(seite.right(), y));
        }
        // The fold line runs the full height of the table on every page.
        p.setPen(falz);
        p.drawLine(QPointF(mitte, tabelleOben), QPointF(mitte, std::max(y, tabelleOben + kopfHoehe)));

        p.setFont(fussSchrift);
        p.setPen(Qt::black);
        QTextOption mittig(Qt::AlignHCenter);
        p.drawText(QRectF(seite.left(), seite.bottom() - fussHoehe + PdfMm(4), seite.width(), fussHoehe),
                   QStringLiteral("%1 – Seite %2 von %3").arg(titel).arg(s).arg(seiten), mittig);
    }
    return p.end();
}

} // namespace lerno
