#include "transfer/PdfDruck.h"

#include "lists/DateiErsetzen.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

namespace lerno {

namespace {

constexpr int Dpi = 300;

// Millimetres to device pixels at the writer's resolution.
constexpr double Mm(double mm) { return mm * Dpi / 25.4; }

QFont Schrift(double punkt, bool fett = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(punkt);
    f.setBold(fett);
    return f;
}

// The paper every Lerno PDF is printed on.
void Einrichten(QPdfWriter& writer, const QString& titel)
{
    writer.setResolution(Dpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
    writer.setTitle(titel);
    writer.setCreator(QStringLiteral("Lerno"));
}

// Rendered in memory and then put in place whole: a PDF of the same name that is
// already there stays intact if anything fails.
bool ImGanzenSchreiben(const QString& pfad, const std::function<bool(QIODevice&)>& zeichnen)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    if (!zeichnen(puffer))
        return false;
    puffer.close();
    return DateiErsetzen(pfad, puffer.data());
}

} // namespace

bool PdfSchreiben(const QString& pfad, const QString& titel, const QList<WortPaar>& paare, Druckart art)
{
    return ImGanzenSchreiben(pfad, [&](QIODevice& ziel) { return PdfZeichnen(ziel, titel, paare, art); });
}

bool PdfSeiteSchreiben(const QString& pfad, const QString& titel, const PdfSeite& zeichnen)
{
    return ImGanzenSchreiben(pfad, [&](QIODevice& ziel) {
        QPdfWriter writer(&ziel);
        Einrichten(writer, titel);
        QPainter p;
        if (!p.begin(&writer))
            return false;
        const QRect flaeche = writer.pageLayout().paintRectPixels(Dpi);
        const bool gezeichnet = zeichnen(p, QRectF(QPointF(0, 0), QSizeF(flaeche.size())), Mm(1));
        return p.end() && gezeichnet;
    });
}

bool PdfZeichnen(QIODevice& ziel, const QString& titel, const QList<WortPaar>& paare, Druckart art)
{
    const bool vokabelZeigen = art != Druckart::OhneVokabel;
    const bool bedeutungZeigen = art != Druckart::OhneBedeutung;
    const QString namenszeile = QStringLiteral("Name: ______________________________     Datum: ______________");
    QPdfWriter writer(&ziel);
    Einrichten(writer, titel);

    QPainter p;
    if (!p.begin(&writer))
        return false;

    const QRectF seite = QRectF(writer.pageLayout().paintRectPixels(Dpi)).translated(
        -writer.pageLayout().paintRectPixels(Dpi).topLeft());
    const double luecke = Mm(4);      // space each column keeps from the fold line
    const double polster = Mm(1.6);   // space above and below a row's text
    const double mitte = seite.center().x();
    const QRectF links(seite.left(), 0, mitte - luecke - seite.left(), 0);
    const QRectF rechts(mitte + luecke, 0, seite.right() - mitte - luecke, 0);

    const QFont titelSchrift = Schrift(18, true);
    const QFont kopfSchrift = Schrift(11, true);
    const QFont textSchrift = Schrift(12);
    const QFont fussSchrift = Schrift(9);
    QTextOption umbruch;
    umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    auto hoehe = [&](const QString& text, const QRectF& spalte, const QFont& f) {
        p.setFont(f);
        return p.boundingRect(QRectF(spalte.left(), 0, spalte.width(), 1e6), text, umbruch).height();
    };

    // First pass: row heights and the page each row lands on.
    const double nameHoehe = art == Druckart::Liste ? 0 : hoehe(namenszeile, seite, textSchrift) + Mm(6);
    const double titelHoehe = hoehe(titel, seite, titelSchrift) + Mm(6) + nameHoehe;
    const double kopfHoehe = hoehe(QStringLiteral("Vokabel"), links, kopfSchrift) + 2 * polster;
    const double fussHoehe = hoehe(QStringLiteral("Seite"), seite, fussSchrift) + Mm(4);
    QList<double> zeilenHoehe;
    QList<int> seiteVon;
    int seiten = 1;
    double y = titelHoehe + kopfHoehe;
    for (const WortPaar& paar : paare) {
        // An empty column keeps the height of one written line at least.
        const double h = std::max({vokabelZeigen ? hoehe(paar.Vokabel, links, textSchrift) : 0.0,
                                   bedeutungZeigen ? hoehe(paar.Bedeutung, rechts, textSchrift) : 0.0,
                                   art == Druckart::Liste ? 0.0 : Mm(8)}) + 2 * polster;
        if (y + h > seite.bottom() - fussHoehe && y > kopfHoehe + (seiten == 1 ? titelHoehe : 0)) {
            ++seiten;
            y = kopfHoehe;
        }
        zeilenHoehe.append(h);
        seiteVon.append(seiten);
        y += h;
    }

    // Second pass: draw.
    const QPen linie(QColor(150, 150, 150), Mm(0.2));
    QPen falz(Qt::black, Mm(0.3), Qt::DashLine);
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
        p.setPen(QPen(Qt::black, Mm(0.3)));
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
        p.drawText(QRectF(seite.left(), seite.bottom() - fussHoehe + Mm(4), seite.width(), fussHoehe),
                   QStringLiteral("%1 – Seite %2 von %3").arg(titel).arg(s).arg(seiten), mittig);
    }
    return p.end();
}

} // namespace lerno
