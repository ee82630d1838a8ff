// The editor's file logic: lines into grid rows and back, the stage rebuild, refused
// cells, and the three files replaced safely.
#include "editor/Editorliste.h"

#include "common/TestHilfen.h"
#include "lists/DateiErsetzen.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

using namespace lerno;
using testhilfen::CpZeilen;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

// The list Englisch in <program folder>/Vokabeln, where the scratch files go too.
class EditorListe : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(ordner.pfad()).mkpath("Vokabeln")); }
    void TearDown() override { SetzeErsetzenFehlerHook(nullptr); }
    QString pfad(char b) const { return ordner.datei(QString("Vokabeln/Englisch.dv") + b); }
    QByteArray bytes(char b) const { return LiesBytes(pfad(b)); }
    void anlegen(const QByteArray& a, const QByteArray& b = {}, const QByteArray& c = {})
    {
        SchreibeBytes(pfad('a'), a);
        SchreibeBytes(pfad('b'), b);
        SchreibeBytes(pfad('c'), c);
    }
    QStringList dateien() const
    {
        return QDir(ordner.datei("Vokabeln")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    testhilfen::TempProgrammordner ordner;
    const QStringList drei{"Englisch.dva", "Englisch.dvb", "Englisch.dvc"};
};

GridZeile Neu(const char* vokabel, const char* bedeutung)
{
    return GridZeile{{}, QString::fromUtf8(vokabel), QString::fromUtf8(bedeutung), {}, {}};
}

} // namespace

TEST(GridZeileAus, SplitsOnlyLinesThatComeBackByteForByte)
{
    struct Fall {
        const char *zeile, *nummer, *vokabel, *bedeutung, *zaehler; // nummer null: kept whole
    };
    const Fall faelle[] = {
        {"001#house#Haus#3#0#", "001#", "house", "Haus", "#3#0#"},
        {"100# a #Straße #9#0#", "100#", " a ", "Straße ", "#9#0#"},
        {"001#a#b#0#7#", "001#", "a", "b", "#0#7#"}, // Reserve carried along
        // Any counter characters in a well-framed line: practice updates such lines too.
        {"001#a#b#x#0#", "001#", "a", "b", "#x#0#"}, {"001#a#b# #y#", "001#", "a", "b", "# #y#"},
        {""}, {"001#a#b"}, {"01#a#b#0#0#"}, {"0001#a#b#0#0#"}, {"001#a#b#0#"},
        {"001#a#b#12#0#"}, {"001#a#b#c#0#0#"}, {"001#a#b#0#0"},
        {"001##Haus#0#0#"}, {"001#house##0#0#"}, // saving would drop a pair nobody removed
        // The edit box cannot show these faithfully and a save would refuse them.
        {"001#a\rb#c#0#0#"}, {"001#a#b\tc#0#0#"}, {"001#a#b\x7f#0#0#"}, {"001#a\xc2\x81#b#0#0#"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zeile);
        const auto z = GridZeileAus(QString::fromUtf8(f.zeile));
        EXPECT_EQ(z.has_value(), f.nummer != nullptr);
        if (!z)
            continue;
        EXPECT_EQ(QStringList({z->Nummer, z->Vokabel, z->Bedeutung, z->Zaehler}),
                  QStringList({f.nummer, QString::fromUtf8(f.vokabel), QString::fromUtf8(f.bedeutung), f.zaehler}));
        EXPECT_EQ(GridDatensatz(*z), QString::fromUtf8(f.zeile));
    }
}

