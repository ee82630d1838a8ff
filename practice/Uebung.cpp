#include "practice/Uebung.h"

#include "lists/Dateizugriff.h"
#include "lists/Listensprache.h"
#include "lists/TextDatei.h"
#include "practice/Abfrage.h"

#include <QDate>

#include <utility>

namespace lerno {

namespace {

// A word answered wrong in "Heute üben" comes back after this many others (or at the end).
constexpr size_t Wiederkehr = 3;

// The first failure is the one the pupil is told of.
void Dazu(SichernErgebnis& gesamt, const SichernErgebnis& r)
{
    if (gesamt.FehlerPfad.isEmpty() && !r.FehlerPfad.isEmpty()) {
        gesamt.Fehlernummer = r.Fehlernummer;
        gesamt.FehlerPfad = r.FehlerPfad;
        gesamt.FehlerZugriff = r.FehlerZugriff;
    }
    gesamt.ListeGelesen = gesamt.ListeGelesen && r.ListeGelesen;
    gesamt.AnfuegenFehlgeschlagen += r.AnfuegenFehlgeschlagen;
    gesamt.ErsetzenFehlgeschlagen = gesamt.ErsetzenFehlgeschlagen || r.ErsetzenFehlgeschlagen;
    gesamt.EntfernenFehlgeschlagen += r.EntfernenFehlgeschlagen;
}

} // namespace

Uebung::Herkunft Uebung::ListeLesen(const QString& pfad, const Leser& leser,
                                    std::vector<std::optional<WortPaar>>* paare)
{
    // Every stage speaks in the language stored for the main list.
    Herkunft h{pfad, SprachCode(Listensprache(StufenDatei(pfad, u'a'))), {}, {}, {}, {}};
    const auto zeilen = leser ? leser(pfad) : ZeilenLesen(pfad);
    if (!zeilen)
        return h;
    for (qsizetype i = 0; i < zeilen->size(); ++i) {
        auto paar = EintragLesen(zeilen->at(i));
        if (paar) {
            h.vokabeln.append(paar->Vokabel);
            h.bedeutungen.append(paar->Bedeutung);
        } else if (paare) {
            unlesbar_.push_back(int(i + 1));
        }
        if (paare)
            paare->push_back(std::move(paar));
    }
    h.fehlerzahl.assign(size_t(zeilen->size()), 0);
    return h;
}

Uebung::Uebung(const QString& liste, qint16 stufe, const Leser& leser)
    : leser_(leser), liste_(liste), stufe_(stufe)
{
    listen_.push_back(ListeLesen(liste, leser, &paare_));
}

Uebung::Uebung(const Tagesplan::Heute& heute, const Leser& leser) : leser_(leser), heute_(true)
{
    for (const Tagesplan::Liste& l : heute.listen) {
        if (l.paare.isEmpty())
            continue;
        listen_.push_back(ListeLesen(l.pfad, leser, nullptr));
        for (qsizetype i = 0; i < l.paare.size(); ++i)
            offen_.push_back({int(listen_.size() - 1), l.zeilen.value(i), l.paare[i]});
    }
}

Uebung::~Uebung() { VermerkeSchreiben(); }

const std::vector<int>& Uebung::Fehlerzahl() const
{
    static const std::vector<int> keine;
    return listen_.empty() ? keine : listen_.front().fehlerzahl;
}

const QString& Uebung::Sprachcode(bool loesungGezeigt) const
{
    static const QString keiner;
    const size_t liste = size_t(loesungGezeigt ? verpasst_.Liste : aktuell_.Liste);
    return liste < listen_.size() ? listen_[liste].sprachcode : keiner;
}

const QString& Uebung::ListeDerFrage() const
{
    const size_t liste = size_t(aktuell_.Liste);
    return liste < listen_.size() ? listen_[liste].pfad : liste_;
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
    if (heute_) {
        if (offen_.empty()) {
            aktuell_ = {};
            return false;
        }
        Stellen(offen_.front().paar, offen_.front().zeile, offen_.front().liste, testart);
        return true;
    }
    const int zeile = ZeileZiehen();
    if (zeile == 0)
        return false;
    LetzteZeile = zeile;
    Stellen(*paare_[zeile - 1], zeile, 0, testart);
    return true;
}

void Uebung::Stellen(const WortPaar& paar, int zeile, int liste, qint16 testart)
{
    const Abfrage::Frage f = Abfrage::FrageStellen(paar.Vokabel, paar.Bedeutung, testart);
    aktuell_ = {zeile, paar.Vokabel, paar.Bedeutung, f.Anzeige, f.Sollantwort, f.Vok, f.gemisch, liste};
    hinweis_ = false;
}

Uebung::Auswertung Uebung::Antworten(const QString& eingabe, bool grosszuegig)
{
    using Antwortpruefung::Urteil;
    Auswertung a;
    a.Gefragt = aktuell_;
    if (aktuell_.Zeile == 0)
        return a;
    Herkunft& h = listen_[size_t(aktuell_.Liste)];
    // The other answers in this direction; the check itself passes over the solution's own.
    const QStringList& andere = aktuell_.Vok ? h.bedeutungen : h.vokabeln;
    a.Ergebnis = Antwortpruefung::Pruefen(aktuell_.Sollantwort, eingabe, grosszuegig,
                                          grosszuegig ? andere : QStringList());
    a.Richtig = a.Ergebnis.urteil == Urteil::Richtig;
    vermerke_.append({aktuell_.Liste,
                      {{aktuell_.Vokabel, aktuell_.Bedeutung},
                       Wortgedaechtnis::Bewertung(a.Ergebnis.urteil, hinweis_),
                       QDate::currentDate()}});
    const bool falsch = a.Ergebnis.urteil == Urteil::Falsch;
    if (heute_ && !offen_.empty()) {
        const Heutewort wort = offen_.front();
        offen_.pop_front();
        if (falsch)
            offen_.insert(offen_.begin() + qsizetype(std::min(Wiederkehr, offen_.size())), wort);
    }
    if (a.Richtig)
        return a;
    verpasst_ = aktuell_;
    if (!falsch)
        a.Unterschiede = Abweichung::Unterschiede(aktuell_.Sollantwort, eingabe, true);
    else if (size_t(aktuell_.Zeile - 1) < h.fehlerzahl.size())
        ++h.fehlerzahl[size_t(aktuell_.Zeile - 1)];
    return a;
}

QString Uebung::Hilfe()
{
    hinweis_ = aktuell_.Zeile != 0;
    return Abfrage::HilfeMaske(aktuell_.Sollantwort);
}

const QSet<QString>* Uebung::Hauptschluessel(Herkunft& h)
{
    if (!h.hauptschluessel) {
        const QString dva = StufenDatei(h.pfad, u'a');
        QSet<QString> s;
        if (dva == h.pfad) {
            for (qsizetype i = 0; i < h.vokabeln.size(); ++i)
                s.insert(Wortgedaechtnis::Schluessel({h.vokabeln[i], h.bedeutungen[i]}));
        } else if (const auto zeilen = leser_ ? leser_(dva) : ZeilenLesen(dva)) {
            for (const QString& z : *zeilen)
                if (const auto paar = EintragLesen(z))
                    s.insert(Wortgedaechtnis::Schluessel(*paar));
        } else {
            return nullptr; // the memory write tries the .dva itself
        }
        h.hauptschluessel = std::move(s);
    }
    return &*h.hauptschluessel;
}

bool Uebung::VermerkeSchreiben()
{
    // One write per list, its answers in the order given; a list whose file cannot be
    // written keeps its answers for the next try.
    QList<std::pair<int, Wortgedaechtnis::Antwort>> bleiben;
    for (size_t l = 0; l < listen_.size(); ++l) {
        QList<Wortgedaechtnis::Antwort> antworten;
        for (const auto& [liste, antwort] : std::as_const(vermerke_))
            if (size_t(liste) == l)
                antworten.append(antwort);
        if (antworten.isEmpty()
            || Wortgedaechtnis::AntwortenVermerken(listen_[l].pfad, antworten, Hauptschluessel(listen_[l])))
            continue;
        for (const Wortgedaechtnis::Antwort& a : std::as_const(antworten))
            bleiben.append({int(l), a});
    }
    vermerke_ = bleiben;
    return vermerke_.isEmpty();
}

QString Uebung::Anhoerwort(bool loesungGezeigt) const
{
    if (loesungGezeigt)
        return verpasst_.Vokabel;
    return aktuell_.Zeile && aktuell_.Vok ? aktuell_.Vokabel : QString();
}

SichernErgebnis Uebung::Beenden()
{
    SichernErgebnis ergebnis;
    if (!heute_) {
        ergebnis = UebenSichern(stufe_, liste_, Fehlerzahl());
    } else {
        for (const Herkunft& h : listen_)
            if (std::any_of(h.fehlerzahl.begin(), h.fehlerzahl.end(), [](int n) { return n > 0; }))
                Dazu(ergebnis, Stufe1Sichern(h.pfad, h.fehlerzahl));
    }
    ergebnis.GedaechtnisFehlgeschlagen = !VermerkeSchreiben();
    return ergebnis;
}

QString Uebung::UnlesbarText() const { return lerno::UnlesbarText(liste_, unlesbar_); }

} // namespace lerno
