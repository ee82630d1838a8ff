// Driver for the kill tests: saves of a large list of one kind, run until kill_test.sh
// kills it with SIGKILL, and the check that every list file is still whole afterwards
// and that the next start's folder set-up leaves no temporary behind.
//
// Kinds: stufe1 (end of a stage-1 practice, main list and both stage lists), editor (the
// editor's save through its scratch list), import (pairs appended to the list): the list is
// <programm>/Vokabeln/Liste.dv?. verlauf (a test appended to a 20 MB history Lernstand.txt),
// sprache (a list's language changed in Listensprachen.txt beside 300 lists), loeschen
// (whole lists deleted, with a pause before each file goes), gedaechtnis (one answer
// recorded in the memory file Liste.dvg of a list of 20,000 words, each remembered).
//
//   kill_driver <art> saves                                how many saves one run makes
//   kill_driver <art> anlegen  <programm>                  the files before the first save
//   kill_driver <art> referenz <start> <ref> <saves>       states 0..saves as ref/<k>.<i>
//   kill_driver <art> sichern  <programm> <saves>          saves 1..saves, then exit
//   kill_driver <art> pruefen  <programm> <ref> <saves>    each file old or new, whole;
//                                                          nothing left after the set-up;
//                                                          no deleted list offered again
#include "learning/Wortgedaechtnis.h"
#include "lists/Listenordner.h"
#include "editor/Editorliste.h"
#include "lists/ListeEntfernen.h"
#include "lists/Listenname.h"
#include "lists/Listensprache.h"
#include "lists/Programmordner.h"
#include "lists/Testverlauf.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "practice/Stufen.h"
#include "transfer/import/ListeErweitern.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

using namespace lerno;

