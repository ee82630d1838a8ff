#pragma once
// A yellow text label used as a push button: transparent, centred, pointing hand.
// The window applies the hover rule itself (with its own Hoverok flag); the label only
// reports mouse moves and clicks and knows how to grow and shrink its font.
// For the keyboard it takes the focus by Tab (never by a click, so a text box keeps it),
// shows a thin frame in its own colour while focused by key, and is pressed with Enter or
// Space; assistive technology sees it as a push button named by its caption.
#include <QLabel>
#include <initializer_list>

class QPushButton;

namespace lerno {

class LabelButton : public QLabel {
    Q_OBJECT
public:
    // Placed at its designed twips rectangle; the height follows the text.
    LabelButton(const QString& text, QWidget* parent, int left, int top, int width, int height,
                double punkt = 12);

    // Sets the font size and weight, keeping the label centred on its designed place.
    void setSchrift(double punkt, bool fett);
    bool istFett() const { return font().bold(); }
    double punkt() const { return font().pointSizeF(); }

    // The hover rule's two halves: enlarge, and back to the given size if bold.
    void vergroessern(double punkt = 14) { setSchrift(punkt, true); }
    void zuruecksetzenWennFett(double punkt = 12, bool fettBleiben = false)
    {
        if (istFett())
            setSchrift(punkt, fettBleiben);
    }

    // The designed place in pixels; moving it keeps the label centred on the new place.
    QRect entwurf() const { return entwurf_; }
    void verschieben(const QPoint& obenLinks)
    {
        entwurf_.moveTopLeft(obenLinks);
        anpassen();
    }
    void einpassen(const QRect& ort)
    {
        entwurf_ = ort;
        anpassen();
    }

    // Whether the focus frame is painted now.
    bool zeigtFokusmarke() const { return hasFocus() && fokusmarke_; }

public slots:
    // What a click, Enter, Space or the press action of a screen reader does.
    void druecken() { emit clicked(); }

signals:
    void clicked();
    // A mouse move over the label, or the keyboard focus moved onto it: both are a hover.
    void mausBewegt();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void anpassen();
    QRect entwurf_;
    bool gedrueckt_ = false;
    bool fokusmarke_ = false;
    // The last label was worked by key: a window opened then shows its focus at once.
    static inline bool tasteZuletzt_ = false;
};

// Tab walks the given widgets in this order (hidden ones are skipped by Qt).
void Tabfolge(std::initializer_list<QWidget*> widgets);

// A push button beyond the window's designed area, behind a label button: the default one
// takes the Enter key. It never takes the focus from the text boxes.
QPushButton* KnopfAusserhalb(const QString& text, QWidget* parent, int left, int top,
                             bool standard);

// The hover rule every window shares, each with its own re-arm flag. Over a label: when
// armed, sound 2 (where the window asks for it), grow to the given size, disarm.
void HoverLabel(LabelButton* l, bool& hoverok, bool mitSound = false, double punkt = 14);
// Over the window background: re-arm and set every bold label back to 12 pt.
void HoverHintergrund(bool& hoverok, std::initializer_list<LabelButton*> labels);

} // namespace lerno
