// End of a practice: counts in the main list, copies into the stage lists, the scratch file.
#include "practice/Stufen.h"

#include "common/TestHilfen.h"
#include "lists/DateiErsetzen.h"
#include "lists/TextDatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cerrno>

using namespace lerno;
using testhilfen::CpZeilen;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

// A list as the practice loader leaves it: all four members exist.
class Liste {
public:
    Liste(const QByteArray& dva, const QByteArray& dvb = {}, const QByteArray& dvc = {},
          const QByteArray& dvd = {})
    {
        SchreibeBytes(pfad('a'), dva);
        SchreibeBytes(pfad('b'), dvb);
        SchreibeBytes(pfad('c'), dvc);
        SchreibeBytes(pfad('d'), dvd);
    }
    QString pfad(char endung) const { return dir_.filePath(QString("Englisch.dv") + endung); }
    QByteArray bytes(char endung) const { return LiesBytes(pfad(endung)); }
    QStringList dateien() const
    {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                           QDir::Name);
    }
    QString ordner() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

const QStringList DreiDateien{"Englisch.dva", "Englisch.dvb", "Englisch.dvc"};

struct HookWeg {
    ~HookWeg() { SetzeErsetzenFehlerHook(nullptr); }
};

} // namespace

TEST(Stufe1Sichern, AddsMissesAndCopiesByCount)
{
    Liste l(CpZeilen({"005#a#b#1#0#", "006#Mädchen#girl#8#0#", "007#c#d#8#0#", "008#e#f#0#0#"}));
    const auto e = Stufe1Sichern(l.pfad('a'), {2, 3, 5});
    EXPECT_TRUE(e.Fehlerfrei());
    EXPECT_EQ(l.bytes('a'), CpZeilen({"005#a#b#3#0#", "006#Mädchen#girl#9#0#", "007#c#d#9#0#",
                                      "008#e#f#0#0#"}));
    EXPECT_EQ(l.bytes('b'), CpZeilen({"005#a#b#3#0#", "006#Mädchen#girl#9#0#", "007#c#d#9#0#"}));
    EXPECT_EQ(l.bytes('c'), CpZeilen({"006#Mädchen#girl#9#0#", "007#c#d#9#0#"}));
    EXPECT_EQ(l.dateien(), DreiDateien); // no .dvd, no temporary file
}

TEST(Stufe1Sichern, KeysAlreadyInAStageListAreNotAddedAgain)
{
    // 001: count 3, no misses, key missing in .dvb -> offered again and added.
    // 002: count 3, no misses, key in .dvb with an older count -> old line stays alone.
    // 003: 4 + 1 -> 5, already in .dvc with count 4, missing in .dvb.
    // 004 twice with one key: added once, the first one wins.
    Liste l(CpZeilen({"001#x#y#3#0#", "002#p#q#3#0#", "003#r#s#4#0#", "004#u#v#2#0#",
                      "004#u#v#1#0#"}),
            CpZeilen({"002#p#q#2#0#"}), CpZeilen({"003#r#s#4#0#"}));
    const auto e = Stufe1Sichern(l.pfad('a'), {0, 0, 1, 0, 2});
    EXPECT_TRUE(e.Fehlerfrei());
    EXPECT_EQ(l.bytes('a'), CpZeilen({"001#x#y#3#0#", "002#p#q#3#0#", "003#r#s#5#0#",
                                      "004#u#v#2#0#", "004#u#v#3#0#"}));
    EXPECT_EQ(l.bytes('b'), CpZeilen({"002#p#q#2#0#", "001#x#y#3#0#", "003#r#s#5#0#",
                                      "004#u#v#2#0#"}));
    EXPECT_EQ(l.bytes('c'), CpZeilen({"003#r#s#4#0#"}));
}

TEST(Stufe1Sichern, KeysDifferingInCaseAreDifferentRecords)
{
    Liste l(CpZeilen({"007#a#b#2#0#"}), CpZeilen({"007#a#B#2#0#"}));
    EXPECT_TRUE(Stufe1Sichern(l.pfad('a'), {}).Fehlerfrei());
    EXPECT_EQ(l.bytes('b'), CpZeilen({"007#a#B#2#0#", "007#a#b#2#0#"}));
}