TEST_F(EditorListe, AnUntouchedListSavesByteForByteAndItsStagesAreRebuilt)
{
    struct Fall {
        const char* name;
        QByteArray dva, dvb, dvc;
    };
    QByteArray alleBytes; // every byte a line can hold, in a line that is kept whole
    for (int b = 1; b < 256; ++b)
        if (b != '\n' && b != '\r')
            alleBytes += char(b);
    const Fall faelle[] = {
        {"CR inside a field (kept whole, in no stage list)", "001#a\rb#c#5#0#\r\n002#d#e#4#0#\r\n", "002#d#e#4#0#\r\n",
         "002#d#e#4#0#\r\n"},
        {"non-digit count (editable, in no stage list)", "001#a#b#x#0#\r\n002#c#d#2#0#\r\n", "002#c#d#2#0#\r\n", {}},
        {"lone LF line ends", "001#a#b#3#0#\n002#c#d#0#0#\n", "001#a#b#3#0#\r\n", {}},
        {"last line without its end", "001#a#b#0#0#\r\n002#c#d#4#0#", "002#c#d#4#0#\r\n", "002#c#d#4#0#\r\n"},
        {"last line ending in a lone CR", "001#a#b#0#0#\r\n002#c#d#0#0#\r", {}, {}},
        {"empty lines and CR CR LF", "\r\n001#a#b#2#0#\r\r\n\r\n", {}, {}},
        {"every byte value", "001#" + alleBytes + "#0#0#\r\n", {}, {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        anlegen(f.dva, "stale\r\n", "stale\r\n");
        const GeladeneListe l = EditorListeLesen(pfad('a'));
        ASSERT_TRUE(l.Gelesen);
        const auto e = EditorListeSchreiben(pfad('a'), l.Zeilen);
        EXPECT_EQ(e.Stand, EditorSpeicherStand::Gespeichert);
        EXPECT_EQ(bytes('a'), f.dva);
        EXPECT_EQ(bytes('b'), f.dvb);
        EXPECT_EQ(bytes('c'), f.dvc);
        EXPECT_EQ(dateien(), drei);
    }
}

TEST_F(EditorListe, EditedLinesKeepTheirCountersAndLineEnds)
{
    struct Fall {
        const char* name;
        QByteArray dva;
        size_t zeile;
        QByteArray a;
    };
    const Fall faelle[] = {
        {"non-digit count", "001#a#b#x#0#\r\n", 0, "001#A#b#x#0#\r\n"},
        {"LF line end", "001#a#b#1#7#\n002#c#d#0#0#\n", 0, "001#A#b#1#7#\n002#c#d#0#0#\n"},
        {"last line without end", "001#c#d#0#0#\r\n001#a#b#0#0#", 1, "001#c#d#0#0#\r\n001#A#b#0#0#"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        anlegen(f.dva);
        auto zeilen = EditorListeLesen(pfad('a')).Zeilen;
        ASSERT_GT(zeilen.size(), f.zeile);
        ASSERT_FALSE(zeilen[f.zeile].Roh);
        zeilen[f.zeile].Vokabel = "A";
        ASSERT_EQ(EditorListeSchreiben(pfad('a'), zeilen).Stand, EditorSpeicherStand::Gespeichert);
        EXPECT_EQ(bytes('a'), f.a);
    }
    // A line without its end that is no longer the last gets one: rows never run together.
    anlegen("001#a#b#0#0#\r\n002#c#d#0#0#");
    auto zeilen = EditorListeLesen(pfad('a')).Zeilen;
    std::swap(zeilen[0], zeilen[1]);
    ASSERT_EQ(EditorListeSchreiben(pfad('a'), zeilen).Stand, EditorSpeicherStand::Gespeichert);
    EXPECT_EQ(bytes('a'), "002#c#d#0#0#\r\n001#a#b#0#0#\r\n");
}

TEST_F(EditorListe, AListThatExistsButCannotBeReadIsNeverStartedAfresh)
{
    // Repro: an existing list the program cannot read. A folder in its place reads as
    // such even for the administrator's account, where permissions do not apply.
    const GeladeneListe fehlt = EditorListeLesen(pfad('a'));
    EXPECT_EQ(fehlt.Stand, LadeStand::Fehlt);
    ASSERT_TRUE(QDir().mkdir(pfad('a')));
    const GeladeneListe l = EditorListeLesen(pfad('a'));
    EXPECT_EQ(l.Stand, LadeStand::Unlesbar);
    EXPECT_FALSE(l.Gelesen);
    EXPECT_TRUE(l.Zeilen.empty());
    EXPECT_NE(l.Fehlernummer, 0);
}

TEST_F(EditorListe, WriteProtectedListIsNotTouched)
{
    struct Fall {
        const char* name;
        char geschuetzt;
    };
    const Fall faelle[] = {{"main list read-only", 'a'}, {"stage 2 read-only", 'b'}, {"stage 3 read-only", 'c'}};
    const QByteArray alt = CpZeilen({"001#house#Haus#4#0#"});
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        anlegen(alt, alt, alt);
        ASSERT_TRUE(QFile::setPermissions(pfad(f.geschuetzt), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        auto zeilen = EditorListeLesen(pfad('a')).Zeilen;
        zeilen[0].Vokabel = "home";
        EXPECT_EQ(EditorListeSchreiben(pfad('a'), zeilen).Stand, EditorSpeicherStand::Schreibgeschuetzt);
        EXPECT_EQ(bytes('a') + bytes('b') + bytes('c'), alt + alt + alt);
        EXPECT_EQ(QFile::permissions(pfad(f.geschuetzt)) & QFile::WriteOwner, 0);
        EXPECT_EQ(dateien(), drei);
        QFile::setPermissions(pfad(f.geschuetzt), QFile::ReadOwner | QFile::WriteOwner);
    }
}

TEST_F(EditorListe, AFailedSaveNamesTheFileAndTheCause)
{
    const QByteArray alt = CpZeilen({"001#house#Haus#4#0#"});
    struct Fall {
        const char* name;
        ErsetzenSchritt schritt;
        int fehlernummer;
        QString pfad;
    };
    const Fall faelle[] = {
        {"disk full while writing the scratch list", ErsetzenSchritt::Schreiben, ENOSPC,
         ordner.datei("Vokabeln/afile.dva")},
        {"no right to rename over the list", ErsetzenSchritt::Umbenennen, EACCES, pfad('a')},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        anlegen(alt, alt, alt);
        auto zeilen = EditorListeLesen(pfad('a')).Zeilen;
        zeilen[0].Vokabel = "home";
        SetzeErsetzenFehlerHook([&](ErsetzenSchritt s) {
            if (s != f.schritt)
                return true;
            errno = f.fehlernummer;
            return false;
        });
        const auto e = EditorListeSchreiben(pfad('a'), zeilen);
        SetzeErsetzenFehlerHook(nullptr);
        EXPECT_EQ(e.Stand, EditorSpeicherStand::Dateifehler);
        EXPECT_EQ(e.Fehlernummer, f.fehlernummer);
        EXPECT_EQ(e.FehlerPfad, f.pfad);
        EXPECT_EQ(bytes('a') + bytes('b') + bytes('c'), alt + alt + alt);
        EXPECT_EQ(dateien(), drei);
    }
}

TEST(HalbeGridbreite, RoundsHalfToEven)
{
    for (auto [breite, halb] : std::initializer_list<std::pair<int, int>>{{7005, 3502}, {7006, 3503}, {7007, 3504}, {7009, 3504}, {1, 0}})
        EXPECT_EQ(HalbeGridbreite(breite), halb) << breite;
}

TEST_F(EditorListe, SavesRowsAndRebuildsTheStageLists)
{
    using Zeilen = std::vector<GridZeile>;
    struct Fall {
        const char* name;
        QByteArray dva, dvb, dvc;
        std::function<void(Zeilen&)> bearbeiten;
        QByteArray a, b, c;
    };
    const QByteArray demo = CpZeilen({"001#house#Haus#3#0#", "002#Straße#street#4#0#", "003#a#b#0#0#"});
    const QByteArray h3 = CpZeilen({"001#house#Haus#3#0#"}), s4 = CpZeilen({"002#Straße#street#4#0#"});
    const Fall faelle[] = {
        {"unchanged: byte for byte", demo, {}, {}, [](Zeilen&) {}, demo, h3 + s4, s4},
        {"emptied word", demo, h3 + s4, s4, [](Zeilen& z) { z[1].Vokabel.clear(); },
         CpZeilen({"001#house#Haus#3#0#", "003#a#b#0#0#"}), h3, {}},
        {"emptied meaning", demo, h3 + s4, s4, [](Zeilen& z) { z[0].Bedeutung.clear(); },
         s4 + CpZeilen({"003#a#b#0#0#"}), s4, s4},
        {"edited text reaches the stages, no renumbering", demo, {}, {},
         [](Zeilen& z) { z[1].Vokabel = "Gasse"; z[0].Vokabel.clear(); },
         CpZeilen({"002#Gasse#street#4#0#", "003#a#b#0#0#"}), CpZeilen({"002#Gasse#street#4#0#"}),
         CpZeilen({"002#Gasse#street#4#0#"})},
        {"older stage lines give way to the main list's", demo,
         CpZeilen({"001#house#Haus#2#0#", "009#gone#weg#5#0#"}), CpZeilen({"009#gone#weg#5#0#"}),
         [](Zeilen&) {}, demo, h3 + s4, s4},
        {"new row in an empty list", {}, {}, {}, [](Zeilen& z) { z.push_back(Neu("word", "meaning")); },
         CpZeilen({"001#word#meaning#1#0#"}), {}, {}},
        {"unsplittable lines stay at their place, in no stage list",
         CpZeilen({"001#a#b#5#0#", "kaputt", "", "002#x#y#c#4#0#", "003#c#d#2#0#"}), {}, {},
         [](Zeilen& z) { z[0].Bedeutung = "B"; z[4].Vokabel.clear(); },
         CpZeilen({"001#a#B#5#0#", "kaputt", "", "002#x#y#c#4#0#"}), CpZeilen({"001#a#B#5#0#"}),
         CpZeilen({"001#a#B#5#0#"})},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        anlegen(f.dva, f.dvb, f.dvc);
        // A stale scratch triplet of an interrupted save is never merged in.
        for (char b : {'a', 'b', 'c'})
            SchreibeBytes(ordner.datei(QString("Vokabeln/afile.dv") + b), CpZeilen({"099#alt#old#9#0#"}));
        const GeladeneListe l = EditorListeLesen(pfad('a'));
        EXPECT_TRUE(l.Gelesen);
        if (!l.Gelesen)
            continue;
        Zeilen zeilen = l.Zeilen;
        f.bearbeiten(zeilen);
        EXPECT_EQ(EditorListeSchreiben(pfad('a'), zeilen).Stand, EditorSpeicherStand::Gespeichert);
        EXPECT_EQ(bytes('a'), f.a);
        EXPECT_EQ(bytes('b'), f.b);
        EXPECT_EQ(bytes('c'), f.c);
        EXPECT_EQ(dateien(), drei); // no scratch file left
    }
}

TEST_F(EditorListe, StageListsFollowTheCountZeroToNine)
{
    QByteArray dva, dvb, dvc;
    for (int stand = 0; stand <= 9; ++stand) {
        const QByteArray zeile =
            QString("%1#w%2#m%2#%2#0#\r\n").arg(stand + 1, 3, 10, QChar('0')).arg(stand).toLatin1();
        dva += zeile;
        dvb += stand >= 2 ? zeile : QByteArray();
        dvc += stand >= 4 ? zeile : QByteArray();
    }
    anlegen(dva);
    EXPECT_EQ(EditorListeSchreiben(pfad('a'), EditorListeLesen(pfad('a')).Zeilen).Stand,
              EditorSpeicherStand::Gespeichert);
    EXPECT_EQ(bytes('a') + "|" + bytes('b') + "|" + bytes('c'), dva + "|" + dvb + "|" + dvc);
}

TEST_F(EditorListe, MissingListLoadsAsFailureAndSaveCreatesAllThree)
{
    const GeladeneListe l = EditorListeLesen(pfad('a'));
    EXPECT_FALSE(l.Gelesen);
    EXPECT_TRUE(l.Zeilen.empty());
    EXPECT_EQ(EditorListeSchreiben(pfad('a'), {Neu("the mouse", "die Maus"), Neu("", "")}).Stand,
              EditorSpeicherStand::Gespeichert);
    EXPECT_EQ(bytes('a') + "|" + bytes('b') + "|" + bytes('c'), CpZeilen({"001#the mouse#die Maus#1#0#"}) + "||");
}

TEST_F(EditorListe, RefusedCellWritesNothing)
{
    struct Fall {
        GridZeile zeile;
        EingabeFehler fehler;
        QString zeichen;
    };
    const Fall faelle[] = {
        {Neu("a#b", "c"), EingabeFehler::Raute, {}},
        {Neu("a", "#"), EingabeFehler::Raute, {}},
        {Neu("a\nb", "c"), EingabeFehler::Zeilenumbruch, {}},
        {Neu("a", "c\r"), EingabeFehler::Zeilenumbruch, {}},
        {Neu("a", "\xEE\x80\x80"), EingabeFehler::Unspeicherbar, QString(QChar(0xE000))},
        {Neu("\xF3\xB0\x80\x80", "c"), EingabeFehler::Unspeicherbar, QString::fromUtf8("\xF3\xB0\x80\x80")},
    };
    const QByteArray alt = CpZeilen({"001#house#Haus#4#0#"});
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zeile.Vokabel.toStdString() + "|" + f.zeile.Bedeutung.toStdString());
        anlegen(alt, alt, alt);
        // Row 3 is refused; rows 2 ("€", "ß" are Windows-1252) and 4 (dropped anyway) are fine.
        const auto e = EditorListeSchreiben(pfad('a'), {Neu("a", "b"), Neu("ok", "€ und ß"), f.zeile, Neu("#", "")});
        EXPECT_EQ(e.Stand, EditorSpeicherStand::Abgelehnt);
        EXPECT_EQ(e.Pruefung.Fehler, f.fehler);
        EXPECT_EQ(e.Pruefung.Zeile, 3);
        EXPECT_EQ(e.Pruefung.Zeichen, f.zeichen);
        EXPECT_EQ(bytes('a') + bytes('b') + bytes('c'), alt + alt + alt);
        EXPECT_EQ(dateien(), drei);
    }
}

TEST_F(EditorListe, ScratchNameIsNeverTheEditedList)
{
    const QString afile = ordner.datei("Vokabeln/afile.dva");
    SchreibeBytes(afile, CpZeilen({"001#a#b#0#0#"}));
    EXPECT_TRUE(IstHilfsdatei("/x/AFile.dvb"));
    EXPECT_FALSE(IstHilfsdatei("/x/afile2.dva"));
    EXPECT_EQ(EditorListeSchreiben(afile, {Neu("x", "y")}).Stand, EditorSpeicherStand::Dateifehler);
    EXPECT_EQ(LiesBytes(afile), CpZeilen({"001#a#b#0#0#"}));
}

TEST_F(EditorListe, FailureAtEveryStepLeavesEachFileOldOrNew)
{
    const QByteArray altA = CpZeilen({"001#house#Haus#4#0#", "002#a#b#0#0#"}), altB = CpZeilen({"001#house#Haus#2#0#"}),
                     altC = CpZeilen({"009#x#y#4#0#"}), neuA = CpZeilen({"001#home#Haus#4#0#", "002#a#b#0#0#"}),
                     neuBC = CpZeilen({"001#home#Haus#4#0#"});
    anlegen(altA, altB, altC);
    auto zeilen = EditorListeLesen(pfad('a')).Zeilen;
    zeilen[0].Vokabel = "home";
    int schritte = 0; // of a clean save: three scratch files written, three replaced
    SetzeErsetzenFehlerHook([&](ErsetzenSchritt) { ++schritte; return true; });
    ASSERT_EQ(EditorListeSchreiben(pfad('a'), zeilen).Stand, EditorSpeicherStand::Gespeichert);
    ASSERT_GE(schritte, 9);

    for (int fehlschlag = 1; fehlschlag <= schritte; ++fehlschlag) {
        SCOPED_TRACE(fehlschlag);
        anlegen(altA, altB, altC);
        int n = 0;
        SetzeErsetzenFehlerHook([&](ErsetzenSchritt) { return ++n != fehlschlag; });
        const auto e = EditorListeSchreiben(pfad('a'), zeilen);
        EXPECT_EQ(e.Stand, EditorSpeicherStand::Dateifehler);
        EXPECT_TRUE(bytes('a') == altA || bytes('a') == neuA);
        EXPECT_TRUE(bytes('b') == altB || bytes('b') == neuBC);
        EXPECT_TRUE(bytes('c') == altC || bytes('c') == neuBC);
        EXPECT_EQ(e.NichtErsetzt.contains(pfad('a')), bytes('a') == altA); // reported = kept old
        EXPECT_EQ(dateien(), drei);
    }
}
