#include "entry/VokabelSpeichern.h"

#include "lists/Listendateien.h"

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
    case PaarGrund::KeinCp1252:
        return SpeicherErgebnis::KeinCp1252;
    }
    const DateiErgebnis ergebnis = EintraegeAnhaengen(
        liste, [&](Eintragsanhang& a) { a.Paar(vokabel, bedeutung); }, FehlendeListe::Fehler);
    if (fehler)
        *fehler = ergebnis;
    return ergebnis ? SpeicherErgebnis::Gespeichert : SpeicherErgebnis::Dateifehler;
}

} // namespace lerno
