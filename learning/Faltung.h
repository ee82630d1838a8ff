#pragma once
// How far an answer is from a written form once capitals, marks and umlauts are set aside:
// the foldings and the distance a slip is measured with.
#include <QString>
#include <QStringView>

namespace lerno::Faltung {

// The foldings a difference may be set aside by.
enum Art : unsigned {
    Gross = 1,  // capitals (simple case folding: ẞ and ß are one letter)
    Akzent = 2, // marks removed (é→e, ç→c, ñ→n, ä→a); œ æ ø as oe ae o
    Umlaut = 4, // ä ö ü ß written as ae oe ue ss (applied before Akzent)
};
QString Falten(QStringView s, unsigned faltung);

// Damerau-Levenshtein distance (adjacent transpositions included, unrestricted); any
// value above grenze is returned as grenze + 1.
int DamerauLevenshtein(QStringView a, QStringView b, int grenze);

// Letters (not blanks or marks of punctuation) in s.
int Buchstaben(QStringView s);

// The slips allowed in an answer of that many letters: none up to 3, one up to 9, then two.
int ErlaubteTippfehler(int buchstaben);

} // namespace lerno::Faltung
