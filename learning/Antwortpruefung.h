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
// Strict (grosszuegig false): right only when both are equal character for character;
// grund stays empty, so that with the option off nothing changes.
// Lenient: alternatives (", " "; " "/"), gender forms and optional "(…)" text count as
// right; FastRichtig names in grund, joined by ", " in this order, "Groß- und
// Kleinschreibung", "Akzent", "Umlaut", "Artikel fehlt", "Tippfehler"; Falsch may name
// "falscher Artikel", "Artikel nicht verlangt" (the answer with an article the list does
// not have: "der Hund" for "Hund", "to go" for "go") or "anderes Wort der Liste".
// andere: the list's other answers in the same direction. An input that one of them
// explains better than soll (equal to it, or closer to it) is that word, not a slip.
Ergebnis Pruefen(const QString& soll, const QString& eingabe, bool grosszuegig,
                 const QStringList& andere = {});

} // namespace lerno::Antwortpruefung
