#include "app/PictureControl.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <future>

namespace lerno {

namespace {
struct Vorauslese {
    QString pfad;
    std::future<QImage> bild;
};
Vorauslese& vorauslese()
{
    static Vorauslese v;
    return v;
}
} // namespace

void PictureControl::vorauslesen(const QString& pfad)
{
    vorauslese().pfad = pfad;
    vorauslese().bild = std::async(std::launch::async, [pfad] { return QImage(pfad); });
}

PictureControl::PictureControl(QWidget* parent, Modus modus) : QWidget(parent), modus_(modus)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    lower();
}

bool PictureControl::laden(const QString& pfad)
{
    QPixmap neu;
    auto& v = vorauslese();
    if (v.bild.valid() && v.pfad == pfad)
        neu = QPixmap::fromImage(v.bild.get());
    else
        neu.load(pfad);
    const bool ok = !neu.isNull();
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
    emit gezeichnet();
}

void PictureControl::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit mausBewegt();
}

} // namespace lerno
