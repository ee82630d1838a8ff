#pragma once
// The entry screen: the pupil types word pairs, each accepted pair is appended to the
// chosen list at once, so closing the window never loses anything.
#include <QDialog>
#include <QString>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lerno {

class LabelButton;
class PictureControl;
class Zeichenleiste;

class frmVokEingabe : public QDialog {
    Q_OBJECT
public:
    // liste: the .dva path all pairs go to; it is created with its stage lists when missing.
    explicit frmVokEingabe(const QString& liste, QWidget* parent = nullptr);

    QString liste() const { return liste_; }

    // A write-protected list has been reported while loading: the window does not open.
    int exec() override;

    // The fill-both message; the refusals of a pair reuse the same label.
    static QString FuellMeldung();

    PictureControl* imgbackground = nullptr;
    QLabel* lblVokabel = nullptr;
    QLineEdit* txtVokabel = nullptr;
    QLabel* lblBedeutung = nullptr;
    QLineEdit* txtBedeutung = nullptr;
    QLabel* lblMeldung = nullptr;
    // "gespeichert (n Vokabeln)" after a save, between "Ende" and "ok"; hidden again by
    // TimerGespeichert.
    QLabel* lblGespeichert = nullptr;
    LabelButton* lblok = nullptr;
    LabelButton* lblEnde = nullptr;
    QPushButton* cmdok = nullptr;
    QPushButton* cmdEnde = nullptr;
    Zeichenleiste* leiste = nullptr; // the list's letters under the boxes
    QTimer TimerMeldung;
    QTimer TimerGespeichert;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Form_Load();
    void Form_Resize();
    void cmdok_Click();
    void cmdEnde_Click();
    void TimerMeldung_Timer();
    void Form_MouseMove();
    void labelMausBewegt(LabelButton* l);
    void meldungZeigen(const QString& text);
    void gespeichertZeigen();

    QString liste_;
    bool schreibgeschuetzt_ = false;
};

} // namespace lerno
