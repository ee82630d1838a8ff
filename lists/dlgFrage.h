#pragma once
// Asks for confirmation before a whole list is deleted; "ok" deletes the list with all
// its siblings.
#include <QDialog>
#include <QString>

class QLabel;

namespace lerno {

class LabelButton;
class PictureControl;

class dlgFrage : public QDialog {
    Q_OBJECT
public:
    // liste: the .dva path of the list "ok" deletes.
    explicit dlgFrage(const QString& liste, QWidget* parent = nullptr);

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
    QString liste_;
};

} // namespace lerno
