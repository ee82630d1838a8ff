#pragma once
// Grading a test of twenty answers: exact comparison, the grade table and the result
// sentence. Plain logic; the test window shows what it returns.
#include <QString>
#include <array>

namespace lerno::modVokTest {

constexpr int Testzeilen = 20;

struct Notenstufe {
    float Note;
    int Sound;
};

// Grade and sound for 0..20 right answers. Uneven steps: the table is the rule, not a formula.
// Sound 7 (8 and 9 right) is what the sound routine plays as sound 4.
inline constexpr std::array<Notenstufe, Testzeilen + 1> Notentabelle{{
    {6.0f, 4}, {6.0f, 4}, {5.9f, 4}, {5.8f, 4}, {5.7f, 4}, {5.6f, 4}, {5.4f, 4},
    {5.2f, 4}, {5.0f, 7}, {4.7f, 7}, {4.4f, 4}, {4.1f, 4}, {3.9f, 4}, {3.6f, 4},
    {3.2f, 4}, {2.9f, 1}, {2.5f, 1}, {2.0f, 1}, {1.6f, 1}, {1.3f, 1}, {1.0f, 1},
}};

// A grade with a point as decimal separator and no trailing zeros (6, 5.9, 2.5),
// whatever the regional settings.
QString NoteSchreiben(float note);

// "Du hast  <right> Vokabeln richtig beantwortet,  <wrong> Vokabeln waren falsch. Das
// entspricht einer Schulnote von  <grade>" (two blanks before each number).
QString Ergebnissatz(int richtig, int falsch, float note);

struct Bewertung {
    std::array<bool, Testzeilen> Richtig{};
    int Richtige = 0;
    int Falsche = 0;
    float Note = 6.0f;
    int Sound = 4;
    QString Satz;
};

// Compares each answer with its solution exactly (case and blanks count, nothing is
// trimmed) and looks the number of right ones up in the grade table.
Bewertung Bewerten(const std::array<QString, Testzeilen>& antworten,
                   const std::array<QString, Testzeilen>& loesungen);

} // namespace lerno::modVokTest
