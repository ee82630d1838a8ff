#pragma once
// The memory of one word: FSRS-6 (difficulty, stability, retrievability) with its published
// default parameters. Stability is the number of days after which recall has fallen to 90 %;
// difficulty runs from 1 (easy) to 10 (hard). A rating outside 1..4 counts as the nearest one,
// a negative gap (the clock was set back) as the same day.
#include <optional>

namespace lerno::Gedaechtnis {

struct Stand { double stabilitaet; double schwierigkeit; };   // days; 1..10

// vorher: nullopt before the first review; tage: whole calendar days since the last review (0 = same day);
// bewertung: 1 Nochmal, 2 Schwer, 3 Gut, 4 Leicht.
Stand NachWiederholung(const std::optional<Stand>& vorher, int tage, int bewertung);
double Abruf(const Stand& s, double tage);   // probability of recall `tage` days after the last review

} // namespace lerno::Gedaechtnis
