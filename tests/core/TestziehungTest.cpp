// Drawing the twenty lines of a test: different lines, the carried-over table, the fixed
// start of the random source, long lists.
#include "vocabtest/Testziehung.h"

#include "common/TestHilfen.h"
#include "lists/TextDatei.h"
#include "lists/Zufall.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <numeric>

using namespace lerno;
using namespace lerno::Testbewertung;
using namespace lerno::Testziehung;

namespace {

class TestziehungTest : public ::testing::Test {
protected:
    void SetUp() override // as after a start of the program
    {
        ZufallZuruecksetzen();
        GezogeneZeilen.fill(0);
    }

    // A list of n records whose line k reads "k#wk#Wk#0#0#".
    QString Liste(int n)
    {
        QByteArray b;
        for (int k = 1; k <= n; ++k)
            b += QString("%1#w%1#W%1#0#0#\r\n").arg(k).toLatin1();
        testhilfen::SchreibeBytes(dir.filePath("L.dva"), b);
        return dir.filePath("L.dva");
    }

    // One test's draw: twenty different line numbers, each checked against the line read.
    std::array<int, Testzeilen> Test(const QString& pfad, int n)
    {
        const QStringList zeilen = ZeilenLesen(pfad).value_or(QStringList());
        EXPECT_EQ(zeilen.size(), n);
        std::vector<int> uebersprungen;
        EXPECT_TRUE(TestZiehen(n, {}, uebersprungen));
        EXPECT_TRUE(uebersprungen.empty());
        for (int i = 0; i < Testzeilen; ++i) {
            const int k = GezogeneZeilen[i];
            EXPECT_TRUE(k >= 1 && k <= n) << k;
            EXPECT_EQ(zeilen.value(k - 1, "-"), QString("%1#w%1#W%1#0#0#").arg(k)) << i;
        }
        EXPECT_EQ(QSet<int>(GezogeneZeilen.begin(), GezogeneZeilen.end()).size(), Testzeilen);
        return GezogeneZeilen;
    }

    QTemporaryDir dir;
};

TEST_F(TestziehungTest, TwoTestsInARowOn21LinesAreDetermined)
{
    const QString pfad = Liste(21);
    const auto erster = Test(pfad, 21);
    int fehlend = 21 * 22 / 2;
    for (int k : erster)
        fehlend -= k;
    const auto zweiter = Test(pfad, 21);
    EXPECT_EQ(zweiter[0], fehlend);
    for (int i = 1; i < Testzeilen; ++i)
        EXPECT_EQ(zweiter[i], erster[i - 1]) << i;

    // Twenty lines could all stand in the table: no draw, rather than one without end.
    EXPECT_EQ(ZeileZiehen(0, 20), 0);
    EXPECT_EQ(GezogeneZeilen, zweiter);
}

TEST_F(TestziehungTest, LongListsDrawOverAllLinesAndTheSameAfterEveryStart)
{
    const QString pfad = Liste(40000); // beyond a 16-bit count
    std::array<int, Testzeilen> erster{}, voriger{};
    int groesste = 0;
    for (int t = 0; t < 3; ++t) {
        const auto zeilen = Test(pfad, 40000);
        // The whole previous table is compared: row 0 never repeats one of its lines.
        EXPECT_EQ(std::count(voriger.begin(), voriger.end(), zeilen[0]), 0);
        groesste = std::max(groesste, *std::max_element(zeilen.begin(), zeilen.end()));
        voriger = zeilen;
        if (t == 0)
            erster = zeilen;
    }
    EXPECT_GT(groesste, 32767);
    SetUp();
    EXPECT_EQ(Test(pfad, 40000), erster);
}

// Exactly twenty lines are a test of all twenty in random order, whatever the table holds
// from a test before; fewer are none.
TEST_F(TestziehungTest, TwentyLinesAreAllAskedInRandomOrderFewerAreNone)
{
    Test(Liste(21), 21); // leaves a table that would block a draw row by row
    std::vector<int> uebersprungen;
    std::array<int, Testzeilen> alle{}, vorige{};
    std::iota(alle.begin(), alle.end(), 1);
    for (int t = 0; t < 2; ++t) {
        ASSERT_TRUE(TestZiehen(20, {}, uebersprungen));
        EXPECT_TRUE(std::is_permutation(GezogeneZeilen.begin(), GezogeneZeilen.end(), alle.begin()));
        EXPECT_NE(GezogeneZeilen, t ? vorige : alle) << "random order, each test its own";
        vorige = GezogeneZeilen;
    }
    EXPECT_FALSE(TestZiehen(19, {}, uebersprungen));
    EXPECT_EQ(GezogeneZeilen, vorige) << "nothing drawn";
}

// Lines that cannot be taken apart are never asked: one that comes up is noted and
// another drawn; two tests in a row end even when the first used every readable line.
TEST_F(TestziehungTest, UnreadableLinesAreSkippedAndNamedOrTheListRefused)
{
    const struct { const char* name; int n; std::vector<int> unlesbar; bool test; } faelle[] = {
        {"20 of 21 readable", 21, {7}, true},
        {"20 of 22 readable", 22, {3, 7}, true},
        {"19 of 21 readable", 21, {3, 7}, false},
        {"half of 40 broken", 40, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        SetUp();
        std::vector<int> gesehen;
        for (int t = 0; t < 3; ++t) {
            std::vector<int> uebersprungen;
            ASSERT_EQ(TestZiehen(f.n, f.unlesbar, uebersprungen), f.test);
            if (!f.test) {
                EXPECT_EQ(GezogeneZeilen, (std::array<int, Testzeilen>{}));
                break;
            }
            EXPECT_EQ(QSet<int>(GezogeneZeilen.begin(), GezogeneZeilen.end()).size(), Testzeilen);
            for (int k : GezogeneZeilen)
                EXPECT_TRUE(k >= 1 && k <= f.n && !std::count(f.unlesbar.begin(), f.unlesbar.end(), k)) << k;
            EXPECT_TRUE(std::is_sorted(uebersprungen.begin(), uebersprungen.end()));
            for (int k : uebersprungen)
                EXPECT_EQ(std::count(f.unlesbar.begin(), f.unlesbar.end(), k), 1) << k;
            gesehen.insert(gesehen.end(), uebersprungen.begin(), uebersprungen.end());
        }
        if (f.test && f.unlesbar.size() > 1)
            EXPECT_FALSE(gesehen.empty()) << "an unreadable line came up and was named";
    }
    EXPECT_EQ(UnlesbareZeilen({"001#a#b#0#0#", "", "002#nur#zwei", "#a#b#"}), (std::vector<int>{2, 3}));
}

} // namespace
