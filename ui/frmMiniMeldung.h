#pragma once
// A small modal message window in the style of the other windows.
#include <QDialog>

class QLabel;

namespace lerno {

class LabelButton;
class PictureControl;

class frmMiniMeldung : public QDialog {
    Q_OBJECT
public:
    explicit frmMiniMeldung(QWidget* parent = nullptr);

    PictureControl* hintergrund = nullptr;
    QLabel* lblMeldung = nullptr;
    LabelButton* lblok = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void Form_MouseMove();
    void lblok_MouseMove();
    static inline bool Hoverok = false;
};

} // namespace lerno
