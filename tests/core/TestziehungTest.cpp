// Drawing the twenty lines of a test: different lines, the carried-over table, the fixed
// start of the random source, long lists.
#include "vocabtest/Testziehung.h"

#include "common/TestHilfen.h"
#include "lists/Zufall.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lerno;
using namespace lerno::modVokTest;
using namespace testhilfen;

namespace {

class TestziehungTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // As after a start of the program.
        ZufallZuruecksetzen();
        GezogeneZeilen.fill(0);
    }

    // A list of n records whose line k reads "k#wk#Wk#0#0#".
    QString Liste(int n)
    {
        QByteArray b;
        for (int k = 1; k <= n; ++k)
            b += QByteArray::number(k) + "#w" + QByteArray::number(k) + "#W" + QByteArray::number(k) + "#0#0#\r\n";
        const QString pfad = dir.filePath(QStringLiteral("L%1.dva").arg(n));
        SchreibeBytes(pfad, b);
        return pfad;
    }

    // One test's draw: the line numbers, each checked against the line that was read.
    std::array<int, Testzeilen> Test(const QString& pfad, int n)
    {
        for (int i = 0; i < Testzeilen; ++i) {
            const auto zeile = TestzeileZiehen(pfad, i, n);
            EXPECT_TRUE(zeile.has_value()) << i;
            const int k = GezogeneZeilen[i];
            EXPECT_GE(k, 1);
            EXPECT_LE(k, n);
            EXPECT_EQ(zeile.value_or(QString()), QStringLiteral("%1#w%1#W%1#0#0#").arg(k)) << i;
        }
        return GezogeneZeilen;
    }

    QTemporaryDir dir;
};

TEST_F(TestziehungTest, TwoTestsInARowOn21LinesAreDetermined)
{
    const QString pfad = Liste(21);
    const QByteArray vorher = LiesBytes(pfad);
    const auto erster = Test(pfad, 21);
    QSet<int> alle(erster.begin(), erster.end());
    ASSERT_EQ(alle.size(), 20);
    int fehlend = 0;
    for (int k = 1; k <= 21; ++k)
        if (!alle.contains(k))
            fehlend = k;

    const auto zweiter = Test(pfad, 21);
    EXPECT_EQ(zweiter[0], fehlend);
    for (int i = 1; i < Testzeilen; ++i)
        EXPECT_EQ(zweiter[i], erster[i - 1]) << i;
    EXPECT_EQ(LiesBytes(pfad), vorher) << "the test only reads";
}

TEST_F(TestziehungTest, EachTestDrawsTwentyDifferentLinesAndTheSameAfterEveryStart)
{
    const QString pfad = Liste(300);
    std::array<int, Testzeilen> vorigerTest{};
    std::array<int, Testzeilen> ersterTest{};
    for (int t = 0; t < 30; ++t) {
        const auto zeilen = Test(pfad, 300);
        EXPECT_EQ(QSet<int>(zeilen.begin(), zeilen.end()).size(), 20) << "test " << t;
        // The whole previous table is compared: row 0 never repeats one of its lines.
        EXPECT_EQ(std::count(vorigerTest.begin(), vorigerTest.end(), zeilen[0]), 0) << "test " << t;
        vorigerTest = zeilen;
        if (t == 0)
            ersterTest = zeilen;
    }
    SetUp(); // a new start of the program
    EXPECT_EQ(Test(pfad, 300), ersterTest);
}

TEST_F(TestziehungTest, LongListsAreDrawnOverAllTheirLines)
{
    // Beyond a 16-bit count the lines are drawn and read like any other.
    const QString pfad = Liste(40000);
    int groesste = 0;
    for (int t = 0; t < 3; ++t)
        for (int k : Test(pfad, 40000))
            groesste = std::max(groesste, k);
    EXPECT_GT(groesste, 32767);
}

TEST_F(TestziehungTest, NoDrawFromAShortListAndNoLineFromAMissingFile)
{
    // Twenty lines could all be in the table: the draw would never end.
    GezogeneZeilen = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    EXPECT_EQ(ZeileZiehen(0, 20), 0);
    EXPECT_EQ(GezogeneZeilen[0], 1);
    EXPECT_EQ(ZeileZiehen(0, 21), 21);

    EXPECT_FALSE(TestzeileZiehen(dir.filePath("fehlt.dva"), 1, 30).has_value());
}

TEST_F(TestziehungTest, AnEmptyLineIsReadAsEmpty)
{
    // Lines 2..21 empty and line 1 in the table: the row gets a line that cannot be split.
    GezogeneZeilen[19] = 1;
    QByteArray b = "1#a#b#0#0#\r\n";
    for (int k = 2; k <= 21; ++k)
        b += "\r\n";
    const QString pfad = dir.filePath("Leer.dva");
    SchreibeBytes(pfad, b);
    const auto zeile = TestzeileZiehen(pfad, 0, 21);
    ASSERT_TRUE(zeile.has_value());
    EXPECT_GT(GezogeneZeilen[0], 1);
    EXPECT_EQ(*zeile, QString());
}

} // namespace
