#include "practice/Stufen.h"

#include "lists/DateiErsetzen.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "lists/modfiles.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace lerno {

namespace {

int NeuerStand(const QString& zeile, const std::vector<int>& fehlerzahl, qsizetype index)
{
    const qsizetype i = index;
    const int fehler = i < static_cast<qsizetype>(fehlerzahl.size()) ? fehlerzahl[i] : 0;
    // Counts never fall and never pass 9.
    return std::min(9, FehlerstandLesen(zeile) + std::clamp(fehler, 0, 9));
}

QString NeueZeile(const QString& zeile, int stand)
{
    return EintragSchluessel(zeile) + QChar(u'0' + stand) + QStringLiteral("#0#");
}

// The first failure is the one the pupil is told of.
void Vermerken(SichernErgebnis& e, const QString& pfad, int nummer, Zugriff zugriff = Zugriff::Schreiben)
{
    if (!e.FehlerPfad.isEmpty())
        return;
    e.Fehlernummer = nummer;
    e.FehlerPfad = pfad;
    e.FehlerZugriff = zugriff;
}

// Mode-1 appends of one update, collected so the stage list is read once and written
// once: old content plus the new lines go to a temporary, which is renamed over it only
// once every file of the update is written.
class StufenListe {
public:
    StufenListe(const QString& pfad, Listenkodierung haupt) : pfad_(pfad), haupt_(haupt)
    {
        if (auto b = BytesLesen(pfad)) {
            bisher_ = std::move(*b);
            const QStringList zeilen = ZeilenAus(bisher_);
            schluessel_.reserve(zeilen.size());
            for (const QString& z : zeilen)
                schluessel_.insert(VergleichsSchluessel(z));
        } else {
            lesefehler_ = b.Ergebnis().Fehlernummer() ? b.Ergebnis().Fehlernummer() : EIO;
        }
    }
    ~StufenListe() { Verwerfen(); }

    void Anbieten(const QString& zeile)
    {
        // Remember the key at once: the same record twice in one update goes in once.
        const QString k = VergleichsSchluessel(zeile);
        if (schluessel_.contains(k))
            return;
        schluessel_.insert(k);
        neu_.append(zeile);
    }

    // Writes the new content beside the list; true when done or nothing is new.
    bool Vorbereiten(SichernErgebnis& e)
    {
        if (lesefehler_) {
            e.AnfuegenFehlgeschlagen.append(pfad_);
            Vermerken(e, pfad_, lesefehler_, Zugriff::Lesen);
            return false;
        }
        if (neu_.isEmpty())
            return true;
        // An empty or ASCII stage list takes the main list's encoding with the new lines,
        // and one in Windows-1252 turns UTF-8 with mark beside such a list or when a line
        // needs it.
        QByteArray inhalt = bisher_;
        int fehler = 0; // a line no encoding holds has no system cause
        if (InhaltErweitern(inhalt, neu_, haupt_)) {
            const auto t = ErsetzenVorbereiten(pfad_, inhalt);
            if (t)
                temporaer_ = *t;
            else
                fehler = t.Ergebnis().Fehlernummer();
        }
        if (temporaer_.isEmpty()) {
            e.AnfuegenFehlgeschlagen.append(pfad_);
            Vermerken(e, pfad_, fehler);
            return false;
        }
        return true;
    }

    bool Abschliessen(SichernErgebnis& e)
    {
        if (temporaer_.isEmpty())
            return true;
        const DateiErgebnis ok = ErsetzenAbschliessen(pfad_, temporaer_);
        temporaer_.clear();
        if (!ok) {
            e.AnfuegenFehlgeschlagen.append(pfad_);
            Vermerken(e, pfad_, ok.Fehlernummer());
        }
        return ok;
    }

    void Verwerfen()
    {
        if (!temporaer_.isEmpty())
            ErsetzenVerwerfen(temporaer_);
        temporaer_.clear();
    }

private:
    QString pfad_;
    Listenkodierung haupt_;
    QByteArray bisher_;
    QSet<QString> schluessel_;
    QStringList neu_;
    int lesefehler_ = 0;
    QString temporaer_; // the temporary with the new content; empty: none
};

void ScratchEntfernen(SichernErgebnis& e, const QString& dvd)
{
    if (const DateiErgebnis r = DateiLoeschen(dvd); !r) {
        e.EntfernenFehlgeschlagen.append(dvd);
        Vermerken(e, dvd, r.Fehlernummer());
    }
}

} // namespace

QString SichernMeldung(const SichernErgebnis& e)
{
    if (e.Fehlerfrei())
        return {};
    SichernErgebnis stufen = e;
    stufen.GedaechtnisFehlgeschlagen = false;
    if (stufen.Fehlerfrei()) // the stage lists are fine, only the words' memory is not
        return GedaechtnisNichtGespeichert;
    const QString ursache = FehlerUrsache(e.FehlerPfad, e.Fehlernummer, e.FehlerZugriff);
    if (e.Gespeichert())
        return QStringLiteral("%1 Das Ergebnis dieser Übung wurde gespeichert, nur die Hilfsdatei „%2“ "
                              "ließ sich nicht löschen.")
            .arg(ursache, QFileInfo(e.EntfernenFehlgeschlagen.value(0)).fileName());
    return ursache + QStringLiteral(" Das Ergebnis dieser Übung wurde nicht gespeichert.");
}

