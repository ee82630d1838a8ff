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
                                  const QString& bedeutung)
{
    if (vokabel.isEmpty() || bedeutung.isEmpty())
        return SpeicherErgebnis::Leer;
    for (const QString* text : {&vokabel, &bedeutung}) {
        if (text->contains(u'#'))
            return SpeicherErgebnis::EnthaeltRaute;
        if (text->contains(u'\r') || text->contains(u'\n'))
            return SpeicherErgebnis::Zeilenumbruch;
        if (!IstCp1252(*text))
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
