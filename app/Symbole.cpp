#include "app/Symbole.h"

#include <QPainter>
#include <QPixmap>

namespace lerno {

QIcon Fenstersymbol()
{
    // An open exercise book with a yellow "L", readable at 16 and 32 pixels.
    QIcon icon;
    for (int groesse : {16, 32, 48, 64}) {
        QPixmap pm(groesse, groesse);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = groesse / 32.0;
        p.setPen(QPen(QColor(20, 30, 70), 1.5 * s));
        p.setBrush(QColor(30, 60, 140));
        p.drawRoundedRect(QRectF(2 * s, 4 * s, 28 * s, 24 * s), 3 * s, 3 * s);
        p.setBrush(QColor(245, 240, 220));
        p.drawRect(QRectF(5 * s, 7 * s, 10.5 * s, 18 * s));
        p.drawRect(QRectF(16.5 * s, 7 * s, 10.5 * s, 18 * s));
        QFont f(QStringLiteral("Liberation Sans"));
        f.setBold(true);
        f.setPixelSize(static_cast<int>(15 * s));
        p.setFont(f);
        p.setPen(QColor(255, 210, 0));
        p.drawText(QRectF(16.5 * s, 7 * s, 10.5 * s, 18 * s), Qt::AlignCenter, QStringLiteral("L"));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace lerno