SichernErgebnis Stufe1Sichern(const QString& dvaPfad, const std::vector<int>& fehlerzahl)
{
    SichernErgebnis ergebnis;
    const auto bytes = BytesLesen(dvaPfad);
    if (!bytes) {
        ergebnis.ListeGelesen = false;
        Vermerken(ergebnis, dvaPfad, bytes.Ergebnis().Fehlernummer(), Zugriff::Lesen);
        return ergebnis;
    }
    const Listenkodierung kodierung = KodierungErkennen(*bytes);
    const QStringList zeilen = ZeilenAus(*bytes);

    StufenListe dvb(StufenDatei(dvaPfad, u'b'), kodierung);
    StufenListe dvc(StufenDatei(dvaPfad, u'c'), kodierung);
    QStringList neueListe;
    neueListe.reserve(zeilen.size());
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString& zeile = zeilen.at(i);
        if (!HatZaehlerRahmen(zeile)) {
            neueListe.append(zeile);
            continue;
        }
        const int stand = NeuerStand(zeile, fehlerzahl, i);
        const QString neu = NeueZeile(zeile, stand);
        if (stand >= GrenzeStufe2)
            dvb.Anbieten(neu);
        if (stand >= GrenzeStufe3)
            dvc.Anbieten(neu);
        neueListe.append(neu);
    }

    // Written back in the encoding it was read in: a UTF-8 list stays UTF-8, mark and all.
    const auto inhalt = DateiInhalt(neueListe, kodierung);
    const QString dvd = StufenDatei(dvaPfad, u'd');
    auto nichts = [&] {
        // Nothing is renamed yet: every list is as it was; what was written goes.
        dvb.Verwerfen();
        dvc.Verwerfen();
        ergebnis.ErsetzenFehlgeschlagen = true;
        ScratchEntfernen(ergebnis, dvd);
        return ergebnis;
    };
    if (!inhalt) {
        Vermerken(ergebnis, dvaPfad, 0);
        return nichts();
    }
    // Every new file complete first: the .dva may only be replaced by a complete one, and
    // no list may change while another cannot.
    if (const DateiErgebnis r = HilfsdateiSchreiben(dvd, *inhalt); !r) {
        Vermerken(ergebnis, dvd, r.Fehlernummer());
        return nichts();
    }
    if (!dvb.Vorbereiten(ergebnis) || !dvc.Vorbereiten(ergebnis))
        return nichts();
    // Renames in one folder need no space. The stage lists go first: a kill between the
    // renames leaves them with the records that reached them and the .dva with its old
    // counts, which the next practice adds to again; never a count without its copy.
    if (!dvb.Abschliessen(ergebnis) || !dvc.Abschliessen(ergebnis))
        return nichts();
    if (const DateiErgebnis r = DateiErsetzenDurch(dvaPfad, dvd); !r) {
        Vermerken(ergebnis, dvaPfad, r.Fehlernummer());
        return nichts();
    }
    return ergebnis;
}

SichernErgebnis Stufe2Sichern(const QString& dvbPfad, const std::vector<int>& fehlerzahl)
{
    SichernErgebnis ergebnis;
    const QString dvd = StufenDatei(dvbPfad, u'd');
    const auto bytes = BytesLesen(dvbPfad);
    if (!bytes) {
        ergebnis.ListeGelesen = false;
        Vermerken(ergebnis, dvbPfad, bytes.Ergebnis().Fehlernummer(), Zugriff::Lesen);
    } else {
        const QStringList zeilen = ZeilenAus(*bytes);
        StufenListe dvc(StufenDatei(dvbPfad, u'c'), KodierungErkennen(*bytes));
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            const QString& zeile = zeilen.at(i);
            if (!HatZaehlerRahmen(zeile))
                continue;
            const int stand = NeuerStand(zeile, fehlerzahl, i);
            if (stand >= GrenzeStufe3)
                dvc.Anbieten(NeueZeile(zeile, stand));
        }
        // One file changes: its replace is all or nothing by itself.
        if (dvc.Vorbereiten(ergebnis))
            dvc.Abschliessen(ergebnis);
    }
    ScratchEntfernen(ergebnis, dvd);
    return ergebnis;
}

SichernErgebnis Stufe3Beenden(const QString& pfad)
{
    SichernErgebnis ergebnis;
    ScratchEntfernen(ergebnis, StufenDatei(pfad, u'd'));
    return ergebnis;
}

SichernErgebnis UebenSichern(qint16 stufe, const QString& pfad, const std::vector<int>& fehlerzahl)
{
    switch (stufe) {
    case 1: return Stufe1Sichern(pfad, fehlerzahl);
    case 2: return Stufe2Sichern(pfad, fehlerzahl);
    default: return Stufe3Beenden(pfad);
    }
}

} // namespace lerno
