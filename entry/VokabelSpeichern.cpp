#include "entry/VokabelSpeichern.h"

#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"

namespace lerno {

DateiErgebnis ListeAnlegen(const QString& liste)
{
    for (const QString& datei : {liste, StufenDatei(liste, u'b'), StufenDatei(liste, u'c')})
        if (const DateiErgebnis e = DateiAnlegen(datei); !e)
            return e;
    return {};
}

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
    const auto bytes = BytesLesen(liste);
    DateiErgebnis ergebnis = bytes.Ergebnis();
    if (bytes) {
        const QStringList zeilen = ZeilenAus(*bytes);
        const QString letzte = zeilen.isEmpty() ? QString() : zeilen.last();
        ergebnis = ZeileAnhaengen(liste, EintragSchreiben(NaechsteNummer(letzte), vokabel, bedeutung, 0));
    }
    if (fehler)
        *fehler = ergebnis;
    return ergebnis ? SpeicherErgebnis::Gespeichert : SpeicherErgebnis::Dateifehler;
}

} // namespace lerno
