#pragma once
// The pupil's record of graded tests: one line per test in "Lernstand.txt" beside the
// lists. The chooser's patterns (*.dva, *.dvb, *.dvc) never match it, and deleting a list
// leaves its lines alone: they are the pupil's record, not part of the list.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace lerno {

inline const QString Verlaufsdatei = QStringLiteral("Lernstand.txt");

// Which way the test asked: the foreign word shown (answers in German) or the other way.
enum class Richtung { FremdNachDeutsch, DeutschNachFremd };

struct Testeintrag {
    QDateTime Zeitpunkt; // local time, to the second
    QString Liste;       // base name of the list, "Demo" for Demo.dva
    Richtung richtung = Richtung::FremdNachDeutsch;
    int Richtige = 0;
    int Falsche = 0;
    QString Note;        // as shown in the result sentence: "2.9", "6"
    bool operator==(const Testeintrag&) const = default;
};

// The name a list goes by in the history and the overview: its .dva file's name
// without the extension ("Demo" for .../Demo.dva).
QString ListennameAus(const QString& dvaPfad);

// One UTF-8 line with CR LF, fields split by tabs, the list name last so that it may
// hold any character but a line end:
//   2026-12-08 16:05:09<TAB>FD<TAB>15<TAB>5<TAB>2.9<TAB>Französisch<CR><LF>
// (FD: foreign word shown, DF: German meaning shown). nullopt when the entry cannot be
// written so that it reads back the same (a line end in the name, counts out of range).
std::optional<QByteArray> VerlaufszeileSchreiben(const Testeintrag& e);

// One line without its line end; nullopt for anything that is not such an entry.
std::optional<Testeintrag> VerlaufszeileLesen(const QByteArray& zeile);

// The grade as a number, 1 to 6; nullopt when the text is no grade.
std::optional<double> NotenWert(const QString& note);

// Appends the entry to <ordner>/Lernstand.txt, all or nothing: the old history and the
// new line are written whole to a scratch file that is then renamed over the old one.
// An append in place could be cut mid-line by a crash or a full disk and leave a line
// without its end, onto which the next test would be glued and lost; the history stays
// small (about 40 bytes a test), so rewriting it costs nothing noticeable.
// False when the old history cannot be read or the new one cannot be put in place; the
// old history is then unchanged.
bool TestVermerken(const QString& ordner, const Testeintrag& e);

struct Verlauf {
    QList<Testeintrag> Eintraege; // in file order
    int Uebersprungen = 0;        // lines that are no entry
    bool Lesefehler = false;      // the file exists but cannot be read
};

// Every entry of <ordner>/Lernstand.txt; a missing file is an empty history.
Verlauf VerlaufLesen(const QString& ordner);

} // namespace lerno
