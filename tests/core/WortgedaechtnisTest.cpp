// The words' memory file beside each list and the file of planned class tests: what they
// hold, how they survive damage and failed writes, and today's words built from them.
#include "learning/Klassenarbeit.h"
#include "learning/Tagesplan.h"
#include "learning/Wortgedaechtnis.h"
#include "lists/DateiErsetzen.h"

#include "common/TestHilfen.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lerno;
using namespace testhilfen;
using Antwortpruefung::Urteil;

namespace {

struct HookWeg {
    ~HookWeg() { SetzeErsetzenFehlerHook(nullptr); }
};

const QDate Heute(2026, 3, 2);

} // namespace

TEST(Wortgedaechtnis, DamagedLinesAreSkippedTheRestReadsBack)
{
    const struct { const char* zeile; QByteArray text; bool gut; } faelle[] = {
        {"key not UTF-8", "2026-03-01\t2.3\t2.1\t1\t0\ta#\xfc", false},
        {"umlauts, blanks and a tab in the key", "2026-02-27\t0.5\t7\t3\t1\t Grüße\t#Grüße ", true},
        {"plain", "2026-03-01\t2.3065\t2.11810397\t1\t0\tthe house#das Haus", true},
        {"a field missing", "2026-03-01\t2.3\t2.1\t1\tthe cat#die Katze", false},
        {"no such day", "2026-02-30\t2.3\t2.1\t1\t0\ta#b", false},
        {"stability zero", "2026-03-01\t0\t2.1\t1\t0\ta#c", false},
        {"stability not a number", "2026-03-01\tnan\t2.1\t1\t0\ta#d", false},
        {"difficulty above 10", "2026-03-01\t2.3\t10.5\t1\t0\ta#e", false},
        {"more lapses than reviews", "2026-03-01\t2.3\t2.1\t1\t2\ta#f", false},
        {"a decimal comma", "2026-03-01\t2,3\t2.1\t1\t0\ta#g", false},
        {"empty key", "2026-03-01\t2.3\t2.1\t1\t0\t", false},
    };
    QTemporaryDir dir;
    const QString liste = dir.filePath("Englisch.dva");
    QByteArray datei, gute;
    int schlechte = 0;
    for (const auto& f : faelle) {
        datei += f.text + (schlechte % 2 ? "\n" : "\r\n"); // a lone LF ends a line too
        gute += f.gut ? f.text + "\r\n" : QByteArray();
        schlechte += !f.gut;
    }
    SchreibeBytes(dir.filePath("Englisch.dvg"), datei);
    const Wortgedaechtnis::Inhalt in = Wortgedaechtnis::Lesen(liste);
    EXPECT_FALSE(in.lesefehler);
    EXPECT_EQ(in.uebersprungen, schlechte);
    // Written back, the good lines come out as they were (sorted by key), the damaged ones gone.
    ASSERT_TRUE(Wortgedaechtnis::Schreiben(StufenDatei(liste, u'c'), in.woerter));
    EXPECT_EQ(LiesBytes(dir.filePath("Englisch.dvg")), gute);
    EXPECT_TRUE(Wortgedaechtnis::Lesen(dir.filePath("Fehlt.dva")).woerter.isEmpty());
}

