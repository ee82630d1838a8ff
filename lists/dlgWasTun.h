#pragma once
// Asks whether new words go into a new list or extend an existing one, then runs the
// file chooser in the matching mode; the caller reads the chooser's result from it.
#include <QDialog>
#include <QString>

namespace lerno {

class LabelButton;
class PictureControl;
enum class Dateiwahl;

class dlgWasTun : public QDialog {
    Q_OBJECT
public:
    explicit dlgWasTun(QWidget* parent = nullptr);

    // The path the chooser gave; empty after a cancel here or there.
    QString Filename() const { return filename_; }
    // A new list was to be named.
    bool Neu() const { return neu_; }

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
    void waehlen(Dateiwahl wahl);
    void Form_MouseMove();
    void labelMausBewegt(LabelButton* l);
    static inline bool Hoverok = false;
    QString filename_;
    bool neu_ = false;
};

} // namespace lerno
