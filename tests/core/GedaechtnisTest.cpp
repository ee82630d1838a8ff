// The word memory against reference values. daten/fsrs_referenz.tsv was made once with the
// npm package ts-fsrs 5.4.2 (FSRS-6, default parameters, short-term on): a small node script
// fed next_state(vorher, tage, bewertung) and forgetting_curve(abruf_tage, nach_s) with first
// reviews, a grid of states x gaps (0, 1, 6, 45 days) x all four ratings, and seven
// answer sequences (cramming, spaced, lapses, long breaks). Each row is checked on its own,
// from the reference's own earlier state.
#include "learning/Gedaechtnis.h"

#include <QFile>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>

using namespace lerno::Gedaechtnis;

namespace {

::testing::AssertionResult Nah(const char* was, double ist, double soll)
{
    if (std::abs(ist - soll) <= 1e-6 * std::abs(soll))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << was << ": " << ist << " statt " << soll;
}

} // namespace

TEST(Gedaechtnis, MatchesTheReferenceTable)
{
    QFile datei(QStringLiteral(LERNO_TESTDATEN "/fsrs_referenz.tsv"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    int zeilen = 0, nr = 0;
    QSet<int> bewertungen;
    bool selberTag = false, langePause = false;
    while (!datei.atEnd()) {
        const QString zeile = QString::fromUtf8(datei.readLine()).trimmed();
        ++nr;
        if (zeile.isEmpty() || zeile.startsWith(u'#'))
            continue;
        const QStringList f = zeile.split(u'\t');
        ASSERT_EQ(f.size(), 9) << zeile.toStdString();
        std::optional<Stand> vorher;
        if (f[1] != QLatin1String("-"))
            vorher = Stand{f[1].toDouble(), f[2].toDouble()};
        const int tage = f[3].toInt();
        const int bewertung = f[4].toInt();
        const Stand nach = NachWiederholung(vorher, tage, bewertung);
        const std::string wo = QStringLiteral("%1 (Zeile %2)").arg(zeile).arg(nr).toStdString();
        EXPECT_TRUE(Nah("Stabilität", nach.stabilitaet, f[5].toDouble())) << wo;
        EXPECT_TRUE(Nah("Schwierigkeit", nach.schwierigkeit, f[6].toDouble())) << wo;
        EXPECT_TRUE(Nah("Abruf", Abruf({f[5].toDouble(), f[6].toDouble()}, f[7].toDouble()), f[8].toDouble())) << wo;
        ++zeilen;
        bewertungen.insert(bewertung);
        selberTag |= vorher && tage == 0;
        langePause |= vorher && tage >= 365;
    }
    // The table itself must still cover what it claims to.
    EXPECT_GE(zeilen, 200);
    EXPECT_EQ(bewertungen, (QSet<int>{1, 2, 3, 4}));
    EXPECT_TRUE(selberTag);
    EXPECT_TRUE(langePause);
}
