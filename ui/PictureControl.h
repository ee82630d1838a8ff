#pragma once
// A picture control: shows a bitmap stretched to its own size or at natural size from
// the top-left corner. It lies behind all other controls and passes mouse moves on as
// moves over the window background.
#include <QImage>
#include <QWidget>

namespace lerno {

class PictureControl : public QWidget {
    Q_OBJECT
public:
    enum class Modus { Gestreckt, Natuerlich };
    explicit PictureControl(QWidget* parent, Modus modus = Modus::Gestreckt);

    // Loads a bitmap file; a missing or unreadable file leaves the control empty (plain colour).
    bool laden(const QString& pfad);
    const QImage& bild() const { return bild_; }

    // Natural-size background of a dialog: a control at (0,0) with the picture's size.
    static PictureControl* alsFensterbild(QWidget* fenster, const QString& pfad);

signals:
    void mausBewegt();
    // After each paint; the start screen waits for the first before it prepares audio.
    void gezeichnet();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    Modus modus_;
    QImage bild_;
};

} // namespace lerno
