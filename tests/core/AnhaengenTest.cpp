// Appends are all-or-nothing: a write that fails anywhere leaves the old bytes, exactly.
#include "lists/DateiErsetzen.h"
#include "lists/TextDatei.h"
#include "practice/Stufen.h"

#include "common/TestHilfen.h"

#include <QFile>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace lerno;
using testhilfen::CpZeilen;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

struct AnhaengenHookWeg {
    ~AnhaengenHookWeg() { SetzeAnhaengenFehlerHook(nullptr); }
};

struct AnhangFall {
    const char* name;
    QByteArray vorher;
    QStringList zeilen;
    QByteArray nachher; // when every byte goes through
};

const AnhangFall AnhangFaelle[] = {
    {"empty list", "", {"001#a#b#0#0#"}, "001#a#b#0#0#\r\n"},
    {"ended last line", "001#a#b#0#0#\r\n", {"002#c#d#0#0#"},
     "001#a#b#0#0#\r\n002#c#d#0#0#\r\n"},
    {"last line without line end", "001#a#b#0#0#", {"002#c#d#0#0#"},
     "001#a#b#0#0#\r\n002#c#d#0#0#\r\n"},
    {"lone CR gets only its LF", "001#a#b#0#0#\r", {"002#c#d#0#0#"},
     "001#a#b#0#0#\r\n002#c#d#0#0#\r\n"},
    {"lone LF is a line end", "001#a#b#0#0#\n", {"002#c#d#0#0#"},
     "001#a#b#0#0#\n002#c#d#0#0#\r\n"},
    {"a batch of three", "001#a#b#0#0#\r\n", {"002#c#d#2#0#", "003#ä#ß#4#0#", "004#e#f#2#0#"},
     "001#a#b#0#0#\r\n002#c#d#2#0#\r\n003#\xe4#\xdf#4#0#\r\n004#e#f#2#0#\r\n"},
};

} // namespace

TEST(Anhaengen, EveryCutShortWriteIsCutBackToTheOldBytes)
{
    for (const AnhangFall& f : AnhangFaelle) {
        QTemporaryDir dir;
        const QString pfad = dir.filePath("x.dvb");
        const qint64 neu = f.nachher.size() - f.vorher.size();
        // The failure hits after 0, 1, ... up to all but the last byte of the write.
        for (qint64 durch = 0; durch < neu; ++durch) {
            SchreibeBytes(pfad, f.vorher);
            AnhaengenHookWeg weg;
            qint64 angefragt = -1;
            SetzeAnhaengenFehlerHook([&](qint64 laenge) { angefragt = laenge; return durch; });
            EXPECT_FALSE(ZeilenAnhaengen(pfad, f.zeilen)) << f.name << " after " << durch;
            EXPECT_EQ(angefragt, neu) << f.name << ": one write of the whole block";
            EXPECT_EQ(LiesBytes(pfad), f.vorher) << f.name << " after " << durch;
        }
        SchreibeBytes(pfad, f.vorher);
        ASSERT_TRUE(ZeilenAnhaengen(pfad, f.zeilen)) << f.name;
        EXPECT_EQ(LiesBytes(pfad), f.nachher) << f.name;
        EXPECT_EQ(ZeilenLesen(pfad)->last(), f.zeilen.last()) << f.name;
    }
}

TEST(Anhaengen, AFileSizeLimitHitMidRecordLeavesTheOldList)
{
    // A real short write, as on a full disk: the kernel stops at the size limit.
    QTemporaryDir dir;
    const QString pfad = dir.filePath("E.dva");
    const QByteArray alt = "001#a#b#0#0#\r\n";
    SchreibeBytes(pfad, alt);
    rlimit vorher{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    const auto signalVorher = std::signal(SIGXFSZ, SIG_IGN);
    rlimit grenze = vorher;
    grenze.rlim_cur = static_cast<rlim_t>(alt.size() + 6);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &grenze), 0);
    const bool ok = ZeileAnhaengen(pfad, "002#the house#das Haus#0#0#");
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signalVorher);

    EXPECT_FALSE(ok);
    EXPECT_EQ(LiesBytes(pfad), alt);
    ASSERT_TRUE(ZeileAnhaengen(pfad, "002#the house#das Haus#0#0#"));
    EXPECT_EQ(LiesBytes(pfad), CpZeilen({"001#a#b#0#0#", "002#the house#das Haus#0#0#"}));
}

TEST(Anhaengen, StageListsEndingInALoneCrTakeNoRecordTwice)
{
    QTemporaryDir dir;
    const QString dva = dir.filePath("E.dva");
    SchreibeBytes(dva, CpZeilen({"001#a#b#1#0#", "002#c#d#3#0#"}));
    SchreibeBytes(dir.filePath("E.dvb"), "001#a#b#2#0#\r");
    SchreibeBytes(dir.filePath("E.dvc"), "");
    for (int mal = 0; mal < 2; ++mal)
        ASSERT_TRUE(Stufe1Sichern(dva, {1, 1}).Fehlerfrei());
    EXPECT_EQ(LiesBytes(dir.filePath("E.dvb")), CpZeilen({"001#a#b#2#0#", "002#c#d#4#0#"}));
    EXPECT_EQ(LiesBytes(dir.filePath("E.dvc")), CpZeilen({"002#c#d#4#0#"}));
}

TEST(Anhaengen, StageSavesKeepEveryListsPermissions)
{
    for (const mode_t rechte : {0660, 0444, 0640, 0604}) {
        QTemporaryDir dir;
        const QString dva = dir.filePath("E.dva");
        SchreibeBytes(dva, CpZeilen({"001#a#b#1#0#", "002#c#d#3#0#"}));
        SchreibeBytes(dir.filePath("E.dvb"), CpZeilen({"001#a#b#2#0#"}));
        SchreibeBytes(dir.filePath("E.dvc"), "");
        for (const char* name : {"E.dva", "E.dvb", "E.dvc"})
            ASSERT_EQ(chmod(QFile::encodeName(dir.filePath(name)).constData(), rechte), 0);

        ASSERT_TRUE(Stufe1Sichern(dva, {1, 1}).Fehlerfrei()) << std::oct << rechte;
        ASSERT_TRUE(Stufe2Sichern(dir.filePath("E.dvb"), {2}).Fehlerfrei()) << std::oct << rechte;
        EXPECT_EQ(LiesBytes(dir.filePath("E.dvc")), CpZeilen({"002#c#d#4#0#", "001#a#b#4#0#"}));
        for (const char* name : {"E.dva", "E.dvb", "E.dvc"}) {
            struct stat st {};
            ASSERT_EQ(stat(QFile::encodeName(dir.filePath(name)).constData(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, rechte) << name << " " << std::oct << rechte;
        }
    }
}
