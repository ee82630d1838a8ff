#include "ui/SymbolBild.h"

#include <QPainter>
#include <QPainterPath>

namespace lerno {

QImage SymbolBild(int groesse)
{
    // An open exercise book with a yellow "L" on its right page, drawn on a 32-unit grid.
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / 32.0, groesse / 32.0);
    p.setPen(QPen(QColor(20, 30, 70), 1.5));
    p.setBrush(QColor(30, 60, 140));
    p.drawRoundedRect(QRectF(2, 4, 28, 24), 3, 3);
    p.setBrush(QColor(245, 240, 220));
    p.drawRect(QRectF(5, 7, 10.5, 18));
    p.drawRect(QRectF(16.5, 7, 10.5, 18));
    if (groesse >= 32) {
        // Written lines on the left page; at 16 pixels they would only blur.
        p.setPen(QPen(QColor(120, 130, 160), 0.8));
        for (double y : {11.0, 14.5, 18.0, 21.5})
            p.drawLine(QPointF(7, y), QPointF(13.5, y));
    }
    // The "L" as a shape rather than a glyph: the same on every machine.
    QPainterPath l;
    l.moveTo(18.9, 10);
    l.lineTo(21.7, 10);
    l.lineTo(21.7, 19.4);
    l.lineTo(25.2, 19.4);
    l.lineTo(25.2, 22);
    l.lineTo(18.9, 22);
    l.closeSubpath();
    p.setPen(QPen(QColor(150, 110, 0), 0.6));
    p.setBrush(QColor(255, 210, 0));
    p.drawPath(l);
    p.end();
    return bild;
}

} // namespace lerno
