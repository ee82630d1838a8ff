#pragma once
// Asks for confirmation before a whole list is deleted; "ok" deletes the list chosen in
// GewaehlteListe::Filename with all its siblings.
#include <QDialog>

class QLabel;

namespace lerno {

class LabelButton;
class PictureControl;

class dlgFrage : public QDialog {
    Q_OBJECT
public:
    explicit dlgFrage(QWidget* parent = nullptr);

    PictureControl* hintergrund = nullptr;
    QLabel* lblMeldung = nullptr;
    LabelButton* lblCancle = nullptr;
    LabelButton* lblok = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void lblok_Click();
    void Form_MouseMove();
    void labelMausBewegt(LabelButton* l);

    static inline bool Hoverok = false;
};

} // namespace lerno
