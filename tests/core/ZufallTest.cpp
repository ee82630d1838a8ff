// The one random source and the program folder seam.
#include "lists/Programmordner.h"
#include "lists/Zufall.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <thread>
#include <vector>

using namespace lerno;

TEST(Zufall, SameSequenceAfterEveryStart)
{
    ZufallZuruecksetzen();
    std::vector<float> erste;
    for (int i = 0; i < 100; ++i)
        erste.push_back(Rnd());
    ZufallZuruecksetzen();
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(Rnd(), erste[i]) << i;
    // Not a constant or a short cycle.
    EXPECT_NE(erste[0], erste[1]);
    EXPECT_NE(erste[1], erste[2]);
}

TEST(Zufall, ValuesAreInUnitIntervalAndSpread)
{
    ZufallZuruecksetzen();
    constexpr int n = 100000;
    int faecher[10] = {};
    double summe = 0;
    for (int i = 0; i < n; ++i) {
        const float r = Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        summe += r;
        ++faecher[static_cast<int>(r * 10)];
    }
    EXPECT_NEAR(summe / n, 0.5, 0.01);
    for (int f : faecher)
        EXPECT_NEAR(f, n / 10, n / 100);
}

TEST(Zufall, ZiehungCoversOneToK)
{
    ZufallZuruecksetzen();
    for (int k : {1, 2, 3, 7, 500}) {
        std::vector<int> gesehen(k + 2, 0);
        for (int i = 0; i < 200 * k; ++i) {
            const int z = Ziehung(k);
            ASSERT_GE(z, 1) << k;
            ASSERT_LE(z, k) << k;
            ++gesehen[z];
        }
        for (int z = 1; z <= k; ++z)
            EXPECT_GT(gesehen[z], 0) << "k=" << k << " never drew " << z;
    }
    EXPECT_EQ(Ziehung(0), 1);
}

// Seeding: the program seeds from the clock at start, tests with a seed of their own.
TEST(Zufall, Saeen)
{
    const auto folge = [](auto saeen) {
        saeen();
        std::vector<float> f;
        for (int i = 0; i < 20; ++i)
            f.push_back(Rnd());
        return f;
    };
    ZufallZuruecksetzen();
    const auto fest = folge([] {});
    const struct { const char* name; std::function<void()> a, b; bool gleich; } faelle[] = {
        {"equal seeds, equal sequences", [] { ZufallSaeen(42); }, [] { ZufallSaeen(42); }, true},
        {"neighbouring seeds differ", [] { ZufallSaeen(1000); }, [] { ZufallSaeen(1001); }, false},
        {"a seed is not the fixed start", [] { ZufallSaeen(0); }, [] { ZufallZuruecksetzen(); }, false},
        {"two starts a moment apart differ", [] { ZufallAusUhrSaeen(); },
         [] { std::this_thread::sleep_for(std::chrono::milliseconds(2)); ZufallAusUhrSaeen(); }, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const auto a = folge(f.a);
        const auto b = folge(f.b);
        EXPECT_EQ(a == b, f.gleich);
        if (!f.gleich)
            EXPECT_NE(a[0], b[0]);
        // Never stuck: a seed gives spread values.
        EXPECT_GT(*std::max_element(a.begin(), a.end()) - *std::min_element(a.begin(), a.end()), 0.5f);
    }
    EXPECT_EQ(folge([] { ZufallSaeen(7); ZufallZuruecksetzen(); }), fest) << "tests can go back";
}

TEST(Programmordner, DefaultsToTheExecutablesFolder)
{
    int argc = 1;
    char name[] = "test_core";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const QString standard = QCoreApplication::applicationDirPath();
    ASSERT_FALSE(standard.isEmpty());
    EXPECT_EQ(Programmordner(), standard);

    SetzeProgrammordner("/tmp/lerno-test/");
    EXPECT_EQ(Programmordner(), "/tmp/lerno-test"); // no trailing separator
    SetzeProgrammordner(QString());
    EXPECT_EQ(Programmordner(), standard);
}
