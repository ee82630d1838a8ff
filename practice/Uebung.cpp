#include "practice/Uebung.h"

#include "lists/Dateizugriff.h"
#include "lists/Listensprache.h"
#include "lists/TextDatei.h"
#include "practice/Abfrage.h"

#include <utility>

namespace lerno {

Uebung::Uebung(const QString& liste, qint16 stufe, const Leser& leser)
    : liste_(liste), stufe_(stufe),
      // Every stage speaks in the language stored for the main list.
      sprachcode_(SprachCode(Listensprache(StufenDatei(liste, u'a'))))
{
    const auto zeilen = leser ? leser(liste) : ZeilenLesen(liste);
    if (!zeilen)
        return;
    paare_.reserve(size_t(zeilen->size()));
    for (const QString& zeile : *zeilen) {
        paare_.push_back(EintragLesen(zeile));
        if (!paare_.back()) {
            unlesbar_.push_back(Zeilenzahl());
            continue;
        }
        vokabeln_.append(paare_.back()->Vokabel);
        bedeutungen_.append(paare_.back()->Bedeutung);
    }
    fehlerzahl_.assign(paare_.size(), 0);
}

void Uebung::Melden(const QString& text)
{
    if (!gemeldet_) {
        gemeldet_ = true;
        meldung_ = text;
    }
}

QString Uebung::MeldungAbholen() { return std::exchange(meldung_, QString()); }

int Uebung::ZeileZiehen()
{
    const int n = Zeilenzahl();
    if (n == 0) {
        Melden(QStringLiteral("Fehler"));
        return 0;
    }
    const int lesbar = n - static_cast<int>(unlesbar_.size());
    if (lesbar == 0) {
        Melden(UnlesbarText());
        return 0;
    }
    // The one readable line was asked last: it comes again, or the draw would never end.
    if (lesbar == 1 && n > 2 && LetzteZeile >= 1 && LetzteZeile <= n && paare_[LetzteZeile - 1])
        return LetzteZeile;
    for (;;) {
        const int zeile = Abfrage::ZeileZiehen(n, LetzteZeile);
        if (paare_[zeile - 1])
            return zeile;
        Melden(UnlesbarText());
    }
}

bool Uebung::NaechsteFrage(qint16 testart)
{
    const int zeile = ZeileZiehen();
    if (zeile == 0)
        return false;
    LetzteZeile = zeile;
    const WortPaar& paar = *paare_[zeile - 1];
    const Abfrage::Frage f = Abfrage::FrageStellen(paar.Vokabel, paar.Bedeutung, testart);
    aktuell_ = {zeile, paar.Vokabel, paar.Bedeutung, f.Anzeige, f.Sollantwort, f.Vok, f.gemisch};
    return true;
}

Uebung::Auswertung Uebung::Antworten(const QString& eingabe, bool grosszuegig)
{
    using Antwortpruefung::Urteil;
    Auswertung a;
    a.Gefragt = aktuell_;
    if (aktuell_.Zeile == 0)
        return a;
    // The other answers in this direction; the check itself passes over the solution's own.
    const QStringList& andere = aktuell_.Vok ? bedeutungen_ : vokabeln_;
    a.Ergebnis = Antwortpruefung::Pruefen(aktuell_.Sollantwort, eingabe, grosszuegig,
                                          grosszuegig ? andere : QStringList());
    a.Richtig = a.Ergebnis.urteil == Urteil::Richtig;
    if (a.Richtig)
        return a;
    verpasst_ = aktuell_;
    if (a.Ergebnis.urteil == Urteil::FastRichtig)
        a.Unterschiede = Abweichung::Unterschiede(aktuell_.Sollantwort, eingabe, true);
    else
        ++fehlerzahl_[size_t(aktuell_.Zeile - 1)];
    return a;
}

QString Uebung::Hilfe() const { return Abfrage::HilfeMaske(aktuell_.Sollantwort); }

QString Uebung::Anhoerwort(bool loesungGezeigt) const
{
    if (loesungGezeigt)
        return verpasst_.Vokabel;
    return aktuell_.Zeile && aktuell_.Vok ? aktuell_.Vokabel : QString();
}

SichernErgebnis Uebung::Beenden() const { return UebenSichern(stufe_, liste_, fehlerzahl_); }

QString Uebung::UnlesbarText() const { return lerno::UnlesbarText(liste_, unlesbar_); }

} // namespace lerno
