#include "ui/LabelButton.h"

#include "ui/Module1.h"
#include "ui/Schriften.h"
#include "ui/Twips.h"

#include <QMouseEvent>
#include <QPushButton>

namespace lerno {

LabelButton::LabelButton(const QString& text, QWidget* parent, int left, int top, int width,
                         int height, double punkt)
    : QLabel(text, parent), entwurf_(TwRect(left, top, width, height))
{
    setObjectName(text);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true); // hover needs moves without a pressed button
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Gelb);
    setPalette(p);
    setSchrift(punkt, false);
}

void LabelButton::setSchrift(double punkt, bool fett)
{
    setFont(MsSansSerif(punkt, fett));
    anpassen();
}

void LabelButton::anpassen()
{
    // Like an auto-sized label: the height follows the text; a text wider than the
    // designed width grows to both sides so nothing is clipped.
    const QFontMetrics fm(font());
    const int breite = std::max(entwurf_.width(), fm.horizontalAdvance(text()) + 6);
    const int hoehe = std::max(entwurf_.height(), fm.height() + 2);
    const int links = entwurf_.center().x() - breite / 2;
    setGeometry(links, entwurf_.top(), breite, hoehe);
}

void LabelButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        gedrueckt_ = true;
    e->accept();
}

void LabelButton::mouseReleaseEvent(QMouseEvent* e)
{
    const bool klick = gedrueckt_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    gedrueckt_ = false;
    e->accept();
    if (klick)
        emit clicked();
}

void LabelButton::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    emit mausBewegt();
}

QPushButton* KnopfAusserhalb(const QString& text, QWidget* parent, int left, int top,
                             bool standard)
{
    auto* k = new QPushButton(text, parent);
    // No size at all: beyond the designed area it would show once the window is maximized.
    k->setGeometry(Px(left), Px(top), 0, 0);
    k->setDefault(standard);
    k->setAutoDefault(standard);
    k->setFocusPolicy(Qt::NoFocus);
    return k;
}

void HoverLabel(LabelButton* l, bool& hoverok, bool mitSound, double punkt)
{
    if (!hoverok)
        return;
    if (mitSound)
        Module1::SoundAbspielen(2);
    l->vergroessern(punkt);
    hoverok = false;
}

void HoverHintergrund(bool& hoverok, std::initializer_list<LabelButton*> labels)
{
    hoverok = true;
    for (LabelButton* l : labels)
        l->zuruecksetzenWennFett();
}

} // namespace lerno
