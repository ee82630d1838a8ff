#include "entry/VokabelSpeichern.h"

#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"

namespace lerno {

bool ListeAnlegen(const QString& liste)
{
    return DateiAnlegen(liste) && DateiAnlegen(StufenDatei(liste, u'b'))
        && DateiAnlegen(StufenDatei(liste, u'c'));
}

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
    const auto zeilen = ZeilenLesen(liste);
    if (!zeilen)
        return SpeicherErgebnis::Dateifehler;
    const QString letzte = zeilen->isEmpty() ? QString() : zeilen->last();
    const QString zeile = EintragSchreiben(NaechsteNummer(letzte), vokabel, bedeutung, 0);
    return ZeileAnhaengen(liste, zeile) ? SpeicherErgebnis::Gespeichert
                                        : SpeicherErgebnis::Dateifehler;
}

} // namespace lerno
