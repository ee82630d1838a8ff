// The plan up to a class test: which words today, and the grade to expect.
#include "learning/Lernplan.h"
#include "learning/Schulnoten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

using namespace lerno;
using Lernplan::Wort;

namespace {

const QDate Heute(2026, 3, 2);

// A word last practised `vorTagen` days before today with this stability (days).
Wort Geuebt(double stabilitaet, int vorTagen)
{
    return {Gedaechtnis::Stand{stabilitaet, 5.0}, Heute.addDays(-vorTagen)};
}

const Wort Neu{};

} // namespace

TEST(Lernplan, TodaysWords)
{
    // Stability 1 means recall 90 % after one day; these fall below it after 1, 3 and 10 days.
    const struct {
        const char* zeile;
        QList<Wort> woerter;
        int arbeitInTagen; // 0: no test date
        int hoechstens;
        QList<int> erwartet;
    } faelle[] = {
        {"no test date: below 90 % today, weakest first; new words wait",
         {Geuebt(1, 3), Neu, Geuebt(1, 1), Geuebt(30, 2), Geuebt(1, 10)}, 0, 20, {4, 0}},
        {"no test date: recall above 90 % is not yet due", {Geuebt(2, 1), Geuebt(2, 3)}, 0, 20, {1}},
        {"a test date in the past counts as none", {Neu, Geuebt(1, 5)}, -3, 20, {1}},
        {"new words before reviews, in list order, up to the limit",
         {Geuebt(1, 10), Neu, Neu, Geuebt(1, 4), Neu}, 10, 4, {1, 2, 4, 0}},
        {"words practised today count against the limit and are not asked again",
         {Neu, Geuebt(1, 0), Neu, Geuebt(0.5, 0), Neu}, 10, 3, {0}},
        {"the day before: words not practised since T-2 first, weakest at T first, then the rest",
         {Geuebt(5, 1), Geuebt(1, 4), Geuebt(50, 3), Neu}, 1, 4, {3, 1, 2, 0}},
        {"two days before: only what the last day cannot take, strongest at T first",
         {Geuebt(1, 2), Geuebt(50, 2), Geuebt(10, 2), Geuebt(1, 1)}, 2, 2, {1, 2}},
        {"two days before: every new word gets a second day",
         {Geuebt(10, 2), Neu, Geuebt(50, 2)}, 2, 20, {1}},
        {"empty list", {}, 7, 20, {}},
        {"no words allowed", {Neu, Geuebt(1, 5)}, 7, 0, {}},
    };
    for (const auto& f : faelle) {
        const QDate arbeit = f.arbeitInTagen ? Heute.addDays(f.arbeitInTagen) : QDate();
        EXPECT_EQ(Lernplan::HeuteUeben(f.woerter, Heute, arbeit, f.hoechstens), f.erwartet) << f.zeile;
    }
}

// Following the plan day by day up to the test, every answer right after one miss for a
// new word: how the practice days fall.
TEST(Lernplan, TheDaysUpToTheTest)
{
    const struct {
        const char* zeile;
        int woerter;
        int tage;
        int hoechstens;
        int mindestensTage; // practice days every word gets
    } faelle[] = {
        {"40 new words, a week, 20 a day", 40, 7, 20, 3},
        {"10 new words, a week, 5 a day", 10, 7, 5, 3},
        {"20 new words, three days, 20 a day", 20, 3, 20, 3},
        {"5 new words, a month, 20 a day", 5, 30, 20, 3},
    };
    for (const auto& f : faelle) {
        QList<Wort> woerter(f.woerter);
        std::map<int, std::set<int>> tageProWort;
        const QDate arbeit = Heute.addDays(f.tage);
        for (int tag = 0; tag < f.tage; ++tag) {
            const QDate datum = Heute.addDays(tag);
            const QList<int> plan = Lernplan::HeuteUeben(woerter, datum, arbeit, f.hoechstens);
            EXPECT_LE(plan.size(), f.hoechstens) << f.zeile << ", Tag " << tag;
            for (int i : plan) {
                Wort& w = woerter[i];
                const int abstand = w.zuletzt.isValid() ? int(w.zuletzt.daysTo(datum)) : 0;
                if (!w.stand)
                    w.stand = Gedaechtnis::NachWiederholung(std::nullopt, 0, 1);
                w.stand = Gedaechtnis::NachWiederholung(w.stand, abstand, 3);
                w.zuletzt = datum;
                EXPECT_TRUE(tageProWort[i].insert(tag).second) << f.zeile << ": Wort " << i << " zweimal";
            }
            // Doing today's words leaves nothing due today.
            EXPECT_TRUE(Lernplan::HeuteUeben(woerter, datum, arbeit, f.hoechstens).isEmpty())
                << f.zeile << ", Tag " << tag;
        }
        for (int i = 0; i < f.woerter; ++i) {
            const std::set<int>& t = tageProWort[i];
            ASSERT_FALSE(t.empty()) << f.zeile << ": Wort " << i << " nie geübt";
            EXPECT_GE(int(t.size()), f.mindestensTage) << f.zeile << ": Wort " << i;
            EXPECT_GE(*t.rbegin(), f.tage - 2) << f.zeile << ": Wort " << i << " zuletzt zu früh";
        }
    }
}

TEST(Lernplan, ExpectedGrade)
{
    auto note = [](int richtige) { return std::round(double(Schulnoten::Notentabelle[size_t(richtige)].Note) * 10) / 10; };
    // Twenty words at exactly 90 % (one day after a stability of one day): the right
    // answers follow the binomial distribution.
    double binomial = 0;
    for (int k = 0; k <= 20; ++k)
        binomial += std::tgamma(21) / (std::tgamma(k + 1) * std::tgamma(21 - k)) * std::pow(0.9, k)
                    * std::pow(0.1, 20 - k) * note(k);

    const struct {
        const char* zeile;
        QList<Wort> woerter;
        double erwartet;
    } faelle[] = {
        {"every word fresh", QList<Wort>(25, Geuebt(3, 0)), 1.0},
        {"nothing practised", QList<Wort>(25, Neu), 6.0},
        {"no words", {}, 6.0},
        {"one word of 21 unknown: drawn 20 times in 21",
         QList<Wort>(20, Geuebt(3, 0)) << Neu, (20 * note(19) + note(20)) / 21.0},
        {"twenty words at 90 %", QList<Wort>(20, Geuebt(1, 1)), binomial},
        {"half of a short list: scaled to 10 of 20", {Geuebt(3, 0), Neu}, note(10)},
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(Lernplan::ErwarteteNote(f.woerter, Heute), f.erwartet, 1e-9) << f.zeile;
}
