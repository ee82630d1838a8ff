#pragma once
// Asks whether new words go into a new list or extend an existing one, then runs the
// file chooser in the matching mode. Its choice goes to GewaehlteListe::Wahl,
// which tells every chooser which mode to use.
#include <QDialog>
#include <QtGlobal>

namespace lerno {

class LabelButton;
class PictureControl;

class dlgWasTun : public QDialog {
    Q_OBJECT
public:
    explicit dlgWasTun(QWidget* parent = nullptr);

    PictureControl* hintergrund = nullptr;
    LabelButton* lblNewFile = nullptr;
    LabelButton* lbloldFile = nullptr;
    LabelButton* lblCancle = nullptr;

public slots:
    // Any close other than through the two choices is a cancel.
    void reject() override;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void lblNewFile_Click();
    void lbloldFile_Click();
    void waehlen(qint16 wahl, bool neu);
    void Form_MouseMove();
    void labelMausBewegt(LabelButton* l);
    static inline bool Hoverok = false;
};

} // namespace lerno
