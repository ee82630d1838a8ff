#pragma once
// The one place where an answer is judged: practice and the 20-word test both ask here.
#include <QString>
#include <QStringList>

namespace lerno::Antwortpruefung {

enum class Urteil { Richtig, FastRichtig, Falsch };

struct Ergebnis {
    Urteil urteil;
    QString grund; // German: what was almost right or wrong; may be empty
};

// soll: the expected answer as stored in the list; eingabe: what the pupil typed.
// Strict (grosszuegig false): right only when both are equal character for character.
// andere: the list's other answers (an input equal to one of them is another word).
Ergebnis Pruefen(const QString& soll, const QString& eingabe, bool grosszuegig,
                 const QStringList& andere = {});

} // namespace lerno::Antwortpruefung
