#include "ui/PdfSeite.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace lerno {

QFont Druckschrift(double punkt, bool fett)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(punkt);
    f.setBold(fett);
    return f;
}

void PdfEinrichten(QPdfWriter& writer, const QString& titel)
{
    writer.setResolution(PdfDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
    writer.setTitle(titel);
    writer.setCreator(QStringLiteral("Lerno"));
}

std::optional<QByteArray> PdfImSpeicher(const std::function<bool(QIODevice&)>& zeichnen)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    if (!zeichnen(puffer))
        return std::nullopt;
    puffer.close();
    return puffer.data();
}

std::optional<QByteArray> PdfSeiteBauen(const QString& titel, const PdfSeite& zeichnen)
{
    return PdfImSpeicher([&](QIODevice& ziel) {
        QPdfWriter writer(&ziel);
        PdfEinrichten(writer, titel);
        QPainter p;
        if (!p.begin(&writer))
            return false;
        const QRect flaeche = writer.pageLayout().paintRectPixels(PdfDpi);
        const bool gezeichnet = zeichnen(p, QRectF(QPointF(0, 0), QSizeF(flaeche.size())), PdfMm(1));
        return p.end() && gezeichnet;
    });
}

} // namespace lerno