TEST(Stufe1Sichern, CountsFitListsOfAnyLength)
{
    // A list longer than 500 lines, and counts longer and shorter than the list.
    QList<QByteArray> zeilen;
    QByteArray dva;
    for (int i = 1; i <= 600; ++i)
        dva += QString("%1#w%2#m%2#0#0#\r\n").arg(i % 1000, 3, 10, QChar('0')).arg(i).toLatin1();
    Liste l(dva);
    std::vector<int> fehler(600, 0);
    fehler[0] = 1;
    fehler[549] = 2;
    fehler[599] = 4;
    ASSERT_TRUE(Stufe1Sichern(l.pfad('a'), fehler).Fehlerfrei());

    QByteArray erwartet = dva;
    erwartet.replace("001#w1#m1#0#0#", "001#w1#m1#1#0#");
    erwartet.replace("550#w550#m550#0#0#", "550#w550#m550#2#0#");
    erwartet.replace("600#w600#m600#0#0#", "600#w600#m600#4#0#");
    EXPECT_EQ(l.bytes('a'), erwartet);
    EXPECT_EQ(l.bytes('b'), "550#w550#m550#2#0#\r\n600#w600#m600#4#0#\r\n");
    EXPECT_EQ(l.bytes('c'), "600#w600#m600#4#0#\r\n");

    // Counts beyond the list end change nothing; a short count vector means no misses.
    const QByteArray vorher = l.bytes('a');
    ASSERT_TRUE(Stufe1Sichern(l.pfad('a'), std::vector<int>(2000, 0)).Fehlerfrei());
    EXPECT_EQ(l.bytes('a'), vorher);
    ASSERT_TRUE(Stufe1Sichern(l.pfad('a'), {1}).Fehlerfrei());
    EXPECT_EQ(l.bytes('a').left(16), "001#w1#m1#2#0#\r\n");
    EXPECT_EQ(l.bytes('b'), "550#w550#m550#2#0#\r\n600#w600#m600#4#0#\r\n001#w1#m1#2#0#\r\n");
}

TEST(Stufe1Sichern, MalformedLinesStayAndGoNowhere)
{
    QByteArray dva = CpZeilen({"", "ab", "001#x#y#1#0#", "002#kaputt", "12#a#b#5#0#",
                               "003#u#v#77#0#", "0004#a#b#1#0#"});
    dva += "005#last#line#2#0#"; // no line end
    Liste l(dva);
    ASSERT_TRUE(Stufe1Sichern(l.pfad('a'), std::vector<int>(8, 3)).Fehlerfrei());
    EXPECT_EQ(l.bytes('a'), CpZeilen({"", "ab", "001#x#y#4#0#", "002#kaputt", "12#a#b#5#0#",
                                      "003#u#v#77#0#", "0004#a#b#1#0#", "005#last#line#5#0#"}));
    EXPECT_EQ(l.bytes('b'), CpZeilen({"001#x#y#4#0#", "005#last#line#5#0#"}));
    EXPECT_EQ(l.bytes('c'), CpZeilen({"001#x#y#4#0#", "005#last#line#5#0#"}));
}

TEST(Stufe1Sichern, StaleScratchFileIsNotMerged)
{
    Liste l(CpZeilen({"001#a#b#0#0#"}), {}, {}, CpZeilen({"099#alt#old#5#0#", "001#a#b#0#0#"}));
    ASSERT_TRUE(Stufe1Sichern(l.pfad('a'), {2}).Fehlerfrei());
    EXPECT_EQ(l.bytes('a'), CpZeilen({"001#a#b#2#0#"}));
    EXPECT_EQ(l.dateien(), DreiDateien);

    // Running again on the result is just another update, not a merge.
    ASSERT_TRUE(Stufe1Sichern(l.pfad('a'), {}).Fehlerfrei());
    EXPECT_EQ(l.bytes('a'), CpZeilen({"001#a#b#2#0#"}));
    EXPECT_EQ(l.bytes('b'), CpZeilen({"001#a#b#2#0#"}));
}

