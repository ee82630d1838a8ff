// The practice session's rules, one named row each: judging and counting, the three
// directions, what the end of each stage records, unreadable lines, and the word
// "Anhören" says. Whatever a row does, the session reads its list exactly once.
#include "practice/Uebung.h"

#include "common/TestHilfen.h"
#include "lists/Listensprache.h"
#include "lists/TextDatei.h"
#include "lists/Zufall.h"
#include "learning/Wortgedaechtnis.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lerno;
using testhilfen::CpZeilen;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

// Compared as std::string, so that a failure prints the text.
std::string S(const QString& s) { return s.toStdString(); }

const QByteArray Drei =
    CpZeilen({"001#house#Haus#0#0#", "002#street#Straße#1#0#", "003#tree#Baum#3#0#"});

// The members of one list "Englisch", as the practice loader leaves them.
struct Ordner {
    QTemporaryDir dir;
    QString pfad(char e) const { return dir.filePath(QString("Englisch.dv") + e); }
};

struct Fall {
    const char* name;
    QByteArray liste; // the practised member
    qint16 stufe;
    std::function<void(Uebung&, const Ordner&)> pruefen;
};

// Answers the question asked, right or wrong, and draws the next one.
Uebung::Auswertung Antwort(Uebung& u, bool richtig, qint16 testart = 2)
{
    const Uebung::Auswertung a = u.Antworten(u.Aktuell().Sollantwort + (richtig ? "" : "x"));
    u.NaechsteFrage(testart);
    return a;
}

// Answers right until line `zeile` is asked.
void BisZeile(Uebung& u, int zeile)
{
    for (int i = 0; i < 200 && u.Aktuell().Zeile != zeile; ++i)
        Antwort(u, true);
    ASSERT_EQ(u.Aktuell().Zeile, zeile);
}

