#include "editor/Editorliste.h"

#include "lists/DateiErsetzen.h"
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

EingabeFehler FeldPruefen(const QString& feld, QString& zeichen)
{
    if (feld.contains(u'#'))
        return EingabeFehler::Raute;
    if (feld.contains(u'\r') || feld.contains(u'\n'))
        return EingabeFehler::Zeilenumbruch;
    zeichen = ErstesFremdesZeichen(feld);
    return zeichen.isEmpty() ? EingabeFehler::Keiner : EingabeFehler::KeinCp1252;
}

bool IstZiffer(QChar c) { return c >= u'0' && c <= u'9'; }

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
    if (p1 != 3 || p3 != n - 5 || zeile[n - 3] != u'#' || zeile[n - 1] != u'#'
        || !IstZiffer(zeile[n - 4]))
        return std::nullopt;
    GridZeile z;
    z.Nummer = zeile.left(4);
    z.Vokabel = zeile.mid(p1 + 1, p2 - p1 - 1);
    z.Bedeutung = zeile.mid(p2 + 1, p3 - p2 - 1);
    z.Zaehler = zeile.right(5);
    if (z.Vokabel.isEmpty() || z.Bedeutung.isEmpty())
        return std::nullopt;
    return z;
}

GeladeneListe EditorListeLesen(const QString& dva)
{
    GeladeneListe liste;
    const auto zeilen = ZeilenLesen(dva);
    if (!zeilen) {
        liste.Gelesen = false;
        return liste;
    }
    liste.Zeilen.reserve(zeilen->size());
    for (const QString& zeile : *zeilen) {
        if (auto z = GridZeileAus(zeile)) {
            liste.Zeilen.push_back(std::move(*z));
        } else {
            GridZeile roh;
            roh.Roh = zeile;
            liste.Zeilen.push_back(std::move(roh));
            ++liste.Unlesbar;
        }
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
        for (const QString* feld : {&z.Vokabel, &z.Bedeutung}) {
            p.Fehler = FeldPruefen(*feld, p.Zeichen);
            if (p.Fehler != EingabeFehler::Keiner) {
                p.Zeile = qsizetype(i) + 1;
                return p;
            }
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
    ergebnis.Pruefung = GridPruefen(zeilen);
    if (ergebnis.Pruefung.Fehler != EingabeFehler::Keiner) {
        ergebnis.Stand = EditorSpeicherStand::Abgelehnt;
        return ergebnis;
    }

    // The stage lists come from the new main list alone. Kept lines go to no stage
    // list, as in practice.
    QByteArray inhalt[3];
    for (const GridZeile& z : zeilen) {
        const auto satz = GridDatensatz(z);
        if (!satz)
            continue;
        // Checked above, and kept lines were decoded from the file: this always encodes.
        const QByteArray zeile = NachCp1252(*satz).value_or(QByteArray()) + "\r\n";
        inhalt[0] += zeile;
        if (z.Roh)
            continue;
        const int stand = FehlerstandLesen(*satz);
        if (stand >= GrenzeStufe2)
            inhalt[1] += zeile;
        if (stand >= GrenzeStufe3)
            inhalt[2] += zeile;
    }

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
    bool fertig = true;
    if (!nebenan) {
        for (int i = 0; i < 3 && fertig; ++i)
            fertig = HilfsdateiSchreiben(hilfe[i], inhalt[i]);
    }
    for (int i = 0; i < 3; ++i) {
        const bool ersetzt = fertig
                             && (nebenan ? DateiErsetzen(ziele[i], inhalt[i])
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