TEST(Stufe1Sichern, ReplaceFailureAtEveryStepKeepsTheMainListWhole)
{
    const QByteArray alt = CpZeilen({"001#a#b#1#0#", "002#c#d#0#0#"});
    for (const ErsetzenSchritt fehler : {ErsetzenSchritt::Oeffnen, ErsetzenSchritt::Schreiben,
                                         ErsetzenSchritt::Flushen, ErsetzenSchritt::Umbenennen}) {
        Liste l(alt);
        {
            HookWeg weg;
            SetzeErsetzenFehlerHook([&](ErsetzenSchritt s) { return s != fehler; });
            const auto e = Stufe1Sichern(l.pfad('a'), {1, 0});
            EXPECT_TRUE(e.ErsetzenFehlgeschlagen) << int(fehler);
            EXPECT_FALSE(e.Fehlerfrei()) << int(fehler);
        }
        EXPECT_EQ(l.bytes('a'), alt) << int(fehler);
        EXPECT_EQ(l.dateien(), DreiDateien) << int(fehler);

        // The next end of a practice starts clean.
        ASSERT_TRUE(Stufe1Sichern(l.pfad('a'), {1, 0}).Fehlerfrei());
        EXPECT_EQ(l.bytes('a'), CpZeilen({"001#a#b#2#0#", "002#c#d#0#0#"})) << int(fehler);
        EXPECT_EQ(l.bytes('b'), CpZeilen({"001#a#b#2#0#"})) << int(fehler);
    }
}

TEST(Stufe1Sichern, FileErrorsAreReported)
{
    {
        Liste l(CpZeilen({"001#a#b#3#0#"}));
        ASSERT_TRUE(QFile::remove(l.pfad('b')));
        const auto e = Stufe1Sichern(l.pfad('a'), {1});
        EXPECT_EQ(e.AnfuegenFehlgeschlagen, QStringList{l.pfad('b')});
        EXPECT_TRUE(e.ErsetzenFehlgeschlagen);
        // All or none: neither the main list nor the other stage list changes.
        EXPECT_EQ(l.bytes('a'), CpZeilen({"001#a#b#3#0#"}));
        EXPECT_EQ(l.bytes('c'), "");
        EXPECT_FALSE(QFile::exists(l.pfad('b')));
    }
    {
        Liste l(CpZeilen({"001#a#b#3#0#"}));
        ASSERT_TRUE(QFile::remove(l.pfad('a')));
        const auto e = Stufe1Sichern(l.pfad('a'), {1});
        EXPECT_FALSE(e.ListeGelesen);
        EXPECT_FALSE(e.Fehlerfrei());
        EXPECT_EQ(l.bytes('b'), "");
        EXPECT_FALSE(QFile::exists(l.pfad('a')));
    }
}

TEST(Stufe2Sichern, CopiesToStage3AndLeavesStage2Alone)
{
    const QByteArray dvb = CpZeilen({"002#a#b#2#0#", "003#c#d#3#0#", "004#e#f#1#0#",
                                     "005#g#h#5#0#", "kaputt"});
    Liste l(CpZeilen({"002#a#b#2#0#"}), dvb, CpZeilen({"005#g#h#4#0#"}),
            CpZeilen({"099#stale#alt#0#0#"}));
    const QByteArray dva = l.bytes('a');
    const auto e = Stufe2Sichern(l.pfad('b'), {2, 0, 1, 1, 9});
    EXPECT_TRUE(e.Fehlerfrei());
    EXPECT_EQ(l.bytes('b'), dvb);
    EXPECT_EQ(l.bytes('a'), dva);
    EXPECT_EQ(l.bytes('c'), CpZeilen({"005#g#h#4#0#", "002#a#b#4#0#"}));
    EXPECT_EQ(l.dateien(), DreiDateien);
}

TEST(Stufe2Sichern, ReportsWhatFailed)
{
    Liste l({}, CpZeilen({"001#a#b#3#0#"}));
    ASSERT_TRUE(QFile::remove(l.pfad('d')));
    ASSERT_TRUE(QDir(l.ordner()).mkdir("Englisch.dvd")); // cannot be deleted as a file
    ASSERT_TRUE(QFile::remove(l.pfad('c')));
    const auto e = Stufe2Sichern(l.pfad('b'), {1});
    EXPECT_EQ(e.AnfuegenFehlgeschlagen, QStringList{l.pfad('c')});
    EXPECT_EQ(e.EntfernenFehlgeschlagen, QStringList{l.pfad('d')});
    EXPECT_EQ(l.bytes('b'), CpZeilen({"001#a#b#3#0#"}));
}

