#include "vocabtest/Testmarken.h"

#include <QPainter>
#include <QPainterPath>

namespace lerno {

namespace {

// A thick stroke with a dark rim, so the mark stands out on any part of the picture.
QPixmap Marke(const QPainterPath& form, const QColor& farbe)
{
    QPixmap pm(MarkeBreite, MarkeHoehe);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 20, 20), 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(form);
    p.setPen(QPen(farbe, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(form);
    return pm;
}

} // namespace

QPixmap RichtigMarke()
{
    QPainterPath haken;
    haken.moveTo(4.5, 11.5);
    haken.lineTo(9.5, 17.0);
    haken.lineTo(19.5, 4.5);
    return Marke(haken, QColor(60, 210, 60));
}

QPixmap FalschMarke()
{
    QPainterPath kreuz;
    kreuz.moveTo(6, 4.5);
    kreuz.lineTo(18, 17.5);
    kreuz.moveTo(18, 4.5);
    kreuz.lineTo(6, 17.5);
    return Marke(kreuz, QColor(235, 40, 40));
}

} // namespace lerno
