#pragma once
// What the entry screen does with a typed pair, without a widget: the pair check, then
// the pair appended as the list's next numbered record (lists/Listendateien.h).
#include "lists/DateiErgebnis.h"
#include "lists/Paarpruefung.h"

#include <QString>
#include <optional>

namespace lerno {

enum class SpeicherErgebnis {
    Gespeichert,   // the record was appended
    Leer,          // word or meaning is the empty string
    EnthaeltRaute, // a "#" would split the record into other fields
    Unspeicherbar, // a character no list file can hold (PaarGrund::Unspeicherbar)
    Zeilenumbruch, // CR or LF would split the record into two lines
    Steuerzeichen, // a tab or another control character
    Dateifehler,   // the list could not be read or appended to
};

// Checks the pair with PaarPruefen, then appends NaechsteNummer#vokabel#bedeutung#0#0#
// + CR LF to the existing list in one crash-safe step (EintraegeAnhaengen). Nothing is
// written unless the result is Gespeichert; a refusal's verdict goes to urteil for the
// message, a Dateifehler's cause to fehler. A saved pair in a script that shows the
// language gives the list that language when it has none (SpracheErgaenzen).
SpeicherErgebnis VokabelSpeichern(const QString& liste, const QString& vokabel,
                                  const QString& bedeutung, PaarUrteil* urteil = nullptr,
                                  DateiErgebnis* fehler = nullptr);

// The list's pairs (lines that can be taken apart), as the entry screen reports them after
// a save; nullopt when the list cannot be read.
std::optional<qsizetype> PaareZaehlen(const QString& liste);

} // namespace lerno