TEST(Wortgedaechtnis, EveryAnswerIsAReview)
{
    const struct { const char* zeile; Urteil urteil; bool hinweis; int bewertung; } faelle[] = {
        {"right", Urteil::Richtig, false, 3},
        {"right after the hint", Urteil::Richtig, true, 2},
        {"almost right", Urteil::FastRichtig, false, 2},
        {"wrong", Urteil::Falsch, false, 1},
        {"wrong after the hint", Urteil::Falsch, true, 1},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Wortgedaechtnis::Bewertung(f.urteil, f.hinweis), f.bewertung) << f.zeile;

    QTemporaryDir dir;
    const QString liste = dir.filePath("Englisch.dva");
    const QString g = dir.filePath("Englisch.dvg");
    SchreibeBytes(liste, CpZeilen({"001#house#Haus#0#0#", "002#cat#Katze#0#0#", "003#tree#Baum#0#0#"}));
    ASSERT_TRUE(Wortgedaechtnis::AntwortVermerken(liste, {"house", "Haus"}, 1, Heute));
    ASSERT_TRUE(Wortgedaechtnis::AntwortVermerken(liste, {"cat", "Katze"}, 3, Heute));
    ASSERT_TRUE(Wortgedaechtnis::AntwortVermerken(liste, {"house", "Haus"}, 3, Heute));
    // A lapse: known, then missed at the first asking on a later day, not again when asked again that day. (ts-fsrs gives the same
    // states to its 8 decimals: house 0.05476003 / 9.59166035, cat 2.3065 / 2.11810397.)
    ASSERT_TRUE(Wortgedaechtnis::AntwortVermerken(StufenDatei(liste, u'b'), {"house", "Haus"}, 1, Heute.addDays(3)));
    ASSERT_TRUE(Wortgedaechtnis::AntwortVermerken(liste, {"house", "Haus"}, 1, Heute.addDays(3))); // no second lapse
    EXPECT_EQ(LiesBytes(g), "2026-03-02\t2.3065\t2.118103970459015\t1\t0\tcat#Katze\r\n"
                            "2026-03-05\t0.05476002747200767\t9.591660354153829\t4\t1\thouse#Haus\r\n");

    // The editor changed "cat": the new pair starts afresh, the old one is dropped with the
    // next answer, and the unchanged "house" keeps its memory.
    SchreibeBytes(liste, CpZeilen({"001#house#Haus#0#0#", "002#cat#die Katze#0#0#", "003#tree#Baum#0#0#"}));
    const auto vorher = Wortgedaechtnis::WoerterLesen(liste);
    ASSERT_EQ(vorher.woerter.size(), 3);
    EXPECT_FALSE(vorher.woerter[1].stand.has_value());
    ASSERT_TRUE(Wortgedaechtnis::AntwortVermerken(liste, {"tree", "Baum"}, 4, Heute.addDays(3)));
    EXPECT_EQ(LiesBytes(g), "2026-03-05\t0.05476002747200767\t9.591660354153829\t4\t1\thouse#Haus\r\n"
                            "2026-03-05\t8.2956\t1\t1\t0\ttree#Baum\r\n");

    // A write that fails at any step leaves the old file whole.
    const QByteArray alt = LiesBytes(g);
    for (ErsetzenSchritt s : {ErsetzenSchritt::Oeffnen, ErsetzenSchritt::Schreiben, ErsetzenSchritt::Flushen,
                              ErsetzenSchritt::Umbenennen}) {
        HookWeg weg;
        SetzeErsetzenFehlerHook([s](ErsetzenSchritt jetzt) { return jetzt != s; });
        EXPECT_FALSE(Wortgedaechtnis::AntwortVermerken(liste, {"house", "Haus"}, 3, Heute.addDays(9)));
        EXPECT_EQ(LiesBytes(g), alt) << int(s);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).size(), 2) << "no temporary left";

    // A practice session passes the keys it read: the list is not read again (here it is
    // gone), and what is not among them is dropped.
    ASSERT_TRUE(QFile::remove(liste));
    const QSet<QString> inListe{QStringLiteral("tree#Baum")};
    ASSERT_TRUE(Wortgedaechtnis::AntwortenVermerken(liste, {{{"tree", "Baum"}, 3, Heute.addDays(9)}}, &inListe));
    EXPECT_EQ(Wortgedaechtnis::Lesen(liste).woerter.keys(), QStringList{"tree#Baum"});
    ASSERT_TRUE(Wortgedaechtnis::Entfernen(liste));
    EXPECT_FALSE(QFile::exists(g));
}

TEST(Klassenarbeit, PlansBesideTheLists)
{
    QTemporaryDir dir;
    const QString datei = dir.filePath("Klassenarbeiten.txt");
    const QString unit3 = dir.filePath("Unit 3.dva"), franz = dir.filePath("Französisch.dva");
    EXPECT_FALSE(Klassenarbeit::PlanLesen(unit3).has_value());
    ASSERT_TRUE(Klassenarbeit::PlanSetzen(unit3, {QDate(2026, 3, 20), 20}));
    ASSERT_TRUE(Klassenarbeit::PlanSetzen(franz, {QDate(2026, 4, 1), 12}));
    ASSERT_TRUE(Klassenarbeit::PlanSetzen(unit3, {QDate(2026, 3, 27), 15}));
    EXPECT_EQ(LiesBytes(datei), "2026-04-01\t12\tFranzösisch.dva\r\n2026-03-27\t15\tUnit 3.dva\r\n");
    EXPECT_EQ(Klassenarbeit::PlanLesen(unit3), (Klassenarbeit::Plan{QDate(2026, 3, 27), 15}));
    EXPECT_FALSE(Klassenarbeit::PlanSetzen(unit3, {QDate(), 20})) << "no date";
    EXPECT_FALSE(Klassenarbeit::PlanSetzen(unit3, {QDate(2026, 3, 27), 0})) << "no word a day";

    // A damaged line is skipped, and goes with the next change.
    SchreibeBytes(datei, LiesBytes(datei) + "2026-13-01\t20\tKaputt.dva\r\n");
    EXPECT_EQ(Klassenarbeit::PlaeneLesen(dir.path()).uebersprungen, 1);
    ASSERT_TRUE(Klassenarbeit::PlanEntfernen(franz));
    EXPECT_EQ(LiesBytes(datei), "2026-03-27\t15\tUnit 3.dva\r\n");

    HookWeg weg;
    SetzeErsetzenFehlerHook([](ErsetzenSchritt s) { return s != ErsetzenSchritt::Umbenennen; });
    EXPECT_FALSE(Klassenarbeit::PlanEntfernen(unit3));
    EXPECT_EQ(LiesBytes(datei), "2026-03-27\t15\tUnit 3.dva\r\n");
}

