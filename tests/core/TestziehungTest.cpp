// Drawing the twenty lines of a test: different lines, the carried-over table, the fixed
// start of the random source, long lists.
#include "vocabtest/Testziehung.h"

#include "common/TestHilfen.h"
#include "lists/Zufall.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
        for (int i = 0; i < Testzeilen; ++i) {
            const auto zeile = TestzeileZiehen(pfad, i, n);
            const int k = GezogeneZeilen[i];
            EXPECT_TRUE(k >= 1 && k <= n) << k;
            EXPECT_EQ(zeile.value_or("-"), QString("%1#w%1#W%1#0#0#").arg(k)) << i;
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

} // namespace