TEST(Stufe3Beenden, DeletesOnlyTheScratchFile)
{
    Liste l(CpZeilen({"001#a#b#5#0#"}), CpZeilen({"001#a#b#5#0#"}), CpZeilen({"001#a#b#5#0#"}),
            CpZeilen({"001#a#b#5#0#"}));
    EXPECT_TRUE(Stufe3Beenden(l.pfad('c')).Fehlerfrei());
    EXPECT_EQ(l.dateien(), DreiDateien);
    for (char endung : {'a', 'b', 'c'})
        EXPECT_EQ(l.bytes(endung), CpZeilen({"001#a#b#5#0#"}));
    // Already gone: still no error.
    EXPECT_TRUE(Stufe3Beenden(l.pfad('c')).Fehlerfrei());
}

TEST(Stufen, TheCounterFrameDecidesWhatTheStageRulesUpdate)
{
    // ddd#word#meaning#X#Y# with any single X and Y is updated: a non-digit count reads
    // as 0, Reserve becomes 0. Lines without that frame stay and go to no stage list.
    struct Fall {
        const char* zeile;
        int fehler;
        const char* neu; // the line in the .dva afterwards
        bool dvb, dvc;
    };
    const Fall faelle[] = {
        {"001#a#b#x#0#", 2, "001#a#b#2#0#", true, false},
        {"003#g#h#3#1#", 4, "003#g#h#7#0#", true, true},
        {"004#i#j#5#Z#", 0, "004#i#j#5#0#", true, true},
        {"005#k#l#ä#0#", 1, "005#k#l#1#0#", false, false},
        {"006#m#n# # #", 3, "006#m#n#3#0#", true, false},
        {"007#o#p#12#0#", 5, "007#o#p#12#0#", false, false},
        {"0008#q#r#1#0#", 5, "0008#q#r#1#0#", false, false},
        {"009#s#t#1##", 5, "009#s#t#1##", false, false},
        {"010#u#v###0#", 5, "010#u#v###0#", false, false},
        {"011#w#1#0#", 5, "011#w#1#0#", false, false},
        {"12#x#y#1#0#", 5, "12#x#y#1#0#", false, false},
    };
    for (const Fall& f : faelle) {
        Liste l(testhilfen::Cp(f.zeile) + "\r\n");
        EXPECT_TRUE(Stufe1Sichern(l.pfad('a'), {f.fehler}).Fehlerfrei()) << f.zeile;
        const QByteArray neu = testhilfen::Cp(f.neu) + "\r\n";
        EXPECT_EQ(l.bytes('a'), neu) << f.zeile;
        EXPECT_EQ(l.bytes('b'), f.dvb ? neu : QByteArray()) << f.zeile;
        EXPECT_EQ(l.bytes('c'), f.dvc ? neu : QByteArray()) << f.zeile;

        // Stage 2 reads the same frame from the .dvb.
        Liste zwei({}, testhilfen::Cp(f.zeile) + "\r\n");
        ASSERT_TRUE(Stufe2Sichern(zwei.pfad('b'), {f.fehler}).Fehlerfrei()) << f.zeile;
        EXPECT_EQ(zwei.bytes('c'), f.dvc ? neu : QByteArray()) << f.zeile;
    }
}

TEST(Stufen, AListThatExistsButCannotBeReadIsNeverRewritten)
{
    // Repro: a member whose read fails (the kernel refuses to read a process's own memory
    // at 0), as a file without read permission does for a pupil.
    struct Fall {
        const char* name;
        int stufe;
        char unlesbar;
    };
    const Fall faelle[] = {{"stage 1, main list", 1, 'a'}, {"stage 1, stage-2 list", 1, 'b'},
                           {"stage 2, stage-2 list", 2, 'b'}, {"stage 2, stage-3 list", 2, 'c'}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Liste l(CpZeilen({"001#a#b#5#0#"}), CpZeilen({"001#a#b#5#0#"}));
        ASSERT_TRUE(QFile::remove(l.pfad(f.unlesbar)));
        if (!QFile::link("/proc/self/mem", l.pfad(f.unlesbar)))
            GTEST_SKIP() << "no symbolic link";
        if (BytesLesen(l.pfad(f.unlesbar)))
            GTEST_SKIP() << "the file reads here";
        const auto e = f.stufe == 1 ? Stufe1Sichern(l.pfad('a'), {1}) : Stufe2Sichern(l.pfad('b'), {1});
        EXPECT_FALSE(e.Fehlerfrei());
        EXPECT_EQ(QFileInfo(l.pfad(f.unlesbar)).symLinkTarget(), "/proc/self/mem") << "not replaced";
        if (f.unlesbar == 'a') { // nothing comes from a list that was not read
            EXPECT_EQ(l.bytes('b'), CpZeilen({"001#a#b#5#0#"}));
            EXPECT_EQ(l.bytes('c'), "");
        }
    }
}

