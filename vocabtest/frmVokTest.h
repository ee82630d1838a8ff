#pragma once
// The test screen: twenty rows of word, answer box, mark and solution; after "ok" the
// marks, the solutions of the wrong rows and the result sentence.
#include "vocabtest/Testziehung.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;

namespace lerno {

class LabelButton;
class PictureControl;
class Zeichenleiste;

class frmVokTest : public QDialog {
    Q_OBJECT
public:
    explicit frmVokTest(QWidget* parent = nullptr);

    // Shows a drawn pair in row i with an empty answer box.
    void ZeileZeigen(int i, const Testziehung::Testpaar& paar);

    // Top of row i in twips.
    static constexpr int ZeilenOben(int i) { return 480 + 360 * i; }

    PictureControl* imgBackground = nullptr;
    std::array<QLabel*, Testbewertung::Testzeilen> lblVokabel{};
    std::array<QLineEdit*, Testbewertung::Testzeilen> txtEingabe{};
    std::array<QLabel*, Testbewertung::Testzeilen> imgok{};
    std::array<QLabel*, Testbewertung::Testzeilen> imgBad{};
    std::array<QLabel*, Testbewertung::Testzeilen> lblLoesung{};
    // After grading, beside a wrong row's solution: why the lenient check said wrong.
    std::array<QLabel*, Testbewertung::Testzeilen> lblGrund{};
    QLabel* lblMeldung = nullptr;
    QLabel* lblNote = nullptr;
    LabelButton* lblok = nullptr;
    LabelButton* lblFertig = nullptr;
    LabelButton* lblcancler = nullptr;
    // Under the rows, typing into the row that had the focus; its letters come from the
    // module (none while the answers are German).
    Zeichenleiste* leiste = nullptr;

    // Asked when Escape is pressed before grading.
    static inline const QString AbbruchFrage = QStringLiteral("Test abbrechen? Deine Antworten gehen verloren.");

signals:
    // The test has been graded; the module records it (the window keeps no data).
    void bewertet(const lerno::Testbewertung::Bewertung& b);

protected:
    void showEvent(QShowEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Form_Load();
    void lblok_Click();
    void imgBackground_MouseMove();
    void labelMausBewegt(LabelButton* l);
    void naechsteZeile(int i);
    void GrundZeigen(int i, const QString& grund);
    // Places the rows with extra room (pixels) for the questions and for the solutions.
    void Anordnen(int mehrFrage, int mehrLoesung);
    void zeileAnordnen(int i);
    void SpaltenAnpassen();

    static inline bool Hoverok = false;
    // The texts shown in each row, whole (a label may show a fitted form).
    std::array<Testziehung::Testpaar, Testbewertung::Testzeilen> gezeigt_{};
    int mehrFrage_ = 0;
    int mehrLoesung_ = 0;
};

} // namespace lerno
