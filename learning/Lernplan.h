#pragma once
// The plan up to a class test, made afresh every day from each word's memory (Gedaechtnis).
//
// With a test date T at least one day ahead, today's words come from these rules, in this
// order, never more than `hoechstens` a day. Words already practised today count against
// that number and are not asked again, so doing today's words leaves nothing due today.
//  1. New words (no memory yet) come in as fast as the daily limit allows, in list order,
//     before anything else: each then has as many days as possible before the test.
//  2. The last two days: every word is practised on T-2 or T-1. On T-2 every new word (it
//     gets T-1 as its second day) and, of the others, only what T-1 cannot take: those that
//     will be strongest at T. On T-1 every word not practised since T-2, then, while there
//     is room, the others: it is the last chance. Weakest at T first.
//  3. Any other word whose recall has fallen below 90 % today, weakest first.
// Without a test date (an invalid `arbeit`, or one not after `heute`) only rule 3 applies.
// These rules came out of the simulation in bench/simulation (40 words, 7 days, 20 a day:
// rule 1 before 3, and filling T-1, each gave a higher recall on the test day and a month
// later than a steady pace of new words or reviews first).
//
// The forecast assumes the 20-word test: twenty different words drawn from the list, each
// answered right with its recall on the day (a word never practised: never), independently.
// The expected grade is the grade table averaged over the exact distribution of right
// answers (a list of fewer than 20 words: all of them asked, scaled to 20 questions).
#include "learning/Gedaechtnis.h"

#include <QDate>
#include <QList>
#include <optional>

namespace lerno::Lernplan {

struct Wort { std::optional<Gedaechtnis::Stand> stand; QDate zuletzt; };
// The words to practise on `heute`, most urgent first, at most `hoechstens`, so that as many words as
// possible are remembered on `arbeit` (the class test's day) and still a month later.
QList<int> HeuteUeben(const QList<Wort>& woerter, QDate heute, QDate arbeit, int hoechstens);
// The grade (1.0..6.0, the 20-word test's grade table) to expect if the test were taken on `tag`.
double ErwarteteNote(const QList<Wort>& woerter, QDate tag);

} // namespace lerno::Lernplan
