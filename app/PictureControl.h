#pragma once
// A picture control: shows a bitmap stretched to its own size or at natural size from
// the top-left corner. It lies behind all other controls and passes mouse moves on as
// moves over the window background.
#include <QPixmap>
#include <QWidget>

namespace lerno {

class PictureControl : public QWidget {
    Q_OBJECT
public:
    enum class Modus { Gestreckt, Natuerlich };
    explicit PictureControl(QWidget* parent, Modus modus = Modus::Gestreckt);

    // Loads a bitmap file; a missing or unreadable file leaves the control empty (plain colour).
    // A picture read ahead from the same path is taken from there.
    bool laden(const QString& pfad);

    // Starts decoding a picture on a worker thread, so a window can be built meanwhile;
    // the next laden() of that path waits for it instead of reading the file again.
    static void vorauslesen(const QString& pfad);
    const QPixmap& bild() const { return bild_; }

    // Natural-size background of a dialog: a control at (0,0) with the picture's size.
    static PictureControl* alsFensterbild(QWidget* fenster, const QString& pfad);

signals:
    void mausBewegt();
    void gezeichnet();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    Modus modus_;
    QPixmap bild_;
};

} // namespace lerno
