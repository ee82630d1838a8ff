// Driver for the kill tests: saves of a large list of one kind, run until kill_test.sh
// kills it with SIGKILL, and the check that every list file is still whole afterwards
// and that the next start's folder set-up leaves no temporary behind.
//
// Kinds: stufe1 (end of a stage-1 practice), editor (the editor's save through its scratch
// list), import (pairs appended to the list). The list is <programm>/Vokabeln/Liste.dv?.
//
//   kill_driver <art> anlegen  <programm>                  a fresh 100,000-line list (editor: 25,000)
//   kill_driver <art> referenz <start> <ref> <saves>       states 0..saves as ref/<k>.dv?
//   kill_driver <art> sichern  <programm> <saves>          saves 1..saves, then exit
//   kill_driver <art> pruefen  <programm> <ref> <saves>    each file old or new, whole;
//                                                          no temporary after the set-up
#include "lists/Listenordner.h"
#include "editor/Editorliste.h"
#include "lists/Programmordner.h"
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "practice/Stufen.h"
#include "transfer/import/ListeErweitern.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace lerno;

namespace {

// The editor builds a grid row per line before it writes: a shorter list keeps its saves,
// and so the test, about as long as the others.
int Zeilen = 100000;
constexpr int ImportPaare = 20000;
const char Endungen[] = {'a', 'b', 'c'};

enum class Art { Stufe1, Editor, Import };
Art art = Art::Stufe1;

QString Datei(const QString& programm, char endung)
{
    return programm + "/Vokabeln/Liste.dv" + QLatin1Char(endung);
}

QString RefDatei(const QString& ref, int k, char endung)
{
    return ref + QStringLiteral("/%1.dv").arg(k) + QLatin1Char(endung);
}

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
    }
    return false;
}

int Anlegen(const QString& programm)
{
    QDir().mkpath(programm + "/Vokabeln");
    QByteArray dva;
    for (int i = 0; i < Zeilen; ++i)
        dva += QByteArray::number(i % 100 + 1).rightJustified(3, '0') + "#wort" +
               QByteArray::number(i) + "#Bedeutung " + QByteArray::number(i) + "#0#0#\r\n";
    return Schreib(Datei(programm, 'a'), dva) && Schreib(Datei(programm, 'b'), {}) &&
                   Schreib(Datei(programm, 'c'), {})
               ? 0
               : 1;
}

