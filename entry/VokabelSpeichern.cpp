#include "entry/VokabelSpeichern.h"

#include "lists/Listendateien.h"

namespace lerno {

SpeicherErgebnis VokabelSpeichern(const QString& liste, const QString& vokabel,
                                  const QString& bedeutung, PaarUrteil* urteil)
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
    const bool gespeichert = EintraegeAnhaengen(
        liste, [&](Eintragsanhang& a) { a.Paar(vokabel, bedeutung); }, FehlendeListe::Fehler);
    return gespeichert ? SpeicherErgebnis::Gespeichert : SpeicherErgebnis::Dateifehler;
}

} // namespace lerno
