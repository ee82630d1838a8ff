#pragma once
// One vocabulary record per line: Nummer#Vokabel#Bedeutung#Fehlerstand#Reserve#
// These are plain string operations; every reader and writer of a list uses them.
#include <QString>
#include <optional>

namespace lerno {

struct WortPaar {
    QString Vokabel;
    QString Bedeutung;
};

// Word and meaning between the first three "#"; nullopt when the line has fewer than three.
std::optional<WortPaar> EintragLesen(const QString& zeile);

// Nummer#Vokabel#Bedeutung#Fehlerstand#0#
QString EintragSchreiben(const QString& nummer, const QString& vokabel,
                         const QString& bedeutung, int fehlerstand);

// Next three-digit number from the list's last line (empty when the list is empty):
// characters 2..4 are read, so 009 -> 010, 099 -> 100, 100 -> 001.
QString NaechsteNummer(const QString& letzteZeile);

// The line without its last four characters; a line shorter than four has the empty key.
QString EintragSchluessel(const QString& zeile);

// The fourth character from the end as a digit; anything else (or a short line) gives 0.
int FehlerstandLesen(const QString& zeile);

// A record whose count of wrong answers reaches GrenzeStufe2 belongs to the stage-2 list
// (.dvb) as well, from GrenzeStufe3 on to the stage-3 list (.dvc) too. Practice and editor
// sort by these.
inline constexpr int GrenzeStufe2 = 2;
inline constexpr int GrenzeStufe3 = 4;

// Sibling of a list member: the path's last character replaced by a, b, c or d, upper
// case when the replaced one is.
QString StufenDatei(const QString& pfad, QChar buchstabe);

// True for a line of the shape ddd#...#...#d#0# that the stage updates may rewrite.
bool IstWohlgeformt(const QString& zeile);

// True for a line ddd#Vokabel#Bedeutung#X#Y# with one character each for X and Y (neither
// a "#"): the stage updates rewrite it, a non-digit X counting as 0 and Y becoming 0.
bool HatZaehlerRahmen(const QString& zeile);

} // namespace lerno
