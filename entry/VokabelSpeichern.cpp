#include "entry/VokabelSpeichern.h"

#include "lists/Listendateien.h"
#include "lists/Listensprache.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"

#include <algorithm>

namespace lerno {

SpeicherErgebnis VokabelSpeichern(const QString& liste, const QString& vokabel,
                                  const QString& bedeutung, PaarUrteil* urteil, DateiErgebnis* fehler)
{
    const PaarUrteil u = PaarPruefen(vokabel, bedeutung);
    if (urteil)
        *urteil = u;
    switch (u.Grund) {
    case PaarGrund::Keiner:
        break;
    case PaarGrund::Leer:
        return SpeicherErgebnis::Leer;
    case PaarGrund::Raute:
        return SpeicherErgebnis::EnthaeltRaute;
    case PaarGrund::Zeilenumbruch:
        return SpeicherErgebnis::Zeilenumbruch;
    case PaarGrund::Steuerzeichen:
        return SpeicherErgebnis::Steuerzeichen;
    case PaarGrund::Unspeicherbar:
        return SpeicherErgebnis::Unspeicherbar;
    }
    const DateiErgebnis ergebnis = EintraegeAnhaengen(
        liste, [&](Eintragsanhang& a) { a.Paar(vokabel, bedeutung); }, FehlendeListe::Fehler);
    if (fehler)
        *fehler = ergebnis;
    if (!ergebnis)
        return SpeicherErgebnis::Dateifehler;
    // A list without a language gets the one its words' script shows (Cyrillic, ă ș ț, …).
    SpracheErgaenzen(liste, {vokabel});
    return SpeicherErgebnis::Gespeichert;
}

std::optional<qsizetype> PaareZaehlen(const QString& liste)
{
    const auto zeilen = ZeilenLesen(liste);
    if (!zeilen)
        return std::nullopt;
    return std::count_if(zeilen->begin(), zeilen->end(),
                         [](const QString& z) { return EintragLesen(z).has_value(); });
}

} // namespace lerno