namespace {

// The editor builds a grid row per line before it writes: a shorter list keeps its saves,
// and so the test, about as long as the others.
int Zeilen = 100000;
constexpr int ImportPaare = 20000;
constexpr int VerlaufZeilen = 500000; // about 20 MB
constexpr int SprachListen = 300;
constexpr int LoeschListen = 6;

enum class Art { Stufe1, Editor, Import, Verlauf, Sprache, Loeschen, Gedaechtnis };
Art art = Art::Stufe1;

// The files one save changes, in the list folder.
QStringList Dateinamen()
{
    switch (art) {
    case Art::Verlauf: return {QStringLiteral("Lernstand.txt")};
    case Art::Sprache: return {QString::fromLatin1(LISTENSPRACHEN_DATEI)};
    case Art::Loeschen: return {};
    case Art::Gedaechtnis: return {QStringLiteral("Liste.dvg")};
    default: return {"Liste.dva", "Liste.dvb", "Liste.dvc"};
    }
}

int Saves()
{
    // A language change is quick: many of them, so the kills land inside them too.
    return art == Art::Sprache ? 40 : art == Art::Loeschen ? LoeschListen : art == Art::Gedaechtnis ? 12 : 4;
}

QString Ordner(const QString& programm) { return programm + "/Vokabeln"; }

QString Datei(const QString& programm, int i) { return Ordner(programm) + "/" + Dateinamen()[i]; }

QString Datei(const QString& programm, char endung)
{
    return programm + "/Vokabeln/Liste.dv" + QLatin1Char(endung);
}

QString RefDatei(const QString& ref, int k, int i)
{
    return ref + QStringLiteral("/%1.%2").arg(k).arg(i);
}

QString SprachListe(const QString& programm, int j)
{
    return Ordner(programm) + QStringLiteral("/L%1.dva").arg(j, 4, 10, QLatin1Char('0'));
}

QString LoeschListe(const QString& programm, int j)
{
    return Ordner(programm) + QStringLiteral("/Liste%1.dva").arg(j);
}

const char* const Sprachen[] = {"Englisch", "Latein", "Spanisch", "Französisch"};

QByteArray Lies(const QString& pfad)
{
    return BytesLesen(pfad).value_or(QByteArray("<unlesbar>"));
}

bool Schreib(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Misses of save k: a tenth of the records get 2 (to .dvb), a fortieth 2 more (to .dvc),
// a different share every save, so each save grows both stage lists.
std::vector<int> Fehler(int k)
{
    std::vector<int> e(Zeilen, 0);
    for (int i = 0; i < Zeilen; ++i) {
        if (i % 10 == k % 10)
            e[i] += 2;
        if (i % 40 == k % 40)
            e[i] += 2;
    }
    return e;
}

// The grid of edit k: every word changed, counts that put other pairs into the stage lists.
std::vector<GridZeile> Grid(int k)
{
    std::vector<GridZeile> zeilen(Zeilen);
    for (int i = 0; i < Zeilen; ++i) {
        GridZeile& z = zeilen[i];
        z.Nummer = QString::number(i % 100 + 1).rightJustified(3, u'0') + u'#';
        z.Vokabel = QStringLiteral("wort%1-%2").arg(i).arg(k);
        z.Bedeutung = QStringLiteral("Bedeutung %1").arg(i);
        z.Zaehler = QStringLiteral("#%1#0#").arg((i + k) % 6);
    }
    return zeilen;
}

QList<ImportPaar> Paare(int k)
{
    QList<ImportPaar> paare;
    paare.reserve(ImportPaare);
    for (int j = 0; j < ImportPaare; ++j)
        paare.append(ImportPaar{j + 1, QStringLiteral("neu%1-%2").arg(k).arg(j), QStringLiteral("Neu %1").arg(j)});
    return paare;
}

bool Sichern(const QString& programm, int k)
{
    switch (art) {
    case Art::Stufe1:
        return Stufe1Sichern(Datei(programm, 'a'), Fehler(k)).Fehlerfrei();
    case Art::Editor:
        // The scratch list lies in the program folder's list folder.
        SetzeProgrammordner(programm);
        return EditorListeSchreiben(Datei(programm, 'a'), Grid(k)).Stand == EditorSpeicherStand::Gespeichert;
    case Art::Import:
        return PaareAnhaengen(Datei(programm, 'a'), Paare(k));
    case Art::Verlauf: {
        Testeintrag e;
        e.Zeitpunkt = QDateTime(QDate(2026, 12, 8), QTime(16, 0, k));
        e.Liste = QStringLiteral("Liste");
        e.Richtige = k;
        e.Falsche = 20 - k;
        e.Note = QStringLiteral("3");
        return TestVermerken(Ordner(programm), e);
    }
    case Art::Sprache:
        return ListenspracheSetzen(SprachListe(programm, (k * 37) % SprachListen),
                                   QString::fromUtf8(Sprachen[k % 4]));
    case Art::Gedaechtnis: {
        // Another word each time, rated 1..4, a day later each time.
        const int i = (k * 7919) % Zeilen;
        return Wortgedaechtnis::AntwortVermerken(Datei(programm, 'a'),
                                                 {QStringLiteral("wort%1").arg(i), QStringLiteral("Bedeutung %1").arg(i)},
                                                 1 + k % 4, QDate(2026, 3, 2).addDays(k));
    }
    case Art::Loeschen:
        // Unlinks are quick; the pause puts a kill between any two of them.
        return ListeEntfernen(LoeschListe(programm, k - 1), [](const QString&) {
                   std::this_thread::sleep_for(std::chrono::milliseconds(15));
               }).isEmpty();
    }
    return false;
}

int Anlegen(const QString& programm)
{
    QDir().mkpath(Ordner(programm));
    bool ok = true;
    switch (art) {
    case Art::Verlauf: {
        QByteArray verlauf;
        verlauf.reserve(VerlaufZeilen * 42);
        for (int i = 0; i < VerlaufZeilen; ++i)
            verlauf += "2026-01-01 08:00:00\tFD\t15\t5\t2.9\tAlt " + QByteArray::number(i % 50) + "\r\n";
        ok = Schreib(Datei(programm, 0), verlauf);
        break;
    }
    case Art::Sprache:
        for (int j = 0; j < SprachListen && ok; ++j)
            ok = Schreib(SprachListe(programm, j), "001#a#b#0#0#\r\n");
        // Every second list has a language already, written at once (a set each would
        // wait for the disk a thousand times).
        ok = ok && Schreib(Ordner(programm) + "/" + LISTENSPRACHEN_DATEI, [] {
                 QByteArray zeilen;
                 for (int j = 0; j < SprachListen; j += 2)
                     zeilen += QStringLiteral("L%1.dva\tEnglisch\r\n").arg(j, 4, 10, QLatin1Char('0')).toUtf8();
                 return zeilen;
             }());
        break;
    case Art::Loeschen:
        for (int j = 0; j < LoeschListen && ok; ++j) {
            const QString dva = LoeschListe(programm, j);
            for (QChar b : {u'a', u'b', u'c', u'd'})
                ok = ok && Schreib(StufenDatei(dva, b), "001#a#b#5#0#\r\n");
            ok = ok && ListenspracheSetzen(dva, QStringLiteral("Latein"));
        }
        break;
    default: {
        QByteArray dva;
        for (int i = 0; i < Zeilen; ++i)
            dva += QByteArray::number(i % 100 + 1).rightJustified(3, '0') + "#wort" +
                   QByteArray::number(i) + "#Bedeutung " + QByteArray::number(i) + "#0#0#\r\n";
        ok = Schreib(Datei(programm, 'a'), dva) && Schreib(Datei(programm, 'b'), {}) &&
             Schreib(Datei(programm, 'c'), {});
        if (art == Art::Gedaechtnis) {
            Wortgedaechtnis::Woerter g;
            for (int i = 0; i < Zeilen; ++i)
                g.insert(QStringLiteral("wort%1#Bedeutung %1").arg(i),
                         {{1.0 + i % 50, 1.0 + i % 9}, QDate(2026, 2, 1).addDays(i % 28), 1 + i % 5, i % 2});
            ok = ok && Wortgedaechtnis::Schreiben(Datei(programm, 'a'), g);
        }
    }
    }
    return ok ? 0 : 1;
}

int Referenz(const QString& start, const QString& ref, int saves)
{
    QDir().mkpath(ref);
    const QString arbeit = ref + "/arbeit";
    // The whole list folder, as the script copies it for each run.
    if (std::system(qPrintable(QStringLiteral("cp -r '%1' '%2'").arg(start, arbeit))) != 0)
        return 1;
    const int n = int(Dateinamen().size());
    for (int i = 0; i < n; ++i)
        if (!QFile::copy(Datei(arbeit, i), RefDatei(ref, 0, i)))
            return 1;
    QElapsedTimer uhr;
    uhr.start();
    for (int k = 1; k <= saves; ++k) {
        if (!Sichern(arbeit, k))
            return 1;
        for (int i = 0; i < n; ++i)
            if (!QFile::copy(Datei(arbeit, i), RefDatei(ref, k, i)))
                return 1;
    }
    // The script spreads its kills over this time.
    std::printf("%lld\n", static_cast<long long>(std::max<qint64>(1, uhr.elapsed() / saves)));
    QDir(arbeit).removeRecursively();
    return 0;
}

int SichernBis(const QString& programm, int saves)
{
    for (int k = 1; k <= saves; ++k)
        if (!Sichern(programm, k))
            return 1;
    return 0;
}

// Records of the expected state that the file does not hold, line by line.
int Verloren(const QByteArray& ist, const QByteArray& soll)
{
    const QStringList a = ZeilenAus(ist), b = ZeilenAus(soll);
    int fehlt = 0;
    for (qsizetype i = 0; i < b.size(); ++i)
        if (i >= a.size() || a[i] != b[i] || !HatZaehlerRahmen(a[i]))
            ++fehlt;
    return fehlt;
}

// A line of the kind's file as its writer makes it.
bool ZeileGanz(const QByteArray& zeile)
{
    switch (art) {
    case Art::Verlauf: return VerlaufszeileLesen(zeile).has_value();
    case Art::Sprache: return zeile.count('\t') == 1;
    case Art::Gedaechtnis: return zeile.count('\t') == 5;
    default: return HatZaehlerRahmen(AusCp1252(zeile));
    }
}

// Lines that are not whole: no CR LF at the end, or not what the writer writes.
int Zerrissen(const QByteArray& ist)
{
    int kaputt = ist.isEmpty() || ist.endsWith("\r\n") ? 0 : 1;
    const QList<QByteArray> zeilen = ist.split('\n');
    for (qsizetype i = 0; i + 1 < zeilen.size(); ++i)
        if (!zeilen[i].endsWith('\r') || !ZeileGanz(zeilen[i].chopped(1)))
            ++kaputt;
    return kaputt;
}

// Everything in the list folder that is neither a list with its stage lists nor a file
// kept beside them: temporaries of the replace routine, the editor's scratch list, a
// practice's scratch file, stage lists without their list.
QStringList Fremde(const QString& programm)
{
    QStringList fremd;
    const QDir ordner(Ordner(programm));
    for (const QString& n : ordner.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const bool eigen = !n.startsWith('.') && !n.startsWith("afile");
        const bool liste = eigen && n.endsWith(".dva");
        const bool stufe = eigen && (n.endsWith(".dvb") || n.endsWith(".dvc")) && ordner.exists(n.chopped(1) + 'a');
        if (!liste && !stufe && !Dateinamen().contains(n) && n != QLatin1String(LISTENSPRACHEN_DATEI))
            fremd << n;
    }
    return fremd;
}

// Lists whose .dva is gone that a chooser of any stage still offers, and language lines
// of such lists: what would bring a deleted list back.
int Zurueck(const QString& programm)
{
    const QString ordner = Ordner(programm);
    int zurueck = 0;
    for (const char* muster : {"*.dva", "*.dvb", "*.dvc"})
        for (const QString& n : Listenauswahl(ordner, QString::fromLatin1(muster)))
            if (!QFile::exists(ordner + "/" + n.chopped(1) + 'a'))
                ++zurueck;
    for (const QString& liste : ListensprachenLesen(ordner).keys())
        if (!QFile::exists(ordner + "/" + liste))
            ++zurueck;
    return zurueck;
}

// Deletion: each list is whole (its .dva as made) or gone, never a .dva with other bytes.
int PruefenLoeschen(const QString& programm)
{
    int ganz = 0, zerrissen = 0;
    QByteArray bericht;
    for (int j = 0; j < LoeschListen; ++j) {
        const QString dva = LoeschListe(programm, j);
        if (!QFile::exists(dva)) {
            ++ganz;
            bericht += " -";
        } else if (Lies(dva) == "001#a#b#5#0#\r\n") {
            ++ganz;
            bericht += " L";
        } else {
            ++zerrissen;
            bericht += " ZERRISSEN";
        }
    }
    const int vorher = static_cast<int>(Fremde(programm).size());
    const ListenordnerErgebnis start = ListenordnerEinrichten(programm);
    const QStringList nachher = Fremde(programm);
    const int zurueck = Zurueck(programm);
    std::printf("ganz=%d/%d verloren=0 zerrissen=%d reste_vorher=%d reste_nachher=%d zurueck=%d%s%s\n", ganz,
                LoeschListen, zerrissen, vorher, static_cast<int>(nachher.size()), zurueck, bericht.constData(),
                nachher.isEmpty() ? "" : qPrintable(" REST: " + nachher.join(u' ')));
    return ganz == LoeschListen && start.ordnerBereit && nachher.isEmpty() && zurueck == 0 ? 0 : 1;
}

int Pruefen(const QString& programm, const QString& ref, int saves)
{
    if (art == Art::Loeschen)
        return PruefenLoeschen(programm);
    // Which states each file matches; a save under way may have replaced some members
    // and not yet the others, so all must lie within one save: states m or m + 1.
    const int n = int(Dateinamen().size());
    std::vector<QByteArray> ist(n);
    std::vector<std::vector<bool>> passt(n);
    for (int i = 0; i < n; ++i) {
        ist[i] = Lies(Datei(programm, i));
        passt[i].assign(saves + 1, false);
        for (int j = 0; j <= saves; ++j)
            passt[i][j] = ist[i] == Lies(RefDatei(ref, j, i));
    }
    int m = -1;
    for (int j = saves; j >= 0 && m < 0; --j) {
        bool alle = true;
        for (int i = 0; i < n; ++i)
            alle = alle && (passt[i][j] || (j + 1 <= saves && passt[i][j + 1]));
        if (alle)
            m = j;
    }
    int ganz = 0, verloren = 0, zerrissen = 0;
    QByteArray bericht;
    for (int i = 0; i < n; ++i) {
        const QByteArray name = Dateinamen()[i].toUtf8();
        int stand = -1;
        for (int j = 0; j <= saves; ++j)
            if (passt[i][j] && (m < 0 || j == m || j == m + 1))
                stand = j;
        if (stand >= 0 && m >= 0) {
            ++ganz;
            bericht += " " + name + "=" + QByteArray::number(stand);
        } else {
            if (art != Art::Verlauf && art != Art::Sprache && art != Art::Gedaechtnis)
                verloren += Verloren(ist[i], Lies(RefDatei(ref, std::max(m, 0), i)));
            zerrissen += Zerrissen(ist[i]);
            bericht += " " + name + "=ZERRISSEN(" + QByteArray::number(ist[i].size()) + " Bytes)";
        }
    }

    // The next start: the folder set-up removes what the kill left, and nothing else.
    const int vorher = static_cast<int>(Fremde(programm).size());
    const ListenordnerErgebnis start = ListenordnerEinrichten(programm);
    const QStringList nachher = Fremde(programm);
    bool unveraendert = start.ordnerBereit;
    for (int i = 0; i < n; ++i)
        unveraendert = unveraendert && Lies(Datei(programm, i)) == ist[i];
    const int zurueck = Zurueck(programm);
    std::printf("ganz=%d/%d verloren=%d zerrissen=%d reste_vorher=%d reste_nachher=%d zurueck=%d%s%s%s\n", ganz, n,
                verloren, zerrissen, vorher, static_cast<int>(nachher.size()), zurueck, bericht.constData(),
                nachher.isEmpty() ? "" : qPrintable(" REST: " + nachher.join(u' ')),
                unveraendert ? "" : " START_HAT_LISTE_VERAENDERT");
    return ganz == n && nachher.isEmpty() && unveraendert && zurueck == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    auto arg = [&](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
    const QString artName = arg(1);
    const std::pair<const char*, Art> arten[] = {{"stufe1", Art::Stufe1}, {"editor", Art::Editor},
                                                 {"import", Art::Import}, {"verlauf", Art::Verlauf},
                                                 {"sprache", Art::Sprache}, {"loeschen", Art::Loeschen},
                                                 {"gedaechtnis", Art::Gedaechtnis}};
    bool bekannt = false;
    for (const auto& [name, a] : arten)
        if (artName == QLatin1String(name)) {
            art = a;
            bekannt = true;
        }
    if (!bekannt)
        argc = 0;
    if (art == Art::Editor)
        Zeilen = 25000;
    if (art == Art::Gedaechtnis)
        Zeilen = 20000;
    const QString modus = arg(2);
    if (modus == "saves" && argc == 3) {
        std::printf("%d\n", Saves());
        return 0;
    }
    if (modus == "anlegen" && argc == 4)
        return Anlegen(arg(3));
    if (modus == "referenz" && argc == 6)
        return Referenz(arg(3), arg(4), arg(5).toInt());
    if (modus == "sichern" && argc == 5)
        return SichernBis(arg(3), arg(4).toInt());
    if (modus == "pruefen" && argc == 6)
        return Pruefen(arg(3), arg(4), arg(5).toInt());
    std::fprintf(stderr, "usage: kill_driver stufe1|editor|import|verlauf|sprache|loeschen|gedaechtnis "
                         "saves|anlegen|referenz|sichern|pruefen ...\n");
    return 2;
}
