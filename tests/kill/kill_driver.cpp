// Driver for the kill test: stage-1 saves of a large list, run until kill_test.sh kills
// it with SIGKILL, and the check that every list file is still whole afterwards.
//
//   kill_driver anlegen  <ordner>                      a fresh 100,000-line list
//   kill_driver referenz <start> <ref> <saves>          states 0..saves as ref/<k>.dv?
//   kill_driver sichern  <ordner> <saves>               saves 1..saves, then exit
//   kill_driver pruefen  <ordner> <ref> <saves>         each file old or new, whole
#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "practice/Stufen.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace lerno;

namespace {

constexpr int Zeilen = 100000;
const char Endungen[] = {'a', 'b', 'c'};

QString Datei(const QString& ordner, char endung)
{
    return ordner + "/Liste.dv" + QLatin1Char(endung);
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

bool Sichern(const QString& ordner, int k)
{
    const SichernErgebnis e = Stufe1Sichern(Datei(ordner, 'a'), Fehler(k));
    return e.Fehlerfrei();
}

int Anlegen(const QString& ordner)
{
    QDir().mkpath(ordner);
    QByteArray dva;
    for (int i = 0; i < Zeilen; ++i)
        dva += QByteArray::number(i % 100 + 1).rightJustified(3, '0') + "#wort" +
               QByteArray::number(i) + "#Bedeutung " + QByteArray::number(i) + "#0#0#\r\n";
    return Schreib(Datei(ordner, 'a'), dva) && Schreib(Datei(ordner, 'b'), {}) &&
                   Schreib(Datei(ordner, 'c'), {})
               ? 0
               : 1;
}

int Referenz(const QString& start, const QString& ref, int saves)
{
    QDir().mkpath(ref);
    const QString arbeit = ref + "/arbeit";
    QDir().mkpath(arbeit);
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

int SichernBis(const QString& ordner, int saves)
{
    for (int k = 1; k <= saves; ++k)
        if (!Sichern(ordner, k))
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

int Pruefen(const QString& ordner, const QString& ref, int saves)
{
    // The .dva decides which save was under way: k done, k + 1 perhaps begun. Each stage
    // list must then be exactly its state after save k or after save k + 1.
    const QByteArray dva = Lies(Datei(ordner, 'a'));
    int k = -1;
    for (int j = saves; j >= 0 && k < 0; --j)
        if (dva == Lies(RefDatei(ref, j, 'a')))
            k = j;
    int ganz = 0, verloren = 0, zerrissen = 0;
    QByteArray bericht;
    for (char e : Endungen) {
        const QByteArray ist = Lies(Datei(ordner, e));
        const int basis = std::max(k, 0);
        int stand = -1;
        for (int j : {basis, basis + 1})
            if (j <= saves && (e != 'a' || k >= 0) && ist == Lies(RefDatei(ref, j, e)))
                stand = j;
        if (stand >= 0) {
            ++ganz;
            bericht += QByteArray(" dv") + e + "=" + QByteArray::number(stand);
        } else {
            verloren += Verloren(ist, Lies(RefDatei(ref, basis, e)));
            zerrissen += Zerrissen(ist);
            bericht += QByteArray(" dv") + e + "=ZERRISSEN(" + QByteArray::number(ist.size()) + " Bytes)";
        }
    }
    std::printf("ganz=%d/3 verloren=%d zerrissen=%d%s\n", ganz, verloren, zerrissen,
                bericht.constData());
    return ganz == 3 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const QString modus = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    auto arg = [&](int i) { return i < argc ? QString::fromLocal8Bit(argv[i]) : QString(); };
    if (modus == "anlegen" && argc == 3)
        return Anlegen(arg(2));
    if (modus == "referenz" && argc == 5)
        return Referenz(arg(2), arg(3), arg(4).toInt());
    if (modus == "sichern" && argc == 4)
        return SichernBis(arg(2), arg(3).toInt());
    if (modus == "pruefen" && argc == 5)
        return Pruefen(arg(2), arg(3), arg(4).toInt());
    std::fprintf(stderr, "usage: kill_driver anlegen|referenz|sichern|pruefen ...\n");
    return 2;
}
