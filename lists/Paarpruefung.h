#pragma once
// The one check a word pair passes before it goes into a list, whether it was typed on
// the entry screen, changed in the editor or read from another program's file. Same
// rules, same order, same verdict everywhere; PaarMeldung is the one place a verdict
// becomes German text.
#include <QString>

namespace lerno {

enum class PaarGrund {
    Keiner,        // the pair can be stored as it is
    Leer,          // word or meaning is the empty string
    Raute,         // a "#" would split the record into other fields
    Zeilenumbruch, // CR or LF would split the record into two lines
    Steuerzeichen, // a tab or another control character (breaks the grid and other readers)
    Unspeicherbar, // a character no list file can hold: an unpaired surrogate, a private-use
                   // or an unassigned code point (any other goes into a UTF-8 list)
};

struct PaarUrteil {
    PaarGrund Grund = PaarGrund::Keiner;
    char32_t Zeichen = 0;     // the offending character (not for Leer)
    bool InBedeutung = false; // the fault is in the meaning, not the word
    bool ok() const { return Grund == PaarGrund::Keiner; }
    friend bool operator==(const PaarUrteil&, const PaarUrteil&) = default;
};

// Empty word, then empty meaning; then the word, then the meaning, each for "#", line
// breaks, control characters and characters no encoding can store, in that order.
PaarUrteil PaarPruefen(const QString& vokabel, const QString& bedeutung);

// Removes the invisible format characters other programs leave in their fields (byte
// order marks, zero-width spaces, direction marks). Only for imported text: what the
// pupil typed is never changed.
QString UnsichtbaresEntfernen(const QString& feld);

// The character as text, a U+FEFF included; empty for a lone surrogate.
QString ZeichenText(char32_t zeichen);

// "U+0103": how a message names a character that cannot be seen (a control or format
// character, a blank other than the plain one).
QString ZeichenCode(char32_t zeichen);

// The German sentence for a refused pair, without closing punctuation, for example
// "Das Zeichen # darf in Vokabel und Bedeutung nicht vorkommen" or "Ein Zeichen aus dem
// privaten Bereich (U+E000) kann nicht gespeichert werden". Empty for Keiner.
QString PaarMeldung(const PaarUrteil& urteil);

} // namespace lerno
