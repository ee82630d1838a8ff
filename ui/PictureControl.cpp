#include "ui/PictureControl.h"

#include "ui/BmpLesen.h"

#include <QMouseEvent>
#include <QPainter>

namespace lerno {

PictureControl::PictureControl(QWidget* parent, Modus modus) : QWidget(parent), modus_(modus)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    lower();
}

bool PictureControl::laden(const QString& pfad)
{
    bild_ = BmpLesen(pfad);
    const bool ok = !bild_.isNull();
    if (modus_ == Modus::Natuerlich && ok)
        resize(bild_.size());
    update();
    return ok;
}

PictureControl* PictureControl::alsFensterbild(QWidget* fenster, const QString& pfad)
{
    auto* pc = new PictureControl(fenster, Modus::Natuerlich);
    pc->move(0, 0);
    pc->laden(pfad);
    pc->lower();
    return pc;
}

void PictureControl::paintEvent(QPaintEvent*)
{
    if (!bild_.isNull()) {
        QPainter p(this);
        if (modus_ == Modus::Gestreckt) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(rect(), bild_);
        } else {
            p.drawImage(0, 0, bild_);
        }
    }
    emit gezeichnet();
}

void PictureControl::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit mausBewegt();
}

} // namespace lerno
