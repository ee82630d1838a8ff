#pragma once
// The practice window: asks the words of one list in random order, judges each answer
// at once, counts the wrong ones per line and, at "Ende", records them by stage.
#include <QDialog>
#include <QString>
#include <QTimer>
#include <QtGlobal>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace lerno {

class LabelButton;
class PictureControl;
class VokabelAnhoeren;

class frmVokUeben : public QDialog {
    Q_OBJECT
public:
    // Reads GewaehlteListe::Filename and GewaehlteListe::FileNr.
    explicit frmVokUeben(QWidget* parent = nullptr);

    // Direction: 1 meaning shown, 2 foreign word shown, 3 mixed per question.
    qint16 Testart = 2;
    // In direction 3, the draw for the current question (1 as direction 2, 2 as 1).
    qint16 gemisch = 0;
    // The current question shows the foreign word; the meaning is expected.
    bool Vok = true;
    QString Helptxt;

    // Line of the previous pick, kept for the whole run so that reopening the window
    // does not ask the same line again first.
    static inline int LetzteZeile = 0;

    // The hint mask for an expected answer: asterisks with the characters at three
    // distinct drawn positions shown; three characters or fewer are shown whole.
    static QString HilfeMaske(const QString& antwort);

    // Shows the expected answer and the missed question over the two boxes for one full
    // timer interval.
    void LoesungZeigen(const QString& sollantwort, const QString& frage);

    // State of the current question, for the window tests.
    int AktZeile() const { return aktZeile_; }
    int Zeilenzahl() const { return zeilenzahl_; }
    qint16 Stufe() const { return stufe_; }
    QString Vokabel() const { return vokabel_; }
    QString Bedeutung() const { return bedeutung_; }
    QString Sollantwort() const { return sollantwort_; }
    const std::vector<int>& Fehlerzahl() const { return fehlerzahl_; }

    QMenuBar* menue = nullptr;
    QMenu* mnuVorgabe = nullptr;
    QAction* mnuFremd = nullptr;
    QAction* mnuDeutsch = nullptr;
    QAction* mnumisch = nullptr;

    QWidget* flaeche = nullptr; // the client area below the menu
    PictureControl* ImgBackground = nullptr;
    QLineEdit* txtVokabel = nullptr;
    QLineEdit* TxtVok2 = nullptr;
    QLineEdit* txtBedeutung = nullptr;
    QLineEdit* TxtLoesung = nullptr;
    QLineEdit* txthelp = nullptr;
    QLabel* lblRichtig = nullptr;
    QLabel* lblFalsch = nullptr;
    LabelButton* lblHelp = nullptr;
    LabelButton* lblok = nullptr;
    LabelButton* lblEnde = nullptr;
    LabelButton* lblAnhoeren = nullptr; // says the checked word again (also F5)
    QPushButton* cmdok = nullptr;
    QPushButton* cmdEnde = nullptr;
    QTimer Timerueben;

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void NaechsteVokabel();
    void ErgebnisSichern();
    void cmdok_Click();
    void cmdEnde_Click();
    void lblHelp_Click();
    void richtungWaehlen(QAction* punkt, qint16 testart);
    void Timerueben_Timer();
    void ImgBackground_MouseMove();
    void labelMausBewegt(LabelButton* l, double punkt);

    static inline bool Hoverok = false;

    QString liste_;
    qint16 stufe_ = 1;
    int zeilenzahl_ = 0;
    int aktZeile_ = 0; // 0: no question has been read yet
    QString vokabel_;
    QString bedeutung_;
    QString sollantwort_;
    std::vector<int> fehlerzahl_; // wrong answers per line; index 0 is line 1
    bool erstesZeigen_ = true;
    VokabelAnhoeren* anhoeren_ = nullptr;
};

} // namespace lerno
