#pragma once
// The practice window: shows what its practice session (practice/Uebung) asks, the
// feedback on each answer, the hint and the solution overlays; "Ende" has the session
// record the results. It holds no list data and reads no file.
#include "practice/Uebung.h"

#include <QDialog>
#include <QString>
#include <QTimer>
#include <QtGlobal>

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
class Zeichenleiste;

class frmVokUeben : public QDialog {
    Q_OBJECT
public:
    // Practises the list at `liste` (a .dva, .dvb or .dvc) in stage `stufe` (1..3).
    frmVokUeben(const QString& liste, qint16 stufe, QWidget* parent = nullptr)
        : frmVokUeben(Uebung(liste, stufe), parent)
    {
    }
    // Practises what the session asks ("Heute üben": today's words of several lists).
    explicit frmVokUeben(Uebung&& sitzung, QWidget* parent = nullptr);

    // "Heute üben" when every word was right; the window then ends as with "Ende".
    static inline const QString HeuteGeschafftText = QStringLiteral("Geschafft! Für heute ist alles geübt.");
    // From an answer to writing its review: the feedback is painted first.
    static constexpr int VermerkPause = 40;

    // Direction: 1 meaning shown, 2 foreign word shown, 3 mixed per question.
    qint16 Testart = 2;
    // In direction 3, the draw for the current question (1 as direction 2, 2 as 1).
    qint16 gemisch = 0;
    // The current question shows the foreign word; the meaning is expected.
    bool Vok = true;
    QString Helptxt;

    // Shows the expected answer and the missed question over the two boxes for one full
    // timer interval.
    void LoesungZeigen(const QString& sollantwort, const QString& frage);

    // The session and its current question, for the window tests.
    const Uebung& Sitzung() const { return sitzung_; }
    Uebung& Sitzung() { return sitzung_; }
    const QString& Liste() const { return sitzung_.Liste(); }
    int AktZeile() const { return sitzung_.Aktuell().Zeile; }
    int Zeilenzahl() const { return sitzung_.Zeilenzahl(); }
    qint16 Stufe() const { return sitzung_.Stufe(); }
    QString Vokabel() const { return sitzung_.Aktuell().Vokabel; }
    QString Bedeutung() const { return sitzung_.Aktuell().Bedeutung; }
    QString Sollantwort() const { return sitzung_.Aktuell().Sollantwort; }
    const std::vector<int>& Fehlerzahl() const { return sitzung_.Fehlerzahl(); }

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
    QLabel* lblLoesungMarkiert = nullptr; // over TxtLoesung: an almost right answer's solution, marked
    QLineEdit* txthelp = nullptr;
    QLabel* lblRichtig = nullptr;
    QLabel* lblFalsch = nullptr;
    QLabel* lblFastRichtig = nullptr; // "Fast richtig – <reason>" (lenient check)
    QLabel* lblGrund = nullptr;       // under lblFalsch: why a lenient check said wrong
    LabelButton* lblHelp = nullptr;
    LabelButton* lblok = nullptr;
    LabelButton* lblEnde = nullptr;
    LabelButton* lblAnhoeren = nullptr; // says the foreign word on the screen (also F5)
    Zeichenleiste* leiste = nullptr;    // the letters of the question's list, under the answer box
    QLabel* lblSprache = nullptr;       // where to set a language, after the first Anhören without one
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
    void FastRichtigZeigen(const Uebung::Auswertung& a);
    void cmdEnde_Click();
    void lblHelp_Click();
    void richtungWaehlen(QAction* punkt, qint16 testart);
    void Timerueben_Timer();
    void ImgBackground_MouseMove();
    void labelMausBewegt(LabelButton* l, double punkt);
    void AnhoerwortSetzen();

    static inline bool Hoverok = false;

    Uebung sitzung_;
    bool erstesZeigen_ = true;
    // An almost right answer's solution and reason stay one interval longer: more to read.
    bool nochEinTakt_ = false;
    VokabelAnhoeren* anhoeren_ = nullptr;
};

} // namespace lerno
