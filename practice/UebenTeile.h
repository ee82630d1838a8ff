#pragma once
// Pieces of the practice window kept out of it: its text boxes and feedback labels, and the
// pronunciation of the checked word ("Anhören" and F5).
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace lerno {

class LabelButton;

QLineEdit* Textfeld(QWidget* parent, QRect lage);
// A disabled box on light grey whose text stays black and readable.
void GrauUndGesperrt(QLineEdit* t);
QLabel* Rueckmeldung(const QString& text, QWidget* parent, QPoint ort);

// Says the foreign word of the pair just checked, in its list's language, and again on
// "Anhören" or F5. Before the first check there is nothing to repeat: the word asked for
// must not be given away.
class VokabelAnhoeren : public QObject {
    Q_OBJECT
public:
    // The label button goes on flaeche at its twips place; F5 works anywhere in fenster.
    VokabelAnhoeren(QWidget* fenster, QWidget* flaeche, int left, int top, int width, int height);

    // Remembers and says the foreign word of the checked pair of the list.
    void Sagen(const QString& liste, const QString& fremdwort);
    // Says the remembered word again.
    void NochmalSagen();

    LabelButton* knopf = nullptr;

private:
    QString wort_;
    QString sprache_;
};

} // namespace lerno