const Fall Faelle[] = {
    {"a right answer counts nothing", Drei, 1,
     [](Uebung& u, const Ordner&) {
         const auto a = Antwort(u, true);
         EXPECT_TRUE(a.Richtig);
         EXPECT_EQ(a.Ergebnis.urteil, Antwortpruefung::Urteil::Richtig);
         EXPECT_EQ(u.Fehlerzahl(), (std::vector<int>{0, 0, 0}));
     }},
    {"a wrong answer counts against its line and keeps the question for the solution", Drei, 1,
     [](Uebung& u, const Ordner&) {
         const Uebung::Frage vorher = u.Aktuell();
         const auto a = Antwort(u, false);
         EXPECT_FALSE(a.Richtig);
         EXPECT_EQ(a.Gefragt.Zeile, vorher.Zeile);
         EXPECT_EQ(S(a.Gefragt.Anzeige), S(vorher.Vokabel));
         EXPECT_EQ(S(a.Gefragt.Sollantwort), S(vorher.Bedeutung));
         EXPECT_EQ(u.Fehlerzahl()[size_t(vorher.Zeile - 1)], 1);
         EXPECT_NE(u.Aktuell().Zeile, vorher.Zeile) << "three lines: never the same twice";
     }},
    {"direction 1 shows the meaning and expects the foreign word", Drei, 1,
     [](Uebung& u, const Ordner&) {
         for (int i = 0; i < 5; ++i) {
             ASSERT_TRUE(u.NaechsteFrage(1));
             const Uebung::Frage& f = u.Aktuell();
             EXPECT_FALSE(f.Vok);
             EXPECT_EQ(S(f.Anzeige), S(f.Bedeutung));
             EXPECT_EQ(S(f.Sollantwort), S(f.Vokabel));
             EXPECT_FALSE(u.Antworten(f.Bedeutung).Richtig);
             EXPECT_TRUE(u.Antworten(f.Vokabel).Richtig);
         }
     }},
    {"direction 2 shows the foreign word and expects the meaning", Drei, 1,
     [](Uebung& u, const Ordner&) {
         for (int i = 0; i < 5; ++i) {
             ASSERT_TRUE(u.NaechsteFrage(2));
             const Uebung::Frage& f = u.Aktuell();
             EXPECT_TRUE(f.Vok);
             EXPECT_EQ(S(f.Anzeige), S(f.Vokabel));
             EXPECT_EQ(S(f.Sollantwort), S(f.Bedeutung));
             EXPECT_EQ(f.gemisch, 0);
         }
     }},
    {"direction 3 draws the way round per question", Drei, 1,
     [](Uebung& u, const Ordner&) {
         int wege[3] = {};
         for (int i = 0; i < 40; ++i) {
             ASSERT_TRUE(u.NaechsteFrage(3));
             const Uebung::Frage& f = u.Aktuell();
             ASSERT_TRUE(f.gemisch == 1 || f.gemisch == 2);
             EXPECT_EQ(f.Vok, f.gemisch == 1);
             EXPECT_EQ(S(f.Anzeige), S(f.Vok ? f.Vokabel : f.Bedeutung));
             ++wege[f.gemisch];
         }
         EXPECT_GE(wege[1], 5);
         EXPECT_GE(wege[2], 5);
     }},
    {"stage 1 end: counts summed, stage lists filled, scratch file gone", Drei, 1,
     [](Uebung& u, const Ordner& o) {
         BisZeile(u, 1);
         Antwort(u, false);
         BisZeile(u, 2);
         Antwort(u, false);
         EXPECT_TRUE(u.Beenden().Fehlerfrei());
         EXPECT_EQ(LiesBytes(o.pfad('a')),
                   CpZeilen({"001#house#Haus#1#0#", "002#street#Straße#2#0#", "003#tree#Baum#3#0#"}));
         EXPECT_EQ(LiesBytes(o.pfad('b')), CpZeilen({"002#street#Straße#2#0#", "003#tree#Baum#3#0#"}));
         EXPECT_EQ(LiesBytes(o.pfad('c')), QByteArray());
         EXPECT_FALSE(QFile::exists(o.pfad('d')));
     }},
    {"stage 2 end: the .dvb stays, a count of 4 goes to the .dvc",
     CpZeilen({"001#house#Haus#2#0#", "002#street#Straße#3#0#", "003#tree#Baum#2#0#"}), 2,
     [](Uebung& u, const Ordner& o) {
         BisZeile(u, 2);
         Antwort(u, false);
         const QByteArray dvb = LiesBytes(o.pfad('b'));
         EXPECT_TRUE(u.Beenden().Fehlerfrei());
         EXPECT_EQ(LiesBytes(o.pfad('b')), dvb);
         EXPECT_EQ(LiesBytes(o.pfad('c')), CpZeilen({"002#street#Straße#4#0#"}));
         EXPECT_FALSE(QFile::exists(o.pfad('d')));
     }},
    {"stage 3 end: only the scratch file goes", Drei, 3,
     [](Uebung& u, const Ordner& o) {
         Antwort(u, false);
         EXPECT_TRUE(u.Beenden().Fehlerfrei());
         EXPECT_EQ(LiesBytes(o.pfad('c')), Drei);
         EXPECT_EQ(LiesBytes(o.pfad('a')), QByteArray());
         EXPECT_FALSE(QFile::exists(o.pfad('d')));
     }},
    {"an unreadable line is skipped, with one message naming it",
     CpZeilen({"001#a#A#0#0#", "002#kaputt", "003#c#C#0#0#", "004#d#D#0#0#"}), 1,
     [](Uebung& u, const Ordner&) {
         QStringList meldungen{u.MeldungAbholen()};
         for (int i = 0; i < 100; ++i) {
             ASSERT_NE(u.Aktuell().Zeile, 2);
             Antwort(u, false);
             meldungen.append(u.MeldungAbholen());
         }
         meldungen.removeAll(QString());
         EXPECT_EQ(S(meldungen.join('|')),
                   "Zeile 2 der Liste „Englisch“ kann nicht gelesen werden und wird übersprungen.");
         EXPECT_EQ(u.Fehlerzahl()[1], 0);
     }},
    {"the one readable line asked last comes again",
     CpZeilen({"001#a", "002#b#B#0#0#", "003#c"}), 1,
     [](Uebung& u, const Ordner&) {
         EXPECT_EQ(u.Aktuell().Zeile, 2);
         EXPECT_TRUE(u.NaechsteFrage(2));
         EXPECT_EQ(u.Aktuell().Zeile, 2);
     }},
    {"Anhören: the question's foreign word while it is shown", Drei, 1,
     [](Uebung& u, const Ordner&) {
         EXPECT_EQ(S(u.Anhoerwort(false)), S(u.Aktuell().Vokabel));
         EXPECT_EQ(S(u.Sprachcode()), "en");
     }},
    {"Anhören: nothing while the foreign word is asked", Drei, 1,
     [](Uebung& u, const Ordner&) {
         u.NaechsteFrage(1);
         EXPECT_EQ(S(u.Anhoerwort(false)), "");
     }},
    {"Anhören: the missed pair's while its solution is shown, then the question below", Drei, 1,
     [](Uebung& u, const Ordner&) {
         for (qint16 testart : {1, 2}) {
             u.NaechsteFrage(testart);
             const QString verpasst = u.Aktuell().Vokabel;
             Antwort(u, false, testart);
             EXPECT_EQ(S(u.Anhoerwort(true)), S(verpasst));
             EXPECT_EQ(S(u.Anhoerwort(false)), S(testart == 2 ? u.Aktuell().Vokabel : QString()));
             Antwort(u, true, testart);
             EXPECT_EQ(S(u.Anhoerwort(true)), S(verpasst)) << "a right answer shows no solution";
         }
     }},
    {"lenient: a slip is almost right and not counted; another meaning of the list is counted",
     CpZeilen({"001#perro#Hund#0#0#", "002#mano#Hand#0#0#", "003#arbol#Baum#0#0#"}), 1,
     [](Uebung& u, const Ordner&) {
         using Antwortpruefung::Urteil;
         BisZeile(u, 1);
         auto a = u.Antworten("Hunt", true);
         EXPECT_TRUE(a.Ergebnis.urteil == Urteil::FastRichtig && !a.Richtig);
         EXPECT_EQ(a.Unterschiede, (QList<Abweichung::Unterschied>{{3, 1, {}}}));
         a = u.Antworten("Hand", true);
         EXPECT_TRUE(a.Ergebnis.urteil == Urteil::Falsch);
         EXPECT_EQ(S(a.Ergebnis.grund), "anderes Wort der Liste");
         EXPECT_EQ(u.Fehlerzahl(), (std::vector<int>{1, 0, 0}));
     }},
    {"every answer is a review of its word: right 3, right after the hint 2, wrong 1", Drei, 1,
     [](Uebung& u, const Ordner& o) {
         // Drawn without an answer until the line comes: no review in between.
         auto zu = [&u](int z) { for (int i = 0; i < 200 && u.Aktuell().Zeile != z; ++i) u.NaechsteFrage(2); };
         zu(1);
         Antwort(u, true);
         zu(2);
         u.Hilfe();
         Antwort(u, true);
         zu(3);
         Antwort(u, false);
         EXPECT_FALSE(QFile::exists(o.pfad('g'))) << "written when the window asks, not on the answer's path";
         ASSERT_TRUE(u.VermerkeSchreiben());
         // The first stability of FSRS-6 for Gut, Schwer and Nochmal: w2, w1, w0.
         const auto g = Wortgedaechtnis::Lesen(o.pfad('a')).woerter;
         EXPECT_EQ(g.size(), 3);
         EXPECT_DOUBLE_EQ(g["house#Haus"].stand.stabilitaet, 2.3065);
         EXPECT_DOUBLE_EQ(g["street#Straße"].stand.stabilitaet, 1.2931);
         EXPECT_DOUBLE_EQ(g["tree#Baum"].stand.stabilitaet, 0.212);
         EXPECT_EQ(LiesBytes(o.pfad('a')), Drei) << "the list changes only at the end";
     }},
    {"Anhören in stage 2 speaks the language stored for the main list",
     CpZeilen({"001#domus#Haus#2#0#", "002#via#Straße#2#0#"}), 2,
     [](Uebung& u, const Ordner&) { EXPECT_EQ(S(u.Sprachcode()), "la"); }},
};

