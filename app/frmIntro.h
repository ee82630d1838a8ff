#pragma once
// The intro window: credits scrolling upward like a ticker, applause after each pass.
#include <QDialog>
#include <QTimer>

class QLabel;

namespace lerno {

class LabelButton;
class PictureControl;

class frmIntro : public QDialog {
    Q_OBJECT
public:
    explicit frmIntro(QWidget* parent = nullptr);

    PictureControl* imgBackground = nullptr;
    QLabel* lbl1 = nullptr;
    LabelButton* lblok = nullptr;
    QTimer TimerLaufband;

    // Top of the ticker in twips, and one ticker step; public for the window tests.
    int lbl1Top() const { return lbl1Top_; }
    void setzeLbl1Top(int twips);
    int lbl1Hoehe() const; // twips
    int Durchlauf() const { return Durchlauf_; }
    void TimerLaufband_Timer();

    static QString Laufbandtext();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

public slots:
    void done(int r) override;

private:
    void Form_MouseMove();
    void lblok_MouseMove();

    static inline bool Hoverok = false;
    int Durchlauf_ = 0;
    int lbl1Top_ = 0;
};

} // namespace lerno
