#pragma once
// Pieces of the practice window kept out of it: its text boxes and feedback labels, the
// character bar, and the pronunciation of the word on the screen ("Anhören" and F5).
#include "learning/Abweichung.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace lerno {

class LabelButton;
class Zeichenleiste;

QLineEdit* Textfeld(QWidget* parent, QRect lage);
// The red solution over the answer box; it never takes the focus from it.
QLineEdit* Loesungsfeld(QWidget* parent, QRect lage);
// The character bar of the list's language under the answer box, reached by Tab after it;
// wider than the box, clear of the feedback on the right and the hint below.
Zeichenleiste* UebenZeichenleiste(QWidget* flaeche, QLineEdit* antwort, const QString& liste);
// A disabled box on light grey whose text stays black and readable.
void GrauUndGesperrt(QLineEdit* t);
QLabel* Rueckmeldung(const QString& text, QWidget* parent, QPoint ort);
// One that wraps within lage, from its top left: a reason of several words.
QLabel* Rueckmeldung(const QString& text, QWidget* parent, QRect lage);

// A box like the answer box, hidden, for the solution of an almost right answer.
QLabel* MarkierteLoesung(QWidget* parent, QRect lage);
// Shows soll in it, the characters in unterschiede marked (red, underlined, on pale
// yellow; what the answer had too much struck through), and says them to a screen reader.
// The markup is built from escaped pieces only: a word may hold "<b>" or "&".
void LoesungMarkieren(QLabel* box, const QString& soll, const QList<Abweichung::Unterschied>& unterschiede);

// "Anhören" and F5: say the foreign word that is on the screen, in the list's voice. While
// no foreign word is on the screen (it is what is asked) the button is disabled and F5
// says nothing. For a list without a language the first Anhören shows, once, where to
// set one; a line in the window, so typing goes on undisturbed.
class VokabelAnhoeren : public QObject {
    Q_OBJECT
public:
    // The button and the line go on flaeche; F5 works anywhere in fenster.
    VokabelAnhoeren(QWidget* fenster, QWidget* flaeche, const QString& sprachcode);

    // The foreign word on the screen now and the voice of its list; empty for none.
    void Wort(const QString& wort, const QString& sprachcode);
    // Says it (after an answer).
    void Sagen();

    LabelButton* knopf = nullptr;
    QLabel* hinweis = nullptr;

private:
    void Anhoeren();

    QString wort_;
    QString code_;
};

} // namespace lerno
