#include "app/PictureControl.h"

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
    QPixmap neu;
    const bool ok = neu.load(pfad);
    bild_ = ok ? neu : QPixmap();
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
    if (bild_.isNull())
        return;
    QPainter p(this);
    if (modus_ == Modus::Gestreckt) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(rect(), bild_);
    } else {
        p.drawPixmap(0, 0, bild_);
    }
}

void PictureControl::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit mausBewegt();
}

} // namespace lerno
