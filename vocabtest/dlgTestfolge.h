#pragma once
// Asks the direction of the test: foreign word shown and German answer, or the other way.
#include <QDialog>

namespace lerno {

class LabelButton;
class PictureControl;

class dlgTestfolge : public QDialog {
    Q_OBJECT
public:
    explicit dlgTestfolge(QWidget* parent = nullptr);

    // True: the German meaning is shown and the foreign word is the answer. Kept for the
    // whole run; a close without a choice leaves it as it was.
    static inline bool Fremdsprache = false;

    PictureControl* hintergrund = nullptr;
    LabelButton* lblFremdsprache = nullptr;
    LabelButton* LblDeutsch = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void LblDeutsch_Click();
    void lblFremdsprache_Click();
    void Form_MouseMove();
    void labelMausBewegt(LabelButton* l);

    static inline bool Hoverok = false;
};

} // namespace lerno
