#pragma once
// The language of a list: which voice says its foreign words. Guessed from the list's
// name or an imported file, set by the pupil, and kept in one small file beside the lists
// (LISTENSPRACHEN_DATEI) that no chooser pattern (*.dva, *.dvb, *.dvc) ever matches.
#include "lists/DateiErgebnis.h"

#include <QString>
#include <QStringList>
#include <QMap>
#include <QSet>

namespace lerno {

inline constexpr const char* LISTENSPRACHEN_DATEI = "Listensprachen.txt";

struct Sprachangabe {
    QString name;   // German name as the pupil sees it: "Englisch"
    QString code;   // locale/voice code: "en"
};

// Every language a list can have, in the order the language dialog offers them.
const QList<Sprachangabe>& BekannteSprachen();

// The voice code for a German language name; empty for an unknown name.
QString SprachCode(const QString& sprache);

// The character bar's letters for a German language name, lower case, one character
// each: those of the language a German keyboard lacks ("Polnisch": ą ć ę ł ń ó ś ź ż).
// None for German, English, Chinese, Japanese and an unknown or empty name.
QStringList SprachZeichen(const QString& sprache);

// The language the script of words shows: Cyrillic is Russian, or Ukrainian with і ї є
// ґ; Greek is Greek, or ancient Greek with breathings; Latin letters with ă ș ț are
// Romanian, with ğ ı ş Turkish, with ł ą ę Polish, with ř ě ů Czech. Empty when the
// script tells nothing (plain Latin letters).
QString SpracheAusSchrift(const QStringList& woerter);

// The language a list's name names, German or English, whole or at the start of a word
// ("Englisch Unit 3", "Lateinvokabeln", "French 7b"); "Deutsch" only when no other
// language is named. Empty when the name names none.
QString SpracheAusName(const QString& listenname);

// The language of a KVTML language identifier ("en", "fr-FR", "en_GB") or a column title
// naming a language ("English", "Französisch"). Empty when unknown.
QString SpracheAusKennung(const QString& kennung);

// The stored languages of the lists in a folder: file name of the list -> German name.
// A missing or unreadable file gives none.
QMap<QString, QString> ListensprachenLesen(const QString& ordner);

// Stores the language of a list (a path; its folder holds the file); an empty language
// removes the entry. Written through the crash-safe replace; when that fails the file
// is as it was.
DateiErgebnis ListenspracheSetzen(const QString& liste, const QString& sprache);

// Removes the list's entry (the list was deleted). Success when nothing is left to do.
DateiErgebnis ListenspracheEntfernen(const QString& liste);

// The file the languages of the lists beside liste are kept in.
QString ListensprachenDatei(const QString& liste);

// Drops the entries of lists that no longer exist in the folder (a deletion cut short, a
// list removed by hand), so a new list of that name does not inherit the language. True
// when nothing is left to do.
// `vorhanden`, when given, names the files of the folder (a listing the caller has already).
bool ListensprachenBereinigen(const QString& ordner, const QSet<QString>* vorhanden = nullptr);

// The stored language of the list, or else the guess from its name (may be empty).
QString Listensprache(const QString& liste);

// For a list that has no language yet (none stored, none in its name): the language the
// script of woerter shows (SpracheAusSchrift) is stored. The list's language afterwards.
QString SpracheErgaenzen(const QString& liste, const QStringList& woerter);

// The character bar's letters for the list (any member of its file set): its language's.
QStringList ListenZeichen(const QString& liste);

} // namespace lerno
