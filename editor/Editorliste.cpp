#include "editor/Editorliste.h"

#include "lists/DateiErsetzen.h"
#include "lists/Dateizugriff.h"
#include "lists/Programmordner.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lerno {

namespace {

const QString Ersatznummer = QStringLiteral("001#");
const QString Ersatzzaehler = QStringLiteral("#1#0#");

struct RoheZeile {
    QString Text;
    QByteArray Ende;
};

// The lines as ZeilenAus splits them, each with the bytes that ended it.
std::vector<RoheZeile> ZeilenMitEnde(const QByteArray& alles)
{
    std::vector<RoheZeile> zeilen;
    const Listenkodierung k = KodierungErkennen(alles);
    for (const Zeilenstelle& z : ZeilenStellen(alles))
        zeilen.push_back({Dekodieren(QByteArrayView(alles).sliced(z.anfang, z.laenge), k),
                          alles.mid(z.anfang + z.laenge, z.endeLaenge)});
    return zeilen;
}

} // namespace

std::optional<GridZeile> GridZeileAus(const QString& zeile)
{
    const qsizetype n = zeile.size();
    if (n < 9 || zeile.count(u'#') != 5)
        return std::nullopt;
    const qsizetype p1 = zeile.indexOf(u'#');
    const qsizetype p2 = zeile.indexOf(u'#', p1 + 1);
    const qsizetype p3 = zeile.indexOf(u'#', p2 + 1);
    // Only then are the first four and the last five characters exactly number and
    // counters, so that the four columns put together give the line again.
    if (p1 != 3 || p3 != n - 5 || zeile[n - 3] != u'#' || zeile[n - 1] != u'#')
        return std::nullopt;
    GridZeile z;
    z.Nummer = zeile.left(4);
    z.Vokabel = zeile.mid(p1 + 1, p2 - p1 - 1);
    z.Bedeutung = zeile.mid(p2 + 1, p3 - p2 - 1);
    z.Zaehler = zeile.right(5);
    // A loaded pair the shared check refuses (a tab, a CR, an empty field) could not be
    // saved again: it is kept whole instead of blocking every save.
    if (!PaarPruefen(z.Vokabel, z.Bedeutung).ok())
        return std::nullopt;
    return z;
}

GeladeneListe EditorListeLesen(const QString& dva)
{
    GeladeneListe liste;
    const auto alles = BytesLesen(dva);
    if (!alles) {
        liste.Fehlernummer = alles.Ergebnis().Fehlernummer();
        liste.Gelesen = false;
        // Only a list that is not there may be started afresh; one that is there but
        // cannot be read would be emptied by the next save.
        liste.Stand = QFileInfo::exists(dva) ? LadeStand::Unlesbar : LadeStand::Fehlt;
        return liste;
    }
    const auto zeilen = ZeilenMitEnde(*alles);
    liste.Zeilen.reserve(zeilen.size());
    for (const RoheZeile& zeile : zeilen) {
        GridZeile z;
        if (auto geteilt = GridZeileAus(zeile.Text)) {
            z = std::move(*geteilt);
        } else {
            z.Roh = zeile.Text;
            ++liste.Unlesbar;
        }
        z.Ende = zeile.Ende;
        liste.Zeilen.push_back(std::move(z));
    }
    return liste;
}

std::optional<QString> GridDatensatz(const GridZeile& zeile)
{
    if (zeile.Roh)
        return *zeile.Roh;
    if (zeile.Vokabel.isEmpty() || zeile.Bedeutung.isEmpty())
        return std::nullopt;
    return (zeile.Nummer.isEmpty() ? Ersatznummer : zeile.Nummer) + zeile.Vokabel + u'#'
           + zeile.Bedeutung + (zeile.Zaehler.isEmpty() ? Ersatzzaehler : zeile.Zaehler);
}

EingabePruefung GridPruefen(const std::vector<GridZeile>& zeilen)
{
    EingabePruefung p;
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const GridZeile& z = zeilen[i];
        if (z.Roh || z.Vokabel.isEmpty() || z.Bedeutung.isEmpty())
            continue; // written unchanged, or not at all
        p.Urteil = PaarPruefen(z.Vokabel, z.Bedeutung);
        if (!p.Urteil.ok()) {
            p.Fehler = p.Urteil.Grund;
            p.Zeile = qsizetype(i) + 1;
            if (p.Fehler == EingabeFehler::Unspeicherbar)
                p.Zeichen = ZeichenText(p.Urteil.Zeichen);
            return p;
        }
    }
    return p;
}

int HalbeGridbreite(int twips)
{
    int halb = twips / 2;
    if (twips % 2 != 0 && halb % 2 != 0)
        ++halb;
    return halb;
}

QString Hilfsdatei(QChar buchstabe)
{
    return Programmordner() + QStringLiteral("/Vokabeln/afile.dv") + buchstabe;
}

bool IstHilfsdatei(const QString& pfad)
{
    return QFileInfo(pfad).completeBaseName().compare(QLatin1String("afile"), Qt::CaseInsensitive) == 0;
}

