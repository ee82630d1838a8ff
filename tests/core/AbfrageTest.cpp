// The practice's question logic without its window: next line, direction, and the strict
// answer check it judges with.
#include "practice/Abfrage.h"

#include "learning/Antwortpruefung.h"

#include "lists/Zufall.h"

#include <gtest/gtest.h>

using namespace lerno;

namespace {

TEST(Abfrage, ZeileZiehenNeverRepeatsTheLastLineOfALongerList)
{
    const struct { const char* name; int zeilen; int letzte; bool wiederholtErlaubt; } faelle[] = {
        {"one line", 1, 1, true},
        {"two lines may repeat", 2, 1, true},
        {"three lines", 3, 2, false},
        {"ten lines", 10, 7, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        ZufallZuruecksetzen();
        bool wiederholt = false;
        for (int n = 0; n < 300; ++n) {
            const int z = Abfrage::ZeileZiehen(f.zeilen, f.letzte);
            EXPECT_TRUE(z >= 1 && z <= f.zeilen) << z;
            wiederholt = wiederholt || z == f.letzte;
        }
        if (!f.wiederholtErlaubt)
            EXPECT_FALSE(wiederholt);
        else if (f.zeilen == 2)
            EXPECT_TRUE(wiederholt) << "with two lines the last one may come again";
    }
}

TEST(Abfrage, FrageStellenAsksTheChosenWayRound)
{
    const struct { const char* name; qint16 testart; bool vok; } faelle[] = {
        {"meaning shown", 1, false},
        {"foreign word shown", 2, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const Abfrage::Frage q = Abfrage::FrageStellen("house", "Haus", f.testart);
        EXPECT_EQ(q.Vok, f.vok);
        EXPECT_EQ(q.Anzeige, f.vok ? "house" : "Haus");
        EXPECT_EQ(q.Sollantwort, f.vok ? "Haus" : "house");
        EXPECT_EQ(q.gemisch, 0);
    }
    // Mixed: the draw decides, 1 as direction 2, 2 as direction 1; both come up.
    ZufallZuruecksetzen();
    bool gesehen[3] = {};
    for (int n = 0; n < 50; ++n) {
        const Abfrage::Frage q = Abfrage::FrageStellen("house", "Haus", 3);
        ASSERT_TRUE(q.gemisch == 1 || q.gemisch == 2);
        EXPECT_EQ(q.Vok, q.gemisch == 1);
        gesehen[q.gemisch] = true;
    }
    EXPECT_TRUE(gesehen[1] && gesehen[2]);
}

TEST(Abfrage, TheStrictAnswerCheckComparesExactly)
{
    const struct { const char* antwort; bool richtig; } faelle[] = {
        {"Haus", true}, {"haus", false}, {"Haus ", false}, {" Haus", false}, {"", false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Antwortpruefung::Pruefen("Haus", f.antwort, false).urteil == Antwortpruefung::Urteil::Richtig,
                  f.richtig)
            << f.antwort;
}

} // namespace