TEST(Uebung, Regeln)
{
    for (const Fall& f : Faelle) {
        SCOPED_TRACE(f.name);
        Ordner o;
        ASSERT_TRUE(o.dir.isValid());
        for (char e : {'a', 'b', 'c', 'd'})
            SchreibeBytes(o.pfad(e), {});
        const QString liste = o.pfad(char('a' + f.stufe - 1));
        SchreibeBytes(liste, f.liste);
        // Stored for the main list; the name "Englisch" alone would give "en".
        if (f.stufe == 2)
            ASSERT_TRUE(ListenspracheSetzen(o.pfad('a'), QStringLiteral("Latein")));
        ZufallZuruecksetzen();
        Uebung::LetzteZeile = 0;
        QHash<QString, int> gelesen;
        Uebung u(liste, f.stufe, [&gelesen](const QString& pfad) {
            ++gelesen[pfad];
            return ZeilenLesen(pfad);
        });
        u.NaechsteFrage(2);
        f.pruefen(u, o);
        u.VermerkeSchreiben();
        // The list once; the memory writes take the main list's pairs from the session,
        // beside a stage list they read the main list at most once.
        EXPECT_EQ(gelesen.value(liste), 1);
        if (f.stufe > 1)
            EXPECT_LE(gelesen.value(o.pfad('a')), 1);
    }
}