EditorSpeicherErgebnis EditorListeSchreiben(const QString& dva, const std::vector<GridZeile>& zeilen)
{
    EditorSpeicherErgebnis ergebnis;
    if (IstHilfsdatei(dva)) {
        ergebnis.Stand = EditorSpeicherStand::Dateifehler;
        for (QChar b : {u'a', u'b', u'c'})
            ergebnis.NichtErsetzt.append(StufenDatei(dva, b));
        return ergebnis;
    }
    if (ListeSchreibgeschuetzt(dva)) {
        ergebnis.Stand = EditorSpeicherStand::Schreibgeschuetzt;
        return ergebnis;
    }
    ergebnis.Pruefung = GridPruefen(zeilen);
    if (ergebnis.Pruefung.Fehler != EingabeFehler::Keiner) {
        ergebnis.Stand = EditorSpeicherStand::Abgelehnt;
        return ergebnis;
    }

    // The stage lists come from the new main list alone. Kept lines go to no stage
    // list, as in practice.
    // Written in the encoding the list has (a UTF-8 list stays UTF-8, mark and all), unless
    // a row needs UTF-8; the stage lists follow it.
    Listenkodierung kodierung = KodierungErkennen(BytesLesen(dva).value_or(QByteArray()));
    QByteArray inhalt[3];
    qsizetype letzte = -1; // the last row that is written
    for (size_t i = 0; i < zeilen.size(); ++i)
        if (const auto satz = GridDatensatz(zeilen[i])) {
            letzte = qsizetype(i);
            if (kodierung == Listenkodierung::Cp1252 && !IstCp1252(*satz))
                kodierung = Listenkodierung::Utf8MitMarke;
        }
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const GridZeile& z = zeilen[i];
        const auto satz = GridDatensatz(z);
        if (!satz)
            continue;
        const auto bytes = Kodieren(*satz, kodierung);
        if (!bytes) {
            // Checked above, and kept lines were decoded from the file; should a row
            // still not encode, it is refused rather than written as an empty line.
            ergebnis.Stand = EditorSpeicherStand::Abgelehnt;
            ergebnis.Pruefung.Fehler = EingabeFehler::Unspeicherbar;
            ergebnis.Pruefung.Urteil = {PaarGrund::Unspeicherbar, ErstesUnspeicherbaresZeichen(*satz).value_or(0)};
            ergebnis.Pruefung.Zeile = qsizetype(i) + 1;
            return ergebnis;
        }
        // A line keeps its own end; only one that would run into the next gets CR LF.
        const bool offen = !z.Ende.endsWith('\n') && qsizetype(i) != letzte;
        inhalt[0] += *bytes + (offen ? QByteArray("\r\n") : z.Ende);
        if (z.Roh)
            continue;
        const QByteArray zeile = *bytes + "\r\n";
        const int stand = FehlerstandLesen(*satz);
        if (stand >= GrenzeStufe2)
            inhalt[1] += zeile;
        if (stand >= GrenzeStufe3)
            inhalt[2] += zeile;
    }

    for (QByteArray& i : inhalt)
        if (!i.isEmpty())
            i.prepend(Kopf(kodierung).toByteArray());

    const QChar buchstaben[3] = {u'a', u'b', u'c'};
    QString ziele[3];
    QString hilfe[3];
    for (int i = 0; i < 3; ++i) {
        ziele[i] = StufenDatei(dva, buchstaben[i]);
        hilfe[i] = Hilfsdatei(buchstaben[i]);
    }
    // A rename cannot leave its folder; a list kept elsewhere gets its scratch files
    // beside itself instead.
    const bool nebenan = QFileInfo(QFileInfo(dva).absolutePath()).canonicalFilePath()
                         != QFileInfo(QFileInfo(hilfe[0]).absolutePath()).canonicalFilePath();

    // Leftovers of an interrupted save are never merged in: each scratch file is
    // written from scratch, and all three are complete before the first replace.
    // The first failure names the cause.
    auto gelungen = [&](const QString& pfad, const DateiErgebnis& e) {
        if (!e && ergebnis.FehlerPfad.isEmpty()) {
            ergebnis.Fehlernummer = e.Fehlernummer();
            ergebnis.FehlerPfad = pfad;
        }
        return e.ok();
    };
    bool fertig = true;
    if (!nebenan) {
        for (int i = 0; i < 3 && fertig; ++i)
            fertig = gelungen(hilfe[i], HilfsdateiSchreiben(hilfe[i], inhalt[i]));
    }
    for (int i = 0; i < 3; ++i) {
        const bool ersetzt = fertig
                             && gelungen(ziele[i], nebenan ? DateiErsetzen(ziele[i], inhalt[i])
                                                           : DateiErsetzenDurch(ziele[i], hilfe[i]));
        if (!ersetzt) {
            fertig = false; // the members after a failed one keep their old content too
            ergebnis.NichtErsetzt.append(ziele[i]);
        }
    }
    for (const QString& h : hilfe)
        QFile::remove(h);
    if (!ergebnis.NichtErsetzt.isEmpty())
        ergebnis.Stand = EditorSpeicherStand::Dateifehler;
    return ergebnis;
}

} // namespace lerno
