#pragma once
// Grading a test of twenty answers: exact comparison, the grade table and the result
// sentence. Plain logic; the test window shows what it returns.
#include "learning/Antwortpruefung.h"
#include "learning/Schulnoten.h"

#include <QString>
#include <QStringList>
#include <array>

namespace lerno::Testbewertung {

constexpr int Testzeilen = Schulnoten::Fragen;

using Schulnoten::Notenstufe;
using Schulnoten::Notentabelle;

// A grade with a point as decimal separator and no trailing zeros (6, 5.9, 2.5),
// whatever the regional settings.
QString NoteSchreiben(float note);

// "Du hast  <right> Vokabeln richtig beantwortet,  <wrong> Vokabeln waren falsch. Das
// entspricht einer Schulnote von  <grade>" (two blanks before each number).
QString Ergebnissatz(int richtig, int falsch, float note);

struct Bewertung {
    std::array<bool, Testzeilen> Richtig{};
    // A wrong row's reason from the lenient check ("Akzent", "falscher Artikel"); empty
    // when strict.
    std::array<QString, Testzeilen> Grund{};
    // What the check said of each row (an almost right answer counts as wrong above).
    std::array<Antwortpruefung::Urteil, Testzeilen> Urteil{};
    int Richtige = 0;
    int Falsche = 0;
    float Note = 6.0f;
    int Sound = 4;
    QString Satz;
};

// Judges each answer against its solution through the one answer check and looks the
// number of right ones up in the grade table. Strict unless grosszuegig (case and blanks
// count, nothing is trimmed). Lenient, only Richtig counts (alternatives, optional parts),
// an almost right answer is wrong with its reason; andere: the list's answers in the
// test's direction.
Bewertung Bewerten(const std::array<QString, Testzeilen>& antworten,
                   const std::array<QString, Testzeilen>& loesungen, bool grosszuegig = false,
                   const QStringList& andere = {});

} // namespace lerno::Testbewertung