TEST(Klassenarbeit, ADeletedListTakesItsPlanAlong)
{
    QTemporaryDir dir;
    const QString da = dir.filePath("Unit 3.dva"), weg = dir.filePath("Unit 4.dva");
    SchreibeBytes(da, CpZeilen({"001#a#b#0#0#"}));
    ASSERT_TRUE(Klassenarbeit::PlanSetzen(da, {QDate(2026, 3, 20), 20}));
    ASSERT_TRUE(Klassenarbeit::PlanSetzen(weg, {QDate(2026, 3, 27), 15}));
    ASSERT_TRUE(Klassenarbeit::VerwaisteEntfernen(dir.path()));
    EXPECT_EQ(LiesBytes(dir.filePath("Klassenarbeiten.txt")), "2026-03-20\t20\tUnit 3.dva\r\n");
}

TEST(Tagesplan, TodaysWordsOfAllListsAndTheStartLine)
{
    QTemporaryDir dir;
    auto liste = [&](const char* name, int woerter) {
        QStringList z;
        for (int i = 1; i <= woerter; ++i)
            z << QStringLiteral("%1#w%2#b%2#0#0#").arg(i, 3, 10, QChar('0')).arg(i);
        SchreibeBytes(dir.filePath(name), z.join("\r\n").toLatin1() + "\r\n");
        return dir.filePath(name);
    };
    const QString unit3 = liste("Unit 3.dva", 30), unit4 = liste("Unit 4.dva", 5), alt = liste("Alt.dva", 3);
    liste("Ungeplant.dva", 10);
    ASSERT_TRUE(Klassenarbeit::PlanSetzen(unit3, {Heute.addDays(4), 14}));
    ASSERT_TRUE(Klassenarbeit::PlanSetzen(unit4, {Heute.addDays(9), 20}));
    // Practised three weeks ago, no test ahead: due by the 90 % rule. A deleted list's
    // memory file names no list.
    ASSERT_TRUE(Wortgedaechtnis::AntwortVermerken(alt, {"w2", "b2"}, 3, Heute.addDays(-21)));
    SchreibeBytes(dir.filePath("Weg.dvg"), "2026-01-01\t1\t5\t1\t0\tx#y\r\n");

    const Tagesplan::Heute h = Tagesplan::Berechnen(dir.path(), Heute);
    ASSERT_EQ(h.listen.size(), 3);
    EXPECT_EQ(h.listen[0].name, "Unit 3");
    EXPECT_EQ(h.listen[0].zeilen, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(h.listen[1].name, "Unit 4");
    EXPECT_EQ(h.listen[1].zeilen.size(), 5);
    EXPECT_EQ(h.listen[2].name, "Alt");
    EXPECT_EQ(h.listen[2].zeilen, QList<int>{2});
    EXPECT_EQ(h.listen[2].paare[0].Vokabel, "w2");
    EXPECT_FALSE(h.listen[2].arbeit.isValid());

    const struct { const char* zeile; int tage; const char* text; } faelle[] = {
        {"test ahead", 4, "Heute: 20 Wörter – Klassenarbeit „Unit 3“ in 4 Tagen"},
        {"test tomorrow", 1, "Heute: 20 Wörter – Klassenarbeit „Unit 3“ morgen"},
        {"test today", 0, "Heute: 20 Wörter – Klassenarbeit „Unit 3“ heute"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Tagesplan::Startzeile(h, h.listen[0].arbeit.addDays(-f.tage)), QString::fromUtf8(f.text)) << f.zeile;
    Tagesplan::Heute ohne;
    ohne.listen = {h.listen[2]};
    EXPECT_EQ(Tagesplan::Startzeile(ohne, Heute), "Heute: 1 Wort");
    EXPECT_EQ(Tagesplan::Startzeile({}, Heute), QString::fromUtf8("Heute ist nichts fällig."));
}