// A full disk (or another write error) at any write of the end of a practice: the pupil
// is told why, and the main list and both stage lists stay byte for byte as they were.
TEST(Stufe1Sichern, AWriteErrorChangesNoListAndNamesTheCause)
{
    const QByteArray dva = CpZeilen({"001#a#b#1#0#", "002#c#d#3#0#"});
    const QByteArray dvb = CpZeilen({"009#x#y#2#0#"});
    const QString voll = QString::fromUtf8("Der Datenträger ist voll. Das Ergebnis dieser Übung wurde nicht gespeichert.");
    const struct {
        const char* zeile;
        ErsetzenSchritt schritt;
        int wievielter; // the how-manieth time that step is reached
        int fehler;
        const char* meldung; // UTF-8; empty: the full-disk sentence
    } faelle[] = {
        {"the main list's new content", ErsetzenSchritt::Schreiben, 1, ENOSPC, ""},
        {"the stage-2 list's new content", ErsetzenSchritt::Schreiben, 2, ENOSPC, ""},
        {"the stage-3 list's new content", ErsetzenSchritt::Schreiben, 3, ENOSPC, ""},
        {"flushing a stage list", ErsetzenSchritt::Flushen, 2, EDQUOT, ""},
        {"a disk error opening a temporary", ErsetzenSchritt::Oeffnen, 2, EIO,
         "Der Datenträger meldet einen Fehler. Das Ergebnis dieser Übung wurde nicht gespeichert."},
        {"the first rename", ErsetzenSchritt::Umbenennen, 1, ENOSPC, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        Liste l(dva, dvb);
        int gesehen = 0;
        SichernErgebnis e;
        {
            HookWeg weg;
            SetzeErsetzenFehlerHook([&](ErsetzenSchritt s) {
                if (s != f.schritt || ++gesehen != f.wievielter)
                    return true;
                errno = f.fehler;
                return false;
            });
            e = Stufe1Sichern(l.pfad('a'), {2, 2});
        }
        EXPECT_EQ(SichernMeldung(e), *f.meldung ? QString::fromUtf8(f.meldung) : voll);
        EXPECT_EQ(l.bytes('a'), dva);
        EXPECT_EQ(l.bytes('b'), dvb);
        EXPECT_EQ(l.bytes('c'), "");
        EXPECT_EQ(l.dateien(), DreiDateien) << "a written file was left behind";
    }
    // Without a fault the same end saves all three.
    Liste l(dva, dvb);
    const auto e = Stufe1Sichern(l.pfad('a'), {2, 2});
    EXPECT_EQ(SichernMeldung(e), "");
    EXPECT_EQ(l.bytes('a'), CpZeilen({"001#a#b#3#0#", "002#c#d#5#0#"}));
    EXPECT_EQ(l.bytes('b'), CpZeilen({"009#x#y#2#0#", "001#a#b#3#0#", "002#c#d#5#0#"}));
    EXPECT_EQ(l.bytes('c'), CpZeilen({"002#c#d#5#0#"}));
}

// A list copied from elsewhere in UTF-8 is rewritten in UTF-8: "grün" stays "grün" in
// every list, mark and all, and no pair is lost.
TEST(Stufe1Sichern, AUtf8ListStaysUtf8)
{
    const QByteArray mark = "\xEF\xBB\xBF";
    const struct { const char* zeile; QByteArray kopf; } faelle[] = {
        {"without a mark", ""},
        {"with a mark", mark},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.zeile);
        Liste l(f.kopf + "001#green#gr\xC3\xBCn#1#0#\r\n002#cat#Katze#0#0#\r\n003#ă#a#0#0#\r\n");
        ASSERT_TRUE(Stufe1Sichern(l.pfad('a'), {1, 0, 4}).Fehlerfrei());
        EXPECT_EQ(l.bytes('a'), f.kopf + "001#green#gr\xC3\xBCn#2#0#\r\n002#cat#Katze#0#0#\r\n003#\xC4\x83#a#4#0#\r\n");
        EXPECT_EQ(l.bytes('b'), f.kopf + "001#green#gr\xC3\xBCn#2#0#\r\n003#\xC4\x83#a#4#0#\r\n");
        EXPECT_EQ(l.bytes('c'), f.kopf + "003#\xC4\x83#a#4#0#\r\n");
    }
}