// "Heute üben" over two lists: the plan's order, a missed word back after three others
// until it is right, each word in its own list's voice; at the end the misses count as in
// stage 1 where there were any, and every answer is in its own list's memory.
TEST(Uebung, HeuteUebenAsksAMissedWordAgainAndRecordsPerList)
{
    QTemporaryDir dir;
    const QString englisch = dir.filePath("Englisch.dva"), latein = dir.filePath("Latein.dva");
    const QByteArray lateinVorher = CpZeilen({"001#domus#Haus#0#5#", "002#via#Straße#0#0#"});
    SchreibeBytes(englisch, Drei);
    SchreibeBytes(latein, lateinVorher);
    for (const QString& l : {englisch, latein})
        for (QChar e : {u'b', u'c'})
            SchreibeBytes(StufenDatei(l, e), {});
    Tagesplan::Heute heute;
    heute.listen = {{englisch, "Englisch", {}, 20, {3, 1}, {{"tree", "Baum"}, {"house", "Haus"}}},
                    {latein, "Latein", {}, 20, {2, 1}, {{"via", "Straße"}, {"domus", "Haus"}}}};
    Uebung u(heute);
    QStringList gefragt, stimmen;
    for (int i = 0; i < 20 && u.NaechsteFrage(2); ++i) {
        gefragt << u.Aktuell().Vokabel;
        stimmen << u.Sprachcode();
        // tree is missed twice, house once, nothing of the Latin list.
        const bool falsch = (gefragt.last() == "tree" && gefragt.count("tree") <= 2)
                            || (gefragt.last() == "house" && gefragt.count("house") == 1);
        u.Antworten(u.Aktuell().Sollantwort + (falsch ? "x" : ""));
    }
    EXPECT_EQ(S(gefragt.join(' ')), "tree house via domus tree house tree");
    EXPECT_EQ(S(stimmen.join(' ')), "en en la la en en en");
    EXPECT_TRUE(u.Geschafft());

    EXPECT_TRUE(u.Beenden().Fehlerfrei());
    EXPECT_EQ(LiesBytes(englisch), CpZeilen({"001#house#Haus#1#0#", "002#street#Straße#1#0#", "003#tree#Baum#5#0#"}));
    EXPECT_EQ(LiesBytes(StufenDatei(englisch, u'c')), CpZeilen({"003#tree#Baum#5#0#"}));
    EXPECT_EQ(LiesBytes(latein), lateinVorher) << "no miss: the list is not rewritten";
    const auto e = Wortgedaechtnis::Lesen(englisch).woerter;
    EXPECT_TRUE(e.size() == 2 && e["tree#Baum"].wiederholungen == 3 && e["house#Haus"].wiederholungen == 2);
    EXPECT_EQ(Wortgedaechtnis::Lesen(latein).woerter.size(), 2);
}

TEST(Uebung, AListThatCannotBeReadSaysFehlerOnce)
{
    Uebung u(QStringLiteral("/nicht/da/Englisch.dva"), 1);
    EXPECT_EQ(u.Zeilenzahl(), 0);
    EXPECT_FALSE(u.NaechsteFrage(2));
    EXPECT_EQ(S(u.MeldungAbholen()), "Fehler");
    EXPECT_FALSE(u.NaechsteFrage(2));
    EXPECT_EQ(S(u.MeldungAbholen()), "");
}

} // namespace
