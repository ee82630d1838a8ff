#pragma once
// The grade for a number of right answers out of twenty: the 20-word test grades with it,
// and the plan forecasts with it.
#include <array>

namespace lerno::Schulnoten {

constexpr int Fragen = 20;

struct Notenstufe {
    float Note;
    int Sound;
};

// Grade and sound for 0..20 right answers. Uneven steps: the table is the rule, not a formula.
// Sound 7 (8 and 9 right) is what the sound routine plays as sound 4.
inline constexpr std::array<Notenstufe, Fragen + 1> Notentabelle{{
    {6.0f, 4}, {6.0f, 4}, {5.9f, 4}, {5.8f, 4}, {5.7f, 4}, {5.6f, 4}, {5.4f, 4},
    {5.2f, 4}, {5.0f, 7}, {4.7f, 7}, {4.4f, 4}, {4.1f, 4}, {3.9f, 4}, {3.6f, 4},
    {3.2f, 4}, {2.9f, 1}, {2.5f, 1}, {2.0f, 1}, {1.6f, 1}, {1.3f, 1}, {1.0f, 1},
}};

} // namespace lerno::Schulnoten
