#pragma once
// The start screen's line about today's words: "Heute: 14 Wörter – Klassenarbeit „Unit 3“
// in 4 Tagen" or "Heute ist nichts fällig.". It is worked out after the start screen's first
// paint, so start-up never waits for it, and again each time the start screen becomes the
// active window after that: a function's window closed, or the pupil came back to Lerno
// (perhaps on a new day). Clicking it, or its access key Alt+H, starts "Heute üben". The
// class tests of lists deleted meanwhile go first.
#include <QObject>

class QWidget;

namespace lerno {

class LabelButton;
class PictureControl;

class Heutezeile : public QObject {
    Q_OBJECT
public:
    // label: the line, hidden until it has its text; bild: the start screen's picture,
    // whose first paint starts it.
    Heutezeile(QWidget* fenster, LabelButton* label, PictureControl* bild);

    // Reads the lists of the current folder and sets the line now.
    void Aktualisieren();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    LabelButton* label_;
    bool gezeichnet_ = false;
    bool geplant_ = false;
};

} // namespace lerno
