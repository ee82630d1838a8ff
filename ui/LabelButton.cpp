#include "ui/LabelButton.h"

#include "ui/Module1.h"
#include "ui/Schriften.h"
#include "ui/Twips.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace lerno {

namespace {

// What a screen reader sees of a label button: a push button named by its caption that
// can be pressed. The press runs from the event loop, so a window it opens does not hold
// up the reader's request until that window closes.
class LabelButtonZugang : public QAccessibleWidget {
public:
    explicit LabelButtonZugang(LabelButton* l) : QAccessibleWidget(l, QAccessible::PushButton) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return knopf()->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    QStringList keyBindingsForAction(const QString& aktion) const override
    {
        if (aktion == pressAction())
            return {QStringLiteral("Return"), QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(aktion);
    }
    void doAction(const QString& aktion) override
    {
        if (aktion == pressAction())
            QMetaObject::invokeMethod(knopf(), &LabelButton::druecken, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(aktion);
    }

private:
    LabelButton* knopf() const { return static_cast<LabelButton*>(widget()); }
};

// The push button behind a label: it only lends the window its Enter key. A screen
// reader is told it is not on screen, so the label is the one button it reads out.
class KnopfAusserhalbSicht : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};

class VerdeckterKnopfZugang : public QAccessibleWidget {
public:
    explicit VerdeckterKnopfZugang(QWidget* w) : QAccessibleWidget(w, QAccessible::PushButton) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
};

QAccessibleInterface* LabelButtonFabrik(const QString& klasse, QObject* o)
{
    if (klasse == QLatin1String("lerno::LabelButton")) {
        if (auto* l = qobject_cast<LabelButton*>(o))
            return new LabelButtonZugang(l);
    } else if (klasse == QLatin1String("lerno::KnopfAusserhalbSicht")) {
        if (auto* k = qobject_cast<KnopfAusserhalbSicht*>(o))
            return new VerdeckterKnopfZugang(k);
    }
    return nullptr;
}

// A dialog or message box closes. Without a window manager nothing hands the window below
// the keyboard again; keys would then reach its focused label with no window active, and
// the menu's access keys would go nowhere. With one, the window below is active already.
class FensterUebergabe : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Hide || !o->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(o);
        const Qt::WindowType art = w->windowType();
        if (!w->isWindow() || (art != Qt::Dialog && art != Qt::Window) || !w->parentWidget())
            return false;
        QWidget* darunter = w->parentWidget()->window();
        QTimer::singleShot(0, darunter, [darunter] {
            if (!QApplication::activeWindow() && !QApplication::activeModalWidget()
                && darunter->isVisible())
                darunter->activateWindow();
        });
        return false;
    }
};

void ZugangEinrichten()
{
    static const bool eingerichtet = [] {
        QAccessible::installFactory(&LabelButtonFabrik);
        qApp->installEventFilter(new FensterUebergabe(qApp));
        return true;
    }();
    Q_UNUSED(eingerichtet);
}

bool TastaturGrund(Qt::FocusReason grund)
{
    return grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason
        || grund == Qt::ShortcutFocusReason;
}

// The window lost the focus to another window or a menu; it comes back to the same label.
bool VoruebergehendWeg(Qt::FocusReason grund)
{
    return grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason;
}

} // namespace

LabelButton::LabelButton(const QString& text, QWidget* parent, int left, int top, int width,
                         int height, double punkt)
    : QLabel(text, parent), entwurf_(TwRect(left, top, width, height))
{
    // First: a text change below may already ask for (and cache) the accessible interface.
    ZugangEinrichten();
    setObjectName(text);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true); // hover needs moves without a pressed button
    // Tab only: a click must leave the focus in the window's text box.
    setFocusPolicy(Qt::TabFocus);
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
    tasteZuletzt_ = false;
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

void LabelButton::keyPressEvent(QKeyEvent* e)
{
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    const int k = e->key();
    if (mods == Qt::NoModifier && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space)) {
        e->accept();
        if (e->isAutoRepeat())
            return;
        tasteZuletzt_ = true;
        if (!fokusmarke_) {
            fokusmarke_ = true;
            update();
        }
        druecken();
        return;
    }
    // Escape, Tab and the rest go on to the window.
    QLabel::keyPressEvent(e);
}

void LabelButton::focusInEvent(QFocusEvent* e)
{
    QLabel::focusInEvent(e);
    if (TastaturGrund(e->reason())) {
        tasteZuletzt_ = true;
        fokusmarke_ = true;
        update();
        emit mausBewegt();
    } else if (VoruebergehendWeg(e->reason())) {
        fokusmarke_ = fokusmarke_ || tasteZuletzt_; // a window coming up or back: no hover
    } else {
        fokusmarke_ = false;
    }
}

void LabelButton::focusOutEvent(QFocusEvent* e)
{
    QLabel::focusOutEvent(e);
    if (!VoruebergehendWeg(e->reason()))
        fokusmarke_ = false;
    update();
}

void LabelButton::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (!zeigtFokusmarke())
        return;
    // A thin frame in the label's own colour, inside its rectangle: nothing moves.
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void Tabfolge(std::initializer_list<QWidget*> widgets)
{
    QWidget* vorher = nullptr;
    for (QWidget* w : widgets) {
        if (vorher)
            QWidget::setTabOrder(vorher, w);
        vorher = w;
    }
}

QPushButton* KnopfAusserhalb(const QString& text, QWidget* parent, int left, int top,
                             bool standard)
{
    ZugangEinrichten();
    auto* k = new KnopfAusserhalbSicht(text, parent);
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
        Module1::SoundAbspielen(Module1::Klang::Wusch);
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

#include "LabelButton.moc"
