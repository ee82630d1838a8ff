#pragma once
// The settings kept across starts: "Einstellungen.txt" beside the lists, UTF-8, one
// "key=value" line each. Read once at start; written whole through the crash-safe replace
// when the pupil changes one. Keys this version does not know are kept as they stand.
#include "lists/DateiErgebnis.h"

#include <QList>
#include <QString>
#include <utility>

namespace lerno {

class Einstellungen {
public:
    static inline const QString Dateiname = QStringLiteral("Einstellungen.txt");
    // "Antworten großzügig prüfen" in the start screen's options; off unless switched on.
    static inline const QString GrosszuegigPruefen = QStringLiteral("GrosszuegigPruefen");

    // The settings in <ordner>/Einstellungen.txt. A missing, unreadable or damaged file
    // gives the defaults; a damaged line is skipped, the others still count.
    static Einstellungen Lesen(const QString& ordner);

    // Replaces <ordner>/Einstellungen.txt by these settings, all or nothing. A failure
    // leaves the file as it was and carries its cause.
    DateiErgebnis Schreiben(const QString& ordner) const;

    // A switch: on only when its line says "ja".
    bool Schalter(const QString& schluessel) const;
    void SchalterSetzen(const QString& schluessel, bool an);

    // This run's settings: the start screen reads them at start and changes them, every
    // function asks them.
    static inline Einstellungen& Lauf()
    {
        static Einstellungen lauf;
        return lauf;
    }

private:
    QList<std::pair<QString, QString>> eintraege_; // in file order
};

} // namespace lerno
