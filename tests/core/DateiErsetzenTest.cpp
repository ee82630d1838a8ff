// Crash-safe replacement: whole new file or untouched old one, never a leftover.
#include "lists/DateiErsetzen.h"

#include "common/TestHilfen.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <vector>

using namespace lerno;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

const ErsetzenSchritt AlleSchritte[] = {ErsetzenSchritt::Oeffnen, ErsetzenSchritt::Schreiben,
                                        ErsetzenSchritt::Flushen, ErsetzenSchritt::Umbenennen};

struct HookWeg {
    ~HookWeg() { SetzeErsetzenFehlerHook(nullptr); }
};

QStringList Eintraege(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace

TEST(DateiErsetzen, ReplacesWholeAndKeepsPermissions)
{
    QTemporaryDir dir;
    const QString ziel = dir.filePath("x.dva");
    SchreibeBytes(ziel, "001#alt#old#0#0#\r\n002#b#c#0#0#\r\n");
    ASSERT_TRUE(QFile::setPermissions(ziel, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                | QFile::ReadOther));
    const auto rechte = QFile::permissions(ziel);

    std::vector<ErsetzenSchritt> gesehen;
    HookWeg weg;
    SetzeErsetzenFehlerHook([&](ErsetzenSchritt s) { gesehen.push_back(s); return true; });

    ASSERT_TRUE(DateiErsetzen(ziel, "001#neu#new#1#0#\r\n"));
    EXPECT_EQ(LiesBytes(ziel), "001#neu#new#1#0#\r\n");
    EXPECT_EQ(QFile::permissions(ziel), rechte);
    EXPECT_EQ(Eintraege(dir.path()), QStringList{"x.dva"});
    EXPECT_EQ(gesehen, std::vector<ErsetzenSchritt>(std::begin(AlleSchritte), std::end(AlleSchritte)));

    // A missing target is simply created; an empty content is a valid empty list.
    ASSERT_TRUE(DateiErsetzen(dir.filePath("y.dva"), ""));
    EXPECT_EQ(LiesBytes(dir.filePath("y.dva")), "");
}

TEST(DateiErsetzen, FailureAtAnyStepLeavesTargetAndNoTemporaryFile)
{
    for (const bool zielDa : {true, false}) {
        for (const ErsetzenSchritt fehler : AlleSchritte) {
            QTemporaryDir dir;
            const QString ziel = dir.filePath("x.dva");
            if (zielDa)
                SchreibeBytes(ziel, "001#alt#old#0#0#\r\n");
            HookWeg weg;
            SetzeErsetzenFehlerHook([&](ErsetzenSchritt s) { return s != fehler; });

            EXPECT_FALSE(DateiErsetzen(ziel, "001#neu#new#1#0#\r\n")) << int(fehler);
            if (zielDa) {
                EXPECT_EQ(LiesBytes(ziel), "001#alt#old#0#0#\r\n") << int(fehler);
                EXPECT_EQ(Eintraege(dir.path()), QStringList{"x.dva"}) << int(fehler);
            } else {
                EXPECT_EQ(Eintraege(dir.path()), QStringList{}) << int(fehler);
            }
        }
    }
}

TEST(DateiErsetzen, RealFailuresAreReported)
{
    QTemporaryDir dir;
    // The target is a folder: the rename must fail and the temporary file go away.
    ASSERT_TRUE(QDir(dir.path()).mkdir("x.dva"));
    EXPECT_FALSE(DateiErsetzen(dir.filePath("x.dva"), "abc\r\n"));
    EXPECT_EQ(Eintraege(dir.path()), QStringList{"x.dva"});
    // No folder to put the temporary file in.
    EXPECT_FALSE(DateiErsetzen(dir.filePath("fehlt/x.dva"), "abc\r\n"));
}

TEST(DateiErsetzenDurch, RenamesOverTheTargetOrLeavesItAlone)
{
    for (const ErsetzenSchritt fehler : {ErsetzenSchritt::Flushen, ErsetzenSchritt::Umbenennen}) {
        QTemporaryDir dir;
        SchreibeBytes(dir.filePath("x.dva"), "alt\r\n");
        SchreibeBytes(dir.filePath("x.dvd"), "neu\r\n");
        HookWeg weg;
        SetzeErsetzenFehlerHook([&](ErsetzenSchritt s) { return s != fehler; });
        EXPECT_FALSE(DateiErsetzenDurch(dir.filePath("x.dva"), dir.filePath("x.dvd")));
        EXPECT_EQ(LiesBytes(dir.filePath("x.dva")), "alt\r\n");
    }

    QTemporaryDir dir;
    SchreibeBytes(dir.filePath("x.dva"), "alt\r\n");
    EXPECT_FALSE(DateiErsetzenDurch(dir.filePath("x.dva"), dir.filePath("x.dvd"))); // no source
    EXPECT_EQ(LiesBytes(dir.filePath("x.dva")), "alt\r\n");

    SchreibeBytes(dir.filePath("x.dvd"), "neu\r\n");
    ASSERT_TRUE(DateiErsetzenDurch(dir.filePath("x.dva"), dir.filePath("x.dvd")));
    EXPECT_EQ(LiesBytes(dir.filePath("x.dva")), "neu\r\n");
    EXPECT_EQ(Eintraege(dir.path()), QStringList{"x.dva"});
}

TEST(HilfsdateiSchreiben, EmptiesAStaleFileFirst)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath("x.dvd");
    SchreibeBytes(pfad, "099#stale#alt#5#0#\r\n001#a#b#0#0#\r\n");
    ASSERT_TRUE(HilfsdateiSchreiben(pfad, "001#a#b#1#0#\r\n"));
    EXPECT_EQ(LiesBytes(pfad), "001#a#b#1#0#\r\n");

    HookWeg weg;
    SetzeErsetzenFehlerHook([](ErsetzenSchritt s) { return s != ErsetzenSchritt::Schreiben; });
    EXPECT_FALSE(HilfsdateiSchreiben(pfad, "001#a#b#2#0#\r\n"));
    EXPECT_FALSE(QFile::exists(pfad)); // no half-written scratch file stays
}