int Referenz(const QString& start, const QString& ref, int saves)
{
    QDir().mkpath(ref);
    const QString arbeit = ref + "/arbeit";
    QDir().mkpath(arbeit + "/Vokabeln");
    for (char e : Endungen)
        if (!Schreib(Datei(arbeit, e), Lies(Datei(start, e))) || !QFile::copy(Datei(start, e), RefDatei(ref, 0, e)))
            return 1;
    QElapsedTimer uhr;
    uhr.start();
    for (int k = 1; k <= saves; ++k) {
        if (!Sichern(arbeit, k))
            return 1;
        for (char e : Endungen)
            if (!QFile::copy(Datei(arbeit, e), RefDatei(ref, k, e)))
                return 1;
    }
    // The script spreads its kills over this time.
    std::printf("%lld\n", static_cast<long long>(uhr.elapsed() / saves));
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

// Lines that are not a whole record: no CR LF at the end, or not a record at all.
int Zerrissen(const QByteArray& ist)
{
    int kaputt = ist.isEmpty() || ist.endsWith("\r\n") ? 0 : 1;
    const QList<QByteArray> zeilen = ist.split('\n');
    for (qsizetype i = 0; i + 1 < zeilen.size(); ++i)
        if (!zeilen[i].endsWith('\r') || !HatZaehlerRahmen(AusCp1252(zeilen[i].chopped(1))))
            ++kaputt;
    return kaputt;
}

// Everything in the list folder that is no member of the list: temporaries of the
// replace routine, the editor's scratch list.
QStringList Fremde(const QString& programm)
{
    QStringList fremd;
    const QStringList mitglieder = {"Liste.dva", "Liste.dvb", "Liste.dvc", "Liste.dvd"};
    for (const QString& n : QDir(programm + "/Vokabeln").entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (!mitglieder.contains(n))
            fremd << n;
    return fremd;
}

int Pruefen(const QString& programm, const QString& ref, int saves)
{
    // Which states each file matches; a save under way may have replaced some members
    // and not yet the others, so all must lie within one save: states m or m + 1.
    QByteArray ist[3];
    std::vector<bool> passt[3];
    for (int i = 0; i < 3; ++i) {
        ist[i] = Lies(Datei(programm, Endungen[i]));
        passt[i].assign(saves + 1, false);
        for (int j = 0; j <= saves; ++j)
            passt[i][j] = ist[i] == Lies(RefDatei(ref, j, Endungen[i]));
    }
    int m = -1;
    for (int j = saves; j >= 0 && m < 0; --j) {
        bool alle = true;
        for (int i = 0; i < 3; ++i)
            alle = alle && (passt[i][j] || (j + 1 <= saves && passt[i][j + 1]));
        if (alle)
            m = j;
    }
    int ganz = 0, verloren = 0, zerrissen = 0;
    QByteArray bericht;
    for (int i = 0; i < 3; ++i) {
        const char e = Endungen[i];
        int stand = -1;
        for (int j = 0; j <= saves; ++j)
            if (passt[i][j] && (m < 0 || j == m || j == m + 1))
                stand = j;
        if (stand >= 0 && m >= 0) {
            ++ganz;
            bericht += QByteArray(" dv") + e + "=" + QByteArray::number(stand);
        } else {
            verloren += Verloren(ist[i], Lies(RefDatei(ref, std::max(m, 0), e)));
            zerrissen += Zerrissen(ist[i]);
            bericht += QByteArray(" dv") + e + "=ZERRISSEN(" + QByteArray::number(ist[i].size()) + " Bytes)";
        }
    }

    // The next start: the folder set-up removes what the kill left, and nothing else.
    const int vorher = static_cast<int>(Fremde(programm).size());
    const ListenordnerErgebnis start = ListenordnerEinrichten(programm);
    const QStringList nachher = Fremde(programm);
    bool unveraendert = start.ordnerBereit;
    for (int i = 0; i < 3; ++i)
        unveraendert = unveraendert && Lies(Datei(programm, Endungen[i])) == ist[i];
    std::printf("ganz=%d/3 verloren=%d zerrissen=%d reste_vorher=%d reste_nachher=%d%s%s%s\n", ganz, verloren,
                zerrissen, vorher, static_cast<int>(nachher.size()), bericht.constData(),
                nachher.isEmpty() ? "" : qPrintable(" REST: " + nachher.join(u' ')),
                unveraendert ? "" : " START_HAT_LISTE_VERAENDERT");
    return ganz == 3 && nachher.isEmpty() && unveraendert ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    auto arg = [&](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
    const QString artName = arg(1);
    if (artName == "stufe1")
        art = Art::Stufe1;
    else if (artName == "editor") {
        art = Art::Editor;
        Zeilen = 25000;
    }
    else if (artName == "import")
        art = Art::Import;
    else
        argc = 0;
    const QString modus = arg(2);
    if (modus == "anlegen" && argc == 4)
        return Anlegen(arg(3));
    if (modus == "referenz" && argc == 6)
        return Referenz(arg(3), arg(4), arg(5).toInt());
    if (modus == "sichern" && argc == 5)
        return SichernBis(arg(3), arg(4).toInt());
    if (modus == "pruefen" && argc == 6)
        return Pruefen(arg(3), arg(4), arg(5).toInt());
    std::fprintf(stderr, "usage: kill_driver stufe1|editor|import anlegen|referenz|sichern|pruefen ...\n");
    return 2;
}
