#pragma once
// Drawing the twenty lines of a test and what was drawn, kept for the whole run.
#include "lists/Vokabeleintrag.h"
#include "vocabtest/Testbewertung.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <vector>

namespace lerno::Testziehung {

// Line numbers (from 1) drawn for rows 0..19. Never cleared: a new test draws against
// the whole table of the previous one, which makes two tests in a row fully determined.
inline std::array<int, Testbewertung::Testzeilen> GezogeneZeilen{};

// One drawn row in the chosen direction: what it asks and the answer it expects.
struct Testpaar {
    QString Frage;
    QString Loesung;
};

// The twenty drawn pairs of the running test. The test screen only shows them; the
// grade is taken from them, never from what a window displays.
inline std::array<Testpaar, Testbewertung::Testzeilen> Testpaare{};

// The list's answers in the test's direction, for the lenient check (the solutions of the
// drawn rows among them); empty unless the test is checked leniently.
inline QStringList Testantworten;

// Grades the answers of rows 0..19 against the drawn pairs (leniently with Testantworten).
Testbewertung::Bewertung TestpaareBewerten(const std::array<QString, Testbewertung::Testzeilen>& antworten,
                                          bool grosszuegig = false);

// A list of fewer lines than a test has rows gives no test.
constexpr bool GenugZeilen(qsizetype zeilenzahl) { return zeilenzahl >= Testbewertung::Testzeilen; }

// Draws a line number for row i that is in none of the twenty entries and stores it.
// 0 when the list is too short for a draw to be sure to end (nothing is stored then).
int ZeileZiehen(int i, qsizetype zeilenzahl);

// The lines (from 1) that cannot be taken apart into word and meaning.
std::vector<int> UnlesbareZeilen(const QStringList& zeilen);

// Draws the twenty lines of a test into GezogeneZeilen, never one of `unlesbar` (sorted).
// Exactly twenty lines: all of them, in random order. More: row by row as ZeileZiehen
// draws, where an unreadable line that comes up is noted in `uebersprungen` (sorted, each
// once) and another is drawn. Should the previous test's table leave no readable line
// free, only this test's rows count. False, with nothing drawn, when fewer than twenty
// lines are readable.
bool TestZiehen(qsizetype zeilenzahl, const std::vector<int>& unlesbar, std::vector<int>& uebersprungen);

} // namespace lerno::Testziehung
