#include "practice/Stufen.h"

#include "lists/DateiErsetzen.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "lists/modfiles.h"

#include <algorithm>

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

// Mode-1 appends of one update, collected so the stage list is read once and written once:
// old content plus the new lines replace it in one rename, so a kill at any instant
// leaves the old list or the new one, never part of a record.
class StufenListe {
public:
    StufenListe(const QString& pfad, SichernErgebnis& ergebnis)
        : pfad_(pfad), ergebnis_(ergebnis)
    {
        if (auto b = BytesLesen(pfad)) {
            bisher_ = std::move(*b);
            const QStringList zeilen = ZeilenAus(bisher_);
            schluessel_.reserve(zeilen.size());
            for (const QString& z : zeilen)
                schluessel_.insert(VergleichsSchluessel(z));
        } else {
            kaputt_ = true;
        }
    }

    void Anbieten(const QString& zeile)
    {
        if (kaputt_)
            return;
        // Remember the key at once: the same record twice in one update goes in once.
        const QString k = VergleichsSchluessel(zeile);
        if (schluessel_.contains(k))
            return;
        schluessel_.insert(k);
        neu_.append(zeile);
    }

    void Schreiben()
    {
        if (!kaputt_ && !neu_.isEmpty()) {
            // Every new line came from AusCp1252, so it always encodes again.
            const auto anhang = AnhangBytes(bisher_, neu_);
            if (!anhang || !DateiErsetzen(pfad_, bisher_ + *anhang))
                kaputt_ = true;
        }
        if (kaputt_)
            ergebnis_.AnfuegenFehlgeschlagen.append(pfad_);
    }

private:
    QString pfad_;
    SichernErgebnis& ergebnis_;
    QByteArray bisher_;
    QSet<QString> schluessel_;
    QStringList neu_;
    bool kaputt_ = false;
};

} // namespace

SichernErgebnis Stufe1Sichern(const QString& dvaPfad, const std::vector<int>& fehlerzahl)
{
    SichernErgebnis ergebnis;
    const auto zeilen = ZeilenLesen(dvaPfad);
    if (!zeilen) {
        ergebnis.ListeGelesen = false;
        return ergebnis;
    }

    StufenListe dvb(StufenDatei(dvaPfad, u'b'), ergebnis);
    StufenListe dvc(StufenDatei(dvaPfad, u'c'), ergebnis);
    QStringList neueListe;
    neueListe.reserve(zeilen->size());
    for (qsizetype i = 0; i < zeilen->size(); ++i) {
        const QString& zeile = zeilen->at(i);
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

    QByteArray inhalt;
    for (const QString& z : neueListe) {
        // Every line came from AusCp1252, so it always encodes again; should one not,
        // the list keeps its old content rather than get an empty line.
        const auto bytes = NachCp1252(z);
        if (!bytes) {
            ergebnis.ErsetzenFehlgeschlagen = true;
            return ergebnis;
        }
        inhalt += *bytes;
        inhalt += "\r\n";
    }

    // The scratch file goes first: the .dva may only be replaced by a complete one.
    const QString dvd = StufenDatei(dvaPfad, u'd');
    const bool dvdFertig = HilfsdateiSchreiben(dvd, inhalt);
    dvb.Schreiben();
    dvc.Schreiben();
    if (!dvdFertig || !DateiErsetzenDurch(dvaPfad, dvd)) {
        ergebnis.ErsetzenFehlgeschlagen = true;
        if (!DateiEntfernen(dvd))
            ergebnis.EntfernenFehlgeschlagen.append(dvd);
    }
    return ergebnis;
}

SichernErgebnis Stufe2Sichern(const QString& dvbPfad, const std::vector<int>& fehlerzahl)
{
    SichernErgebnis ergebnis;
    const QString dvd = StufenDatei(dvbPfad, u'd');
    const auto zeilen = ZeilenLesen(dvbPfad);
    if (!zeilen) {
        ergebnis.ListeGelesen = false;
    } else {
        StufenListe dvc(StufenDatei(dvbPfad, u'c'), ergebnis);
        for (qsizetype i = 0; i < zeilen->size(); ++i) {
            const QString& zeile = zeilen->at(i);
            if (!HatZaehlerRahmen(zeile))
                continue;
            const int stand = NeuerStand(zeile, fehlerzahl, i);
            if (stand >= GrenzeStufe3)
                dvc.Anbieten(NeueZeile(zeile, stand));
        }
        dvc.Schreiben();
    }
    if (!DateiEntfernen(dvd))
        ergebnis.EntfernenFehlgeschlagen.append(dvd);
    return ergebnis;
}

SichernErgebnis Stufe3Beenden(const QString& pfad)
{
    SichernErgebnis ergebnis;
    const QString dvd = StufenDatei(pfad, u'd');
    if (!DateiEntfernen(dvd))
        ergebnis.EntfernenFehlgeschlagen.append(dvd);
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
