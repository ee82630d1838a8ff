// What an interrupted run leaves in the list folder goes at the next start, and the
// scratch list "afile" is never a list: no chooser shows it, nothing is written into it.
#include "lists/Listenordner.h"
#include "lists/DateiErsetzen.h"
#include "lists/Listenname.h"
#include "lists/Reste.h"
#include "transfer/import/ListeErweitern.h"

#include "common/TestHilfen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

using namespace lerno;
using namespace testhilfen;

namespace {

struct HookWeg {
    ~HookWeg() { SetzeErsetzenFehlerHook(nullptr); }
};

struct OrdnerZurueck {
    QString vorher = QDir::currentPath();
    ~OrdnerZurueck() { QDir::setCurrent(vorher); }
};

} // namespace

TEST(Reste, OnlyTheReplaceRoutinesTemporaryNameCounts)
{
    const struct { const char* zeile; const char* name; bool rest; } faelle[] = {
        {"main list", ".Englisch.dva.a1B2c3", true},
        {"stage 2", ".Englisch.dvb.ZZZZZZ", true},
        {"stage 3", ".Englisch.dvc.000000", true},
        {"practice scratch", ".Englisch.dvd.Qx7Lp2", true},
        {"words' memory", ".Englisch.dvg.Qx7Lp2", true},
        {"dots in the name", ".a.b.dva.xY9zQ1", true},
        {"umlauts in the name", ".Grüße.dva.Ab12Cd", true},
        {"the list itself", "Englisch.dva", false},
        {"hidden without suffix", ".Englisch.dva", false},
        {"not hidden", "Englisch.dva.abcdef", false},
        {"five places", ".Englisch.dva.abcde", false},
        {"seven places", ".Englisch.dva.abcdefg", false},
        {"a place no mkstemp writes", ".Englisch.dva.abc-de", false},
        {"test history beside the lists", ".Lernstand.txt.a1B2c3", true},
        {"list languages", ".Listensprachen.txt.Qx7Lp2", true},
        {"any other file the replace writes", ".Englisch.csv.abcdef", true},
        {"ending in capitals", ".Englisch.DVA.abcdef", true},
        {"no list name", "..dva.abcdef", false},
        {"other hidden file", ".versteckt", false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(IstErsetzenRest(QString::fromUtf8(f.name)), f.rest) << f.zeile;
}

// The rule must name what the real routine writes: its temporary, seen just before the
// rename, for each member of a list.
TEST(Reste, TheRuleMatchesTheRoutinesOwnTemporaries)
{
    const struct { const char* zeile; const char* ziel; } faelle[] = {
        {"main list", "Englisch.dva"},
        {"stage 2 with umlauts", "Grüße.dvb"},
        {"stage 3 with dots", "a.b.dvc"},
        {"practice scratch", "Englisch.dvd"},
        {"words' memory", "Englisch.dvg"},
        {"test history", "Lernstand.txt"},
        {"list languages", "Listensprachen.txt"},
        {"plans of class tests", "Klassenarbeiten.txt"},
        {"settings", "Einstellungen.txt"},
    };
    for (const auto& f : faelle) {
        QTemporaryDir dir;
        QStringList gesehen;
        HookWeg weg;
        SetzeErsetzenFehlerHook([&](ErsetzenSchritt s) {
            if (s == ErsetzenSchritt::Umbenennen)
                gesehen = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
            return true;
        });
        ASSERT_TRUE(DateiErsetzen(dir.filePath(QString::fromUtf8(f.ziel)), "001#a#b#0#0#\r\n")) << f.zeile;
        ASSERT_EQ(gesehen.size(), 1) << f.zeile;
        EXPECT_TRUE(IstErsetzenRest(gesehen[0])) << f.zeile << ": " << gesehen[0].toStdString();
    }
}

TEST(Reste, TheStartRemovesLeftoversAndTouchesNothingElse)
{
    const struct { const char* zeile; const char* name; bool bleibt; } faelle[] = {
        {"list", "Englisch.dva", true},
        {"stage 2", "Englisch.dvb", true},
        {"stage 3", "Englisch.dvc", true},
        {"practice scratch: no practice runs", "Englisch.dvd", false},
        {"practice scratch of an upper-case list", "Gross.DVD", false},
        {"upper-case list", "Gross.DVA", true},
        {"its stage 2", "Gross.DVB", true},
        {"stage 3 named in lower case", "Gross.dvc", true},
        {"stage 2 without its list", "Waise.dvb", false},
        {"stage 3 without its list", "Waise.DVC", false},
        {"test history", "Lernstand.txt", true},
        {"temporary of the test history", ".Lernstand.txt.a1B2c3", false},
        {"temporary of the list languages", ".Listensprachen.txt.Zz09aB", false},
        {"temporary of the list", ".Englisch.dva.Qx7Lp2", false},
        {"temporary of stage 3", ".Englisch.dvc.a1b2c3", false},
        {"temporary of the practice scratch", ".Englisch.dvd.000abc", false},
        {"words' memory", "Englisch.dvg", true},
        {"temporary of the words' memory", ".Englisch.dvg.Ab12Cd", false},
        {"editor scratch main list", "afile.dva", false},
        {"editor scratch stage 2", "afile.dvb", false},
        {"editor scratch stage 3", "afile.dvc", false},
        {"afile in capitals is not the editor's", "AFILE.dva", true},
        {"afile.dvd is a practice scratch", "afile.dvd", false},
        {"afile2", "afile2.dva", true},
        {"hidden file of another kind", ".versteckt", true},
        {"hidden list name without suffix", ".Englisch.dva", true},
        {"five places", ".Englisch.dva.abcde", true},
        {"temporary of any other file", ".Englisch.csv.abcdef", false},
        {"visible name with a suffix", "Englisch.dva.abcdef", true},
    };
    TempProgrammordner programm;
    const QString ordner = programm.datei("Vokabeln");
    ASSERT_TRUE(QDir().mkpath(ordner));
    for (const auto& f : faelle)
        SchreibeBytes(ordner + "/" + QString::fromUtf8(f.name), QByteArray("Inhalt von ") + f.name + "\r\n");
    // Neither a folder nor a link of the temporary's shape is a temporary.
    ASSERT_TRUE(QDir(ordner).mkdir(".Ordner.dva.abcdef"));
    ASSERT_TRUE(QFile::link(ordner + "/Englisch.dva", ordner + "/.Link.dva.abcdef"));
    // Languages of two lists that exist and of one deleted list.
    SchreibeBytes(ordner + "/Listensprachen.txt",
                  "Englisch.dva\tEnglisch\r\nGross.DVA\tLatein\r\nWeg.dva\tSpanisch\r\n");

    OrdnerZurueck zurueck;
    const ListenordnerErgebnis e = ListenordnerEinrichten(programm.pfad());
    EXPECT_TRUE(e.ordnerBereit);
    EXPECT_FALSE(e.ersterStart);
    EXPECT_EQ(QDir::currentPath(), QDir(ordner).canonicalPath());
    for (const auto& f : faelle) {
        const QString pfad = ordner + "/" + QString::fromUtf8(f.name);
        EXPECT_EQ(QFile::exists(pfad), f.bleibt) << f.zeile;
        if (f.bleibt)
            EXPECT_EQ(LiesBytes(pfad), QByteArray("Inhalt von ") + f.name + "\r\n") << f.zeile;
    }
    EXPECT_EQ(LiesBytes(ordner + "/Listensprachen.txt"), "Englisch.dva\tEnglisch\r\nGross.DVA\tLatein\r\n")
        << "only the deleted list's language line goes";
    EXPECT_TRUE(QFileInfo(ordner + "/.Ordner.dva.abcdef").isDir());
    EXPECT_TRUE(QFileInfo(ordner + "/.Link.dva.abcdef").isSymLink());
    EXPECT_EQ(LiesBytes(ordner + "/Englisch.dva"), "Inhalt von Englisch.dva\r\n") << "the link's target";
}

TEST(Reste, AfileIsTheScratchListInAnyCase)
{
    const struct { const char* zeile; const char* pfad; bool hilfsliste; } faelle[] = {
        {"main list", "afile.dva", true},
        {"capitals", "AFILE.dva", true},
        {"mixed case stage 2", "aFile.dvb", true},
        {"with a folder", "/x/Vokabeln/afile.dvc", true},
        {"longer name", "afile2.dva", false},
        {"inside a name", "Schafile.dva", false},
        {"afile before another dot", "afile.x.dva", false},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(IstHilfsliste(QString::fromUtf8(f.pfad)), f.hilfsliste) << f.zeile;
}

TEST(Reste, AfileIsRefusedAsANewNameWithAGermanMessage)
{
    const QString meldung =
        QString::fromUtf8("Der Name „afile“ ist für Lerno reserviert. Bitte wähle einen anderen Namen.");
    const struct { const char* zeile; const char* name; bool abgelehnt; } faelle[] = {
        {"as typed", "afile", true},
        {"capitals", "AFILE", true},
        {"with its ending", "afile.dva", true},
        {"with another ending", "Afile.txt", true},
        {"longer name", "afile2", false},
        {"inside a name", "Schafile", false},
    };
    for (const auto& f : faelle) {
        const auto fehler = ListennameFehler(QString::fromUtf8(f.name));
        EXPECT_EQ(fehler.has_value(), f.abgelehnt) << f.zeile;
        if (f.abgelehnt && fehler)
            EXPECT_EQ(*fehler, meldung) << f.zeile;
    }
}

TEST(Reste, NoPairIsImportedIntoAfile)
{
    const QByteArray alt = CpZeilen({"001#alt#old#0#0#"});
    const struct { const char* zeile; const char* name; std::optional<QByteArray> vorher;
                   bool angenommen; std::optional<QByteArray> nachher; } faelle[] = {
        {"new afile", "afile.dva", std::nullopt, false, std::nullopt},
        {"existing AFILE", "AFILE.dva", alt, false, alt},
        {"an ordinary list takes them", "Englisch.dva", alt, true,
         CpZeilen({"001#alt#old#0#0#", "002#neu#new#0#0#"})},
    };
    for (const auto& f : faelle) {
        QTemporaryDir dir;
        const QString liste = dir.filePath(f.name);
        if (f.vorher)
            SchreibeBytes(liste, *f.vorher);
        EXPECT_EQ(PaareAnhaengen(liste, {ImportPaar{1, "neu", "new"}}), f.angenommen) << f.zeile;
        EXPECT_EQ(QFile::exists(liste), f.nachher.has_value()) << f.zeile;
        if (f.nachher)
            EXPECT_EQ(LiesBytes(liste), *f.nachher) << f.zeile;
        if (!f.angenommen)
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), f.vorher ? 1 : 0)
                << f.zeile << ": no stage list, no temporary";
    }
}
